#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "model/player.h"
#include "support/game_folder.h"
#include "support/values.h"

namespace {

// A running game without the data folder: January 1908, no staff, no models.
class MonthStep : public FreshRecords {
protected:
    void SetUp() override { January1908(); }
    static void January1908() {
        ResetGameState();
        PlayerObj.Year = 1908;
        PlayerObj.Month = 1;
        PlayerObj.Cash = 100000.0;
        MainObj.Screen = SCREEN_GAME_NEXT_MONTH;
        for (Staff* staff : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians}) {
            staff->RaiseYear = 1908;
            staff->RaiseMonth = 1;
        }
    }
    static void Steps(int count) {
        for (int i = 0; i < count; ++i) Player::NextMonth();
    }
    // Model 1 with the first era and the first parts, which a works line
    // builds and no rival has passed before 1915.
    static Car& FirstModel(i32 unitCost, i32 rating, i32 price) {
        Car& model = PlayerCar1;
        model.UnitCost = unitCost;
        model.Rating = rating;
        model.Price = price;
        model.Era = ERA_1908;
        model.Brakes = model.Suspension = model.Engine = 1;
        return model;
    }
};

TEST_F(MonthStep, CalendarTurnsAfterTheRivalsSawTheOldYear) {
    PlayerObj.Year = 1920;
    PlayerObj.Month = 12;
    Opponent1Scientists.Count = 222;
    Player::NextMonth();
    EXPECT_EQ(PlayerObj.Month, 1);
    EXPECT_EQ(PlayerObj.Year, 1921);
    EXPECT_EQ(Opponent1Scientists.Count, 243);  // hired in 1920: 222 + the first draw 41 % 30 + 10
}

// December 9999 is the last month played: from it, or from any later month
// a damaged record names, next month ends the game and plays nothing, the
// rivals' draws included.
TEST_F(MonthStep, NothingIsPlayedFromTheCalendarsLastMonthOn) {
    const struct {
        i32 year, month;
    } ends[] = {{9999, 12}, {9999, 13}, {10000, 1}, {10000, -20}};
    for (const auto& end : ends) {
        January1908();
        PlayerObj.Year = end.year;
        PlayerObj.Month = end.month;
        Player::NextMonth();
        EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER) << end.year << "/" << end.month;
        EXPECT_EQ(PlayerObj.Year, end.year);
        EXPECT_EQ(PlayerObj.Month, end.month);
        EXPECT_EQ(platform::Rand(), 41) << "a draw was taken";  // the sequence's first value
    }
    January1908();
    PlayerObj.Year = 9999;
    PlayerObj.Month = 11;
    Player::NextMonth();
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_NEXT_MONTH);
    EXPECT_EQ(PlayerObj.Month, 12);
}

// A row: values given, months stepped, values expected.
struct Months {
    std::string Name;
    Values Given;
    int Steps;
    Values Then;
};

