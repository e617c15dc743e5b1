// The office: the map's purchases, the bank, hiring and firing, and the
// statistics chooser with its reports.

#include <cstddef>
#include <cstring>

#include "input/input_fixture.h"
#include "model/player.h"

namespace {

struct MouseOfficeTest : InputTest {
    void SetUp() override {
        InputTest::SetUp();
        PlayerObj.Year = 1910;
        PlayerObj.Month = 3;
        PlayerFactorySalon.ShownRegion = REGION_AUSTRALIA;
        PlayerFactorySalon.FactoryPrice = 500000;
        PlayerFactorySalon.SalonPrice = 200000;
        Show(SCREEN_GAME_OFFICE);
    }

    FactorySalonRegion& Region(i32 r) { return PlayerFactorySalon.Region[r - 1]; }

    static void ExpectSchedule(i32 left, i32 months, i32 installment) {
        EXPECT_EQ(PlayerBank.LoanLeft, left);
        EXPECT_EQ(PlayerBank.MonthsLeft, months);
        EXPECT_EQ(PlayerBank.Installment, installment);
    }
    // A loan taken or repaid uses up the typed amount and the chosen term.
    static void ExpectUsedUp() {
        EXPECT_EQ(PlayerBank.LoanTerm, 0);
        EXPECT_EQ(PlayerBank.LoanRate, 0);
        EXPECT_EQ(PlayerBank.LoanAmount, 0);
    }
};

TEST_F(MouseOfficeTest, TheOfficeOpensItsPopupsAndLeads) {
    const struct {
        i32 x, y, popup;
    } openers[] = {{300, 150, POPUP_MAP}, {650, 420, POPUP_BANK}, {420, 350, POPUP_PERSONNEL},
                   {250, 360, POPUP_STATISTICS}};
    for (const auto& opener : openers) {
        Show(SCREEN_GAME_OFFICE);
        MainObj.Focus = FOCUS_BANK_LOAN;
        Click(opener.x, opener.y);
        EXPECT_EQ(MainObj.Popup, opener.popup);
        EXPECT_EQ(MainObj.Focus, FOCUS_BANK_LOAN);   // opening leaves the focus
        EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OFFICE);
    }
    // The statistics chooser leads to the reports and back.
    for (i32 report = 0; report < 4; ++report) {
        ClickOn(CTRL_STATISTICS_MONTH_REPORT, report);
        EXPECT_EQ(MainObj.Popup, POPUP_MONTH_REPORT + report);
        ClickOn(CTRL_MONTH_REPORT_BACK, report);
        EXPECT_EQ(MainObj.Popup, POPUP_STATISTICS);
    }
    ClickOn(CTRL_STATISTICS_CLOSE);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Focus, FOCUS_BANK_LOAN);
    Click(100, 200);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
}

TEST_F(MouseOfficeTest, MapBuysFactoriesAndSalonsWhileMoneyIsLeftOver) {
    Show(SCREEN_GAME_OFFICE, POPUP_MAP);
    ClickOn(CTRL_MAP_REGION_BACK);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AFRICA);
    ClickOn(CTRL_MAP_REGION_FORWARD);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA);

    PlayerObj.Cash = 500000.0;   // exactly the price: refused
    EXPECT_GT(RepaintsOfPressOn(CTRL_MAP_BUY_FACTORY), 0);
    EXPECT_EQ(Region(1).HasFactory, 0);
    PlayerObj.Cash = 3000000.0;
    ClickOn(CTRL_MAP_BUY_FACTORY);
    ClickOn(CTRL_MAP_BUY_FACTORY);   // one factory a region
    EXPECT_EQ(Region(1).HasFactory, 1);
    EXPECT_EQ(PlayerObj.Cash, 2500000.0);
    ClickOn(CTRL_MAP_REGION_FORWARD);
    ClickOn(CTRL_MAP_BUY_FACTORY);
    EXPECT_EQ(Region(2).HasFactory, 1);
    EXPECT_EQ(PlayerObj.Cash, 1000000.0);
    EXPECT_EQ(PlayerFactorySalon.FactoryPrice, 2500000);

    // Salons need no factory; a region takes nine.
    PlayerObj.Cash = 1e9;
    ClickOn(CTRL_MAP_REGION_FORWARD);
    for (int i = 0; i < 10; ++i) ClickOn(CTRL_MAP_BUY_SALON);
    EXPECT_EQ(Region(3).Salons, 9);
    EXPECT_EQ(PlayerFactorySalon.SalonPrice, 200000 + 9 * 100000);
    EXPECT_EQ(PlayerObj.Cash, 1e9 - (9 * 200000 + 36 * 100000));
    PlayerObj.Cash = PlayerFactorySalon.SalonPrice;
    ClickOn(CTRL_MAP_REGION_FORWARD);
    ClickOn(CTRL_MAP_BUY_SALON);
    EXPECT_EQ(Region(4).Salons, 0);

    // A salon click inside the other popups' close rectangle buys; the map
    // keeps its own close button.
    PlayerObj.Cash = 1e9;
    Click(400, 490);
    EXPECT_EQ(Region(4).Salons, 1);
    EXPECT_EQ(MainObj.Popup, POPUP_MAP);
    MainObj.Focus = FOCUS_BANK_LOAN;
    ClickOn(CTRL_MAP_CLOSE);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Focus, FOCUS_BANK_LOAN);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_OFFICE);   // redrawn over the popup
}

