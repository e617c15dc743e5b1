#include "sheets/sample_company.h"

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <utility>

#include "input/field_rows.h"
#include "model/new_game.h"
#include "model/records.h"
#include "platform/files.h"
#include "saves/slot_image.h"
#include "saves/slot_paths.h"
#include "saves/slot_stamp.h"

namespace {

// A name as the records keep it: blank-padded, no terminator.
void SetName(char (&name)[kNameSize], const char* text) {
    std::memset(name, ' ', sizeof name);
    std::memcpy(name, text, std::strlen(text));
}

void SetUpCompanies() {
    SetName(PlayerObj.Name, "hartley motors");
    PlayerObj.Cash = 2487300.0;
    PlayerObj.Year = 1923;
    PlayerObj.Month = 9;
    SetName(Opponent1Obj.Name, "ferrand cars");
    SetName(Opponent2Obj.Name, "oskar autos");
}

struct StaffSample {
    Staff& Kind;
    i32 Count, Unassigned, Wage, Hire, Fire;
};

void SetUpStaff() {
    for (const StaffSample& s : {StaffSample{PlayerSalesmans, 9999, 30, 99, 12, 0},
                                 StaffSample{PlayerScientists, 1200, 0, 105, 5, 1200},
                                 StaffSample{PlayerTechnicians, 9999, 1250, 90, 90, 44}}) {
        s.Kind.Count = s.Count;
        s.Kind.Unassigned = s.Unassigned;
        s.Kind.Wage = s.Wage;
        s.Kind.HireCount = s.Hire;
        s.Kind.FireCount = s.Fire;
    }
}

void SetUpBank() {
    PlayerBank.DepositAmount = 25000;
    PlayerBank.Deposit = kHighestDeposit;
    PlayerBank.LoanRate = 16;
    PlayerBank.LoanTerm = 48;
    PlayerBank.LoanAmount = 100000;
}

// Research levels by PartCategory (brakes, suspension, engine, body, luxury,
// safety) of the player and the two rivals; a rival's level may pass ten.
constexpr i32 kLevels[kCompanyCount][kPartCategories] = {
    {10, 7, 6, ERA_1968, 4, 3},
    {11, 2, 4, ERA_1938, 1, 9},
    {1, 2, 2, ERA_1983, 2, 8},
};

void SetUpResearch() {
    Research* const companies[kCompanyCount] = {&PlayerResearch, &Opponent1Research, &Opponent2Research};
    for (i32 c = 0; c < kCompanyCount; ++c)
        for (i32 category = 0; category < kPartCategories; ++category)
            companies[c]->ResearchLevel[category] = kLevels[c][category];
    Research& r = PlayerResearch;
    constexpr i32 scientists[kPartCategories] = {20, 40, 140, 60, 10, 0};
    constexpr i32 progress[kPartCategories] = {300, 800, 5700, 4000, 1500, 0};
    for (i32 category = 0; category < kPartCategories; ++category) {
        r.Scientists[category] = scientists[category];
        r.ResearchProgress[category] = progress[category];
    }
    r.LabCapacity = 300;
    r.OwnedBodyTypes[3] = BODY_PICK_UP_TRUCK;
    r.BodyTypesOffered = 4;
    r.BodyTypesOwned = 3;
    r.BrowsedBodyType = BODY_SPORT;
    r.BrakesVariantChoice = 2;
    r.SuspensionVariantChoice = 3;
    r.EngineVariantChoice = 4;
}

// A campaign of the advertising popups: block, medium, amount, months.
struct CampaignSample {
    i32 Block, Medium, Amount, Months;
};
constexpr CampaignSample kCampaigns[] = {
    {0, MEDIUM_TELEVISION, 999999, 48},
    {2, MEDIUM_TELEVISION, 2500, 12},
    {1, MEDIUM_RADIO, 12000, 6},
    {4, MEDIUM_NEWSPAPER, 800, 3},
    {5, MEDIUM_AUTO_SHOW, 150000, 1},
};

void SetUpAdvertising() {
    for (const CampaignSample& c : kCampaigns)
        MediumCampaign(PlayerAdvertising.Block[c.Block], c.Medium) = AdCampaign{c.Amount, c.Months};
}

// The stored models, with their line price and month's figures.
struct ModelSample {
    i32 Slot;
    const char* Name;
    i32 Price, Produced, Sold, Stock;
};
constexpr ModelSample kModels[] = {
    {1, "roadster", 9999, 1200, 980, 220},
    {2, "family wagon", 850, 4500, 4470, 30},
    {4, "city", 4200, 60, 12, 48},
    {7, "workhorse", 1500, 9999, 9999, 0},
    {10, "thunder bolt", 7800, 300, 0, 300},
};

void SetUpModels() {
    for (i32 slot = 1; slot <= kModelSlots; ++slot) std::memset(PlayerModel(slot).Name, ' ', kNameSize);
    for (const ModelSample& m : kModels) {
        Car& model = PlayerModel(m.Slot);
        SetName(model.Name, m.Name);
        model.Engine = 1;
        model.Price = m.Price;
        PlayerCar.SlotUsed[m.Slot] = m.Slot;
        ProductionObj.ModelTotal[m.Slot] = m.Produced;
        ModelSaleObj.Sold[REGION_SOUTH_AMERICA - 1][m.Slot] = m.Sold;
        ModelSaleObj.Stock[REGION_SOUTH_AMERICA - 1][m.Slot] = m.Stock;
    }
}

// The design being edited: the model of slot 10, fully fitted.
void SetUpDesign() {
    Car& car = PlayerCar;
    SetName(car.Name, "thunder bolt");
    car.Slot = 10;
    car.Brakes = 10;
    car.BrakesVariant = 2;
    car.Suspension = 7;
    car.SuspensionVariant = 3;
    car.Engine = 4;
    car.EngineVariant = 4;
    for (i32 item = 1; item <= 4; ++item) car.LuxuryItems[item] = item;
    for (i32 item = 1; item <= 3; ++item) car.SafetyItems[item] = item;
    car.Era = ERA_1968;
    car.Rating = 42;
    car.UnitCost = 12345;
    car.BodyType = BODY_PICK_UP_TRUCK;
    car.BodyIndex = 3;
    car.FrontPiece = 2;
    car.MiddlePiece = 1;
    car.RearPiece = 3;
}

void SetUpFactories() {
    FactorySalon& f = PlayerFactorySalon;
    f.FactoryPrice = 1500000;
    f.SalonPrice = 300000;
    f.TechniciansToAssign = 220;
    f.SalesmenToAssign = 90;
    f.ShownRegion = REGION_SOUTH_AMERICA;
    FactorySalonRegion& home = f.Region[REGION_SOUTH_AMERICA - 1];
    home.Salons = 3;
    home.Technicians = 220;
    home.Salesmen = 9999;
    constexpr i32 lines[][4] = {{0, 1, REGION_NORTH_AMERICA, REGION_AFRICA},
                                {2, 2, REGION_SOUTH_AMERICA, REGION_NONE},
                                {4, 4, REGION_EUROPE, REGION_ASIA}};
    for (const auto& line : lines) {
        home.ProductionLineModel[line[0]] = line[1];
        home.ProductionLineShipTo[line[0]][0] = line[2];
        home.ProductionLineShipTo[line[0]][1] = line[3];
        ++home.ProductionLinesUsed;
    }
    f.Region[REGION_NORTH_AMERICA - 1].Salons = 9;
    f.Region[REGION_EUROPE - 1].HasFactory = 1;
    f.Region[REGION_EUROPE - 1].Salons = 2;
}

// The month's accounts; a region's income of ten digits fills its field.
void SetUpAccounts() {
    ExpensesObj.Wages = 2015811;
    ExpensesObj.ProductionTotal = 880400;
    ExpensesObj.TransportCost = 120;
    ExpensesObj.AdvertisingTotal = 45000;
    ExpensesObj.Installment = 2416;
    ExpensesObj.Total = 2943747;
    constexpr i32 income[kRegionCount] = {1200000, 0, 3400, 99999, 1234567890, 5};
    for (i32 r = 0; r < kRegionCount; ++r) {
        IncomeObj.RegionIncome[r] = income[r];
        IncomeObj.Total += income[r];
    }
    // Bars of 4, 10 and 7 on the profit report's unit of 100000.
    for (const auto& [record, profit] : {std::pair{&PlayerProfitLoss, 400000}, std::pair{&Opponent1ProfitLoss, 1000000},
                                         std::pair{&Opponent2ProfitLoss, 700000}}) {
        record->Profit = profit;
        record->Loss = -profit;
    }
}

}  // namespace

void SetUpSampleCompany() {
    // A game started in South America, then played on.
    PlayerObj.HomeRegion = REGION_SOUTH_AMERICA;
    SetNewGameRecords();
    SetUpCompanies();
    SetUpStaff();
    SetUpBank();
    SetUpResearch();
    SetUpAdvertising();
    SetUpModels();
    SetUpDesign();
    SetUpFactories();
    SetUpAccounts();
}

void WriteSampleSaves() {
    SetUpSampleCompany();
    struct Save {
        i32 Slot;
        SlotStamp Stamp;   // month, day, year, hour, minute
    };
    constexpr Save kSaves[] = {{1, {11, 5, 7, 0, 9}}, {2, {3, 21, 24, 18, 45}}, {4, {12, 30, 99, 23, 59}}};
    std::filesystem::create_directories("Data/Saves");
    static char image[kSlotFileSize];
    for (const Save& save : kSaves) {
        SlotMainObj = save.Stamp;
        WriteSlotImage(image);
        platform::ReplaceFile(SlotFilePath(save.Slot), image, sizeof image);
    }
}
