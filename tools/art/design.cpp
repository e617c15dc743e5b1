// The design studio: the model's slot, name, figures and parts on the left
// and centre, the car in its showroom, the fitted items on the right; and the
// part chooser and part lists that open over it.
#include "art/other_popups.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenery.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "art/widgets.h"
#include "presentation/fonts.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

void Studio(Canvas& c) {
    // A drawing office panelled in dark oak: tall panels in moulded frames
    // under a picture rail.
    c.FillVertical({0, 0, 799, 539}, {84, 58, 40}, {60, 40, 28});
    for (int x = 0; x < 800; x += 80) {
        c.Frame({x + 6, 54, x + 73, 300}, 2, {100, 70, 48});
        c.Frame({x + 6, 314, x + 73, 530}, 2, {100, 70, 48});
        c.Fill({x, 0, x + 1, 539}, {50, 34, 24});
    }
    c.Fill({0, 46, 799, 49}, {110, 80, 54});
    c.Fill({0, 305, 799, 308}, {110, 80, 54});
}

// What shows of the studio round the cards: drawing-office lamps under the
// ceiling, a T-square and a set square hung between the columns, and
// elevations of cars pinned along the foot of the wall.
void DrawingOffice(Canvas& c) {
    for (const int x : {600, 700}) {
        c.Fill({x, 0, x, 22}, {30, 24, 20});
        c.Polygon({{x - 4.0, 22}, {x + 4.0, 22}, {x + 16.0, 36}, {x - 16.0, 36}}, {46, 92, 74});
        c.Fill({x - 16, 36, x + 16, 37}, {30, 64, 52});
        c.Ellipse(x, 38, 6, 3, {252, 236, 180});
    }
    const Rgb pear{196, 150, 96};
    c.Fill({213, 68, 257, 77}, pear);                       // the T-square's head
    c.Fill({213, 77, 257, 77}, Darker(pear, 0.3));
    c.Fill({230, 78, 239, 254}, Lighter(pear, 0.2));        // and its blade
    for (int y = 84; y < 252; y += 6) c.Fill({236, y, 239, y}, Darker(pear, 0.4));
    c.Ellipse(235, 72, 2, 2, {60, 44, 30});
    const Rgb celluloid{214, 200, 150};
    c.Polygon({{214, 296}, {214, 380}, {256, 380}}, celluloid, 0.85);   // the set square
    c.Polygon({{221, 326}, {221, 372}, {243, 372}}, {70, 48, 32});
    // Blueprints at the ends, pencil drawings between them.
    struct Look {
        Rgb Paper, Ink;
    };
    constexpr Look kBlueprint{{48, 86, 146}, {230, 240, 250}}, kPencil{{240, 232, 206}, {90, 80, 70}};
    constexpr struct {
        Rect Sheet;
        Look Drawn;
    } kDrawings[] = {{{24, 484, 138, 532}, kBlueprint}, {{150, 482, 264, 532}, kPencil},
                     {{500, 484, 626, 532}, kPencil}, {{640, 482, 776, 532}, kBlueprint}};
    for (const auto& d : kDrawings) CarElevation(c, d.Sheet, d.Drawn.Paper, d.Drawn.Ink);
}

void Panel(Canvas& c, Rect box, const char* title) {
    Card(c, box, title, 22);
}

// A paper box for a line of text of a text anchor, reaching to `right`.
void TextBox(Canvas& c, int text, int right) {
    const TextAnchor& a = TextAt(text);
    const GlyphCell cell = FontCell(a.Font);
    Field(c, {a.X - 4, a.Y - 4, right, a.Y + cell.Height + 2});
}

// The item lists' install and back. Their click areas are wide and overlap
// (install wins where they do), so both buttons take the height of the
// other lists' buttons and one width, back at the right of the part of its
// area install leaves it, install beside it; both stand inside their areas.
struct ItemButtons {
    Rect Install;
    Rect Back;
};
ItemButtons LuxuryPickerButtons() {
    const Rect install = ControlAt(CTRL_ITEMS_INSTALL).Box;
    const Rect back = ControlAt(CTRL_ITEMS_BACK).Box;
    const int height = ControlAt(CTRL_PARTS_INSTALL).Box.Height();
    const int top = install.Top + (install.Height() - height + 1) / 2;
    const Rect backBox{install.Right + 1, top, back.Right, top + height - 1};
    const int gap = 6;
    return {{backBox.Left - gap - backBox.Width(), top, backBox.Left - gap - 1, top + height - 1}, backBox};
}

}  // namespace

