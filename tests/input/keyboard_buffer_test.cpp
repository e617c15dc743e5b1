// The typing buffers as keys see them: a character lands in the first space,
// Backspace blanks the last filled cell at or below the field's last index,
// any byte but a space is a filled cell, and only a changed cell asks for a
// repaint of its own.

#include <string>

#include "keyboard_driver.h"

namespace {

std::string Cells(const char* buffer) { return std::string(buffer, kBufferSize); }

TEST_F(KeyboardTest, EditsStayWithinTheFocusedFieldsCells) {
    MainObj.Screen = SCREEN_GAME_OFFICE;
    Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
    Type("1234567890");
    // The loan field shares the buffer but uses cells 0..6 only; without the
    // blanking click it deletes within its own cells and leaves the rest.
    MainObj.Focus = FOCUS_BANK_LOAN;
    Type("<");
    EXPECT_EQ(Cells(PlayerBank.InputBuffer), "123456 890    ");
    EXPECT_EQ(PlayerBank.LoanAmount, 100000);
    Type("5");
    EXPECT_EQ(Cells(PlayerBank.InputBuffer), "1234565890    ");
}

TEST_F(KeyboardTest, ABufferNoClickHasBlankedTakesNoCharacter) {
    // Records start as zero bytes, and a zero byte is a filled cell.
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
}

TEST_F(KeyboardTest, ACharacterGoesIntoTheFirstSpaceEvenBeforeFilledCells) {
    MainObj.Screen = SCREEN_MENU_NEW;
    MainObj.Focus = FOCUS_PLAYER_NAME;
    Blank(PlayerObj.Name);
    PlayerObj.Name[1] = '5';
    Type("A");
    EXPECT_EQ(std::string(PlayerObj.Name, 3), "a5 ");
}

}  // namespace
