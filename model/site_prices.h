#pragma once
// What factories and salons cost: one price each for every region, which
// starts low in a new game and rises with every purchase anywhere.

#include "model/integers.h"

inline constexpr i32 kFactoryStartPrice = 500000;
inline constexpr i32 kSalonStartPrice = 200000;
inline constexpr i32 kFactoryPriceRise = 1000000;
inline constexpr i32 kSalonPriceRise = 100000;
