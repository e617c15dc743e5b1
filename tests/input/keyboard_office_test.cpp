// The office popups: staff to hire and fire, wages, and the bank's amounts.
// Numbers are stored and limited at every key while the buffer keeps the
// digits as typed.

#include "input/input_fixture.h"

namespace {

struct OfficeKeys : InputTest {
    void SetUp() override {
        InputTest::SetUp();
        MainObj.Screen = SCREEN_GAME_OFFICE;
    }
};

TEST_F(OfficeKeys, HireIsCutTo90AndTheStaffLimitAndBackspaceRereadsTheTypedDigits) {
    Focus(POPUP_PERSONNEL, FOCUS_SALESMEN_HIRE, PlayerSalesmans.InputBuffer);
    EXPECT_EQ(Track("1509<", PlayerSalesmans.HireCount), (V{1, 15, 90, 90, 15}));
    Focus(POPUP_PERSONNEL, FOCUS_SCIENTISTS_HIRE, PlayerScientists.InputBuffer);
    PlayerScientists.Count = 9959;
    EXPECT_EQ(Track("90", PlayerScientists.HireCount), (V{9, 40}));
    Focus(POPUP_PERSONNEL, FOCUS_SCIENTISTS_HIRE, PlayerScientists.InputBuffer);
    EXPECT_EQ(Track("007", PlayerScientists.HireCount), (V{0, 0, 7}));
    PlayerTechnicians.Count = 9999;
    Focus(POPUP_PERSONNEL, FOCUS_TECHNICIANS_HIRE, PlayerTechnicians.InputBuffer);
    EXPECT_EQ(Track("5", PlayerTechnicians.HireCount), (V{0}));
    EXPECT_EQ(PlayerSalesmans.HireCount, 15);  // one kind's keys never touch another's record
}

TEST_F(OfficeKeys, FireIsCutToTheFreeStaffAndEveryKeyAsksForOneRepaintAfterItsLimits) {
    PlayerTechnicians.Count = 50;
    PlayerTechnicians.Unassigned = 10;
    Focus(POPUP_PERSONNEL, FOCUS_TECHNICIANS_FIRE, PlayerTechnicians.InputBuffer);
    EXPECT_EQ(Track("123<<<<", PlayerTechnicians.FireCount), (V{1, 10, 10, 10, 1, 0, 0}));
    EXPECT_EQ(PlayerTechnicians.Count, 50);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 10);

    PlayerSalesmans.Unassigned = 3;
    Focus(POPUP_PERSONNEL, FOCUS_SALESMEN_FIRE, PlayerSalesmans.InputBuffer);
    ResetRepaints();
    Type("<");  // empty buffer: no edit, yet the field is stored and repainted
    EXPECT_EQ(Repaints(), 1);
    Type("7");  // the edit asks for one, the field for another
    EXPECT_EQ(Repaints(), 3);
    EXPECT_EQ(PlayerSalesmans.FireCount, 3);
}

// A saved game edited outside the game can hold counts the game itself never
// makes; the keys must not turn them into a negative hire or fire, nor
// rewrite the count.
TEST_F(OfficeKeys, DamagedCountsNeverGiveANegativeHireOrFire) {
    PlayerSalesmans.Count = 12000;
    Focus(POPUP_PERSONNEL, FOCUS_SALESMEN_HIRE, PlayerSalesmans.InputBuffer);
    for (unsigned key : {keys::Digit(0), keys::Digit(8), keys::Digit(9), keys::PadDigit(5), keys::KEY_BACKSPACE}) {
        Press(key);
        EXPECT_EQ(PlayerSalesmans.HireCount, 0);
        EXPECT_EQ(PlayerSalesmans.Count, 12000);
    }
    PlayerScientists.Count = 5;
    PlayerScientists.Unassigned = -4;
    Focus(POPUP_PERSONNEL, FOCUS_SCIENTISTS_FIRE, PlayerScientists.InputBuffer);
    Type("3<");
    EXPECT_EQ(PlayerScientists.FireCount, 0);
    EXPECT_EQ(PlayerScientists.Unassigned, -4);
}

TEST_F(OfficeKeys, WageFieldsTakeFiveDigitsCutTo9999) {
    // No click gives a wage field the focus; set it directly to try the row.
    Focus(POPUP_PERSONNEL, FOCUS_SCIENTISTS_WAGE, PlayerScientists.InputBuffer);
    EXPECT_EQ(Track("500000", PlayerScientists.Wage), (V{5, 50, 500, 5000, 9999, 9999}));
}

TEST_F(OfficeKeys, DepositNeverWrapsBeyond32Bits) {
    Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
    EXPECT_EQ(Track("99999999999", PlayerBank.DepositAmount),
              (V{9, 99, 999, 9999, 99999, 999999, 9999999, 99999999, 999999999,
                 kHighestDeposit, kHighestDeposit}));
    ResetRepaints();
    Type("9");  // a twelfth digit does not fit, but the field still repaints
    EXPECT_EQ(PlayerBank.DepositAmount, kHighestDeposit);
    EXPECT_EQ(Repaints(), 1);

    for (const char* typed : {"2147483648", "4294967297", "1000000001", "12345678901"}) {
        Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
        Type(typed);
        EXPECT_EQ(PlayerBank.DepositAmount, kHighestDeposit) << typed;
    }
    Type("<");  // ten digits 1234567890 remain
    EXPECT_EQ(PlayerBank.DepositAmount, kHighestDeposit);

    Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
    EXPECT_EQ(Track("00000000007", PlayerBank.DepositAmount).back(), 7);
    EXPECT_EQ(Track("5<", PlayerBank.DepositAmount), (V{7, 0}));  // full: 5 ignored; Backspace drops the 7
}

TEST_F(OfficeKeys, LoanTakesSevenDigitsCutTo100000AndSharesTheDepositsBuffer) {
    Focus(POPUP_BANK, FOCUS_BANK_LOAN, PlayerBank.InputBuffer);
    Press(keys::PadDigit(9));
    EXPECT_EQ(Track("999999", PlayerBank.LoanAmount), (V{99, 999, 9999, 99999, kHighestLoan, kHighestLoan}));
    EXPECT_EQ(Track("9<", PlayerBank.LoanAmount), (V{kHighestLoan, kHighestLoan}));
    Focus(POPUP_BANK, FOCUS_BANK_LOAN, PlayerBank.InputBuffer);
    EXPECT_EQ(Track("150000<", PlayerBank.LoanAmount), (V{1, 15, 150, 1500, 15000, kHighestLoan, 15000}));

    Focus(POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer);
    Type("45");
    Focus(POPUP_BANK, FOCUS_BANK_LOAN, PlayerBank.InputBuffer);
    Type("7");
    EXPECT_EQ(PlayerBank.LoanAmount, 7);
    EXPECT_EQ(PlayerBank.DepositAmount, 45);
    Blank(PlayerBank.InputBuffer);  // a click on nothing keeps the focus
    Type("<");
    EXPECT_EQ(PlayerBank.LoanAmount, 0);
}

}  // namespace
