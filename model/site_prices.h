#pragma once
// What factories and salons cost: one price each for every region, which
// starts low in a new game and rises with every purchase anywhere.

#include "model/records.h"

inline constexpr i32 kFactoryStartPrice = 500000;
inline constexpr i32 kSalonStartPrice = 200000;
inline constexpr i32 kFactoryPriceRise = 1000000;
inline constexpr i32 kSalonPriceRise = 100000;

// The prices once every site there is has been bought: a factory in every
// region but home, which starts with one, and every salon there is but the
// home region's first.
inline constexpr i32 kFactoryTopPrice = kFactoryStartPrice + kFactoryPriceRise * (kRegionCount - 1);
inline constexpr i32 kSalonTopPrice = kSalonStartPrice + kSalonPriceRise * (kRegionCount * kMostSalons - 1);
