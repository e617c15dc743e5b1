#pragma once
// The game window's procedure: hands every message the game cares about to
// the paint cycle, the keyboard or the mouse.

#include <cstdint>

#include "platform/window.h"

std::int32_t WindowProcedure(platform::Window* window, std::uint32_t message, std::uint32_t wparam,
                             std::int32_t lparam);

// Starts the window's display when it is created; false when it cannot.
bool dxinit(platform::Window* window);
