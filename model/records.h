#pragma once
// Every business record of the game. They live in static storage for the
// whole run, start zeroed, and are read and written directly by the month
// step, the input handlers, the painters and the saved games.

#include "model/integers.h"

// ---- Value sets -----------------------------------------------------------

enum RegionId : i32 {
    REGION_NONE = 0,
    REGION_AUSTRALIA = 1,
    REGION_SOUTH_AMERICA = 2,
    REGION_NORTH_AMERICA = 3,
    REGION_EUROPE = 4,
    REGION_ASIA = 5,
    REGION_AFRICA = 6,
};

enum EraId : i32 {
    ERA_1908 = 1,
    ERA_1923 = 2,
    ERA_1938 = 3,
    ERA_1953 = 4,
    ERA_1968 = 5,
    ERA_1983 = 6,
};

enum BodyTypeId : i32 {
    BODY_FAMILY_WAGON = 1,
    BODY_TRUCK = 2,
    BODY_SPORT = 3,
    BODY_LUXURY = 4,
    BODY_FAMILY_SEDAN = 5,
    BODY_VAN = 6,
    BODY_PICK_UP_TRUCK = 7,
    BODY_COMPACT = 8,
    BODY_RACE_CAR = 9,
};

// Index of every six-element research array.
enum PartCategory : i32 {
    PART_BRAKES = 0,
    PART_SUSPENSION = 1,
    PART_ENGINE = 2,
    PART_BODY = 3,
    PART_LUXURY = 4,
    PART_SAFETY = 5,
};

enum MediumId : i32 {
    MEDIUM_AUTO_SHOW = 1,
    MEDIUM_RADIO = 2,
    MEDIUM_TELEVISION = 3,
    MEDIUM_NEWSPAPER = 4,
    MEDIUM_BILLBOARD = 5,
};

enum StaffKind : i32 {
    STAFF_SALESMEN = 0,
    STAFF_SCIENTISTS = 1,
    STAFF_TECHNICIANS = 2,
};
inline constexpr i32 kStaffKindCount = 3;

inline constexpr i32 kRegionCount = 6;      // regions 1..6, stored at index r - 1
inline constexpr i32 kModelSlots = 10;      // models 1..10, index 0 unused
inline constexpr i32 kModelArray = 11;
inline constexpr i32 kPartCategories = 6;
inline constexpr i32 kPartsPerCategory = 10; // PartId 1..10, 0 = none
inline constexpr i32 kEraCount = 6;
inline constexpr i32 kBodyTypeCount = 9;
inline constexpr i32 kAdBlocks = 6;
inline constexpr i32 kMedia = 5;
inline constexpr i32 kProductionLines = 5;
inline constexpr i32 kBufferSize = 14;      // every typing buffer
inline constexpr i32 kNameSize = 16;        // company and model names
inline constexpr i32 kNameTyped = 14;       // the cells of a name the player types

// ---- Company records ------------------------------------------------------

struct Company {
    char Name[kNameSize];  // blank-padded, no terminator
    double Cash;
    i32 HomeRegion;        // RegionId
    i32 Year;              // player only
    i32 Month;             // 1..kMonthsPerYear, player only
};

inline constexpr i32 kMonthsPerYear = 12;
inline constexpr i32 kCompanyCount = 3;     // the player and the two rivals

struct Staff {
    i32 Count;
    i32 Unassigned;        // employed but not working in a region or laboratory
    i32 Wage;              // per person and month
    i32 HireCount;         // typed in the personnel popup
    i32 FireCount;
    i32 RaiseYear;         // date of the last wage rise, player only
    i32 RaiseMonth;
    char InputBuffer[kBufferSize];
};

// Hiring stops when a company employs this many people of one kind.
inline constexpr i32 kMostStaffOfAKind = 9999;
// The most the wage field takes (a field no click focuses). The game's own
// rises carry a wage past it after some two thousand years; the highest
// wage a game holds is kHighestWage (model/reachable_limits.h).
inline constexpr i32 kHighestTypedWage = 9999;

struct Bank {
    i32 LoanLeft;          // still owed, interest included
    i32 LoanAmount;        // typed
    i32 LoanRate;          // percent belonging to LoanTerm
    i32 LoanTerm;          // months, 0 = none chosen
    i32 Installment;
    i32 MonthsLeft;
    i32 Deposit;
    i32 DepositMonth;
    i32 DepositYear;
    i32 DepositAmount;     // typed
    char InputBuffer[kBufferSize];
};

