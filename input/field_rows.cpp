#include "input/field_rows.h"

#include "input/field_limits.h"
#include "model/shown_region.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"

namespace {

// ---- Buffers ----------------------------------------------------------------

char* CompanyName() { return PlayerObj.Name; }
char* ModelName() { return PlayerCar.Name; }
char* PriceText() { return PlayerCar.PriceText; }
char* FactoryBuffer() { return PlayerFactorySalon.InputBuffer; }
template <Staff& kind> char* StaffBuffer() { return kind.InputBuffer; }
char* BankBuffer() { return PlayerBank.InputBuffer; }
char* AdvertisingBuffer() { return PlayerAdvertising.InputBuffer; }
char* ResearchBuffer() { return PlayerResearch.InputBuffer; }

// ---- Bound record fields ----------------------------------------------------

// Price row `line` (1..5) edits the price of the model built on that line of
// the shown region; a price belongs to the model, so every line building it
// shows the new price. An empty line has nothing to price.
template <i32 line> i32* ModelPriceOnLine() {
    const FactorySalonRegion* region = ShownFactoryRegion();
    if (region == nullptr) return nullptr;
    const i32 model = region->ProductionLineModel[line - 1];
    if (model < 1 || model > kModelSlots) return nullptr;
    return &PlayerModel(model).Price;
}

i32* TechniciansToAssign() { return &PlayerFactorySalon.TechniciansToAssign; }
i32* SalesmenToAssign() { return &PlayerFactorySalon.SalesmenToAssign; }
template <Staff& kind> i32* HireCount() { return &kind.HireCount; }
template <Staff& kind> i32* FireCount() { return &kind.FireCount; }
template <Staff& kind> i32* Wage() { return &kind.Wage; }
i32* DepositAmount() { return &PlayerBank.DepositAmount; }
i32* LoanAmount() { return &PlayerBank.LoanAmount; }

// The row's campaign in the open medium's popup; with no medium open there
// is no campaign to store into.
template <i32 row> i32* AdvertAmount() {
    const i32 medium = PopupMedium(MainObj.Popup);
    if (medium == 0) return nullptr;
    return &MediumCampaign(PlayerAdvertising.Block[kAdvertRowBlock[row - 1]], medium).Amount;
}

i32* OpenAreaScientists() {
    return &PlayerResearch.Scientists[MainObj.Popup - POPUP_RESEARCH_BRAKES];
}

// ---- The table --------------------------------------------------------------

using namespace field_limits;
constexpr unsigned kName = kNameKeys | kDigitKeys | kBackspaceKey;
constexpr unsigned kNumber = kDigitKeys | kBackspaceKey;
// The factory screen's fields take digits only: Backspace does nothing
// there, and a click empties them instead.
constexpr unsigned kAppendOnly = kDigitKeys;

constexpr i32 kNameLast = kNameTyped - 1;
constexpr i32 kHireLast = 2, kFireLast = 4, kWageLast = 4;
constexpr i32 kDepositLast = 10, kLoanLast = 6;
constexpr i32 kAdvertLast = 5, kResearchLast = 6;
constexpr i32 kFactoryLast = 3, kPriceLast = kPriceCells - 1;
static_assert(AllNines(kAdvertLast + 1) == kHighestAdvertAmount);

constexpr i32 kMediumFirst = POPUP_AUTO_SHOW, kMediumLast = POPUP_BILLBOARD;
constexpr i32 kAreaFirst = POPUP_RESEARCH_BRAKES, kAreaLast = POPUP_RESEARCH_SAFETY;

constexpr FieldWhere OnScreen(i32 screen) { return {FieldPlace::Screen, screen, screen}; }
constexpr FieldWhere InPopups(i32 first, i32 last) { return {FieldPlace::Popup, first, last}; }
constexpr FieldWhere InPopup(i32 popup) { return InPopups(popup, popup); }

// The price rows ask for no repaint of their own: the buffer edit asks for
// one when it takes the digit, so a digit into a full price field paints
// nothing. Every other row repaints after every key it takes.
constexpr FieldRow kRows[] = {
    {FOCUS_PLAYER_NAME, OnScreen(SCREEN_MENU_NEW), kName, CompanyName, kNameLast, nullptr, nullptr, true},
    {FOCUS_MODEL_NAME, OnScreen(SCREEN_GAME_DESIGN), kName, ModelName, kNameLast, nullptr, nullptr, true},

    {FOCUS_PRICE_ROW_1, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, PriceText, kPriceLast, ModelPriceOnLine<1>, nullptr, false},
    {FOCUS_PRICE_ROW_2, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, PriceText, kPriceLast, ModelPriceOnLine<2>, nullptr, false},
    {FOCUS_PRICE_ROW_3, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, PriceText, kPriceLast, ModelPriceOnLine<3>, nullptr, false},
    {FOCUS_PRICE_ROW_4, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, PriceText, kPriceLast, ModelPriceOnLine<4>, nullptr, false},
    {FOCUS_PRICE_ROW_5, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, PriceText, kPriceLast, ModelPriceOnLine<5>, nullptr, false},
    {FOCUS_FACTORY_TECHNICIANS, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, FactoryBuffer, kFactoryLast, TechniciansToAssign, FactoryTechnicians, true},
    {FOCUS_FACTORY_SALESMEN, OnScreen(SCREEN_GAME_FACTORY), kAppendOnly, FactoryBuffer, kFactoryLast, SalesmenToAssign, SalonSalesmen, true},

    {FOCUS_SALESMEN_HIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerSalesmans>, kHireLast, HireCount<PlayerSalesmans>, Hire<PlayerSalesmans>, true},
    {FOCUS_SALESMEN_FIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerSalesmans>, kFireLast, FireCount<PlayerSalesmans>, Fire<PlayerSalesmans>, true},
    {FOCUS_SCIENTISTS_HIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerScientists>, kHireLast, HireCount<PlayerScientists>, Hire<PlayerScientists>, true},
    {FOCUS_SCIENTISTS_FIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerScientists>, kFireLast, FireCount<PlayerScientists>, Fire<PlayerScientists>, true},
    {FOCUS_TECHNICIANS_HIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerTechnicians>, kHireLast, HireCount<PlayerTechnicians>, Hire<PlayerTechnicians>, true},
    {FOCUS_TECHNICIANS_FIRE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerTechnicians>, kFireLast, FireCount<PlayerTechnicians>, Fire<PlayerTechnicians>, true},
    // No click gives these three the focus: wages are not the player's to set.
    {FOCUS_SALESMEN_WAGE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerSalesmans>, kWageLast, Wage<PlayerSalesmans>, AtMost<kHighestTypedWage>, true},
    {FOCUS_SCIENTISTS_WAGE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerScientists>, kWageLast, Wage<PlayerScientists>, AtMost<kHighestTypedWage>, true},
    {FOCUS_TECHNICIANS_WAGE, InPopup(POPUP_PERSONNEL), kNumber, StaffBuffer<PlayerTechnicians>, kWageLast, Wage<PlayerTechnicians>, AtMost<kHighestTypedWage>, true},

    {FOCUS_BANK_DEPOSIT, InPopup(POPUP_BANK), kNumber, BankBuffer, kDepositLast, DepositAmount, AtMost<kHighestDeposit>, true},
    {FOCUS_BANK_LOAN, InPopup(POPUP_BANK), kNumber, BankBuffer, kLoanLast, LoanAmount, AtMost<kHighestLoan>, true},

    // The same six rows serve all five medium popups; the open one picks the
    // campaign. Amounts have no limit but the field's six cells.
    {FOCUS_ADVERT_ROW_1, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<1>, nullptr, true},
    {FOCUS_ADVERT_ROW_2, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<2>, nullptr, true},
    {FOCUS_ADVERT_ROW_3, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<3>, nullptr, true},
    {FOCUS_ADVERT_ROW_4, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<4>, nullptr, true},
    {FOCUS_ADVERT_ROW_5, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<5>, nullptr, true},
    {FOCUS_ADVERT_ROW_6, InPopups(kMediumFirst, kMediumLast), kNumber, AdvertisingBuffer, kAdvertLast, AdvertAmount<6>, nullptr, true},

    // One row for the six research area popups; the open one picks the area.
    {FOCUS_RESEARCH_SCIENTISTS, InPopups(kAreaFirst, kAreaLast), kNumber, ResearchBuffer, kResearchLast, OpenAreaScientists, ResearchScientists, true},
};

}  // namespace

std::span<const FieldRow> TypedFields() { return kRows; }
