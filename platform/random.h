#pragma once
// The game's only source of chance: a linear congruential generator that is
// never seeded, so every run draws the same sequence.

#include <cstdint>

namespace platform {

inline constexpr std::int32_t kRandomMax = 32767;

// Next value, 0..32767.
std::int32_t Rand();

// Back to the start of the sequence, as at program start.
void ResetRandom();

}  // namespace platform
