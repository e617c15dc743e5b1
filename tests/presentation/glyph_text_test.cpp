#include <cstring>
#include <memory>

#include "support/paint_fixture.h"

namespace {

using GlyphText = PaintFixture;

constexpr i32 kFooterY = 549;

platform::Pixel L(char c) { return GlyphColour(FONT_LCHAR, c); }

bool CanvasUnchanged(const platform::Canvas& before, const platform::Canvas& after) {
    return std::memcmp(&before, &after, sizeof(platform::Canvas)) == 0;
}

}  // namespace

TEST_F(GlyphText, YearStandsInFourCellsSevenApart) {
    Paint::DrawInteger(canvas(), 210, kFooterY, 7, 4, FONT_LCHAR, 1908, ALIGN_LEFT);
    EXPECT_EQ(At(210, kFooterY), L('1'));
    EXPECT_EQ(At(217, kFooterY), L('9'));
    EXPECT_EQ(At(224, kFooterY), L('0'));
    EXPECT_EQ(At(231, kFooterY), L('8'));
    EXPECT_EQ(At(238, kFooterY), kUntouched);
    EXPECT_EQ(At(209, kFooterY), kUntouched);
}

TEST_F(GlyphText, WholeMoneyEndsWithABlankCellAtTheRightEdge) {
    Paint::DrawMoney(canvas(), 642, kFooterY, 7, 12, FONT_LCHAR, 100000.0, ALIGN_RIGHT);
    EXPECT_EQ(At(642, kFooterY), kUntouched);   // the trailing '.'
    EXPECT_EQ(At(635, kFooterY), L('0'));
    EXPECT_EQ(At(607, kFooterY), L('0'));
    EXPECT_EQ(At(600, kFooterY), L('1'));
    // The cells before the text stay blank, down to the twelfth at 565.
    for (i32 x = 565; x < 600; ++x) EXPECT_EQ(At(x, kFooterY), kUntouched) << x;
}

TEST_F(GlyphText, MoneyInExponentFormFitsAndShowsItsLastCells) {
    Paint::DrawMoney(canvas(), 642, kFooterY, 7, 12, FONT_LCHAR, 1.5e10, ALIGN_RIGHT);   // "1.5e+010"
    const struct { i32 x; platform::Pixel colour; } cells[] = {
        {642, L('0')}, {635, L('1')}, {628, L('0')}, {621, kUntouched}, {614, L('e')},
        {607, L('5')}, {600, kUntouched}, {593, L('1')}, {586, kUntouched}, {565, kUntouched},
    };
    for (const auto& cell : cells) EXPECT_EQ(At(cell.x, kFooterY), cell.colour) << cell.x;

    // The longest text (17 characters) shows its last 12 and overruns nothing.
    Paint::DrawMoney(canvas(), 642, 300, 7, 12, FONT_LCHAR, -1.234567891e100, ALIGN_RIGHT);
    EXPECT_EQ(At(565, 300), L('4'));
    EXPECT_EQ(At(558, 300), kUntouched);
    Paint::DrawMoney(canvas(), 100, 400, 7, 20, FONT_LCHAR, -1.234567891e100, ALIGN_LEFT);
    EXPECT_EQ(At(100, 400), kUntouched);   // '-'
    EXPECT_EQ(At(107, 400), L('1'));
    EXPECT_EQ(At(100 + 7 * 16, 400), L('0'));
    EXPECT_EQ(At(100 + 7 * 17, 400), kUntouched);
}

TEST_F(GlyphText, NegativeNumbersAndNarrowFields) {
    Paint::DrawInteger(canvas(), 300, 100, 7, 5, FONT_LCHAR, -42, ALIGN_RIGHT);
    EXPECT_EQ(At(300, 100), L('2'));
    EXPECT_EQ(At(293, 100), L('4'));
    EXPECT_EQ(At(286, 100), kUntouched);   // '-' has no glyph
    EXPECT_EQ(At(279, 100), kUntouched);

    // A field narrower than the number: the right one keeps the last digits,
    // the left one the first.
    Paint::DrawInteger(canvas(), 300, 200, 7, 2, FONT_LCHAR, 12345, ALIGN_RIGHT);
    EXPECT_EQ(At(300, 200), L('5'));
    EXPECT_EQ(At(293, 200), L('4'));
    EXPECT_EQ(At(286, 200), kUntouched);
    Paint::DrawInteger(canvas(), 300, 300, 7, 2, FONT_LCHAR, 12345, ALIGN_LEFT);
    EXPECT_EQ(At(300, 300), L('1'));
    EXPECT_EQ(At(307, 300), L('2'));
    EXPECT_EQ(At(314, 300), kUntouched);

    // A wide right-aligned field of a short number: every cell before it blank.
    Paint::DrawInteger(canvas(), 700, 400, 7, 40, FONT_LCHAR, 7, ALIGN_RIGHT);
    EXPECT_EQ(At(700, 400), L('7'));
    for (i32 x = 700 - 39 * 7; x < 700; ++x) EXPECT_EQ(At(x, 400), kUntouched) << x;
}

