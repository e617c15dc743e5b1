// A new game for the player: the records of January 1908. The company name
// and home region typed on the new-game screen are its input and stay.

#include "model/new_game.h"

#include <cstring>

#include "model/calendar.h"
#include "model/part_tables.h"
#include "model/player.h"
#include "model/reachable_limits.h"
#include "model/records.h"
#include "model/site_prices.h"
#include "presentation/interface_state.h"

namespace {

void StartCompany() {
    PlayerObj.Cash = 100000.0;
    PlayerObj.Year = kFirstMonthPlayed.Year;
    PlayerObj.Month = kFirstMonthPlayed.Month;
}

// The game starts with a loan of 100000 over 48 months at 16 percent,
// already paid out: 116000 owed in installments of 116000 / 48.
void StartBank() {
    PlayerBank.LoanLeft = 116000;
    PlayerBank.Installment = 2416;
    PlayerBank.MonthsLeft = 48;
    // Savings of an earlier game are not this company's money.
    PlayerBank.Deposit = 0;
    PlayerBank.DepositMonth = 0;
    PlayerBank.DepositYear = 0;
}

void StartResearch() {
    Research& research = PlayerResearch;
    for (i32& scientists : research.Scientists) scientists = 0;
    research.LabCapacity = 100;
    for (i32& progress : research.ResearchProgress) progress = 0;
    research.BrakesVariantChoice = 0;
    research.SuspensionVariantChoice = 0;
    research.EngineVariantChoice = 0;
    // Body types bought in an earlier game must not count as owned.
    for (i32& owned : research.OwnedBodyTypes) owned = 0;
    research.OwnedBodyTypes[1] = BODY_FAMILY_WAGON;
    research.OwnedBodyTypes[2] = BODY_TRUCK;
    research.BodyTypesOffered = 2;
    research.BodyTypesOwned = 2;
    research.BrowsedBodyType = 1;
    research.BodyTypePrice = 0;
    research.ResearchLevel[PART_BRAKES] = 1;
    research.ResearchLevel[PART_SUSPENSION] = 1;
    research.ResearchLevel[PART_ENGINE] = 1;
    research.ResearchLevel[PART_BODY] = ERA_1908;
    research.ResearchLevel[PART_LUXURY] = 0;
    research.ResearchLevel[PART_SAFETY] = 0;
}

void StartStaff() {
    for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
        Staff& staff = *kPlayerStaff[kind];
        staff.Count = 0;
        staff.Unassigned = 0;
        staff.HireCount = 0;
        staff.FireCount = 0;
        staff.Wage = kStartWage[kind];
        staff.RaiseMonth = kFirstMonthPlayed.Month;
        staff.RaiseYear = kFirstMonthPlayed.Year;
    }
}

void StartAdvertising() {
    for (AdvertisingBlock& block : PlayerAdvertising.Block)
        for (AdCampaign& campaign : block.Campaign) campaign = AdCampaign{};
}

void StartFactories() {
    FactorySalon& factories = PlayerFactorySalon;
    factories.ShownRegion = REGION_AUSTRALIA;
    factories.FactoryPrice = kFactoryStartPrice;
    factories.SalonPrice = kSalonStartPrice;
    // A new company starts with nothing typed on its factory screen: numbers
    // from an earlier game would stand in the staff boxes as if just typed.
    factories.TechniciansToAssign = 0;
    factories.SalesmenToAssign = 0;
    for (i32 region = 1; region <= kRegionCount; ++region) {
        FactorySalonRegion& place = factories.Region[region - 1];
        const bool home = region == PlayerObj.HomeRegion;
        place.HasFactory = home ? 1 : 0;
        place.Salons = home ? 1 : 0;
        place.Technicians = 0;
        place.Salesmen = 0;
        // Production lines of an earlier game would go on building its models.
        place.ProductionLinesUsed = 0;
        std::memset(place.ProductionLineModel, 0, sizeof place.ProductionLineModel);
        std::memset(place.ProductionLineShipTo, 0, sizeof place.ProductionLineShipTo);
    }
}

void EmptyModelSlots() {
    std::memset(PlayerCar.SlotUsed, 0, sizeof PlayerCar.SlotUsed);
    PlayerCar.Slot = 0;
    // An index into an earlier game's body types would pick one not owned now.
    PlayerCar.BodyIndex = 0;
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        Car& model = PlayerModel(slot);
        std::memset(model.Name, ' ', kNameTyped);
        model.Brakes = model.BrakesVariant = 0;
        model.Suspension = model.SuspensionVariant = 0;
        model.Engine = model.EngineVariant = 0;
        std::memset(model.LuxuryItems, 0, sizeof model.LuxuryItems);
        std::memset(model.SafetyItems, 0, sizeof model.SafetyItems);
        model.Era = model.Rating = model.UnitCost = model.Price = 0;
        model.BodyType = model.BodyIndex = 0;
        model.FrontPiece = model.MiddlePiece = model.RearPiece = 0;
    }
}

void EmptyAccounts() {
    ProductionObj = Production{};
    ModelSaleObj = ModelSale{};
    ExpensesObj = Expenses{};
    IncomeObj = Income{};
    PlayerProfitLoss = ProfitLoss{};
}

void ShowMainView() {
    MainObj.Focus = FOCUS_NONE;
    MainObj.HotItem = HOT_NONE;
    MainObj.ShownCaption = 0;
    MainObj.GameInProgress = 1;
    MainObj.Popup = POPUP_NONE;
    MainObj.LastDrawnScreen = 0;  // forces the main view's background
    MainObj.Screen = SCREEN_GAME_MAIN;
}

}  // namespace

void SetNewGameRecords() {
    StartCompany();
    StartBank();
    StartResearch();
    StartStaff();
    StartAdvertising();
    StartFactories();
    EmptyModelSlots();
    EmptyAccounts();
}

void Player::SetStartValues() {
    SetNewGameRecords();
    ShowMainView();
    LoadPartCosts();
    LoadPartRates();
}
