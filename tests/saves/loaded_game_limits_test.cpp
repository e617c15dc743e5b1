#include <gtest/gtest.h>

#include <climits>

#include "model/headless_player.h"
#include "model/player.h"
#include "saves/saved_game_support.h"
#include "screens/screen_test.h"

using namespace saves_test;

using LoadedGameLimits = SavedGameTest;

namespace {

// A saved game as a damaged or hand-made file might hold it: every value
// that indexes an array or divides, out of its range.
void BreakPlayerValues() {
    PlayerObj.Month = 13;
    PlayerObj.HomeRegion = 9;
    PlayerObj.Cash = 5e6;
    PlayerSalesmans.Count = 12000;
    PlayerSalesmans.Unassigned = 13000;
    PlayerTechnicians.Count = -4;
    PlayerScientists.Count = 300;
    PlayerScientists.Unassigned = -5;
    FactorySalon& f = PlayerFactorySalon;
    f.ShownRegion = 7;
    FactorySalonRegion& europe = f.Region[REGION_EUROPE - 1];
    europe.HasFactory = 2;
    europe.Salons = 12;
    europe.Technicians = 99999;
    europe.Salesmen = -1;
    europe.ProductionLinesUsed = 0;  // while lines hold models
    const i32 models[kProductionLines] = {3, 11, 0, -1, 10};
    for (i32 line = 0; line < kProductionLines; ++line) {
        europe.ProductionLineModel[line] = models[line];
        europe.ProductionLineShipTo[line][0] = line == 0 ? 9 : REGION_ASIA;
        europe.ProductionLineShipTo[line][1] = line == 0 ? -2 : REGION_EUROPE;
    }
    Research& lab = PlayerResearch;
    lab.LabCapacity = 5000;
    const i32 scientists[6] = {-3, 800, 50, 100, 0, 0};
    const i32 levels[6] = {11, -1, 10, 7, 0, 5};
    for (i32 c = 0; c < kPartCategories; ++c) {
        lab.Scientists[c] = scientists[c];
        lab.ResearchLevel[c] = levels[c];
    }
    lab.OwnedBodyTypes[3] = 10;
    lab.OwnedBodyTypes[4] = -7;
    lab.BodyTypesOffered = 40;
    lab.BodyTypesOwned = 12;
    lab.BrowsedBodyType = 0;
    lab.BrakesVariantChoice = 4;
    lab.EngineVariantChoice = 6;
    Car& model = PlayerCar3;
    model.Brakes = 11;
    model.Suspension = -2;
    model.Engine = 10;
    model.BrakesVariant = 4;
    model.EngineVariant = 6;
    model.LuxuryItems[0] = 12;
    model.SafetyItems[10] = -1;
    model.Era = 7;
    model.BodyType = 10;
    model.BodyIndex = 11;
    model.FrontPiece = 4;
    model.UnitCost = -100;
    model.Price = 500;
}

}  // namespace

