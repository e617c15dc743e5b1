#include <cstring>
#include <memory>

#include "support/paint_fixture.h"

namespace {

using GlyphText = PaintFixture;

constexpr i32 kFooterY = 549;
constexpr platform::Pixel U = kUntouched;

platform::Pixel L(char c) { return GlyphColour(FONT_LCHAR, c); }
platform::Pixel Dc(char c) { return GlyphColour(FONT_DCHAR, c); }
platform::Pixel Ec(char c) { return GlyphColour(FONT_ECHAR, c); }

bool CanvasUnchanged(const platform::Canvas& before, const platform::Canvas& after) {
    return std::memcmp(&before, &after, sizeof(platform::Canvas)) == 0;
}

}  // namespace

TEST_F(GlyphText, YearStandsInFourCellsSevenApart) {
    Paint::DrawInteger(canvas(), 210, kFooterY, 7, 4, FONT_LCHAR, 1908, ALIGN_LEFT);
    ExpectDots({{210, kFooterY, L('1')}, {217, kFooterY, L('9')}, {224, kFooterY, L('0')}, {231, kFooterY, L('8')},
                {238, kFooterY, U}, {209, kFooterY, U}});
}

TEST_F(GlyphText, WholeMoneyEndsWithABlankCellAtTheRightEdge) {
    Paint::DrawMoney(canvas(), 642, kFooterY, 7, 12, FONT_LCHAR, 100000.0, ALIGN_RIGHT);
    // The trailing '.' is blank.
    ExpectDots({{642, kFooterY, U}, {635, kFooterY, L('0')}, {607, kFooterY, L('0')}, {600, kFooterY, L('1')}});
    // The cells before the text stay blank, down to the twelfth at 565.
    for (i32 x = 565; x < 600; ++x) EXPECT_EQ(At(x, kFooterY), U) << x;
}

TEST_F(GlyphText, MoneyInExponentFormFitsAndShowsItsLastCells) {
    Paint::DrawMoney(canvas(), 642, kFooterY, 7, 12, FONT_LCHAR, 1.5e10, ALIGN_RIGHT);   // "1.5e+010"
    ExpectDots({{642, kFooterY, L('0')}, {635, kFooterY, L('1')}, {628, kFooterY, L('0')}, {621, kFooterY, U},
                {614, kFooterY, L('e')}, {607, kFooterY, L('5')}, {600, kFooterY, U}, {593, kFooterY, L('1')},
                {586, kFooterY, U}, {565, kFooterY, U}});

    // The longest text (17 characters) shows its last 12 and overruns nothing.
    Paint::DrawMoney(canvas(), 642, 300, 7, 12, FONT_LCHAR, -1.234567891e100, ALIGN_RIGHT);
    Paint::DrawMoney(canvas(), 100, 400, 7, 20, FONT_LCHAR, -1.234567891e100, ALIGN_LEFT);
    ExpectDots({{565, 300, L('4')}, {558, 300, U}, {100, 400, L('-')}, {107, 400, L('1')},
                {100 + 7 * 16, 400, L('0')}, {100 + 7 * 17, 400, U}});
}

TEST_F(GlyphText, NegativeNumbersAndNarrowFields) {
    // The minus sign stands in the cell before the digits. A field narrower
    // than the number: the right one keeps the last digits, the left one the
    // first.
    Paint::DrawInteger(canvas(), 300, 100, 7, 5, FONT_LCHAR, -42, ALIGN_RIGHT);
    Paint::DrawInteger(canvas(), 300, 200, 7, 2, FONT_LCHAR, 12345, ALIGN_RIGHT);
    Paint::DrawInteger(canvas(), 300, 300, 7, 2, FONT_LCHAR, 12345, ALIGN_LEFT);
    ExpectDots({{300, 100, L('2')}, {293, 100, L('4')}, {286, 100, L('-')}, {279, 100, U},
                {300, 200, L('5')}, {293, 200, L('4')}, {286, 200, U},
                {300, 300, L('1')}, {307, 300, L('2')}, {314, 300, U}});

    // A wide right-aligned field of a short number: every cell before it blank.
    Paint::DrawInteger(canvas(), 700, 400, 7, 40, FONT_LCHAR, 7, ALIGN_RIGHT);
    EXPECT_EQ(At(700, 400), L('7'));
    for (i32 x = 700 - 39 * 7; x < 700; ++x) EXPECT_EQ(At(x, 400), U) << x;
}