TEST_F(MouseOfficeTest, AMapShowingNoRegionWrapsAndBuysNothing) {
    Show(SCREEN_GAME_OFFICE, POPUP_MAP);
    PlayerObj.Cash = 1e9;
    PlayerFactorySalon.ShownRegion = 9;
    const FactorySalon before = PlayerFactorySalon;
    ClickOn(CTRL_MAP_BUY_FACTORY);
    ClickOn(CTRL_MAP_BUY_SALON);
    EXPECT_EQ(std::memcmp(&before, &PlayerFactorySalon, sizeof before), 0);
    EXPECT_EQ(PlayerObj.Cash, 1e9);
    ClickOn(CTRL_MAP_REGION_BACK);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AFRICA);
    PlayerFactorySalon.ShownRegion = 0;
    ClickOn(CTRL_MAP_REGION_FORWARD);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA);
}

TEST_F(MouseOfficeTest, DepositsAndWithdrawalsUseUpTheTypedAmount) {
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    std::memcpy(PlayerBank.InputBuffer, "12            ", kBufferSize);
    ClickOn(CTRL_BANK_DEPOSIT_FIELD);
    EXPECT_EQ(MainObj.Focus, FOCUS_BANK_DEPOSIT);
    EXPECT_TRUE(IsBlank(PlayerBank.InputBuffer));
    ClickOn(CTRL_BANK_LOAN_FIELD);
    EXPECT_EQ(MainObj.Focus, FOCUS_BANK_LOAN);

    PlayerObj.Cash = 30000.0;
    PlayerBank.DepositAmount = 30000;   // all the money may go
    ClickOn(CTRL_BANK_DEPOSIT);
    EXPECT_EQ(PlayerBank.Deposit, 30000);
    EXPECT_EQ(PlayerObj.Cash, 0.0);
    EXPECT_EQ(PlayerBank.DepositMonth, 3);
    EXPECT_EQ(PlayerBank.DepositYear, 1910);
    EXPECT_EQ(PlayerBank.DepositAmount, 0);

    PlayerBank.DepositAmount = 1;   // refused, still used up
    ClickOn(CTRL_BANK_DEPOSIT);
    EXPECT_EQ(PlayerBank.Deposit, 30000);
    EXPECT_EQ(PlayerBank.DepositAmount, 0);

    PlayerObj.Month = 7;
    PlayerBank.DepositAmount = 30001;
    ClickOn(CTRL_BANK_WITHDRAW);
    EXPECT_EQ(PlayerBank.Deposit, 30000);
    EXPECT_EQ(PlayerBank.DepositAmount, 0);
    PlayerBank.DepositAmount = 10000;
    ClickOn(CTRL_BANK_WITHDRAW);
    EXPECT_EQ(PlayerBank.Deposit, 20000);
    EXPECT_EQ(PlayerObj.Cash, 10000.0);
    EXPECT_EQ(PlayerBank.DepositMonth, 3);   // the last deposit's date stays

    // The balance never passes its 32-bit top.
    PlayerObj.Cash = 4e9;
    PlayerBank.Deposit = 2000000000;
    PlayerBank.DepositAmount = 1000000000;
    ClickOn(CTRL_BANK_DEPOSIT);
    EXPECT_EQ(PlayerBank.Deposit, 2000000000);
    EXPECT_EQ(PlayerObj.Cash, 4e9);
}

