// The factory screen: regions, price and staff fields, destinations,
// removing models, and the browser that puts models on lines.

#include <cstring>
#include <initializer_list>

#include "input/input_fixture.h"

namespace {

struct MouseFactoryTest : InputTest {
    void SetUp() override {
        InputTest::SetUp();
        PlayerFactorySalon.ShownRegion = REGION_EUROPE;
        Here().HasFactory = 1;
        Here().Salons = 2;
        Show(SCREEN_GAME_FACTORY);
    }

    FactorySalonRegion& Here() { return PlayerFactorySalon.Region[REGION_EUROPE - 1]; }

    void StoreModels(std::initializer_list<i32> slots) {
        for (i32 slot : slots) PlayerModel(slot).Engine = 1;
    }

    i32 FilledLines() {
        i32 filled = 0;
        for (i32 model : Here().ProductionLineModel) filled += model != 0 ? 1 : 0;
        return filled;
    }

    void AddModel(i32 slot) {
        ClickOn(CTRL_FACTORY_BROWSE);
        ClickOn(CTRL_BROWSE_ROW_1, slot - 1);
        ClickOn(CTRL_BROWSE_ADD);
    }
};

TEST_F(MouseFactoryTest, EveryClickStartsANewTypedNumber) {
    std::memcpy(PlayerFactorySalon.InputBuffer, "30            ", kBufferSize);
    std::memcpy(PlayerCar.PriceText, "900           ", kBufferSize);
    PlayerFactorySalon.TechniciansToAssign = 30;
    Click(700, 30);   // on nothing
    EXPECT_EQ(PlayerFactorySalon.InputBuffer[0], ' ');
    EXPECT_EQ(PlayerCar.PriceText[0], ' ');
    EXPECT_EQ(PlayerFactorySalon.TechniciansToAssign, 30);

    Show(SCREEN_GAME_FACTORY, POPUP_BROWSE_MODELS);
    PlayerCar.PriceText[0] = '9';
    Click(700, 30);
    EXPECT_EQ(PlayerCar.PriceText[0], ' ');

    Show(SCREEN_GAME_FACTORY);
    for (i32 line = 0; line < kProductionLines; ++line) {
        ClickOn(CTRL_PRICE_1, line);
        EXPECT_EQ(MainObj.Focus, FOCUS_PRICE_ROW_1 + line);
    }
}

TEST_F(MouseFactoryTest, RegionArrowsWrapClearTheTypedStaffAndKeepTheFocus) {
    MainObj.Focus = FOCUS_PRICE_ROW_3;
    PlayerFactorySalon.TechniciansToAssign = 12;
    PlayerFactorySalon.SalesmenToAssign = 4;
    PlayerFactorySalon.ShownRegion = REGION_AFRICA;
    ClickOn(CTRL_FACTORY_REGION_FORWARD);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA);
    EXPECT_EQ(PlayerFactorySalon.TechniciansToAssign, 0);
    EXPECT_EQ(PlayerFactorySalon.SalesmenToAssign, 0);
    EXPECT_EQ(MainObj.Focus, FOCUS_PRICE_ROW_3);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_FACTORY);
    ClickOn(CTRL_FACTORY_REGION_BACK);
    EXPECT_EQ(PlayerFactorySalon.ShownRegion, REGION_AFRICA);
}

TEST_F(MouseFactoryTest, StaffGoBackToThePoolAndTheTypedNumberIsAssigned) {
    Here().Technicians = 40;
    PlayerTechnicians.Count = 50;
    PlayerTechnicians.Unassigned = 10;
    ClickOn(CTRL_FACTORY_TECHNICIANS);
    EXPECT_EQ(MainObj.Focus, FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 50);
    EXPECT_EQ(Here().Technicians, 0);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_FACTORY);   // drawn again in full

    PlayerFactorySalon.TechniciansToAssign = 30;
    ClickOn(CTRL_ASSIGN_TECHNICIANS);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 20);
    EXPECT_EQ(Here().Technicians, 30);
    EXPECT_EQ(PlayerFactorySalon.TechniciansToAssign, 0);
    EXPECT_EQ(MainObj.Focus, FOCUS_FACTORY_TECHNICIANS);

    ClickOn(CTRL_ASSIGN_TECHNICIANS);   // nothing typed: the region empties
    EXPECT_EQ(PlayerTechnicians.Unassigned, 50);
    EXPECT_EQ(Here().Technicians, 0);

    Here().Salesmen = 15;
    PlayerSalesmans.Count = 15;
    ClickOn(CTRL_FACTORY_SALESMEN);
    EXPECT_EQ(MainObj.Focus, FOCUS_FACTORY_SALESMEN);
    EXPECT_EQ(PlayerSalesmans.Unassigned, 15);
    PlayerFactorySalon.SalesmenToAssign = 12;
    ClickOn(CTRL_ASSIGN_SALESMEN);
    EXPECT_EQ(Here().Salesmen, 12);
    EXPECT_EQ(PlayerSalesmans.Unassigned, 3);
}

