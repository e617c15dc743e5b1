// The roof of a closed car runs across its middle piece without a hump: all
// three middles of a body type meet the same front and rear pieces, so a
// roof can only be as high between the joins as it is at one of them.
// Drawn through the picture generator with a log, the body's own top edge is
// measured column by column, whatever stands on the roof (a rack, luggage).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "art/car_model.h"
#include "art/car_parts.h"
#include "art/scenes.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "support/every_car.h"

namespace {

using art::car::PartLog;
using art::car::PartRecord;

// The top row of the body in each column of the middle piece (a large row
// where the body does not reach).
std::vector<int> BodyTops(const PartLog& log) {
    const int from = kCarPieceAt[1].X, to = kCarPieceAt[2].X - 1;
    std::vector<int> tops(static_cast<std::size_t>(to - from + 1), 10000);
    for (const PartRecord& part : log.Parts) {
        if (part.Name != "body") continue;
        for (const auto& p : part.Pixels)
            if (p.X >= from && p.X <= to) {
                int& top = tops[static_cast<std::size_t>(p.X - from)];
                top = std::min(top, p.Y);
            }
    }
    return tops;
}

// A truck's or pick-up's cab stands up between a low bonnet and a low bed,
// and an open car's screen above its body: only closed bodies are held to it.
bool HasRoofAcrossTheMiddle(i32 body, const art::car::Car& car) {
    return car.Roof == art::car::Top::Closed && body != BODY_TRUCK && body != BODY_PICK_UP_TRUCK;
}

TEST(CarRoofs, NoClosedCarsRoofRisesBetweenTheJoinsAboveTheRoofAtBoth) {
    constexpr int kAntiAliasing = 1;   // a row of faint edge pixels
    int cars = 0;
    PartLog log;
    for (const CarChoice& c : EveryCar()) {
        if (!HasRoofAcrossTheMiddle(c.Body, art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear))) continue;
        log.Parts.clear();
        art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear, &log);
        const std::vector<int> tops = BodyTops(log);
        const int atJoins = std::min(tops.front(), tops.back());
        const auto highest = std::min_element(tops.begin(), tops.end());
        EXPECT_GE(*highest, atJoins - kAntiAliasing)
            << c.Names() << ": the roof stands " << atJoins - *highest << " rows above the joins at screen x "
            << kCarPieceAt[1].X + (highest - tops.begin());
        ++cars;
    }
    // Wagons from 1923, sport coupes from 1968, luxury cars from 1923,
    // sedans from 1938, vans from 1938 and compacts from 1953.
    EXPECT_EQ(cars, 23 * 27);
}

}  // namespace
