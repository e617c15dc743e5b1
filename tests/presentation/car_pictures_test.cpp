// Checks the car pieces the build generates: the three variants of a piece
// share one size, and every choice of front, middle and rear, composed over
// the design screen as the design painter places them, makes one car that
// stays inside its box, crosses each join on the same rows without a step in
// colour and has no part standing apart from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "support/decoded_pictures.h"
#include "support/every_car.h"

namespace {

// A car composed of three pieces over the design screen: for each pixel of
// the pieces' area, how far it differs from the screen beneath (the largest
// channel difference).
struct ComposedCar {
    i32 Width = 0;
    i32 Height = 0;
    std::vector<int> Difference;   // row by row

    int At(i32 x, i32 y) const { return Difference[static_cast<std::size_t>(y * Width + x)]; }
};

class CarPictures : public DecodedPictures {
protected:
    static constexpr i32 kLeft = kCarPieceAt[0].X;
    static constexpr i32 kTop = kCarPieceAt[0].Y;

    static ComposedCar Compose(const i32 (&pieces)[kCarPieces]) {
        const Picture& screen = Get(p_GAME_DESIGN);
        ComposedCar car;
        car.Width = kCarPieceAt[2].X + Get(pieces[2]).Width - kLeft;
        car.Height = Get(pieces[0]).Height;
        car.Difference.assign(static_cast<std::size_t>(car.Width * car.Height), 0);
        for (i32 piece = 0; piece < kCarPieces; ++piece) {
            const Picture& p = Get(pieces[piece]);
            for (i32 y = 0; y < p.Height; ++y)
                for (i32 x = 0; x < p.Width; ++x) {
                    const unsigned char* a = p.At(x, y);
                    const unsigned char* b = screen.At(kCarPieceAt[piece].X + x, kTop + y);
                    int d = 0;
                    for (int ch = 0; ch < 3; ++ch) d = std::max(d, std::abs(a[ch] - b[ch]));
                    car.Difference[static_cast<std::size_t>(y * car.Width + kCarPieceAt[piece].X - kLeft + x)] = d;
                }
        }
        return car;
    }

    struct Patch {
        i32 Size = 0;
        i32 X = 0, Y = 0;   // one of its pixels, on the screen
    };

    // The patches of the car: what is not background, each patch made of
    // pixels that touch (side or corner), largest first. Background is what
    // differs from the screen by `threshold` or less and reaches the picture's
    // edge through more background; a pale hub inside a tyre is car.
    static std::vector<Patch> Patches(const ComposedCar& car, int threshold) {
        const auto index = [&](i32 x, i32 y) { return static_cast<std::size_t>(y * car.Width + x); };
        std::vector<char> left(car.Difference.size(), 1);
        std::vector<i32> stack;
        for (i32 y = 0; y < car.Height; ++y)
            for (i32 x = 0; x < car.Width; ++x)
                if ((x == 0 || y == 0 || x == car.Width - 1 || y == car.Height - 1) && car.At(x, y) <= threshold) {
                    left[index(x, y)] = 0;
                    stack.push_back(y * car.Width + x);
                }
        while (!stack.empty()) {
            const i32 at = stack.back();
            stack.pop_back();
            const i32 steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& step : steps) {
                const i32 x = at % car.Width + step[0], y = at / car.Width + step[1];
                if (x < 0 || x >= car.Width || y < 0 || y >= car.Height || !left[index(x, y)] || car.At(x, y) > threshold) continue;
                left[index(x, y)] = 0;
                stack.push_back(y * car.Width + x);
            }
        }
        std::vector<Patch> patches;
        for (i32 start = 0; start < car.Width * car.Height; ++start) {
            if (!left[static_cast<std::size_t>(start)]) continue;
            left[static_cast<std::size_t>(start)] = 0;
            stack.assign(1, start);
            i32 size = 0;
            while (!stack.empty()) {
                const i32 at = stack.back();
                stack.pop_back();
                ++size;
                for (i32 dy = -1; dy <= 1; ++dy)
                    for (i32 dx = -1; dx <= 1; ++dx) {
                        const i32 x = at % car.Width + dx, y = at / car.Width + dy;
                        if (x < 0 || x >= car.Width || y < 0 || y >= car.Height || !left[static_cast<std::size_t>(y * car.Width + x)])
                            continue;
                        left[static_cast<std::size_t>(y * car.Width + x)] = 0;
                        stack.push_back(y * car.Width + x);
                    }
            }
            patches.push_back({size, kLeft + start % car.Width, kTop + start / car.Width});
        }
        std::sort(patches.begin(), patches.end(), [](const Patch& a, const Patch& b) { return a.Size > b.Size; });
        return patches;
    }

