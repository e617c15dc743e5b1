// Each piece of a car is cut from a drawing whose other two pieces are the
// first choice, so whatever a choice draws beyond its own piece is cut off
// at the join: a panel ending square at a join, a pillar split in two. Every
// choice of a piece changes the car's picture only inside that piece.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "art/scenes.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace {

// A few levels of difference along an edge that a moved nose tilts by a
// fraction of a pixel cannot be seen; a part drawn across a join can.
constexpr int kUnseen = 8;

// The first column, as a screen x, where the two drawings differ outside
// the piece's columns [from, to]; 0 where they differ only inside.
int FirstChangeOutside(const art::Canvas& plain, const art::Canvas& chosen, int from, int to) {
    for (int x = 0; x < plain.Width(); ++x) {
        const int screenX = kCarPieceAt[0].X + x;
        if (screenX >= from && screenX <= to) continue;
        for (int y = 0; y < plain.Height(); ++y) {
            const art::Rgb a = plain.At(x, y), b = chosen.At(x, y);
            if (std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)}) > kUnseen) return screenX;
        }
    }
    return 0;
}

TEST(CarPieceBounds, EveryChoiceOfAPieceDrawsOnlyInsideThatPiece) {
    const int ends[kCarPieces] = {kCarPieceAt[1].X - 1, kCarPieceAt[2].X - 1, 523};
    int choices = 0;
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era) {
            const art::Canvas plain = art::DrawCar(body, era, 1, 1, 1);
            for (i32 piece = 0; piece < kCarPieces; ++piece)
                for (i32 v = 2; v <= kPieceVariants; ++v) {
                    const int f = piece == CAR_FRONT ? v : 1, m = piece == CAR_MIDDLE ? v : 1, r = piece == CAR_REAR ? v : 1;
                    const int outside = FirstChangeOutside(plain, art::DrawCar(body, era, f, m, r), kCarPieceAt[piece].X, ends[piece]);
                    EXPECT_EQ(outside, 0) << PictureName(CarPiecePicture(body, era, piece, v)) << " changes screen column " << outside;
                    ++choices;
                }
        }
    EXPECT_EQ(choices, 38 * 3 * 2);   // 38 bodies and eras, two more choices of each piece
}

}  // namespace
