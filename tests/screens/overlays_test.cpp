// Save-slot rows, the footer's month, popup pictures, the description
// strip and the highlight frames.

#include <string>

#include "saves/saved_game_support.h"
#include "screens/screen_test.h"

namespace {

using Overlays = ScreenTest;

}  // namespace

TEST_F(Overlays, SaveSlotRowsAreReadFromTheSlotFilesAtEveryPaint) {
    GameFolder folder;
    WriteFile("Data/Saves/slot1.sav", saves_test::StampFields("11", "5", "7", "0", "9"));
    WriteFile("Data/Saves/slot2.sav", saves_test::StampFields("123", "-3", "99", "23", "59"));
    Paint::DrawSaveSlots(canvas());
    // 123 keeps its first two digits; -3 shows a zero and its minus.
    // Empty slots still show a row, from the zeros their stamps read.
    ExpectCells({{322, 247, 11, FONT_DCHAR, "05/11/07 00:09"}, {322, 279, 11, FONT_DCHAR, "0-/12/99"},
                 {322, 311, 11, FONT_DCHAR, "00/00/00 00:00"}, {322, 343, 11, FONT_DCHAR, "00/00/00 00:00"}});
    EXPECT_EQ(MainObj.SlotEmpty[0], 0);
    EXPECT_EQ(MainObj.SlotEmpty[2], 1);

    // A save made meanwhile shows at the next paint of the load screen.
    WriteFile("Data/Saves/slot3.sav", saves_test::StampFields("2", "28", "26", "14", "30"));
    Show(SCREEN_MENU_LOAD);
    ExpectCells({{322, 311, 11, FONT_DCHAR, "28/02/26 14:30"}});
    EXPECT_EQ(MainObj.SlotEmpty[2], 0);
}

TEST_F(Overlays, FooterMonthNameOnlyForMonthsOneToTwelve) {
    PlayerObj.Month = 9;
    Paint::DrawMenuMonth(canvas());
    ExpectCells({{125, 549, 7, FONT_LCHAR, "september "}});

    platform::FillCanvas(canvas(), kUntouched);
    for (const i32 month : {0, 13, -1}) {
        PlayerObj.Month = month;
        Paint::DrawMenuMonth(canvas());
    }
    ExpectCells({{125, 549, 7, FONT_LCHAR, "         "}});
}

TEST_F(Overlays, PopupsStandAtTheirScreensOriginOrTheirOwnPlace) {
    const struct {
        i32 Screen, Popup, Picture, X, Y;
    } cases[] = {
        {SCREEN_GAME_OFFICE, POPUP_BANK, p_PopUp_Bank, 100, 120},
        {SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH, p_PopUp_Expand_research, 276, 175},
        {SCREEN_GAME_DESIGN, POPUP_ADD_PARTS, p_PopUp_Design_add_parts, 284, 163},
        {SCREEN_GAME_OFFICE, POPUP_MONTH_REPORT, p_PopUp_Office_statistics_month_report, 0, 0},
    };
    for (const auto& c : cases) {
        platform::FillCanvas(canvas(), kUntouched);
        Mark(c.Picture, 0x123456);
        MainObj.Screen = c.Screen;
        MainObj.Popup = c.Popup;
        Paint::DrawPopUp(canvas());
        EXPECT_EQ(At(c.X, c.Y), 0x123456u) << "popup " << c.Popup;
        EXPECT_EQ(At(c.X + 2, c.Y + 2), kUntouched) << "popup " << c.Popup;
    }
    // A popup without an origin on its screen, or none at all, draws nothing.
    platform::FillCanvas(canvas(), kUntouched);
    for (const i32 screen : {SCREEN_GAME_FACTORY, SCREEN_GAME_MAIN, SCREEN_MENU}) {
        MainObj.Screen = screen;
        MainObj.Popup = POPUP_BANK;
        Paint::DrawPopUp(canvas());
    }
    for (const i32 popup : {i32{POPUP_NONE}, 29, -1}) {
        MainObj.Popup = popup;
        Paint::DrawPopUp(canvas());
    }
    ExpectDots({{100, 120, kUntouched}, {0, 0, kUntouched}});
}

