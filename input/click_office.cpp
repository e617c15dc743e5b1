// The office and its popups: the map (factories and salons), the bank
// (deposits and loans), the personnel popup (hiring and firing) and the
// statistics chooser with its four reports. Amounts are typed into the
// fields a click focuses; the buttons then apply them.

#include <cstdint>
#include <limits>

#include "input/click_rules.h"
#include "input/field_limits.h"
#include "model/bank_installment.h"
#include "model/loan_terms.h"
#include "model/shown_region.h"
#include "model/site_prices.h"

namespace clicks {
namespace {

using platform::Window;
using i64 = std::int64_t;

// ---- Office

constexpr Rule kOffice[] = {
    {CTRL_BACK, 1, GoTo<SCREEN_MENU_GAME>},
};

// ---- Map

bool MapRegionBack(Window*, i32) {
    StepBack(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA, kRegionCount);
    return true;
}

bool MapRegionForward(Window*, i32) {
    StepForward(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA, kRegionCount);
    return true;
}

// Something must be left of the money after a purchase. Prices rise with
// every purchase in any region.
bool BuyFactory(Window*, i32) {
    FactorySalon& sites = PlayerFactorySalon;
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region != nullptr && region->HasFactory == 0 && PlayerObj.Cash - sites.FactoryPrice > 0) {
        region->HasFactory += 1;
        PlayerObj.Cash -= sites.FactoryPrice;
        sites.FactoryPrice += kFactoryPriceRise;
    }
    return true;
}

bool BuySalon(Window*, i32) {
    FactorySalon& sites = PlayerFactorySalon;
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region != nullptr && region->Salons + 1 <= kMostSalons && PlayerObj.Cash - sites.SalonPrice > 0) {
        region->Salons += 1;
        PlayerObj.Cash -= sites.SalonPrice;
        sites.SalonPrice += kSalonPriceRise;
    }
    return true;
}

constexpr Rule kMap[] = {
    {CTRL_MAP_CLOSE, 1, Close},
    {CTRL_MAP_REGION_BACK, 1, MapRegionBack},
    {CTRL_MAP_REGION_FORWARD, 1, MapRegionForward},
    {CTRL_MAP_BUY_FACTORY, 1, BuyFactory},
    {CTRL_MAP_BUY_SALON, 1, BuySalon},
};

// ---- The close button of every other office popup

bool CloseOfficePopup(Window* window, i32 n) {
    for (Staff* staff : kPlayerStaff) {
        staff->HireCount = 0;
        staff->FireCount = 0;
    }
    return CloseDroppingFocus(window, n);
}

constexpr Rule kOfficeClose[] = {
    {CTRL_OFFICE_CLOSE, 1, CloseOfficePopup},
};

// ---- Bank

bool DepositField(Window*, i32) {
    MainObj.Focus = FOCUS_BANK_DEPOSIT;
    return true;
}

bool LoanField(Window*, i32) {
    MainObj.Focus = FOCUS_BANK_LOAN;
    return true;
}

// The balance is a 32-bit number: a deposit that would carry it past its top
// is refused like one the cash cannot pay. The typed amount is used up
// either way.
bool Deposit(Window*, i32) {
    Bank& bank = PlayerBank;
    const i32 amount = bank.DepositAmount;
    const bool fits = i64{bank.Deposit} + amount <= std::numeric_limits<i32>::max();
    if (amount > 0 && PlayerObj.Cash >= static_cast<double>(amount) && fits) {
        bank.Deposit += amount;
        PlayerObj.Cash -= amount;
        bank.DepositMonth = PlayerObj.Month;
        bank.DepositYear = PlayerObj.Year;
    }
    bank.DepositAmount = 0;
    return true;
}

bool Withdraw(Window*, i32) {
    Bank& bank = PlayerBank;
    const i32 amount = bank.DepositAmount;
    if (amount > 0 && amount <= bank.Deposit) {
        PlayerObj.Cash += amount;
        bank.Deposit -= amount;
    }
    bank.DepositAmount = 0;
    return true;
}

