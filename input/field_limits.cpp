#include "input/field_limits.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "input/field_rows.h"
#include "model/shown_region.h"

namespace field_limits {
namespace {

using i64 = std::int64_t;

// The limits compare in 64 bits: the records may hold anything a saved game
// held, and a sum or difference of two of them must not wrap.
i32 Within(i64 value, i64 highest) {
    return static_cast<i32>(std::clamp<i64>(std::min(value, highest), 0, std::numeric_limits<i32>::max()));
}

}  // namespace

template <Staff& kind> void Hire(i32& value, i32) {
    value = Within(value, std::min<i64>(kMostHiredAtOnce, i64{kMostStaffOfAKind} - kind.Count));
}

template <Staff& kind> void Fire(i32& value, i32) {
    value = Within(value, kind.Unassigned);
}

template <i32 highest> void AtMost(i32& value, i32) {
    value = Within(value, highest);
}

// Without a shown region only the free pool limits the number.
void FactoryTechnicians(i32& value, i32) {
    value = Within(value, PlayerTechnicians.Unassigned);
    if (const FactorySalonRegion* region = ShownFactoryRegion())
        value = Within(value, region->HasFactory != 0 ? kTechniciansPerFactory : 0);
}

void SalonSalesmen(i32& value, i32) {
    value = Within(value, PlayerSalesmans.Unassigned);
    if (const FactorySalonRegion* region = ShownFactoryRegion())
        value = Within(value, i64{kSalesmenPerSalon} * region->Salons);
}

void ResearchScientists(i32& area, i32 before) {
    // Scientists move only between this area and the free pool, so the two
    // together keep their sum; the area takes what was typed, cut to that sum
    // and to the room the other five areas leave in the laboratory.
    const i64 available = i64{before} + PlayerScientists.Unassigned;
    i64 others = 0;
    for (const i32& count : PlayerResearch.Scientists)
        if (&count != &area) others += count;
    const i64 room = i64{PlayerResearch.LabCapacity} - others;
    const i32 kept = Within(area, std::min(available, room));
    area = kept;
    PlayerScientists.Unassigned = static_cast<i32>(std::clamp<i64>(
        available - kept, std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
}

template void Hire<PlayerSalesmans>(i32&, i32);
template void Hire<PlayerScientists>(i32&, i32);
template void Hire<PlayerTechnicians>(i32&, i32);
template void Fire<PlayerSalesmans>(i32&, i32);
template void Fire<PlayerScientists>(i32&, i32);
template void Fire<PlayerTechnicians>(i32&, i32);
template void AtMost<kHighestTypedWage>(i32&, i32);
template void AtMost<kHighestDeposit>(i32&, i32);
template void AtMost<kHighestLoan>(i32&, i32);

}  // namespace field_limits
