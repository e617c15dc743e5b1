#include "platform/pointer_shape.h"

#include "platform/cursor_file.h"
#include "platform/window.h"

namespace platform {

namespace {
std::int32_t LastPointerId = 0;
}

PointerShape LoadPointerShape(const char* path, std::int32_t size) {
    CursorImage image;
    if (!ReadCursorFile(path, size, image)) return PointerShape{};
    PointerShape shape;
    shape.id = ++LastPointerId;
    Window* window = OpenedWindow();
    if (window != nullptr && window->backend != nullptr && window->backend->createPointer != nullptr) {
        shape.native = window->backend->createPointer(image);
    }
    return shape;
}

void SetPointerShape(const PointerShape& shape) {
    Window* window = OpenedWindow();
    if (window == nullptr || shape.id == 0) return;
    window->pointerShown = shape.id;
    if (window->backend != nullptr && window->backend->showPointer != nullptr) {
        window->backend->showPointer(*window, shape.native);
    }
}

}  // namespace platform
