#pragma once
// The part cost and rating tables, read from Data/paco.dat and Data/para.dat
// at every new game and after every load. They are read only when a design
// is stored, to fix its unit cost and rating; nothing stored before is ever
// measured by them again, so a damaged table changes no saved game.
//
// A file missing, short, or with a field that is not a number is reported
// once on stderr, naming the file, and the game goes on with what was read:
// zeros for a missing file, the last field read repeated past a short
// file's end, 0 for a field without digits.

#include "model/integers.h"

// A field's five bytes hold a figure from -9999 to 99999.
inline constexpr i32 kLowestTableFigure = -9999;
inline constexpr i32 kHighestTableFigure = 99999;

void LoadPartCosts();
void LoadPartRates();
