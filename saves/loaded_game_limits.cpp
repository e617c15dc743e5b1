#include "saves/loaded_game_limits.h"

#include <algorithm>
#include <climits>

#include "model/bank_installment.h"
#include "model/design_limits.h"
#include "model/lab_expansion.h"
#include "model/loan_terms.h"
#include "model/reachable_limits.h"
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

void KeepCalendar() {
    KeepCount(PlayerObj.Month, 1, kMonthsPerYear);
    KeepCount(PlayerObj.Year, kFirstYear, kLastYear);
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

// A stored design's cost and rating were fixed when it was stored and kept
// within the stored designs' bounds, whatever the part tables held; an
// empty slot has neither. Production multiplies the cost, and the rivals'
// month the dearest of them; sales weigh both against the price, which the
// income multiplies. The tables read with this load say nothing of what a
// design was stored with, so they play no part here.
void KeepModel(Car& model) {
    for (const ModelRule& rule : kModelRules) KeepName(model.*rule.Field, rule.Highest);
    for (i32& item : model.LuxuryItems) KeepName(item, kPartsPerCategory);
    for (i32& item : model.SafetyItems) KeepName(item, kPartsPerCategory);
    const bool stored = model.Engine != 0;
    model.UnitCost = stored ? KeptWithin(model.UnitCost, kStoredDesignCost) : 0;
    model.Rating = stored ? KeptWithin(model.Rating, kStoredDesignRating) : 0;
    KeepCount(model.Price, 0, kHighestPrice);
}

void KeepModels() {
    for (i32 slot = 1; slot <= kModelSlots; ++slot) KeepModel(PlayerModel(slot));
}

void KeepFactories() {
    FactorySalon& factories = PlayerFactorySalon;
    if (factories.ShownRegion < REGION_AUSTRALIA || factories.ShownRegion > kRegionCount)
        factories.ShownRegion = REGION_AUSTRALIA;
    for (FactorySalonRegion& region : factories.Region) {
        KeepCount(region.Salons, 0, kMostSalons);
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

// A purchase takes the price from the cash and raises it: a price below a
// new game's would pay the buyer, and one near the 32-bit top would wrap.
void KeepSitePrices() {
    KeepCount(PlayerFactorySalon.FactoryPrice, kFactoryStartPrice, kFactoryTopPrice);
    KeepCount(PlayerFactorySalon.SalonPrice, kSalonStartPrice, kSalonTopPrice);
}

// Each area's progress grows by its scientists and 83 a month and starts
// again from 0 once past its level's threshold.
void KeepResearch() {
    Research& lab = PlayerResearch;
    for (i32 category = 0; category < kPartCategories; ++category) {
        const i32 lowest = category == PART_BODY ? ERA_1908 : 0;
        KeepCount(lab.ResearchLevel[category], lowest, kTopResearchLevel[category]);
        KeepCount(lab.ResearchProgress[category], 0, kLevelThreshold[category]);
    }
    KeepCount(lab.LabCapacity, 0, kMostLabCapacity);
    KeepCount(lab.BodyTypesOffered, BODY_FAMILY_WAGON, kBodyTypeCount);
    for (i32 entry = 1; entry < kModelArray; ++entry) KeepName(lab.OwnedBodyTypes[entry], kBodyTypeCount);
    KeepCount(lab.BodyTypesOwned, 0, lab.BodyTypesOffered);
    KeepCount(lab.BrowsedBodyType, BODY_FAMILY_WAGON, lab.BodyTypesOffered);
    KeepName(lab.BrakesVariantChoice, kBrakesVariants);
    KeepName(lab.SuspensionVariantChoice, kSuspensionVariants);
    KeepName(lab.EngineVariantChoice, kEngineVariants);
}

// Puts at most `room` of the `left` people not yet placed to work here.
void Post(i32& working, i32 room, i32& left) {
    working = std::clamp(working, 0, std::max(0, std::min(room, left)));
    left -= working;
}

// Each kind is paid from a new game's wage up, and its people employed are
// those at work and the free pool: every hire, fire and posting keeps that
// sum, so a game the program saved loads as it was. In an edited file the
// people at work are held to the room of their places and to the people
// employed, filled in order, and the pool is whoever is left: so a fire,
// bounded by the pool, never takes more people than are employed, and no
// one works unpaid. Runs after the sites and the laboratory are kept.
void KeepStaff() {
    for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
        KeepCount(kPlayerStaff[kind]->Count, 0, kMostStaffOfAKind);
        KeepCount(kPlayerStaff[kind]->Wage, kStartWage[kind], kHighestWage);
    }
    i32 salesmen = PlayerSalesmans.Count;
    i32 technicians = PlayerTechnicians.Count;
    for (FactorySalonRegion& region : PlayerFactorySalon.Region) {
        Post(region.Technicians, region.HasFactory != 0 ? kTechniciansPerFactory : 0, technicians);
        Post(region.Salesmen, kSalesmenPerSalon * region.Salons, salesmen);
    }
    i32 scientists = PlayerScientists.Count;
    i32 room = PlayerResearch.LabCapacity;
    for (i32& working : PlayerResearch.Scientists) {
        Post(working, room, scientists);
        room -= working;
    }
    PlayerSalesmans.Unassigned = salesmen;
    PlayerScientists.Unassigned = scientists;
    PlayerTechnicians.Unassigned = technicians;
}

// The month sells from the stock it ships to and charges every campaign's
// amount. Last month's shipments and sales are worked out anew before they
// are used.
void KeepSalesAndAdverts() {
    for (auto& region : ModelSaleObj.Stock)
        for (i32 slot = 1; slot <= kModelSlots; ++slot) KeepCount(region[slot], 0, kMostStock);
    for (AdvertisingBlock& block : PlayerAdvertising.Block)
        for (AdCampaign& campaign : block.Campaign) KeepCount(campaign.Amount, 0, kHighestAdvertAmount);
}

// The bank as its own buttons leave it: a term with its own rate, or none;
// the typed amounts within their boxes; a debt no larger than the bank ever
// lends with interest; a month left for as long as anything is owed (the
// month step ends a schedule without months, debt and all); and a schedule
// that never owes less than the installments still to come (installment x
// months left at most the debt), so that every month charges part of a
// debt, never more than is owed, and the loan ends within its months. No
// debt, no installment.
void KeepBank() {
    Bank& bank = PlayerBank;
    const LoanTerm* term = FindLoanTerm(bank.LoanTerm);
    if (term == nullptr || term->Rate != bank.LoanRate) bank.LoanTerm = bank.LoanRate = 0;
    KeepCount(bank.LoanAmount, 0, kHighestLoan);
    KeepCount(bank.DepositAmount, 0, kHighestDeposit);
    KeepCount(bank.Deposit, 0, INT_MAX);
    KeepCount(bank.LoanLeft, 0, kMostOwed);
    KeepCount(bank.MonthsLeft, bank.LoanLeft > 0 ? 1 : 0, kLongestLoanTerm);
    KeepCount(bank.Installment, 0, MonthlyInstallment(bank.LoanLeft, bank.MonthsLeft));
}

// A rival's month pays its scientists from its own records, books its
// loan's installment and counts the loan's months down while nothing is
// owed, and moves its research on; everything else it spends is drawn anew
// each month. Its scientists only grow from a new game's and are paid a
// new game's wage; its levels rise at most once a month.
void KeepRivals() {
    for (const RivalRecords& rival : kRivals) {
        KeepCount(rival.scientists.Count, rival.startScientists, kMostStaffOfAKind);
        KeepCount(rival.scientists.Wage, kRivalScientistsWage, kHighestWage);
        Bank& bank = rival.bank;
        KeepCount(bank.LoanLeft, -kMostOwed, kMostOwed);
        KeepCount(bank.Installment, 0, kMostOwed);
        KeepCount(bank.MonthsLeft, -kMostMonthsPlayed, kLongestLoanTerm);
        Research& research = rival.research;
        for (i32 category = 0; category < kPartCategories; ++category) {
            const i32 lowest = category == PART_BODY ? ERA_1908 : 0;
            const i32 highest = category == PART_BODY ? kRivalBodyLevelTop : kMostMonthsPlayed;
            KeepCount(research.ResearchLevel[category], lowest, highest);
            KeepCount(research.ResearchProgress[category], 0, kLevelThreshold[category]);
        }
    }
}

}  // namespace

void KeepLoadedGameInRange() {
    KeepCalendar();
    KeepName(PlayerObj.HomeRegion, kRegionCount);
    KeepFactories();
    KeepSitePrices();
    KeepResearch();
    KeepStaff();
    KeepSalesAndAdverts();
    KeepBank();
    KeepModels();
    KeepRivals();
}
