// Every car leaves the top rows of its pictures bare: the design screen
// shows the pieces under a frame, and a roof load or a tall roof that
// reaches the first rows runs into it. Checked on the generator's cut-out
// of each car, whose coverage is exact where the decoded pictures carry
// JPEG noise.
#include <gtest/gtest.h>

#include <string>

#include "art/scenes.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "support/every_car.h"

namespace {

constexpr int kBareRows = 3;

// The first covered pixel in the top rows of a cut-out, as "(x, y)" on the
// design screen; empty where the rows are bare.
std::string FirstInTopRows(const art::Sprite& car) {
    for (int y = 0; y < kBareRows; ++y)
        for (int x = 0; x < car.Alpha.Width(); ++x)
            if (car.Alpha.At(x, y).R != 0)
                return "(" + std::to_string(kCarPieceAt[0].X + x) + ", " + std::to_string(kCarPieceAt[0].Y + y) + ")";
    return {};
}

TEST(CarHeadroom, EveryChoiceOfPiecesLeavesTheTopThreeRowsBare) {
    int cars = 0;
    for (const CarChoice& c : EveryCar()) {
        const art::Sprite car = art::DrawCarSprite(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        ASSERT_GE(car.Alpha.Height(), kBareRows);
        const std::string first = FirstInTopRows(car);
        EXPECT_TRUE(first.empty()) << c.Names() << ": covers " << first;
        ++cars;
    }
    // Nine body types over 38 body-and-era pairs, 27 choices each.
    EXPECT_EQ(cars, 38 * 27);
}

// The check itself sees a single covered pixel in the third row, and
// nothing below it.
TEST(CarHeadroom, TheCheckFindsOnePixelInTheThirdRow) {
    art::Sprite s{art::Canvas(40, 10, {0, 0, 0}), art::Canvas(40, 10, {0, 0, 0})};
    s.Alpha.Set(12, kBareRows, {255, 255, 255});
    EXPECT_EQ(FirstInTopRows(s), "");
    s.Alpha.Set(30, kBareRows - 1, {1, 1, 1});
    EXPECT_EQ(FirstInTopRows(s), "(301, 79)");
}

}  // namespace
