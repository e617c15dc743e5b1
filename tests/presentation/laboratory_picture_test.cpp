// The body shell on the laboratory's body bench, as the generator draws it:
// its trestles stand on the bench's top and its brass waist moulding lies
// on the shell's side, not over the bonnet in the air.
#include <gtest/gtest.h>

#include "art/scenes.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"

namespace {

// The light edge of a bench's oak top, and the shell's brass.
constexpr art::Rgb kBenchTopEdge{170, 126, 84};
constexpr art::Rgb kBrass{200, 160, 70};

bool IsPaint(art::Rgb p) { return p.R >= 2 * p.G; }   // the shell's red, lit or shaded
bool IsTimber(art::Rgb p) { return p.R < 130 && p.G < 95 && !IsPaint(p); }

Rect BodyBench() {
    const HoverAreaList areas = HoverAreas(SCREEN_GAME_RESEARCH);
    for (i32 i = 0; i < areas.Count; ++i)
        if (areas.First[i].HotItem == HOT_BODY) return areas.First[i].Box;
    return {};
}

TEST(LaboratoryPicture, TheBodyShellStandsOnItsBenchAndItsMouldingEndsAtTheScuttle) {
    const art::Canvas c = art::DrawResearch();
    const Rect bench = BodyBench();
    ASSERT_GT(bench.Width(), 0);
    int top = bench.Top;   // the bench's top row, under the shell in its middle
    const int middle = (bench.Left + bench.Right) / 2;
    while (top < bench.Bottom && !(c.At(middle, top) == kBenchTopEdge)) ++top;
    ASSERT_LT(top, bench.Bottom);

    // Two trestles of two legs each: four feet in the row just above the top
    // and none of their timber in the top row itself.
    int feet = 0;
    int sunk = 0;
    for (int x = bench.Left; x <= bench.Right; ++x) {
        if (IsTimber(c.At(x, top - 1)) && !IsTimber(c.At(x - 1, top - 1))) ++feet;
        if (IsTimber(c.At(x, top))) ++sunk;
    }
    EXPECT_EQ(feet, 4) << "feet in row " << top - 1 << ", just above the bench top";
    EXPECT_EQ(sunk, 0) << "pixels of the trestles in the bench's top row " << top;

    // Every brass pixel above the bench has the shell's paint right above it.
    int brass = 0;
    int inTheAir = 0;
    for (int y = 1; y < top; ++y)
        for (int x = bench.Left; x <= bench.Right; ++x) {
            if (!(c.At(x, y) == kBrass)) continue;
            ++brass;
            if (!IsPaint(c.At(x, y - 1))) {
                if (inTheAir == 0) ADD_FAILURE() << "brass with no paint above it at " << x << ", " << y;
                ++inTheAir;
            }
        }
    EXPECT_GT(brass, 0);
    EXPECT_EQ(inTheAir, 0) << "brass pixels off the shell's side";
}

}  // namespace
