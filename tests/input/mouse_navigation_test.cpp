// Pointer tracking, the main view, the month's end and moving between the
// screens and menus.

#include <cstring>

#include "input/input_fixture.h"
#include "model/records.h"

namespace {

using MouseNavigationTest = InputTest;

// A stored model in slot 1, to see it loaded into the design.
void StoreModelInSlot1() {
    Car& model = PlayerModel(1);
    std::memcpy(model.Name, "roadster      ", 14);
    model.Engine = 2;
    model.BodyType = BODY_TRUCK;
    PlayerCar.SlotUsed[1] = 1;
}

TEST_F(MouseNavigationTest, MainViewAreasHoverAndLeadToTheirScreensAndTheLastHitDecides) {
    StoreModelInSlot1();
    const struct {
        i32 x, y, hot, screen;
    } cases[] = {
        {600, 300, HOT_OFFICE, SCREEN_GAME_OFFICE},     {100, 300, HOT_ADVERTISING, SCREEN_GAME_ADVERTISING},
        {100, 206, HOT_RESEARCH, SCREEN_GAME_RESEARCH}, {40, 300, HOT_RESEARCH, SCREEN_GAME_RESEARCH},
        {188, 150, HOT_DESIGN, SCREEN_GAME_DESIGN},     {200, 206, HOT_DESIGN, SCREEN_GAME_DESIGN},
        {276, 300, HOT_DESIGN, SCREEN_GAME_DESIGN},     {300, 150, HOT_DESIGN, SCREEN_GAME_DESIGN},
        {700, 120, HOT_FACTORY, SCREEN_GAME_FACTORY},   {780, 300, HOT_FACTORY, SCREEN_GAME_FACTORY},
        {700, 100, HOT_FACTORY, SCREEN_GAME_FACTORY},   {350, 337, HOT_NONE, SCREEN_GAME_MAIN},
        {350, 338, HOT_NONE, SCREEN_GAME_MAIN},         {300, 400, HOT_NONE, SCREEN_GAME_MAIN},
        {5, 5, HOT_NONE, SCREEN_GAME_MAIN},             {50, 570, HOT_NONE, SCREEN_MENU_GAME},
    };
    for (const auto& c : cases) {
        Show(SCREEN_GAME_MAIN);
        MainObj.HotItem = 99;
        MainObj.ShownCaption = HOT_OFFICE;
        PlayerCar.Slot = 7;
        std::memset(PlayerCar.Name, ' ', 14);
        platform::ResetRepaintRequestCount();
        Move(c.x, c.y);
        EXPECT_EQ(MainObj.HotItem, c.hot) << c.x << "," << c.y;
        EXPECT_EQ(MainObj.ShownCaption, CAPTION_NONE);
        EXPECT_GT(platform::RepaintRequestCount(), 0);
        PressButton();
        platform::RunMessages(window);
        EXPECT_EQ(MainObj.Screen, c.screen) << c.x << "," << c.y;
        if (c.screen != SCREEN_GAME_DESIGN) continue;
        EXPECT_EQ(PlayerCar.Slot, 1);   // the design shows the first stored model
        EXPECT_EQ(std::memcmp(PlayerCar.Name, "roadster", 8), 0);
    }
    // The hole: the design area acts first, then the main view stays.
    Show(SCREEN_GAME_MAIN);
    PlayerCar.Slot = 4;
    Click(350, 300);
    EXPECT_EQ(MainObj.HotItem, HOT_NONE);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    EXPECT_EQ(PlayerCar.Slot, 1);
    EXPECT_EQ(PlayerCar.Engine, 2);
    // A click on the main view does not go on into the office's block.
    Show(SCREEN_GAME_MAIN);
    Click(600, 320);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    // (800, 600) still lies in the window; (801, 0) does not.
    Move(800, 600);
    EXPECT_EQ(MainObj.HotItem, HOT_NONE);
    MainObj.HotItem = HOT_OFFICE;
    MainObj.ShownCaption = HOT_OFFICE;
    platform::ResetRepaintRequestCount();
    Move(801, 0);
    EXPECT_EQ(MainObj.HotItem, HOT_OFFICE);
    EXPECT_EQ(MainObj.ShownCaption, HOT_OFFICE);
    EXPECT_EQ(platform::RepaintRequestCount(), 0);
    EXPECT_EQ(MouseXY.X, 801);
}

TEST_F(MouseNavigationTest, HoverOnTheOtherScreensOnlyWithoutAPopup) {
    Show(SCREEN_GAME_RESEARCH);
    Move(560, 380);   // luxury and safety overlap: the later area wins
    EXPECT_EQ(MainObj.HotItem, HOT_SAFETY);
    Show(SCREEN_GAME_OFFICE);
    Move(600, 400);
    EXPECT_EQ(MainObj.HotItem, HOT_BANK);
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    platform::ResetRepaintRequestCount();
    Move(120, 200);
    EXPECT_EQ(MainObj.HotItem, HOT_BANK);
    EXPECT_EQ(MouseXY.X, 120);
    EXPECT_EQ(platform::RepaintRequestCount(), 0);
    // The main view hovers whatever the popup field holds.
    MainObj.Popup = POPUP_BANK;
    MainObj.Screen = SCREEN_GAME_MAIN;
    Move(600, 300);
    EXPECT_EQ(MainObj.HotItem, HOT_OFFICE);
    for (i32 screen : {SCREEN_MENU, SCREEN_GAME_DESIGN, SCREEN_GAME_FACTORY, SCREEN_GAME_NEXT_MONTH}) {
        Show(screen);
        platform::ResetRepaintRequestCount();
        Move(600, 300);
        EXPECT_EQ(MainObj.HotItem, HOT_OFFICE) << screen;
        EXPECT_EQ(platform::RepaintRequestCount(), 0) << screen;
    }
}

TEST_F(MouseNavigationTest, AClickIsTestedWhereThePointerLastMoved) {
    Show(SCREEN_GAME_MAIN);
    Move(600, 300);
    PressButton(10, 10);   // the press's own position is not looked at
    platform::RunMessages(window);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OFFICE);

