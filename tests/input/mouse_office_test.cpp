// The office: the map's purchases, the bank, hiring and firing, and the
// statistics chooser with its reports.

#include <string>

#include "input/input_fixture.h"
#include "model/player.h"

namespace {

using MouseOffice = InputTest;

FactorySalonRegion& Region(i32 r) { return PlayerFactorySalon.Region[r - 1]; }

// March 1910, the map showing Australia at the first prices.
Values OfficeAtStart() {
    return {{PlayerObj.Year, 1910}, {PlayerObj.Month, 3}, {PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA},
            {PlayerFactorySalon.FactoryPrice, 500000}, {PlayerFactorySalon.SalonPrice, 200000}};
}

// A loan running with 40 of its months left, and a term chosen.
Values RunningLoan(i32 typed) {
    return {{PlayerObj.Cash, 50000.0}, {PlayerBank.LoanLeft, 116000}, {PlayerBank.MonthsLeft, 40},
            {PlayerBank.Installment, 2416}, {PlayerBank.LoanTerm, 12}, {PlayerBank.LoanRate, 10},
            {PlayerBank.LoanAmount, typed}};
}

// A loan taken or repaid uses up the typed amount and the chosen term.
Values UsedUp() { return {{PlayerBank.LoanTerm, 0}, {PlayerBank.LoanRate, 0}, {PlayerBank.LoanAmount, 0}}; }

TEST_F(MouseOffice, OpenersAndReports) {
    std::vector<ClickRow> rows = {
        {"the map", POPUP_NONE, {{MainObj.Focus, FOCUS_BANK_LOAN}}, {Spot(300, 150)},
         {{MainObj.Popup, POPUP_MAP}, {MainObj.Focus, FOCUS_BANK_LOAN}}},   // opening leaves the focus
        {"the bank", POPUP_NONE, {{MainObj.Focus, FOCUS_BANK_LOAN}}, {Spot(650, 420)},
         {{MainObj.Popup, POPUP_BANK}, {MainObj.Focus, FOCUS_BANK_LOAN}}},
        {"the personnel", POPUP_NONE, {}, {Spot(420, 350)}, {{MainObj.Popup, POPUP_PERSONNEL}}},
        {"the statistics", POPUP_NONE, {}, {Spot(250, 360)}, {{MainObj.Popup, POPUP_STATISTICS}}},
        {"the statistics close", POPUP_STATISTICS, {{MainObj.Focus, FOCUS_BANK_LOAN}}, {On(CTRL_STATISTICS_CLOSE)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_BANK_LOAN}}},
        {"out to the main view", POPUP_NONE, {}, {Spot(100, 200)}, {{MainObj.Screen, SCREEN_GAME_MAIN}}},
    };
    for (i32 report = 0; report < 4; ++report) {
        rows.push_back({"report " + std::to_string(report), POPUP_STATISTICS, {},
                        {On(CTRL_STATISTICS_MONTH_REPORT, report)}, {{MainObj.Popup, POPUP_MONTH_REPORT + report}}});
        rows.push_back({"back from report " + std::to_string(report), POPUP_MONTH_REPORT + report, {},
                        {On(CTRL_MONTH_REPORT_BACK, report)}, {{MainObj.Popup, POPUP_STATISTICS}}});
    }
    // The shared close drops typed staff counts but keeps typed amounts.
    for (i32 popup : {POPUP_BANK, POPUP_PERSONNEL, POPUP_STATISTICS, POPUP_MONTH_REPORT, POPUP_PROFIT_REPORT,
                      POPUP_MODEL_REPORT, POPUP_RESEARCH_REPORT})
        rows.push_back({"shared close of popup " + std::to_string(popup), popup,
                        {{MainObj.Focus, FOCUS_SCIENTISTS_FIRE}, {PlayerScientists.HireCount, 4},
                         {PlayerTechnicians.FireCount, 2}, {PlayerBank.DepositAmount, 77}},
                        {Spot(345, 497)},
                        {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_NONE}, {PlayerScientists.HireCount, 0},
                         {PlayerTechnicians.FireCount, 0}, {PlayerBank.DepositAmount, 77}},
                        Asks::Background});
    RunRows(SCREEN_GAME_OFFICE, OfficeAtStart(), rows);
}

