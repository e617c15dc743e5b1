#include "main/game_start.h"

#include "main/window_procedure.h"
#include "platform/sdl_window.h"

int RunGame() {
    platform::Window* window = platform::OpenSdlWindow(WindowProcedure);
    if (window == nullptr) return 1;
    const int exitCode = platform::RunSdlMessageLoop(window);
    platform::CloseSdlWindow();
    return exitCode;
}
