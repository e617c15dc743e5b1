#include <gtest/gtest.h>

#include <cstring>

#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"

namespace {

i32 HotItemAt(i32 screen, i32 x, i32 y) {
    i32 item = HOT_NONE;
    const HoverAreaList areas = HoverAreas(screen);
    for (i32 i = 0; i < areas.Count; ++i)
        if (areas.First[i].Box.Contains(x, y)) item = areas.First[i].HotItem;
    return item;
}

}  // namespace

TEST(Layout, RectanglesAreInclusiveOnAllSides) {
    const Rect r = ControlAt(CTRL_BACK).Box;
    EXPECT_TRUE(r.Contains(21, 549));
    EXPECT_TRUE(r.Contains(86, 597));
    EXPECT_FALSE(r.Contains(87, 597));
    EXPECT_FALSE(r.Contains(21, 548));
    EXPECT_EQ(r.Width(), 66);
    EXPECT_TRUE(kWholeWindow.Contains(800, 600));
    EXPECT_FALSE(kWholeWindow.Contains(801, 0));
}

TEST(Layout, HoverAreasLetTheLastHitWin) {
    EXPECT_EQ(HotItemAt(SCREEN_GAME_MAIN, 350, 300), HOT_NONE);        // the hole
    EXPECT_EQ(HotItemAt(SCREEN_GAME_MAIN, 200, 206), HOT_DESIGN);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_MAIN, 100, 206), HOT_RESEARCH);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_MAIN, 600, 300), HOT_OFFICE);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_MAIN, 790, 300), HOT_FACTORY);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_RESEARCH, 550, 370), HOT_SAFETY);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_RESEARCH, 500, 140), HOT_EXPAND_RESEARCH);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_OFFICE, 590, 360), HOT_BANK);
    EXPECT_EQ(HotItemAt(SCREEN_GAME_ADVERTISING, 20, 100), HOT_EXIT);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_MAIN).Count, 10);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_OFFICE).Count, 5);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_ADVERTISING).Count, 6);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_RESEARCH).Count, 10);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_DESIGN).Count, 0);
    EXPECT_EQ(HoverAreas(SCREEN_GAME_DESIGN).First, nullptr);
}

TEST(Layout, RowFamiliesStepAsTheScreensDo) {
    EXPECT_EQ(ControlAt(CTRL_LOAD_SLOT_1 + 3).Box.Top, 336);
    EXPECT_EQ(ControlAt(CTRL_PART_ROW_1 + 9).Box.Top, 435);
    EXPECT_EQ(ControlAt(CTRL_PART_ROW_1 + 9).Box.Bottom, 475);
    EXPECT_EQ(ControlAt(CTRL_BROWSE_ROW_1).Box.Top, 176);
    EXPECT_EQ(ControlAt(CTRL_BROWSE_ROW_1 + 1).Box.Top, 198);
    EXPECT_EQ(ControlAt(CTRL_BROWSE_ROW_LAST).Box.Bottom, 376);
    EXPECT_EQ(ControlAt(CTRL_ADVERT_AMOUNT_1 + 5).Box.Top, 406);
    EXPECT_EQ(ControlAt(CTRL_STAFF_BUTTON_1 + 5).Box.Top, 247);   // fire technicians
    EXPECT_EQ(ControlAt(CTRL_STAFF_FIELD_1 + 5).Box.Top, 246);
    const Control& arrow = ControlAt(DestinationArrow(3, 2, true));
    EXPECT_EQ(arrow.Box.Left, 329);
    EXPECT_EQ(arrow.Box.Top, 340);
    EXPECT_EQ(DestinationArrow(5, 2, true), CTRL_DESTINATION_LAST);
    EXPECT_EQ(ControlAt(CTRL_BACK).ScreenLast, SCREEN_GAME_NEXT_MONTH);
    EXPECT_EQ(ControlAt(CTRL_ADVERT_PLUS_1).PopupLast, POPUP_BILLBOARD);
}

