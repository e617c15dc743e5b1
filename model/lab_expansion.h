#pragma once
// The laboratory's expansion, as the expansion popup offers it and its buy
// button sells it: a hundred places more at a time, at one price, while the
// laboratory is below nine hundred.

#include "model/records.h"

inline constexpr i32 kLabStep = 100;
inline constexpr i32 kMostLabCapacity = 900;
inline constexpr double kLabStepPrice = 50000.0;

constexpr bool LabExpandable(i32 capacity) { return capacity < kMostLabCapacity; }
