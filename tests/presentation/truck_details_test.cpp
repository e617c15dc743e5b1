// The truck's running gear and tail read as what they are at their own size:
// the first truck's drive chain shows in steel between the sprocket under
// its frame and its rear hub, and the third rear's kit keeps to the box's
// end: the step under the box, a ladder lighter than the box, the tail lamp
// off the box and the folded tail lift within the box's outline. The
// cab-over truck's air horns stand on a mount of their own, clear of the
// door's front pillar under the roof.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "art/car_parts.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace {

using art::car::PartLog;
using art::car::PartRecord;
using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const PartLog& log, const std::string& name) {
    Pixels out;
    for (const PartRecord& part : log.Parts)
        if (part.Name == name)
            for (const auto& p : part.Pixels) out.insert({p.X, p.Y});
    return out;
}

// Bright bare steel: light and without colour, unlike the tyre, the frame,
// the wooden spokes and the box's boards.
bool IsSteel(art::Rgb p) {
    const int hi = std::max({p.R, p.G, p.B}), lo = std::min({p.R, p.G, p.B});
    return lo >= 140 && hi <= 215 && hi - lo <= 16;
}

int Brightness(art::Rgb p) { return p.R + p.G + p.B; }

// The separate stretches of steel down one column of the picture, between
// two screen rows.
int SteelRuns(const art::Canvas& c, int x, int fromY, int toY) {
    int runs = 0;
    bool in = false;
    for (int y = fromY; y <= toY; ++y) {
        const bool steel = IsSteel(c.At(x - kCarPieceAt[0].X, y - kCarPieceAt[0].Y));
        runs += steel && !in ? 1 : 0;
        in = steel;
    }
    return runs;
}

TEST(TruckDetails, TheFirstTrucksChainRunsInSteelFromItsSprocketOverTheRearWheel) {
    for (i32 front = 1; front <= 3; ++front)
        for (i32 middle = 1; middle <= 3; ++middle)
            for (i32 rear = 1; rear <= 3; ++rear) {
                PartLog log;
                const art::Canvas c = art::DrawCar(BODY_TRUCK, ERA_1908, front, middle, rear, &log);
                const Pixels wheel = PixelsOf(log, "rear wheel");
                ASSERT_FALSE(wheel.empty());
                int left = 10000, right = 0, top = 10000, bottom = 0;
                for (const auto& [x, y] : wheel) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
                const int cx = (left + right) / 2, radius = (right - left) / 2;
                // An upper and a lower strand: across the spokes, and in the
                // gap between the sprocket and the tyre.
                for (const int x : {cx - radius / 3, cx - radius * 2 / 3, left - 3})
                    EXPECT_GE(SteelRuns(c, x, top, bottom), 2)
                        << "front " << front << ", middle " << middle << ", rear " << rear << ": screen column " << x;
            }
}

TEST(TruckDetails, TheThirdRearsStepLampLadderAndLiftKeepToTheBoxsEnd) {
    for (i32 era = ERA_1908; era <= ERA_1983; ++era) {
        PartLog log;
        const art::Canvas c = art::DrawCar(BODY_TRUCK, era, 1, 1, 3, &log);
        const std::string which = "era " + std::to_string(era);
        const Pixels box = PixelsOf(log, "load box"), step = PixelsOf(log, "rear step"), lamp = PixelsOf(log, "tail lamp");
        ASSERT_FALSE(box.empty() || step.empty() || lamp.empty()) << which;
        int boxLow = 0, boxEnd = 0;
        for (const auto& [x, y] : box) boxLow = std::max(boxLow, y), boxEnd = std::max(boxEnd, x);
        // The step hangs clear below the box, the lamp is not on it.
        for (const auto& [x, y] : step) EXPECT_GT(y, boxLow + 2) << which << ": the step at (" << x << ", " << y << ")";
        for (const auto& p : lamp) EXPECT_EQ(box.count(p), 0u) << which << ": the lamp at (" << p.first << ", " << p.second << ")";
        const Pixels lift = PixelsOf(log, "tail lift"), ladder = PixelsOf(log, "ladder");
        if (era >= ERA_1968) {
            ASSERT_FALSE(lift.empty()) << which;
            EXPECT_TRUE(ladder.empty()) << which;
            // Flush with the back, and no lower than the box's floor.
            for (const auto& [x, y] : lift) {
                EXPECT_LE(x, boxEnd + 1) << which << ": the lift at (" << x << ", " << y << ")";
                EXPECT_LE(y, boxLow + 1) << which << ": the lift at (" << x << ", " << y << ")";
            }
            continue;
        }
        ASSERT_FALSE(ladder.empty()) << which;
        EXPECT_TRUE(lift.empty()) << which;
        // Within a dozen columns of the box's end, the ladder's two rails
        // stand up the box's whole side lighter than its boards or paint.
        int boxTop = 10000;
        for (const auto& [x, y] : box) boxTop = std::min(boxTop, y);
        const auto at = [&](int x, int row) { return c.At(x - kCarPieceAt[0].X, row - kCarPieceAt[0].Y); };
        const int boards = Brightness(at(boxEnd - 20, (boxTop + boxLow) / 2));
        const auto light = [&](int x, int row) { return Brightness(at(x, row)) > boards + 90; };
        std::vector<int> rails;   // the first column of each
        bool in = false;
        for (int x = boxEnd - 12; x <= boxEnd; ++x) {
            bool whole = true;
            for (int row = boxTop + 2; row < boxLow - 2; ++row) whole = whole && light(x, row);
            if (whole && !in) rails.push_back(x);
            in = whole;
        }
        ASSERT_EQ(rails.size(), 2u) << which;
        // Between the rails, the rungs: light rows with the box between them.
        int rungs = 0;
        in = false;
        for (int row = boxTop + 2; row < boxLow - 2; ++row) {
            const bool rung = light((rails[0] + rails[1]) / 2 + 1, row);
            rungs += rung && !in ? 1 : 0;
            in = rung;
        }
        EXPECT_GE(rungs, 4) << which;
    }
}

// The mount's foot on the roof and the door's front pillar below it keep
// a column of the roof's paint between them: at 1x a mount on the pillar's
// line reads as one mast from the horns down to the tyre.
TEST(TruckDetails, TheAirHornsMountStandsClearOfTheDoorsFrontPillar) {
    PartLog log;
    art::DrawCar(BODY_TRUCK, ERA_1983, 3, 1, 1, &log);
    const Pixels horns = PixelsOf(log, "air horns"), pillar = PixelsOf(log, "pillar");
    ASSERT_FALSE(horns.empty() || pillar.empty());
    int foot = 0;   // the part's lowest row, below the trumpets: the mount's alone
    for (const auto& [x, y] : horns) foot = std::max(foot, y);
    int apart = 10000;
    for (const auto& [hx, hy] : horns)
        for (const auto& [px, py] : pillar)
            if (hy == foot) apart = std::min(apart, std::abs(hx - px));
    EXPECT_GE(apart, 2) << "the mount stands " << apart << " columns from the pillar";
}

}  // namespace
