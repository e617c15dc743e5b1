#pragma once
// Where every text of the game is written: the pen start, font, step, number
// of cells and alignment of each glyph text, and the fixed words with the x
// at which each is drawn. The painters write here and the picture generator
// leaves these cells free on the surface of the text's font.
//
// A left-aligned text starts its first cell at (X, Y); a right-aligned number
// puts its last character's cell at (X, Y) and steps leftwards. Cells 0 means
// "as many cells as the word has characters".

#include "model/records.h"
#include "presentation/fonts.h"
#include "presentation/interface_state.h"

enum TextAlign : i32 {
    ALIGN_LEFT = 0,    // DIR_FORWARD from the first character
    ALIGN_RIGHT = 1,   // DIR_BACKWARD from the last character
};

struct TextAnchor {
    i32 X;
    i32 Y;
    FontId Font;
    i32 Step;
    i32 Cells;
    TextAlign Align;
    char Axis;         // 'x' or 'y'
};

enum TextId : i32 {
    // Footer and screens drawn by the dispatcher
    TEXT_YEAR,
    TEXT_MONEY,
    TEXT_MONTH,                  // word: MonthName
    TEXT_COMPANY_NAME,
    TEXT_HOME_REGION,            // word at HomeRegionWord(r).X
    TEXT_MODEL_NAME,
    TEXT_CAPTION,                // word at Caption(item).X
    TEXT_SLOT_ROW_1,
    TEXT_SLOT_ROW_LAST = TEXT_SLOT_ROW_1 + kSaveSlots - 1,

    // Month-end screen and month report: expenses, then income by region
    TEXT_REPORT_WAGES,
    TEXT_REPORT_PRODUCTION,
    TEXT_REPORT_TRANSPORT,
    TEXT_REPORT_ADVERTISING,
    TEXT_REPORT_INSTALLMENT,
    TEXT_REPORT_EXPENSES,
    TEXT_REPORT_INCOME_1,        // region 1..6
    TEXT_REPORT_INCOME_LAST = TEXT_REPORT_INCOME_1 + kRegionCount - 1,
    TEXT_REPORT_INCOME_TOTAL,
    // Profit and research reports
    TEXT_PROFIT_UNIT,            // word, vertical
    TEXT_REPORT_COMPANY_1,       // player, rival 1, rival 2
    TEXT_REPORT_COMPANY_LAST = TEXT_REPORT_COMPANY_1 + kCompanyCount - 1,
    // Model report, rows 1..10
    TEXT_MODEL_REPORT_NAME_1,
    TEXT_MODEL_REPORT_NAME_LAST = TEXT_MODEL_REPORT_NAME_1 + kModelSlots - 1,
    TEXT_MODEL_REPORT_PRODUCED_1,
    TEXT_MODEL_REPORT_PRODUCED_LAST = TEXT_MODEL_REPORT_PRODUCED_1 + kModelSlots - 1,
    TEXT_MODEL_REPORT_SOLD_1,
    TEXT_MODEL_REPORT_SOLD_LAST = TEXT_MODEL_REPORT_SOLD_1 + kModelSlots - 1,
    TEXT_MODEL_REPORT_STOCK_1,
    TEXT_MODEL_REPORT_STOCK_LAST = TEXT_MODEL_REPORT_STOCK_1 + kModelSlots - 1,

    // Map popup
    TEXT_MAP_REGION,             // word at MapRegionWord(r).X
    TEXT_MAP_FACTORIES_1,        // region 1..6
    TEXT_MAP_FACTORIES_LAST = TEXT_MAP_FACTORIES_1 + kRegionCount - 1,
    TEXT_MAP_SALONS_1,
    TEXT_MAP_SALONS_LAST = TEXT_MAP_SALONS_1 + kRegionCount - 1,
    TEXT_MAP_FACTORY_PRICE,
    TEXT_MAP_SALON_PRICE,
    // Bank popup
    TEXT_BANK_DEPOSIT_AMOUNT,
    TEXT_BANK_DEPOSIT,
    TEXT_BANK_LOAN_RATE,
    TEXT_BANK_LOAN_TERM,
    TEXT_BANK_LOAN_AMOUNT,
    TEXT_BANK_LOAN_LEFT,
    TEXT_BANK_INSTALLMENT,
    TEXT_BANK_MONTHS_LEFT,
    // Personnel popup, each by StaffKind (salesmen, scientists, technicians)
    TEXT_STAFF_HIRE_1,
    TEXT_STAFF_FIRE_1 = TEXT_STAFF_HIRE_1 + kStaffKindCount,
    TEXT_STAFF_COUNT_1 = TEXT_STAFF_FIRE_1 + kStaffKindCount,
    TEXT_STAFF_WAGE_1 = TEXT_STAFF_COUNT_1 + kStaffKindCount,
    TEXT_STAFF_WAGE_BILL_1 = TEXT_STAFF_WAGE_1 + kStaffKindCount,
    TEXT_STAFF_TOTAL_WAGES = TEXT_STAFF_WAGE_BILL_1 + kStaffKindCount,
    TEXT_STAFF_TOTAL_COUNT,

