#include "platform/headless_window.h"

namespace platform {

Window* OpenHeadlessWindow(WindowProcedureFn procedure) {
    Window* window = OpenWindow(procedure, nullptr);
    RequestRepaint(window);
    return window;
}

void PostKeyDown(Window* window, std::uint32_t key) { PostWindowMessage(window, MESSAGE_KEY_DOWN, key, 0); }

void PostMouseMove(Window* window, std::int32_t x, std::int32_t y) {
    PostWindowMessage(window, MESSAGE_MOUSE_MOVE, 0, PackPosition(x, y));
}

void PostLeftButtonDown(Window* window, std::int32_t x, std::int32_t y) {
    PostWindowMessage(window, MESSAGE_LEFT_BUTTON_DOWN, 0, PackPosition(x, y));
}

void PostLeftButtonDouble(Window* window, std::int32_t x, std::int32_t y) {
    PostWindowMessage(window, MESSAGE_LEFT_BUTTON_DOUBLE, 0, PackPosition(x, y));
}

void PostClose(Window* window) { PostWindowMessage(window, MESSAGE_CLOSE, 0, 0); }

void PostClickAt(Window* window, std::int32_t x, std::int32_t y) {
    PostMouseMove(window, x, y);
    PostLeftButtonDown(window, x, y);
}

bool RunMessages(Window* window) {
    for (;;) {
        switch (DispatchNextMessage(window)) {
            case Pump::Handled: break;
            case Pump::Idle: return true;
            case Pump::Quit: return false;
        }
    }
}

}  // namespace platform