TEST_F(MouseOffice, MapBuysWhileMoneyIsLeftOver) {
    RunRows(SCREEN_GAME_OFFICE, OfficeAtStart(), {
        {"region back wraps", POPUP_MAP, {}, {On(CTRL_MAP_REGION_BACK)},
         {{PlayerFactorySalon.ShownRegion, REGION_AFRICA}}},
        {"region forward wraps", POPUP_MAP, {{PlayerFactorySalon.ShownRegion, REGION_AFRICA}},
         {On(CTRL_MAP_REGION_FORWARD)}, {{PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA}}},
        {"exactly the price is refused", POPUP_MAP, {{PlayerObj.Cash, 500000.0}}, {On(CTRL_MAP_BUY_FACTORY)},
         {{Region(1).HasFactory, 0}, {PlayerObj.Cash, 500000.0}}, Asks::Repaint},
        {"one factory a region, each dearer", POPUP_MAP, {{PlayerObj.Cash, 3000000.0}},
         {On(CTRL_MAP_BUY_FACTORY), On(CTRL_MAP_BUY_FACTORY), On(CTRL_MAP_REGION_FORWARD), On(CTRL_MAP_BUY_FACTORY)},
         {{Region(1).HasFactory, 1}, {Region(2).HasFactory, 1}, {PlayerObj.Cash, 1000000.0},
          {PlayerFactorySalon.FactoryPrice, 2500000}}},
        {"salons need no factory; a region takes nine", POPUP_MAP,
         {{PlayerObj.Cash, 1e9}, {PlayerFactorySalon.ShownRegion, 3}}, std::vector<Target>(10, On(CTRL_MAP_BUY_SALON)),
         {{Region(3).Salons, 9}, {PlayerFactorySalon.SalonPrice, 200000 + 9 * 100000},
          {PlayerObj.Cash, 1e9 - (9 * 200000 + 36 * 100000)}}},
        {"a salon at exactly the cash is refused", POPUP_MAP,
         {{PlayerFactorySalon.SalonPrice, 1100000}, {PlayerObj.Cash, 1100000.0}}, {On(CTRL_MAP_BUY_SALON)},
         {{Region(1).Salons, 0}}},
        // The other popups' close rectangle lies over the salon button here.
        {"a salon click in the shared close buys", POPUP_MAP, {{PlayerObj.Cash, 1e9}}, {Spot(400, 490)},
         {{Region(1).Salons, 1}, {MainObj.Popup, POPUP_MAP}}},
        {"the map's own close", POPUP_MAP, {{MainObj.Focus, FOCUS_BANK_LOAN}}, {On(CTRL_MAP_CLOSE)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_BANK_LOAN}}, Asks::Background},
        // A region number outside 1..6 buys nothing and wraps into range.
        {"no region shown buys nothing", POPUP_MAP, {{PlayerObj.Cash, 1e9}, {PlayerFactorySalon.ShownRegion, 9}},
         {On(CTRL_MAP_BUY_FACTORY), On(CTRL_MAP_BUY_SALON)},
         {{PlayerObj.Cash, 1e9}, {PlayerFactorySalon.FactoryPrice, 500000}, {PlayerFactorySalon.SalonPrice, 200000},
          {PlayerFactorySalon.ShownRegion, 9}}},
        {"region 9 back", POPUP_MAP, {{PlayerFactorySalon.ShownRegion, 9}}, {On(CTRL_MAP_REGION_BACK)},
         {{PlayerFactorySalon.ShownRegion, 8}}},
        {"region 9 forward", POPUP_MAP, {{PlayerFactorySalon.ShownRegion, 9}}, {On(CTRL_MAP_REGION_FORWARD)},
         {{PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA}}},
        {"region 0 forward", POPUP_MAP, {{PlayerFactorySalon.ShownRegion, 0}}, {On(CTRL_MAP_REGION_FORWARD)},
         {{PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA}}},
    });
}

