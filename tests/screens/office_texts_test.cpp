// The office popups' figures, and the installment the bank popup stores.

#include <climits>

#include "model/bank_installment.h"
#include "screens/screen_test.h"

namespace {

using OfficeTexts = ScreenTest;

// The bank popup as each paint shows it: its picture, then its figures.
void PaintBank(platform::Canvas& canvas) {
    platform::FillCanvas(canvas, kUntouched);
    MainObj.Popup = POPUP_BANK;
    Paint::DrawSlotTexts(canvas);
}

}  // namespace

TEST_F(OfficeTexts, BankPaintStoresAndShowsTheInstallment) {
    PlayerBank.LoanLeft = 116000;   // the starting loan
    PlayerBank.MonthsLeft = 48;
    PlayerBank.LoanTerm = 12;
    PlayerBank.LoanRate = 8;
    Show(SCREEN_GAME_OFFICE, POPUP_BANK);
    EXPECT_EQ(PlayerBank.Installment, 2416);
    ExpectAnchors({{TEXT_BANK_INSTALLMENT, "      2416"}, {TEXT_BANK_LOAN_LEFT, "    116000"},
                   {TEXT_BANK_MONTHS_LEFT, "        48"}});
    ExpectCells({{391, 362, 7, FONT_DSCHAR, "12"}, {340, 342, 7, FONT_DSCHAR, " 8"}});   // the term's last digit at 398

    // One month left: the whole remaining debt.
    PlayerBank.LoanLeft = 2448;
    PlayerBank.MonthsLeft = 1;
    PaintBank(canvas());
    EXPECT_EQ(PlayerBank.Installment, 2448);

    // No months left: nothing to pay. Truncation is toward zero.
    PlayerBank.MonthsLeft = 0;
    PaintBank(canvas());
    EXPECT_EQ(PlayerBank.Installment, 0);
    ExpectAnchors({{TEXT_BANK_INSTALLMENT, "         0"}});
    PlayerBank.LoanLeft = -7;
    PlayerBank.MonthsLeft = 2;
    PaintBank(canvas());
    EXPECT_EQ(PlayerBank.Installment, -3);
}

TEST_F(OfficeTexts, InstallmentOfARunOutScheduleIsNothingNotAGift) {
    // A loaded game may hold a count below zero; sharing the debt over
    // -1 months would pay the player the whole debt every month.
    PlayerBank.LoanLeft = 116000;
    PlayerBank.MonthsLeft = -1;
    PaintBank(canvas());
    EXPECT_EQ(PlayerBank.Installment, 0);
    PlayerBank.LoanLeft = INT_MIN;
    PaintBank(canvas());
    EXPECT_EQ(PlayerBank.Installment, 0);
    static_assert(MonthlyInstallment(INT_MIN, -1) == 0);
}

TEST_F(OfficeTexts, MapShowsEveryRegionAndTheShownRegionsName) {
    for (i32 r = 0; r < kRegionCount; ++r) {
        PlayerFactorySalon.Region[r].HasFactory = r % 2;
        PlayerFactorySalon.Region[r].Salons = r + 4;
    }
    PlayerFactorySalon.ShownRegion = REGION_SOUTH_AMERICA;
    PlayerFactorySalon.FactoryPrice = 500000;
    PlayerFactorySalon.SalonPrice = 1100000;
    MainObj.Popup = POPUP_MAP;
    Paint::DrawSlotTexts(canvas());

    for (i32 r = 0; r < kRegionCount; ++r) {
        EXPECT_EQ(ReadAt(TEXT_MAP_FACTORIES_1 + r), r % 2 ? " 1" : " 0");
        EXPECT_EQ(ReadAt(TEXT_MAP_SALONS_1 + r), " " + std::to_string(r + 4));
    }
    // The point has no glyph; Australia's factories, Asia's salons.
    ExpectCells({{158, 471, 11, FONT_DCHAR, "s america "}, {546, 363, 7, FONT_DSCHAR, "0"},
                 {484, 179, 7, FONT_DSCHAR, "8"}});
    ExpectAnchors({{TEXT_MAP_FACTORY_PRICE, "500000  "}, {TEXT_MAP_SALON_PRICE, "1100000 "}});

    platform::FillCanvas(canvas(), kUntouched);
    PlayerFactorySalon.ShownRegion = 0;
    Paint::DrawSlotTexts(canvas());
    ExpectCells({{158, 471, 11, FONT_DCHAR, "         "}});
}

TEST_F(OfficeTexts, PersonnelShowsStaffWagesAndTheirSums) {
    PlayerSalesmans = Staff{10, 2, 40, 3, 1, 0, 0, {}};
    PlayerScientists = Staff{25, 0, 60, 0, 0, 0, 0, {}};
    PlayerTechnicians = Staff{100, 7, 45, 12, -5, 0, 0, {}};
    MainObj.Popup = POPUP_PERSONNEL;
    Paint::DrawSlotTexts(canvas());

    ExpectCells({{205, 223, 7, FONT_DSCHAR, " 3"}, {583, 224, 7, FONT_DSCHAR, "12"},
                 {569, 251, 7, FONT_DSCHAR, "  -5"}});   // the minus before the digit
    ExpectAnchors({{TEXT_STAFF_COUNT_1 + i32{STAFF_TECHNICIANS}, " 100"},
                   {TEXT_STAFF_WAGE_1 + i32{STAFF_SCIENTISTS}, "  60"},
                   {TEXT_STAFF_WAGE_BILL_1 + i32{STAFF_SALESMEN}, "   400"},
                   {TEXT_STAFF_WAGE_BILL_1 + i32{STAFF_TECHNICIANS}, "  4500"}, {TEXT_STAFF_TOTAL_WAGES, "6400    "},
                   {TEXT_STAFF_TOTAL_COUNT, "135     "}});
}

TEST_F(OfficeTexts, PersonnelDrawsRowByRowHireAndFirePerKind) {
    // Oversized glyphs make the order visible: the scientists' firing '1'
    // (a row above) reaches under the salesmen's wage '2', which comes later.
    for (char c : {'1', '2'}) SetPhoto(GlyphPicture(FONT_DSCHAR, c), 150, 40, GlyphColour(FONT_DSCHAR, c));
    PlayerScientists.FireCount = 1;
    PlayerSalesmans.Wage = 2;
    MainObj.Popup = POPUP_PERSONNEL;
    Paint::DrawSlotTexts(canvas());
    ExpectDots({{406, 285, GlyphColour(FONT_DSCHAR, '2')}, {406, 260, GlyphColour(FONT_DSCHAR, '1')}});
}
