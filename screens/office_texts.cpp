// The figures of the office popups: the map, the bank and the personnel.

#include "model/bank_installment.h"
#include "presentation/paint.h"
#include "screens/popup_text_blocks.h"

namespace {

using platform::Canvas;

struct Figure {
    i32 Text;   // TextId
    const i32* Value;
};

template <std::size_t N>
void DrawFigures(Canvas& canvas, const Figure (&figures)[N]) {
    for (const Figure& figure : figures) Paint::DrawInteger(canvas, TextAt(figure.Text), *figure.Value);
}

const Figure kBankFigures[] = {
    {TEXT_BANK_DEPOSIT_AMOUNT, &PlayerBank.DepositAmount},
    {TEXT_BANK_DEPOSIT, &PlayerBank.Deposit},
    {TEXT_BANK_LOAN_RATE, &PlayerBank.LoanRate},
    {TEXT_BANK_LOAN_TERM, &PlayerBank.LoanTerm},
    {TEXT_BANK_LOAN_AMOUNT, &PlayerBank.LoanAmount},
    {TEXT_BANK_LOAN_LEFT, &PlayerBank.LoanLeft},
    {TEXT_BANK_INSTALLMENT, &PlayerBank.Installment},
    {TEXT_BANK_MONTHS_LEFT, &PlayerBank.MonthsLeft},
};

i32 StaffCount(const Staff& staff) { return staff.Count; }
i32 StaffWage(const Staff& staff) { return staff.Wage; }
i32 WageBill(const Staff& staff) { return staff.Wage * staff.Count; }

// The personnel rows below hiring and firing, top text of each column.
struct StaffRow {
    i32 Text;   // TextId of the salesmen's column
    i32 (*Value)(const Staff&);
};
constexpr StaffRow kStaffRows[] = {
    {TEXT_STAFF_COUNT_1, StaffCount},
    {TEXT_STAFF_WAGE_1, StaffWage},
    {TEXT_STAFF_WAGE_BILL_1, WageBill},
};

}  // namespace

void screens::DrawMapTexts(Canvas& canvas, i32) {
    Paint::DrawWord(canvas, TextAt(TEXT_MAP_REGION), MapRegionWord(PlayerFactorySalon.ShownRegion));
    for (i32 r = 0; r < kRegionCount; ++r) {
        const FactorySalonRegion& region = PlayerFactorySalon.Region[r];
        Paint::DrawInteger(canvas, TextAt(TEXT_MAP_FACTORIES_1 + r), region.HasFactory);
        Paint::DrawInteger(canvas, TextAt(TEXT_MAP_SALONS_1 + r), region.Salons);
    }
    Paint::DrawInteger(canvas, TextAt(TEXT_MAP_FACTORY_PRICE), PlayerFactorySalon.FactoryPrice);
    Paint::DrawInteger(canvas, TextAt(TEXT_MAP_SALON_PRICE), PlayerFactorySalon.SalonPrice);
}

void screens::DrawBankTexts(Canvas& canvas, i32) {
    // The month step charges the installment stored here, so every look at
    // the bank shares the debt left anew over the months left.
    PlayerBank.Installment = MonthlyInstallment(PlayerBank.LoanLeft, PlayerBank.MonthsLeft);
    DrawFigures(canvas, kBankFigures);
}

void screens::DrawPersonnelTexts(Canvas& canvas, i32) {
    // Row by row, each from salesmen to technicians; hiring and firing are
    // one row pair per kind.
    for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
        Paint::DrawInteger(canvas, TextAt(TEXT_STAFF_HIRE_1 + kind), kPlayerStaff[kind]->HireCount);
        Paint::DrawInteger(canvas, TextAt(TEXT_STAFF_FIRE_1 + kind), kPlayerStaff[kind]->FireCount);
    }
    for (const StaffRow& row : kStaffRows)
        for (i32 kind = 0; kind < kStaffKindCount; ++kind)
            Paint::DrawInteger(canvas, TextAt(row.Text + kind), row.Value(*kPlayerStaff[kind]));
    i32 wageBill = 0;
    i32 employees = 0;
    for (const Staff* staff : kPlayerStaff) {
        wageBill += WageBill(*staff);
        employees += staff->Count;
    }
    Paint::DrawInteger(canvas, TextAt(TEXT_STAFF_TOTAL_WAGES), wageBill);
    Paint::DrawInteger(canvas, TextAt(TEXT_STAFF_TOTAL_COUNT), employees);
}
