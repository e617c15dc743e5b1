#pragma once
// The layout of a slot file, written down once: the stamp, then one block
// per company (the player, rival 1, rival 2), each a fixed run of fields
// taken from that company's records. Both the writer and the reader walk
// this same order, so the two can never disagree about where a value lives.
//
// A walker is any type with these four members, called once per field in
// file order:
//   void Stamp(i32& value);                 // the save's date and time
//   void Int(i32& value);
//   void Money(double& value);
//   void Name(char (&name)[kNameSize]);     // bytes 0..14 of a name

#include <cstddef>
#include <initializer_list>

#include "model/records.h"
#include "saves/slot_fields.h"
#include "saves/slot_stamp.h"

inline constexpr std::size_t kSlotFieldCount = 2953;
inline constexpr std::size_t kSlotFileSize = kSlotFieldCount * kFieldSize;  // 44,295 bytes

// The records of one company. The player's block carries a few fields more
// than a rival's (calendar, wage rises, shop prices, the design's slot marks,
// the month's production totals).
struct CompanyBlock {
    bool Player;
    Company* Firm;
    Staff* People[kStaffKindCount];  // in StaffKind order
    Bank* Loans;
    FactorySalon* Factories;
    Advertising* Adverts;
    Research* Lab;
    Car* Design;               // player only: the design record's slot marks
    Car* Models[kModelSlots];  // model slots 1..10
    Production* Made;
    ModelSale* Sales;
    Expenses* Costs;
    Income* Takings;
    ProfitLoss* Result;
};

inline constexpr CompanyBlock kCompanyBlocks[] = {
    {true, &PlayerObj, {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians}, &PlayerBank,
     &PlayerFactorySalon, &PlayerAdvertising, &PlayerResearch, &PlayerCar,
     {&PlayerCar1, &PlayerCar2, &PlayerCar3, &PlayerCar4, &PlayerCar5, &PlayerCar6, &PlayerCar7,
      &PlayerCar8, &PlayerCar9, &PlayerCar10},
     &ProductionObj, &ModelSaleObj, &ExpensesObj, &IncomeObj, &PlayerProfitLoss},
    {false, &Opponent1Obj, {&Opponent1Salesmans, &Opponent1Scientists, &Opponent1Technicians},
     &Opponent1Bank, &Opponent1FactorySalon, &Opponent1Advertising, &Opponent1Research, nullptr,
     {&Opponent1Car1, &Opponent1Car2, &Opponent1Car3, &Opponent1Car4, &Opponent1Car5,
      &Opponent1Car6, &Opponent1Car7, &Opponent1Car8, &Opponent1Car9, &Opponent1Car10},
     &Opponent1ProductionObj, &Opponent1ModelSaleObj, &Opponent1ExpensesObj, &Opponent1IncomeObj,
     &Opponent1ProfitLoss},
    {false, &Opponent2Obj, {&Opponent2Salesmans, &Opponent2Scientists, &Opponent2Technicians},
     &Opponent2Bank, &Opponent2FactorySalon, &Opponent2Advertising, &Opponent2Research, nullptr,
     {&Opponent2Car1, &Opponent2Car2, &Opponent2Car3, &Opponent2Car4, &Opponent2Car5,
      &Opponent2Car6, &Opponent2Car7, &Opponent2Car8, &Opponent2Car9, &Opponent2Car10},
     &Opponent2ProductionObj, &Opponent2ModelSaleObj, &Opponent2ExpensesObj, &Opponent2IncomeObj,
     &Opponent2ProfitLoss},
};

