#pragma once
// The glyph pictures of the five text fonts: one character on a full cell of
// its font's size, on the exact colour of the surfaces the font is drawn on.

#include "draw/canvas.h"
#include "presentation/fonts.h"

namespace art {

// Background colour of every glyph of a font.
Rgb GlyphPaper(char font);
// Ink colour of a font.
Rgb GlyphInk(char font);

// The glyph of one character (a..z, 0..9, and ':' '/' '*' in FONT_DCHAR).
Canvas DrawGlyph(char font, char c);
// A letter or figure of `font` set on the pixel grid of its cell; false for
// a character the font draws from its outline face instead.
bool DrawPixelLetter(Canvas& cell, char font, char c, Rgb ink);

}  // namespace art