Canvas DrawDesign() {
    Canvas c(800, 600, kWall);
    Studio(c);
    DrawingOffice(c);
    Heading(c, "design studio", 21, 38, 22, Align::Left, kButtonText);

    // Left column: the model.
    Card(c, {12, 50, 207, 476}, "", 0);
    DrawControl(c, CTRL_DESIGN_NEW_MODEL);
    DrawControl(c, CTRL_DESIGN_ADD_PARTS);
    Words(c, "model name", 23, 158, 12, Align::Left, kMutedInk, Face::SansBold);
    DrawControl(c, CTRL_DESIGN_NAME);
    Words(c, "rating", 23, 276, 12, Align::Left, kMutedInk, Face::SansBold);
    TextBox(c, TEXT_DESIGN_RATING, 84);
    Words(c, "unit cost", 23, 337, 12, Align::Left, kMutedInk, Face::SansBold);
    TextBox(c, TEXT_DESIGN_COST, 84);
    Words(c, "shown once the", 96, 292, 11, Align::Left, kMutedInk);
    Words(c, "model is saved", 96, 306, 11, Align::Left, kMutedInk);
    DrawControl(c, CTRL_DESIGN_SAVE_MODEL);
    DrawControl(c, CTRL_DESIGN_DELETE_MODEL);

    // Centre: slot, car, body and pieces.
    Words(c, "model slot", 396, 53, 12, Align::Centre, kButtonText, Face::SansBold);
    DrawControl(c, CTRL_DESIGN_SLOT_BACK);
    DrawControl(c, CTRL_DESIGN_SLOT_FORWARD);
    Field(c, {kCarNumberCleanAt.X, 58, kCarNumberCleanAt.X + 38, 75});
    Showroom(c);
    DrawControl(c, CTRL_DESIGN_BODY_BACK);
    DrawControl(c, CTRL_DESIGN_BODY_FORWARD);
    Field(c, {302, 224, 490, 241});
    const struct { int Back, Forward; const char* Word; } pieces[] = {
        {CTRL_DESIGN_FRONT_BACK, CTRL_DESIGN_FRONT_FORWARD, "front"},
        {CTRL_DESIGN_MIDDLE_BACK, CTRL_DESIGN_MIDDLE_FORWARD, "middle"},
        {CTRL_DESIGN_REAR_BACK, CTRL_DESIGN_REAR_FORWARD, "rear"},
    };
    for (const auto& p : pieces) {
        DrawControl(c, p.Back);
        DrawControl(c, p.Forward);
        const Rect between{ControlAt(p.Back).Box.Right + 1, 247, ControlAt(p.Forward).Box.Left - 1, 264};
        c.Fill(between, {224, 214, 190});
        DrawTextCentred(c, {Face::SansBold, 11, kMutedInk}, between, p.Word);
    }

    // Installed parts.
    Panel(c, {262, 276, 530, 476}, "installed parts");
    const struct { int Text; const char* Caption; } parts[] = {
        {TEXT_DESIGN_ENGINE, "engine"}, {TEXT_DESIGN_BRAKES, "brakes"}, {TEXT_DESIGN_SUSPENSION, "suspension"}};
    for (const auto& p : parts) {
        const TextAnchor& a = TextAt(p.Text);
        Words(c, p.Caption, a.X - 4, a.Y - 8, 11, Align::Left, kMutedInk, Face::SansBold);
        TextBox(c, p.Text, 518);
    }
    DrawControl(c, CTRL_DESIGN_EXIT, ButtonKind::Quiet);

    // Right column: the fitted items.
    Panel(c, {545, 62, 786, 258}, "luxury items");
    Panel(c, {545, 266, 786, 462}, "safety items");

    DrawFooter(c, FooterButton::None);
    return c;
}

Canvas DrawAddPartsPopup() {
    Canvas c = PopupCanvas(POPUP_ADD_PARTS, "add parts");
    for (int id = CTRL_ADD_ENGINE; id <= CTRL_ADD_SAFETY; ++id) DrawControl(c, id);
    DrawControl(c, CTRL_ADD_CLOSE, ButtonKind::Quiet);
    return CutPopup(c, POPUP_ADD_PARTS);
}

Canvas DrawPartListPopup(int popup) {
    const char* titles[kPartListCount] = {"brakes", "suspension", "engines", "luxury items", "safety items"};
    Canvas c = PopupCanvas(popup, titles[popup - POPUP_BRAKES_PARTS], 24);
    const PictureSize frameSize = SizeOfPicture(p_GAME_design_chosen_part);
    for (int n = 1; n <= kPartsPerCategory; ++n) {
        const Placement frame = FocusFrame(FOCUS_PART_ROW_1 + n - 1);
        const Rect row{frame.X, frame.Y, frame.X + frameSize.Width - 1, frame.Y + frameSize.Height - 1};
        c.Fill(row, kPaperLine);
        c.Fill(Grown(row, -1), kPaper);
        Words(c, std::to_string(n), 206, frame.Y + 27, 12, Align::Centre, kMutedInk, Face::SansBold);
    }
    if (popup <= POPUP_ENGINE_PARTS) {
        // One caption serves drums and discs alike.
        const char* captions[] = {"brake size", "springing", "tuning"};
        Words(c, captions[popup - POPUP_BRAKES_PARTS], 287, 491, 11, Align::Centre, kMutedInk, Face::SansBold);
        DrawControl(c, CTRL_VARIANT_BACK);
        DrawControl(c, CTRL_VARIANT_FORWARD);
        Field(c, {227, 496, 347, 519});
        if (popup == POPUP_ENGINE_PARTS) {
            for (int v = 1; v <= kEngineVariants; ++v) {
                const double x = EngineMarkerX(v) + 5.5;
                c.Ring(x, 507.5, 4.2, 1.0, kPaperLine);
            }
        }
        DrawControl(c, CTRL_PARTS_INSTALL);
        DrawControl(c, CTRL_PARTS_BACK, ButtonKind::Quiet);
        Words(c, "choose a part, then install", 508, 486, 11, Align::Centre, kMutedInk);
    } else {
        const ItemButtons b = LuxuryPickerButtons();
        Button(c, b.Install, "install", ButtonKind::Action);
        Button(c, b.Back, "back", ButtonKind::Quiet);
        Words(c, "choose an item, then install it", b.Back.Right + 1, 486, 11, Align::Right, kMutedInk);
    }
    return CutPopup(c, popup);
}

}  // namespace art
