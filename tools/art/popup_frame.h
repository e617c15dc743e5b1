#pragma once
// Helpers for drawing a popup in screen coordinates and cutting it out.

#include <string>

#include "draw/canvas.h"

namespace art {

// An 800 x 600 canvas with the popup's card drawn at its place and size.
Canvas PopupCanvas(int popup, const std::string& title, int band = 26);
// The popup's own picture cut from that canvas.
Canvas CutPopup(const Canvas& screen, int popup);
// The popup's box on the screen.
Box PopupBox(int popup);

// A readout box for a figure of `cells` glyphs of a text anchor (TextId),
// `pad` pixels around the cells.
void FigureBox(Canvas& c, int text, int cells, int pad = 3);
// A caption right-aligned a little left of a box, on its text's middle line.
void CaptionLeftOf(Canvas& c, const std::string& caption, int right, int textTop, int textHeight,
                   int size = 12);

}  // namespace art
