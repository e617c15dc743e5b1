// Mouse handlers that are not written yet: the pointer position is kept,
// clicks do nothing. This file goes when the click map arrives.

#include "input/mouse.h"
#include "presentation/interface_state.h"

void Mouse::MouseMove(platform::Window*, i32 position, i32) {
    MouseXY.X = platform::PositionX(position);
    MouseXY.Y = platform::PositionY(position);
}

void Mouse::LeftButton(platform::Window*, i32) {}
