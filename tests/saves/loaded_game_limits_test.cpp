#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "input/input_fixture.h"
#include "model/calendar.h"
#include "model/headless_player.h"
#include "model/player.h"
#include "saves/saved_game_support.h"
#include "screens/screen_test.h"

using namespace saves_test;

using LoadedGameLimits = SavedGameTest;

namespace {

// A saved game as a damaged or hand-made file might hold it: every value
// that indexes an array, divides, or that a month, a purchase or the bank
// adds to or multiplies, out of its range, with what it must be once
// loaded. The people at work fit their places and the people employed, in
// order, and the free pool is whoever is left. Values that only show or
// compare (a factory mark, a model's body index) and the rivals' values
// their month does not read pass through untouched, and the game goes on
// safely with them.
struct Damage {
    i32* field;
    i32 saved, loaded;
};

const std::vector<Damage>& DamagedValues() {
    FactorySalonRegion& europe = PlayerFactorySalon.Region[REGION_EUROPE - 1];
    Research& lab = PlayerResearch;
    Car& model = PlayerCar3;
    static const std::vector<Damage> damage = {
        {&PlayerObj.Month, 13, 12}, {&PlayerObj.Year, INT_MAX, 9999}, {&PlayerObj.HomeRegion, 9, REGION_NONE},
        // Posted in the other regions: 40 + 49 + 58 + 76 + 85 salesmen.
        {&PlayerSalesmans.Count, 12000, 9999}, {&PlayerSalesmans.Unassigned, 13000, 9999 - 308 - 90},
        {&PlayerTechnicians.Count, -4, 0}, {&PlayerTechnicians.Unassigned, 12, 0},
        // 50 scientists without room in the laboratory, and 50 more, free.
        {&PlayerScientists.Count, 1000, 1000}, {&PlayerScientists.Unassigned, -5, 100},
        {&PlayerFactorySalon.ShownRegion, 7, REGION_AUSTRALIA},
        {&PlayerBank.LoanLeft, 116001, 116000}, {&PlayerBank.Installment, -116000, 0}, {&PlayerBank.MonthsLeft, -1, 1},
        {&europe.HasFactory, 2, 2}, {&europe.Salons, 12, 9}, {&europe.Technicians, 150, 0},
        {&europe.Salesmen, 99999, 90},
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
        {&lab.ResearchLevel[5], 5, 5}, {&lab.ResearchProgress[PART_BODY], 20000, 19999},
        {&lab.ResearchProgress[PART_LUXURY], INT_MAX, 9999}, {&lab.ResearchProgress[PART_SAFETY], -1, 0},
        {&lab.OwnedBodyTypes[3], 10, 0}, {&lab.OwnedBodyTypes[4], -7, 0},
        {&lab.BodyTypesOffered, 40, 9}, {&lab.BodyTypesOwned, 12, 9}, {&lab.BrowsedBodyType, 0, 1},
        {&lab.BrakesVariantChoice, 4, 0}, {&lab.EngineVariantChoice, 6, 0},
        {&model.Brakes, 11, 0}, {&model.Suspension, -2, 0}, {&model.Engine, 10, 10},
        {&model.BrakesVariant, 4, 0}, {&model.EngineVariant, 6, 0}, {&model.LuxuryItems[0], 12, 0},
        {&model.SafetyItems[10], -1, 0}, {&model.Era, 7, 0}, {&model.BodyType, 10, 0},
        {&model.BodyIndex, 11, 11}, {&model.FrontPiece, 4, 0},
        // A stored design costs 0 to 99999 and is rated -9999 to 99999,
        // whatever the part tables hold; an empty slot neither costs nor
        // rates.
        {&model.UnitCost, -100, 0}, {&model.Rating, INT_MIN, -9999}, {&PlayerModel(5).UnitCost, 100000, 99999},
        {&PlayerModel(5).Rating, 100000, 99999}, {&PlayerModel(6).Engine, 0, 0}, {&PlayerModel(6).UnitCost, 700, 0},
        {&PlayerModel(6).Rating, 200, 0},
        {&model.Price, 500, 500}, {&PlayerModel(4).Price, 10000, 9999},
        // A new game's wages, and where no month's wage bill can wrap.
        {&PlayerSalesmans.Wage, 50001, 50000}, {&PlayerScientists.Wage, -1, 100}, {&PlayerTechnicians.Wage, 79, 80},
        {&PlayerModel(7).Price, -5, 0}, {&PlayerAdvertising.Block[1].Campaign[2].Amount, 1000000, 999999},
        {&PlayerAdvertising.Block[2].Campaign[0].Amount, -1, 0},
        {&PlayerFactorySalon.FactoryPrice, 499999, 500000}, {&PlayerFactorySalon.SalonPrice, 5500001, 5500000},
        {&ModelSaleObj.Stock[REGION_ASIA - 1][3], -1, 0}, {&ModelSaleObj.Stock[REGION_ASIA - 1][4], 70000, 70000},
        {&ModelSaleObj.Stock[REGION_ASIA - 1][5], INT_MAX, 1000000000},
        {&PlayerBank.LoanAmount, 100001, 100000}, {&PlayerBank.DepositAmount, -1, 0}, {&PlayerBank.Deposit, -9, 0},
        // 12 months belong to 10 percent.
        {&PlayerBank.LoanTerm, 12, 0}, {&PlayerBank.LoanRate, 12, 0},
        {&Opponent1Scientists.Count, 10000, 9999}, {&Opponent2Scientists.Count, 100, 250},
        {&Opponent2Scientists.Wage, -10, 10}, {&Opponent1Scientists.Wage, 50001, 50000},
        {&Opponent1Bank.LoanLeft, INT_MAX, 116000}, {&Opponent2Bank.LoanLeft, -116001, -116000},
        {&Opponent1Bank.MonthsLeft, INT_MIN, -97104}, {&Opponent1Bank.Installment, INT_MAX, 116000},
        {&Opponent2Bank.Installment, -1, 0},
        {&Opponent2Bank.MonthsLeft, -30, -30}, {&Opponent1Research.ResearchLevel[PART_BRAKES], 50, 50},
        {&Opponent2Research.ResearchLevel[PART_BODY], 10, 9}, {&Opponent1Research.ResearchLevel[PART_ENGINE], INT_MAX, 97104},
        {&Opponent1Research.ResearchProgress[PART_ENGINE], INT_MAX, 9999},
        {&Opponent2Research.ResearchLevel[PART_BRAKES], -5, 0}, {&Opponent2Research.ResearchProgress[PART_SAFETY], -1, 0},
        {&Opponent1FactorySalon.ShownRegion, 99, 99},
    };
    return damage;
}

// The other bound of values the list above takes past one of theirs, and
// whose edits would change what it expects of the others: a game of their
// own. A region and a month that name nothing would index out of bounds,
// and a year before the first would show one no game has.
const std::vector<Damage>& DamagedValuesPastTheirOtherBound() {
    static const std::vector<Damage> damage = {
        {&PlayerObj.Month, 0, 1}, {&PlayerObj.Year, 1907, 1908}, {&PlayerObj.HomeRegion, -1, REGION_NONE},
        {&PlayerFactorySalon.ShownRegion, 0, REGION_AUSTRALIA},
        {&PlayerFactorySalon.Region[REGION_AFRICA - 1].Salons, -1, 0}, {&PlayerResearch.LabCapacity, -1, 0},
        {&PlayerResearch.SuspensionVariantChoice, -1, 0}, {&Opponent2Bank.MonthsLeft, 49, 48},
    };
    return damage;
}

void SaveADamagedGame(unsigned seed, i32 slot, const std::vector<Damage>& damage) {
    FillEveryRecord(seed);
    MakePlayerValuesValid();
    PlayerObj.Cash = 5e6;
    for (const Damage& d : damage) *d.field = d.saved;
    ASSERT_TRUE(SaveLoad::Save(slot));
}

void ExpectKeptOnLoad(const std::vector<Damage>& damage) {
    ResetAllRecords();
    ASSERT_TRUE(SaveLoad::Load(1));
    for (const Damage& d : damage)
        EXPECT_EQ(*d.field, d.loaded) << "saved as " << d.saved << ", entry " << &d - damage.data();
}

}  // namespace

