#include "model/design_limits.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <span>

namespace {

using i64 = std::int64_t;

// One part of a list, entries 1..N (entry 0 is no part).
struct OneOf {
    i64 Lowest;
    i64 Highest;
};

OneOf OneOfList(std::span<const i32> list) {
    const auto [low, high] = std::minmax_element(list.begin() + 1, list.end());
    return {*low, *high};
}

// Any set of a list's items, each at most once: the lowest adds every item
// below 0, the highest every item above.
OneOf AnyOfList(std::span<const i32> list) {
    OneOf sum{0, 0};
    for (i32 item : list.subspan(1)) {
        sum.Lowest += std::min(item, 0);
        sum.Highest += std::max(item, 0);
    }
    return sum;
}

// Bonuses earned or not, `count` of them.
OneOf Bonuses(i32 bonus, i32 count) { return {std::min(bonus, 0) * i64{count}, std::max(bonus, 0) * i64{count}}; }

FigureRange Total(std::initializer_list<OneOf> parts) {
    i64 lowest = 0, highest = 0;
    for (const OneOf& part : parts) {
        lowest += part.Lowest;
        highest += part.Highest;
    }
    return {static_cast<i32>(std::clamp<i64>(lowest, INT_MIN, INT_MAX)),
            static_cast<i32>(std::clamp<i64>(highest, INT_MIN, INT_MAX))};
}

}  // namespace

FigureRange DesignCostRange() {
    const Costs& costs = CostsObj;
    return Total({OneOfList(costs.Brakes), OneOfList(costs.Suspension), OneOfList(costs.Engine),
                  AnyOfList(costs.Luxury), AnyOfList(costs.Safety), OneOfList(costs.Body)});
}

FigureRange DesignRatingRange() {
    const Rates& rates = RateObj;
    return Total({OneOfList(rates.Brakes), OneOfList(rates.Suspension), OneOfList(rates.Engine),
                  AnyOfList(rates.Luxury), AnyOfList(rates.Safety), {rates.Body, rates.Body},
                  Bonuses(rates.PartBonus, kBonusesOfAKind), Bonuses(rates.VariantBonus, kBonusesOfAKind)});
}