TEST_F(MouseOfficeTest, TermArrowsCycleThroughTheSixTerms) {
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    const i32 terms[][2] = {{3, 8}, {6, 9}, {12, 10}, {24, 12}, {36, 14}, {48, 16}, {3, 8}};
    for (const auto& term : terms) {
        ClickOn(CTRL_BANK_TERM_UP);
        EXPECT_EQ(PlayerBank.LoanTerm, term[0]);
        EXPECT_EQ(PlayerBank.LoanRate, term[1]);
    }
    for (const i32 down : {48, 36}) {
        ClickOn(CTRL_BANK_TERM_DOWN);
        EXPECT_EQ(PlayerBank.LoanTerm, down);
    }
    EXPECT_EQ(PlayerBank.LoanRate, 14);
    PlayerBank.LoanTerm = 0;  // none chosen: down starts at the top
    ClickOn(CTRL_BANK_TERM_DOWN);
    EXPECT_EQ(PlayerBank.LoanTerm, 48);
    PlayerBank.LoanTerm = 5;   // not a term of the table
    ClickOn(CTRL_BANK_TERM_UP);
    ClickOn(CTRL_BANK_TERM_DOWN);
    EXPECT_EQ(PlayerBank.LoanTerm, 5);
}

TEST_F(MouseOfficeTest, ALoanIsTakenOverAChosenTermOneAtATime) {
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    PlayerObj.Cash = 0.0;
    PlayerBank.LoanAmount = 100000;
    ClickOn(CTRL_BANK_TAKE_LOAN);   // no term chosen
    EXPECT_EQ(PlayerBank.LoanLeft, 0);
    EXPECT_EQ(PlayerBank.LoanAmount, 100000);

    ClickOn(CTRL_BANK_TERM_DOWN);
    ClickOn(CTRL_BANK_TAKE_LOAN);
    ExpectSchedule(116000, 48, 2416);
    ExpectUsedUp();
    EXPECT_EQ(PlayerObj.Cash, 100000.0);

    PlayerBank.LoanAmount = 5000;   // a loan is running
    ClickOn(CTRL_BANK_TERM_UP);
    ClickOn(CTRL_BANK_TAKE_LOAN);
    EXPECT_EQ(PlayerBank.LoanLeft, 116000);
    EXPECT_EQ(PlayerBank.LoanAmount, 5000);

    // The interest counts whole hundreds: 150 at 16 percent owes 166.
    PlayerBank = Bank{};
    PlayerBank.LoanTerm = 48;
    PlayerBank.LoanRate = 16;
    PlayerBank.LoanAmount = 150;
    ClickOn(CTRL_BANK_TAKE_LOAN);
    EXPECT_EQ(PlayerBank.LoanLeft, 166);
}

TEST_F(MouseOfficeTest, ARepaymentLowersTheDebtAndKeepsItsSchedule) {
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    PlayerObj.Cash = 50000.0;
    PlayerBank.LoanLeft = 116000;
    PlayerBank.MonthsLeft = 40;
    PlayerBank.Installment = 2416;
    PlayerBank.LoanTerm = 12;
    PlayerBank.LoanRate = 10;

    PlayerBank.LoanAmount = 116001;   // more than the debt
    ClickOn(CTRL_BANK_REPAY);
    EXPECT_EQ(PlayerBank.LoanLeft, 116000);
    EXPECT_EQ(PlayerBank.LoanTerm, 12);

    PlayerBank.LoanAmount = 16000;
    ClickOn(CTRL_BANK_REPAY);
    ExpectSchedule(100000, 40, 2500);
    ExpectUsedUp();
    EXPECT_EQ(PlayerObj.Cash, 34000.0);

    // The rest is still charged month by month.
    PlayerObj.Cash = 1e6;
    Player::NextMonth();
    ExpectSchedule(97500, 39, 2500);
    EXPECT_EQ(ExpensesObj.Installment, 2500);

    // Paying off the whole debt ends the schedule; the cash is not looked at.
    PlayerObj.Cash = 0.0;
    PlayerBank.LoanAmount = 97500;
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    ClickOn(CTRL_BANK_REPAY);
    ExpectSchedule(0, 0, 0);
    EXPECT_EQ(PlayerObj.Cash, -97500.0);
}

