#pragma once
// What a stored design can cost and be rated: a design fixes both when it is
// stored, from one brakes, suspension and engine each, any of the luxury and
// safety items (each at most once), the body of a researched era and the
// bonuses its choices earn.

#include "model/part_tables.h"
#include "model/reachable_limits.h"
#include "model/records.h"

struct FigureRange {
    i32 Lowest;
    i32 Highest;
};

// With the part tables as they stand: from the cheapest choices to the
// dearest.
FigureRange DesignCostRange();
// From the lowest rated choices, earning no bonus, to the highest, earning
// every bonus.
FigureRange DesignRatingRange();

// Without a table read whole nothing says what a design was stored with, so
// a loaded design keeps its own figures within bounds that hold whatever
// the tables were. Its cost is at least 1, so that nothing is built for
// nothing, and at most what a month can build without wrapping.
inline constexpr FigureRange kAnyDesignCost = {1, kDearestDesign};

// Three part bonuses (the body type's engine, the top brakes, the top
// suspension) and three variant bonuses.
inline constexpr i32 kBonusesOfAKind = 3;

// A rating adds thirty of a table's figures: three parts, the items of two
// kinds, the body and the bonuses.
inline constexpr i32 kRatedFigures = 3 + 2 * kPartsPerCategory + 1 + 2 * kBonusesOfAKind;
inline constexpr FigureRange kAnyDesignRating = {kRatedFigures * kLowestTableFigure,
                                                 kRatedFigures * kHighestTableFigure};
