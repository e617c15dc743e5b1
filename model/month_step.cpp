// One turn: the month that ends with the player's click on next month.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/calendar.h"
#include "model/opponent.h"
#include "model/player.h"
#include "model/records.h"
#include "model/research_thresholds.h"
#include "model/transport.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

namespace {

// From the year after each of these on, one more body type is offered.
struct BodyTypeOffer {
    i32 afterYear;
    i32 offered;
};
constexpr BodyTypeOffer kBodyTypeOffers[] = {
    {1918, 3}, {1926, 4}, {1934, 5}, {1942, 6}, {1950, 7}, {1958, 8}, {1966, 9},
};

constexpr i32 kWageRise = 15;
constexpr i32 kYearsBetweenRises = 3;

void AdvanceCalendar() {
    PlayerObj.Month += 1;
    if (PlayerObj.Month > kMonthsPerYear) {
        PlayerObj.Month = 1;
        PlayerObj.Year += 1;
    }
}

void EndLoan(Bank& bank) {
    bank.MonthsLeft = 0;
    bank.Installment = 0;
    bank.LoanLeft = 0;
}

// Books one installment a month while months are left and anything is
// owed; returns what the month pays. The installment is the debt shared over
// the months and truncated, so the last month pays whatever is left and the
// loan is paid back whole. A schedule with no months left or nothing owed is
// over and books nothing: the count never goes below 0, where the bank
// popup's installment (debt / months left) would turn into a payout, and a
// stored installment without a debt behind it is never charged.
i32 RunLoan() {
    Bank& bank = PlayerBank;
    if (bank.MonthsLeft <= 0 || bank.LoanLeft <= 0) {
        EndLoan(bank);
        return 0;
    }
    bank.MonthsLeft -= 1;
    if (bank.MonthsLeft > 0) {
        bank.LoanLeft -= bank.Installment;
        return bank.Installment;
    }
    const i32 last = bank.LoanLeft;
    EndLoan(bank);
    return last;
}

// 4 percent of the whole hundreds, once a year in the month of the last
// deposit, from the year after it on. The balance stops at the 32-bit top.
void PayDepositInterest() {
    Bank& bank = PlayerBank;
    if (bank.DepositYear == PlayerObj.Year || bank.DepositMonth != PlayerObj.Month) return;
    const std::int64_t balance =
        static_cast<std::int64_t>(bank.Deposit) + static_cast<std::int64_t>(bank.Deposit / 100) * 4;
    bank.Deposit = static_cast<i32>(
        std::clamp<std::int64_t>(balance, std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
}

void AdvanceResearch() {
    Research& research = PlayerResearch;
    for (i32 category = 0; category < kPartCategories; ++category) {
        research.ResearchProgress[category] += research.Scientists[category] + kPlayerResearchPace;
        if (research.ResearchProgress[category] > kLevelThreshold[category]) {
            research.ResearchLevel[category] += 1;
            if (research.ResearchLevel[category] > kTopResearchLevel[category])
                research.ResearchLevel[category] = kTopResearchLevel[category];
            research.ResearchProgress[category] = 0;
        }
    }
}

void OfferBodyTypes() {
    for (const BodyTypeOffer& offer : kBodyTypeOffers)
        if (PlayerObj.Year > offer.afterYear) PlayerResearch.BodyTypesOffered = offer.offered;
}

void AddShipmentsToStock() {
    for (i32 r = 0; r < kRegionCount; ++r)
        for (i32 m = 1; m <= kModelSlots; ++m) ModelSaleObj.Stock[r][m] += ProductionObj.Shipped[r][m];
}

void TakeSalesFromStock() {
    for (i32 r = 0; r < kRegionCount; ++r)
        for (i32 m = 1; m <= kModelSlots; ++m) ModelSaleObj.Stock[r][m] -= ModelSaleObj.Sold[r][m];
}

// Every kind gets 15 more every three years, in the month of its last rise.
void RaiseWages() {
    for (Staff* staff : kPlayerStaff) {
        if (staff->RaiseMonth == PlayerObj.Month && staff->RaiseYear == PlayerObj.Year - kYearsBetweenRises) {
            staff->RaiseMonth = PlayerObj.Month;
            staff->RaiseYear = PlayerObj.Year;
            staff->Wage += kWageRise;
        }
    }
}

i32 WageBill() {
    i32 wages = 0;
    for (const Staff* staff : kPlayerStaff)
        wages += staff->Count * staff->Wage;
    return wages;
}

void BookProduction() {
    Expenses& expenses = ExpensesObj;
    for (i32 m = 1; m <= kModelSlots; ++m) {
        const i32 unitCost = PlayerModel(m).UnitCost;
        for (i32 r = 0; r < kRegionCount; ++r) {
            expenses.ProductionCost[r][m] = ProductionObj.Shipped[r][m] * unitCost;
            expenses.ProductionTotal += expenses.ProductionCost[r][m];
        }
    }
}

// One draw per shipment actually made, models first, then regions.
void BookTransport() {
    for (i32 m = 1; m <= kModelSlots; ++m)
        for (i32 r = 0; r < kRegionCount; ++r) {
            const i32 shipped = ProductionObj.Shipped[r][m];
            if (shipped == 0) continue;
            const i32 perCar = platform::Rand() % (kMostTransportPerCar + 1);
            ExpensesObj.TransportCost += perCar * shipped + kTransportPerShipment;
        }
}

void TotalCarsMade() {
    for (i32 m = 1; m <= kModelSlots; ++m) {
        i32 made = 0;
        for (i32 r = 0; r < kRegionCount; ++r) made += ProductionObj.Shipped[r][m];
        ProductionObj.ModelTotal[m] = made;
    }
}

// From here to the next month step Shipped holds what stayed unsold of the
// month's shipments (negative where older stock was sold).
void KeepUnsoldShipments() {
    for (i32 r = 0; r < kRegionCount; ++r)
        for (i32 m = 1; m <= kModelSlots; ++m) ProductionObj.Shipped[r][m] -= ModelSaleObj.Sold[r][m];
}

void BookAdvertising() {
    Expenses& expenses = ExpensesObj;
    expenses.AdvertisingTotal = 0;
    for (i32 b = 0; b < kAdBlocks; ++b) {
        i32 block = 0;
        for (const AdCampaign& campaign : PlayerAdvertising.Block[b].Campaign) block += campaign.Amount;
        expenses.AdvertisingCost[b] = block;
        expenses.AdvertisingTotal += block;
    }
}

// Each car sold brings its price less 0..19; one draw for every model and
// region, whether or not anything was sold there.
void BookIncome() {
    Income& income = IncomeObj;
    income.Total = 0;
    for (i32& region : income.RegionIncome) region = 0;
    for (i32 m = 1; m <= kModelSlots; ++m) {
        const i32 price = PlayerModel(m).Price;
        for (i32 r = 0; r < kRegionCount; ++r) {
            income.ModelIncome[r][m] = ModelSaleObj.Sold[r][m] * (price - platform::Rand() % (kMostPriceCut + 1));
            income.Total += income.ModelIncome[r][m];
        }
    }
    for (i32 r = 0; r < kRegionCount; ++r)
        for (i32 m = 1; m <= kModelSlots; ++m) income.RegionIncome[r] += income.ModelIncome[r][m];
}

// The income comes in; the expenses are paid only when the money covers
// them, otherwise the game is lost and the cash stays as it is.
void SettleCash() {
    PlayerObj.Cash += IncomeObj.Total;
    if (PlayerObj.Cash - ExpensesObj.Total < 0)
        MainObj.Screen = SCREEN_GAME_OVER;
    else
        PlayerObj.Cash -= ExpensesObj.Total;
    PlayerProfitLoss.Loss = ExpensesObj.Total - IncomeObj.Total;
    PlayerProfitLoss.Profit = IncomeObj.Total - ExpensesObj.Total;
}

}  // namespace

void Player::NextMonth() {
    // The calendar ends with kLastMonthPlayed, and every limit a game keeps
    // counts on it: the game is over there, and nothing of the next month is
    // played, the rivals' included.
    if (IsAtOrAfter({PlayerObj.Year, PlayerObj.Month}, kLastMonthPlayed)) {
        MainObj.Screen = SCREEN_GAME_OVER;
        return;
    }
    Opponent::NextMonth();  // sees the year before the calendar moves
    AdvanceCalendar();
    const i32 installmentDue = RunLoan();
    PayDepositInterest();
    AdvanceResearch();
    OfferBodyTypes();
    ShipModels();
    AddShipmentsToStock();
    SellModels();
    TakeSalesFromStock();

    Expenses& expenses = ExpensesObj;
    expenses.Total = 0;
    expenses.ProductionTotal = 0;
    expenses.TransportCost = 0;
    expenses.Installment = installmentDue;
    RaiseWages();
    expenses.Wages = WageBill();
    BookProduction();
    BookTransport();
    TotalCarsMade();
    KeepUnsoldShipments();
    BookAdvertising();
    expenses.Total = expenses.TransportCost + expenses.ProductionTotal + expenses.Wages + expenses.Installment +
                     expenses.AdvertisingTotal;
    BookIncome();
    SettleCash();
}
