#include <gtest/gtest.h>

#include <vector>

#include "model/headless_player.h"
#include "model/player.h"
#include "saves/saved_game_support.h"
#include "screens/screen_test.h"

using namespace saves_test;

using LoadedGameLimits = SavedGameTest;

namespace {

// A saved game as a damaged or hand-made file might hold it: every value
// that indexes an array or divides, out of its range, with what it must be
// once loaded. Values that only show or compare (the free pools, even
// beyond the people employed, a factory mark, a model's body index) and
// the rivals' values pass through untouched, and the game goes on safely
// with them.
struct Damage {
    i32* field;
    i32 saved, loaded;
};

const std::vector<Damage>& DamagedValues() {
    FactorySalonRegion& europe = PlayerFactorySalon.Region[REGION_EUROPE - 1];
    Research& lab = PlayerResearch;
    Car& model = PlayerCar3;
    static const std::vector<Damage> damage = {
        {&PlayerObj.Month, 13, 12}, {&PlayerObj.HomeRegion, 9, REGION_NONE},
        {&PlayerSalesmans.Count, 12000, 9999}, {&PlayerSalesmans.Unassigned, 13000, 13000},
        {&PlayerTechnicians.Count, -4, 0}, {&PlayerTechnicians.Unassigned, 12, 12},
        // The 50 scientists without room in the laboratory go back to the pool.
        {&PlayerScientists.Count, 300, 300}, {&PlayerScientists.Unassigned, -5, 45},
        {&PlayerFactorySalon.ShownRegion, 7, REGION_AUSTRALIA},
        {&PlayerBank.LoanLeft, -7, 0}, {&PlayerBank.Installment, -116000, 0}, {&PlayerBank.MonthsLeft, -1, 0},
        {&europe.HasFactory, 2, 2}, {&europe.Salons, 12, 9}, {&europe.Technicians, 99999, 9999},
        {&europe.Salesmen, -1, 0},
        // Lines used agree with the lines that hold a model.
        {&europe.ProductionLinesUsed, 0, 2}, {&europe.ProductionLineModel[0], 3, 3},
        {&europe.ProductionLineModel[1], 11, 0}, {&europe.ProductionLineModel[2], 0, 0},
        {&europe.ProductionLineModel[3], -1, 0}, {&europe.ProductionLineModel[4], 10, 10},
        {&europe.ProductionLineShipTo[0][0], 9, REGION_NONE}, {&europe.ProductionLineShipTo[0][1], -2, REGION_NONE},
        {&europe.ProductionLineShipTo[1][0], REGION_ASIA, REGION_ASIA},
        {&lab.LabCapacity, 5000, 900}, {&lab.Scientists[0], -3, 0}, {&lab.Scientists[1], 800, 800},
        {&lab.Scientists[2], 50, 50}, {&lab.Scientists[3], 100, 50}, {&lab.Scientists[4], 0, 0},
        {&lab.Scientists[5], 0, 0}, {&lab.ResearchLevel[0], 11, 10}, {&lab.ResearchLevel[1], -1, 0},
        {&lab.ResearchLevel[2], 10, 10}, {&lab.ResearchLevel[3], 7, 6}, {&lab.ResearchLevel[4], 0, 0},
        {&lab.ResearchLevel[5], 5, 5}, {&lab.OwnedBodyTypes[3], 10, 0}, {&lab.OwnedBodyTypes[4], -7, 0},
        {&lab.BodyTypesOffered, 40, 9}, {&lab.BodyTypesOwned, 12, 9}, {&lab.BrowsedBodyType, 0, 1},
        {&lab.BrakesVariantChoice, 4, 0}, {&lab.EngineVariantChoice, 6, 0},
        {&model.Brakes, 11, 0}, {&model.Suspension, -2, 0}, {&model.Engine, 10, 10},
        {&model.BrakesVariant, 4, 0}, {&model.EngineVariant, 6, 0}, {&model.LuxuryItems[0], 12, 0},
        {&model.SafetyItems[10], -1, 0}, {&model.Era, 7, 0}, {&model.BodyType, 10, 0},
        {&model.BodyIndex, 11, 11}, {&model.FrontPiece, 4, 0}, {&model.UnitCost, -100, 0},
        {&model.Price, 500, 500},
        {&Opponent1Research.ResearchLevel[PART_BRAKES], 50, 50}, {&Opponent1FactorySalon.ShownRegion, 99, 99},
    };
    return damage;
}

void SaveADamagedGame(unsigned seed, i32 slot) {
    FillEveryRecord(seed);
    MakePlayerValuesValid();
    PlayerObj.Cash = 5e6;
    for (const Damage& d : DamagedValues()) *d.field = d.saved;
    ASSERT_TRUE(SaveLoad::Save(slot));
}

}  // namespace

TEST_F(LoadedGameLimits, OutOfRangeValuesAreBroughtBackBeforeTheGameGoesOn) {
    SaveADamagedGame(21, 1);
    ResetAllRecords();
    ASSERT_TRUE(SaveLoad::Load(1));
    for (const Damage& d : DamagedValues())
        EXPECT_EQ(*d.field, d.loaded) << "saved as " << d.saved << ", entry " << &d - DamagedValues().data();
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
    SaveADamagedGame(22, 2);
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
