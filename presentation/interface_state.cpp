#include "presentation/interface_state.h"

MainState MainObj;
ScreenPoint MouseXY;

void ResetInterfaceState() {
    MainObj = MainState{};
    MouseXY = ScreenPoint{};
}
