#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "support/game_folder.h"
#include "model/opponent.h"
#include "model/reachable_limits.h"
#include "model/rival_records.h"
#include "model/transport.h"
#include "presentation/fonts.h"
#include "presentation/picture_catalogue.h"

namespace {

using Rivals = FreshRecords;

std::string Name(const Company& company) { return std::string(company.Name, 15); }

std::string Counter() { return ReadFile("Data/oppn.dat").substr(0, 15); }

// The names file with its ten names and counter record `first`.
void WriteNames(const std::string& first) {
    std::string bytes = first;
    bytes.resize(15, ' ');
    for (int i = 1; i <= 10; ++i) {
        std::string name = "name " + std::to_string(i);
        name.resize(15, ' ');
        bytes += name;
    }
    WriteFile("Data/oppn.dat", bytes);
}

TEST_F(Rivals, NamesRotateThroughTheFileAndWrapAfterTen) {
    GameFolder folder;
    WriteNames(std::string("10\0", 3));
    Opponent::SetStartValues();
    EXPECT_EQ(Name(Opponent1Obj), "name 10        ");
    EXPECT_EQ(Name(Opponent2Obj), "name 1         ");
    EXPECT_EQ(Counter(), std::string("2\0             ", 15));
    WriteNames("9");
    Opponent::SetStartValues();
    EXPECT_EQ(Name(Opponent1Obj), "name 9         ");
    EXPECT_EQ(Name(Opponent2Obj), "name 10        ");
    EXPECT_EQ(Counter(), std::string("1\0             ", 15));
    EXPECT_EQ(ReadFile("Data/oppn.dat").size(), 165u);  // only record 0 is rewritten
}

TEST_F(Rivals, BadCounterOrMissingFileKeepsTheNames) {
    GameFolder folder;
    Opponent::SetStartValues();  // the shipped file hands out names 1 and 2
    const std::string first = Name(Opponent1Obj);
    EXPECT_NE(first[0], ' ');
    for (const char* counter : {"0", "11", "x", "99999999999"}) {
        WriteNames(counter);
        Opponent::GetName(Opponent1Obj.Name);
        EXPECT_EQ(Name(Opponent1Obj), first) << counter;
        EXPECT_EQ(Counter()[0], '1') << counter;  // 0 + 1, or past 10
    }
    WriteNames("5");
    WriteFile("Data/oppn.dat", ReadFile("Data/oppn.dat").substr(0, 15 * 5 + 7));
    Opponent::GetName(Opponent1Obj.Name);  // record 5 is cut off
    EXPECT_EQ(Name(Opponent1Obj), first);

    std::remove("Data/oppn.dat");
    testing::internal::CaptureStderr();
    Opponent::GetName(Opponent1Obj.Name);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("Data/oppn.dat"), std::string::npos);
    EXPECT_EQ(Name(Opponent1Obj), first);
    EXPECT_EQ(ReadFile("Data/oppn.dat"), std::string("1\0             ", 15));
}

// The random sequence starts 41, 18467, 6334, 26500, 19169, 15724, 11478,
// 29358, 26962; the figures below are worked out from those draws.

TEST_F(Rivals, StartDrawsHomeRegionsAndClearsAnEarlierGame) {
    GameFolder folder;
    Opponent1ProfitLoss.Profit = 777;
    Opponent2Research.ResearchProgress[PART_ENGINE] = 5000;
    Opponent1Bank.LoanLeft = 40000;
    Opponent::SetStartValues();
    EXPECT_EQ(Opponent1Obj.HomeRegion, 2);                  // 41 % 5 + 1
    EXPECT_EQ(Opponent2Obj.HomeRegion, 3);                  // 18467 % 5 + 1
    EXPECT_EQ(Opponent1Obj.Cash, 100000.0);
    EXPECT_EQ(Opponent1Scientists.Count, 222);
    EXPECT_EQ(Opponent2Scientists.Count, 250);
    EXPECT_EQ(Opponent2Scientists.Wage, 10);
    const i32 levels[] = {1, 1, 1, 1, 0, 0};
    for (int c = 0; c < kPartCategories; ++c) EXPECT_EQ(Opponent2Research.ResearchLevel[c], levels[c]);
    EXPECT_EQ(Opponent1ProfitLoss.Profit, 0);
    EXPECT_EQ(Opponent2Research.ResearchProgress[PART_ENGINE], 0);
    EXPECT_EQ(Opponent1Bank.LoanLeft, 0);
}

