#pragma once
// How far research must progress before a level rises, by PartCategory: the
// body takes twice as long as the parts. The player and the rivals alike.

#include "model/records.h"

inline constexpr i32 kLevelThreshold[kPartCategories] = {9999, 9999, 9999, 19999, 9999, 9999};