TEST_F(MouseOffice, BankDepositsTermsLoansAndRepayments) {
    std::vector<ClickRow> rows = {
        {"the deposit field starts a new number", POPUP_BANK, {{PlayerBank.InputBuffer, "12"}},
         {On(CTRL_BANK_DEPOSIT_FIELD)}, {{MainObj.Focus, FOCUS_BANK_DEPOSIT}, {PlayerBank.InputBuffer, kBlankBuffer}}},
        {"the loan field", POPUP_BANK, {}, {On(CTRL_BANK_LOAN_FIELD)}, {{MainObj.Focus, FOCUS_BANK_LOAN}}},
        {"all the money may go", POPUP_BANK, {{PlayerObj.Cash, 30000.0}, {PlayerBank.DepositAmount, 30000}},
         {On(CTRL_BANK_DEPOSIT)},
         {{PlayerBank.Deposit, 30000}, {PlayerObj.Cash, 0.0}, {PlayerBank.DepositMonth, 3},
          {PlayerBank.DepositYear, 1910}, {PlayerBank.DepositAmount, 0}}},
        {"more than the cash: refused, still used up", POPUP_BANK,
         {{PlayerObj.Cash, 0.0}, {PlayerBank.Deposit, 30000}, {PlayerBank.DepositAmount, 1}}, {On(CTRL_BANK_DEPOSIT)},
         {{PlayerBank.Deposit, 30000}, {PlayerBank.DepositAmount, 0}}},
        {"more than the balance: refused", POPUP_BANK, {{PlayerBank.Deposit, 30000}, {PlayerBank.DepositAmount, 30001}},
         {On(CTRL_BANK_WITHDRAW)}, {{PlayerBank.Deposit, 30000}, {PlayerBank.DepositAmount, 0}}},
        {"a withdrawal keeps the deposit's date", POPUP_BANK,
         {{PlayerObj.Month, 7}, {PlayerObj.Cash, 0.0}, {PlayerBank.Deposit, 30000}, {PlayerBank.DepositMonth, 3},
          {PlayerBank.DepositAmount, 10000}},
         {On(CTRL_BANK_WITHDRAW)},
         {{PlayerBank.Deposit, 20000}, {PlayerObj.Cash, 10000.0}, {PlayerBank.DepositMonth, 3}}},
        {"the balance never passes its 32-bit top", POPUP_BANK,
         {{PlayerObj.Cash, 4e9}, {PlayerBank.Deposit, 2000000000}, {PlayerBank.DepositAmount, 1000000000}},
         {On(CTRL_BANK_DEPOSIT)}, {{PlayerBank.Deposit, 2000000000}, {PlayerObj.Cash, 4e9}}},

        {"term down from none starts at the top", POPUP_BANK, {}, {On(CTRL_BANK_TERM_DOWN)},
         {{PlayerBank.LoanTerm, 48}, {PlayerBank.LoanRate, 16}}},
        {"term down wraps", POPUP_BANK, {{PlayerBank.LoanTerm, 3}}, {On(CTRL_BANK_TERM_DOWN)},
         {{PlayerBank.LoanTerm, 48}}},
        {"term down", POPUP_BANK, {{PlayerBank.LoanTerm, 48}}, {On(CTRL_BANK_TERM_DOWN)},
         {{PlayerBank.LoanTerm, 36}, {PlayerBank.LoanRate, 14}}},
        {"a term outside the table stays", POPUP_BANK, {{PlayerBank.LoanTerm, 5}},
         {On(CTRL_BANK_TERM_UP), On(CTRL_BANK_TERM_DOWN)}, {{PlayerBank.LoanTerm, 5}}},

        {"no term chosen: no loan", POPUP_BANK, {{PlayerBank.LoanAmount, 100000}}, {On(CTRL_BANK_TAKE_LOAN)},
         {{PlayerBank.LoanLeft, 0}, {PlayerBank.LoanAmount, 100000}}},
        {"a loan over 48 months", POPUP_BANK, {{PlayerObj.Cash, 0.0}, {PlayerBank.LoanAmount, 100000}},
         {On(CTRL_BANK_TERM_DOWN), On(CTRL_BANK_TAKE_LOAN)},
         Join({{{PlayerBank.LoanLeft, 116000}, {PlayerBank.MonthsLeft, 48}, {PlayerBank.Installment, 2416},
                {PlayerObj.Cash, 100000.0}},
               UsedUp()})},
        {"one loan at a time", POPUP_BANK, Join({RunningLoan(5000), {{PlayerBank.LoanTerm, 3}}}),
         {On(CTRL_BANK_TAKE_LOAN)}, {{PlayerBank.LoanLeft, 116000}, {PlayerBank.LoanAmount, 5000}}},
        {"interest counts whole hundreds: 150 at 16 percent owes 166", POPUP_BANK,
         {{PlayerBank.LoanTerm, 48}, {PlayerBank.LoanRate, 16}, {PlayerBank.LoanAmount, 150}},
         {On(CTRL_BANK_TAKE_LOAN)}, {{PlayerBank.LoanLeft, 166}}},
        {"a loan that would owe less than it lends is refused", POPUP_BANK,
         {{PlayerObj.Cash, 0.0}, {PlayerBank.LoanTerm, 3}, {PlayerBank.LoanRate, -200}, {PlayerBank.LoanAmount, 100000}},
         {On(CTRL_BANK_TAKE_LOAN)},
         {{PlayerBank.LoanLeft, 0}, {PlayerBank.MonthsLeft, 0}, {PlayerObj.Cash, 0.0}, {PlayerBank.LoanAmount, 100000}}},

        {"repaying more than the debt is refused", POPUP_BANK, RunningLoan(116001), {On(CTRL_BANK_REPAY)},
         {{PlayerBank.LoanLeft, 116000}, {PlayerBank.LoanTerm, 12}}},
        {"a repayment keeps the months", POPUP_BANK, RunningLoan(16000), {On(CTRL_BANK_REPAY)},
         Join({{{PlayerBank.LoanLeft, 100000}, {PlayerBank.MonthsLeft, 40}, {PlayerBank.Installment, 2500},
                {PlayerObj.Cash, 34000.0}},
               UsedUp()})},
        {"paying off the whole debt with exactly the cash ends the schedule", POPUP_BANK,
         Join({RunningLoan(116000), {{PlayerObj.Cash, 116000.0}}}), {On(CTRL_BANK_REPAY)},
         Join({{{PlayerBank.LoanLeft, 0}, {PlayerBank.MonthsLeft, 0}, {PlayerBank.Installment, 0},
                {PlayerObj.Cash, 0.0}},
               UsedUp()})},
        {"repaying one unit more than the cash changes nothing", POPUP_BANK,
         Join({RunningLoan(50001), {{PlayerObj.Cash, 50000.0}}}), {On(CTRL_BANK_REPAY)},
         {{PlayerBank.LoanLeft, 116000}, {PlayerBank.MonthsLeft, 40}, {PlayerBank.LoanTerm, 12},
          {PlayerBank.LoanRate, 10}, {PlayerBank.LoanAmount, 50001},
          {PlayerObj.Cash, 50000.0}},
         Asks::Repaint},
        {"nothing is repaid from below zero", POPUP_BANK, Join({RunningLoan(1), {{PlayerObj.Cash, -3000.0}}}),
         {On(CTRL_BANK_REPAY)}, {{PlayerBank.LoanLeft, 116000}, {PlayerObj.Cash, -3000.0}}},
        // The safe and the repay button overlap: the click that opens the
        // bank only opens it, whatever was typed there before.
        // Like every click that reaches the bank, the opening one starts a
        // new number in its fields.
        {"opening the bank on its repay button repays nothing", POPUP_NONE,
         Join({RunningLoan(5000), {{PlayerBank.InputBuffer, "5000"}}}), {Spot(590, 360)},
         {{MainObj.Popup, POPUP_BANK}, {PlayerBank.LoanLeft, 116000}, {PlayerBank.MonthsLeft, 40},
          {PlayerBank.LoanTerm, 12}, {PlayerBank.LoanRate, 10}, {PlayerBank.LoanAmount, 5000},
          {PlayerObj.Cash, 50000.0}, {PlayerBank.Deposit, 0}, {PlayerBank.InputBuffer, kBlankBuffer}}},
        {"opening the personnel popup starts new numbers", POPUP_NONE,
         {{PlayerTechnicians.InputBuffer, "20"}, {PlayerTechnicians.HireCount, 20}}, {Spot(420, 360)},
         {{MainObj.Popup, POPUP_PERSONNEL}, {PlayerTechnicians.InputBuffer, kBlankBuffer},
          {PlayerTechnicians.HireCount, 20}}},
        {"the next click there repays", POPUP_NONE, RunningLoan(5000), {Spot(590, 360), Spot(590, 360)},
         {{PlayerBank.LoanLeft, 111000}, {PlayerObj.Cash, 45000.0}, {PlayerBank.LoanAmount, 0}}},
    };
    const i32 terms[][2] = {{0, 0}, {3, 8}, {6, 9}, {12, 10}, {24, 12}, {36, 14}, {48, 16}};
    for (int k = 1; k <= 6; ++k)
        rows.push_back({"term up from " + std::to_string(terms[k - 1][0]), POPUP_BANK,
                        {{PlayerBank.LoanTerm, terms[k - 1][0]}}, {On(CTRL_BANK_TERM_UP)},
                        {{PlayerBank.LoanTerm, terms[k][0]}, {PlayerBank.LoanRate, terms[k][1]}}});
    rows.push_back({"term up wraps", POPUP_BANK, {{PlayerBank.LoanTerm, 48}}, {On(CTRL_BANK_TERM_UP)},
                    {{PlayerBank.LoanTerm, 3}, {PlayerBank.LoanRate, 8}}});
    RunRows(SCREEN_GAME_OFFICE, OfficeAtStart(), rows);
}