TEST_F(LoadedGameLimits, OutOfRangeValuesAreBroughtBackBeforeTheGameGoesOn) {
    FillEveryRecord(21);
    MakePlayerValuesValid();
    BreakPlayerValues();
    Opponent1Research.ResearchLevel[PART_BRAKES] = 50;  // rivals' values pass through
    Opponent1FactorySalon.ShownRegion = 99;
    ASSERT_TRUE(SaveLoad::Save(1));
    ResetAllRecords();
    ASSERT_TRUE(SaveLoad::Load(1));

    EXPECT_EQ(PlayerObj.Month, 12);
    EXPECT_EQ(PlayerObj.HomeRegion, REGION_NONE);
    EXPECT_EQ(PlayerSalesmans.Count, 9999);
    EXPECT_EQ(PlayerSalesmans.Unassigned, 9999);
    EXPECT_EQ(PlayerTechnicians.Count, 0);
    EXPECT_EQ(PlayerTechnicians.Unassigned, 0);

    const FactorySalon& f = PlayerFactorySalon;
    EXPECT_EQ(f.ShownRegion, REGION_AUSTRALIA);
    const FactorySalonRegion& europe = f.Region[REGION_EUROPE - 1];
    EXPECT_EQ(europe.HasFactory, 1);
    EXPECT_EQ(europe.Salons, 9);
    EXPECT_EQ(europe.Technicians, 9999);
    EXPECT_EQ(europe.Salesmen, 0);
    const i32 models[kProductionLines] = {3, 0, 0, 0, 10};
    for (i32 line = 0; line < kProductionLines; ++line)
        EXPECT_EQ(europe.ProductionLineModel[line], models[line]) << line;
    EXPECT_EQ(europe.ProductionLinesUsed, 2);
    EXPECT_EQ(europe.ProductionLineShipTo[0][0], REGION_NONE);
    EXPECT_EQ(europe.ProductionLineShipTo[0][1], REGION_NONE);
    EXPECT_EQ(europe.ProductionLineShipTo[1][0], REGION_ASIA);

    const Research& lab = PlayerResearch;
    EXPECT_EQ(lab.LabCapacity, 900);
    const i32 scientists[6] = {0, 800, 50, 50, 0, 0};
    const i32 levels[6] = {10, 0, 10, 6, 0, 5};
    for (i32 c = 0; c < kPartCategories; ++c) {
        EXPECT_EQ(lab.Scientists[c], scientists[c]) << c;
        EXPECT_EQ(lab.ResearchLevel[c], levels[c]) << c;
    }
    // The 50 scientists without room go back to the pool, within the staff.
    EXPECT_EQ(PlayerScientists.Unassigned, 50);
    EXPECT_EQ(lab.OwnedBodyTypes[3], 0);
    EXPECT_EQ(lab.OwnedBodyTypes[4], 0);
    EXPECT_EQ(lab.BodyTypesOffered, 9);
    EXPECT_EQ(lab.BodyTypesOwned, 9);
    EXPECT_EQ(lab.BrowsedBodyType, 1);
    EXPECT_EQ(lab.BrakesVariantChoice, 0);
    EXPECT_EQ(lab.EngineVariantChoice, 0);

    const Car& model = PlayerCar3;
    EXPECT_EQ(model.Brakes, 0);
    EXPECT_EQ(model.Suspension, 0);
    EXPECT_EQ(model.Engine, 10);
    EXPECT_EQ(model.BrakesVariant, 0);
    EXPECT_EQ(model.EngineVariant, 0);
    EXPECT_EQ(model.LuxuryItems[0], 0);
    EXPECT_EQ(model.SafetyItems[10], 0);
    EXPECT_EQ(model.Era, 0);
    EXPECT_EQ(model.BodyType, 0);
    EXPECT_EQ(model.BodyIndex, 0);
    EXPECT_EQ(model.FrontPiece, 0);
    EXPECT_EQ(model.UnitCost, 0);
    EXPECT_EQ(model.Price, 500);

    EXPECT_EQ(Opponent1Research.ResearchLevel[PART_BRAKES], 50);
    EXPECT_EQ(Opponent1FactorySalon.ShownRegion, 99);

    // The month goes on without reading or dividing out of bounds (the
    // sanitizer build turns either into a failure).
    for (int month = 0; month < 3; ++month) Player::NextMonth();
}

TEST_F(LoadedGameLimits, AGameThatWasPlayedLoadsBackUnchanged) {
    headless::StartGame(REGION_SOUTH_AMERICA);
    for (int month = 0; month < 40; ++month) headless::PlayMonth();
    ASSERT_NE(ModelSaleObj.Sold[REGION_SOUTH_AMERICA - 1][1] + ModelSaleObj.Sold[REGION_SOUTH_AMERICA - 1][2], 0);
    ASSERT_NE(MainObj.Screen, SCREEN_GAME_OVER);
    MainObj.Focus = FOCUS_SLOT_3;
    ASSERT_TRUE(SaveLoad::Save(3));
    const std::string played = Snapshot();
    ASSERT_TRUE(SaveLoad::Load(3));
    EXPECT_TRUE(Snapshot() == played);
}

// Every screen with every popup over the damaged game, as loaded: under the
// sanitizer build a read out of bounds fails the test.
struct LoadedGamePaint : ScreenTest {};

TEST_F(LoadedGamePaint, EveryScreenPaintsADamagedGameOnceLoaded) {
    GameFolder folder;
    FillEveryRecord(22);
    MakePlayerValuesValid();
    BreakPlayerValues();
    ASSERT_TRUE(SaveLoad::Save(2));
    ResetGameState();
    ASSERT_TRUE(SaveLoad::Load(2));
    MainObj.GameInProgress = 1;
    for (i32 screen = SCREEN_INTRO; screen <= SCREEN_GAME_OVER; ++screen)
        for (i32 popup = POPUP_NONE; popup <= POPUP_RESEARCH_REPORT; ++popup) {
            MainObj.LastDrawnScreen = 0;
            Show(screen, popup);
        }
    EXPECT_EQ(MainObj.SlotEmpty[1], 0);  // the save and load screens read the directory
}
