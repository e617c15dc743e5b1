#pragma once
// The profit report's common bar scale. Each company's profit gets the
// smallest scale S of 1000, 10000, 100000 and 1000000 with the profit at
// most 10 S, and as many bars (0 to 10) as cover the profit in steps of S.
// The report's unit is the largest of the three scales, and only the
// companies at that scale keep their bars.

#include "model/records.h"

struct ProfitBars {
    i32 Scale;   // 0: above ten million, no scale
    i32 Bars;    // 0..10
};

// The scale and bar count of one profit; a profit of 0 or less gets scale
// 1000 and no bar, one above 10 x 1000000 no scale and no bar.
ProfitBars ProfitScale(i32 profit);

// The three companies on the report's common unit: their bars, and the
// unit (0 when no company has a scale).
struct ProfitChart {
    i32 Unit;
    i32 Bars[kCompanyCount];
};
ProfitChart ChartProfits(const i32 (&profits)[kCompanyCount]);
