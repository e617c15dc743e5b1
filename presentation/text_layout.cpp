#include "presentation/text_layout.h"

#include <array>

#include "presentation/interface_state.h"

namespace {

using TextTable = std::array<TextAnchor, kTextCount>;

constexpr TextAnchor Left(i32 x, i32 y, FontId font, i32 step, i32 cells) {
    return {x, y, font, step, cells, ALIGN_LEFT, 'x'};
}
constexpr TextAnchor Right(i32 x, i32 y, FontId font, i32 step, i32 cells) {
    return {x, y, font, step, cells, ALIGN_RIGHT, 'x'};
}
constexpr TextAnchor Word(i32 x, i32 y, FontId font, i32 step) { return Left(x, y, font, step, 0); }

constexpr TextTable BuildTexts() {
    TextTable t{};
    const auto set = [&t](i32 id, TextAnchor a) { t[static_cast<std::size_t>(id)] = a; };
    const FontId d = FONT_DCHAR;
    const FontId s = FONT_DSCHAR;
    const FontId l = FONT_LCHAR;
    const FontId e = FONT_ECHAR;
    const FontId c = FONT_ESCHAR;

    set(TEXT_YEAR, Left(210, 549, l, 7, 4));
    set(TEXT_MONEY, Right(642, 549, l, 7, 12));
    set(TEXT_MONTH, Word(125, 549, l, 7));
    set(TEXT_COMPANY_NAME, Left(318, 258, d, 11, 14));
    set(TEXT_HOME_REGION, Word(0, 343, d, 11));
    set(TEXT_MODEL_NAME, Left(22, 172, e, 11, 15));
    set(TEXT_CAPTION, Word(0, 567, d, 11));
    for (i32 k = 0; k < kSaveSlots; ++k) set(TEXT_SLOT_ROW_1 + k, Left(322, 247 + 32 * k, d, 11, 14));

    set(TEXT_REPORT_WAGES, Left(176, 171, e, 11, 10));
    set(TEXT_REPORT_PRODUCTION, Left(174, 210, e, 11, 10));
    set(TEXT_REPORT_TRANSPORT, Left(182, 247, e, 11, 10));
    set(TEXT_REPORT_ADVERTISING, Left(175, 285, e, 11, 10));
    set(TEXT_REPORT_INSTALLMENT, Left(112, 322, e, 11, 10));
    set(TEXT_REPORT_EXPENSES, Left(122, 381, e, 11, 10));
    constexpr i32 kIncome[kRegionCount][2] = {{601, 171}, {599, 210}, {599, 247},
                                              {564, 285}, {537, 321}, {562, 360}};
    for (i32 r = 0; r < kRegionCount; ++r)
        set(TEXT_REPORT_INCOME_1 + r, Left(kIncome[r][0], kIncome[r][1], e, 11, 10));
    set(TEXT_REPORT_INCOME_TOTAL, Left(554, 416, e, 11, 10));
    set(TEXT_PROFIT_UNIT, {138, 59, e, 18, 0, ALIGN_LEFT, 'y'});
    for (i32 k = 0; k < kCompanyCount; ++k)
        set(TEXT_REPORT_COMPANY_1 + k, Left(163, k == 0 ? 462 : k == 1 ? 482 : 503, e, 11, 15));
    for (i32 k = 0; k < kModelSlots; ++k) {
        const i32 y = 101 + 34 * k;
        set(TEXT_MODEL_REPORT_NAME_1 + k, Left(101, y, e, 11, 15));
        set(TEXT_MODEL_REPORT_PRODUCED_1 + k, Left(350, y, e, 11, 10));
        set(TEXT_MODEL_REPORT_SOLD_1 + k, Left(472, y, e, 11, 10));
        set(TEXT_MODEL_REPORT_STOCK_1 + k, Left(588, y, e, 11, 10));
    }

    set(TEXT_MAP_REGION, Word(0, 471, d, 11));
    constexpr i32 kMapCount[kRegionCount][2] = {{546, 363}, {236, 342}, {188, 160},
                                                {312, 186}, {484, 166}, {400, 297}};
    for (i32 r = 0; r < kRegionCount; ++r) {
        set(TEXT_MAP_FACTORIES_1 + r, Right(kMapCount[r][0], kMapCount[r][1], s, 7, 2));
        set(TEXT_MAP_SALONS_1 + r, Right(kMapCount[r][0], kMapCount[r][1] + 13, s, 7, 2));
    }
    set(TEXT_MAP_FACTORY_PRICE, Left(511, 461, s, 7, 8));
    set(TEXT_MAP_SALON_PRICE, Left(511, 489, s, 7, 8));
    set(TEXT_BANK_DEPOSIT_AMOUNT, Right(410, 229, s, 7, 11));
    set(TEXT_BANK_DEPOSIT, Right(410, 261, s, 7, 11));
    set(TEXT_BANK_LOAN_RATE, Right(347, 342, s, 7, 2));
    set(TEXT_BANK_LOAN_TERM, Right(398, 362, s, 7, 2));
    set(TEXT_BANK_LOAN_AMOUNT, Right(358, 362, s, 7, 10));
    set(TEXT_BANK_LOAN_LEFT, Right(358, 383, s, 7, 10));
    set(TEXT_BANK_INSTALLMENT, Right(358, 407, s, 7, 10));
    set(TEXT_BANK_MONTHS_LEFT, Right(358, 429, s, 7, 10));
    constexpr i32 kStaffX[kStaffKindCount][2] = {{212, 263}, {398, 450}, {590, 642}};   // hire/fire x, the rest
    for (i32 k = 0; k < kStaffKindCount; ++k) {
        const i32 dy = k == STAFF_TECHNICIANS ? 1 : 0;
        set(TEXT_STAFF_HIRE_1 + k, Right(kStaffX[k][0], 223 + dy, s, 7, 2));
        set(TEXT_STAFF_FIRE_1 + k, Right(kStaffX[k][0], 249 + 2 * dy, s, 7, 4));
        set(TEXT_STAFF_COUNT_1 + k, Right(kStaffX[k][1], 310 + dy, s, 7, 4));
        set(TEXT_STAFF_WAGE_1 + k, Right(kStaffX[k][1], 283 + dy, s, 7, 4));
        set(TEXT_STAFF_WAGE_BILL_1 + k, Right(kStaffX[k][1], 344, s, 7, 6));
    }
    set(TEXT_STAFF_TOTAL_WAGES, Left(357, 398, s, 7, 8));
    set(TEXT_STAFF_TOTAL_COUNT, Left(357, 428, s, 7, 8));

    constexpr i32 kAdvertY[kAdBlocks] = {223, 260, 299, 338, 376, 413};
    for (i32 r = 0; r < kAdBlocks; ++r) {
        set(TEXT_ADVERT_MONTHS_1 + r, Right(405, kAdvertY[r], d, 11, 2));
        set(TEXT_ADVERT_AMOUNT_1 + r, Right(543, kAdvertY[r], d, 11, 6));
    }
    set(TEXT_AREA_SCIENTISTS, Right(521, 224, d, 11, 3));
    for (i32 n = 0; n < kPartsPerCategory; ++n) set(TEXT_AREA_PART_1 + n, Word(279, 284 + 10 * n, s, 10));
    set(TEXT_BODY_TYPE_PRICE, Left(362, 346, d, 11, 7));
    set(TEXT_LAB_CAPACITY, Right(346, 257, d, 11, 3));
    set(TEXT_LAB_OFFER, Right(396, 354, d, 11, 3));

    for (i32 n = 0; n < kPartsPerCategory; ++n) set(TEXT_PART_NAME_1 + n, Word(270, 57 + 43 * n, d, 11));
    set(TEXT_VARIANT, Word(0, 500, d, 11));
    set(TEXT_DESIGN_SLOT, Right(386, 62, c, 7, 2));
    set(TEXT_DESIGN_RATING, Left(24, 285, e, 11, 5));
    set(TEXT_DESIGN_COST, Left(24, 346, e, 11, 5));
    set(TEXT_DESIGN_ENGINE, Word(278, 338, c, 9));
    set(TEXT_DESIGN_BRAKES, Word(278, 389, c, 9));
    set(TEXT_DESIGN_SUSPENSION, Word(278, 444, c, 9));
    set(TEXT_DESIGN_LUXURY, Word(553, 95, c, 9));
    set(TEXT_DESIGN_SAFETY, Word(553, 298, c, 9));
    set(TEXT_DESIGN_BODY, Word(0, 228, c, 9));

    set(TEXT_FACTORY_TITLE, Word(0, 56, e, 11));
    set(TEXT_FREE_TECHNICIANS, Left(711, 121, e, 11, 4));
    set(TEXT_FREE_SALESMEN, Left(704, 307, e, 11, 4));
    set(TEXT_TYPED_TECHNICIANS, Right(724, 155, e, 11, 4));
    set(TEXT_TYPED_SALESMEN, Right(724, 342, e, 11, 4));
    set(TEXT_REGION_TECHNICIANS, Left(717, 196, e, 11, 4));
    set(TEXT_REGION_SALESMEN, Left(703, 381, e, 11, 4));
    constexpr i32 kLineY[kProductionLines] = {237, 287, 336, 386, 438};
    constexpr i32 kDestinationY[kProductionLines][2] = {
        {226, 246}, {275, 295}, {324, 344}, {374, 394}, {426, 446}};
    for (i32 k = 0; k < kProductionLines; ++k) {
        set(TEXT_LINE_PRICE_1 + k, Right(218, kLineY[k], c, 7, 4));
        set(TEXT_LINE_MODEL_1 + k, Left(65, kLineY[k], c, 7, 15));
        for (i32 j = 0; j < 2; ++j) set(TEXT_LINE_DESTINATION_1 + 2 * k + j, Word(245, kDestinationY[k][j], c, 7));
    }
    constexpr i32 kBrowseY[kModelSlots] = {176, 198, 218, 238, 258, 278, 298, 318, 338, 358};
    for (i32 n = 0; n < kModelSlots; ++n) set(TEXT_BROWSE_NAME_1 + n, Left(317, kBrowseY[n], d, 11, 14));
    return t;
}

constexpr TextTable kTexts = BuildTexts();

constexpr bool EveryTextIsSet() {
    for (const TextAnchor& a : kTexts)
        if (!IsFont(a.Font) || a.Step <= 0 || a.Y <= 0) return false;
    return true;
}
static_assert(EveryTextIsSet());

constexpr PlacedWord kNone{"", 0};

constexpr PlacedWord kHomeRegionWords[kRegionCount] = {
    {"australia", 344}, {"s.america", 344}, {"n.america", 344},
    {"europe", 361},    {"asia", 370},      {"africa", 360}};
constexpr PlacedWord kMapRegionWords[kRegionCount] = {
    {"australia", 158}, {"s.america", 158}, {"n.america", 158},
    {"europe", 175},    {"asia", 184},      {"africa", 174}};
constexpr PlacedWord kFactoryRegionWords[kRegionCount] = {
    {"australia", 350}, {"s america", 350}, {"n america", 350},
    {"europe", 365},    {"asia", 375},      {"africa", 365}};
constexpr PlacedWord kCaptions[HOT_STATISTICS] = {
    {"office", 364},     {"advertising", 337}, {"research", 353},   {"design", 364},
    {"factory", 359},    {"exit", 375},        {"map", 380},        {"bank", 375},
    {"personnel", 348},  {"auto show", 348},   {"radio", 369},      {"television", 342},
    {"newspaper", 348},  {"billboard", 348},   {"brakes", 364},     {"suspension", 342},
    {"engine", 364},     {"body", 375},        {"luxury", 364},     {"safety", 364},
    {"body types", 342}, {"expand research", 315}, {"statistics", 342}};
constexpr PlacedWord kBodyTypeNames[kBodyTypeCount] = {
    {"family wagon", 341}, {"truck", 368},         {"sport", 368},
    {"luxury", 363},       {"family sedan", 341},  {"van", 378},
    {"pick up truck", 336}, {"compact", 358},      {"race car", 373}};
constexpr PlacedWord kBrakesVariantWords[kBrakesVariants] = {{"254mm", 256}, {"304mm", 256}, {"378mm", 256}};
constexpr PlacedWord kSuspensionVariantWords[kSuspensionVariants] = {{"soft", 267}, {"medium", 256}, {"hard", 267}};
constexpr const char* kMonthNames[kMonthsPerYear] = {"january", "february", "march",     "april",
                                         "may",     "june",     "july",      "august",
                                         "september", "october", "november", "december"};

PlacedWord Pick(const PlacedWord* words, i32 count, i32 oneBased) {
    return oneBased >= 1 && oneBased <= count ? words[oneBased - 1] : kNone;
}

}  // namespace

