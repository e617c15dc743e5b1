#pragma once
// Helpers for drawing pictures in screen coordinates and cutting them out:
// popups, car pieces and clean patches, and the boxes figures are typed in.

#include <string>

#include "draw/canvas.h"
#include "presentation/layout.h"

namespace art {

// An 800 x 600 canvas with the popup's card drawn at its place and size.
Canvas PopupCanvas(int popup, const std::string& title, int band = 26, int edge = 2);
// The popup's own picture cut from that canvas.
Canvas CutPopup(const Canvas& screen, int popup);
// The box a picture (PictureId) covers with its top-left at `at`, and the
// part of a screen-sized canvas inside it.
Rect PictureBox(Point at, int picture);
Canvas CutPicture(const Canvas& screen, Point at, int picture);

// A readout box for a figure of `cells` glyphs of a text anchor (TextId),
// `pad` pixels around the cells. Returns the box drawn.
Rect FigureBox(Canvas& c, int text, int cells, int pad = 3);
// A caption right-aligned a little left of a box, on its text's middle line.
void CaptionLeftOf(Canvas& c, const std::string& caption, int right, int textTop, int textHeight,
                   int size = 12);

}  // namespace art
