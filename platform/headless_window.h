#pragma once
// The window without a screen: the same canvas, messages and procedure as
// the real one, driven by tests. Post input, run the messages, then read
// the canvas or write it to a PNG file.

#include <cstdint>

#include "platform/window.h"

namespace platform {

// Opens the window (sending MESSAGE_CREATE) and asks for the first paint,
// as showing a real window does.
Window* OpenHeadlessWindow(WindowProcedureFn procedure);

void PostKeyDown(Window* window, std::uint32_t key);
void PostMouseMove(Window* window, std::int32_t x, std::int32_t y);
void PostLeftButtonDown(Window* window, std::int32_t x, std::int32_t y);
void PostLeftButtonDouble(Window* window, std::int32_t x, std::int32_t y);
void PostClose(Window* window);

// A pointer move to (x, y) followed by a left click there.
void PostClickAt(Window* window, std::int32_t x, std::int32_t y);

// Handles every waiting message and paint. Returns false once the quit has
// been posted (the window closed).
bool RunMessages(Window* window);

}  // namespace platform
