// A part table damaged after a game was saved says nothing of the designs
// the game stored: a load leaves them as the file holds them, and still
// builds none for nothing and none dearer than a month can pay for.

#include <climits>
#include <filesystem>
#include <string>
#include <utility>

#include "model/design_limits.h"
#include "saves/saved_game_support.h"

using namespace saves_test;

namespace {

using DamagedPartTables = SavedGameTest;

const std::tm kWhen = Moment(2012, 5, 6, 7, 8, 9);

// Each damage is done to a table file whose whole bytes are given.
using Damage = void (*)(const std::string& path, const std::string& whole);

void Remove(const std::string& path, const std::string&) { std::filesystem::remove(path); }
void Empty(const std::string& path, const std::string&) { WriteFile(path, ""); }
void ReplaceByAFolder(const std::string& path, const std::string&) {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
}
void CutToHalf(const std::string& path, const std::string& whole) { WriteFile(path, whole.substr(0, whole.size() / 2)); }

const std::pair<const char*, Damage> kDamages[] = {
    {"gone", Remove}, {"empty", Empty}, {"a folder of that name", ReplaceByAFolder}, {"cut to half", CutToHalf}};

const char* const kTables[] = {"Data/paco.dat", "Data/para.dat"};

// Stored designs from the cheapest to the dearest the game's tables make,
// rated from the highest to the lowest.
void SaveAGameWithEveryKindOfDesign(i32 slot) {
    FillEveryRecord(31);
    MakePlayerValuesValid();
    ASSERT_TRUE(SaveLoad::Save(slot, kWhen));
}

}  // namespace

TEST_F(DamagedPartTables, LeaveTheStoredDesignsAsSaved) {
    ASSERT_NO_FATAL_FAILURE(SaveAGameWithEveryKindOfDesign(1));
    const std::string saved = ReadFile(SlotPath(1));
    for (const char* table : kTables) {
        const std::string whole = ReadFile(table);
        for (const auto& [name, damage] : kDamages) {
            SCOPED_TRACE(std::string(table) + " " + name);
            damage(table, whole);
            ResetAllRecords();
            testing::internal::CaptureStderr();  // the report of the unreadable table
            const bool loaded = SaveLoad::Load(1);
            testing::internal::GetCapturedStderr();
            ASSERT_TRUE(loaded);
            ASSERT_TRUE(SaveLoad::Save(2, kWhen));
            EXPECT_TRUE(ReadFile(SlotPath(2)) == saved) << "the load changed the game";
            std::filesystem::remove_all(table);
            WriteFile(table, whole);
        }
    }
}

TEST_F(DamagedPartTables, StillKeepAStoredDesignWithinWhatAMonthBuilds) {
    FillEveryRecord(32);
    MakePlayerValuesValid();
    PlayerModel(1).UnitCost = 0;
    PlayerModel(2).UnitCost = INT_MAX;
    PlayerModel(3).Rating = INT_MIN;
    PlayerModel(4).Rating = INT_MAX;
    ASSERT_TRUE(SaveLoad::Save(1, kWhen));
    for (const char* table : kTables) std::filesystem::remove(table);
    testing::internal::CaptureStderr();
    const bool loaded = SaveLoad::Load(1);
    testing::internal::GetCapturedStderr();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(PlayerModel(1).UnitCost, 1);
    EXPECT_EQ(PlayerModel(2).UnitCost, 100000);  // the most, as the README says
    EXPECT_EQ(PlayerModel(3).Rating, kAnyDesignRating.Lowest);
    EXPECT_EQ(PlayerModel(4).Rating, kAnyDesignRating.Highest);
}
