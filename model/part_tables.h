#pragma once
// The part cost and rating tables, read from Data/paco.dat and Data/para.dat
// at every new game and after every load.

#include "model/integers.h"

// A field's five bytes hold a figure from -9999 to 99999.
inline constexpr i32 kLowestTableFigure = -9999;
inline constexpr i32 kHighestTableFigure = 99999;

// Each says whether its file was read whole. A file missing, unreadable or
// shorter than its fields still leaves a table to play with (zeros, or the
// last field read repeated), but not one to measure a saved design by.
bool LoadPartCosts();
bool LoadPartRates();
