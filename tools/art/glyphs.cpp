#include "art/glyphs.h"

#include <algorithm>

#include "art/palette.h"
#include "draw/type.h"

namespace art {
namespace {

struct GlyphFace {
    Face Typeface;
    int Size;
};

// Bold monospaced faces read best at these small sizes; each size is the
// largest whose letters fit the cell with a pixel to spare.
GlyphFace FaceOf(char font) {
    switch (font) {
    case FONT_DCHAR: return {Face::MonoBold, 15};
    case FONT_DSCHAR: return {Face::MonoBold, 9};
    case FONT_LCHAR: return {Face::MonoBold, 12};
    case FONT_ECHAR: return {Face::MonoBold, 14};
    default: return {Face::MonoBold, 11};
    }
}

}  // namespace

Rgb GlyphPaper(char font) { return font == FONT_LCHAR ? kDisplay : kPaper; }

Rgb GlyphInk(char font) {
    switch (font) {
    case FONT_LCHAR: return kDisplayInk;
    case FONT_ECHAR: return kReportInk;
    default: return kInk;
    }
}

Canvas DrawGlyph(char font, char c) {
    const GlyphCell cell = FontCell(font);
    Canvas glyph(cell.Width, cell.Height, GlyphPaper(font));
    if (DrawPixelLetter(glyph, font, c, GlyphInk(font))) return glyph;
    const GlyphFace gf = FaceOf(font);
    const TextStyle style{gf.Typeface, gf.Size, GlyphInk(font)};
    // One baseline for the whole font: ascenders and descenders centred in the cell.
    const int ascent = CharInk(style, 'd', true).Top;
    const int descent = CharInk(style, 'g', true).Bottom;
    const int baseline = (cell.Height - ascent - descent) / 2 + ascent;
    if (c == '*') {
        // The engine variant marker: a round dot.
        const double r = cell.Width * 0.36;
        glyph.Ellipse(cell.Width / 2.0, baseline - ascent / 2.0, r, r, style.Colour);
        return glyph;
    }
    const InkBox ink = CharInk(style, c, true);
    int pen = (cell.Width - ink.Advance) / 2;
    // Keep every letter's ink inside the cell.
    pen = std::clamp(pen, -ink.Left, cell.Width - ink.Left - ink.Width);
    DrawChar(glyph, style, pen, baseline, c, true);
    return glyph;
}

}  // namespace art
