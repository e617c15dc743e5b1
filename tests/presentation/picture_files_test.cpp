// Checks the picture files the build generates into Data/Img: every file of
// the catalogue is a JPEG of its size, and the pictures that must blend into
// others (clean patches, glyph backgrounds) match what lies beneath them.
// The car pieces have their own checks (car_pictures_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "presentation/fonts.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"
#include "support/decoded_pictures.h"
#include "support/game_folder.h"

namespace {

class PictureFiles : public DecodedPictures {
protected:
    // Largest and mean channel difference between a patch and the picture
    // beneath it at (x, y). Both went through JPEG on different block grids,
    // so a few levels of difference are expected at edges.
    static void ExpectMatches(i32 patch, i32 beneath, i32 x, i32 y) {
        const Picture& p = Get(patch);
        const Picture& b = Get(beneath);
        ASSERT_GT(p.Width, 0);
        ASSERT_LE(x + p.Width, b.Width);
        ASSERT_LE(y + p.Height, b.Height);
        int worst = 0;
        long total = 0;
        for (i32 py = 0; py < p.Height; ++py)
            for (i32 px = 0; px < p.Width; ++px)
                for (int ch = 0; ch < 3; ++ch) {
                    const int d = std::abs(p.At(px, py)[ch] - b.At(x + px, y + py)[ch]);
                    worst = std::max(worst, d);
                    total += d;
                }
        EXPECT_LE(worst, 10) << PictureName(patch) << " over " << PictureName(beneath);
        EXPECT_LE(total, static_cast<long>(p.Width * p.Height * 3)) << PictureName(patch) << " over " << PictureName(beneath);
    }
};

TEST_F(PictureFiles, EveryPictureIsAJpegOfItsSize) {
    for (i32 id = 0; id < kPictureCount; ++id) {
        const Picture& p = Get(id);
        const PictureSize expected = SizeOfPicture(id);
        EXPECT_EQ(p.Width, expected.Width) << PicturePath(id);
        EXPECT_EQ(p.Height, expected.Height) << PicturePath(id);
    }
    EXPECT_EQ(SizeOfPicture(p_GAME_OVER).Width, 800);
    EXPECT_EQ(SizeOfPicture(p_GAME_OVER).Height, 600);
    const GlyphCell cell = FontCell(FONT_DSCHAR);
    EXPECT_EQ(Get(GlyphPicture(FONT_DSCHAR, 'w')).Width, cell.Width);
    EXPECT_EQ(Get(GlyphPicture(FONT_DSCHAR, 'w')).Height, cell.Height);
}

TEST_F(PictureFiles, CleanPatchesMatchTheBackgroundBeneath) {
    for (const i32 screen : {p_GAME_OFFICE, p_GAME_ADVERTISING, p_GAME_ADVERTISING2, p_GAME_RESEARCH})
        ExpectMatches(p_GAME_money_clean, screen, kMoneyCleanAt.X, kMoneyCleanAt.Y);
    for (const i32 screen : {p_GAME_MAIN, p_GAME_OFFICE, p_GAME_ADVERTISING, p_GAME_ADVERTISING2, p_GAME_RESEARCH,
                             p_GAME_DESIGN, p_GAME_FACTORY})
        ExpectMatches(p_GAME_description_clean, screen, kDescriptionCleanAt.X, kDescriptionCleanAt.Y);
    ExpectMatches(p_GAME_design_clean_carnr, p_GAME_DESIGN, kCarNumberCleanAt.X, kCarNumberCleanAt.Y);
    for (const Point at : kPriceFieldAt) ExpectMatches(p_GAME_factory_price_clean, p_GAME_FACTORY, at.X, at.Y);
    for (const Point at : kWorkersFieldAt) ExpectMatches(p_GAME_factory_workers_clean, p_GAME_FACTORY, at.X, at.Y);
}

TEST_F(PictureFiles, FramesAndPatchesCoverWhatTheyMustErase) {
    // Each frame and patch drawn over a changing text covers every cell of it.
    const auto covers = [](i32 picture, Point at, i32 text) {
        const TextAnchor& a = TextAt(text);
        const GlyphCell cell = FontCell(a.Font);
        const PictureSize s = SizeOfPicture(picture);
        const i32 first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (a.Cells - 1);
        const i32 last = (a.Align == ALIGN_LEFT ? a.X + a.Step * (a.Cells - 1) : a.X) + cell.Width - 1;
        EXPECT_LE(at.X, first) << PictureName(picture);
        EXPECT_GE(at.X + s.Width - 1, last) << PictureName(picture);
        EXPECT_LE(at.Y, a.Y) << PictureName(picture);
        EXPECT_GE(at.Y + s.Height - 1, a.Y + cell.Height - 1) << PictureName(picture);
    };
    covers(p_GAME_money_clean, kMoneyCleanAt, TEXT_MONEY);
    covers(p_GAME_design_clean_carnr, kCarNumberCleanAt, TEXT_DESIGN_SLOT);
    covers(p_GAME_design_chosen, {21, 163}, TEXT_MODEL_NAME);
    for (i32 k = 0; k < kProductionLines; ++k) {
        covers(p_GAME_factory_price_chosen, kPriceFieldAt[k], TEXT_LINE_PRICE_1 + k);
        covers(p_GAME_factory_price_clean, kPriceFieldAt[k], TEXT_LINE_PRICE_1 + k);
    }
    covers(p_GAME_factory_workers_chosen, kWorkersFieldAt[0], TEXT_TYPED_TECHNICIANS);
    covers(p_GAME_factory_workers_clean, kWorkersFieldAt[1], TEXT_TYPED_SALESMEN);
    // The description patch blanks the widest caption.
    const PlacedWord widest = Caption(HOT_EXPAND_RESEARCH);
    const i32 cells = 15;
    EXPECT_LE(kDescriptionCleanAt.X, widest.X);
    EXPECT_GE(kDescriptionCleanAt.X + SizeOfPicture(p_GAME_description_clean).Width,
              widest.X + 11 * (cells - 1) + FontCell(FONT_DCHAR).Width);
    // The expand patch hides the offer figure.
    covers(p_GAME_research_expand_clean, kExpandCleanAt, TEXT_LAB_OFFER);
}

TEST_F(PictureFiles, GlyphsStandOnTheColourOfTheirSurfaces) {
    // The footer font on the money box, the dialogue font on the caption strip,
    // the report font on the design name field: a glyph's corner must be the
    // colour of the surface it is drawn on.
    const auto same = [](const unsigned char* a, const unsigned char* b) {
        for (int ch = 0; ch < 3; ++ch)
            if (std::abs(a[ch] - b[ch]) > 4) return false;
        return true;
    };
    const Picture& money = Get(p_GAME_money_clean);
    const Picture& strip = Get(p_GAME_description_clean);
    for (const char c : {'a', 'm', '0', '9'}) {
        const Picture& l = Get(GlyphPicture(FONT_LCHAR, c));
        EXPECT_TRUE(same(l.At(0, 0), money.At(50, 12))) << c;
        const Picture& d = Get(GlyphPicture(FONT_DCHAR, c));
        EXPECT_TRUE(same(d.At(0, 0), strip.At(130, 12))) << c;
        EXPECT_TRUE(same(d.At(d.Width - 1, d.Height - 1), strip.At(130, 12))) << c;
        for (const FontId f : {FONT_DSCHAR, FONT_ECHAR, FONT_ESCHAR}) {
            const Picture& g = Get(GlyphPicture(f, c));
            EXPECT_TRUE(same(g.At(0, 0), d.At(0, 0))) << f << c;
        }
    }
    // Popups are paper where their figures go: the bank's balance box.
    const Picture& bank = Get(p_PopUp_Bank);
    const Placement at = PopupPlacement(POPUP_BANK);
    EXPECT_TRUE(same(bank.At(400 - at.X, 265 - at.Y), Get(GlyphPicture(FONT_DSCHAR, 'a')).At(0, 0)));
}

// Every text of the game lands on the paper (or, in the footer, the display
// face) its font's glyphs are drawn on: the corners of its cells in the
// picture beneath show the glyphs' own background colour.
TEST_F(PictureFiles, EveryTextStandsOnItsFontsSurface) {
    struct Surface {
        i32 FirstText;
        i32 LastText;
        i32 Picture;
    };
    const Surface surfaces[] = {
        {TEXT_YEAR, TEXT_MONTH, p_GAME_MAIN},
        {TEXT_YEAR, TEXT_MONTH, p_GAME_NEXT_MONTH},
        {TEXT_COMPANY_NAME, TEXT_HOME_REGION, p_MENU_NEW},
        {TEXT_MODEL_NAME, TEXT_MODEL_NAME, p_GAME_DESIGN},
        {TEXT_CAPTION, TEXT_CAPTION, p_GAME_FACTORY},
        {TEXT_SLOT_ROW_1, TEXT_SLOT_ROW_LAST, p_MENU_SAVE},
        {TEXT_SLOT_ROW_1, TEXT_SLOT_ROW_LAST, p_MENU_LOAD},
        {TEXT_REPORT_WAGES, TEXT_REPORT_INCOME_TOTAL, p_GAME_NEXT_MONTH},
        {TEXT_REPORT_WAGES, TEXT_REPORT_INCOME_TOTAL, p_PopUp_Office_statistics_month_report},
        {TEXT_PROFIT_UNIT, TEXT_REPORT_COMPANY_LAST, p_PopUp_Office_statistics_profit_report},
        {TEXT_REPORT_COMPANY_1, TEXT_REPORT_COMPANY_LAST, p_PopUp_Office_statistics_research_report},
        {TEXT_MODEL_REPORT_NAME_1, TEXT_MODEL_REPORT_STOCK_LAST, p_PopUp_Office_statistics_model_report},
        {TEXT_MAP_REGION, TEXT_MAP_SALON_PRICE, p_PopUp_Map},
        {TEXT_BANK_DEPOSIT_AMOUNT, TEXT_BANK_MONTHS_LEFT, p_PopUp_Bank},
        {TEXT_STAFF_HIRE_1, TEXT_STAFF_TOTAL_COUNT, p_PopUp_Personnel},
        {TEXT_ADVERT_MONTHS_1, TEXT_ADVERT_AMOUNT_LAST, p_PopUp_Television},
        {TEXT_AREA_SCIENTISTS, TEXT_AREA_PART_LAST, p_PopUp_Suspension},
        {TEXT_BODY_TYPE_PRICE, TEXT_BODY_TYPE_PRICE, p_PopUp_Body_types},
        {TEXT_LAB_CAPACITY, TEXT_LAB_OFFER, p_PopUp_Expand_research},
        {TEXT_PART_NAME_1, TEXT_VARIANT, p_PopUp_Design_brakes_parts},
        {TEXT_DESIGN_SLOT, TEXT_DESIGN_BODY, p_GAME_DESIGN},
        {TEXT_FACTORY_TITLE, TEXT_LINE_DESTINATION_LAST, p_GAME_FACTORY},
        {TEXT_BROWSE_NAME_1, TEXT_BROWSE_NAME_LAST, p_PopUp_Factory_browse_models},
    };
    // Where a word table places a word: the first word of each table.
    const auto wordX = [](i32 text) {
        switch (text) {
        case TEXT_HOME_REGION: return HomeRegionWord(REGION_AUSTRALIA).X;
        case TEXT_CAPTION: return Caption(HOT_EXPAND_RESEARCH).X;
        case TEXT_MAP_REGION: return MapRegionWord(REGION_AUSTRALIA).X;
        case TEXT_VARIANT: return BrakesVariantWord(1).X;
        case TEXT_DESIGN_BODY: return BodyTypeName(BODY_PICK_UP_TRUCK).X;
        case TEXT_FACTORY_TITLE: return FactoryRegionWord(REGION_AUSTRALIA).X;
        default: return 0;
        }
    };
    for (const Surface& s : surfaces) {
        const Picture& picture = Get(s.Picture);
        i32 originX = 0;
        i32 originY = 0;
        for (i32 popup = POPUP_AUTO_SHOW; popup <= POPUP_RESEARCH_REPORT; ++popup)
            if (PopupPicture(popup) == s.Picture) {
                originX = PopupPlacement(popup).X;
                originY = PopupPlacement(popup).Y;
            }
        for (i32 text = s.FirstText; text <= s.LastText; ++text) {
            const TextAnchor& a = TextAt(text);
            const GlyphCell cell = FontCell(a.Font);
            const Picture& glyph = Get(GlyphPicture(a.Font, 'a'));
            const i32 cells = a.Cells > 0 ? a.Cells : 4;
            const i32 x0 = a.X == 0 && a.Cells == 0 ? wordX(text) : a.X;
            for (i32 k = 0; k < cells; ++k) {
                const i32 step = a.Align == ALIGN_LEFT ? a.Step * k : -a.Step * k;
                const i32 cx = (a.Axis == 'x' ? x0 + step : x0) - originX;
                const i32 cy = (a.Axis == 'y' ? a.Y + step : a.Y) - originY;
                for (const i32 dx : {0, cell.Width - 1})
                    for (const i32 dy : {0, cell.Height - 1}) {
                        ASSERT_GE(cx + dx, 0) << text;
                        ASSERT_LT(cx + dx, picture.Width) << text;
                        ASSERT_LT(cy + dy, picture.Height) << text;
                        const unsigned char* under = picture.At(cx + dx, cy + dy);
                        const unsigned char* paper = glyph.At(0, 0);
                        int worst = 0;
                        for (int ch = 0; ch < 3; ++ch) worst = std::max(worst, std::abs(under[ch] - paper[ch]));
                        EXPECT_LE(worst, 12) << PictureName(s.Picture) << " text " << text << " cell " << k
                                             << " at " << cx + dx + originX << "," << cy + dy + originY;
                    }
            }
        }
    }
}

}  // namespace

