// The new-game screen and the save and load screens, in a folder of their
// own: a new game rewrites the rivals' name file and saves write slot files.

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "input/input_fixture.h"
#include "support/game_folder.h"
#include "model/headless_player.h"
#include "saves/save_load.h"
#include "saves/saved_game_support.h"

namespace {

struct MouseMenusTest : InputTest {
    GameFolder folder;

    void TypeName(const char* name) {
        std::memset(PlayerObj.Name, ' ', kNameSize);
        std::memcpy(PlayerObj.Name, name, std::strlen(name));
    }

    // A game in hand that was drawn last on the main view.
    void GameInHand(double cash) {
        TypeName("acme");
        PlayerObj.HomeRegion = REGION_EUROPE;
        PlayerObj.Year = 1910;
        PlayerObj.Month = 4;
        PlayerObj.Cash = cash;
        PlayerFactorySalon.ShownRegion = REGION_EUROPE;
        Show(SCREEN_GAME_MAIN);
    }

    void SaveInSlot(i32 slot) {
        MainObj.Screen = SCREEN_MENU_SAVE;
        ClickOn(CTRL_SAVE_SLOT_1, slot - 1);
        ClickOn(CTRL_SAVE_OK);
    }
};

TEST_F(MouseMenusTest, ANewGameNeedsANameAndAHomeRegion) {
    RunRows(SCREEN_MENU, {}, {
        {"new blanks the name's fourteen cells", POPUP_NONE, {{PlayerObj.Name, "old company   xy"}},
         {On(CTRL_MENU_NEW)},
         {{MainObj.Screen, SCREEN_MENU_NEW}, {PlayerObj.Name, "              xy"}}},
    });
    const Values acme = {{PlayerObj.Name, "acme          "}};
    RunRows(SCREEN_MENU_NEW, {}, {
        {"focusing the name paints", POPUP_NONE, {}, {On(CTRL_NEW_NAME)}, {{MainObj.Focus, FOCUS_PLAYER_NAME}},
         Asks::Repaint},
        {"a second click on it asks for nothing", POPUP_NONE, {{MainObj.Focus, FOCUS_PLAYER_NAME}},
         {On(CTRL_NEW_NAME)}, {{MainObj.Focus, FOCUS_PLAYER_NAME}}, Asks::Nothing},
        {"no region yet", POPUP_NONE, acme, {On(CTRL_NEW_START)}, {{MainObj.Screen, SCREEN_MENU_NEW}}, Asks::Nothing},
        {"region back from none", POPUP_NONE, {}, {On(CTRL_NEW_REGION_BACK)}, {{PlayerObj.HomeRegion, REGION_AFRICA}}},
        {"region forward wraps", POPUP_NONE, {{PlayerObj.HomeRegion, REGION_AFRICA}}, {On(CTRL_NEW_REGION_FORWARD)},
         {{PlayerObj.HomeRegion, REGION_AUSTRALIA}}},
        {"region back wraps", POPUP_NONE, {{PlayerObj.HomeRegion, REGION_AUSTRALIA}},
         {On(CTRL_NEW_REGION_BACK), On(CTRL_NEW_REGION_BACK)}, {{PlayerObj.HomeRegion, REGION_ASIA}}},
        {"a blank first cell is no name", POPUP_NONE,
         {{PlayerObj.Name, " acme         "}, {PlayerObj.HomeRegion, REGION_ASIA}}, {On(CTRL_NEW_START)},
         {{MainObj.Screen, SCREEN_MENU_NEW}}},
        {"back keeps the name and leaves the field", POPUP_NONE, Join({acme, {{MainObj.Focus, FOCUS_PLAYER_NAME}}}),
         {On(CTRL_NEW_BACK)}, Join({acme, {{MainObj.Screen, SCREEN_MENU}, {MainObj.Focus, FOCUS_NONE}}})},
        {"region back from beyond the six", POPUP_NONE, {{PlayerObj.HomeRegion, 9}}, {On(CTRL_NEW_REGION_BACK)},
         {{PlayerObj.HomeRegion, 8}}},
        {"start", POPUP_NONE, Join({acme, {{PlayerObj.HomeRegion, REGION_ASIA}, {MainObj.GameInProgress, 0}}}),
         {Spot(476, 404)},
         {{MainObj.Screen, SCREEN_GAME_MAIN}, {MainObj.GameInProgress, 1}, {PlayerObj.Cash, 100000.0},
          {PlayerFactorySalon.Region[REGION_ASIA - 1].HasFactory, 1}}},
    });
    EXPECT_NE(Opponent1Obj.Name[0], '\0');
}

TEST_F(MouseMenusTest, SaveWritesTheChosenSlotAndLoadRestoresItButRefusesEmptyOnes) {
    GameInHand(4321.0);
    MainObj.Screen = SCREEN_MENU_SAVE;
    EXPECT_GT(PressOn(On(CTRL_SAVE_OK)), 0);   // no slot chosen: nothing saved
    SaveLoad::Check();
    EXPECT_EQ(MainObj.SlotEmpty[2], 1);
    SaveInSlot(3);
    EXPECT_EQ(MainObj.Screen, SCREEN_MENU_SAVE);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    PlayerObj.Cash = 1.0;
    MainObj.GameInProgress = 0;

    ShowLoadScreen();
    EXPECT_EQ(MainObj.SlotEmpty[2], 0);
    EXPECT_EQ(MainObj.SlotEmpty[0], 1);
    ClickOn(CTRL_LOAD_SLOT_1, 2);
    EXPECT_EQ(MainObj.Focus, FOCUS_SLOT_3);
    EXPECT_EQ(PressOn(On(CTRL_LOAD_SLOT_1, 0)), 0);   // an empty slot keeps the row chosen
    EXPECT_EQ(MainObj.Focus, FOCUS_SLOT_3);
    ClickOn(CTRL_LOAD_OK);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    EXPECT_EQ(MainObj.GameInProgress, 1);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_MAIN);
    EXPECT_EQ(PlayerObj.Cash, 4321.0);
}

