#include <gtest/gtest.h>

#include <climits>

#include "support/game_folder.h"
#include "model/player.h"

namespace {

// A running game without the data folder: January 1908, no staff, no models.
class MonthStep : public FreshRecords {
protected:
    void SetUp() override {
        FreshRecords::SetUp();
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
};

TEST_F(MonthStep, CalendarTurnsAfterTheRivalsSawTheOldYear) {
    PlayerObj.Year = 1920;
    PlayerObj.Month = 12;
    Opponent1Scientists.Count = 222;
    Player::NextMonth();
    EXPECT_EQ(PlayerObj.Month, 1);
    EXPECT_EQ(PlayerObj.Year, 1921);
    EXPECT_GE(Opponent1Scientists.Count, 232);  // hired in a step that started in 1920
}

TEST_F(MonthStep, StartingLoanEndsWithoutItsLastInstallment) {
    PlayerBank.LoanLeft = 116000;
    PlayerBank.Installment = 2416;
    PlayerBank.MonthsLeft = 48;
    Steps(47);
    EXPECT_EQ(PlayerBank.LoanLeft, 2448);
    EXPECT_EQ(PlayerBank.MonthsLeft, 1);
    EXPECT_EQ(ExpensesObj.Installment, 2416);
    Steps(1);
    EXPECT_EQ(PlayerBank.LoanLeft, 0);
    EXPECT_EQ(PlayerBank.Installment, 0);
    EXPECT_EQ(PlayerBank.MonthsLeft, 0);
    EXPECT_EQ(ExpensesObj.Installment, 0);
}

TEST_F(MonthStep, LoanWithoutMonthsLeftIsClosedAndTheCountNeverGoesNegative) {
    // What a repayment leaves: debt owed but no months left. A count of -1
    // would turn the bank popup's installment (debt / months) negative.
    PlayerBank.LoanLeft = 50000;
    PlayerBank.MonthsLeft = 0;
    Player::NextMonth();
    EXPECT_EQ(PlayerBank.MonthsLeft, 0);
    EXPECT_EQ(PlayerBank.LoanLeft, 0);
    PlayerBank.LoanLeft = 50000;
    PlayerBank.MonthsLeft = -3;  // a damaged saved game
    PlayerBank.Installment = -16000;
    Player::NextMonth();
    EXPECT_EQ(PlayerBank.MonthsLeft, 0);
    EXPECT_EQ(PlayerBank.Installment, 0);
    EXPECT_EQ(ExpensesObj.Installment, 0);
}

TEST_F(MonthStep, DepositEarnsFourPercentOfWholeHundredsEachYear) {
    PlayerObj.Year = 1910;
    PlayerObj.Month = 2;
    PlayerBank.Deposit = 250;
    PlayerBank.DepositMonth = 3;
    PlayerBank.DepositYear = 1910;
    Steps(1);  // March 1910: the year of the deposit
    EXPECT_EQ(PlayerBank.Deposit, 250);
    Steps(11);
    EXPECT_EQ(PlayerBank.Deposit, 250);
    Steps(1);  // March 1911
    EXPECT_EQ(PlayerBank.Deposit, 258);
    PlayerBank.Deposit = INT_MAX - 10;  // the balance stops at the top
    Steps(12);
    EXPECT_EQ(PlayerBank.Deposit, INT_MAX);
}

TEST_F(MonthStep, ResearchWithoutScientistsAndTheTopLevels) {
    PlayerResearch.ResearchLevel[PART_ENGINE] = 1;
    PlayerResearch.ResearchLevel[PART_BODY] = 1;
    Steps(120);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_ENGINE], 1);
    Steps(1);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_ENGINE], 2);
    Steps(119);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_BODY], 1);
    Steps(1);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_BODY], 2);
    PlayerResearch.ResearchLevel[PART_BRAKES] = 10;
    PlayerResearch.ResearchLevel[PART_BODY] = 6;
    PlayerResearch.ResearchProgress[PART_BODY] = 19990;
    PlayerResearch.Scientists[PART_BRAKES] = 9917;  // 9917 + 83: a rise every step
    Steps(2);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_BRAKES], 10);
    EXPECT_EQ(PlayerResearch.ResearchProgress[PART_BRAKES], 0);
    EXPECT_EQ(PlayerResearch.ResearchLevel[PART_BODY], 6);
    EXPECT_EQ(PlayerResearch.ResearchProgress[PART_BODY], 83);
}

