#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "support/game_folder.h"
#include "model/player.h"

namespace {

class Production : public FreshRecords {
protected:
    void SetUp() override {
        FreshRecords::SetUp();
        PlayerObj.Cash = 1e6;
        for (i32 slot = 1; slot <= kModelSlots; ++slot) PlayerModel(slot).Engine = 1;  // every slot stored
    }
    // A factory in `region` with `technicians` and the lines given as
    // {model, first destination, second destination}.
    static FactorySalonRegion& Factory(i32 region, i32 technicians, std::initializer_list<std::array<i32, 3>> lines,
                                       i32 linesUsed = -1) {
        FactorySalonRegion& place = PlayerFactorySalon.Region[region - 1];
        place = FactorySalonRegion{};
        place.HasFactory = 1;
        place.Technicians = technicians;
        i32 k = 0;
        for (const auto& line : lines) {
            place.ProductionLineModel[k] = line[0];
            place.ProductionLineShipTo[k][0] = line[1];
            place.ProductionLineShipTo[k][1] = line[2];
            ++k;
        }
        place.ProductionLinesUsed = linesUsed < 0 ? k : linesUsed;
        return place;
    }
    static i32 Shipped(i32 region, i32 model) { return ProductionObj.Shipped[region - 1][model]; }
};

TEST_F(Production, TechniciansAreSharedByTheLinesAndHalvedPerDestination) {
    Factory(1, 220, {{1, 1, 2}, {2, 4, 4}, {3, 0, 0}});
    Factory(2, 1, {{5, 2, 2}});
    PlayerFactorySalon.Region[2] = PlayerFactorySalon.Region[0];
    PlayerFactorySalon.Region[2].HasFactory = 0;  // no factory: makes nothing
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 36);  // 220 / 3 = 73, 73 / 2 = 36
    EXPECT_EQ(Shipped(2, 1), 36);
    EXPECT_EQ(Shipped(4, 2), 72);  // both halves to europe
    for (i32 r = 1; r <= 6; ++r) {
        EXPECT_EQ(Shipped(r, 3), 0);  // no destination: made and lost
        EXPECT_EQ(Shipped(r, 5), 0);  // one technician: (1 / 1) / 2 = 0
    }
}

TEST_F(Production, CashCapPaysTheLowestModelsAndRegionsFirst) {
    PlayerCar1.UnitCost = 300;
    PlayerCar2.UnitCost = 50;
    Factory(1, 10, {{1, 1, 2}});  // 5 cars of model 1 to regions 1 and 2
    Factory(3, 8, {{2, 1, 0}});   // 4 cars of model 2 to region 1
    PlayerObj.Cash = 1000.9;      // a budget of 1000
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 3);  // 1000 / 300, 100 left
    EXPECT_EQ(Shipped(2, 1), 0);
    EXPECT_EQ(Shipped(1, 2), 2);  // 100 / 50, nothing left
    PlayerObj.Cash = 3200.0;      // exactly what all of it costs
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 5);
    EXPECT_EQ(Shipped(2, 1), 5);
    EXPECT_EQ(Shipped(1, 2), 4);
    // 20 technicians build 20 cars at 450; 6000 in hand pays for 13.
    PlayerCar1.UnitCost = 450;
    Factory(1, 20, {{1, 1, 1}});
    Factory(3, 0, {});
    PlayerObj.Cash = 6000.0;
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 13);
}

TEST_F(Production, DamagedRecordsAndExtremeCashStayDefined) {
    // A filled line with ProductionLinesUsed 0 counts its filled lines;
    // a model number beyond the slots builds nothing.
    Factory(1, 40, {{1, 1, 1}, {12, 1, 1}, {2, 1, 1}}, 0);
    PlayerCar1.UnitCost = 100;
    // Below 0 the cash pays for nothing, and a model of unit cost 0 is
    // never cut: no division by zero.
    PlayerObj.Cash = -5000.0;
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 0);
    EXPECT_EQ(Shipped(1, 2), 20);  // 40 / 2 lines / 2 per half, twice
    PlayerObj.Cash = 1e12;  // beyond 32 bits: the budget holds at the top
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 1), 20);
}

// A model deleted while a line still names it: the line stands idle, so no
// cars of nothing pile up as stock for the next model stored in the slot.
TEST_F(Production, ALineNamingAnEmptySlotBuildsNothing) {
    Factory(1, 40, {{3, 1, 1}, {4, 1, 1}});
    PlayerCar3 = Car{};
    Player::ShipModels();
    EXPECT_EQ(Shipped(1, 3), 0);
    EXPECT_EQ(Shipped(1, 4), 20);   // the technicians stay shared by both lines
}

}  // namespace
