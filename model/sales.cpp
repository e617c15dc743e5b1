// The month's sales. A model's demand follows its price against a threshold
// built from its unit cost and rating; a model whose parts a rival's
// research has passed counts as rated 0, and one whose styling era the
// research has passed sells only a third of its stock; the salesmen of each
// region then sell at most two cars each, the lowest model numbers first.

#include <climits>
#include <cstdint>

#include "model/design_limits.h"
#include "model/player.h"
#include "model/records.h"

namespace {

constexpr i32 kTopPart = kPartsPerCategory;  // the best part of a category

const Research* const kRivalResearch[] = {&Opponent1Research, &Opponent2Research};

// A model with one part at the top level never falls behind; otherwise any
// rival ahead in brakes, engine or suspension makes it count as rated 0.
i32 RatingAgainstRivals(const Car& model) {
    if (model.Brakes == kTopPart || model.Suspension == kTopPart || model.Engine == kTopPart) return model.Rating;
    for (const Research* rival : kRivalResearch) {
        const i32* level = rival->ResearchLevel;
        if (level[PART_BRAKES] > model.Brakes || level[PART_ENGINE] > model.Engine ||
            level[PART_SUSPENSION] > model.Suspension)
            return 0;
    }
    return model.Rating;
}

// How much of the stock the price sells, as the four price bands.
enum class Demand { All, TwoThirds, OneThird, None };

// What the price is weighed against: twice three times the rating and the
// unit cost. Every figure weighed from it is smaller, and the bounds a
// stored design keeps to hold it within 32 bits.
constexpr std::int64_t WorthOf(std::int64_t rating, std::int64_t unitCost) { return 2 * (3 * rating + unitCost); }
static_assert(WorthOf(kStoredDesignRating.Highest, kStoredDesignCost.Highest) <= INT_MAX);
static_assert(WorthOf(kStoredDesignRating.Lowest, kStoredDesignCost.Lowest) >= INT_MIN);

Demand DemandAtPrice(i32 price, i32 unitCost, i32 rating) {
    const i32 value = static_cast<i32>(WorthOf(rating, unitCost));
    const i32 threshold = value / 4 + unitCost;
    const i32 tolerance = value - threshold;
    i32 excess = price - threshold;
    if (excess < 0) excess = 0;
    if (price < threshold) return Demand::All;
    if (tolerance / 3 > excess) return Demand::TwoThirds;
    if ((tolerance / 3) * 2 > excess) return Demand::OneThird;
    return Demand::None;
}

i32 SaleOfStock(Demand demand, i32 stock) {
    switch (demand) {
        case Demand::All: return stock;
        case Demand::TwoThirds: return (stock / 3) * 2;
        case Demand::OneThird: return stock / 3;
        case Demand::None: return 0;
    }
    return 0;
}

// An outdated styling sells a third of the stock wherever it sells at all.
void CutOutdated(i32 model, i32 bodyLevel, i32 era) {
    if (bodyLevel <= era) return;
    for (i32 r = 0; r < kRegionCount; ++r)
        if (ModelSaleObj.Sold[r][model] != 0) ModelSaleObj.Sold[r][model] = ModelSaleObj.Stock[r][model] / 3;
}

void DecideDemand(i32 m) {
    const Car& model = PlayerModel(m);
    if (model.UnitCost == 0 || model.Price == 0 || model.Rating == 0) return;
    const Demand demand = DemandAtPrice(model.Price, model.UnitCost, RatingAgainstRivals(model));
    for (i32 r = 0; r < kRegionCount; ++r) ModelSaleObj.Sold[r][m] = SaleOfStock(demand, ModelSaleObj.Stock[r][m]);
    CutOutdated(m, PlayerResearch.ResearchLevel[PART_BODY], model.Era);
    // The newest styling is outdated only by the player's own research.
    if (model.Era == ERA_1983) return;
    for (const Research* rival : kRivalResearch) CutOutdated(m, rival->ResearchLevel[PART_BODY], model.Era);
}

}  // namespace

void Player::SellModels() {
    i32 capacity[kRegionCount];
    for (i32 r = 0; r < kRegionCount; ++r) {
        capacity[r] = kCarsPerSalesman * PlayerFactorySalon.Region[r].Salesmen;
        if (capacity[r] < 0) capacity[r] = 0;  // no salesmen sell nothing, never less
    }
    for (auto& row : ModelSaleObj.Sold)
        for (i32 m = 1; m <= kModelSlots; ++m) row[m] = 0;
    for (i32 m = 1; m <= kModelSlots; ++m) DecideDemand(m);
    for (i32 m = 1; m <= kModelSlots; ++m)
        for (i32 r = 0; r < kRegionCount; ++r) {
            i32& sold = ModelSaleObj.Sold[r][m];
            if (sold > capacity[r]) {
                sold = capacity[r];
                capacity[r] = 0;
            } else {
                capacity[r] -= sold;
            }
        }
}
