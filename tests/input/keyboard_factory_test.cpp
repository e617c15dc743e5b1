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

TEST_F(FactoryKeys, TechniciansGetTheFactorysFieldWhereBackspaceDoesNothing) {
    Region(1).HasFactory = 1;
    PlayerTechnicians.Unassigned = 300;
    ClickField(FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(Track("2507", PlayerFactorySalon.TechniciansToAssign), (V{2, 25, 220, 220}));
    ResetRepaints();
    Type("1");  // a fifth digit: no room, the field is stored and repainted again
    EXPECT_EQ(Repaints(), 1);
    Type("<");
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(std::string(PlayerFactorySalon.InputBuffer, 5), "2507 ");
}

// Technicians are cut to the free ones and a factory's 220 places, salesmen
// to the free ones and ten per salon. The assign buttons may leave the free
// pool below 0; a typed number must still never be negative.
TEST_F(FactoryKeys, StaffToAssignAreCutToTheFreePoolAndTheRegionsRoom) {
    const struct {
        i32 focus, region, hasFactory, salons, free;
        const char* typed;
        i32 value;
    } cases[] = {
        {FOCUS_FACTORY_TECHNICIANS, 1, 1, 0, 15, "150", 15}, {FOCUS_FACTORY_TECHNICIANS, 1, 0, 0, 300, "9", 0},
        {FOCUS_FACTORY_TECHNICIANS, 1, 1, 2, -6, "8", 0},    {FOCUS_FACTORY_SALESMEN, 1, 0, 3, 100, "4", 4},
        {FOCUS_FACTORY_SALESMEN, 1, 0, 3, 100, "45", 30},    {FOCUS_FACTORY_SALESMEN, 1, 0, 9, 12, "50", 12},
        {FOCUS_FACTORY_SALESMEN, 1, 0, 0, 100, "3", 0},      {FOCUS_FACTORY_SALESMEN, 1, 1, 2, -6, "8", 0},
        {FOCUS_FACTORY_SALESMEN, 0, 0, 0, 40, "35", 35},     // no region: only the free pool limits
    };
    for (const auto& c : cases) {
        PlayerFactorySalon.ShownRegion = c.region;
        Region(1).HasFactory = c.hasFactory;
        Region(1).Salons = c.salons;
        PlayerTechnicians.Unassigned = PlayerSalesmans.Unassigned = c.free;
        ClickField(c.focus);
        Type(c.typed);
        const i32 value = c.focus == FOCUS_FACTORY_TECHNICIANS ? PlayerFactorySalon.TechniciansToAssign
                                                               : PlayerFactorySalon.SalesmenToAssign;
        EXPECT_EQ(value, c.value) << c.typed << " with " << c.free << " free";
    }
}

}  // namespace