TEST_F(MouseOfficeTest, OpeningTheBankOnItsRepayButtonRepaysNothingUntyped) {
    PlayerBank.LoanLeft = 116000;
    PlayerBank.MonthsLeft = 48;
    PlayerBank.Installment = 2416;
    PlayerBank.LoanTerm = 24;
    PlayerBank.LoanRate = 12;
    const Bank before = PlayerBank;
    Click(590, 360);   // the safe and the repay button overlap here
    EXPECT_EQ(MainObj.Popup, POPUP_BANK);
    EXPECT_EQ(std::memcmp(&before, &PlayerBank, offsetof(Bank, InputBuffer)), 0);

    // The loan keeps being charged to its end.
    PlayerObj.Cash = 1e6;
    Player::NextMonth();
    EXPECT_EQ(PlayerBank.LoanLeft, 116000 - 2416);
    EXPECT_EQ(PlayerBank.MonthsLeft, 47);

    // A typed amount is repaid by that same click, as by the button.
    ClickOn(CTRL_OFFICE_CLOSE);
    PlayerBank.LoanAmount = 1000;
    Click(590, 360);
    EXPECT_EQ(PlayerBank.LoanLeft, 116000 - 2416 - 1000);
    EXPECT_EQ(PlayerBank.MonthsLeft, 47);
}

TEST_F(MouseOfficeTest, HiringAndFiringMoveTheFreePool) {
    Show(SCREEN_GAME_OFFICE, POPUP_PERSONNEL);
    for (Staff* staff : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians})
        std::memcpy(staff->InputBuffer, "7             ", kBufferSize);
    for (i32 field = 0; field < 6; ++field) {
        ClickOn(CTRL_STAFF_FIELD_1, field);
        EXPECT_EQ(MainObj.Focus, FOCUS_SALESMEN_HIRE + field);
    }
    EXPECT_TRUE(IsBlank(PlayerSalesmans.InputBuffer));
    EXPECT_TRUE(IsBlank(PlayerTechnicians.InputBuffer));

    Staff* const kinds[3] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
    for (i32 kind = 0; kind < 3; ++kind) {
        Staff& staff = *kinds[kind];
        staff.Count = 20;
        staff.Unassigned = 5;
        staff.HireCount = 30;
        ClickOn(CTRL_STAFF_BUTTON_1, 2 * kind);
        EXPECT_EQ(staff.Count, 50) << kind;
        EXPECT_EQ(staff.Unassigned, 35);
        EXPECT_EQ(staff.HireCount, 0);
        staff.FireCount = 10;
        ClickOn(CTRL_STAFF_BUTTON_1, 2 * kind + 1);
        EXPECT_EQ(staff.Count, 40);
        EXPECT_EQ(staff.Unassigned, 25);
        EXPECT_EQ(staff.FireCount, 0);
    }

    // No one at work in a region or the laboratory is fired, whatever count
    // the record holds.
    PlayerTechnicians.Unassigned = 3;
    PlayerTechnicians.FireCount = 10;
    ClickOn(CTRL_STAFF_BUTTON_1, 5);
    EXPECT_EQ(PlayerTechnicians.Count, 37);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 0);
}

TEST_F(MouseOfficeTest, TheSharedCloseClearsTypedCountsAndFocus) {
    for (i32 popup : {POPUP_BANK, POPUP_PERSONNEL, POPUP_STATISTICS, POPUP_MONTH_REPORT, POPUP_PROFIT_REPORT,
                      POPUP_MODEL_REPORT, POPUP_RESEARCH_REPORT}) {
        Show(SCREEN_GAME_OFFICE, popup);
        MainObj.Focus = FOCUS_SCIENTISTS_FIRE;
        PlayerScientists.HireCount = 4;
        PlayerTechnicians.FireCount = 2;
        PlayerBank.DepositAmount = 77;
        Click(345, 497);
        ExpectClosed(SCREEN_GAME_OFFICE);
        EXPECT_EQ(PlayerScientists.HireCount, 0) << popup;
        EXPECT_EQ(PlayerTechnicians.FireCount, 0);
        EXPECT_EQ(PlayerBank.DepositAmount, 77);   // typed amounts outlive the popup
    }
}

}  // namespace
