#pragma once
// The fixed names of the ten parts of each category, as the research
// popups, the design part lists and the design screen show them. Part n of
// a category is unlocked once the player's research level there is n or more.

#include "model/records.h"

// Name of part 1..10 of a category (PART_BRAKES, _SUSPENSION, _ENGINE,
// _LUXURY, _SAFETY); "" for the body category, which has no parts, and for
// any value out of range.
const char* PartName(i32 category, i32 part);