// The most the bank's boxes take: a deposit or withdrawal, and a loan or
// repayment.
inline constexpr i32 kHighestDeposit = 1000000000;
inline constexpr i32 kHighestLoan = 100000;

// The variants of a fitted part, each from 1 up to its count; a design's
// variant and the part list's choice of it share the range.
inline constexpr i32 kBrakesVariants = 3;
inline constexpr i32 kSuspensionVariants = 3;
inline constexpr i32 kEngineVariants = 5;

struct Research {
    i32 Scientists[kPartCategories];      // by PartCategory
    i32 LabCapacity;
    i32 ResearchLevel[kPartCategories];   // body level is an EraId
    i32 OwnedBodyTypes[kModelArray];      // entries 1..BodyTypesOwned
    i32 BodyTypesOffered;
    i32 BodyTypesOwned;
    i32 ResearchProgress[kPartCategories];
    i32 BrakesVariantChoice;              // 1..kBrakesVariants, 0 = none chosen
    i32 SuspensionVariantChoice;
    i32 EngineVariantChoice;
    i32 BrowsedBodyType;
    i32 BodyTypePrice;                    // stored by the body types painter
    char InputBuffer[kBufferSize];
};

struct AdCampaign {
    i32 Amount;            // charged every month
    i32 Months;            // 0..kMostAdvertMonths, shown only
};

inline constexpr i32 kMostAdvertMonths = 48;
inline constexpr i32 kHighestAdvertAmount = 999999;  // six digits typed

// One campaign per medium, at index kMedia - MediumId: the billboard's
// first, the auto show's last.
struct AdvertisingBlock {
    AdCampaign Campaign[kMedia];
};

// A block's campaign in a medium (a MediumId, 1..kMedia).
constexpr AdCampaign& MediumCampaign(AdvertisingBlock& block, i32 medium) { return block.Campaign[kMedia - medium]; }
constexpr const AdCampaign& MediumCampaign(const AdvertisingBlock& block, i32 medium) {
    return block.Campaign[kMedia - medium];
}

struct Advertising {
    AdvertisingBlock Block[kAdBlocks];
    char InputBuffer[kBufferSize];
};

struct FactorySalonRegion {
    i32 HasFactory;
    i32 Salons;                                   // 0..kMostSalons
    i32 Technicians;
    i32 Salesmen;
    i32 ProductionLinesUsed;
    i32 ProductionLineModel[kProductionLines];    // model slot, 0 = empty line
    i32 ProductionLineShipTo[kProductionLines][2];// RegionId, 0 = output lost
};

// What one region holds: its salons, the technicians its factory (if it has
// one) puts to work and the salesmen each salon takes; and the most cars a
// salesman sells in a month.
inline constexpr i32 kMostSalons = 9;
inline constexpr i32 kTechniciansPerFactory = 220;
inline constexpr i32 kSalesmenPerSalon = 10;
inline constexpr i32 kCarsPerSalesman = 2;

struct FactorySalon {
    i32 TechniciansToAssign;
    i32 SalesmenToAssign;
    i32 FactoryPrice;
    i32 SalonPrice;
    FactorySalonRegion Region[kRegionCount];
    i32 ShownRegion;
    char InputBuffer[kBufferSize];
};

struct ProfitLoss {
    i32 Profit;
    i32 Loss;              // always -Profit
};

// One car model: the design being edited or a stored model slot.
struct Car {
    char Name[kNameSize];
    i32 Slot;                          // design only
    i32 SlotUsed[kModelArray];         // design only: N while slot N is used
    i32 Brakes;                        // PartId
    i32 BrakesVariant;                 // 1..kBrakesVariants
    i32 Suspension;
    i32 SuspensionVariant;             // 1..kSuspensionVariants
    i32 Engine;                        // nonzero marks a used model slot
    i32 EngineVariant;                 // 1..kEngineVariants
    i32 LuxuryItems[kModelArray];      // PartIds in entries 1..10
    i32 SafetyItems[kModelArray];
    i32 Era;                           // EraId
    i32 Rating;
    i32 UnitCost;
    i32 Price;
    i32 BodyType;                      // BodyTypeId
    i32 BodyIndex;                     // entry of OwnedBodyTypes
    i32 FrontPiece;                    // 1..kPieceVariants
    i32 MiddlePiece;
    i32 RearPiece;
    char PriceText[kBufferSize];       // design only
};

