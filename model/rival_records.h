#pragma once
// The records of one rival company and the three constants by which the two
// rivals differ; both follow the same rules.

#include "model/records.h"

struct RivalRecords {
    Company& company;
    Staff& scientists;
    Staff& technicians;
    Staff& salesmen;
    Bank& bank;
    Research& research;
    Expenses& expenses;
    Income& income;
    ProfitLoss& result;
    i32 startScientists;  // scientists at a new game
    i32 transportBase;    // fixed part of the monthly transport cost
    i32 incomeMargin;     // added to the unit cost for the income per technician
};

inline constexpr int kRivalCount = kCompanyCount - 1;

// A rival's scientists earn this from a new game on; its styling research
// stops at this level.
inline constexpr i32 kRivalScientistsWage = 10;
inline constexpr i32 kRivalBodyLevelTop = 9;

// A rival builds each car for the player's dearest unit cost and an extra
// drawn from kRivalExtraCost up (kRivalExtraCostDraws values); below
// kRivalLeastUnitCost, for that, with no extra. It sells each for its cost
// and its income margin.
inline constexpr i32 kRivalLeastUnitCost = 1000;
inline constexpr i32 kRivalExtraCost = 10;
inline constexpr i32 kRivalExtraCostDraws = 50;

// The unit cost of the player's dearest model slot, empty ones included.
i32 DearestPlayerUnitCost();

// Rival 1, then rival 2: the order of every rival update.
extern const RivalRecords kRivals[kRivalCount];
