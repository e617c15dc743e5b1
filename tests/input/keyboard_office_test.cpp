// The office popups: staff to hire and fire, wages, and the bank's amounts.
// Numbers are stored and limited at every key while the buffer keeps the
// digits as typed.

#include "input/input_fixture.h"

namespace {

using OfficeKeys = InputTest;

// The highest deposit and loan the fields store.
constexpr i32 H = 1000000000;
constexpr i32 L = 100000;

KeyRow StaffRow(const char* name, i32 focus, Staff& kind, Values given, const char* keys, i32& tracked,
             std::vector<i32> seen, Values then = {}, long repaints = -1) {
    return {name, SCREEN_GAME_OFFICE, POPUP_PERSONNEL, focus, kind.InputBuffer, given, keys, &tracked, seen, then,
            repaints};
}

KeyRow BankRow(const char* name, i32 focus, const char* keys, std::vector<i32> seen, long repaints = -1) {
    i32& amount = focus == FOCUS_BANK_DEPOSIT ? PlayerBank.DepositAmount : PlayerBank.LoanAmount;
    return {name, SCREEN_GAME_OFFICE, POPUP_BANK, focus, PlayerBank.InputBuffer, {}, keys, &amount, seen, {}, repaints};
}

TEST_F(OfficeKeys, HireFireAndWages) {
    Staff& sales = PlayerSalesmans;
    Staff& sci = PlayerScientists;
    Staff& techs = PlayerTechnicians;
    RunKeys({
        StaffRow("hire is cut to 90; Backspace rereads the typed digits", FOCUS_SALESMEN_HIRE, sales, {}, "1509<",
              sales.HireCount, {1, 15, 90, 90, 15}),
        StaffRow("hire is cut to the staff limit", FOCUS_SCIENTISTS_HIRE, sci, {{sci.Count, 9959}}, "90", sci.HireCount,
              {9, 40}),
        StaffRow("a long number shows 90", FOCUS_TECHNICIANS_HIRE, techs, {}, "99999999", techs.HireCount,
              {9, 90, 90, 90, 90, 90, 90, 90}),
        StaffRow("leading zeros", FOCUS_SCIENTISTS_HIRE, sci, {}, "007", sci.HireCount, {0, 0, 7}),
        // One kind's keys never touch another's record.
        StaffRow("a full staff hires no one", FOCUS_TECHNICIANS_HIRE, techs,
              {{techs.Count, 9999}, {sales.HireCount, 15}},
              "5", techs.HireCount, {0}, {{sales.HireCount, 15}}),
        StaffRow("fire is cut to the free staff", FOCUS_TECHNICIANS_FIRE, techs,
              {{techs.Count, 50}, {techs.Unassigned, 10}}, "123<<<<", techs.FireCount, {1, 10, 10, 10, 1, 0, 0},
              {{techs.Count, 50}, {techs.Unassigned, 10}}),
        // Backspace in an empty buffer edits nothing, yet the field is stored
        // and repainted; a digit asks once for the edit and once for the field.
        StaffRow("every key asks for one repaint after its limits", FOCUS_SALESMEN_FIRE, sales, {{sales.Unassigned, 3}},
              "<7", sales.FireCount, {0, 3}, {}, 3),
        // A saved game edited outside the game can hold counts the game never
        // makes; the keys must not turn them into a negative hire or fire, nor
        // rewrite the count.
        StaffRow("a damaged count never gives a negative hire", FOCUS_SALESMEN_HIRE, sales, {{sales.Count, 12000}},
              "089f<", sales.HireCount, {0, 0, 0, 0, 0}, {{sales.Count, 12000}}),
        StaffRow("a damaged free pool never gives a negative fire", FOCUS_SCIENTISTS_FIRE, sci,
              {{sci.Count, 5}, {sci.Unassigned, -4}}, "3<", sci.FireCount, {0, 0}, {{sci.Unassigned, -4}}),
        // No click gives a wage field the focus; the row is tried directly.
        StaffRow("wages take five digits cut to 9999", FOCUS_SCIENTISTS_WAGE, sci, {}, "500000", sci.Wage,
              {5, 50, 500, 5000, 9999, 9999}),
    });
}

TEST_F(OfficeKeys, TheBanksAmounts) {
    std::vector<KeyRow> rows = {
        // A twelfth digit does not fit, but the field still repaints.
        BankRow("the deposit never wraps beyond 32 bits", FOCUS_BANK_DEPOSIT, "999999999999",
             {9, 99, 999, 9999, 99999, 999999, 9999999, 99999999, 999999999, H, H, H}, 11 * 2 + 1),
        BankRow("eleven digits, the last one deleted", FOCUS_BANK_DEPOSIT, "12345678901<",
             {1, 12, 123, 1234, 12345, 123456, 1234567, 12345678, 123456789, H, H, H}),
        BankRow("a full buffer of zeros and a seven", FOCUS_BANK_DEPOSIT, "000000000075<",
             {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 0}),
        BankRow("the loan takes seven digits cut to 100000", FOCUS_BANK_LOAN, "j9999999<",
             {9, 99, 999, 9999, 99999, L, L, L, L}),
        BankRow("a loan typed down again", FOCUS_BANK_LOAN, "150000<", {1, 15, 150, 1500, 15000, L, 15000}),
    };
    for (const char* typed : {"2147483648", "4294967297", "1000000001"})
        rows.push_back({typed, SCREEN_GAME_OFFICE, POPUP_BANK, FOCUS_BANK_DEPOSIT, PlayerBank.InputBuffer, {}, typed,
                        nullptr, {}, {{PlayerBank.DepositAmount, H}}});
    RunKeys(rows);
}

// The loan field shares the deposit's buffer but reads its own cells.
TEST_F(OfficeKeys, LoanAndDepositShareOneBuffer) {
    MainObj.Screen = SCREEN_GAME_OFFICE;
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
