// The works office: five production lines of the shown region with their
// models, prices and destinations, and the technicians and salesmen posted
// there; the model browser opens over it.
#include <cmath>
#include <numbers>

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

// What shows of the works round the cards, along the foot of the wall:
// machine tools driven by the belts from the shaft, and a rolling chassis
// waiting for its body.
// The cone pulley's centre and radius: low and small enough to show whole
// below the production lines' card, which ends at row 472.
constexpr int kLathePulleyY = 486;
constexpr int kLathePulleyR = 9;

void Lathe(Canvas& c, int x) {
    const Rgb iron{58, 60, 64};
    const Rgb paint{70, 96, 84};
    c.Fill({x - 44, 510, x - 40, 539}, iron);                 // legs
    c.Fill({x + 40, 510, x + 44, 539}, iron);
    c.Fill({x - 48, 504, x + 48, 511}, paint);                 // the bed
    c.Fill({x - 48, 504, x + 48, 504}, Lighter(paint, 0.25));
    c.Fill({x - 46, 490, x - 22, 503}, paint);                 // headstock and tailstock
    c.Fill({x + 28, 495, x + 42, 503}, paint);
    c.Line({x - 22.0, 496}, {x + 28.0, 496}, 2.0, {150, 152, 156});   // the work between centres
    c.Ellipse(x - 34, kLathePulleyY, kLathePulleyR, kLathePulleyR, iron);   // the cone pulley the belts turn
    c.Ellipse(x - 34, kLathePulleyY, kLathePulleyR - 3.5, kLathePulleyR - 3.5, {96, 98, 104});
    c.Ellipse(x - 34, kLathePulleyY, 2, 2, iron);
}

void RollingChassis(Canvas& c, int left, int ground) {
    const Rgb black{34, 30, 28};
    const Rgb brass{204, 164, 72};
    for (const int x : {left + 24, left + 142}) {
        c.Ellipse(x, ground - 20, 20, 20, black);
        c.Ellipse(x, ground - 20, 16, 16, {214, 196, 150});
        for (int i = 0; i < 6; ++i) {
            const double a = std::numbers::pi * i / 6;
            c.Line({x - 15 * std::cos(a), ground - 20 - 15 * std::sin(a)},
                   {x + 15 * std::cos(a), ground - 20 + 15 * std::sin(a)}, 1.0, {120, 96, 60});
        }
        c.Ellipse(x, ground - 20, 4, 4, brass);
    }
    c.Fill({left + 2, ground - 27, left + 168, ground - 22}, black);      // the frame
    c.Fill({left, ground - 46, left + 8, ground - 22}, brass);            // radiator
    c.RoundRect(left + 12, ground - 44, left + 52, ground - 27, 3, {96, 100, 108});   // engine
    for (int i = 0; i < 4; ++i) c.Ellipse(left + 18 + i * 10, ground - 45, 3, 2, {60, 60, 66});
    c.Line({left + 66.0, ground - 27.0}, {left + 58.0, ground - 56.0}, 2.0, black);    // steering column
    c.Line({left + 52.0, ground - 58.0}, {left + 66.0, ground - 54.0}, 2.5, black);
    c.RoundRect(left + 74, ground - 40, left + 100, ground - 27, 3, {120, 40, 36});   // a seat on the frame
}

void BrickWall(Canvas& c) {
    c.Fill({0, 0, 799, 539}, Darker(kBrick, 0.15));
    for (int y = 0; y < 540; y += 12) {
        c.Fill({0, y, 799, y}, Darker(kBrick, 0.35));
        for (int x = (y / 12) % 2 ? 0 : 16; x < 800; x += 32) c.Fill({x, y, x, y + 11}, Darker(kBrick, 0.35));
    }
    // The line shaft along the top of the wall: hangers, pulleys and the
    // belts running down to the lathes at the foot of the wall.
    const Rgb iron{46, 46, 50};
    c.Fill({0, 8, 799, 11}, iron);
    c.Fill({0, 476, 799, 539}, Darker(kBrick, 0.45));       // the shop floor's shadow along the wall
    for (int x = 60; x < 800; x += 120) {
        c.Fill({x - 2, 0, x + 2, 10}, iron);
        c.Ellipse(x + 40, 9.5, 4, 8, {70, 70, 74});
    }
    // Three lathes clear of the exit, each belted to the pulley above it.
    const struct { int Pulley, Lathe; } drives[] = {{100, 134}, {220, 254}, {460, 540}};
    for (const auto& d : drives) {
        const double pulley = d.Lathe - 34.0;
        c.Line({d.Pulley - 3.0, 14}, {pulley - kLathePulleyR, kLathePulleyY}, 2.5, {70, 52, 36});
        c.Line({d.Pulley + 3.0, 14}, {pulley + kLathePulleyR, kLathePulleyY}, 2.5, {70, 52, 36});
        Lathe(c, d.Lathe);
    }
    RollingChassis(c, 612, 536);
}

