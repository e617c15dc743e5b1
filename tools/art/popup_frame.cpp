#include "art/popup_frame.h"

#include "art/palette.h"
#include "art/widgets.h"
#include "presentation/fonts.h"
#include "presentation/layout.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"

namespace art {

namespace {

Rect PopupBox(int popup) {
    const Placement at = PopupPlacement(popup);
    return PictureBox({at.X, at.Y}, at.Picture);
}

}  // namespace

Rect PictureBox(Point at, int picture) {
    const PictureSize s = SizeOfPicture(picture);
    return {at.X, at.Y, at.X + s.Width - 1, at.Y + s.Height - 1};
}

Canvas CutPicture(const Canvas& screen, Point at, int picture) { return screen.Cut(PictureBox(at, picture)); }

Canvas PopupCanvas(int popup, const std::string& title, int band, int edge) {
    Canvas c(800, 600, kPaper);
    Card(c, PopupBox(popup), title, band, edge);
    return c;
}

Canvas CutPopup(const Canvas& screen, int popup) { return screen.Cut(PopupBox(popup)); }

Rect FigureBox(Canvas& c, int text, int cells, int pad) {
    const TextAnchor& a = TextAt(text);
    const GlyphCell cell = FontCell(a.Font);
    const int first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (cells - 1);
    const int last = (a.Align == ALIGN_LEFT ? a.X + a.Step * (cells - 1) : a.X) + cell.Width - 1;
    const Rect box{first - pad, a.Y - pad, last + pad, a.Y + cell.Height - 1 + pad};
    Field(c, box);
    return box;
}

void CaptionLeftOf(Canvas& c, const std::string& caption, int right, int textTop, int textHeight, int size) {
    const int baseline = textTop + textHeight / 2 + CapHeight({Face::Sans, size, kMutedInk}) / 2;
    Words(c, caption, right, baseline, size, Align::Right, kMutedInk, Face::Sans);
}

}  // namespace art