TEST_F(MonthStep, LoansDepositsResearchOffersAndExpenses) {
    Bank& bank = PlayerBank;
    Research& lab = PlayerResearch;
    const Values startingLoan = {{bank.LoanLeft, 116000}, {bank.Installment, 2416}, {bank.MonthsLeft, 48}};
    const Values deposit = {{PlayerObj.Year, 1910}, {PlayerObj.Month, 2}, {bank.Deposit, 250},
                            {bank.DepositMonth, 3}, {bank.DepositYear, 1910}};
    const Values noScientists = {{lab.ResearchLevel[PART_ENGINE], 1}, {lab.ResearchLevel[PART_BODY], 1}};
    const Values wages = {{PlayerObj.Cash, 1000.0}, {PlayerSalesmans.Count, 10}, {PlayerSalesmans.Unassigned, 10},
                          {PlayerSalesmans.Wage, 100}};
    const Months rows[] = {
        {"the starting loan's last month", startingLoan, 47,
         {{bank.LoanLeft, 2448}, {bank.MonthsLeft, 1}, {ExpensesObj.Installment, 2416}}},
        // 47 installments of 2416 leave 2448, which the last month pays: the
        // cash pays back the whole 116000.
        {"the starting loan's last installment is what is left",
         Join({startingLoan, {{PlayerObj.Cash, 200000.0}}}), 48,
         {{bank.LoanLeft, 0}, {bank.Installment, 0}, {bank.MonthsLeft, 0}, {ExpensesObj.Installment, 2448},
          {PlayerObj.Cash, 84000.0}}},
        {"nothing is booked after the loan", startingLoan, 49,
         {{bank.LoanLeft, 0}, {bank.MonthsLeft, 0}, {ExpensesObj.Installment, 0}}},
        // Schedules no bank action leaves: debt owed but no months left (a
        // count of -1 would turn the bank popup's installment, debt / months,
        // negative), or an installment with nothing owed. Each is over, and
        // nothing is booked.
        {"a debt without months left is closed", {{bank.LoanLeft, 50000}, {bank.MonthsLeft, 0}}, 1,
         {{bank.MonthsLeft, 0}, {bank.LoanLeft, 0}, {ExpensesObj.Installment, 0}}},
        {"a damaged schedule never goes negative",
         {{bank.LoanLeft, 50000}, {bank.MonthsLeft, -3}, {bank.Installment, -16000}}, 1,
         {{bank.MonthsLeft, 0}, {bank.Installment, 0}, {ExpensesObj.Installment, 0}}},
        {"an installment without a debt is never charged",
         {{bank.LoanLeft, 0}, {bank.MonthsLeft, 10}, {bank.Installment, 5000}}, 1,
         {{bank.MonthsLeft, 0}, {bank.Installment, 0}, {ExpensesObj.Installment, 0}, {PlayerObj.Cash, 100000.0}}},
        {"a debt run below 0 pays nothing back",
         {{bank.LoanLeft, -57552}, {bank.MonthsLeft, 47}, {bank.Installment, -1224}}, 1,
         {{bank.LoanLeft, 0}, {bank.MonthsLeft, 0}, {ExpensesObj.Installment, 0}, {PlayerObj.Cash, 100000.0}}},
        // Four percent of the whole hundreds, once a year in the deposit's month.
        {"March of the deposit's year", deposit, 1, {{bank.Deposit, 250}}},
        {"the year's last month", deposit, 12, {{bank.Deposit, 250}}},
        {"a year on", deposit, 13, {{bank.Deposit, 258}}},
        {"the balance stops at the top", Join({deposit, {{bank.Deposit, INT_MAX - 10}}}), 13,
         {{bank.Deposit, INT_MAX}}},
        // A level takes 10000 points, the styling 20000: the month's 83 and
        // one a scientist.
        {"9999 points", Join({noScientists, {{lab.Scientists[PART_ENGINE], 9916}}}), 1,
         {{lab.ResearchLevel[PART_ENGINE], 1}, {lab.ResearchProgress[PART_ENGINE], 9999}}},
        {"10000 points", Join({noScientists, {{lab.Scientists[PART_ENGINE], 9917}}}), 1,
         {{lab.ResearchLevel[PART_ENGINE], 2}, {lab.ResearchProgress[PART_ENGINE], 0}}},
        {"19999 styling points", Join({noScientists, {{lab.Scientists[PART_BODY], 19916}}}), 1,
         {{lab.ResearchLevel[PART_BODY], 1}, {lab.ResearchProgress[PART_BODY], 19999}}},
        {"20000 styling points", Join({noScientists, {{lab.Scientists[PART_BODY], 19917}}}), 1,
         {{lab.ResearchLevel[PART_BODY], 2}}},
        {"engine research without scientists", noScientists, 120, {{lab.ResearchLevel[PART_ENGINE], 1}}},
        {"rises after 121 months", noScientists, 121, {{lab.ResearchLevel[PART_ENGINE], 2}}},
        {"the body after 241", noScientists, 240, {{lab.ResearchLevel[PART_BODY], 1}}},
        {"the body rises", noScientists, 241, {{lab.ResearchLevel[PART_BODY], 2}}},
        // 9917 scientists and the 83 points of the month: a rise every step.
        {"the top levels stay",
         {{lab.ResearchLevel[PART_BRAKES], 10}, {lab.ResearchLevel[PART_BODY], 6},
          {lab.ResearchProgress[PART_BODY], 19990}, {lab.Scientists[PART_BRAKES], 9917}},
         2,
         {{lab.ResearchLevel[PART_BRAKES], 10}, {lab.ResearchProgress[PART_BRAKES], 0},
          {lab.ResearchLevel[PART_BODY], 6}, {lab.ResearchProgress[PART_BODY], 83}}},
        {"body types in 1918", {{lab.BodyTypesOffered, 2}, {PlayerObj.Year, 1918}, {PlayerObj.Month, 11}}, 1,
         {{lab.BodyTypesOffered, 2}}},
        {"a third in 1919", {{lab.BodyTypesOffered, 2}, {PlayerObj.Year, 1918}, {PlayerObj.Month, 11}}, 2,
         {{lab.BodyTypesOffered, 3}}},
        {"all nine in 1967", {{lab.BodyTypesOffered, 3}, {PlayerObj.Year, 1966}, {PlayerObj.Month, 12}}, 1,
         {{lab.BodyTypesOffered, 9}}},
        // Expenses are taken only when the cash covers them.
        {"all the cash", wages, 1,
         {{ExpensesObj.Total, 1000}, {PlayerObj.Cash, 0.0}, {MainObj.Screen, SCREEN_GAME_NEXT_MONTH}}},
        // The deposit is never drawn on.
        {"one more than the cash",
         Join({wages, {{PlayerAdvertising.Block[5].Campaign[0].Amount, 1}, {bank.Deposit, 5000}}}), 1,
         {{ExpensesObj.AdvertisingCost[5], 1}, {ExpensesObj.Total, 1001}, {MainObj.Screen, SCREEN_GAME_OVER},
          {PlayerObj.Cash, 1000.0}, {PlayerProfitLoss.Profit, -1001}, {PlayerProfitLoss.Loss, 1001},
          {bank.Deposit, 5000}}},
        // A campaign is paid every month; its months are never counted down.
        {"a campaign's third month",
         {{PlayerAdvertising.Block[2].Campaign[1].Amount, 500}, {PlayerAdvertising.Block[2].Campaign[1].Months, 2}}, 3,
         {{ExpensesObj.AdvertisingTotal, 500}, {PlayerAdvertising.Block[2].Campaign[1].Months, 2},
          {PlayerObj.Cash, 98500.0}}},
    };
    for (const Months& row : rows) {
        SCOPED_TRACE(row.Name);
        January1908();
        SetAll(row.Given);
        Steps(row.Steps);
        ExpectAll(row.Then);
    }
}