TEST_F(LoadedGameLimits, OutOfRangeValuesAreBroughtBackBeforeTheGameGoesOn) {
    for (const auto* damage : {&DamagedValues(), &DamagedValuesPastTheirOtherBound()}) {
        SaveADamagedGame(21, 1, *damage);
        ExpectKeptOnLoad(*damage);
        // The month goes on without reading or dividing out of bounds (the
        // sanitizer build turns either into a failure), from a year before
        // the calendar's last, whose December ends the game.
        PlayerObj.Year = std::min(PlayerObj.Year, kLastYear - 1);
        const std::int64_t monthsBefore = MonthsFromYearZero({PlayerObj.Year, PlayerObj.Month});
        for (int month = 0; month < 3; ++month) Player::NextMonth();
        EXPECT_EQ(MonthsFromYearZero({PlayerObj.Year, PlayerObj.Month}), monthsBefore + 3);
    }
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
    SaveADamagedGame(22, 2, DamagedValues());
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

// ---- The controls stop where a saved game's limits stand

// The highest value the player's clicks and keys give a field is one a saved
// game may hold, so it loads back as it was; one past it comes only from a
// damaged file, and loading brings it back in.
struct ReachedLimit {
    const char* name;
    i32* field;
    i32 reached;     // where the controls stop
    i32 pastLoads;   // what one past that loads as
};

struct ControlLimits : InputTest {
    GameFolder folder;

    // Clicks `arrow` until `value` reads 1, then once more: stepping back
    // from the first choice wraps to the last.
    void StepBackToTheLast(i32 arrow, const i32& value) {
        for (int guard = 0; guard < 10 && value != 1; ++guard) ClickOn(arrow);
        ClickOn(arrow);
    }

    // The first part of a list, fitted with the list's last variant.
    void FitLastVariant(i32 chooser, const i32& choice) {
        ClickOn(chooser);
        ClickOn(CTRL_PART_ROW_1);
        StepBackToTheLast(CTRL_VARIANT_BACK, choice);
        ClickOn(CTRL_PARTS_INSTALL);
    }

    // A new game in which the player hires, buys salons, grows the
    // laboratory and stores a model, each as far as the controls allow.
    void ReachEveryLimit() {
        PlayerObj.HomeRegion = REGION_EUROPE;
        Player::SetStartValues();
        PlayerObj.Cash = 1e9;
        PlayerSalesmans.Count = 9990;

        Show(SCREEN_GAME_OFFICE, POPUP_PERSONNEL);
        ClickOn(CTRL_STAFF_FIELD_1);   // salesmen to hire
        Type("90");
        ClickOn(CTRL_STAFF_BUTTON_1);
        Show(SCREEN_GAME_OFFICE, POPUP_MAP);
        for (int click = 0; click < 12; ++click) ClickOn(CTRL_MAP_BUY_SALON);
        Show(SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH);
        for (int click = 0; click < 12; ++click) ClickOn(CTRL_EXPAND_BUY);

        Car& design = PlayerCar;
        Research& lab = PlayerResearch;
        Show(SCREEN_GAME_DESIGN);
        ClickOn(CTRL_DESIGN_NEW_MODEL);
        ClickOn(CTRL_DESIGN_NAME);
        Type("RACER");
        StepBackToTheLast(CTRL_DESIGN_FRONT_BACK, design.FrontPiece);
        StepBackToTheLast(CTRL_DESIGN_MIDDLE_BACK, design.MiddlePiece);
        StepBackToTheLast(CTRL_DESIGN_REAR_BACK, design.RearPiece);
        ClickOn(CTRL_DESIGN_ADD_PARTS);
        FitLastVariant(CTRL_ADD_BRAKES, lab.BrakesVariantChoice);
        FitLastVariant(CTRL_ADD_SUSPENSION, lab.SuspensionVariantChoice);
        FitLastVariant(CTRL_ADD_ENGINE, lab.EngineVariantChoice);
        ClickOn(CTRL_ADD_CLOSE);
        ClickOn(CTRL_DESIGN_SAVE_MODEL);
    }
};

TEST_F(ControlLimits, TheHighestValueTheControlsGiveLoadsBackAndOnePastIsRefused) {
    Research& lab = PlayerResearch;
    Car& model = PlayerModel(1);
    const std::vector<ReachedLimit> limits = {
        {"salesmen employed", &PlayerSalesmans.Count, 9999, 9999},
        {"salons in a region", &PlayerFactorySalon.Region[REGION_AUSTRALIA - 1].Salons, 9, 9},  // the map opens there
        {"laboratory places", &lab.LabCapacity, 900, 900},
        {"front piece", &model.FrontPiece, 3, 0},
        {"middle piece", &model.MiddlePiece, 3, 0},
        {"rear piece", &model.RearPiece, 3, 0},
        {"brakes variant", &model.BrakesVariant, 3, 0},
        {"suspension variant", &model.SuspensionVariant, 3, 0},
        {"engine variant", &model.EngineVariant, 5, 0},
        {"brakes variant chosen", &lab.BrakesVariantChoice, 3, 0},
        {"suspension variant chosen", &lab.SuspensionVariantChoice, 3, 0},
        {"engine variant chosen", &lab.EngineVariantChoice, 5, 0},
    };
    ReachEveryLimit();
    for (const ReachedLimit& limit : limits) EXPECT_EQ(*limit.field, limit.reached) << limit.name;

    ASSERT_TRUE(SaveLoad::Save(1));
    ASSERT_TRUE(SaveLoad::Load(1));
    for (const ReachedLimit& limit : limits) EXPECT_EQ(*limit.field, limit.reached) << limit.name << ", loaded";

    for (const ReachedLimit& limit : limits) *limit.field = limit.reached + 1;
    ASSERT_TRUE(SaveLoad::Save(2));
    ASSERT_TRUE(SaveLoad::Load(2));
    for (const ReachedLimit& limit : limits) EXPECT_EQ(*limit.field, limit.pastLoads) << limit.name << ", one past";
}
