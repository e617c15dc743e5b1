// Rules every screen and form picture keeps, checked on the generated files:
// a room's exit plate stands inside the area that leaves the room, figures
// keep a margin from the boxes drawn round them, and the buttons of like
// screens stand alike and inside their click areas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "input/field_rows.h"
#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"
#include "support/decoded_pictures.h"

namespace {

class PictureRules : public DecodedPictures {};

constexpr unsigned char kPaper[3] = {244, 236, 216};

// Where a picture stands on the screen: a popup at its placement, a screen at 0, 0.
Point Origin(i32 picture) {
    for (i32 popup = 1; popup <= POPUP_RESEARCH_REPORT; ++popup) {
        const Placement at = PopupPlacement(popup);
        if (at.Picture == picture) return {at.X, at.Y};
    }
    return {0, 0};
}

// What differs from the background inside a rectangle of the screen, in
// screen coordinates; the background is read one pixel outside its corner.
Extent DrawnWithin(i32 picture, const Rect& r) {
    const Picture& p = PictureRules::Get(picture);
    const Point o = Origin(picture);
    Extent e = InkWithin(p, r.Left - o.X, r.Top - o.Y, r.Right - o.X, r.Bottom - o.Y,
                         p.At(r.Left - o.X - 1, r.Top - o.Y - 1));
    e.Left += o.X;
    e.Right += o.X;
    e.Top += o.Y;
    e.Bottom += o.Y;
    return e;
}

// The box, in screen coordinates, that the digits of a figure of `cells`
// glyphs written at a text anchor put ink in, whatever the digits.
Rect FigureInk(const TextAnchor& a, i32 cells) {
    Extent ink;
    for (char d = '0'; d <= '9'; ++d) {
        const Picture& g = PictureRules::Get(GlyphPicture(a.Font, d));
        const Extent e = InkWithin(g, 0, 0, g.Width - 1, g.Height - 1, g.At(0, 0));
        ink = {std::min(ink.Left, e.Left), std::min(ink.Top, e.Top), std::max(ink.Right, e.Right),
               std::max(ink.Bottom, e.Bottom)};
    }
    const i32 first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (cells - 1);
    const i32 last = a.Align == ALIGN_LEFT ? a.X + a.Step * (cells - 1) : a.X;
    return {first + ink.Left, a.Y + ink.Top, last + ink.Right, a.Y + ink.Bottom};
}

TEST_F(PictureRules, EveryExitPlateStandsInsideTheAreaThatLeaves) {
    // The plates are enamel of one deep blue; nothing else near a door is.
    const unsigned char enamel[3] = {30, 48, 92};
    const struct { i32 Picture, Screen; } rooms[] = {{p_GAME_OFFICE, SCREEN_GAME_OFFICE},
                                                      {p_GAME_RESEARCH, SCREEN_GAME_RESEARCH},
                                                      {p_GAME_ADVERTISING, SCREEN_GAME_ADVERTISING},
                                                      {p_GAME_ADVERTISING2, SCREEN_GAME_ADVERTISING}};
    for (const auto& room : rooms) {
        const HoverAreaList areas = HoverAreas(room.Screen);
        Rect exit{};
        for (i32 i = 0; i < areas.Count; ++i)
            if (areas.First[i].HotItem == HOT_EXIT) exit = areas.First[i].Box;
        ASSERT_GT(exit.Width(), 0) << PictureName(room.Picture);
        const Picture& p = Get(room.Picture);
        constexpr i32 kNear = 40;
        Extent plate;
        for (i32 y = std::max(0, exit.Top - kNear); y <= std::min(539, exit.Bottom + kNear); ++y)
            for (i32 x = std::max(0, exit.Left - kNear); x <= std::min(799, exit.Right + kNear); ++x) {
                const unsigned char* c = p.At(x, y);
                if (std::abs(c[0] - enamel[0]) + std::abs(c[1] - enamel[1]) + std::abs(c[2] - enamel[2]) > 30) continue;
                plate.Left = std::min(plate.Left, x);
                plate.Right = std::max(plate.Right, x);
                plate.Top = std::min(plate.Top, y);
                plate.Bottom = std::max(plate.Bottom, y);
            }
        ASSERT_GE(plate.Width(), 30) << PictureName(room.Picture) << ": no exit plate";
        EXPECT_GE(plate.Left, exit.Left) << PictureName(room.Picture);
        EXPECT_GE(plate.Top, exit.Top) << PictureName(room.Picture);
        EXPECT_LE(plate.Right, exit.Right) << PictureName(room.Picture);
        EXPECT_LE(plate.Bottom, exit.Bottom) << PictureName(room.Picture);
    }
}

// Each laboratory bench carries one green name plate, centred on the bench,
// and wherever the pointer rests on that plate the game names that bench,
// never the area of another (the safety bench reaches up under luxury).
TEST_F(PictureRules, EveryBenchPlateNamesItsOwnBench) {
    const unsigned char green[3] = {46, 104, 88};
    const struct { i32 Item, CentreX; } benches[] = {{HOT_BRAKES, 261}, {HOT_SUSPENSION, 223}, {HOT_ENGINE, 168},
                                                     {HOT_BODY, 538},   {HOT_LUXURY, 578},     {HOT_SAFETY, 632}};
    const HoverAreaList areas = HoverAreas(SCREEN_GAME_RESEARCH);
    const Picture& p = Get(p_GAME_RESEARCH);
    Extent plateOf[HOT_STATISTICS + 1];
    for (i32 y = 0; y < 540; ++y)
        for (i32 x = 0; x < 800; ++x) {
            const unsigned char* c = p.At(x, y);
            if (std::abs(c[0] - green[0]) + std::abs(c[1] - green[1]) + std::abs(c[2] - green[2]) > 12) continue;
            i32 named = HOT_NONE;   // the last area holding the point names it
            for (i32 i = 0; i < areas.Count; ++i)
                if (areas.First[i].Box.Contains(x, y)) named = areas.First[i].HotItem;
            ASSERT_NE(named, HOT_NONE) << "plate pixel outside every bench at " << x << "," << y;
            Extent& e = plateOf[named];
            e = {std::min(e.Left, x), std::min(e.Top, y), std::max(e.Right, x), std::max(e.Bottom, y)};
        }
    for (const auto& bench : benches) {
        const Extent& e = plateOf[bench.Item];
        ASSERT_GT(e.Width(), 40) << "bench " << bench.Item << " has no plate";
        EXPECT_LE(e.Height(), 16) << "bench " << bench.Item << ": its plate is split between areas";
        EXPECT_NEAR((e.Left + e.Right) / 2.0, bench.CentreX, 2.0) << "bench " << bench.Item;
    }
}

// A figure's digits, at any width the game writes, keep two columns of
// paper to either side and a row above and below before any border.
TEST_F(PictureRules, FiguresKeepAMarginFromTheirBoxes) {
    struct Figure {
        i32 Picture;
        i32 Text;
        i32 Cells;
    };
    std::vector<Figure> figures;
    for (i32 r = 0; r < kAdBlocks; ++r) {
        figures.push_back({p_PopUp_Television, TEXT_ADVERT_AMOUNT_1 + r, 6});
        figures.push_back({p_PopUp_Television, TEXT_ADVERT_MONTHS_1 + r, 2});
    }
    for (const i32 text : {TEXT_BANK_DEPOSIT_AMOUNT, TEXT_BANK_DEPOSIT})
        figures.push_back({p_PopUp_Bank, text, 11});
    for (const i32 text : {TEXT_BANK_LOAN_RATE, TEXT_BANK_LOAN_TERM}) figures.push_back({p_PopUp_Bank, text, 2});
    for (const i32 text : {TEXT_BANK_LOAN_AMOUNT, TEXT_BANK_LOAN_LEFT, TEXT_BANK_INSTALLMENT, TEXT_BANK_MONTHS_LEFT})
        figures.push_back({p_PopUp_Bank, text, 10});
    for (i32 k = 0; k < 3; ++k) {
        figures.push_back({p_PopUp_Personnel, TEXT_STAFF_HIRE_1 + k, 2});
        figures.push_back({p_PopUp_Personnel, TEXT_STAFF_FIRE_1 + k, 4});
        figures.push_back({p_PopUp_Personnel, TEXT_STAFF_COUNT_1 + k, 4});
        figures.push_back({p_PopUp_Personnel, TEXT_STAFF_WAGE_1 + k, 4});
        figures.push_back({p_PopUp_Personnel, TEXT_STAFF_WAGE_BILL_1 + k, 6});
    }
    for (const i32 text : {TEXT_FREE_TECHNICIANS, TEXT_FREE_SALESMEN, TEXT_TYPED_TECHNICIANS, TEXT_TYPED_SALESMEN,
                           TEXT_REGION_TECHNICIANS, TEXT_REGION_SALESMEN})
        figures.push_back({p_GAME_FACTORY, text, 4});
    for (i32 r = 0; r < kRegionCount; ++r) {
        figures.push_back({p_PopUp_Map, TEXT_MAP_FACTORIES_1 + r, 2});
        figures.push_back({p_PopUp_Map, TEXT_MAP_SALONS_1 + r, 2});
    }
    for (i32 k = 0; k < kSaveSlots; ++k) {
        figures.push_back({p_MENU_LOAD, TEXT_SLOT_ROW_1 + k, 14});
        figures.push_back({p_MENU_SAVE, TEXT_SLOT_ROW_1 + k, 14});
    }
    figures.push_back({p_PopUp_Engine, TEXT_AREA_SCIENTISTS, 3});

    for (const Figure& f : figures) {
        const Rect ink = FigureInk(TextAt(f.Text), f.Cells);
        const Rect margin{ink.Left - 2, ink.Top - 1, ink.Right + 2, ink.Bottom + 1};
        const Picture& p = Get(f.Picture);
        const Point o = Origin(f.Picture);
        const Extent border = InkWithin(p, margin.Left - o.X, margin.Top - o.Y, margin.Right - o.X,
                                        margin.Bottom - o.Y, kPaper);
        EXPECT_LT(border.Right, 0) << PictureName(f.Picture) << " text " << f.Text << ": something at x "
                                   << border.Left + o.X << ".." << border.Right + o.X << ", y " << border.Top + o.Y
                                   << ".." << border.Bottom + o.Y;
    }
}

// Walking in a straight line from a pixel: the first pixel that stands out
// from the paper, and whether paper comes again after that run before the
// picture's edge. A box drawn clear of its popup's border is crossed and left
// again; a box run into the border is not.
struct Crossing {
    bool Hit = false;
    Point At{};
    bool PaperAfter = false;
};

Crossing Cross(const Picture& p, Point from, i32 dx, i32 dy) {
    Crossing c;
    Point at = from;
    const auto inside = [&p, &at] { return at.X >= 0 && at.Y >= 0 && at.X < p.Width && at.Y < p.Height; };
    const auto step = [&at, dx, dy] { at = {at.X + dx, at.Y + dy}; };
    while (inside() && !Differs(p.At(at.X, at.Y), kPaper)) step();
    if (!inside()) return c;
    c.Hit = true;
    c.At = at;
    while (inside() && Differs(p.At(at.X, at.Y), kPaper)) step();
    c.PaperAfter = inside();
    return c;
}

// The text each typed field of a popup writes its figure at.
struct TypedFigure {
    i32 Focus;
    i32 Text;
};
constexpr i32 Staff(i32 firstText, StaffKind kind) { return firstText + static_cast<i32>(kind); }
constexpr TypedFigure kPopupFigures[] = {
    {FOCUS_SALESMEN_HIRE, Staff(TEXT_STAFF_HIRE_1, STAFF_SALESMEN)},
    {FOCUS_SALESMEN_FIRE, Staff(TEXT_STAFF_FIRE_1, STAFF_SALESMEN)},
    {FOCUS_SCIENTISTS_HIRE, Staff(TEXT_STAFF_HIRE_1, STAFF_SCIENTISTS)},
    {FOCUS_SCIENTISTS_FIRE, Staff(TEXT_STAFF_FIRE_1, STAFF_SCIENTISTS)},
    {FOCUS_TECHNICIANS_HIRE, Staff(TEXT_STAFF_HIRE_1, STAFF_TECHNICIANS)},
    {FOCUS_TECHNICIANS_FIRE, Staff(TEXT_STAFF_FIRE_1, STAFF_TECHNICIANS)},
    {FOCUS_SALESMEN_WAGE, Staff(TEXT_STAFF_WAGE_1, STAFF_SALESMEN)},
    {FOCUS_SCIENTISTS_WAGE, Staff(TEXT_STAFF_WAGE_1, STAFF_SCIENTISTS)},
    {FOCUS_TECHNICIANS_WAGE, Staff(TEXT_STAFF_WAGE_1, STAFF_TECHNICIANS)},
    {FOCUS_BANK_DEPOSIT, TEXT_BANK_DEPOSIT_AMOUNT},
    {FOCUS_BANK_LOAN, TEXT_BANK_LOAN_AMOUNT},
    {FOCUS_ADVERT_ROW_1, TEXT_ADVERT_AMOUNT_1},
    {FOCUS_ADVERT_ROW_2, TEXT_ADVERT_AMOUNT_1 + 1},
    {FOCUS_ADVERT_ROW_3, TEXT_ADVERT_AMOUNT_1 + 2},
    {FOCUS_ADVERT_ROW_4, TEXT_ADVERT_AMOUNT_1 + 3},
    {FOCUS_ADVERT_ROW_5, TEXT_ADVERT_AMOUNT_1 + 4},
    {FOCUS_ADVERT_ROW_6, TEXT_ADVERT_AMOUNT_1 + 5},
    {FOCUS_RESEARCH_SCIENTISTS, TEXT_AREA_SCIENTISTS},
};

// Every figure typed in a popup stands in a box of its own, and that box
// keeps paper between itself and the popup's border on all four sides: its
// sides and its corners. The figure is taken at the widest the game writes.
TEST_F(PictureRules, BoxesOfTypedFiguresStandClearOfThePopupBorder) {
    i32 checked = 0;
    for (const FieldRow& field : TypedFields()) {
        if (field.where.place != FieldPlace::Popup) continue;
        const auto figure = std::find_if(std::begin(kPopupFigures), std::end(kPopupFigures),
                                         [&field](const TypedFigure& f) { return f.Focus == field.focus; });
        ASSERT_NE(figure, std::end(kPopupFigures)) << "focus " << field.focus << " has no figure here";
        const TextAnchor& a = TextAt(figure->Text);
        for (i32 popup = field.where.first; popup <= field.where.last; ++popup) {
            const Placement at = PopupPlacement(popup);
            const Picture& p = Get(at.Picture);
            ASSERT_GT(p.Width, 0) << PictureName(at.Picture);
            const Rect ink = FigureInk(a, std::max(a.Cells, field.lastIndex + 1));
            // The figure's middle, in the picture's own coordinates.
            const Rect f{ink.Left - at.X, ink.Top - at.Y, ink.Right - at.X, ink.Bottom - at.Y};
            const Point middle{(f.Left + f.Right) / 2, (f.Top + f.Bottom) / 2};
            const auto where = [&](const char* what) {
                return std::string(PictureName(at.Picture)) + " text " + std::to_string(figure->Text) + ": " + what;
            };
            const Crossing right = Cross(p, {f.Right + 1, middle.Y}, 1, 0);
            const Crossing left = Cross(p, {f.Left - 1, middle.Y}, -1, 0);
            const Crossing top = Cross(p, {middle.X, f.Top - 1}, 0, -1);
            const Crossing bottom = Cross(p, {middle.X, f.Bottom + 1}, 0, 1);
            ASSERT_TRUE(right.Hit && left.Hit && top.Hit && bottom.Hit) << where("no box round the figure");
            EXPECT_TRUE(right.PaperAfter) << where("the box's right side runs into the border");
            EXPECT_TRUE(left.PaperAfter) << where("the box's left side runs into the border");
            EXPECT_TRUE(top.PaperAfter) << where("the box's top runs into the border");
            EXPECT_TRUE(bottom.PaperAfter) << where("the box's bottom runs into the border");
            // Along each side, past the corners.
            EXPECT_TRUE(Cross(p, top.At, 1, 0).PaperAfter) << where("the box's top runs right into the border");
            EXPECT_TRUE(Cross(p, top.At, -1, 0).PaperAfter) << where("the box's top runs left into the border");
            EXPECT_TRUE(Cross(p, bottom.At, 1, 0).PaperAfter) << where("the box's bottom runs right into the border");
            EXPECT_TRUE(Cross(p, bottom.At, -1, 0).PaperAfter) << where("the box's bottom runs left into the border");
            EXPECT_TRUE(Cross(p, right.At, 0, -1).PaperAfter) << where("the box's right side runs up into the border");
            EXPECT_TRUE(Cross(p, right.At, 0, 1).PaperAfter) << where("the box's right side runs down into the border");
            EXPECT_TRUE(Cross(p, left.At, 0, -1).PaperAfter) << where("the box's left side runs up into the border");
            EXPECT_TRUE(Cross(p, left.At, 0, 1).PaperAfter) << where("the box's left side runs down into the border");
            ++checked;
        }
    }
    // Six staff counts and three wages, two bank amounts, six amounts in
    // each of five media and the scientists of six research areas.
    EXPECT_EQ(checked, 9 + 2 + 6 * 5 + 6);
}

// On the works' staff panel a box is where the player types: the counts the
// player only reads stand on the paper, with nothing right of them up to the
// card's edge and nothing over or under them before the next row.
TEST_F(PictureRules, TheWorksShowsItsReadOnlyCountsWithoutABox) {
    const Picture& p = Get(p_GAME_FACTORY);
    for (const i32 text : {TEXT_FREE_TECHNICIANS, TEXT_REGION_TECHNICIANS, TEXT_FREE_SALESMEN, TEXT_REGION_SALESMEN}) {
        const Rect ink = FigureInk(TextAt(text), 4);
        const i32 middle = (ink.Top + ink.Bottom) / 2;
        EXPECT_EQ(Cross(p, {ink.Right + 1, middle}, 1, 0).At.X, 787) << "text " << text;
        for (i32 x = ink.Left; x <= ink.Right; ++x) {
            EXPECT_FALSE(Differs(p.At(x, ink.Top - 4), kPaper)) << "text " << text << " x " << x;
            EXPECT_FALSE(Differs(p.At(x, ink.Bottom + 4), kPaper)) << "text " << text << " x " << x;
        }
    }
    // The field the number to post is typed in keeps its box.
    const Rect typed = FigureInk(TextAt(TEXT_TYPED_TECHNICIANS), 4);
    EXPECT_EQ(Cross(p, {typed.Right + 1, (typed.Top + typed.Bottom) / 2}, 1, 0).At.X, 736);
}

// Close and back stand in one place on all four reports; the item lists'
// install and back are as tall as the part lists' and stand apart inside
// their areas; the personnel sheet's buttons stand level across its columns.
TEST_F(PictureRules, ButtonsOfLikeScreensStandAlike) {
    const i32 reports[4][2] = {{p_PopUp_Office_statistics_month_report, CTRL_MONTH_REPORT_BACK},
                               {p_PopUp_Office_statistics_profit_report, CTRL_PROFIT_REPORT_BACK},
                               {p_PopUp_Office_statistics_model_report, CTRL_MODEL_REPORT_BACK},
                               {p_PopUp_Office_statistics_research_report, CTRL_RESEARCH_REPORT_BACK}};
    const Extent firstBack = DrawnWithin(reports[0][0], ControlAt(reports[0][1]).Box);
    const Extent firstClose = DrawnWithin(reports[0][0], ControlAt(CTRL_OFFICE_CLOSE).Box);
    for (const auto& r : reports) {
        const Extent back = DrawnWithin(r[0], ControlAt(r[1]).Box);
        const Extent close = DrawnWithin(r[0], ControlAt(CTRL_OFFICE_CLOSE).Box);
        EXPECT_EQ(back.Left, firstBack.Left) << PictureName(r[0]);
        EXPECT_EQ(back.Top, firstBack.Top) << PictureName(r[0]);
        EXPECT_EQ(back.Right, firstBack.Right) << PictureName(r[0]);
        EXPECT_EQ(close.Left, firstClose.Left) << PictureName(r[0]);
        EXPECT_EQ(close.Top, firstClose.Top) << PictureName(r[0]);
    }

    const Extent partsInstall = DrawnWithin(p_PopUp_Design_brakes_parts, ControlAt(CTRL_PARTS_INSTALL).Box);
    for (const i32 picture : {p_PopUp_Design_luxury_parts, p_PopUp_Design_safety_parts}) {
        const Rect installArea = ControlAt(CTRL_ITEMS_INSTALL).Box;
        const Rect backArea = ControlAt(CTRL_ITEMS_BACK).Box;
        // Install is tested first where the two areas overlap.
        const Rect backOnly{installArea.Right + 1, backArea.Top, backArea.Right, backArea.Bottom};
        const Extent install = DrawnWithin(picture, {installArea.Left, installArea.Top, installArea.Right, installArea.Bottom});
        const Extent back = DrawnWithin(picture, backOnly);
        EXPECT_EQ(install.Height(), partsInstall.Height()) << PictureName(picture);
        EXPECT_EQ(back.Height(), partsInstall.Height()) << PictureName(picture);
        EXPECT_EQ(install.Width(), back.Width()) << PictureName(picture);
        EXPECT_GE(back.Left - install.Right, 4) << PictureName(picture) << ": install touches back";
    }

    for (i32 row = 0; row < 2; ++row) {
        const Extent first = DrawnWithin(p_PopUp_Personnel, ControlAt(CTRL_STAFF_BUTTON_1 + row).Box);
        ASSERT_GT(first.Height(), 10);
        for (i32 k = 1; k < 3; ++k) {
            const Extent b = DrawnWithin(p_PopUp_Personnel, ControlAt(CTRL_STAFF_BUTTON_1 + 2 * k + row).Box);
            EXPECT_EQ(b.Top, first.Top) << "column " << k << " row " << row;
            EXPECT_EQ(b.Bottom, first.Bottom) << "column " << k << " row " << row;
        }
    }
}

}  // namespace