TEST_F(GlyphText, CountsOfZeroOrLessDrawNothing) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    for (i32 count : {0, -1, -2147483647 - 1}) {
        Paint::DrawTextA(canvas(), 10, 10, AXIS_X, 11, count, DIR_FORWARD, FONT_DCHAR, "abc");
        Paint::DrawInteger(canvas(), 10, 40, 7, count, FONT_LCHAR, 99, ALIGN_RIGHT);
    }
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));
}

TEST_F(GlyphText, UpperCaseUnderscoreAndPunctuationAreBlankInEveryFont) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    for (char font : kFonts) {
        Paint::DrawTextA(canvas(), 50, 50, AXIS_X, 11, 8, DIR_FORWARD, font, "AZ_ .-+\0");
    }
    Paint::DrawTextA(canvas(), 50, 50, AXIS_X, 11, 3, DIR_FORWARD, 'q', "abc");   // no such font
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));

    Paint::DrawTextA(canvas(), 50, 80, AXIS_X, 11, 3, DIR_FORWARD, FONT_DCHAR, ":/*");
    EXPECT_EQ(At(50, 80), GlyphColour(FONT_DCHAR, ':'));
    EXPECT_EQ(At(61, 80), GlyphColour(FONT_DCHAR, '/'));
    EXPECT_EQ(At(72, 80), GlyphColour(FONT_DCHAR, '*'));
    Paint::DrawTextA(canvas(), 50, 120, AXIS_X, 7, 1, DIR_FORWARD, FONT_LCHAR, ":");
    EXPECT_EQ(At(50, 120), kUntouched);   // only the 'd' font has the extra three
}

TEST_F(GlyphText, PenMovesAlongTheChosenAxisAndDirection) {
    Paint::DrawTextA(canvas(), 100, 50, AXIS_Y, 18, 3, DIR_FORWARD, FONT_ECHAR, "abc");
    EXPECT_EQ(At(100, 50), GlyphColour(FONT_ECHAR, 'a'));
    EXPECT_EQ(At(100, 68), GlyphColour(FONT_ECHAR, 'b'));
    EXPECT_EQ(At(100, 86), GlyphColour(FONT_ECHAR, 'c'));

    // Backward from the last character: up the screen.
    Paint::DrawTextA(canvas(), 200, 300, AXIS_Y, 18, 3, DIR_BACKWARD, FONT_ECHAR, "abc", 2);
    EXPECT_EQ(At(200, 300), GlyphColour(FONT_ECHAR, 'c'));
    EXPECT_EQ(At(200, 282), GlyphColour(FONT_ECHAR, 'b'));
    EXPECT_EQ(At(200, 264), GlyphColour(FONT_ECHAR, 'a'));

    // Another direction repeats the first byte in place.
    Paint::DrawTextA(canvas(), 300, 100, AXIS_X, 11, 3, '?', FONT_DCHAR, "ab");
    EXPECT_EQ(At(300, 100), GlyphColour(FONT_DCHAR, 'a'));
    EXPECT_EQ(At(311, 100), kUntouched);

    // Another axis keeps the pen still while the text moves on.
    Paint::DrawTextA(canvas(), 400, 100, 'z', 11, 2, DIR_FORWARD, FONT_DCHAR, "ab");
    EXPECT_EQ(At(400, 100), GlyphColour(FONT_DCHAR, 'b'));
    EXPECT_EQ(At(411, 100), kUntouched);
}

TEST_F(GlyphText, CellsOutsideTheTextAreBlank) {
    char name[4] = {'a', 'b', 'c', 'd'};   // no terminator, as the record names
    Paint::DrawTextA(canvas(), 100, 500, AXIS_X, 11, 10, DIR_FORWARD, FONT_DCHAR, name);
    EXPECT_EQ(At(133, 500), GlyphColour(FONT_DCHAR, 'd'));
    EXPECT_EQ(At(144, 500), kUntouched);
    Paint::DrawTextA(canvas(), 300, 500, AXIS_X, 11, 10, DIR_BACKWARD, FONT_DCHAR, name, 1);
    EXPECT_EQ(At(300, 500), GlyphColour(FONT_DCHAR, 'b'));
    EXPECT_EQ(At(289, 500), GlyphColour(FONT_DCHAR, 'a'));
    EXPECT_EQ(At(278, 500), kUntouched);
}

TEST_F(GlyphText, EmptyAndUnknownPicturesDrawNothing) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    Paint::Drawing(canvas(), p_GAME_MAIN, 0, 0);   // never given pixels here
    Paint::Drawing(canvas(), kNoPicture, 0, 0);
    Paint::Drawing(canvas(), kPictureCount, 0, 0);
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));
    SetPhoto(p_GAME_research_loading, 20, 10, 0x00FF00);
    Paint::Drawing(canvas(), p_GAME_research_loading, -10, 595);
    EXPECT_EQ(At(0, 595), 0x00FF00u);
    EXPECT_EQ(At(9, 599), 0x00FF00u);
    EXPECT_EQ(At(10, 599), kUntouched);
}
