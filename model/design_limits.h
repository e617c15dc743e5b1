#pragma once
// What a stored design may cost and be rated. A design fixes both from the
// part tables when it is stored, and the design studio draws each in five
// cells. The game's own tables make costs of 450 to 3848 and ratings of 96
// to 649; other tables can make a cost of 0 (a table of zeros) or figures
// that five cells cannot show. Storing keeps both figures within these
// bounds, and so does a load, whatever the tables hold at either time: a
// stored design loads as it was saved.

#include <algorithm>

#include "model/integers.h"

struct FigureRange {
    i32 Lowest;
    i32 Highest;
};

// A cost of 0 builds for nothing and is what a table of zeros stores; no
// cost pays for what is built. The top is a chosen bound: a month builds
// with room to spare at it (see reachable_limits.h).
inline constexpr FigureRange kStoredDesignCost = {0, 99999};
inline constexpr FigureRange kStoredDesignRating = {-9999, 99999};

inline i32 KeptWithin(i32 value, FigureRange range) { return std::clamp(value, range.Lowest, range.Highest); }