TEST_F(Overlays, DescriptionStripShowsTheHoverCaptionAndPointer) {
    constexpr platform::Pixel kStrip = 0x224466;
    SetPhoto(p_GAME_description_clean, 269, 26, kStrip);

    // Without a hover pointer (its file missing), a caption leaves the
    // pointer shown as it is.
    constexpr i32 kShown = 5;
    window->pointerShown = kShown;
    MainObj.HotItem = HOT_BANK;
    Paint::DrawDescription(canvas());
    EXPECT_EQ(window->pointerShown, kShown);
    platform::FillCanvas(canvas(), kUntouched);
    window->pointerShown = 0;
    cursoron.id = 77;

    // The caption shown already: nothing is drawn, not even the blank strip.
    MainObj.HotItem = HOT_BANK;
    MainObj.ShownCaption = HOT_BANK;
    Paint::DrawDescription(canvas());
    EXPECT_EQ(At(263, 562), kUntouched);
    EXPECT_EQ(window->pointerShown, 0);

    MainObj.HotItem = HOT_EXPAND_RESEARCH;
    Paint::DrawDescription(canvas());
    ExpectCells({{315, 567, 11, FONT_DCHAR, "expand#research"}});
    ExpectDots({{263, 562, kStrip}, {315 + 6 * 11, 567, kStrip}});   // the space leaves the strip
    EXPECT_EQ(MainObj.ShownCaption, HOT_EXPAND_RESEARCH);
    EXPECT_EQ(window->pointerShown, 77);

    // Nothing under the pointer: blanked at every paint, nothing remembered.
    window->pointerShown = 0;
    MainObj.HotItem = HOT_NONE;
    MainObj.ShownCaption = CAPTION_NONE;
    for (int paint = 0; paint < 2; ++paint) {
        window->canvas.pixels[567][315] = kUntouched;
        Paint::DrawDescription(canvas());
        EXPECT_EQ(At(315, 567), kStrip);
        EXPECT_EQ(MainObj.ShownCaption, CAPTION_NONE);
    }
    EXPECT_EQ(window->pointerShown, 0);
    cursoron.id = 0;
}

TEST_F(Overlays, HighlightFrameOfTheFocusOnly) {
    Mark(p_MENU_chosen_slot, 0x010203);
    MainObj.Focus = FOCUS_SLOT_4;
    Paint::DrawFocusFrame(canvas());
    EXPECT_EQ(At(318, 337), 0x010203u);   // one pixel below the 32-pixel step
    platform::FillCanvas(canvas(), kUntouched);
    for (const i32 focus : {i32{FOCUS_NONE}, 52, -4}) {
        MainObj.Focus = focus;
        Paint::DrawFocusFrame(canvas());
    }
    EXPECT_EQ(At(318, 240), kUntouched);
}

TEST_F(Overlays, ExactlyOneFactoryFieldCarriesAFrame) {
    constexpr platform::Pixel kPriceFrame = 0x0000F1, kWorkersFrame = 0x0000F2;
    constexpr platform::Pixel kPriceClean = 0x0000C1, kWorkersClean = 0x0000C2;
    Mark(p_GAME_factory_price_chosen, kPriceFrame);
    Mark(p_GAME_factory_workers_chosen, kWorkersFrame);
    Mark(p_GAME_factory_price_clean, kPriceClean);
    Mark(p_GAME_factory_workers_clean, kWorkersClean);
    const i32 priceY[kProductionLines] = {230, 279, 328, 378, 430};
    const i32 workersY[2] = {150, 337};

    // The five price fields and the two staff fields: a frame on the focused
    // one, the clean patch on the others; no other focus touches them.
    const struct { i32 focus; platform::Pixel price[kProductionLines], workers[2]; } cases[] = {
        {FOCUS_PRICE_ROW_3, {kPriceClean, kPriceClean, kPriceFrame, kPriceClean, kPriceClean},
         {kWorkersClean, kWorkersClean}},
        {FOCUS_FACTORY_SALESMEN, {kPriceClean, kPriceClean, kPriceClean, kPriceClean, kPriceClean},
         {kWorkersClean, kWorkersFrame}},
        {FOCUS_MODEL_NAME, {kUntouched, kUntouched, kUntouched, kUntouched, kUntouched}, {kUntouched, kUntouched}},
    };
    for (const auto& c : cases) {
        platform::FillCanvas(canvas(), kUntouched);
        MainObj.Focus = c.focus;
        Paint::DrawFocusFrame(canvas());
        for (i32 line = 0; line < kProductionLines; ++line) EXPECT_EQ(At(170, priceY[line]), c.price[line]) << c.focus;
        for (i32 k = 0; k < 2; ++k) EXPECT_EQ(At(660, workersY[k]), c.workers[k]) << c.focus;
    }
}
