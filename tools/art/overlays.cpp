// Buttons and highlight frames drawn over the screens, the research bar
// segment, the report bars and the "laboratory complete" panel.
#include <iterator>

#include "art/palette.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"

namespace art {
namespace {

Canvas Blank(int picture, Rgb fill) {
    const PictureSize s = SizeOfPicture(picture);
    return Canvas(s.Width, s.Height, fill);
}

// Border of each frame, side by side: thinner where text runs up to the edge.
// An outlined frame keeps the field's own border round the highlight, for
// fields drawn a row taller than their frame: where the frame stands a row
// off the field, the border shows no seam.
struct FrameSides {
    int Picture;
    int Left, Top, Right, Bottom;
    bool Outlined = false;
};
constexpr FrameSides kFrames[] = {
    {p_MENU_chosen_slot, 0, 2, 0, 2},   // the slot's box is wider: its own sides stay
    {p_GAME_office_personnel_chosen, 2, 2, 2, 2, true},
    {p_GAME_office_personnel_chosen2, 2, 2, 2, 2, true},
    {p_GAME_office_bank_chosen, 2, 2, 2, 2},
    {p_GAME_research_chosen, 2, 2, 2, 1},
    {p_GAME_advert_chosen, 2, 2, 0, 2},   // the amount's box closes it one column further right
    {p_GAME_factory_price_chosen, 2, 2, 2, 1},
    {p_GAME_factory_workers_chosen, 2, 2, 2, 2},
    {p_GAME_design_chosen, 1, 2, 2, 2},
    {p_GAME_design_chosen_part, 1, 1, 1, 1},
    {p_GAME_factory_chosen_model, 1, 2, 1, 2},
    {p_GAME_player_name_chosen, 1, 2, 2, 2},
};

}  // namespace

Canvas DrawMenuButton(int picture) {
    struct Slot {
        int Picture;
        int Index;
        i32 Control;
        ButtonKind Kind;
    };
    constexpr Slot kSlots[] = {
        {p_MENU_button_new, 0, CTRL_MENU_NEW, ButtonKind::Action},
        {p_MENU_button_continue, 0, CTRL_MENU_CONTINUE, ButtonKind::Action},
        {p_MENU_button_save_off, 1, CTRL_MENU_SAVE, ButtonKind::Off},
        {p_MENU_button_save_on, 1, CTRL_MENU_SAVE, ButtonKind::Action},
        {p_MENU_button_load, 2, CTRL_MENU_LOAD, ButtonKind::Action},
        {p_MENU_button_quit, 3, CTRL_MENU_QUIT, ButtonKind::Quiet},
        {p_MENU_button_mainmenu, 3, CTRL_MENU_MAIN_MENU, ButtonKind::Quiet},
    };
    Canvas c = Blank(picture, kPaper);
    Slot slot = kSlots[0];
    for (const Slot& s : kSlots)
        if (s.Picture == picture) slot = s;
    // The slots' pictures and click areas are of two heights and stand at
    // uneven distances; every button takes the lower height, and the upper
    // two move down inside their pictures so that all four are spaced
    // evenly from the last one.
    const int height = SizeOfPicture(p_MENU_button_quit).Height;
    const int pitch = kMenuButtonY[3] - kMenuButtonY[2];
    const int top = kMenuButtonY[3] - (3 - slot.Index) * pitch - kMenuButtonY[slot.Index];
    Button(c, {0, top, c.Width() - 1, top + height - 1}, ControlAt(slot.Control).Label, slot.Kind);
    return c;
}

Canvas DrawFrame(int picture) {
    Canvas c = Blank(picture, kPaper);
    for (const FrameSides& f : kFrames) {
        if (f.Picture != picture) continue;
        if (f.Outlined) {
            c.Fill(c.Bounds(), kPaperLine);
            ChosenField(c, Grown(c.Bounds(), -1), f.Left, f.Top, f.Right, f.Bottom);
        } else {
            ChosenField(c, c.Bounds(), f.Left, f.Top, f.Right, f.Bottom);
        }
    }
    if (picture == p_GAME_design_chosen_part) {
        // The chosen part row also carries a tick at its free right end.
        const int right = c.Width() - 2;
        c.Fill({right - 16, 1, right, c.Height() - 2}, kHighlight);
        const double cy = c.Height() / 2.0;
        c.Polyline({{right - 12.5, cy}, {right - 9.0, cy + 4.5}, {right - 3.5, cy - 5.5}}, 2.4, kButtonText);
    }
    return c;
}

Canvas DrawRemoveButton() {
    Canvas c = Blank(p_GAME_factory_remove_model, kPaper);
    Button(c, c.Bounds(), "remove", ButtonKind::Quiet);
    return c;
}

Canvas DrawResearchSegment() {
    Canvas c = Blank(p_GAME_research_loading, kPlayerBar);
    c.FillVertical({0, 0, 1, c.Height() - 1}, Lighter(kPlayerBar, 0.35), Darker(kPlayerBar, 0.2));
    return c;
}

Canvas DrawReportBar(int company) {
    const Rgb colours[] = {kPlayerBar, kRival1Bar, kRival2Bar};
    const int pictures[] = {p_GAME_player_loading, p_GAME_ai1_loading, p_GAME_ai2_loading};
    static_assert(std::size(colours) == kCompanyCount && std::size(pictures) == kCompanyCount);
    const Rgb base = colours[company];
    Canvas c = Blank(pictures[company], Darker(base, 0.35));
    c.FillHorizontal({1, 1, c.Width() - 2, c.Height() - 2}, Lighter(base, 0.2), Darker(base, 0.1));
    c.Fill({1, 1, c.Width() - 2, 1}, Lighter(base, 0.4));
    return c;
}

Canvas DrawExpandDone() {
    Canvas c = Blank(p_GAME_research_expand_clean, kPaper);
    const Rect box = c.Bounds();
    c.Frame({8, 10, box.Right - 8, box.Bottom - 10}, 1, kPaperLine);
    // A little finished building with a flag.
    c.Fill({26, 40, 70, 78}, kStone);
    c.Polygon({{22, 42}, {48, 26}, {74, 42}}, kBrick);
    c.Fill({44, 58, 52, 78}, kWood);
    c.Fill({48, 12, 49, 28}, {80, 80, 80});
    c.Polygon({{49, 13}, {62, 16}, {49, 20}}, kAction);
    Words(c, "the laboratory is", 158, 46, 13, Align::Centre, kInk, Face::SansBold);
    Words(c, "as large as it can be", 158, 64, 13, Align::Centre, kInk, Face::SansBold);
    Words(c, "no more room to expand", 158, 84, 11, Align::Centre, kMutedInk);
    return c;
}

}  // namespace art