const TextAnchor& TextAt(i32 id) {
    if (id < 0 || id >= kTextCount) id = TEXT_YEAR;
    return kTexts[static_cast<std::size_t>(id)];
}

PlacedWord HomeRegionWord(i32 region) { return Pick(kHomeRegionWords, kRegionCount, region); }
PlacedWord MapRegionWord(i32 region) { return Pick(kMapRegionWords, kRegionCount, region); }
PlacedWord FactoryRegionWord(i32 region) { return Pick(kFactoryRegionWords, kRegionCount, region); }
PlacedWord Caption(i32 hotItem) { return Pick(kCaptions, HOT_STATISTICS, hotItem); }
PlacedWord BodyTypeName(i32 bodyType) { return Pick(kBodyTypeNames, kBodyTypeCount, bodyType); }
PlacedWord BrakesVariantWord(i32 choice) { return Pick(kBrakesVariantWords, kBrakesVariants, choice); }
PlacedWord SuspensionVariantWord(i32 choice) { return Pick(kSuspensionVariantWords, kSuspensionVariants, choice); }

const char* MonthName(i32 month) { return month >= 1 && month <= kMonthsPerYear ? kMonthNames[month - 1] : ""; }

const char* ProfitUnitLabel(i32 unit) {
    switch (unit) {
    case 1000: return "thousands";
    case 10000: return "ten thousands";
    case 100000: return "hundred thousands";
    case 1000000: return "millions";
    default: return "";
    }
}
