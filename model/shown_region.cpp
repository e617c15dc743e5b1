#include "model/shown_region.h"

FactorySalonRegion* ShownFactoryRegion() {
    const i32 region = PlayerFactorySalon.ShownRegion;
    if (region < REGION_AUSTRALIA || region > kRegionCount) return nullptr;
    return &PlayerFactorySalon.Region[region - 1];
}