TEST_F(MouseMenusTest, ALoadWhoseFileHasGoneLeavesTheGameAsItWas) {
    GameInHand(4321.0);
    SaveInSlot(1);
    ShowLoadScreen();
    ClickOn(CTRL_LOAD_SLOT_1);
    std::remove("Data/Saves/slot1.sav");   // after the marks were painted
    PlayerObj.Cash = 7.0;
    ClickOn(CTRL_LOAD_OK);
    EXPECT_EQ(MainObj.Screen, SCREEN_MENU_LOAD);
    EXPECT_EQ(PlayerObj.Cash, 7.0);
}

// The marks are those of the last paint: the load button reads the file
// itself and does not look at its stamp again.
TEST_F(MouseMenusTest, TheLoadButtonTakesTheGameWhateverItsStampSaysNow) {
    GameInHand(4321.0);
    SaveInSlot(2);
    ShowLoadScreen();
    ClickOn(CTRL_LOAD_SLOT_1, 1);
    std::FILE* file = std::fopen("Data/Saves/slot2.sav", "r+b");
    ASSERT_NE(file, nullptr);
    std::fwrite("0", 1, 2, file);   // the stamp's month, 0 and its end
    std::fclose(file);
    PlayerObj.Cash = 7.0;
    ClickOn(CTRL_LOAD_OK);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    EXPECT_EQ(PlayerObj.Cash, 4321.0);
    EXPECT_EQ(MainObj.SlotEmpty[1], 0);
}

TEST_F(MouseMenusTest, ALostGameCanBeShownAgainButNotSaved) {
    GameInHand(5.0);
    PlayerTechnicians.Count = 50;
    PlayerTechnicians.Wage = 80;
    ClickOn(CTRL_NEXT_MONTH);
    ASSERT_EQ(MainObj.Screen, SCREEN_GAME_OVER);
    ClickOn(CTRL_GAME_OVER_MENU);
    ClickOn(CTRL_MENU_LOAD);
    ClickOn(CTRL_LOAD_BACK);
    EXPECT_EQ(MainObj.Screen, SCREEN_MENU_GAME);   // the lost game is still in hand

    ClickOn(CTRL_MENU_SAVE);
    ClickOn(CTRL_SAVE_SLOT_1, 3);
    ClickOn(CTRL_SAVE_OK);
    SaveLoad::Check();
    EXPECT_EQ(MainObj.SlotEmpty[3], 1);

    ClickOn(CTRL_SAVE_BACK);
    ClickOn(CTRL_MENU_CONTINUE);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER);

    // A new game starts from there as ever.
    ClickOn(CTRL_GAME_OVER_MENU);
    ClickOn(CTRL_MENU_NEW);
    TypeName("acme");
    ClickOn(CTRL_NEW_START);
    ExpectAll({{MainObj.Screen, SCREEN_GAME_MAIN}, {PlayerObj.Year, 1908}, {PlayerObj.Month, 1},
               {PlayerObj.Cash, 100000.0}, {PlayerTechnicians.Count, 0}});
}

// The calendar ends with December 9999: next month then plays nothing and
// the game is over, and a game saved in that December loads back as it was
// saved and ends in the same place.
TEST_F(MouseMenusTest, DecemberOfTheLastYearEndsTheGame) {
    headless::StartGame(REGION_EUROPE);
    for (int month = 0; month < 14; ++month) headless::PlayMonth();
    PlayerObj.Year = 9999;
    PlayerObj.Month = 11;
    Show(SCREEN_GAME_MAIN);
    ClickOn(CTRL_NEXT_MONTH);
    ASSERT_EQ(MainObj.Screen, SCREEN_GAME_NEXT_MONTH);
    ASSERT_EQ(PlayerObj.Month, 12);
    ClickOn(CTRL_MONTH_END_CONTINUE);
    const std::tm when = saves_test::Moment(2026, 12, 7, 8, 9, 10);
    ASSERT_TRUE(SaveLoad::Save(1, when));
    const std::string december = ReadFile("Data/Saves/slot1.sav");

    ClickOn(CTRL_NEXT_MONTH);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER);
    ASSERT_TRUE(SaveLoad::Save(2, when));
    EXPECT_TRUE(ReadFile("Data/Saves/slot2.sav") == december) << "the last click played a month";

    ASSERT_TRUE(SaveLoad::Load(1));
    ASSERT_TRUE(SaveLoad::Save(3, when));
    EXPECT_TRUE(ReadFile("Data/Saves/slot3.sav") == december) << "the load changed the game";
    Show(SCREEN_GAME_MAIN);
    ClickOn(CTRL_NEXT_MONTH);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER);
    EXPECT_EQ(PlayerObj.Year, 9999);
    EXPECT_EQ(PlayerObj.Month, 12);
}

}  // namespace