// Moves the chosen term one step through the table, wrapping; no term chosen
// yet starts at the far end. A term the table does not hold stays.
void StepTerm(bool longer) {
    Bank& bank = PlayerBank;
    i32 next = -1;
    if (bank.LoanTerm == 0) next = longer ? 0 : kLoanTermCount - 1;
    for (i32 i = 0; i < kLoanTermCount; ++i)
        if (kLoanTerms[i].Months == bank.LoanTerm) next = (i + (longer ? 1 : kLoanTermCount - 1)) % kLoanTermCount;
    if (next < 0) return;
    bank.LoanTerm = kLoanTerms[next].Months;
    bank.LoanRate = kLoanTerms[next].Rate;
}

bool TermDown(Window*, i32) {
    StepTerm(false);
    return true;
}

bool TermUp(Window*, i32) {
    StepTerm(true);
    return true;
}

// One loan at a time, over a chosen term. The interest is counted on whole
// hundreds of the amount. A loan never owes less than it lends, whatever
// rate the records hold: the bank does not pay to lend.
bool TakeLoan(Window*, i32) {
    Bank& bank = PlayerBank;
    const i32 amount = bank.LoanAmount;
    if (bank.LoanLeft != 0 || bank.LoanTerm <= 0 || amount < 0) return true;
    const i64 owed = i64{amount} + i64{amount / 100} * bank.LoanRate;
    if (owed < amount || owed > std::numeric_limits<i32>::max()) return true;
    bank.LoanLeft = static_cast<i32>(owed);
    PlayerObj.Cash += amount;
    bank.LoanRate = 0;
    bank.MonthsLeft = bank.LoanTerm;
    bank.LoanTerm = 0;
    bank.LoanAmount = 0;
    bank.Installment = MonthlyInstallment(bank.LoanLeft, bank.MonthsLeft);
    return true;
}

// A repayment lowers the debt; the months left stay, so what is still owed
// is spread over them. Only a debt paid off ends the schedule (a schedule
// ended with debt left would let the month step drop that debt unpaid).
// Nothing typed repays nothing, and the cash in hand must cover the amount.
bool Repay(Window*, i32) {
    Bank& bank = PlayerBank;
    const i32 amount = bank.LoanAmount;
    if (bank.LoanLeft == 0 || amount <= 0 || amount > bank.LoanLeft) return true;
    if (PlayerObj.Cash < static_cast<double>(amount)) return true;
    bank.LoanLeft -= amount;
    PlayerObj.Cash -= amount;
    bank.LoanRate = 0;
    bank.LoanTerm = 0;
    bank.LoanAmount = 0;
    if (bank.LoanLeft == 0) bank.MonthsLeft = 0;
    bank.Installment = MonthlyInstallment(bank.LoanLeft, bank.MonthsLeft);
    return true;
}

constexpr Rule kBank[] = {
    {CTRL_BANK_DEPOSIT_FIELD, 1, DepositField},
    {CTRL_BANK_LOAN_FIELD, 1, LoanField},
    {CTRL_BANK_DEPOSIT, 1, Deposit},
    {CTRL_BANK_WITHDRAW, 1, Withdraw},
    {CTRL_BANK_TERM_DOWN, 1, TermDown},
    {CTRL_BANK_TERM_UP, 1, TermUp},
    {CTRL_BANK_TAKE_LOAN, 1, TakeLoan},
    {CTRL_BANK_REPAY, 1, Repay},
};

// ---- Personnel

// The three kinds in the order of the popup's columns, each with the limits
// its hire and fire fields apply while typing.
struct StaffColumn {
    Staff* staff;
    void (*hireLimit)(i32& value, i32 before);
    void (*fireLimit)(i32& value, i32 before);
};

