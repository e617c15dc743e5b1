#pragma once
// Painters under test on the headless canvas, with glyphs that name
// themselves: each glyph is a block in a colour made of its font and
// character, so a row of cells reads back as text.

#include <initializer_list>
#include <string>

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "support/paint_fixture.h"

struct ScreenTest : PaintFixture {
    // Reads `cells` cells from (x, y), `step` apart along x (or down y): a
    // glyph of `font` gives its character, an untouched cell ' ', anything
    // else '#'.
    std::string Read(i32 x, i32 y, i32 step, i32 cells, char font, char axis = 'x') const {
        std::string text;
        for (i32 cell = 0; cell < cells; ++cell) {
            const platform::Pixel p = axis == 'x' ? At(x + cell * step, y) : At(x, y + cell * step);
            const bool glyph = (p & 0xFFu) == 1u && (p >> 16) == static_cast<unsigned char>(font);
            text += p == kUntouched ? ' ' : glyph ? static_cast<char>((p >> 8) & 0xFFu) : '#';
        }
        return text;
    }

    // The cells of a text anchor (its own count, or `cells` for words).
    std::string ReadAt(i32 text, i32 cells = 0) const {
        const TextAnchor& a = TextAt(text);
        const i32 n = cells > 0 ? cells : a.Cells;
        const i32 x = a.Align == ALIGN_RIGHT ? a.X - a.Step * (n - 1) : a.X;
        return Read(x, a.Y, a.Step, n, a.Font);
    }

    // Cells read along x: as many as `Text` has, `Step` apart from (X, Y).
    struct Cells {
        i32 X, Y, Step;
        char Font;
        std::string Text;
    };
    void ExpectCells(std::initializer_list<Cells> rows) const {
        for (const Cells& c : rows)
            EXPECT_EQ(Read(c.X, c.Y, c.Step, static_cast<i32>(c.Text.size()), c.Font), c.Text) << c.X << "," << c.Y;
    }

    // Text anchors of the layout table and what their cells show.
    struct Anchor {
        i32 Text;
        std::string Shows;
    };
    void ExpectAnchors(std::initializer_list<Anchor> rows) const {
        for (const Anchor& a : rows) EXPECT_EQ(ReadAt(a.Text), a.Shows) << "text " << a.Text;
    }

    // Gives a picture a 2 x 2 block: enough to find where it was drawn.
    void Mark(i32 picture, platform::Pixel colour) { SetPhoto(picture, 2, 2, colour); }

    // Paints the window as the game does, for a screen and popup.
    void Show(i32 screen, i32 popup = POPUP_NONE) {
        MainObj.Screen = screen;
        MainObj.Popup = popup;
        platform::RequestRepaint(window);
        platform::RunMessages(window);
    }
};

// Copies a literal into a blank-padded name record.
template <std::size_t N>
void SetName(char (&name)[kNameSize], const char (&text)[N]) {
    static_assert(N <= kNameSize);
    for (i32 i = 0; i < kNameSize; ++i) name[i] = i < static_cast<i32>(N) - 1 ? text[i] : ' ';
}
