#include "main/window_procedure.h"

#include "input/keyboard.h"
#include "input/mouse.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"

bool dxinit(platform::Window* window) { return platform::StartDisplay(window); }

std::int32_t WindowProcedure(platform::Window* window, std::uint32_t message, std::uint32_t wparam,
                             std::int32_t lparam) {
    switch (message) {
        case platform::MESSAGE_CREATE:
            // Without a display there is no game: end with a failure code.
            if (!dxinit(window)) platform::PostQuit(window, 1);
            return 0;
        case platform::MESSAGE_DESTROY:
            Paint::DeletePhoto();
            platform::PostQuit(window, 0);
            return 0;
        case platform::MESSAGE_PAINT:
            Paint::Draw(window, MainObj.Screen);
            return 0;
        case platform::MESSAGE_KEY_DOWN:
            Keyboard::keyboard(window, wparam, MainObj.Screen);
            return 0;
        case platform::MESSAGE_MOUSE_MOVE:
            Mouse::MouseMove(window, lparam, MainObj.Screen);
            return 0;
        case platform::MESSAGE_LEFT_BUTTON_DOWN:
            Mouse::LeftButton(window, MainObj.Screen);
            return 0;
        default:
            return platform::DefaultWindowProcedure(window, message, wparam, lparam);
    }
}
