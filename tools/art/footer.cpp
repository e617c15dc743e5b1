#include <algorithm>

#include "art/palette.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/layout.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

constexpr int kFooterTop = 540;

// A sunken box for figures, with a dark display face.
void DisplayBox(Canvas& c, Rect box) {
    c.Fill(box, Darker(kFooter, 0.5));
    c.Fill({box.Left, box.Bottom, box.Right, box.Bottom}, Lighter(kFooter, 0.25));
    c.Fill({box.Right, box.Top, box.Right, box.Bottom}, Lighter(kFooter, 0.25));
    c.Fill(Grown(box, -1), kDisplay);
}

// The footer's action button, level with the menu button on the left and
// inside both its click area and the screen.
void FooterAction(Canvas& c, i32 control) {
    const Rect menu = ControlAt(CTRL_BACK).Box;
    Rect box = ControlAt(control).Box;
    box.Top = std::max(box.Top, menu.Top);
    box.Bottom = std::min(box.Bottom, menu.Bottom);
    Button(c, box, ControlAt(control).Label, ButtonKind::Action);
}

}  // namespace

void DrawFooter(Canvas& c, FooterButton button) {
    const Rect band{0, kFooterTop, 799, 599};
    c.FillVertical(band, Lighter(kFooter, 0.08), Darker(kFooter, 0.2));
    c.Fill({0, kFooterTop, 799, kFooterTop + 1}, kFooterEdge);
    c.Fill({0, kFooterTop + 2, 799, kFooterTop + 2}, Darker(kFooterEdge, 0.5));

    DrawControl(c, CTRL_BACK, ButtonKind::Quiet);

    // Month, year and money boxes stand on one line: the money box's patch
    // (kMoneyCleanAt) is taller than the box, so the box keeps to its rows.
    // The month's longest name ("september") takes nine cells from x 125.
    const TextAnchor& month = TextAt(TEXT_MONTH);
    const TextAnchor& year = TextAt(TEXT_YEAR);
    const int boxTop = month.Y - 5;
    const int boxBottom = month.Y + FontCell(FONT_LCHAR).Height + 4;
    DisplayBox(c, {month.X - 6, boxTop, month.X + 7 * 9 + 5, boxBottom});
    DisplayBox(c, {year.X - 5, boxTop, year.X + 7 * 4 + 4, boxBottom});

    // The caption strip: paper, as the dialogue font that writes on it.
    const Rect strip{kDescriptionCleanAt.X, kDescriptionCleanAt.Y, kDescriptionCleanAt.X + 267,
                    kDescriptionCleanAt.Y + 24};
    c.Fill(Grown(strip, 1), Darker(kFooterEdge, 0.35));
    c.Fill(strip, kPaper);
    c.Fill({strip.Left, strip.Top, strip.Right, strip.Top}, kPaperShade);

    const Rect money{kMoneyCleanAt.X, boxTop, kMoneyCleanAt.X + 99, boxBottom};
    DisplayBox(c, money);
    // A coin beside the money, in the gap between the caption strip and the
    // money box (the strip's clean patch must not cut into it), and the
    // word under the box.
    const double coinX = (strip.Right + 2 + kMoneyCleanAt.X - 1) / 2.0;
    const double coinY = (boxTop + boxBottom + 1) / 2.0;
    c.Ellipse(coinX, coinY + 0.5, 8, 8, Darker(kRival2Bar, 0.3));
    c.Ellipse(coinX, coinY, 7, 7, kRival2Bar);
    c.Ring(coinX, coinY, 4.8, 1.1, Darker(kRival2Bar, 0.35));
    Words(c, "cash", money.Left + 2, boxBottom + 14, 11, Align::Left, Lighter(kFooterEdge, 0.3));

    switch (button) {
    case FooterButton::NextMonth: FooterAction(c, CTRL_NEXT_MONTH); break;
    case FooterButton::Continue: FooterAction(c, CTRL_MONTH_END_CONTINUE); break;
    case FooterButton::None: {
        // Inside the buildings the month cannot be ended: the place of the
        // button carries the maker's name engraved in the band, between two
        // rules, so that nothing there looks like something to press.
        const Rect right = ControlAt(CTRL_NEXT_MONTH).Box;
        const Rgb cut = Darker(kFooter, 0.35);
        const Rgb lit = Lighter(kFooter, 0.18);
        const double cx = CentreX(right);
        const int base = 578;
        c.Fill({right.Left + 4, base - 17, right.Right - 4, base - 17}, cut);
        c.Fill({right.Left + 4, base + 6, right.Right - 4, base + 6}, cut);
        c.Fill({right.Left + 4, base + 7, right.Right - 4, base + 7}, lit);
        Words(c, "velmara", cx, base - 1, 13, Align::Centre, cut, Face::Serif);
        Words(c, "velmara", cx, base, 13, Align::Centre, Lighter(kFooter, 0.35), Face::Serif);
        break;
    }
    }
}

}  // namespace art