// What a repayment leaves is still charged month by month to its end.
TEST_F(MouseOffice, ARepaidLoanIsStillCharged) {
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    SetAll(RunningLoan(16000));
    ClickOn(CTRL_BANK_REPAY);
    PlayerObj.Cash = 1e6;
    Player::NextMonth();
    EXPECT_EQ(PlayerBank.LoanLeft, 97500);
    EXPECT_EQ(PlayerBank.MonthsLeft, 39);
    EXPECT_EQ(ExpensesObj.Installment, 2500);
}

// Every term, taken through the bank's buttons and run to its end. The
// term's rate is counted once on the whole hundreds lent; the first month
// books the debt shared over the term and truncated, and every month books
// an installment, the last one whatever the truncated installments left. The
// cash pays back exactly what the loan owed, whether or not the bank was
// looked at in between, and the month after the loan books nothing.
TEST_F(MouseOffice, EveryLoanIsPaidBackWhole) {
    struct Loan {
        const char* typed;
        i32 term, owed, first;
    };
    const Loan loans[] = {
        {"100000", 3, 108000, 36000},  {"100000", 6, 109000, 18166}, {"100000", 12, 110000, 9166},
        {"100000", 24, 112000, 4666},  {"100000", 36, 114000, 3166}, {"100000", 48, 116000, 2416},
        {"99950", 3, 107942, 35980},   // 999 whole hundreds at 8 percent
    };
    for (const bool looked : {false, true}) {
        for (const Loan& loan : loans) {
            SCOPED_TRACE(std::string(loan.typed) + " over " + std::to_string(loan.term) +
                         (looked ? " months, the bank looked at" : " months"));
            ResetGameState();
            PlayerObj.Year = 1912;
            PlayerObj.Month = 1;
            PlayerObj.Cash = 500000.0;
            Show(SCREEN_GAME_OFFICE, POPUP_BANK);
            ClickOn(CTRL_BANK_LOAN_FIELD);
            Type(loan.typed);
            while (PlayerBank.LoanTerm != loan.term) ClickOn(CTRL_BANK_TERM_UP);
            ClickOn(CTRL_BANK_TAKE_LOAN);
            ASSERT_EQ(PlayerBank.LoanLeft, loan.owed);
            const double cash = 500000.0 + std::stoi(loan.typed);
            ASSERT_EQ(PlayerObj.Cash, cash);

            i32 booked = 0, paid = 0;
            while (PlayerBank.MonthsLeft > 0 && booked <= loan.term) {
                Player::NextMonth();
                if (booked == 0) {
                    EXPECT_EQ(ExpensesObj.Installment, loan.first);
                }
                if (looked) Show(SCREEN_GAME_OFFICE, POPUP_BANK);
                booked += ExpensesObj.Installment > 0 ? 1 : 0;
                paid += ExpensesObj.Installment;
            }
            EXPECT_EQ(booked, loan.term);
            EXPECT_EQ(paid, loan.owed);
            EXPECT_EQ(PlayerObj.Cash, cash - loan.owed);
            ExpectAll({{PlayerBank.LoanLeft, 0}, {PlayerBank.Installment, 0}, {PlayerBank.MonthsLeft, 0}});
            Player::NextMonth();
            EXPECT_EQ(ExpensesObj.Installment, 0);
            EXPECT_EQ(PlayerObj.Cash, cash - loan.owed);
            EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OFFICE);
            // The bank lends again at once.
            Show(SCREEN_GAME_OFFICE, POPUP_BANK);
            ClickOn(CTRL_BANK_LOAN_FIELD);
            Type("1000");
            ClickOn(CTRL_BANK_TERM_UP);
            ClickOn(CTRL_BANK_TAKE_LOAN);
            EXPECT_EQ(PlayerBank.LoanLeft, 1080);
        }
    }
}

