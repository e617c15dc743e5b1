// The works office: five production lines of the shown region with their
// models, prices and destinations, and the technicians and salesmen posted
// there; the model browser opens over it.
#include "art/other_popups.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/fonts.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

void BrickWall(Canvas& c) {
    c.Fill({0, 0, 799, 539}, Darker(kBrick, 0.15));
    for (int y = 0; y < 540; y += 12) {
        c.Fill({0, y, 799, y}, Darker(kBrick, 0.35));
        for (int x = (y / 12) % 2 ? 0 : 16; x < 800; x += 32) c.Fill({x, y, x, y + 11}, Darker(kBrick, 0.35));
    }
    // The line shaft along the top of the wall: hangers, pulleys and the
    // belts running down to the machines.
    const Rgb iron{46, 46, 50};
    c.Fill({0, 8, 799, 11}, iron);
    for (int x = 60; x < 800; x += 120) {
        c.Fill({x - 2, 0, x + 2, 10}, iron);
        c.Ellipse(x + 40, 9.5, 4, 8, {70, 70, 74});
        c.Line({x + 37.0, 14}, {x + 30.0, 539}, 2.5, {70, 52, 36});
        c.Line({x + 43.0, 14}, {x + 50.0, 539}, 2.5, {70, 52, 36});
    }
}

constexpr int kStaffLeft = 588;
constexpr int kStaffRight = 778;

// A figure the player only reads: its caption at the card's left and a
// dotted leader up to where the figure is written, on a ruled line. The
// figures of the staff card start at different places, so they are ledger
// lines rather than boxes; only the field that is typed into has a box.
void StaffLine(Canvas& c, int text, const char* caption) {
    const TextAnchor& a = TextAt(text);
    const int baseline = a.Y + 12;
    const TextStyle style{Face::Sans, 12, kMutedInk};
    Words(c, caption, kStaffLeft, baseline, style.Size, Align::Left, style.Colour);
    for (int x = kStaffLeft + TextWidth(style, caption) + 5; x <= a.X - 5; x += 4)
        c.Fill({x, baseline, x, baseline}, kPaperLine);
    const int rule = a.Y + FontCell(a.Font).Height + 3;
    c.Fill({kStaffLeft, rule, kStaffRight, rule}, kPaperShade);
}

// The field where the number to post is typed, under its caption.
void PostField(Canvas& c, Point at) {
    const PictureSize size = SizeOfPicture(p_GAME_factory_workers_chosen);
    Words(c, "post here", kStaffLeft, at.Y + size.Height / 2 + 4, 12, Align::Left, kMutedInk);
    Field(c, {at.X, at.Y, at.X + size.Width - 1, at.Y + size.Height - 1});
}

}  // namespace

Canvas DrawFactory() {
    Canvas c(800, 600, kWall);
    BrickWall(c);
    Heading(c, "the works", 20, 36, 22, Align::Left, kButtonText);

    // Region selector.
    Card(c, {212, 38, 566, 86}, "", 0);
    Words(c, "region", 268, 66, 12, Align::Right, kMutedInk, Face::SansBold);
    DrawControl(c, CTRL_FACTORY_REGION_BACK);
    DrawControl(c, CTRL_FACTORY_REGION_FORWARD);
    Field(c, {299, 47, 510, 77});

    // Production lines.
    Card(c, {12, 96, 566, 472}, "production lines", 24);
    DrawControl(c, CTRL_FACTORY_BROWSE);
    Words(c, "puts a stored model on the first free line", 224, 152, 11, Align::Left, kMutedInk);
    const int head = 214;
    Words(c, "model", 65, head, 11, Align::Left, kMutedInk, Face::SansBold);
    Words(c, "price", 198, head, 11, Align::Centre, kMutedInk, Face::SansBold);
    Words(c, "ships to", 287, head - 14, 11, Align::Centre, kMutedInk, Face::SansBold);
    Words(c, "half to each", 287, head, 11, Align::Centre, kMutedInk);
    c.Fill({20, head + 6, 558, head + 6}, kPaperLine);
    for (int k = 0; k < kProductionLines; ++k) {
        const Point price = kPriceFieldAt[k];
        Words(c, std::to_string(k + 1), 38, price.Y + 16, 14, Align::Centre, kMutedInk, Face::SerifBold);
        Field(c, {57, price.Y, 168, price.Y + 20});
        Field(c, {price.X, price.Y, price.X + 56, price.Y + 20});
        for (int j = 1; j <= 2; ++j) {
            // The word starts on the column after the back arrow's click
            // area, so both arrows are drawn two columns narrower than their
            // click areas, on the outer side, and the word keeps a margin.
            // The box is drawn first, the arrows over its ends.
            const Rect back = ControlAt(DestinationArrow(k + 1, j, false)).Box;
            const Rect forward = ControlAt(DestinationArrow(k + 1, j, true)).Box;
            const Box backArrow{back.Left, back.Top, back.Right - 2, back.Bottom};
            const Box forwardArrow{forward.Left + 2, forward.Top, forward.Right, forward.Bottom};
            Field(c, {backArrow.Right, back.Top, forwardArrow.Left, back.Bottom});
            ArrowButton(c, backArrow, Arrow::Left, ButtonKind::Action);
            ArrowButton(c, forwardArrow, Arrow::Right, ButtonKind::Action);
        }
        if (k < kProductionLines - 1) c.Fill({20, price.Y + 36, 558, price.Y + 36}, kPaperShade);
    }
    DrawControl(c, CTRL_FACTORY_EXIT, ButtonKind::Quiet);

    // Staff of the region.
    Card(c, {576, 38, 788, 472}, "staff", 24);
    Heading(c, "technicians", kStaffLeft, 94, 15);
    StaffLine(c, TEXT_FREE_TECHNICIANS, "not posted");
    PostField(c, kWorkersFieldAt[0]);
    StaffLine(c, TEXT_REGION_TECHNICIANS, "in this region");
    DrawControl(c, CTRL_ASSIGN_TECHNICIANS);
    c.Fill({586, 272, 778, 272}, kPaperLine);
    Heading(c, "salesmen", kStaffLeft, 292, 15);
    StaffLine(c, TEXT_FREE_SALESMEN, "not posted");
    PostField(c, kWorkersFieldAt[1]);
    StaffLine(c, TEXT_REGION_SALESMEN, "in this region");
    DrawControl(c, CTRL_ASSIGN_SALESMEN);

    DrawFooter(c, FooterButton::None);
    return c;
}

Canvas DrawBrowsePopup() {
    Canvas c = PopupCanvas(POPUP_BROWSE_MODELS, "", 0);
    const Placement first = FocusFrame(FOCUS_BROWSE_MODEL_1);
    const Placement last = FocusFrame(FOCUS_BROWSE_MODEL_10);
    Field(c, {first.X, first.Y, first.X + 155, last.Y + 21});
    for (int n = 1; n <= kModelSlots; ++n) {
        const int y = TextAt(TEXT_BROWSE_NAME_1 + n - 1).Y;
        if (n > 1) c.Fill({first.X + 1, y - 3, first.X + 154, y - 3}, kPaperShade);
        Words(c, std::to_string(n), 300, y + 13, 11, Align::Centre, kMutedInk, Face::SansBold);
    }
    Heading(c, "choose a model", 395, 400, 15, Align::Centre);
    DrawControl(c, CTRL_BROWSE_BACK, ButtonKind::Quiet);
    DrawControl(c, CTRL_BROWSE_ADD);
    return CutPopup(c, POPUP_BROWSE_MODELS);
}

}  // namespace art
