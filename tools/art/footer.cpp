#include "art/palette.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/layout.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

constexpr int kFooterTop = 540;

// A sunken box for figures, with a dark display face.
void DisplayBox(Canvas& c, Box box) {
    c.Fill(box, Darker(kFooter, 0.5));
    c.Fill({box.Left, box.Bottom, box.Right, box.Bottom}, Lighter(kFooter, 0.25));
    c.Fill({box.Right, box.Top, box.Right, box.Bottom}, Lighter(kFooter, 0.25));
    c.Fill(box.Grown(-1), kDisplay);
}

}  // namespace

void DrawFooter(Canvas& c, FooterButton button) {
    const Box band{0, kFooterTop, 799, 599};
    c.FillVertical(band, Lighter(kFooter, 0.08), Darker(kFooter, 0.2));
    c.Fill({0, kFooterTop, 799, kFooterTop + 1}, kFooterEdge);
    c.Fill({0, kFooterTop + 2, 799, kFooterTop + 2}, Darker(kFooterEdge, 0.5));

    DrawControl(c, CTRL_BACK, ButtonKind::Quiet);

    // Month and year: the footer font is amber on the display face. The
    // month's longest name ("september") takes nine cells from x 125.
    const TextAnchor& month = TextAt(TEXT_MONTH);
    const TextAnchor& year = TextAt(TEXT_YEAR);
    DisplayBox(c, {month.X - 6, month.Y - 5, month.X + 7 * 9 + 5, month.Y + 18});
    DisplayBox(c, {year.X - 5, year.Y - 5, year.X + 7 * 4 + 4, year.Y + 18});

    // The caption strip: paper, as the dialogue font that writes on it.
    const Box strip{kDescriptionCleanAt.X, kDescriptionCleanAt.Y, kDescriptionCleanAt.X + 267,
                    kDescriptionCleanAt.Y + 24};
    c.Fill(strip.Grown(1), Darker(kFooterEdge, 0.35));
    c.Fill(strip, kPaper);
    c.Fill({strip.Left, strip.Top, strip.Right, strip.Top}, kPaperShade);

    // Money: the clean patch covers exactly this box.
    const Box money{kMoneyCleanAt.X, kMoneyCleanAt.Y, kMoneyCleanAt.X + 99, kMoneyCleanAt.Y + 24};
    DisplayBox(c, money);
    // A coin beside the money, with its caption, in the gap between the
    // caption strip and the money box: the strip's clean patch must not
    // cut into them.
    const double coinX = (strip.Right + 2 + kMoneyCleanAt.X - 1) / 2.0;
    c.Ellipse(coinX, 554, 8, 8, Darker(kRival2Bar, 0.3));
    c.Ellipse(coinX, 553.5, 7, 7, kRival2Bar);
    c.Ring(coinX, 553.5, 4.8, 1.1, Darker(kRival2Bar, 0.35));
    Words(c, "cash", coinX, 577, 8, Align::Centre, Lighter(kFooterEdge, 0.3));

    const Box right = ToBox(ControlAt(CTRL_NEXT_MONTH).Box);
    switch (button) {
    case FooterButton::NextMonth: DrawControl(c, CTRL_NEXT_MONTH, ButtonKind::Action); break;
    case FooterButton::Continue: DrawControl(c, CTRL_MONTH_END_CONTINUE, ButtonKind::Action); break;
    case FooterButton::None:
        // An engraved plate: the month can be ended only from the main view.
        c.RoundRect(right.Left, right.Top + 2, right.Right + 1, 598, 5, Darker(kFooter, 0.25));
        c.RoundRect(right.Left + 1, right.Top + 3, right.Right, 597, 4, Lighter(kFooter, 0.05));
        Words(c, "velmara", right.CentreX(), 578, 11, Align::Centre, Lighter(kFooter, 0.3), Face::SerifBold);
        break;
    }
}

}  // namespace art
