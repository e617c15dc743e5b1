// The rivals' monthly update. They are not simulated like the player: their
// research runs at a fixed pace, their staff follows the size of the
// player's, and their costs and income follow the player's dearest model.

#include "model/opponent.h"
#include "model/research_thresholds.h"
#include "model/rival_records.h"
#include "model/transport.h"
#include "platform/random.h"

namespace {

// The years in whose twelve month steps a rival hires more scientists.
constexpr i32 kScientistYears[] = {1920, 1930, 1940, 1950, 1960, 1970, 1980, 1990};

bool IsScientistYear(i32 year) {
    for (i32 listed : kScientistYears)
        if (listed == year) return true;
    return false;
}

// The rival's count of a staff kind, drawn from the player's count of it.
i32 StaffFromPlayer(i32 playerCount, i32 withoutPlayerStaff) {
    if (playerCount == 0) return withoutPlayerStaff;
    return platform::Rand() % playerCount + 10;
}

void UpdateRival(const RivalRecords& rival) {
    if (IsScientistYear(PlayerObj.Year)) rival.scientists.Count += platform::Rand() % 30 + 10;

    // A rival's loan runs on while nothing is owed; MonthsLeft may fall below 0.
    Bank& bank = rival.bank;
    if (bank.LoanLeft >= 0) {
        bank.MonthsLeft -= 1;
        bank.LoanLeft -= bank.Installment;
    } else {
        bank.Installment = 0;
    }

    Research& research = rival.research;
    for (i32 category = 0; category < kPartCategories; ++category) {
        research.ResearchProgress[category] += kRivalResearchPace;
        if (research.ResearchProgress[category] > kLevelThreshold[category]) {
            research.ResearchLevel[category] += 1;
            research.ResearchProgress[category] = 0;
        }
    }
    if (research.ResearchLevel[PART_BODY] > kRivalBodyLevelTop) research.ResearchLevel[PART_BODY] = kRivalBodyLevelTop;

    rival.technicians.Count = StaffFromPlayer(PlayerTechnicians.Count, 20);
    rival.technicians.Wage = 80;
    rival.salesmen.Count = StaffFromPlayer(PlayerSalesmans.Count, 10);
    rival.salesmen.Wage = 100;

    const i32 technicians = rival.technicians.Count;
    i32 unitCost = DearestPlayerUnitCost();
    Expenses& expenses = rival.expenses;
    if (unitCost >= kRivalLeastUnitCost) {
        const i32 extra = platform::Rand() % kRivalExtraCostDraws + kRivalExtraCost;
        expenses.ProductionTotal = technicians * (extra + unitCost);
    } else {
        unitCost = kRivalLeastUnitCost;
        expenses.ProductionTotal = technicians * kRivalLeastUnitCost;
    }
    expenses.TransportCost = (platform::Rand() % (kMostTransportPerCar + 1)) * technicians + rival.transportBase;
    expenses.Wages = rival.scientists.Count * rival.scientists.Wage + technicians * rival.technicians.Wage +
                     rival.salesmen.Count * rival.salesmen.Wage;
    expenses.Installment = bank.Installment;
    // The installment is booked but not paid, and a rival does not advertise.
    expenses.Total = expenses.TransportCost + expenses.ProductionTotal + expenses.Wages;
    rival.income.Total = (unitCost + rival.incomeMargin) * technicians;

    rival.company.Cash = rival.company.Cash - expenses.Total;
    rival.company.Cash = rival.company.Cash + rival.income.Total;
    rival.result.Loss = expenses.Total - rival.income.Total;
    rival.result.Profit = rival.income.Total - expenses.Total;
}

}  // namespace

i32 DearestPlayerUnitCost() {
    i32 top = PlayerModel(1).UnitCost;
    for (i32 slot = 2; slot <= kModelSlots; ++slot)
        if (PlayerModel(slot).UnitCost > top) top = PlayerModel(slot).UnitCost;
    return top;
}

void Opponent::NextMonth() {
    for (const RivalRecords& rival : kRivals) UpdateRival(rival);
}
