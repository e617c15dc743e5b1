#pragma once
// The real window: one borderless full-screen SDL window titled "Velmara"
// that shows the 800 x 600 canvas scaled to the display with its aspect
// kept, and turns keyboard, pointer and quit events into window messages.

#include <cstdint>

#include "platform/window.h"

namespace platform {

// Opens the window, sends MESSAGE_CREATE (the procedure starts the display
// then) and shows it. The window's icon comes from "icon.ico" and its
// pointer from "cursor.cur" in the working directory; a missing file leaves
// the default. Returns null, after one line on standard error, when no
// window can be made.
Window* OpenSdlWindow(WindowProcedureFn procedure);

// Runs the message loop until the quit and returns its exit code. SIGINT
// and SIGTERM arrive as a close request.
std::int32_t RunSdlMessageLoop(Window* window);

// Gives the display back (after the loop has ended).
void CloseSdlWindow();

}  // namespace platform
