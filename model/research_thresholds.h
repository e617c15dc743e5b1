#pragma once
// The research levels: how far research must progress before a level rises,
// and how high the player's levels go.

#include "model/records.h"

// By PartCategory: the body takes twice as long as the parts. The player and
// the rivals alike.
inline constexpr i32 kLevelThreshold[kPartCategories] = {9999, 9999, 9999, 19999, 9999, 9999};

// How far each area moves in a month: the player's on its own, before its
// scientists add one each, and a rival's whatever it spends.
inline constexpr i32 kPlayerResearchPace = 83;
inline constexpr i32 kRivalResearchPace = 120;

// By PartCategory: the last part of each list, and for the body the last era.
inline constexpr i32 kTopResearchLevel[kPartCategories] = {
    kPartsPerCategory, kPartsPerCategory, kPartsPerCategory, ERA_1983, kPartsPerCategory, kPartsPerCategory};