    // Advertising popups, rows 1..6
    TEXT_ADVERT_MONTHS_1,
    TEXT_ADVERT_MONTHS_LAST = TEXT_ADVERT_MONTHS_1 + kAdBlocks - 1,
    TEXT_ADVERT_AMOUNT_1,
    TEXT_ADVERT_AMOUNT_LAST = TEXT_ADVERT_AMOUNT_1 + kAdBlocks - 1,
    // Research popups
    TEXT_AREA_SCIENTISTS,
    TEXT_AREA_PART_1,            // part names 1..10, words
    TEXT_AREA_PART_LAST = TEXT_AREA_PART_1 + kPartsPerCategory - 1,
    TEXT_BODY_TYPE_PRICE,
    TEXT_LAB_CAPACITY,
    TEXT_LAB_OFFER,

    // Design part lists
    TEXT_PART_NAME_1,            // words
    TEXT_PART_NAME_LAST = TEXT_PART_NAME_1 + kPartsPerCategory - 1,
    TEXT_VARIANT,                // word at BrakesVariantWord / SuspensionVariantWord / EngineMarkerX
    // Design screen
    TEXT_DESIGN_SLOT,
    TEXT_DESIGN_RATING,
    TEXT_DESIGN_COST,
    TEXT_DESIGN_ENGINE,
    TEXT_DESIGN_BRAKES,
    TEXT_DESIGN_SUSPENSION,
    TEXT_DESIGN_LUXURY,          // first entry; the others kDesignItemPitch below
    TEXT_DESIGN_SAFETY,
    TEXT_DESIGN_BODY,            // word at BodyTypeName(t).X

    // Factory screen
    TEXT_FACTORY_TITLE,          // word at FactoryRegionWord(r).X
    TEXT_FREE_TECHNICIANS,
    TEXT_FREE_SALESMEN,
    TEXT_TYPED_TECHNICIANS,
    TEXT_TYPED_SALESMEN,
    TEXT_REGION_TECHNICIANS,
    TEXT_REGION_SALESMEN,
    TEXT_LINE_PRICE_1,
    TEXT_LINE_PRICE_LAST = TEXT_LINE_PRICE_1 + kProductionLines - 1,
    TEXT_LINE_MODEL_1,
    TEXT_LINE_MODEL_LAST = TEXT_LINE_MODEL_1 + kProductionLines - 1,
    TEXT_LINE_DESTINATION_1,     // line k, destination j: + (k - 1) * 2 + j - 1
    TEXT_LINE_DESTINATION_LAST = TEXT_LINE_DESTINATION_1 + kProductionLines * 2 - 1,
    // Model browser
    TEXT_BROWSE_NAME_1,
    TEXT_BROWSE_NAME_LAST = TEXT_BROWSE_NAME_1 + kModelSlots - 1,

    kTextCount,
};

const TextAnchor& TextAt(i32 id);

// Row pitch of the luxury and safety lists of the design screen.
inline constexpr i32 kDesignItemPitch = 16;

// ---- Fixed words and where they stand ----------------------------------------

struct PlacedWord {
    const char* Text;   // "" when there is no word
    i32 X;
};

PlacedWord HomeRegionWord(i32 region);     // new game, y 343
PlacedWord MapRegionWord(i32 region);      // map popup, y 471
PlacedWord FactoryRegionWord(i32 region);  // factory title at X, y 56; also the destination word
PlacedWord Caption(i32 hotItem);           // description strip, y 567
PlacedWord BodyTypeName(i32 bodyType);     // design screen, y 228
PlacedWord BrakesVariantWord(i32 choice);  // part list, y 500
PlacedWord SuspensionVariantWord(i32 choice);
const char* MonthName(i32 month);          // "" outside 1..kMonthsPerYear
// The engine variant marker ('*'), variant 1..kEngineVariants; 0 outside.
constexpr i32 EngineMarkerX(i32 variant) {
    return variant >= 1 && variant <= kEngineVariants ? 230 + 26 * (variant - 1) : 0;
}
// Unit label of the profit report for a unit of 1000, 10000, 100000 or 1000000.
const char* ProfitUnitLabel(i32 unit);