// One month of 1920 with 7 technicians, no salesmen and a dearest model of
// 1200: rival 1 takes all its draws before rival 2 takes any.
TEST_F(Rivals, MonthlyUpdateDrawsInOrder) {
    PlayerObj.Year = 1920;
    PlayerTechnicians.Count = 7;
    PlayerSalesmans.Count = 0;
    PlayerCar4.UnitCost = 1200;
    Opponent1Scientists = Staff{100, 0, 10, 0, 0, 0, 0, {}};
    Opponent::NextMonth();
    // Rival 1 draws 41, 18467, 6334, 26500.
    EXPECT_EQ(Opponent1Scientists.Count, 121);              // 100 + 41 % 30 + 10
    EXPECT_EQ(Opponent1Technicians.Count, 11);              // 18467 % 7 + 10
    EXPECT_EQ(Opponent1Salesmans.Count, 10);                // no draw without player salesmen
    EXPECT_EQ(Opponent1ExpensesObj.ProductionTotal, 13684);  // 11 x (6334 % 50 + 1200 + 10)
    EXPECT_EQ(Opponent1ExpensesObj.TransportCost, 54);      // (26500 % 24) x 11 + 10
    EXPECT_EQ(Opponent1ExpensesObj.Wages, 3090);            // 121 x 10 + 11 x 80 + 10 x 100
    EXPECT_EQ(Opponent1ExpensesObj.Total, 16828);
    EXPECT_EQ(Opponent1IncomeObj.Total, 18700);             // (1200 + 500) x 11
    EXPECT_EQ(Opponent1ProfitLoss.Profit, 1872);
    EXPECT_EQ(Opponent1ProfitLoss.Loss, -1872);
    EXPECT_EQ(Opponent1Obj.Cash, 1872.0);
    EXPECT_EQ(Opponent1Bank.MonthsLeft, -1);                // runs on below 0 without a loan
    // Rival 2 (no scientists, no wage) draws 19169, 15724, 11478, 29358.
    EXPECT_EQ(Opponent2Scientists.Count, 39);               // 19169 % 30 + 10
    EXPECT_EQ(Opponent2Technicians.Count, 12);              // 15724 % 7 + 10
    EXPECT_EQ(Opponent2ExpensesObj.ProductionTotal, 14856);  // 12 x (11478 % 50 + 1200 + 10)
    EXPECT_EQ(Opponent2ExpensesObj.TransportCost, 84);      // (29358 % 24) x 12 + 12
    EXPECT_EQ(Opponent2ExpensesObj.Total, 16900);           // wages 12 x 80 + 10 x 100
    EXPECT_EQ(Opponent2IncomeObj.Total, 21600);             // (1200 + 600) x 12
    EXPECT_EQ(Opponent2ProfitLoss.Profit, 4700);
    EXPECT_EQ(platform::Rand(), 26962);  // eight draws in all: this is the ninth
}

TEST_F(Rivals, CheapModelsGiveFixedCostsPerTechnician) {
    PlayerObj.Year = 1908;
    PlayerTechnicians.Count = 1;  // rand() % 1 + 10: exactly 10 technicians
    PlayerCar1.UnitCost = 999;
    Opponent::NextMonth();
    EXPECT_EQ(Opponent1Technicians.Count, 10);
    EXPECT_EQ(Opponent1ExpensesObj.ProductionTotal, 10 * 1000);
    EXPECT_EQ(Opponent1IncomeObj.Total, 10 * 1500);
    EXPECT_EQ(Opponent2IncomeObj.Total, 10 * 1600);
    PlayerTechnicians.Count = 0;
    Opponent::NextMonth();
    EXPECT_EQ(Opponent2Technicians.Count, 20);
}