// Rivals first, then one transport draw per shipment (models outer, regions
// inner), then 60 income draws; nothing else draws. The sequence starts 41,
// 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464, 5705, 28145,
// 23281, 16827, and its 65th value is 288.
TEST_F(MonthStep, RandomDrawOrderOfOneStep) {
    PlayerCar2 = FirstModel(10, 1000, 10);
    // Europe's factory: 4 cars of model 1 to asia, 8 of model 2 to europe.
    PlayerFactorySalon.Region[REGION_EUROPE - 1] =
        FactorySalonRegion{1, 1, 16, 100, 2, {2, 1, 0, 0, 0}, {{REGION_EUROPE, REGION_EUROPE}, {REGION_ASIA, 0}}};
    PlayerFactorySalon.Region[REGION_ASIA - 1].Salesmen = 100;
    Player::NextMonth();

    // Without player staff or a model over 999 the rivals draw only their
    // transport: 41 and 18467. Then model 1 to asia draws 6334: 22 x 4 + 10;
    // model 2 to europe 26500: 4 x 8 + 10.
    EXPECT_EQ(ExpensesObj.TransportCost, 98 + 42);
    // The income draws run from the fifth value on, six per model: asia's
    // of model 1 is the ninth, 26962 (10 - 2 each), europe's of model 2 the
    // fourteenth, 16827 (10 - 7 each).
    i32 income[kRegionCount][kModelSlots + 1] = {};  // nothing sold elsewhere
    income[REGION_ASIA - 1][1] = 4 * 8;
    income[REGION_EUROPE - 1][2] = 8 * 3;
    for (i32 r = 0; r < kRegionCount; ++r)
        for (i32 m = 1; m <= kModelSlots; ++m)
            EXPECT_EQ(IncomeObj.ModelIncome[r][m], income[r][m]) << "region " << r + 1 << " model " << m;
    EXPECT_EQ(IncomeObj.RegionIncome[REGION_EUROPE - 1], 24);
    EXPECT_EQ(IncomeObj.RegionIncome[REGION_ASIA - 1], 32);
    EXPECT_EQ(IncomeObj.Total, 56);
    EXPECT_EQ(platform::Rand(), 288);  // 2 + 2 + 60 draws taken
    EXPECT_EQ(ProductionObj.ModelTotal[2], 8);
    EXPECT_EQ(ProductionObj.Shipped[REGION_EUROPE - 1][2], 0);  // all sold
    EXPECT_EQ(ExpensesObj.ProductionTotal, 120);
}