// The menu's four buttons are drawn one height, evenly spaced and inside
// their click areas, although their pictures and areas are of two heights.
TEST_F(PictureFiles, MenuButtonsShareOneHeightAndEvenGaps) {
    for (const i32 screen : {SCREEN_MENU, SCREEN_MENU_GAME}) {
        const i32 controls[2][4] = {{CTRL_MENU_NEW, CTRL_MENU_SAVE, CTRL_MENU_LOAD, CTRL_MENU_QUIT},
                                    {CTRL_MENU_CONTINUE, CTRL_MENU_SAVE, CTRL_MENU_LOAD_IN_GAME, CTRL_MENU_MAIN_MENU}};
        std::vector<Extent> drawn;
        for (i32 slot = 0; slot < 4; ++slot) {
            const Placement at = MenuButton(screen, slot);
            const Picture& p = Get(at.Picture);
            Extent e = InkWithin(p, 0, 0, p.Width - 1, p.Height - 1, p.At(0, 0));
            ASSERT_GT(e.Height(), 0) << PictureName(at.Picture);
            e.Top += at.Y;
            e.Bottom += at.Y;
            const Rect area = ControlAt(controls[screen == SCREEN_MENU ? 0 : 1][slot]).Box;
            EXPECT_GE(e.Top, area.Top) << PictureName(at.Picture);
            EXPECT_LE(e.Bottom, area.Bottom) << PictureName(at.Picture);
            drawn.push_back(e);
        }
        for (i32 slot = 1; slot < 4; ++slot) {
            EXPECT_EQ(drawn[slot].Height(), drawn[0].Height()) << slot;
            EXPECT_EQ(drawn[slot].Top - drawn[slot - 1].Top, drawn[1].Top - drawn[0].Top) << slot;
        }
    }
}

