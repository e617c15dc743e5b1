#pragma once
// The five glyph fonts of the text writer. A font is chosen by one
// character; every glyph of a font is one opaque picture of the font's full
// cell size, so a glyph always covers whatever glyph stood in its cell
// before. The generator draws the glyphs at these sizes and the text writer
// and the painters rely on them.

#include "model/records.h"

enum FontId : char {
    FONT_DCHAR = 'd',    // dialogue text: names, captions, popup fields
    FONT_DSCHAR = 's',   // small figures: map, bank, personnel, research lists
    FONT_LCHAR = 'l',    // footer: month, year, money
    FONT_ECHAR = 'e',    // reports, factory figures, design name and figures
    FONT_ESCHAR = 'c',   // small design and factory texts
};

inline constexpr i32 kFontCount = 5;
inline constexpr FontId kFonts[kFontCount] = {FONT_DCHAR, FONT_DSCHAR, FONT_LCHAR,
                                              FONT_ECHAR, FONT_ESCHAR};

struct GlyphCell {
    i32 Width;
    i32 Height;
};

// Cell size of a font; {0, 0} for a character that names no font.
// The widths equal the smallest step each font is drawn with (11 or 7), the
// heights the tightest row pitch of its uses.
constexpr GlyphCell FontCell(char font) {
    switch (font) {
    case FONT_DCHAR: return {11, 16};
    case FONT_DSCHAR: return {7, 10};
    case FONT_LCHAR: return {7, 14};
    case FONT_ECHAR: return {11, 16};
    case FONT_ESCHAR: return {7, 12};
    default: return {0, 0};
    }
}

constexpr bool IsFont(char font) { return FontCell(font).Width != 0; }