TEST_F(GlyphText, CountsOfZeroOrLessDrawNothing) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    for (i32 count : {0, -1, -2147483647 - 1}) {
        Paint::DrawTextA(canvas(), 10, 10, AXIS_X, 11, count, DIR_FORWARD, FONT_DCHAR, "abc");
        Paint::DrawInteger(canvas(), 10, 40, 7, count, FONT_LCHAR, 99, ALIGN_RIGHT);
    }
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));
}

TEST_F(GlyphText, UpperCaseUnderscoreAndPunctuationButTheMinusAreBlankInEveryFont) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    for (char font : kFonts) {
        Paint::DrawTextA(canvas(), 50, 50, AXIS_X, 11, 7, DIR_FORWARD, font, "AZ_ .+\0");
    }
    Paint::DrawTextA(canvas(), 50, 50, AXIS_X, 11, 3, DIR_FORWARD, 'q', "abc");   // no such font
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));

    // Only the 'd' font has the extra three.
    Paint::DrawTextA(canvas(), 50, 80, AXIS_X, 11, 3, DIR_FORWARD, FONT_DCHAR, ":/*");
    Paint::DrawTextA(canvas(), 50, 120, AXIS_X, 7, 1, DIR_FORWARD, FONT_LCHAR, ":");
    ExpectDots({{50, 80, Dc(':')}, {61, 80, Dc('/')}, {72, 80, Dc('*')}, {50, 120, U}});
    // Every font has the minus sign.
    for (char font : kFonts) {
        Paint::DrawTextA(canvas(), 50, 160, AXIS_X, 11, 1, DIR_FORWARD, font, "-");
        EXPECT_EQ(At(50, 160), GlyphColour(font, '-')) << font;
    }
}

TEST_F(GlyphText, PenMovesAlongTheChosenAxisAndDirection) {
    Paint::DrawTextA(canvas(), 100, 50, AXIS_Y, 18, 3, DIR_FORWARD, FONT_ECHAR, "abc");
    // Backward from the last character: up the screen.
    Paint::DrawTextA(canvas(), 200, 300, AXIS_Y, 18, 3, DIR_BACKWARD, FONT_ECHAR, "abc", 2);
    // Another direction repeats the first byte in place; another axis keeps
    // the pen still while the text moves on.
    Paint::DrawTextA(canvas(), 300, 100, AXIS_X, 11, 3, '?', FONT_DCHAR, "ab");
    Paint::DrawTextA(canvas(), 400, 100, 'z', 11, 2, DIR_FORWARD, FONT_DCHAR, "ab");
    ExpectDots({{100, 50, Ec('a')}, {100, 68, Ec('b')}, {100, 86, Ec('c')},
                {200, 300, Ec('c')}, {200, 282, Ec('b')}, {200, 264, Ec('a')},
                {300, 100, Dc('a')}, {311, 100, U}, {400, 100, Dc('b')}, {411, 100, U}});
}

TEST_F(GlyphText, CellsOutsideTheTextAreBlank) {
    char name[4] = {'a', 'b', 'c', 'd'};   // no terminator, as the record names
    Paint::DrawTextA(canvas(), 100, 500, AXIS_X, 11, 10, DIR_FORWARD, FONT_DCHAR, name);
    Paint::DrawTextA(canvas(), 300, 500, AXIS_X, 11, 10, DIR_BACKWARD, FONT_DCHAR, name, 1);
    ExpectDots({{133, 500, Dc('d')}, {144, 500, U}, {300, 500, Dc('b')}, {289, 500, Dc('a')}, {278, 500, U}});
}

TEST_F(GlyphText, EmptyAndUnknownPicturesDrawNothing) {
    const auto before = std::make_unique<platform::Canvas>(canvas());
    Paint::Drawing(canvas(), p_GAME_MAIN, 0, 0);   // never given pixels here
    Paint::Drawing(canvas(), kNoPicture, 0, 0);
    Paint::Drawing(canvas(), kPictureCount, 0, 0);
    EXPECT_TRUE(CanvasUnchanged(*before, canvas()));
    SetPhoto(p_GAME_research_loading, 20, 10, 0x00FF00);
    Paint::Drawing(canvas(), p_GAME_research_loading, -10, 595);
    ExpectDots({{0, 595, 0x00FF00}, {9, 599, 0x00FF00}, {10, 599, U}});
}