constexpr StaffColumn kStaffColumns[kStaffKindCount] = {
    {&PlayerSalesmans, field_limits::Hire<PlayerSalesmans>, field_limits::Fire<PlayerSalesmans>},
    {&PlayerScientists, field_limits::Hire<PlayerScientists>, field_limits::Fire<PlayerScientists>},
    {&PlayerTechnicians, field_limits::Hire<PlayerTechnicians>, field_limits::Fire<PlayerTechnicians>},
};

// Fields in focus order: salesmen hire, salesmen fire, scientists hire, ...
bool StaffField(Window*, i32 n) {
    MainObj.Focus = FOCUS_SALESMEN_HIRE + n;
    return true;
}

// New people join the free pool and fired ones leave it. The typed count
// is held to the field's limits once more, so a count typed before the
// records changed can never fire people who are at work or not there.
bool StaffButton(Window*, i32 n) {
    const StaffColumn& column = kStaffColumns[n / 2];
    Staff& staff = *column.staff;
    const bool fire = n % 2 == 1;
    i32& typed = fire ? staff.FireCount : staff.HireCount;
    i32 count = typed;
    (fire ? column.fireLimit : column.hireLimit)(count, count);
    const i32 change = fire ? -count : count;
    staff.Count += change;
    staff.Unassigned += change;
    typed = 0;
    return true;
}

constexpr Rule kPersonnel[] = {
    {CTRL_STAFF_FIELD_1, 2 * kStaffKindCount, StaffField},
    {CTRL_STAFF_BUTTON_1, 2 * kStaffKindCount, StaffButton},
};

// ---- Statistics and reports

bool OpenReport(Window*, i32 n) {
    MainObj.Popup = POPUP_MONTH_REPORT + n;
    MainObj.LastDrawnScreen = 0;
    return true;
}

bool BackToStatistics(Window*, i32) {
    MainObj.Popup = POPUP_STATISTICS;
    MainObj.LastDrawnScreen = 0;
    return true;
}

constexpr Rule kStatistics[] = {
    {CTRL_STATISTICS_CLOSE, 1, Close},
    {CTRL_STATISTICS_MONTH_REPORT, 4, OpenReport},
};

// The report popups in order, each with its back button.
constexpr Rule kReportBack[4][1] = {
    {{CTRL_MONTH_REPORT_BACK, 1, BackToStatistics}},
    {{CTRL_PROFIT_REPORT_BACK, 1, BackToStatistics}},
    {{CTRL_MODEL_REPORT_BACK, 1, BackToStatistics}},
    {{CTRL_RESEARCH_REPORT_BACK, 1, BackToStatistics}},
};

// Every click that reaches the bank or the personnel popup starts a new
// number in its fields.
void BlankOpenFields() {
    if (MainObj.Popup == POPUP_BANK) Blank(PlayerBank.InputBuffer);
    if (MainObj.Popup == POPUP_PERSONNEL)
        for (Staff* staff : kPlayerStaff) Blank(staff->InputBuffer);
}

}  // namespace

// The office's own rectangles only while no popup is open, and a click that
// opens a popup does nothing more: the bank's repay button lies over the left
// edge of the safe that opens the bank, and opening the bank never repays.
void ClickOffice(Window* window) {
    if (MainObj.Popup == POPUP_NONE) {
        Run(window, kOffice);
        RunHoverAreas(window, SCREEN_GAME_OFFICE);
        BlankOpenFields();
        return;
    }
    if (MainObj.Popup == POPUP_MAP) Run(window, kMap);
    if (MainObj.Popup != POPUP_MAP) Run(window, kOfficeClose);
    BlankOpenFields();
    if (MainObj.Popup == POPUP_BANK) Run(window, kBank);
    if (MainObj.Popup == POPUP_PERSONNEL) Run(window, kPersonnel);
    if (MainObj.Popup == POPUP_STATISTICS) Run(window, kStatistics);
    for (i32 report = 0; report < 4; ++report)
        if (MainObj.Popup == POPUP_MONTH_REPORT + report) Run(window, kReportBack[report]);
}

}  // namespace clicks