// Each car sold brings its price less a draw of 0 to 19, one draw for all
// the cars of a model in a region: month after month, the recipe's 12 cars
// at 1000 bring 11772 to 12000, and the draws reach both ends.
TEST_F(MonthStep, TwelveCarsAt1000Bring11772To12000) {
    FirstModel(450, 112, 1000);
    PlayerFactorySalon.Region[0].Salesmen = 10;
    i32 least = INT_MAX, most = INT_MIN;
    for (int month = 0; month < 80; ++month) {   // before the rivals' research passes the car
        ModelSaleObj.Stock[0][1] = 18;            // at 1000 two thirds of it sell
        Player::NextMonth();
        ASSERT_EQ(ModelSaleObj.Sold[0][1], 12);
        EXPECT_EQ(IncomeObj.Total % 12, 0) << IncomeObj.Total;
        least = std::min(least, IncomeObj.Total);
        most = std::max(most, IncomeObj.Total);
    }
    EXPECT_EQ(least, 11772);
    EXPECT_EQ(most, 12000);
}

// A model on a works line at price 0, as a new model stands until its price
// is typed: the works builds and pays for its cars, and none sells.
// At a price of 1 the whole stock sells, each car bringing 1 less a draw of
// 0 to 19, so that months book a minus income for the region.
TEST_F(MonthStep, APriceOf0SellsNothingAndAPriceOf1SellsAtALoss) {
    FirstModel(450, 112, 0);
    PlayerFactorySalon.Region[0] = FactorySalonRegion{1, 1, 20, 10, 1, {1, 0, 0, 0, 0}, {{1, 1}}};
    Player::NextMonth();
    ExpectAll({{ProductionObj.ModelTotal[1], 20}, {ExpensesObj.ProductionTotal, 20 * 450},
               {ModelSaleObj.Sold[0][1], 0}, {ModelSaleObj.Stock[0][1], 20}, {IncomeObj.Total, 0},
               {PlayerObj.Cash, 100000.0 - ExpensesObj.Total}});

    PlayerCar1.Price = 1;
    PlayerObj.Cash = 1000000.0;  // every month pays in full
    int monthsAtALoss = 0;
    for (int month = 0; month < 12; ++month) {
        const double cash = PlayerObj.Cash;
        const i32 stock = ModelSaleObj.Stock[0][1] + 20;
        Player::NextMonth();
        const i32 sold = ModelSaleObj.Sold[0][1];
        ASSERT_EQ(sold, std::min(stock, 20));
        const i32 income = IncomeObj.RegionIncome[0];
        EXPECT_EQ(IncomeObj.Total, income);
        EXPECT_GE(income, sold * (1 - 19));
        EXPECT_LE(income, sold);
        EXPECT_EQ(PlayerObj.Cash, cash + income - ExpensesObj.Total);
        if (income < 0) ++monthsAtALoss;
    }
    EXPECT_GT(monthsAtALoss, 0);
}

}  // namespace
