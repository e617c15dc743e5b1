// Which keys do anything, where: leaving the intro, the name fields, and the
// guards that keep a key away from fields that are not current.

#include <string>

#include "keyboard_driver.h"

namespace {

std::string NameCells(const char* name) { return std::string(name, kNameSize); }

TEST_F(KeyboardTest, EscapeAndSpaceLeaveTheIntroOnly) {
    for (unsigned key : {keys::KEY_ESCAPE, keys::KEY_SPACE}) {
        MainObj.Screen = SCREEN_INTRO;
        ResetRepaints();
        Press(key);
            EXPECT_EQ(MainObj.Screen, SCREEN_MENU);
        EXPECT_EQ(Repaints(), 1);
    }
    MainObj.Screen = SCREEN_INTRO;
    Type("A7");
    EXPECT_EQ(MainObj.Screen, SCREEN_INTRO);

    // Escape elsewhere neither closes a popup nor leaves the screen.
    MainObj.Screen = SCREEN_GAME_OFFICE;
    MainObj.Popup = POPUP_BANK;
    MainObj.Focus = FOCUS_BANK_LOAN;
    ResetRepaints();
    Press(keys::KEY_ESCAPE);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OFFICE);
    EXPECT_EQ(MainObj.Popup, POPUP_BANK);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(KeyboardTest, CompanyNameTakesLowerCaseLettersDigitsAndUnderscoreForSpace) {
    MainObj.Screen = SCREEN_MENU_NEW;
    MainObj.Focus = FOCUS_PLAYER_NAME;
    Blank(PlayerObj.Name);
    PlayerObj.Name[14] = 'x';
    PlayerObj.Name[15] = 'y';

    Type("A B");
    Press(keys::PadDigit(7));
    EXPECT_EQ(NameCells(PlayerObj.Name), "a_b7          xy");

    Type("CDEFGHIJKL");           // fills cells 4..13
    Type("Z");                    // a fifteenth character is dropped...
    EXPECT_EQ(NameCells(PlayerObj.Name), "a_b7cdefghijklxy");
    // Each edit asks for a repaint and so does the name field after every key,
    // the dropped one included.
    EXPECT_EQ(Repaints(), 14 * 2 + 1);

    Type("<<");
    EXPECT_EQ(NameCells(PlayerObj.Name), "a_b7cdefghij  xy");
}

TEST_F(KeyboardTest, ModelNameIsTypedOnlyOnTheDesignScreenWithItsFocus) {
    MainObj.Screen = SCREEN_GAME_DESIGN;
    MainObj.Focus = FOCUS_MODEL_NAME;
    MainObj.Popup = POPUP_BANK;  // a stale popup value does not matter to names
    Blank(PlayerCar.Name);
    Blank(PlayerBank.InputBuffer);
    Type("AB<<X9");
    EXPECT_EQ(NameCells(PlayerCar.Name).substr(0, 14), "x9            ");
    EXPECT_EQ(PlayerBank.LoanAmount, 0);
    EXPECT_EQ(PlayerBank.InputBuffer[0], ' ');

    MainObj.Focus = FOCUS_NONE;
    const auto unfocused = SnapshotOfRecords();
    Type("Q1 <");
    EXPECT_EQ(SnapshotOfRecords(), unfocused);

    MainObj.Focus = FOCUS_MODEL_NAME;  // the right focus on the wrong screen
    MainObj.Screen = SCREEN_GAME_FACTORY;
    const auto elsewhere = SnapshotOfRecords();
    Type("Q1 <");
    EXPECT_EQ(SnapshotOfRecords(), elsewhere);
}

TEST_F(KeyboardTest, KeysOutsideTheTableDoNothingAnywhere) {
    MainObj.Screen = SCREEN_MENU_NEW;
    MainObj.Focus = FOCUS_PLAYER_NAME;
    Blank(PlayerObj.Name);
    for (i32 screen = SCREEN_INTRO; screen <= SCREEN_GAME_OVER; ++screen) {
        MainObj.Screen = screen;
        const auto before = SnapshotOfRecords();
        for (unsigned key : {keys::KEY_RETURN, keys::KEY_TAB, keys::KEY_LEFT, keys::KEY_DELETE, keys::kF1,
                             7u, 47u, 58u, 64u, 91u, 95u, 106u, 0xFFFFFFFFu})
            Press(key);
        EXPECT_EQ(SnapshotOfRecords(), before) << "screen " << screen;
    }
    EXPECT_EQ(Repaints(), 0);
    EXPECT_EQ(Paints(), 0);
}

TEST_F(KeyboardTest, KeysReachNoFieldWhoseScreenPopupOrFocusIsNotCurrent) {
    // Every buffer blanked and every bound value set, so that a stray key
    // would show.
    for (char* buffer : {PlayerSalesmans.InputBuffer, PlayerScientists.InputBuffer,
                         PlayerTechnicians.InputBuffer, PlayerBank.InputBuffer,
                         PlayerResearch.InputBuffer, PlayerAdvertising.InputBuffer,
                         PlayerFactorySalon.InputBuffer, PlayerCar.PriceText})
        Blank(buffer);
    PlayerScientists.Unassigned = 40;
    PlayerResearch.LabCapacity = 100;
    PlayerFactorySalon.ShownRegion = 1;
    PlayerFactorySalon.Region[0].ProductionLineModel[0] = 1;
    PlayerCar1.Price = 500;

    struct Case {
        i32 screen, popup, focus;
    };
    const Case cases[] = {
        {SCREEN_GAME_OFFICE, POPUP_PERSONNEL, FOCUS_NONE},
        {SCREEN_GAME_OFFICE, POPUP_BANK, FOCUS_SALESMEN_HIRE},       // focus of another popup
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_BANK_DEPOSIT},        // popup closed
        {SCREEN_GAME_RESEARCH, POPUP_NONE, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_ADVERTISING, POPUP_AUTO_SHOW, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_ADVERTISING, POPUP_NONE, FOCUS_ADVERT_ROW_1},
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_PRICE_ROW_1},        // factory focus off its screen
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_FACTORY_TECHNICIANS},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_SLOT_2},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_PART_ROW_1},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_BROWSE_MODEL_10},
        {SCREEN_GAME_FACTORY, POPUP_NONE, 99},
        {SCREEN_GAME_FACTORY, POPUP_NONE, -1},
    };
    for (const Case& c : cases) {
        MainObj.Screen = c.screen;
        MainObj.Popup = c.popup;
        MainObj.Focus = c.focus;
        const auto before = SnapshotOfRecords();
        Type("5<A ");
        Press(keys::PadDigit(3));
        EXPECT_EQ(SnapshotOfRecords(), before) << "screen " << c.screen << " popup " << c.popup << " focus " << c.focus;
        EXPECT_EQ(Repaints(), 0) << "screen " << c.screen << " popup " << c.popup << " focus " << c.focus;
    }
    EXPECT_EQ(Paints(), 0);
}

TEST_F(KeyboardTest, LettersAndSpaceNeverReachANumericField) {
    MainObj.Screen = SCREEN_GAME_OFFICE;
    Focus(POPUP_BANK, FOCUS_BANK_LOAN, PlayerBank.InputBuffer);
    PlayerBank.LoanAmount = 1234;
    Type("AZ ");
    EXPECT_EQ(PlayerBank.LoanAmount, 1234);
    EXPECT_EQ(PlayerBank.InputBuffer[0], ' ');
    EXPECT_EQ(Repaints(), 0);
}

}  // namespace
