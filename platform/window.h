#pragma once
// The game's one window: its canvas, its message queue and the procedure
// that handles each message. The window backends (SDL for play, headless
// for tests) turn the outside world into these messages; everything the
// game does happens inside the handling of one of them, on one thread.

#include <cstdint>
#include <deque>

#include "platform/canvas.h"

namespace platform {

struct Window;
struct PointerShape;
struct CursorImage;

enum WindowMessage : std::uint32_t {
    MESSAGE_CREATE = 1,              // sent once while the window opens
    MESSAGE_DESTROY = 2,             // sent once while the window goes away
    MESSAGE_PAINT = 15,              // draw the canvas
    MESSAGE_CLOSE = 16,              // close request; default: destroy
    MESSAGE_KEY_DOWN = 256,          // wparam: key number (platform/keys.h)
    MESSAGE_MOUSE_MOVE = 512,        // lparam: packed canvas position
    MESSAGE_LEFT_BUTTON_DOWN = 513,  // lparam: packed canvas position
    MESSAGE_LEFT_BUTTON_DOUBLE = 515,// second press of a quick pair
};

// Returns 0 for messages it handles, else DefaultWindowProcedure's result.
using WindowProcedureFn = std::int32_t (*)(Window* window, std::uint32_t message,
                                           std::uint32_t wparam, std::int32_t lparam);

struct Message {
    std::uint32_t id;
    std::uint32_t wparam;
    std::int32_t lparam;
};

// What a backend does differently; any entry may be null.
struct WindowBackend {
    bool (*startDisplay)(Window& window);          // false: no display
    void* (*createPointer)(const CursorImage& image);
    void (*showPointer)(Window& window, void* native);  // null: the window's own
};

struct Window {
    Canvas canvas;
    WindowProcedureFn procedure;
    const WindowBackend* backend;
    std::deque<Message> queue;   // grows as far as a burst needs
    bool repaintPending;
    bool destroyed;
    bool quitPosted;
    std::int32_t exitCode;
    std::int32_t pointerShown;   // id of the pointer shape shown, 0 = the window's own
    std::int32_t paints;         // paint messages handled so far
};

// Position packing of the mouse messages: x in the low, y in the high 16
// bits; reading sign-extends each half.
std::int32_t PackPosition(std::int32_t x, std::int32_t y);
std::int32_t PositionX(std::int32_t position);
std::int32_t PositionY(std::int32_t position);

// Opens the window (there is one per process; opening again starts afresh),
// then sends MESSAGE_CREATE to the procedure.
Window* OpenWindow(WindowProcedureFn procedure, const WindowBackend* backend);

// The window that is open, or null.
Window* OpenedWindow();

// Queues a message; it is handled by a later DispatchNextMessage. Nothing
// is ever dropped, but a pointer move right behind another one replaces it:
// only where the pointer is now matters, and a long drag then costs one
// move instead of one per step.
void PostWindowMessage(Window* window, std::uint32_t message, std::uint32_t wparam, std::int32_t lparam);

// Handles a message at once and returns the procedure's result.
std::int32_t SendWindowMessage(Window* window, std::uint32_t message, std::uint32_t wparam,
                               std::int32_t lparam);

// Asks for the whole canvas to be painted. Requests coalesce; the paint
// comes before the next queued message is handled. A null window is
// allowed (handlers under test run without one) and only counted.
void RequestRepaint(Window* window);

// Repaint requests made since the start or the last reset, on any window:
// tests tell an input that repaints from one that does not.
long RepaintRequestCount();
void ResetRepaintRequestCount();

// Closes the window as the quit button does: the close message is handled
// before this returns, so the window is destroyed (pictures freed) by then.
void CloseGameWindow(Window* window);

// The handling of every message a procedure leaves alone: a close request
// destroys the window; everything else does nothing.
std::int32_t DefaultWindowProcedure(Window* window, std::uint32_t message, std::uint32_t wparam,
                                    std::int32_t lparam);

// Sends MESSAGE_DESTROY, then drops every pending message and paint.
void DestroyGameWindow(Window* window);

// Ends the message loop with this exit code once the current message is done.
void PostQuit(Window* window, std::int32_t exitCode);

// Starts the backend's display (the window procedure does this on create).
bool StartDisplay(Window* window);

enum class Pump { Handled, Idle, Quit };

// Handles one waiting message (a pending paint first). Idle when nothing
// waits; Quit once the quit has been posted.
Pump DispatchNextMessage(Window* window);

}  // namespace platform