    // Before any move the pointer counts as lying at (0, 0), in no area.
    Show(SCREEN_GAME_MAIN);
    MouseXY = {0, 0};
    PressButton();
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    Move(0, 130);
    PressButton();
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_RESEARCH);
}

TEST_F(MouseNavigationTest, TheMonthsEndAndTheMenus) {
    const Values noGame = {{MainObj.GameInProgress, 0}};
    const Values poorGame = {{PlayerObj.Year, 1908}, {PlayerObj.Month, 1}, {PlayerObj.Cash, 10.0},
                             {PlayerSalesmans.Count, 10}, {PlayerSalesmans.Wage, 90}};
    RunRows(SCREEN_GAME_MAIN, {}, {
        {"next month", POPUP_NONE, {{PlayerObj.Year, 1908}, {PlayerObj.Month, 1}, {PlayerObj.Cash, 100000.0}},
         {Spot(710, 560)}, {{MainObj.Screen, SCREEN_GAME_NEXT_MONTH}, {PlayerObj.Month, 2}}},
        {"a month the money cannot pay", POPUP_NONE, poorGame, {Spot(780, 600)},
         {{MainObj.Screen, SCREEN_GAME_OVER}, {PlayerObj.Cash, 10.0}}},
    });
    RunRows(SCREEN_GAME_NEXT_MONTH, {}, {
        {"elsewhere on the report", POPUP_NONE, {}, {Spot(500, 300)}, {{MainObj.Screen, SCREEN_GAME_NEXT_MONTH}}},
        {"continue", POPUP_NONE, {}, {On(CTRL_MONTH_END_CONTINUE)}, {{MainObj.Screen, SCREEN_GAME_MAIN}}},
    });
    RunRows(SCREEN_GAME_OVER, {}, {
        {"no back button here", POPUP_NONE, {}, {Spot(50, 570)}, {{MainObj.Screen, SCREEN_GAME_OVER}}},
        {"to the menu, the lost game in hand", POPUP_NONE, {}, {Spot(324, 382)},
         {{MainObj.Screen, SCREEN_MENU}, {MainObj.GameInProgress, 1}, {MainObj.LastDrawnScreen, SCREEN_GAME_OVER}}},
    });
    RunRows(SCREEN_INTRO, {}, {{"anywhere", POPUP_NONE, {}, {Spot(799, 599)}, {{MainObj.Screen, SCREEN_MENU}}}});
    RunRows(SCREEN_MENU, {}, {
        {"the main menu's save button has no rectangle", POPUP_NONE, noGame, {Spot(400, 275)},
         {{MainObj.Screen, SCREEN_MENU}}, Asks::Nothing},
        {"load", POPUP_NONE, noGame, {On(CTRL_MENU_LOAD)}, {{MainObj.Screen, SCREEN_MENU_LOAD}}},
        {"new", POPUP_NONE, noGame, {On(CTRL_MENU_NEW)}, {{MainObj.Screen, SCREEN_MENU_NEW}}},
    });
    RunRows(SCREEN_MENU_LOAD, {}, {
        {"back with no game in hand", POPUP_NONE, noGame, {On(CTRL_LOAD_BACK)}, {{MainObj.Screen, SCREEN_MENU}}},
        {"back to the game", POPUP_NONE, {}, {On(CTRL_LOAD_BACK)}, {{MainObj.Screen, SCREEN_MENU_GAME}}},
    });
    RunRows(SCREEN_MENU_NEW, {}, {{"back", POPUP_NONE, noGame, {On(CTRL_NEW_BACK)}, {{MainObj.Screen, SCREEN_MENU}}}});
    RunRows(SCREEN_MENU_GAME, {}, {
        {"save", POPUP_NONE, {}, {Spot(400, 261)}, {{MainObj.Screen, SCREEN_MENU_SAVE}}},
        {"load", POPUP_NONE, {}, {On(CTRL_MENU_LOAD_IN_GAME)}, {{MainObj.Screen, SCREEN_MENU_LOAD}}},
        {"the main menu ends the game", POPUP_NONE, {}, {On(CTRL_MENU_MAIN_MENU)},
         {{MainObj.Screen, SCREEN_MENU}, {MainObj.GameInProgress, 0}}},
        {"continue with no game screen drawn yet", POPUP_NONE, {}, {On(CTRL_MENU_CONTINUE)},
         {{MainObj.Screen, SCREEN_GAME_MAIN}}},
    });
    RunRows(SCREEN_MENU_SAVE, {}, {
        {"a slot", POPUP_NONE, {}, {On(CTRL_SAVE_SLOT_1, 2)}, {{MainObj.Focus, FOCUS_SLOT_3}}},
        {"back drops the slot", POPUP_NONE, {{MainObj.Focus, FOCUS_SLOT_3}}, {On(CTRL_SAVE_BACK)},
         {{MainObj.Screen, SCREEN_MENU_GAME}, {MainObj.Focus, FOCUS_NONE}}},
    });
    Show(SCREEN_MENU);
    ClickOn(CTRL_MENU_QUIT);
    EXPECT_TRUE(window->destroyed);
    EXPECT_FALSE(platform::RunMessages(window));
}