// A rival builds at the dearest cost of any of the player's ten slots, and
// sells at that cost and its margin.
TEST_F(Rivals, TheDearestModelOfAnySlotSetsTheRivalsCost) {
    PlayerObj.Year = 1908;
    PlayerTechnicians.Count = 1;  // exactly 10 technicians each
    PlayerCar1.UnitCost = 1100;
    PlayerCar5.UnitCost = 1300;
    const struct {
        i32 lastSlotsCost, dearest;
    } cases[] = {{1500, 1500}, {0, 1300}};
    for (const auto& c : cases) {
        PlayerCar10.UnitCost = c.lastSlotsCost;
        Opponent::NextMonth();
        EXPECT_EQ(Opponent1IncomeObj.Total, 10 * (c.dearest + 500)) << c.lastSlotsCost;
        EXPECT_EQ(Opponent2IncomeObj.Total, 10 * (c.dearest + 600)) << c.lastSlotsCost;
    }
}

// A loaded game keeps the player's staff, a rival's scientists and their
// wage, and every stored design's cost, within bounds. With all
// of them at their tops in a year of hiring, a rival's month still books
// every sum whole: a production of a billion leaves room for the rest.
TEST_F(Rivals, AMonthAtTheLoadedGamesTopsBooksItsSumsWhole) {
    PlayerObj.Year = 1920;
    PlayerTechnicians.Count = PlayerSalesmans.Count = kMostStaffOfAKind;
    PlayerCar1.UnitCost = kStoredDesignCost.Highest;
    for (const RivalRecords& rival : kRivals) {
        rival.scientists.Count = kMostStaffOfAKind;
        rival.scientists.Wage = kHighestWage;
    }
    using i64 = std::int64_t;
    for (int month = 0; month < kMonthsPerYear; ++month) {
        Opponent::NextMonth();
        for (const RivalRecords& rival : kRivals) {
            const i64 technicians = rival.technicians.Count;
            const i64 wages = i64{rival.scientists.Count} * rival.scientists.Wage +
                              technicians * rival.technicians.Wage + i64{rival.salesmen.Count} * rival.salesmen.Wage;
            EXPECT_EQ(rival.expenses.Wages, wages);
            // Production draws an extra a car above the cost; transport a
            // fee a car above its base.
            const i64 fixed = wages + technicians * (kStoredDesignCost.Highest + kRivalExtraCost) + rival.transportBase;
            EXPECT_GE(rival.expenses.Total, fixed);
            EXPECT_LE(rival.expenses.Total, fixed + technicians * (kRivalExtraCostDraws - 1 + kMostTransportPerCar));
            EXPECT_EQ(rival.income.Total, (kStoredDesignCost.Highest + rival.incomeMargin) * technicians);
        }
    }
}

TEST_F(Rivals, ResearchRisesAtFixedPaceAndBodyStopsAtNine) {
    PlayerObj.Year = 1908;
    for (int step = 1; step <= 83; ++step) Opponent::NextMonth();
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BRAKES], 0);
    Opponent::NextMonth();
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BRAKES], 1);
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BODY], 0);
    for (int step = 85; step <= 166; ++step) Opponent::NextMonth();
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BODY], 0);
    Opponent::NextMonth();   // the styling every 167 months
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BODY], 1);
    EXPECT_EQ(Opponent2Research.ResearchLevel[PART_SAFETY], 1);
    for (int step = 168; step <= 167 * 12; ++step) Opponent::NextMonth();
    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BODY], 9);
    EXPECT_GT(Opponent1Research.ResearchLevel[PART_BRAKES], 10);
}

// The reports draw the rivals' names in glyphs, which exist for lower-case
// letters and digits only; a name in the data file must keep to them.
TEST_F(Rivals, EveryNameInTheDataFileCanBeDrawn) {
    GameFolder folder;
    const std::string names = ReadFile("Data/oppn.dat");
    ASSERT_EQ(names.size(), 165u);
    for (std::size_t i = 15; i < names.size(); ++i)
        EXPECT_TRUE(names[i] == ' ' || GlyphPicture(FONT_ECHAR, names[i]) != kNoPicture)
            << "name " << i / 15 << " has '" << names[i] << "'";
}

}  // namespace