// Close and back of every report are one size; the footer's month, year and
// money boxes stand on one line and its action button stays on the screen.
TEST_F(PictureFiles, ReportButtonsAndFooterBoxesLineUp) {
    const i32 reports[4][2] = {{p_PopUp_Office_statistics_month_report, CTRL_MONTH_REPORT_BACK},
                               {p_PopUp_Office_statistics_profit_report, CTRL_PROFIT_REPORT_BACK},
                               {p_PopUp_Office_statistics_model_report, CTRL_MODEL_REPORT_BACK},
                               {p_PopUp_Office_statistics_research_report, CTRL_RESEARCH_REPORT_BACK}};
    for (const auto& r : reports) {
        const Picture& p = Get(r[0]);
        const Rect close = ControlAt(CTRL_OFFICE_CLOSE).Box;
        const Rect back = ControlAt(r[1]).Box;
        const Extent c = InkWithin(p, close.Left, close.Top, close.Right, close.Bottom, p.At(close.Left, close.Top - 4));
        const Extent b = InkWithin(p, back.Left, back.Top, back.Right, back.Bottom, p.At(back.Right, back.Bottom));
        EXPECT_EQ(c.Width(), b.Width()) << PictureName(r[0]);
        EXPECT_EQ(c.Height(), b.Height()) << PictureName(r[0]);
    }
    const Picture& main = Get(p_GAME_MAIN);
    const auto boxTop = [&main](i32 x) {
        for (i32 y = 543; y < 560; ++y)
            if (main.At(x, y)[0] < 40 && main.At(x, y)[1] < 40) return y;
        return -1;
    };
    const i32 month = boxTop(TextAt(TEXT_MONTH).X + 10);
    EXPECT_GT(month, 0);
    EXPECT_EQ(boxTop(TextAt(TEXT_YEAR).X + 10), month);
    EXPECT_EQ(boxTop(kMoneyCleanAt.X + 50), month);
    const Rect next = ControlAt(CTRL_NEXT_MONTH).Box;
    const i32 x = (next.Left + next.Right) / 2;
    EXPECT_FALSE(Differs(main.At(x, 599), main.At(next.Left - 4, 599))) << "the next month button runs off the screen";
}

