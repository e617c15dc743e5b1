#include "screens/profit_scale.h"

ProfitBars ProfitScale(i32 profit) {
    constexpr i32 kScales[] = {1000000, 100000, 10000, 1000};
    constexpr i32 kMostBars = 10;
    ProfitBars result{0, 0};
    // From the largest scale down: each scale that still holds the profit in
    // ten bars takes over, and the bar count carries on from the last one.
    for (const i32 scale : kScales) {
        if (profit > kMostBars * scale) continue;
        result.Scale = scale;
        for (i32 added = 0; added < kMostBars && profit > result.Bars * scale; ++added) ++result.Bars;
    }
    return result;
}

ProfitChart ChartProfits(const i32 (&profits)[kCompanyCount]) {
    ProfitBars each[kCompanyCount];
    ProfitChart chart{0, {0, 0, 0}};
    for (i32 c = 0; c < kCompanyCount; ++c) {
        each[c] = ProfitScale(profits[c]);
        if (each[c].Scale > chart.Unit) chart.Unit = each[c].Scale;
    }
    for (i32 c = 0; c < kCompanyCount; ++c) chart.Bars[c] = each[c].Scale == chart.Unit ? each[c].Bars : 0;
    return chart;
}