// Each of a car's front, middle and rear pieces comes in this many shapes.
inline constexpr i32 kPieceVariants = 3;
inline constexpr i32 kHighestPrice = 9999;  // four digits typed
// A car sold brings its price less a draw of 0 to kMostPriceCut.
inline constexpr i32 kMostPriceCut = 19;

// ---- Part tables ----------------------------------------------------------

struct Costs {
    i32 Engine[kModelArray];
    i32 Suspension[kModelArray];
    i32 Brakes[kModelArray];
    i32 Luxury[kModelArray];
    i32 Safety[kModelArray];
    i32 Body[kEraCount + 1];           // by EraId, element 0 unused
};

struct Rates {
    i32 Engine[kModelArray];
    i32 Suspension[kModelArray];
    i32 Brakes[kModelArray];
    i32 Luxury[kModelArray];
    i32 Safety[kModelArray];
    i32 Body;
    i32 PartBonus;
    i32 VariantBonus;
};

// ---- Monthly accounts, [region - 1][model] --------------------------------

struct Production {
    i32 Shipped[kRegionCount][kModelArray];
    i32 ModelTotal[kModelArray];
};

struct ModelSale {
    i32 Sold[kRegionCount][kModelArray];
    i32 Stock[kRegionCount][kModelArray];
};

struct Expenses {
    i32 ProductionCost[kRegionCount][kModelArray];
    i32 ProductionTotal;
    i32 TransportCost;
    i32 AdvertisingCost[kAdBlocks];    // by advertising block, not region
    i32 AdvertisingTotal;
    i32 Wages;
    i32 Installment;
    i32 Total;
};

struct Income {
    i32 ModelIncome[kRegionCount][kModelArray];
    i32 RegionIncome[kRegionCount];
    i32 Total;
};

// ---- The records ------------------------------------------------------------

extern Company PlayerObj, Opponent1Obj, Opponent2Obj;

extern Staff PlayerSalesmans, PlayerScientists, PlayerTechnicians;
// The player's three kinds of staff, in StaffKind order.
inline constexpr Staff* kPlayerStaff[kStaffKindCount] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
extern Staff Opponent1Salesmans, Opponent1Scientists, Opponent1Technicians;
extern Staff Opponent2Salesmans, Opponent2Scientists, Opponent2Technicians;

extern Bank PlayerBank, Opponent1Bank, Opponent2Bank;
extern Research PlayerResearch, Opponent1Research, Opponent2Research;
extern Advertising PlayerAdvertising, Opponent1Advertising, Opponent2Advertising;
extern FactorySalon PlayerFactorySalon, Opponent1FactorySalon, Opponent2FactorySalon;
extern ProfitLoss PlayerProfitLoss, Opponent1ProfitLoss, Opponent2ProfitLoss;

extern Car PlayerCar;
extern Car PlayerCar1, PlayerCar2, PlayerCar3, PlayerCar4, PlayerCar5,
           PlayerCar6, PlayerCar7, PlayerCar8, PlayerCar9, PlayerCar10;
extern Car Opponent1Car1, Opponent1Car2, Opponent1Car3, Opponent1Car4, Opponent1Car5,
           Opponent1Car6, Opponent1Car7, Opponent1Car8, Opponent1Car9, Opponent1Car10;
extern Car Opponent2Car1, Opponent2Car2, Opponent2Car3, Opponent2Car4, Opponent2Car5,
           Opponent2Car6, Opponent2Car7, Opponent2Car8, Opponent2Car9, Opponent2Car10;

extern Costs CostsObj;
extern Rates RateObj;

extern Production ProductionObj, Opponent1ProductionObj, Opponent2ProductionObj;
extern ModelSale ModelSaleObj, Opponent1ModelSaleObj, Opponent2ModelSaleObj;
extern Expenses ExpensesObj, Opponent1ExpensesObj, Opponent2ExpensesObj;
extern Income IncomeObj, Opponent1IncomeObj, Opponent2IncomeObj;

// Model slot N (1..10) of the player, and of rival 1 or 2.
Car& PlayerModel(i32 slot);
Car& OpponentModel(i32 rival, i32 slot);

// Puts every record of this file back to its program-start state (all zero).
// Used by tests; the game itself never needs it.
void ResetAllRecords();