// The small figures font fills its cell: short letters six rows, tall ones
// and figures eight, at least five columns wide; its top row stays paper so
// a list written at the cell's height keeps its lines apart.
TEST_F(PictureFiles, SmallFiguresFillTheirCells) {
    const auto ink = [](char c) {
        const Picture& g = Get(GlyphPicture(FONT_DSCHAR, c));
        return InkWithin(g, 0, 0, g.Width - 1, g.Height - 1, g.At(0, 0));
    };
    for (const char c : {'a', 'c', 'e', 'n', 'o', 'r', 's', 'u', 'x', 'z'}) {
        EXPECT_GE(ink(c).Height(), 6) << c;
        EXPECT_GE(ink(c).Width(), 5) << c;
    }
    for (const char c : {'b', 'd', 'h', 'k', '0', '4', '8'}) {
        EXPECT_GE(ink(c).Height(), 8) << c;
        EXPECT_GE(ink(c).Width(), 5) << c;
    }
    for (char c = 'a'; c <= 'z'; ++c) EXPECT_GE(ink(c).Top, 1) << c;
}

// The letters with three stems, m and w, are the widest of a narrow cell:
// across their x-height each stem stands in clean ink between counters of
// clean paper (no grey that melts them into a block), and the cell's outer
// columns stay paper so that they do not run into their neighbours.
TEST_F(PictureFiles, ThreeStemmedLettersKeepOpenCountersInsideTheirCells) {
    const struct { char Font, Letter; i32 Row; } letters[] = {
        {FONT_DCHAR, 'm', 8}, {FONT_LCHAR, 'm', 6}, {FONT_LCHAR, 'w', 7}};
    for (const auto& l : letters) {
        const Picture& g = Get(GlyphPicture(l.Font, l.Letter));
        const unsigned char* paper = g.At(0, 0);
        // How far a pixel lies from the paper, 0..765.
        const auto away = [&](i32 x, i32 y) {
            const unsigned char* c = g.At(x, y);
            return std::abs(c[0] - paper[0]) + std::abs(c[1] - paper[1]) + std::abs(c[2] - paper[2]);
        };
        i32 ink = 0;
        for (i32 x = 0; x < g.Width; ++x) ink = std::max(ink, away(x, l.Row));
        ASSERT_GT(ink, 200) << l.Font << l.Letter;
        i32 stems = 0;
        bool inStem = false;
        for (i32 x = 0; x < g.Width; ++x) {
            const i32 a = away(x, l.Row);
            EXPECT_TRUE(a < ink / 5 || a > ink * 3 / 5) << l.Font << l.Letter << ": grey at column " << x;
            const bool isInk = a > ink * 3 / 5;
            if (isInk && !inStem) ++stems;
            inStem = isInk;
        }
        EXPECT_EQ(stems, 3) << l.Font << l.Letter;
        for (i32 y = 0; y < g.Height; ++y) {
            EXPECT_LT(away(0, y), ink / 5) << l.Font << l.Letter << " row " << y;
            EXPECT_LT(away(g.Width - 1, y), ink / 5) << l.Font << l.Letter << " row " << y;
        }
    }
}

// A picture file that is missing, or there but empty, fails the test that
// reads it with the file's name, before anything indexes its pixels.
TEST(DecodedPicture, AMissingOrEmptyFileFailsNamingIt) {
    const GameFolder folder{GameFolder::Empty};
    const std::string path = PicturePath(p_MENU);
    for (const bool written : {false, true}) {
        if (written) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            WriteFile(path, "");
        }
        try {
            WithPixels(DecodePicture(p_MENU), p_MENU);
            ADD_FAILURE() << path << (written ? " empty" : " missing") << " and yet readable";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}
