#include <gtest/gtest.h>

#include "support/game_folder.h"
#include "model/player.h"

namespace {

// Model 1: unit cost 100, rating 20, parts 1, era 1; stock 10 in region 1,
// where plenty of salesmen work. Rivals' levels 1, the player's body 1.
class Sales : public FreshRecords {
protected:
    void SetUp() override {
        FreshRecords::SetUp();
        for (Research* research : {&PlayerResearch, &Opponent1Research, &Opponent2Research})
            for (i32 c : {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_BODY}) research->ResearchLevel[c] = 1;
        Car& model = PlayerCar1;
        model.UnitCost = 100;
        model.Rating = 20;
        model.Era = 1;
        model.Brakes = model.Suspension = model.Engine = 1;
        ModelSaleObj.Stock[0][1] = 10;
        PlayerFactorySalon.Region[0].Salesmen = 100;
    }
    static i32 SoldAt(i32 price) {
        PlayerCar1.Price = price;
        Player::SellModels();
        return ModelSaleObj.Sold[0][1];
    }
};

TEST_F(Sales, PriceBands) {
    // V 320, A 180, E 140, E / 3 = 46.
    EXPECT_EQ(SoldAt(179), 10);
    EXPECT_EQ(SoldAt(180), 6);  // (10 / 3) x 2
    EXPECT_EQ(SoldAt(225), 6);
    EXPECT_EQ(SoldAt(226), 3);
    EXPECT_EQ(SoldAt(271), 3);
    EXPECT_EQ(SoldAt(272), 0);
    EXPECT_EQ(SoldAt(0), 0);
    PlayerCar1.Rating = 0;  // a model without a rating sells nothing
    EXPECT_EQ(SoldAt(100), 0);
}

TEST_F(Sales, RivalAheadInAPartZeroesTheRatingUnlessAPartIsAtTheTop) {
    Opponent2Research.ResearchLevel[PART_ENGINE] = 2;
    // V 200, A 150, E 50, E / 3 = 16.
    EXPECT_EQ(SoldAt(149), 10);
    EXPECT_EQ(SoldAt(150), 6);
    EXPECT_EQ(SoldAt(166), 3);
    EXPECT_EQ(SoldAt(182), 0);
    EXPECT_EQ(PlayerCar1.Rating, 20);  // the stored rating stays
    Opponent1Research.ResearchLevel[PART_BRAKES] = 30;
    PlayerCar1.Suspension = 10;
    EXPECT_EQ(SoldAt(179), 10);
}

TEST_F(Sales, OutdatedStylingSellsAThirdOfTheStock) {
    PlayerResearch.ResearchLevel[PART_BODY] = 3;
    PlayerCar1.Era = 2;
    EXPECT_EQ(SoldAt(100), 3);
    ModelSaleObj.Stock[0][1] = 2;
    EXPECT_EQ(SoldAt(100), 0);
    // The newest era is outdated only by the player's own research.
    ModelSaleObj.Stock[0][1] = 10;
    PlayerResearch.ResearchLevel[PART_BODY] = 6;
    PlayerCar1.Era = 6;
    Opponent1Research.ResearchLevel[PART_BODY] = 9;
    EXPECT_EQ(SoldAt(100), 10);
    PlayerCar1.Era = 5;
    EXPECT_EQ(SoldAt(100), 3);
}

TEST_F(Sales, SalesmenSellTwoCarsEachLowestModelFirst) {
    PlayerCar2 = PlayerCar1;
    PlayerCar3 = PlayerCar1;
    PlayerCar1.Price = PlayerCar2.Price = PlayerCar3.Price = 100;
    PlayerFactorySalon.Region[0].Salesmen = 5;
    ModelSaleObj.Stock[0][1] = 7;
    ModelSaleObj.Stock[0][2] = 6;
    ModelSaleObj.Stock[0][3] = 6;
    ModelSaleObj.Stock[1][1] = 9;  // region 2: no salesmen
    Player::SellModels();
    EXPECT_EQ(ModelSaleObj.Sold[0][1], 7);
    EXPECT_EQ(ModelSaleObj.Sold[0][2], 3);
    EXPECT_EQ(ModelSaleObj.Sold[0][3], 0);
    EXPECT_EQ(ModelSaleObj.Sold[1][1], 0);
}

}  // namespace
