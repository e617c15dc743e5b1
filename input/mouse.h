#pragma once
// The mouse: pointer moves (the position packed as in platform/window.h)
// and left-button presses of the game window, with the current screen. A
// press is tested against the position of the last move.

#include "model/records.h"
#include "platform/window.h"

struct Mouse {
    static void MouseMove(platform::Window* window, i32 position, i32 screen);
    static void LeftButton(platform::Window* window, i32 screen);
};
