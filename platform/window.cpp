#include "platform/window.h"

namespace platform {

namespace {

Window TheWindow;
bool WindowIsOpen = false;
long RepaintRequests = 0;

bool Usable(const Window* window) { return window != nullptr && !window->destroyed; }

}  // namespace

std::int32_t PackPosition(std::int32_t x, std::int32_t y) {
    const auto low = static_cast<std::uint32_t>(x) & 0xFFFFu;
    const auto high = (static_cast<std::uint32_t>(y) & 0xFFFFu) << 16;
    return static_cast<std::int32_t>(high | low);
}

std::int32_t PositionX(std::int32_t position) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(position) & 0xFFFFu);
}

std::int32_t PositionY(std::int32_t position) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(position) >> 16);
}

Window* OpenWindow(WindowProcedureFn procedure, const WindowBackend* backend) {
    Window& window = TheWindow;
    FillCanvas(window.canvas, 0);
    window.procedure = procedure;
    window.backend = backend;
    window.queue.clear();
    window.repaintPending = false;
    window.destroyed = false;
    window.quitPosted = false;
    window.exitCode = 0;
    window.pointerShown = 0;
    window.paints = 0;
    WindowIsOpen = true;
    SendWindowMessage(&window, MESSAGE_CREATE, 0, 0);
    return &window;
}

Window* OpenedWindow() { return WindowIsOpen && !TheWindow.destroyed ? &TheWindow : nullptr; }

void PostWindowMessage(Window* window, std::uint32_t message, std::uint32_t wparam, std::int32_t lparam) {
    if (!Usable(window)) return;
    if (message == MESSAGE_MOUSE_MOVE && !window->queue.empty() && window->queue.back().id == MESSAGE_MOUSE_MOVE) {
        window->queue.back() = Message{message, wparam, lparam};
        return;
    }
    window->queue.push_back(Message{message, wparam, lparam});
}

std::int32_t SendWindowMessage(Window* window, std::uint32_t message, std::uint32_t wparam,
                               std::int32_t lparam) {
    if (!Usable(window)) return 0;
    if (message == MESSAGE_PAINT) {
        window->repaintPending = false;
        ++window->paints;
    }
    if (message == MESSAGE_MOUSE_MOVE) {
        // Every move brings the window's own pointer back; a painter may set
        // another one while it draws.
        window->pointerShown = 0;
        if (window->backend != nullptr && window->backend->showPointer != nullptr) {
            window->backend->showPointer(*window, nullptr);
        }
    }
    if (window->procedure == nullptr) return DefaultWindowProcedure(window, message, wparam, lparam);
    return window->procedure(window, message, wparam, lparam);
}

void RequestRepaint(Window* window) {
    ++RepaintRequests;
    if (Usable(window)) window->repaintPending = true;
}

long RepaintRequestCount() { return RepaintRequests; }

void ResetRepaintRequestCount() { RepaintRequests = 0; }

void CloseGameWindow(Window* window) { SendWindowMessage(window, MESSAGE_CLOSE, 0, 0); }

std::int32_t DefaultWindowProcedure(Window* window, std::uint32_t message, std::uint32_t, std::int32_t) {
    if (message == MESSAGE_CLOSE) DestroyGameWindow(window);
    return 0;
}

void DestroyGameWindow(Window* window) {
    if (!Usable(window)) return;
    SendWindowMessage(window, MESSAGE_DESTROY, 0, 0);
    window->destroyed = true;
    window->queue.clear();
    window->repaintPending = false;
}

void PostQuit(Window* window, std::int32_t exitCode) {
    if (window == nullptr || window->quitPosted) return;
    window->quitPosted = true;
    window->exitCode = exitCode;
}

bool StartDisplay(Window* window) {
    if (window == nullptr) return false;
    if (window->backend == nullptr || window->backend->startDisplay == nullptr) return true;
    return window->backend->startDisplay(*window);
}

Pump DispatchNextMessage(Window* window) {
    if (window == nullptr || window->quitPosted) return Pump::Quit;
    if (window->destroyed) return Pump::Idle;
    if (window->repaintPending) {
        // Painters store values that the next click reads, so a requested
        // paint always comes before the next input.
        SendWindowMessage(window, MESSAGE_PAINT, 0, 0);
        return Pump::Handled;
    }
    if (window->queue.empty()) return Pump::Idle;
    const Message message = window->queue.front();
    window->queue.pop_front();
    SendWindowMessage(window, message.id, message.wparam, message.lparam);
    return Pump::Handled;
}

}  // namespace platform
