// The factory screen: sale prices per production line, and the technicians
// and salesmen waiting to be assigned to the shown region.

#include <string>

#include "input/input_fixture.h"

namespace {

struct FactoryKeys : InputTest {
    void SetUp() override {
        InputTest::SetUp();
        MainObj.Screen = SCREEN_GAME_FACTORY;
        PlayerFactorySalon.ShownRegion = 1;
    }
    // Every click on the factory screen empties both of its buffers.
    static void ClickField(i32 focus) {
        MainObj.Focus = focus;
        Blank(PlayerFactorySalon.InputBuffer);
        Blank(PlayerCar.PriceText);
    }
    static FactorySalonRegion& Region(i32 r) { return PlayerFactorySalon.Region[r - 1]; }
};

TEST_F(FactoryKeys, APriceGoesToTheModelOnTheShownRegionsLine) {
    PlayerFactorySalon.ShownRegion = 4;
    Region(4).ProductionLineModel[1] = 7;
    Region(1).ProductionLineModel[1] = 3;  // the same row of another region
    ClickField(FOCUS_PRICE_ROW_2);
    Type("4");
    Press(keys::PadDigit(5));
    for (i32 slot = 1; slot <= kModelSlots; ++slot) EXPECT_EQ(PlayerModel(slot).Price, slot == 7 ? 45 : 0) << slot;
    EXPECT_EQ(PlayerCar.Price, 0);

    // An empty line, a model number outside the slots or an unknown region
    // prices nothing.
    PlayerFactorySalon.ShownRegion = 1;
    PlayerCar7.Price = 0;
    ClickField(FOCUS_PRICE_ROW_3);
    Type("12");
    EXPECT_EQ(PlayerCar.PriceText[1], '2');
    Region(1).ProductionLineModel[2] = 11;
    Type("3");
    PlayerFactorySalon.ShownRegion = 7;  // only a damaged save holds this
    Type("4");
    for (i32 slot = 1; slot <= kModelSlots; ++slot) EXPECT_EQ(PlayerModel(slot).Price, 0);
}

TEST_F(FactoryKeys, AFullPriceAsksForNoRepaintAndBackspaceDoesNothing) {
    Region(1).ProductionLineModel[4] = 10;
    ClickField(FOCUS_PRICE_ROW_5);
    Type("9999");
    EXPECT_EQ(PlayerCar10.Price, 9999);
    EXPECT_EQ(Repaints(), 4);  // the buffer edits' own requests only
    Type("9<");
    EXPECT_EQ(PlayerCar10.Price, 9999);
    EXPECT_EQ(Repaints(), 4);
    EXPECT_EQ(std::string(PlayerCar.PriceText, 5), "9999 ");
    ClickField(FOCUS_PRICE_ROW_5);  // correcting takes a click and the whole number
    Type("3");
    EXPECT_EQ(PlayerCar10.Price, 3);
}

TEST_F(FactoryKeys, TechniciansAreCutToTheFreeOnesAndTheFactorysPlaces) {
    Region(1).HasFactory = 1;
    PlayerTechnicians.Unassigned = 300;
    ClickField(FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(Track("2507", PlayerFactorySalon.TechniciansToAssign), (V{2, 25, 220, 220}));
    ResetRepaints();
    Type("1");  // a fifth digit: no room, the field is stored and repainted again
    EXPECT_EQ(Repaints(), 1);
    Type("<");  // Backspace does nothing on this screen
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(std::string(PlayerFactorySalon.InputBuffer, 5), "2507 ");

    PlayerTechnicians.Unassigned = 15;
    ClickField(FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(Track("150", PlayerFactorySalon.TechniciansToAssign).back(), 15);
    Region(1).HasFactory = 0;
    ClickField(FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(Track("9", PlayerFactorySalon.TechniciansToAssign), (V{0}));
}

TEST_F(FactoryKeys, SalesmenAreCutToTheFreeOnesAndTenPerSalon) {
    Region(1).Salons = 3;
    PlayerSalesmans.Unassigned = 100;
    ClickField(FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(Track("45", PlayerFactorySalon.SalesmenToAssign), (V{4, 30}));
    Region(1).Salons = 9;
    PlayerSalesmans.Unassigned = 12;
    ClickField(FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(Track("50", PlayerFactorySalon.SalesmenToAssign).back(), 12);
    Region(1).Salons = 0;
    ClickField(FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(Track("3", PlayerFactorySalon.SalesmenToAssign), (V{0}));
}

// The assign buttons settle with the free pool without a test, so the pool
// can fall below 0; a typed number must still never be negative.
TEST_F(FactoryKeys, ANegativeFreePoolNeverGivesANegativeNumber) {
    Region(1).HasFactory = 1;
    Region(1).Salons = 2;
    PlayerTechnicians.Unassigned = -6;
    PlayerSalesmans.Unassigned = -6;
    ClickField(FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(Track("8", PlayerFactorySalon.TechniciansToAssign), (V{0}));
    ClickField(FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(Track("8", PlayerFactorySalon.SalesmenToAssign), (V{0}));

    PlayerFactorySalon.ShownRegion = 0;  // no region: only the free pool limits
    PlayerSalesmans.Unassigned = 40;
    ClickField(FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(Track("35", PlayerFactorySalon.SalesmenToAssign).back(), 35);
}

}  // namespace