// A loan of nothing owes nothing: its schedule ends with the next month,
// which books nothing.
TEST_F(MouseOffice, ALoanOfNothingEndsTheMonthAfter) {
    PlayerObj.Cash = 1000.0;
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    ClickOn(CTRL_BANK_LOAN_FIELD);
    Type("0");
    ClickOn(CTRL_BANK_TERM_UP);
    ClickOn(CTRL_BANK_TAKE_LOAN);
    ExpectAll({{PlayerBank.LoanLeft, 0}, {PlayerBank.MonthsLeft, 3}, {PlayerBank.Installment, 0}});
    Player::NextMonth();
    ExpectAll({{PlayerBank.MonthsLeft, 0}, {ExpensesObj.Installment, 0}, {PlayerObj.Cash, 1000.0}});
}

// The term's rate is added once, when the loan is taken: paying a 12-month
// loan off after its first month still costs the whole 10 percent. The loan
// box takes 100000 at most, so the rest goes in a second repayment.
TEST_F(MouseOffice, RepayingEarlySavesNoInterest) {
    PlayerObj.Cash = 500000.0;
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    ClickOn(CTRL_BANK_LOAN_FIELD);
    Type("100000");
    while (PlayerBank.LoanTerm != 12) ClickOn(CTRL_BANK_TERM_UP);
    ClickOn(CTRL_BANK_TAKE_LOAN);
    Player::NextMonth();
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    ASSERT_EQ(PlayerBank.LoanLeft, 100834);
    for (const char* amount : {"100000", "834"}) {
        ClickOn(CTRL_BANK_LOAN_FIELD);
        Type(amount);
        ClickOn(CTRL_BANK_REPAY);
    }
    ExpectAll({{PlayerBank.LoanLeft, 0}, {PlayerBank.MonthsLeft, 0}, {PlayerObj.Cash, 600000.0 - 110000.0}});
}