TEST(Layout, FramesAndPopupsStandWhereThePaintersPutThem) {
    const Placement slot4 = FocusFrame(FOCUS_SLOT_4);
    EXPECT_EQ(slot4.Picture, p_MENU_chosen_slot);
    EXPECT_EQ(slot4.Y, 337);
    EXPECT_EQ(FocusFrame(FOCUS_TECHNICIANS_FIRE).Y, 247);
    EXPECT_EQ(FocusFrame(FOCUS_SALESMEN_FIRE).Y, 246);
    EXPECT_EQ(FocusFrame(FOCUS_TECHNICIANS_WAGE).X, 602);
    EXPECT_EQ(FocusFrame(FOCUS_BROWSE_MODEL_1).Y, 173);
    EXPECT_EQ(FocusFrame(FOCUS_BROWSE_MODEL_2).Y, 195);
    EXPECT_EQ(FocusFrame(FOCUS_BROWSE_MODEL_10).Y, 355);
    EXPECT_EQ(FocusFrame(FOCUS_PART_ROW_10).Y, 434);
    EXPECT_EQ(FocusFrame(FOCUS_PRICE_ROW_3).Y, 328);
    EXPECT_EQ(FocusFrame(FOCUS_ADVERT_ROW_6).Y, 406);
    EXPECT_EQ(FocusFrame(FOCUS_NONE).Picture, kNoPicture);
    EXPECT_EQ(FocusFrame(52).Picture, kNoPicture);
    for (i32 f = FOCUS_SLOT_1; f <= FOCUS_PLAYER_NAME; ++f) EXPECT_NE(FocusFrame(f).Picture, kNoPicture) << f;

    EXPECT_EQ(PopupPlacement(POPUP_RADIO).X, 241);
    EXPECT_EQ(PopupPlacement(POPUP_EXPAND_RESEARCH).Y, 175);
    EXPECT_EQ(PopupPlacement(POPUP_PERSONNEL).X, 100);
    EXPECT_EQ(PopupPlacement(POPUP_ADD_PARTS).X, 284);
    EXPECT_EQ(PopupPlacement(POPUP_SAFETY_PARTS).Y, 15);
    EXPECT_EQ(PopupPlacement(POPUP_BROWSE_MODELS).Y, 163);
    EXPECT_EQ(PopupPlacement(POPUP_STATISTICS).X, 321);
    EXPECT_EQ(PopupPlacement(POPUP_RESEARCH_REPORT).Picture, p_PopUp_Office_statistics_research_report);
    EXPECT_EQ(PopupPlacement(POPUP_MONTH_REPORT).X, 0);
    EXPECT_EQ(PopupPlacement(POPUP_NONE).Picture, kNoPicture);
    EXPECT_EQ(MenuButton(SCREEN_MENU_GAME, 1).Picture, p_MENU_button_save_on);
    EXPECT_EQ(MenuButton(SCREEN_MENU, 3).Y, 384);
    EXPECT_EQ(ResearchBarSegmentAt(POPUP_RESEARCH_BODY, 1).X, 309);
    EXPECT_EQ(ResearchBarSegmentAt(POPUP_RESEARCH_ENGINE, 99).Y, 255);
    EXPECT_EQ(ReportBarY(10), 58);
}

TEST(Layout, EveryTextFitsOnTheScreen) {
    for (i32 id = 0; id < kTextCount; ++id) {
        const TextAnchor& a = TextAt(id);
        const GlyphCell cell = FontCell(a.Font);
        const i32 cells = a.Cells > 0 ? a.Cells : 17;   // longest word drawn: "hundred thousands"
        i32 first = a.Align == ALIGN_LEFT ? a.X : a.X - a.Step * (cells - 1);
        i32 last = a.Align == ALIGN_LEFT ? a.X + a.Step * (cells - 1) : a.X;
        if (a.Cells == 0 && a.X == 0) first = last = 300;   // placed by its word table
        if (a.Axis == 'y') {
            EXPECT_LE(a.Y + a.Step * (cells - 1) + cell.Height, 600) << id;
        } else {
            EXPECT_GE(first, 0) << id;
            EXPECT_LE(last + cell.Width, 800) << id;
            EXPECT_LE(a.Y + cell.Height, 600) << id;
        }
    }
}

TEST(Layout, WordsStandWhereTheirScreensDrawThem) {
    EXPECT_STREQ(Caption(HOT_EXPAND_RESEARCH).Text, "expand research");
    EXPECT_EQ(Caption(HOT_EXPAND_RESEARCH).X, 315);
    EXPECT_STREQ(Caption(HOT_NONE).Text, "");
    EXPECT_STREQ(Caption(CAPTION_NONE).Text, "");
    // Captions are centred on x 397 within half a pixel.
    for (i32 item = HOT_OFFICE; item <= HOT_STATISTICS; ++item) {
        const PlacedWord w = Caption(item);
        const double centre = w.X + 5.5 * static_cast<double>(std::strlen(w.Text));
        EXPECT_NEAR(centre, 397.0, 0.5) << w.Text;
    }
    EXPECT_EQ(HomeRegionWord(REGION_ASIA).X, 370);
    EXPECT_STREQ(MapRegionWord(REGION_SOUTH_AMERICA).Text, "s.america");
    EXPECT_STREQ(FactoryRegionWord(REGION_SOUTH_AMERICA).Text, "s america");
    EXPECT_EQ(FactoryRegionWord(REGION_AFRICA).X, 365);
    EXPECT_STREQ(HomeRegionWord(0).Text, "");
    EXPECT_EQ(BodyTypeName(BODY_RACE_CAR).X, 373);
    EXPECT_STREQ(SuspensionVariantWord(2).Text, "medium");
    EXPECT_STREQ(BrakesVariantWord(0).Text, "");
    EXPECT_EQ(EngineMarkerX(5), 334);
    EXPECT_STREQ(MonthName(9), "september");
    EXPECT_STREQ(MonthName(13), "");
    EXPECT_STREQ(ProfitUnitLabel(100000), "hundred thousands");
    EXPECT_STREQ(ProfitUnitLabel(0), "");
    EXPECT_EQ(TextAt(TEXT_STAFF_FIRE_1 + 2).Y, 251);
    EXPECT_EQ(TextAt(TEXT_LINE_DESTINATION_1 + 9).Y, 446);
    EXPECT_EQ(TextAt(TEXT_PROFIT_UNIT).Axis, 'y');
}
