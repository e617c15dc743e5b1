#pragma once
// What a stored design can cost and be rated with the part tables as they
// stand: a design fixes both when it is stored, from one brakes, suspension
// and engine each, any of the luxury and safety items (each at most once),
// the body of a researched era and the bonuses its choices earn.

#include "model/records.h"

struct FigureRange {
    i32 Lowest;
    i32 Highest;
};

// From the cheapest choices to the dearest.
FigureRange DesignCostRange();
// From the lowest rated choices, earning no bonus, to the highest, earning
// every bonus.
FigureRange DesignRatingRange();
