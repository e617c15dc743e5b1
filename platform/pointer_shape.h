#pragma once
// Pointer shapes (mouse cursors) read from .cur or .ico files.

#include <cstdint>

namespace platform {

struct PointerShape {
    std::int32_t id = 0;       // 0 = empty (the file was missing or unreadable)
    void* native = nullptr;    // the window backend's own cursor object, if any
};

// Reads a cursor or icon file at the given edge size for the open window.
// A missing or unreadable file gives an empty shape.
PointerShape LoadPointerShape(const char* path, std::int32_t size);

// Shows the shape as the pointer over the open window until the pointer
// next moves (then the window's own pointer comes back). An empty shape
// leaves the pointer as it is.
void SetPointerShape(const PointerShape& shape);

}  // namespace platform