constexpr int kStaffLeft = 588;
// Each block's heading stands as far above its first figure.
constexpr int kHeadingAboveFigure = 21;
constexpr TextStyle kStaffCaption{Face::Sans, 12, kMutedInk};

// A dotted leader from the end of a caption to `right`, on the caption's
// baseline. The dots keep one pitch from the panel's left edge, so the
// leaders of all the rows line up whatever their captions.
void Leader(Canvas& c, const char* caption, int baseline, int right) {
    constexpr int kPitch = 4;
    const int start = kStaffLeft + TextWidth(kStaffCaption, caption) + 4;
    for (int x = start + (kPitch - (start - kStaffLeft) % kPitch) % kPitch; x <= right; x += kPitch)
        c.Fill({x, baseline, x, baseline}, kPaperLine);
}

// A caption at the card's left, on the middle of a row `height` tall from
// `top`; returns its baseline.
int StaffCaption(Canvas& c, const char* caption, int top, int height) {
    const int baseline = top + height / 2 + CapHeight(kStaffCaption) / 2;
    Words(c, caption, kStaffLeft, baseline, kStaffCaption.Size, Align::Left, kStaffCaption.Colour);
    return baseline;
}

// A figure the player only reads: its caption at the card's left and a
// dotted leader up to the figure, which stands on the paper without a box:
// a box is where the player types.
void StaffLine(Canvas& c, int text, const char* caption) {
    const TextAnchor& a = TextAt(text);
    Leader(c, caption, StaffCaption(c, caption, a.Y, FontCell(a.Font).Height), a.X - 5);
}

// The field where the number to post is typed, after its caption.
void PostField(Canvas& c, Point at) {
    const PictureSize size = SizeOfPicture(p_GAME_factory_workers_chosen);
    StaffCaption(c, "post here", at.Y, size.Height);
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
            const Rect backArrow{back.Left, back.Top, back.Right - 2, back.Bottom};
            const Rect forwardArrow{forward.Left + 2, forward.Top, forward.Right, forward.Bottom};
            Field(c, {backArrow.Right, back.Top, forwardArrow.Left, back.Bottom});
            ArrowButton(c, backArrow, Arrow::Left, ButtonKind::Action);
            ArrowButton(c, forwardArrow, Arrow::Right, ButtonKind::Action);
        }
        if (k < kProductionLines - 1) c.Fill({20, price.Y + 36, 558, price.Y + 36}, kPaperShade);
    }
    DrawControl(c, CTRL_FACTORY_EXIT, ButtonKind::Quiet);

    // Staff of the region.
    Card(c, {576, 38, 788, 472}, "staff", 24);
    Heading(c, "technicians", kStaffLeft, TextAt(TEXT_FREE_TECHNICIANS).Y - kHeadingAboveFigure, 15);
    StaffLine(c, TEXT_FREE_TECHNICIANS, "not posted");
    PostField(c, kWorkersFieldAt[0]);
    StaffLine(c, TEXT_REGION_TECHNICIANS, "in this region");
    DrawControl(c, CTRL_ASSIGN_TECHNICIANS);
    c.Fill({586, 269, 778, 269}, kPaperLine);
    Heading(c, "salesmen", kStaffLeft, TextAt(TEXT_FREE_SALESMEN).Y - kHeadingAboveFigure, 15);
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
