// The luxury car reads as the long formal saloon of its era beside the
// family sedan: a window in each of its four doors and a quarter light
// behind them, a longer run of glass, and sides no deeper than the sedan's.
// Measured on the plain choice of pieces, drawn through the picture
// generator with a log: the glass and the pillars standing on it, along the
// row a little above the waist.
#include <gtest/gtest.h>

#include <set>

#include "art/car_model.h"
#include "art/car_parts.h"
#include "art/scenes.h"
#include "presentation/picture_catalogue.h"

namespace {

using art::car::PartLog;
using art::car::PartRecord;

struct SideGlass {
    int Panes = 0;    // runs of glass not covered by a pillar
    int Length = 0;   // from the first glass column to the last
};

// The side glass of the plain car along the row `above` the waist.
SideGlass GlassAlongTheWaist(i32 body, i32 era, double above) {
    const art::car::Car car = art::car::MakeCar(body, era, 1, 1, 1);
    const int row = static_cast<int>(art::car::At(0, car.Belt + above).Y);
    PartLog log;
    art::DrawCar(body, era, 1, 1, 1, &log);
    std::set<int> glass, pillars;
    for (const PartRecord& part : log.Parts)
        for (const auto& p : part.Pixels)
            if (p.Y == row && part.Name == "glass") glass.insert(p.X);
            else if (p.Y == row && part.Name == "pillar") pillars.insert(p.X);
    SideGlass side;
    if (glass.empty()) return side;
    side.Length = *glass.rbegin() - *glass.begin() + 1;
    bool inPane = false;
    for (int x = *glass.begin(); x <= *glass.rbegin(); ++x) {
        const bool seen = glass.contains(x) && !pillars.contains(x);
        if (seen && !inPane) ++side.Panes;
        inPane = seen;
    }
    return side;
}

TEST(CarKinds, TheLuxuryCarHasAWindowInEachDoorAndAQuarterLightInEveryEra) {
    for (i32 era = FirstPictureEra(BODY_LUXURY); era <= kEraCount; ++era)
        EXPECT_GE(GlassAlongTheWaist(BODY_LUXURY, era, 8).Panes, 3) << "era " << era;
}

// Under the roof its glass runs longer than the sedan's; and once the wings
// merge into the body, its waist stands no higher than the sedan's, so the
// long cabin does not sit on a deep, heavy side.
TEST(CarKinds, TheLuxuryCarsCabinIsLongerThanTheSedansAndItsSideNoDeeper) {
    constexpr double kUnderTheRoof = 16;
    for (i32 era = FirstPictureEra(BODY_FAMILY_SEDAN); era <= kEraCount; ++era) {
        EXPECT_GE(GlassAlongTheWaist(BODY_LUXURY, era, kUnderTheRoof).Length,
                  GlassAlongTheWaist(BODY_FAMILY_SEDAN, era, kUnderTheRoof).Length + 6)
            << "era " << era;
        if (era >= ERA_1953) {
            EXPECT_LE(art::car::MakeCar(BODY_LUXURY, era, 1, 1, 1).Belt, art::car::MakeCar(BODY_FAMILY_SEDAN, era, 1, 1, 1).Belt)
                << "era " << era;
        }
    }
}

}  // namespace