    // The most rows in a row in which the last column of one piece and the
    // first column of the next differ plainly in colour.
    static i32 LongestColourStep(const Picture& before, const Picture& after) {
        constexpr int kPlain = 40;   // well above JPEG noise and the paint's grading
        i32 run = 0, longest = 0;
        for (i32 y = 0; y < std::min(before.Height, after.Height); ++y) {
            const unsigned char* a = before.At(before.Width - 1, y);
            const unsigned char* b = after.At(0, y);
            int d = 0;
            for (int ch = 0; ch < 3; ++ch) d = std::max(d, std::abs(a[ch] - b[ch]));
            run = d > kPlain ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }
};

TEST_F(CarPictures, VariantsOfAPieceShareOneSizeAndTheCarFitsItsBox) {
    CarPieceKey key{};
    for (i32 id = kFirstCarPiecePicture; id < kFirstGlyphPicture; ++id) {
        ASSERT_TRUE(CarPieceOf(id, key));
        const Picture& first = Get(CarPiecePicture(key.BodyType, key.Era, key.Piece, 1));
        EXPECT_EQ(Get(id).Width, first.Width) << PicturePath(id);
        EXPECT_EQ(Get(id).Height, first.Height) << PicturePath(id);
        EXPECT_LE(Get(id).Height, kCarPictureMaxHeight);
    }
    // The three pieces abut exactly.
    EXPECT_EQ(kCarPieceAt[0].X + SizeOfPicture(CarPiecePicture(BODY_VAN, ERA_1983, CAR_FRONT, 1)).Width, kCarPieceAt[1].X);
    EXPECT_EQ(kCarPieceAt[1].X + SizeOfPicture(CarPiecePicture(BODY_VAN, ERA_1983, CAR_MIDDLE, 1)).Width, kCarPieceAt[2].X);
}

// The car leaves the outer columns of the box bare and crosses each join on
// the same rows: a car pixel there differs from the background by more than
// JPEG noise, and a row may move by a pixel or two where a line slopes. Nor
// does its colour step at a join: an edge crossing it on a slant changes a
// row or two there, but one standing upright on the seam reads as two pieces
// that do not fit. And
// every part touches the car: whatever differs from the background at all
// (a lamp, a chrome bar) is one patch with the body, but for specks of JPEG
// noise.
TEST_F(CarPictures, EveryChoiceOfPiecesMakesOneCarInsideTheBox) {
    constexpr int kCarDifference = 28;    // JPEG noise on the showroom stays far below
    constexpr int kPartDifference = 14;   // pale chrome and white walls stand above it
    constexpr i32 kSpeck = 3;
    constexpr i32 kBareColumns = 4;
    constexpr i32 kRowSlack = 2;
    constexpr i32 kSlantRows = 2;
    const auto carRows = [&](const ComposedCar& car, i32 x) {
        std::vector<bool> rows(static_cast<std::size_t>(car.Height));
        for (i32 y = 0; y < car.Height; ++y) rows[static_cast<std::size_t>(y)] = car.At(x, y) > kCarDifference;
        return rows;
    };
    // Rows that are car on one side with no car within the slack on the other.
    const auto unmatched = [&](const std::vector<bool>& a, const std::vector<bool>& b) {
        const i32 height = static_cast<i32>(a.size());
        i32 count = 0;
        for (i32 y = 0; y < height; ++y) {
            if (!a[static_cast<std::size_t>(y)]) continue;
            bool near = false;
            for (i32 d = -kRowSlack; d <= kRowSlack; ++d)
                near = near || (y + d >= 0 && y + d < height && b[static_cast<std::size_t>(y + d)]);
            count += near ? 0 : 1;
        }
        return count;
    };
    i32 combinations = 0;
    for (const CarChoice& c : EveryCar()) {
        const i32 pieces[kCarPieces] = {c.Piece(CAR_FRONT), c.Piece(CAR_MIDDLE), c.Piece(CAR_REAR)};
        const ComposedCar car = Compose(pieces);
        ASSERT_EQ(kLeft + car.Width - 1, 523);   // the box's right edge
        for (i32 k = 0; k < kBareColumns; ++k) {
            const std::vector<bool> first = carRows(car, k), last = carRows(car, car.Width - 1 - k);
            EXPECT_EQ(std::count(first.begin(), first.end(), true), 0) << c.Names() << " column " << k;
            EXPECT_EQ(std::count(last.begin(), last.end(), true), 0) << c.Names() << " column -" << k;
        }
        for (i32 join = 1; join < kCarPieces; ++join) {
            const i32 x = kCarPieceAt[join].X - kLeft;
            const std::vector<bool> before = carRows(car, x - 1), after = carRows(car, x);
            EXPECT_EQ(unmatched(before, after) + unmatched(after, before), 0)
                << PictureName(pieces[join - 1]) << " joins " << PictureName(pieces[join]);
            EXPECT_LE(LongestColourStep(Get(pieces[join - 1]), Get(pieces[join])), kSlantRows)
                << PictureName(pieces[join - 1]) << " steps in colour into " << PictureName(pieces[join]);
        }
        const std::vector<Patch> patches = Patches(car, kPartDifference);
        ASSERT_FALSE(patches.empty()) << c.Names();
        if (patches.size() > 1 && patches[1].Size > kSpeck)
            ADD_FAILURE() << c.Names() << ": a part of " << patches[1].Size << " pixels stands apart at screen ("
                          << patches[1].X << ", " << patches[1].Y << ")";
        ++combinations;
    }
    EXPECT_EQ(combinations, 1026);   // 38 bodies and eras, 27 choices each
}


// Each body type keeps its kind beside the others of its era: the compact is
// the short car, and the luxury car is longer than the family sedan. Measured
// on the plain choice of pieces, bumpers included, above the shadow on the
// floor (which lies below screen row 200).
TEST_F(CarPictures, TheCompactIsShortAndTheLuxuryCarLongerThanTheSedan) {
    constexpr int kCarDifference = 28;
    constexpr i32 kAboveShadow = 200 - kTop;
    const auto length = [](i32 body, i32 era) {
        const i32 pieces[kCarPieces] = {CarPiecePicture(body, era, CAR_FRONT, 1), CarPiecePicture(body, era, CAR_MIDDLE, 1),
                                        CarPiecePicture(body, era, CAR_REAR, 1)};
        const ComposedCar car = Compose(pieces);
        i32 first = car.Width, last = -1;
        for (i32 x = 0; x < car.Width; ++x)
            for (i32 y = 0; y < kAboveShadow; ++y)
                if (car.At(x, y) > kCarDifference) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return last - first + 1;
    };
    for (i32 era = FirstPictureEra(BODY_FAMILY_SEDAN); era <= kEraCount; ++era) {
        const i32 sedan = length(BODY_FAMILY_SEDAN, era);
        EXPECT_GE(length(BODY_LUXURY, era), sedan + 8) << "era " << era;
        if (era >= FirstPictureEra(BODY_COMPACT)) {
            EXPECT_LE(length(BODY_COMPACT, era), sedan - 30) << "era " << era;
        }
    }
}

}  // namespace
