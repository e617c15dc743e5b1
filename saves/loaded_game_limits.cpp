#include "saves/loaded_game_limits.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "model/bank_installment.h"
#include "model/lab_expansion.h"
#include "model/loan_terms.h"
#include "model/records.h"
#include "model/research_thresholds.h"
#include "model/rival_records.h"
#include "model/site_prices.h"

namespace {

// A value that names something (a region, a model slot, a part): outside
// its range it names nothing.
void KeepName(i32& value, i32 highest) {
    if (value < 0 || value > highest) value = 0;
}

// A quantity: outside its range it is cut to the nearest bound.
void KeepCount(i32& value, i32 lowest, i32 highest) {
    value = std::clamp(value, lowest, highest);
}

// What a stored model may name, each from 0 (none) to its highest value.
struct ModelRule {
    i32 Car::*Field;
    i32 Highest;
};

constexpr ModelRule kModelRules[] = {
    {&Car::Brakes, kPartsPerCategory},   {&Car::BrakesVariant, kBrakesVariants},
    {&Car::Suspension, kPartsPerCategory}, {&Car::SuspensionVariant, kSuspensionVariants},
    {&Car::Engine, kPartsPerCategory},   {&Car::EngineVariant, kEngineVariants},
    {&Car::Era, kEraCount},              {&Car::BodyType, kBodyTypeCount},
    {&Car::FrontPiece, kPieceVariants},  {&Car::MiddlePiece, kPieceVariants},
    {&Car::RearPiece, kPieceVariants},
};

void KeepModel(Car& model) {
    for (const ModelRule& rule : kModelRules) KeepName(model.*rule.Field, rule.Highest);
    for (i32& item : model.LuxuryItems) KeepName(item, kPartsPerCategory);
    for (i32& item : model.SafetyItems) KeepName(item, kPartsPerCategory);
    // Production divides the budget by it; the income multiplies the price.
    KeepCount(model.UnitCost, 0, INT_MAX);
    KeepCount(model.Price, 0, kHighestPrice);
}

// The month's wages are the heads of each kind times its wage. The free
// pools are shown and bound what may be typed; nothing indexes or divides
// by them, so they stay as read, even beyond the people employed.
void KeepStaff() {
    for (Staff* kind : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians}) {
        KeepCount(kind->Count, 0, kMostStaffOfAKind);
        KeepCount(kind->Wage, 0, kHighestWage);
    }
}

// A purchase takes the price from the cash and raises it: a price below a
// new game's would pay the buyer, and one near the 32-bit top would wrap.
void KeepSitePrices() {
    KeepCount(PlayerFactorySalon.FactoryPrice, kFactoryStartPrice, kFactoryTopPrice);
    KeepCount(PlayerFactorySalon.SalonPrice, kSalonStartPrice, kSalonTopPrice);
}

// The month sells from the stock and charges every campaign's amount.
// Last month's shipments and sales are worked out anew before they are used.
void KeepSalesAndAdverts() {
    for (auto& region : ModelSaleObj.Stock)
        for (i32 slot = 1; slot <= kModelSlots; ++slot) KeepCount(region[slot], 0, INT_MAX);
    for (AdvertisingBlock& block : PlayerAdvertising.Block)
        for (AdCampaign& campaign : block.Campaign) KeepCount(campaign.Amount, 0, kHighestAdvertAmount);
}

void KeepFactories() {
    FactorySalon& factories = PlayerFactorySalon;
    if (factories.ShownRegion < REGION_AUSTRALIA || factories.ShownRegion > kRegionCount)
        factories.ShownRegion = REGION_AUSTRALIA;
    for (FactorySalonRegion& region : factories.Region) {
        KeepCount(region.Salons, 0, kMostSalons);
        KeepCount(region.Technicians, 0, kMostStaffOfAKind);
        KeepCount(region.Salesmen, 0, kMostStaffOfAKind);
        // Production shares the technicians among the lines that hold a
        // model, dividing by this count; it must match them.
        region.ProductionLinesUsed = 0;
        for (i32& model : region.ProductionLineModel) {
            KeepName(model, kModelSlots);
            if (model != 0) ++region.ProductionLinesUsed;
        }
        for (auto& line : region.ProductionLineShipTo)
            for (i32& destination : line) KeepName(destination, kRegionCount);
    }
}

