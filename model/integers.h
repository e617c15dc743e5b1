#pragma once
// The game's one integer type: its arithmetic is signed 32-bit and wraps
// (the build makes that wrap defined).

#include <cstdint>

using i32 = std::int32_t;