TEST_F(MouseFactoryTest, AnAssignNeverTakesMoreThanTheFreePoolOrTheRegionsRoom) {
    // Typed while 50 were free; 45 of them were fired since.
    PlayerTechnicians.Count = 5;
    PlayerTechnicians.Unassigned = 5;
    PlayerFactorySalon.TechniciansToAssign = 50;
    ClickOn(CTRL_ASSIGN_TECHNICIANS);
    EXPECT_EQ(Here().Technicians, 5);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 0);

    // A typed number from an earlier game or region, beyond the room.
    PlayerSalesmans.Count = PlayerSalesmans.Unassigned = 100;
    PlayerFactorySalon.SalesmenToAssign = 60;
    ClickOn(CTRL_ASSIGN_SALESMEN);
    EXPECT_EQ(Here().Salesmen, 20);
    EXPECT_EQ(PlayerSalesmans.Unassigned, 80);

    Here().HasFactory = 0;
    PlayerTechnicians.Unassigned = 300;
    PlayerFactorySalon.TechniciansToAssign = 10;
    ClickOn(CTRL_ASSIGN_TECHNICIANS);
    EXPECT_EQ(Here().Technicians, 0);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 305);
}

TEST_F(MouseFactoryTest, DestinationArrowsWrapOverTheRegions) {
    for (i32 line = 1; line <= kProductionLines; ++line) {
        for (i32 destination = 1; destination <= 2; ++destination) {
            i32& shipTo = Here().ProductionLineShipTo[line - 1][destination - 1];
            shipTo = 0;
            ClickOn(DestinationArrow(line, destination, false));
            EXPECT_EQ(shipTo, REGION_AFRICA) << line << " " << destination;
            ClickOn(DestinationArrow(line, destination, true));
            EXPECT_EQ(shipTo, REGION_AUSTRALIA);
            ClickOn(DestinationArrow(line, destination, true));
            EXPECT_EQ(shipTo, REGION_SOUTH_AMERICA);
            shipTo = 0;
            ClickOn(DestinationArrow(line, destination, true));
            EXPECT_EQ(shipTo, REGION_AUSTRALIA);
        }
    }
    // Each arrow moves its own destination only.
    i32 moved = 0;
    for (const auto& line : Here().ProductionLineShipTo) moved += line[0] + line[1];
    EXPECT_EQ(moved, 10 * REGION_AUSTRALIA);
}

TEST_F(MouseFactoryTest, ModelsGoOnTheFirstFreeLineAndComeOff) {
    StoreModels({1, 2, 3, 7});
    AddModel(1);
    AddModel(2);
    EXPECT_EQ(Here().ProductionLinesUsed, 2);
    AddModel(3);
    EXPECT_EQ(Here().ProductionLineModel[2], 3);
    EXPECT_EQ(Here().ProductionLinesUsed, 3);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);

    AddModel(7);
    AddModel(7);   // one model may run on several lines
    EXPECT_EQ(Here().ProductionLineModel[3], 7);
    EXPECT_EQ(Here().ProductionLineModel[4], 7);
    AddModel(1);   // all five busy
    EXPECT_EQ(Here().ProductionLinesUsed, 5);

    ClickOn(CTRL_REMOVE_1, 3);
    EXPECT_EQ(Here().ProductionLineModel[3], 0);
    EXPECT_EQ(Here().ProductionLinesUsed, 4);
    ClickOn(CTRL_REMOVE_1, 3);   // already empty
    EXPECT_EQ(Here().ProductionLinesUsed, 4);
    AddModel(2);
    EXPECT_EQ(Here().ProductionLineModel[3], 2);
    EXPECT_EQ(Here().ProductionLinesUsed, FilledLines());
}

TEST_F(MouseFactoryTest, TheBrowserChoosesOnlyStoredModels) {
    StoreModels({1, 3});
    ClickOn(CTRL_FACTORY_BROWSE);
    EXPECT_EQ(MainObj.Popup, POPUP_BROWSE_MODELS);
    Click(317, 176);   // row 1 starts two pixels higher than the others
    EXPECT_EQ(MainObj.Focus, FOCUS_BROWSE_MODEL_1);
    ClickOn(CTRL_BROWSE_ROW_1, 1);   // an empty slot
    EXPECT_EQ(MainObj.Focus, FOCUS_BROWSE_MODEL_1);
    ClickOn(CTRL_BROWSE_ROW_1, 2);
    EXPECT_EQ(MainObj.Focus, FOCUS_BROWSE_MODEL_3);
    ClickOn(CTRL_BROWSE_BACK);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    EXPECT_EQ(FilledLines(), 0);

    ClickOn(CTRL_FACTORY_BROWSE);
    ClickOn(CTRL_BROWSE_ROW_1, 1);
    ClickOn(CTRL_BROWSE_ADD);   // nothing chosen: nothing added
    EXPECT_EQ(FilledLines(), 0);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
}

TEST_F(MouseFactoryTest, AFactoryShowingNoRegionOnlyMovesTheFocus) {
    PlayerFactorySalon.ShownRegion = 0;
    const FactorySalon before = PlayerFactorySalon;
    PlayerTechnicians.Unassigned = 4;
    const i32 controls[] = {CTRL_FACTORY_TECHNICIANS, CTRL_ASSIGN_TECHNICIANS, CTRL_REMOVE_1 + 2,
                            DestinationArrow(2, 1, true)};
    for (i32 control : controls) ClickOn(control);
    EXPECT_EQ(MainObj.Focus, FOCUS_FACTORY_TECHNICIANS);
    EXPECT_EQ(std::memcmp(PlayerFactorySalon.Region, before.Region, sizeof before.Region), 0);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 4);
}

}  // namespace
