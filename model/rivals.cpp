// A new game for the two rival companies.

#include <initializer_list>

#include "model/opponent.h"
#include "model/rival_records.h"
#include "platform/random.h"

const RivalRecords kRivals[kRivalCount] = {
    {Opponent1Obj, Opponent1Scientists, Opponent1Technicians, Opponent1Salesmans, Opponent1Bank,
     Opponent1Research, Opponent1ExpensesObj, Opponent1IncomeObj, Opponent1ProfitLoss,
     222, 10, 500},
    {Opponent2Obj, Opponent2Scientists, Opponent2Technicians, Opponent2Salesmans, Opponent2Bank,
     Opponent2Research, Opponent2ExpensesObj, Opponent2IncomeObj, Opponent2ProfitLoss,
     250, 12, 600},
};

namespace {

// What a rival's monthly update works on, cleared so that nothing of an
// earlier or loaded game (its research progress, a loan, last month's
// figures) carries into the new one.
void ClearEarlierGame(const RivalRecords& rival) {
    for (i32& progress : rival.research.ResearchProgress) progress = 0;
    rival.bank.LoanLeft = 0;
    rival.bank.Installment = 0;
    rival.bank.MonthsLeft = 0;
    for (Staff* staff : {&rival.technicians, &rival.salesmen}) {
        staff->Count = 0;
        staff->Wage = 0;
    }
    rival.expenses.ProductionTotal = 0;
    rival.expenses.TransportCost = 0;
    rival.expenses.Wages = 0;
    rival.expenses.Installment = 0;
    rival.expenses.Total = 0;
    rival.income.Total = 0;
    rival.result.Profit = 0;
    rival.result.Loss = 0;
}

}  // namespace

void Opponent::SetStartValues() {
    for (const RivalRecords& rival : kRivals) {
        ClearEarlierGame(rival);
        rival.company.Cash = 100000.0;
        GetName(rival.company.Name);
        rival.company.HomeRegion = platform::Rand() % 5 + 1;  // region 6 is never drawn
        i32* level = rival.research.ResearchLevel;
        level[PART_BODY] = ERA_1908;
        level[PART_BRAKES] = 1;
        level[PART_ENGINE] = 1;
        level[PART_SUSPENSION] = 1;
        level[PART_LUXURY] = 0;
        level[PART_SAFETY] = 0;
        rival.scientists.Count = rival.startScientists;
        rival.scientists.Wage = kRivalScientistsWage;
    }
}
