#pragma once
// Words on pictures: DejaVu faces rendered by FreeType, anti-aliased and
// hinted, blended onto a canvas.

#include <string>

#include "draw/canvas.h"

namespace art {

enum class Face {
    Sans,
    SansBold,
    Condensed,
    CondensedBold,
    Mono,
    MonoBold,
    Serif,
    SerifBold,
};
inline constexpr int kFaceCount = 8;

struct TextStyle {
    Face Typeface;
    int Size;        // pixel size of the em
    Rgb Colour;
};

// Opens the faces from the folder of the DejaVu fonts; false (with a message
// on stderr) when any is missing. Must succeed before anything is drawn.
bool OpenFaces(const std::string& folder);
void CloseFaces();

// Width in pixels of a text's advances.
int TextWidth(const TextStyle& style, const std::string& text);
// Height above the baseline of a capital letter.
int CapHeight(const TextStyle& style);

// Draws text with its pen starting at x on the given baseline.
void DrawText(Canvas& canvas, const TextStyle& style, double x, int baseline, const std::string& text);
// Centred in a box, horizontally by advance and vertically by the capital height.
void DrawTextCentred(Canvas& canvas, const TextStyle& style, Rect box, const std::string& text);
// Right edge of the text at x.
void DrawTextRight(Canvas& canvas, const TextStyle& style, double right, int baseline, const std::string& text);

// One character rendered into a cell of its own (the glyph fonts): the
// character's pen at x, its baseline at `baseline`. Returns false when the
// face has no picture for it.
bool DrawChar(Canvas& canvas, const TextStyle& style, int x, int baseline, char c, bool crisp);
// Ink extents of a character relative to pen and baseline (for placing glyphs).
struct InkBox {
    int Left;      // from the pen
    int Width;
    int Top;       // rows above the baseline
    int Bottom;    // rows below the baseline (descender)
    int Advance;
};
InkBox CharInk(const TextStyle& style, char c, bool crisp);

}  // namespace art
