// Which keys do anything, where: leaving the intro, the name fields, the
// typing buffers, and the guards that keep a key away from fields that are
// not current.

#include <string>

#include "input/input_fixture.h"

namespace {

using KeyboardTest = InputTest;

std::string Cells(const char* buffer, i32 size = kBufferSize) { return std::string(buffer, size); }

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

// Names take lower-case letters, digits and "_" for a space, fourteen at
// most, each into the first blank cell; every edit asks for a repaint, and
// so does the field after every key, the dropped one included.
TEST_F(KeyboardTest, NamesTakeLowerCaseLettersDigitsAndUnderscoreForSpace) {
    const auto company = [](const char* name, Values given, const char* keys, const char* then, long repaints = -1) {
        return KeyRow{name, SCREEN_MENU_NEW, POPUP_NONE, FOCUS_PLAYER_NAME, PlayerObj.Name,
                      Join({{{PlayerObj.Name, "              xy"}}, given}), keys, nullptr, {},
                      {{PlayerObj.Name, then}}, repaints};
    };
    RunKeys({
        company("letters, space and a pad digit", {}, "A Bh", "a_b7          xy"),
        company("a fifteenth character is dropped", {}, "A BhCDEFGHIJKLZ", "a_b7cdefghijklxy", 14 * 2 + 1),
        company("backspace", {}, "A BhCDEFGHIJKLZ<<", "a_b7cdefghij  xy"),
        company("the first blank cell, even before filled ones", {{PlayerObj.Name, " 5"}}, "A", "a5 "),
        // A stale popup value does not matter to names.
        {"the model name, on the design screen only", SCREEN_GAME_DESIGN, POPUP_BANK, FOCUS_MODEL_NAME,
         PlayerCar.Name, {{PlayerBank.InputBuffer, kBlankBuffer}}, "AB<<X9", nullptr, {},
         {{PlayerCar.Name, "x9            "}, {PlayerBank.LoanAmount, 0}, {PlayerBank.InputBuffer, kBlankBuffer}}},
    });
}

TEST_F(KeyboardTest, BuffersKeepToTheFocusedFieldsCells) {
    // Records start as zero bytes, and a zero byte is a filled cell: a
    // buffer no click has blanked takes no character.
    MainObj.Screen = SCREEN_GAME_OFFICE;
    MainObj.Popup = POPUP_BANK;
    MainObj.Focus = FOCUS_BANK_LOAN;
    Type("7");
    EXPECT_EQ(Cells(PlayerBank.InputBuffer), std::string(kBufferSize, '\0'));
    EXPECT_EQ(PlayerBank.LoanAmount, 0);
    EXPECT_EQ(Repaints(), 1);  // the field's own request only
    Type("<");
    EXPECT_EQ(PlayerBank.InputBuffer[6], ' ');
    EXPECT_EQ(Repaints(), 3);

    // The loan field shares the deposit's buffer but uses cells 0..6 only;
    // without the blanking click it deletes within its own cells.
    Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
    Type("1234567890");
    MainObj.Focus = FOCUS_BANK_LOAN;
    Type("<");
    EXPECT_EQ(Cells(PlayerBank.InputBuffer), "123456 890    ");
    EXPECT_EQ(PlayerBank.LoanAmount, 100000);
    Type("5");
    EXPECT_EQ(Cells(PlayerBank.InputBuffer), "1234565890    ");

    // Letters and Space never reach a numeric field.
    Focus(POPUP_BANK, FOCUS_BANK_LOAN, PlayerBank.InputBuffer);
    PlayerBank.LoanAmount = 1234;
    ResetRepaints();
    Type("AZ ");
    EXPECT_EQ(PlayerBank.LoanAmount, 1234);
    EXPECT_EQ(PlayerBank.InputBuffer[0], ' ');
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(KeyboardTest, KeysOutsideTheTableDoNothingAnywhere) {
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
                         PlayerTechnicians.InputBuffer, PlayerBank.InputBuffer, PlayerResearch.InputBuffer,
                         PlayerAdvertising.InputBuffer, PlayerFactorySalon.InputBuffer, PlayerCar.PriceText,
                         PlayerCar.Name})
        Blank(buffer);
    PlayerScientists.Unassigned = 40;
    PlayerResearch.LabCapacity = 100;
    PlayerFactorySalon.ShownRegion = 1;
    PlayerFactorySalon.Region[0].ProductionLineModel[0] = 1;
    PlayerCar1.Price = 500;

    const struct {
        i32 screen, popup, focus;
    } cases[] = {
        {SCREEN_GAME_OFFICE, POPUP_PERSONNEL, FOCUS_NONE},
        {SCREEN_GAME_OFFICE, POPUP_BANK, FOCUS_SALESMEN_HIRE},       // focus of another popup
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_BANK_DEPOSIT},        // popup closed
        {SCREEN_GAME_RESEARCH, POPUP_NONE, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_ADVERTISING, POPUP_AUTO_SHOW, FOCUS_RESEARCH_SCIENTISTS},
        {SCREEN_GAME_ADVERTISING, POPUP_NONE, FOCUS_ADVERT_ROW_1},
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_PRICE_ROW_1},         // factory focus off its screen
        {SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_FACTORY_TECHNICIANS},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_MODEL_NAME},         // the name's focus off its screen
        {SCREEN_GAME_DESIGN, POPUP_NONE, FOCUS_NONE},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_SLOT_2},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_PART_ROW_1},
        {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_BROWSE_MODEL_10},
        {SCREEN_GAME_FACTORY, POPUP_NONE, 99},
        {SCREEN_GAME_FACTORY, POPUP_NONE, -1},
    };
    for (const auto& c : cases) {
        MainObj.Screen = c.screen;
        MainObj.Popup = c.popup;
        MainObj.Focus = c.focus;
        const auto before = SnapshotOfRecords();
        Type("5<A Q1");
        Press(keys::PadDigit(3));
        EXPECT_EQ(SnapshotOfRecords(), before) << "screen " << c.screen << " popup " << c.popup << " focus " << c.focus;
        EXPECT_EQ(Repaints(), 0) << "screen " << c.screen << " popup " << c.popup << " focus " << c.focus;
    }
    EXPECT_EQ(Paints(), 0);
}

}  // namespace