TEST_F(MonthStep, BodyTypesOnOfferFollowTheYear) {
    PlayerResearch.BodyTypesOffered = 2;
    PlayerObj.Year = 1918;
    PlayerObj.Month = 11;
    Steps(1);
    EXPECT_EQ(PlayerResearch.BodyTypesOffered, 2);
    Steps(1);  // January 1919
    EXPECT_EQ(PlayerResearch.BodyTypesOffered, 3);
    PlayerObj.Year = 1966;
    PlayerObj.Month = 12;
    Steps(1);
    EXPECT_EQ(PlayerResearch.BodyTypesOffered, 9);
}

TEST_F(MonthStep, ExpensesAreTakenOnlyWhenTheCashCoversThem) {
    PlayerObj.Cash = 1000.0;
    PlayerSalesmans = Staff{10, 10, 100, 0, 0, 1908, 1, {}};
    Player::NextMonth();
    EXPECT_EQ(ExpensesObj.Total, 1000);
    EXPECT_EQ(PlayerObj.Cash, 0.0);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_NEXT_MONTH);
    PlayerObj.Cash = 1000.0;
    PlayerAdvertising.Block[5].Campaign[0].Amount = 1;
    Player::NextMonth();
    EXPECT_EQ(ExpensesObj.AdvertisingCost[5], 1);
    EXPECT_EQ(ExpensesObj.Total, 1001);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_OVER);
    EXPECT_EQ(PlayerObj.Cash, 1000.0);
    EXPECT_EQ(PlayerProfitLoss.Profit, -1001);
    EXPECT_EQ(PlayerProfitLoss.Loss, 1001);
}

// Rivals first, then one transport draw per shipment (models outer, regions
// inner), then 60 income draws; nothing else draws.
TEST_F(MonthStep, RandomDrawOrderOfOneStep) {
    Car& model = PlayerCar1;
    model.UnitCost = 10;
    model.Price = 10;
    model.Rating = 1000;
    model.Era = 1;
    model.Brakes = model.Suspension = model.Engine = 1;
    PlayerCar2 = PlayerCar1;
    // Europe's factory: 4 cars of model 1 to asia, 8 of model 2 to europe.
    PlayerFactorySalon.Region[REGION_EUROPE - 1] =
        FactorySalonRegion{1, 1, 16, 100, 2, {2, 1, 0, 0, 0}, {{REGION_EUROPE, REGION_EUROPE}, {REGION_ASIA, 0}}};
    PlayerFactorySalon.Region[REGION_ASIA - 1].Salesmen = 100;
    Player::NextMonth();

    platform::ResetRandom();
    for (int rivalDraw = 0; rivalDraw < 2; ++rivalDraw) platform::Rand();  // their transport only
    const i32 asia = (platform::Rand() % 24) * 4 + 10;  // model 1 before model 2
    const i32 europe = (platform::Rand() % 24) * 8 + 10;
    EXPECT_EQ(ExpensesObj.TransportCost, asia + europe);
    i32 income = 0;
    for (i32 m = 1; m <= 10; ++m)
        for (i32 r = 0; r < 6; ++r) {
            const i32 each = 10 - platform::Rand() % 20;
            const i32 sold = m == 1 && r == REGION_ASIA - 1 ? 4 : m == 2 && r == REGION_EUROPE - 1 ? 8 : 0;
            EXPECT_EQ(IncomeObj.ModelIncome[r][m], sold * each);
            income += sold * each;
        }
    EXPECT_EQ(IncomeObj.Total, income);
    EXPECT_EQ(IncomeObj.RegionIncome[REGION_EUROPE - 1], IncomeObj.ModelIncome[REGION_EUROPE - 1][2]);
    EXPECT_EQ(ProductionObj.ModelTotal[2], 8);
    EXPECT_EQ(ProductionObj.Shipped[REGION_EUROPE - 1][2], 0);  // all sold
    EXPECT_EQ(ExpensesObj.ProductionTotal, 120);
}

}  // namespace
