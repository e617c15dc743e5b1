// The month's production: the technicians of each factory, shared by its
// production lines, build the lines' models and send half of each line's
// cars to each of its two destinations; then the shipments are cut down to
// what the cash can pay for, the lowest model numbers first.

#include <cmath>
#include <cstdint>
#include <limits>

#include "model/player.h"
#include "model/records.h"

namespace {

bool IsModelSlot(i32 model) { return model >= 1 && model <= kModelSlots; }
bool IsRegion(i32 region) { return region >= 1 && region <= kRegionCount; }

// The lines the technicians are shared by. The factory screen keeps
// ProductionLinesUsed equal to the lines holding a model; a record that
// says 0 or less while a line is filled (a damaged saved game) counts them.
i32 LinesSharingTechnicians(const FactorySalonRegion& place) {
    if (place.ProductionLinesUsed > 0) return place.ProductionLinesUsed;
    i32 filled = 0;
    for (i32 model : place.ProductionLineModel)
        if (IsModelSlot(model)) ++filled;
    return filled;
}

void Produce() {
    for (i32 region = 1; region <= kRegionCount; ++region) {
        const FactorySalonRegion& place = PlayerFactorySalon.Region[region - 1];
        if (place.HasFactory == 0) continue;
        for (i32 line = 0; line < kProductionLines; ++line) {
            const i32 model = place.ProductionLineModel[line];
            if (!IsModelSlot(model)) continue;  // empty line
            // A line left naming a deleted model stands idle: the empty slot
            // has nothing to build, and cars made of nothing at no cost
            // would become the stock of the next model stored there.
            if (PlayerModel(model).Engine == 0) continue;
            i32 units = (place.Technicians / LinesSharingTechnicians(place)) / 2;
            if (units < 0) units = 0;
            for (i32 destination : place.ProductionLineShipTo[line])
                if (IsRegion(destination)) ProductionObj.Shipped[destination - 1][model] += units;
            // A half without a destination is made and lost.
        }
    }
}

// The cash as a whole-unit budget: below 0 it pays for nothing, and beyond
// the 32-bit range it is held at the top.
std::int64_t BudgetFromCash(double cash) {
    constexpr double kTop = std::numeric_limits<i32>::max();
    if (!(cash > 0.0)) return 0;
    if (cash >= kTop) return std::numeric_limits<i32>::max();
    return static_cast<std::int64_t>(std::trunc(cash));
}

void CapByCash() {
    std::int64_t budget = BudgetFromCash(PlayerObj.Cash);
    for (i32 model = 1; model <= kModelSlots; ++model) {
        const std::int64_t cost = PlayerModel(model).UnitCost;
        for (i32 r = 0; r < kRegionCount; ++r) {
            i32& shipped = ProductionObj.Shipped[r][model];
            // A cost of 0 (an empty slot a line still names) is never cut.
            if (cost > 0 && shipped * cost > budget) shipped = static_cast<i32>(budget / cost);
            budget -= shipped * cost;
        }
    }
}

}  // namespace

void Player::ShipModels() {
    for (auto& row : ProductionObj.Shipped)
        for (i32 m = 1; m <= kModelSlots; ++m) row[m] = 0;
    Produce();
    CapByCash();
}