TEST_F(MouseNavigationTest, BackAndContinueReturnToTheLastGameScreenDrawn) {
    for (i32 screen = SCREEN_GAME_MAIN; screen <= SCREEN_GAME_NEXT_MONTH; ++screen) {
        Show(screen);
        ClickOn(CTRL_BACK);
        EXPECT_EQ(MainObj.Screen, SCREEN_MENU_GAME) << screen;
        EXPECT_EQ(MainObj.LastDrawnScreen, screen);
        ClickOn(CTRL_MENU_CONTINUE);
        EXPECT_EQ(MainObj.Screen, screen);
        EXPECT_TRUE(askedBackground);   // drawn again in full
    }
    // With a popup open the screens' back buttons do nothing.
    const i32 popups[][2] = {{SCREEN_GAME_OFFICE, POPUP_BANK}, {SCREEN_GAME_ADVERTISING, POPUP_RADIO},
                             {SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH}, {SCREEN_GAME_DESIGN, POPUP_ADD_PARTS},
                             {SCREEN_GAME_FACTORY, POPUP_BROWSE_MODELS}};
    for (const auto& open : popups) {
        Show(open[0], open[1]);
        ClickOn(CTRL_BACK);
        EXPECT_EQ(MainObj.Screen, open[0]);
        EXPECT_EQ(MainObj.Popup, open[1]);
    }
}

TEST_F(MouseNavigationTest, ClicksOnNothingChangeNothingAndAskForNoPaint) {
    const struct {
        i32 screen, x, y;
    } misses[] = {
        {SCREEN_MENU, 10, 10},          {SCREEN_MENU_NEW, 10, 10},      {SCREEN_MENU_SAVE, 10, 10},
        {SCREEN_MENU_LOAD, 10, 10},     {SCREEN_MENU_GAME, 10, 10},     {SCREEN_GAME_MAIN, 600, 500},
        {SCREEN_GAME_OFFICE, 700, 50},  {SCREEN_GAME_ADVERTISING, 700, 300},
        {SCREEN_GAME_RESEARCH, 10, 10}, {SCREEN_GAME_DESIGN, 700, 50},  {SCREEN_GAME_NEXT_MONTH, 400, 300},
        {SCREEN_GAME_OVER, 10, 10},
    };
    for (const auto& miss : misses) {
        Show(miss.screen);
        Move(miss.x, miss.y);
        const MainState before = MainObj;
        platform::ResetRepaintRequestCount();
        PressButton();
        EXPECT_EQ(platform::RepaintRequestCount(), 0) << miss.screen;
        EXPECT_EQ(std::memcmp(&before, &MainObj, sizeof before), 0) << miss.screen;
    }
    // A screen number outside the game's does nothing.
    Move(400, 300);
    Mouse::LeftButton(window, 14);
    Mouse::LeftButton(window, -1);
}

}  // namespace
