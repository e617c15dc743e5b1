#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/game_folder.h"
#include "model/player.h"

namespace {

// Tables where every part costs 10 x its id and rates its id, so that sums
// show which entries were taken; part bonus 100, variant bonus 1000.
class DesignStorage : public FreshRecords {
protected:
    void SetUp() override {
        FreshRecords::SetUp();
        for (i32 id = 1; id <= 10; ++id) {
            for (i32* cost : {CostsObj.Engine, CostsObj.Suspension, CostsObj.Brakes, CostsObj.Luxury, CostsObj.Safety})
                cost[id] = 10 * id;
            for (i32* rate : {RateObj.Engine, RateObj.Suspension, RateObj.Brakes, RateObj.Luxury, RateObj.Safety})
                rate[id] = id;
        }
        for (i32 era = 1; era <= 6; ++era) CostsObj.Body[era] = 10000 * era;
        RateObj.Body = 0;
        RateObj.PartBonus = 100;
        RateObj.VariantBonus = 1000;
        PlayerResearch.ResearchLevel[PART_BODY] = 2;
        PlayerCar.Slot = 3;
        Car& design = PlayerCar;
        std::memset(design.Name, ' ', sizeof design.Name);
        design.Name[0] = 'x';
        design.Brakes = 1;
        design.Suspension = 2;
        design.Engine = 3;
        design.BodyType = BODY_TRUCK;
        design.Era = 1;
        design.FrontPiece = design.MiddlePiece = design.RearPiece = 1;
    }
};

TEST_F(DesignStorage, UnitCostTakesTheBodyOfTheResearchedEra) {
    PlayerCar.LuxuryItems[1] = 4;
    PlayerCar.LuxuryItems[2] = 7;
    PlayerCar.SafetyItems[1] = 10;
    PlayerCar.Price = 555;
    Player::SaveModel();
    EXPECT_EQ(PlayerCar.UnitCost, 10 + 20 + 30 + 40 + 70 + 100 + 20000);
    EXPECT_EQ(PlayerCar.Rating, 1 + 2 + 3 + 4 + 7 + 10);
    EXPECT_EQ(PlayerCar.SlotUsed[3], 3);
    EXPECT_EQ(PlayerCar3.UnitCost, PlayerCar.UnitCost);
    EXPECT_EQ(PlayerCar3.Price, 555);
    EXPECT_EQ(PlayerCar3.Slot, 0);
    EXPECT_EQ(PlayerCar3.SlotUsed[3], 0);
}

TEST_F(DesignStorage, BonusesForPartsAndVariantsThatSuitTheBody) {
    Car& design = PlayerCar;
    design.BodyType = BODY_RACE_CAR;
    design.Engine = design.Brakes = design.Suspension = 10;
    design.EngineVariant = 4;
    design.BrakesVariant = 3;
    design.SuspensionVariant = 2;
    Player::SaveModel();
    EXPECT_EQ(design.Rating, 30 + 3 * 100 + 3 * 1000);

    struct Case {
        i32 body, engine, engineVariant, bonus;
    };
    const Case cases[] = {
        {BODY_FAMILY_WAGON, 9, 2, 100 + 1000}, {BODY_FAMILY_WAGON, 1, 3, 0},
        {BODY_LUXURY, 8, 3, 100 + 1000},       {BODY_LUXURY, 9, 3, 1000},
        {BODY_TRUCK, 10, 5, 100 + 1000},       {12, 10, 5, 0},
    };
    for (const Case& c : cases) {
        design.SlotUsed[3] = 0;
        design.BodyType = c.body;
        design.Engine = c.engine;
        design.EngineVariant = c.engineVariant;
        design.Brakes = design.Suspension = 1;
        design.BrakesVariant = design.SuspensionVariant = 0;
        Player::SaveModel();
        EXPECT_EQ(design.Rating, c.engine + 2 + c.bonus) << c.body << " " << c.engine;
    }
}

// Tables other than the game's own may price and rate a design past what
// the studio's five cells show, or below nothing: the stored figures keep
// to the bounds a load holds them to. A table of zeros stores 0 and 0.
TEST_F(DesignStorage, FiguresPastTheStudiosCellsAreStoredAtTheNearestBound) {
    struct Case {
        i32 figure;
        i32 cost, rating;
    };
    const Case cases[] = {{99999, 99999, 99999}, {-9999, 0, -9999}, {0, 0, 0}};
    Car& design = PlayerCar;
    design.BodyType = BODY_RACE_CAR;
    design.Engine = design.Brakes = design.Suspension = 10;
    for (i32 item = 1; item <= 10; ++item) design.LuxuryItems[item] = design.SafetyItems[item] = item;
    for (const Case& c : cases) {
        for (i32* list : {CostsObj.Engine, CostsObj.Suspension, CostsObj.Brakes, CostsObj.Luxury, CostsObj.Safety,
                          RateObj.Engine, RateObj.Suspension, RateObj.Brakes, RateObj.Luxury, RateObj.Safety})
            for (i32 id = 1; id <= 10; ++id) list[id] = c.figure;
        CostsObj.Body[2] = RateObj.Body = RateObj.PartBonus = RateObj.VariantBonus = c.figure;
        design.SlotUsed[3] = 0;
        Player::SaveModel();
        EXPECT_EQ(PlayerCar3.UnitCost, c.cost) << c.figure;
        EXPECT_EQ(PlayerCar3.Rating, c.rating) << c.figure;
        EXPECT_EQ(design.UnitCost, c.cost) << c.figure;
    }
}

TEST_F(DesignStorage, IncompleteDesignsAndUsedSlotsAreRefused) {
    const Car complete = PlayerCar;
    for (i32 Car::*field : {&Car::Brakes, &Car::Suspension, &Car::Engine, &Car::BodyType, &Car::FrontPiece,
                            &Car::MiddlePiece, &Car::RearPiece}) {
        PlayerCar = complete;
        PlayerCar.*field = 0;
        Player::SaveModel();
        EXPECT_EQ(PlayerCar.SlotUsed[3], 0);
    }
    PlayerCar = complete;
    PlayerCar.Name[0] = ' ';
    Player::SaveModel();
    EXPECT_EQ(PlayerCar.SlotUsed[3], 0);
    PlayerCar = complete;
    Player::SaveModel();
    ASSERT_EQ(PlayerCar.SlotUsed[3], 3);
    PlayerCar.Engine = 7;
    Player::SaveModel();  // the slot is taken
    EXPECT_EQ(PlayerCar3.Engine, 3);
}

TEST_F(DesignStorage, LoadingCopiesTheModelAndDeletingEmptiesSlotDesignAndStock) {
    Player::SaveModel();
    PlayerCar.BodyIndex = 2;
    std::memset(PlayerCar4.Name, ' ', 14);
    PlayerCar.Slot = 4;
    Player::LoadModel();  // a free slot empties the design
    EXPECT_EQ(PlayerCar.Engine, 0);
    EXPECT_EQ(std::string(PlayerCar.Name, 14), std::string(14, ' '));
    EXPECT_EQ(PlayerCar.SlotUsed[3], 3);
    EXPECT_EQ(PlayerCar.BodyIndex, 2);
    Player::DeleteModel();  // nothing stored there
    EXPECT_EQ(PlayerCar.BodyIndex, 2);

    PlayerCar.Slot = 3;
    Player::LoadModel();
    EXPECT_EQ(PlayerCar.Engine, 3);
    EXPECT_EQ(PlayerCar.Name[0], 'x');
    PlayerFactorySalon.Region[0].ProductionLineModel[0] = 3;
    for (i32 r = 0; r < 6; ++r) ModelSaleObj.Stock[r][3] = 5 + r;
    ModelSaleObj.Stock[0][4] = 9;
    PlayerCar3.Price = 800;
    Player::DeleteModel();
    EXPECT_EQ(PlayerCar.SlotUsed[3], 0);
    EXPECT_EQ(PlayerCar.Slot, 3);
    EXPECT_EQ(PlayerCar.Engine, 0);
    EXPECT_EQ(PlayerCar.BodyIndex, 0);
    EXPECT_EQ(PlayerCar3.Engine, 0);
    EXPECT_EQ(std::string(PlayerCar3.Name, 14), std::string(14, ' '));
    EXPECT_EQ(PlayerCar3.Price, 0);   // what a line still naming the slot shows
    for (i32 r = 0; r < 6; ++r) EXPECT_EQ(ModelSaleObj.Stock[r][3], 0);
    EXPECT_EQ(ModelSaleObj.Stock[0][4], 9);
    EXPECT_EQ(PlayerFactorySalon.Region[0].ProductionLineModel[0], 3);  // the line keeps naming it
}

}  // namespace