// A repayment needs only the cash to cover it; what it leaves may not pay
// the month, and the next month then ends the game.
TEST_F(MouseOffice, ARepaymentCanLeaveTooLittleForTheMonth) {
    SetAll(RunningLoan(50000));
    PlayerTechnicians.Count = 10;
    PlayerTechnicians.Wage = 80;
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    ClickOn(CTRL_BANK_REPAY);
    ExpectAll({{PlayerObj.Cash, 0.0}, {PlayerBank.LoanLeft, 66000}});
    Show(SCREEN_GAME_MAIN);
    ClickOn(CTRL_NEXT_MONTH);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER);
}

TEST_F(MouseOffice, HiringAndFiringMoveTheFreePool) {
    Staff* const kinds[3] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
    std::vector<ClickRow> rows;
    for (i32 field = 0; field < 6; ++field)
        rows.push_back({"field " + std::to_string(field), POPUP_PERSONNEL, {{kinds[field / 2]->InputBuffer, "7"}},
                        {On(CTRL_STAFF_FIELD_1, field)},
                        {{MainObj.Focus, FOCUS_SALESMEN_HIRE + field}, {kinds[field / 2]->InputBuffer, kBlankBuffer}}});
    for (i32 kind = 0; kind < 3; ++kind) {
        Staff& staff = *kinds[kind];
        rows.push_back({"hire kind " + std::to_string(kind), POPUP_PERSONNEL,
                        {{staff.Count, 20}, {staff.Unassigned, 5}, {staff.HireCount, 30}},
                        {On(CTRL_STAFF_BUTTON_1, 2 * kind)},
                        {{staff.Count, 50}, {staff.Unassigned, 35}, {staff.HireCount, 0}}});
        rows.push_back({"fire kind " + std::to_string(kind), POPUP_PERSONNEL,
                        {{staff.Count, 50}, {staff.Unassigned, 35}, {staff.FireCount, 10}},
                        {On(CTRL_STAFF_BUTTON_1, 2 * kind + 1)},
                        {{staff.Count, 40}, {staff.Unassigned, 25}, {staff.FireCount, 0}}});
    }
    // No one at work in a region or the laboratory is fired, whatever count
    // the record holds.
    rows.push_back({"only the free are fired", POPUP_PERSONNEL,
                    {{PlayerTechnicians.Count, 40}, {PlayerTechnicians.Unassigned, 3},
                     {PlayerTechnicians.FireCount, 10}},
                    {On(CTRL_STAFF_BUTTON_1, 5)}, {{PlayerTechnicians.Count, 37}, {PlayerTechnicians.Unassigned, 0}}});
    RunRows(SCREEN_GAME_OFFICE, OfficeAtStart(), rows);
}

}  // namespace
