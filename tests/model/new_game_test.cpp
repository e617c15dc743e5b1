#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/headless_player.h"
#include "model/new_game.h"
#include "model/player.h"
#include "support/game_folder.h"
#include "support/values.h"

namespace {

using NewGame = FreshRecords;

TEST_F(NewGame, StartsAfreshInTheHomeRegionWhateverAnEarlierGameLeft) {
    GameFolder folder;
    headless::StartGame(REGION_ASIA);
    for (int month = 0; month < 60; ++month) headless::PlayMonth();
    PlayerResearch.OwnedBodyTypes[3] = BODY_SPORT;
    PlayerResearch.BodyTypesOwned = 3;
    PlayerBank.Deposit = 5000;
    PlayerBank.LoanAmount = 700;
    PlayerBank.DepositAmount = 900;
    PlayerBank.LoanTerm = 12;
    PlayerBank.LoanRate = 10;
    PlayerFactorySalon.TechniciansToAssign = 50;
    PlayerFactorySalon.SalesmenToAssign = 5;
    PlayerAdvertising.Block[2].Campaign[1] = AdCampaign{300, 12};
    PlayerCar.BodyIndex = 3;
    MainObj.ShownCaption = CAPTION_NONE;
    ASSERT_NE(PlayerCar1.Engine + PlayerCar2.Engine, 0);
    ASSERT_NE(PlayerFactorySalon.Region[REGION_ASIA - 1].ProductionLineModel[0], 0);
    // The data files are read again at every new game.
    std::string costs = ReadFile("Data/paco.dat");
    costs.replace(0, 5, "  777");
    WriteFile("Data/paco.dat", costs);

    PlayerObj.HomeRegion = REGION_EUROPE;
    Player::SetStartValues();
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        EXPECT_EQ(PlayerModel(slot).Engine, 0);
        EXPECT_EQ(PlayerModel(slot).Price, 0);
        EXPECT_EQ(std::string(PlayerModel(slot).Name, 14), std::string(14, ' '));
        EXPECT_EQ(PlayerCar.SlotUsed[slot], 0);
    }
    for (i32 entry = 3; entry <= 10; ++entry) EXPECT_EQ(PlayerResearch.OwnedBodyTypes[entry], 0);
    for (i32 r = 1; r <= kRegionCount; ++r) {
        const FactorySalonRegion& place = PlayerFactorySalon.Region[r - 1];
        EXPECT_EQ(place.HasFactory, r == REGION_EUROPE ? 1 : 0);
        EXPECT_EQ(place.Salons, r == REGION_EUROPE ? 1 : 0);
        EXPECT_EQ(place.ProductionLinesUsed, 0);
        EXPECT_EQ(place.ProductionLineModel[0], 0);
        EXPECT_EQ(place.ProductionLineShipTo[0][0], 0);
        EXPECT_EQ(place.Technicians, 0);
    }
    // The caption mark is 0, not CAPTION_NONE; typed bank amounts and the term stay, staff numbers go.
    ExpectAll({{MainObj.Screen, SCREEN_GAME_MAIN}, {MainObj.ShownCaption, 0}, {CostsObj.Engine[1], 777},
               {PlayerFactorySalon.TechniciansToAssign, 0}, {PlayerFactorySalon.SalesmenToAssign, 0},
               {PlayerBank.Deposit, 0}, {PlayerBank.LoanAmount, 700}, {PlayerBank.DepositAmount, 900},
               {PlayerBank.LoanTerm, 12}, {PlayerBank.LoanRate, 10}, {PlayerCar.BodyIndex, 0},
               {PlayerAdvertising.Block[2].Campaign[1].Amount, 0}, {PlayerSalesmans.Count, 0},
               {ModelSaleObj.Stock[REGION_ASIA - 1][1], 0}, {ExpensesObj.Total, 0}, {PlayerProfitLoss.Profit, 0},
               {PlayerObj.Name, "tester"}});
    EXPECT_NE(RateObj.VariantBonus, 0);
}

// The records alone, as the contact sheets' sample company starts from
// them: the screen shown and the part tables loaded stay as they were.
TEST_F(NewGame, RecordsAloneLeaveTheScreenAndThePartTables) {
    MainObj.Screen = SCREEN_GAME_OFFICE;
    MainObj.Popup = POPUP_BANK;
    CostsObj.Engine[1] = 55;
    PlayerObj.HomeRegion = REGION_AFRICA;
    SetNewGameRecords();
    ExpectAll({{MainObj.Screen, SCREEN_GAME_OFFICE}, {MainObj.Popup, POPUP_BANK}, {CostsObj.Engine[1], 55},
               {PlayerObj.Year, 1908}, {PlayerBank.LoanLeft, 116000}, {PlayerFactorySalon.Region[REGION_AFRICA - 1].HasFactory, 1},
               {PlayerResearch.BodyTypesOwned, 2}});
    EXPECT_EQ(PlayerObj.Cash, 100000.0);
}

}  // namespace