namespace slot_layout {

// Every element of an array, element 0 first, whether the game uses it or not.
template <class Walker, std::size_t N>
constexpr void Ints(Walker& walk, i32 (&values)[N]) {
    for (i32& value : values) walk.Int(value);
}

// A region-by-model table: region rows 1..6 in turn, model 0..10 fastest.
template <class Walker>
constexpr void Table(Walker& walk, i32 (&table)[kRegionCount][kModelArray]) {
    for (auto& row : table) Ints(walk, row);
}

template <class Walker>
constexpr void CompanyAndStaff(Walker& walk, const CompanyBlock& block) {
    Company& firm = *block.Firm;
    if (block.Player) {
        walk.Int(firm.Month);
        walk.Int(firm.Year);
    }
    walk.Int(firm.HomeRegion);
    walk.Money(firm.Cash);
    walk.Name(firm.Name);
    for (Staff* kind : block.People) {
        walk.Int(kind->Count);
        walk.Int(kind->Unassigned);
        walk.Int(kind->Wage);
        if (block.Player) {
            walk.Int(kind->RaiseMonth);  // month before year, unlike the record
            walk.Int(kind->RaiseYear);
        }
    }
}

template <class Walker>
constexpr void BankAccount(Walker& walk, Bank& bank) {
    for (i32* value : {&bank.LoanLeft, &bank.LoanAmount, &bank.LoanRate, &bank.LoanTerm,
                       &bank.Installment, &bank.MonthsLeft, &bank.Deposit, &bank.DepositMonth,
                       &bank.DepositYear, &bank.DepositAmount})
        walk.Int(*value);
}

template <class Walker>
constexpr void FactoriesAndSalons(Walker& walk, const CompanyBlock& block) {
    FactorySalon& factories = *block.Factories;
    if (block.Player) {
        walk.Int(factories.FactoryPrice);
        walk.Int(factories.SalonPrice);
    }
    for (FactorySalonRegion& region : factories.Region) {
        walk.Int(region.HasFactory);
        walk.Int(region.Salons);
        walk.Int(region.Technicians);
        walk.Int(region.Salesmen);
        walk.Int(region.ProductionLinesUsed);
        Ints(walk, region.ProductionLineModel);
        for (auto& line : region.ProductionLineShipTo) Ints(walk, line);
    }
    walk.Int(factories.ShownRegion);
}

template <class Walker>
constexpr void Campaigns(Walker& walk, Advertising& adverts) {
    for (AdvertisingBlock& block : adverts.Block)
        for (AdCampaign& campaign : block.Campaign) {
            walk.Int(campaign.Amount);
            walk.Int(campaign.Months);
        }
}

template <class Walker>
constexpr void ResearchState(Walker& walk, Research& lab) {
    Ints(walk, lab.Scientists);
    walk.Int(lab.LabCapacity);
    Ints(walk, lab.ResearchLevel);
    Ints(walk, lab.OwnedBodyTypes);
    walk.Int(lab.BodyTypesOffered);
    walk.Int(lab.BodyTypesOwned);
    Ints(walk, lab.ResearchProgress);
    walk.Int(lab.BrakesVariantChoice);
    walk.Int(lab.SuspensionVariantChoice);
    walk.Int(lab.EngineVariantChoice);
    walk.Int(lab.BrowsedBodyType);
    walk.Int(lab.BodyTypePrice);
    walk.Int(lab.BodyTypesOffered);  // carried twice; on reading the later copy stands
}

// A stored model: variants first, the part ids after the era.
template <class Walker>
constexpr void StoredModel(Walker& walk, Car& model) {
    walk.Name(model.Name);
    walk.Int(model.BrakesVariant);
    walk.Int(model.SuspensionVariant);
    walk.Int(model.EngineVariant);
    Ints(walk, model.LuxuryItems);
    Ints(walk, model.SafetyItems);
    for (i32* value : {&model.Era, &model.Engine, &model.Brakes, &model.Suspension, &model.Rating,
                       &model.UnitCost, &model.Price, &model.BodyType, &model.BodyIndex,
                       &model.FrontPiece, &model.MiddlePiece, &model.RearPiece})
        walk.Int(*value);
}

template <class Walker>
constexpr void MonthlyAccounts(Walker& walk, const CompanyBlock& block) {
    Table(walk, block.Made->Shipped);
    if (block.Player) Ints(walk, block.Made->ModelTotal);
    Table(walk, block.Sales->Sold);
    Table(walk, block.Sales->Stock);
    Expenses& costs = *block.Costs;
    Table(walk, costs.ProductionCost);
    walk.Int(costs.ProductionTotal);
    walk.Int(costs.TransportCost);
    Ints(walk, costs.AdvertisingCost);
    walk.Int(costs.AdvertisingTotal);
    walk.Int(costs.Wages);
    walk.Int(costs.Installment);
    walk.Int(costs.Total);
    Table(walk, block.Takings->ModelIncome);
    Ints(walk, block.Takings->RegionIncome);
    walk.Int(block.Takings->Total);
    walk.Int(block.Result->Profit);
    walk.Int(block.Result->Loss);
}

template <class Walker>
constexpr void Block(Walker& walk, const CompanyBlock& block) {
    CompanyAndStaff(walk, block);
    BankAccount(walk, *block.Loans);
    FactoriesAndSalons(walk, block);
    Campaigns(walk, *block.Adverts);
    ResearchState(walk, *block.Lab);
    if (block.Player) Ints(walk, block.Design->SlotUsed);
    for (Car* model : block.Models) StoredModel(walk, *model);
    MonthlyAccounts(walk, block);
}

}  // namespace slot_layout

// Walks the whole slot file, field 0 to field 2952.
template <class Walker>
constexpr void WalkSlotFile(Walker& walk) {
    for (i32* value : StampFieldsInFileOrder(SlotMainObj)) walk.Stamp(*value);
    for (const CompanyBlock& block : kCompanyBlocks) slot_layout::Block(walk, block);
}