void KeepResearch() {
    Research& lab = PlayerResearch;
    for (i32 category = 0; category < kPartCategories; ++category) {
        const i32 lowest = category == PART_BODY ? ERA_1908 : 0;
        KeepCount(lab.ResearchLevel[category], lowest, kTopResearchLevel[category]);
    }
    KeepCount(lab.LabCapacity, 0, kMostLabCapacity);
    // Scientists beyond the laboratory's room go back to the free pool.
    std::int64_t pool = PlayerScientists.Unassigned;
    i32 room = lab.LabCapacity;
    for (i32& working : lab.Scientists) {
        KeepCount(working, 0, INT_MAX);
        if (working > room) {
            pool += working - room;
            working = room;
        }
        room -= working;
    }
    PlayerScientists.Unassigned = static_cast<i32>(std::clamp<std::int64_t>(pool, INT_MIN, INT_MAX));

    KeepCount(lab.BodyTypesOffered, BODY_FAMILY_WAGON, kBodyTypeCount);
    for (i32 entry = 1; entry < kModelArray; ++entry) KeepName(lab.OwnedBodyTypes[entry], kBodyTypeCount);
    KeepCount(lab.BodyTypesOwned, 0, lab.BodyTypesOffered);
    KeepCount(lab.BrowsedBodyType, BODY_FAMILY_WAGON, lab.BodyTypesOffered);
    KeepName(lab.BrakesVariantChoice, kBrakesVariants);
    KeepName(lab.SuspensionVariantChoice, kSuspensionVariants);
    KeepName(lab.EngineVariantChoice, kEngineVariants);
}

// The bank as its own buttons leave it: a term with its own rate, or none;
// the typed amounts within their boxes; and a schedule that never owes less
// than the installments still to come (installment x months left at most
// the debt), so that every month charges part of a debt, never more than
// is owed, and the loan ends within its months. No debt, no installment.
void KeepBank() {
    Bank& bank = PlayerBank;
    const LoanTerm* term = FindLoanTerm(bank.LoanTerm);
    if (term == nullptr || term->Rate != bank.LoanRate) bank.LoanTerm = bank.LoanRate = 0;
    KeepCount(bank.LoanAmount, 0, kHighestLoan);
    KeepCount(bank.DepositAmount, 0, kHighestDeposit);
    KeepCount(bank.Deposit, 0, INT_MAX);
    KeepCount(bank.LoanLeft, 0, INT_MAX);
    KeepCount(bank.MonthsLeft, 0, kLongestLoanTerm);
    KeepCount(bank.Installment, 0, MonthlyInstallment(bank.LoanLeft, bank.MonthsLeft));
}

// A rival's month pays its scientists from its own records and books its
// loan's installment; everything else it spends is drawn anew each month.
void KeepRivals() {
    for (const RivalRecords& rival : kRivals) {
        KeepCount(rival.scientists.Count, 0, kMostStaffOfAKind);
        KeepCount(rival.scientists.Wage, 0, kHighestWage);
        KeepCount(rival.bank.Installment, 0, INT_MAX);
    }
}

}  // namespace

void KeepLoadedGameInRange() {
    KeepCount(PlayerObj.Month, 1, kMonthsPerYear);
    KeepName(PlayerObj.HomeRegion, kRegionCount);
    KeepStaff();
    KeepBank();
    KeepFactories();
    KeepSitePrices();
    KeepSalesAndAdverts();
    KeepResearch();
    for (i32 slot = 1; slot <= kModelSlots; ++slot) KeepModel(PlayerModel(slot));
    KeepRivals();
}
