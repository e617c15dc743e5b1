// Rules every screen and form picture keeps, checked on the generated files:
// a room's exit plate stands inside the area that leaves the room, figures
// keep a margin from the boxes drawn round them, and the buttons of like
// screens stand alike and inside their click areas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

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
        const TextAnchor& a = TextAt(f.Text);
        // Where the digits of the font put ink inside a cell.
        Extent ink;
        for (char d = '0'; d <= '9'; ++d) {
            const Picture& g = Get(GlyphPicture(a.Font, d));
            const Extent e = InkWithin(g, 0, 0, g.Width - 1, g.Height - 1, g.At(0, 0));
            ink = {std::min(ink.Left, e.Left), std::min(ink.Top, e.Top), std::max(ink.Right, e.Right),
                   std::max(ink.Bottom, e.Bottom)};
        }
        const i32 first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (f.Cells - 1);
        const i32 last = a.Align == ALIGN_LEFT ? a.X + a.Step * (f.Cells - 1) : a.X;
        const Rect margin{first + ink.Left - 2, a.Y + ink.Top - 1, last + ink.Right + 2, a.Y + ink.Bottom + 1};
        const Picture& p = Get(f.Picture);
        const Point o = Origin(f.Picture);
        const Extent border = InkWithin(p, margin.Left - o.X, margin.Top - o.Y, margin.Right - o.X,
                                        margin.Bottom - o.Y, kPaper);
        EXPECT_LT(border.Right, 0) << PictureName(f.Picture) << " text " << f.Text << ": something at x "
                                   << border.Left + o.X << ".." << border.Right + o.X << ", y " << border.Top + o.Y
                                   << ".." << border.Bottom + o.Y;
    }
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
