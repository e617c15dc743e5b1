// A part table damaged after a game was saved says nothing of the designs
// the game stored: a load leaves them as the file holds them, whatever the
// tables are, and the next save writes them back the same.

#include <climits>
#include <filesystem>
#include <string>

#include "model/headless_player.h"
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
// What a crash leaves behind on some file systems.
void ZerosOfFullLength(const std::string& path, const std::string& whole) {
    WriteFile(path, std::string(whole.size(), '\0'));
}
void BlanksOfFullLength(const std::string& path, const std::string& whole) {
    WriteFile(path, std::string(whole.size(), ' '));
}
void LettersOfFullLength(const std::string& path, const std::string& whole) {
    WriteFile(path, std::string(whole.size(), 'q'));
}
// A table still read whole: its first figure's last digit made 9 (the
// first engine's 180 becomes 189).
void OneDigitPatched(const std::string& path, const std::string& whole) {
    std::string patched = whole;
    patched[4] = '9';
    WriteFile(path, patched);
}

// Tables that still read a number from every field, some not the one meant.
void LineEndAfterEveryField(const std::string& path, const std::string& whole) {
    std::string damaged;
    for (std::size_t at = 0; at < whole.size(); at += 5) damaged += whole.substr(at, 5) + "\n";
    WriteFile(path, damaged);
}
void LettersAfterTheDigits(const std::string& path, const std::string& whole) {
    WriteFile(path, "12abc" + whole.substr(5));
}
void TabInsideAField(const std::string& path, const std::string& whole) {
    WriteFile(path, " 1\t80" + whole.substr(5));
}

struct DamageCase {
    const char* name;
    Damage damage;
    bool reported;  // one line on stderr names the file
};

const DamageCase kDamages[] = {
    {"gone", Remove, true},
    {"empty", Empty, true},
    {"a folder of that name", ReplaceByAFolder, true},
    {"cut to half", CutToHalf, true},
    {"NUL bytes of its full length", ZerosOfFullLength, true},
    {"blanks of its full length", BlanksOfFullLength, true},
    {"letters of its full length", LettersOfFullLength, true},
    {"a line end after every field", LineEndAfterEveryField, true},
    {"letters after the digits", LettersAfterTheDigits, true},
    {"a tab inside a field", TabInsideAField, true},
    {"one digit patched", OneDigitPatched, false},
};

const char* const kTables[] = {"Data/paco.dat", "Data/para.dat"};

// Stored designs from the cheapest to the dearest the game's tables make,
// rated from the highest to the lowest; one stored while a table held 0,
// and two at the stored designs' bounds, as other tables store them.
void SaveAGameWithEveryKindOfDesign(i32 slot) {
    FillEveryRecord(31);
    MakePlayerValuesValid();
    PlayerModel(1).UnitCost = 0;
    PlayerModel(1).Rating = 0;
    PlayerModel(2).UnitCost = 99999;
    PlayerModel(2).Rating = -9999;
    PlayerModel(3).Rating = 99999;
    ASSERT_NE(PlayerModel(1).Engine, 0);
    ASSERT_TRUE(SaveLoad::Save(slot, kWhen));
}

// Loads slot 1 as the load screen does; returns what was said on stderr.
std::string LoadSlotOne() {
    ResetAllRecords();
    testing::internal::CaptureStderr();
    const bool loaded = SaveLoad::Load(1);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loaded);
    return said;
}

}  // namespace

TEST_F(DamagedPartTables, LeaveTheStoredDesignsAsSaved) {
    ASSERT_NO_FATAL_FAILURE(SaveAGameWithEveryKindOfDesign(1));
    const std::string saved = ReadFile(SlotPath(1));
    for (const char* table : kTables) {
        const std::string whole = ReadFile(table);
        for (const DamageCase& damage : kDamages) {
            SCOPED_TRACE(std::string(table) + " " + damage.name);
            damage.damage(table, whole);
            const std::string said = LoadSlotOne();
            ASSERT_TRUE(SaveLoad::Save(2, kWhen));
            EXPECT_TRUE(ReadFile(SlotPath(2)) == saved) << "the load changed the game";
            if (damage.reported) {
                EXPECT_NE(said.find(table), std::string::npos) << said;
                EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
            } else {
                EXPECT_EQ(said, "");
            }
            std::filesystem::remove_all(table);
            WriteFile(table, whole);
        }
    }
}

// Tables that price every part at a field's top and rate it at its bottom:
// a design stored with them is saved as the studio shows it and loads back
// unchanged, with those tables or with the game's own.
TEST_F(DamagedPartTables, ADesignStoredFromTablesPastTheBoundsLoadsAsSaved) {
    const std::string costs = ReadFile(kTables[0]);
    const std::string rates = ReadFile(kTables[1]);
    WriteFile(kTables[0], std::string(costs.size(), '9'));
    std::string lowest;
    while (lowest.size() < rates.size()) lowest += "-9999";
    WriteFile(kTables[1], lowest);
    headless::StartGame(REGION_EUROPE);
    headless::PlayMonth();  // designs and stores its first car
    ASSERT_NE(PlayerModel(1).Engine, 0);
    EXPECT_EQ(PlayerModel(1).UnitCost, 99999);
    EXPECT_EQ(PlayerModel(1).Rating, -9999);
    ASSERT_TRUE(SaveLoad::Save(1, kWhen));
    const std::string saved = ReadFile(SlotPath(1));
    for (bool ownTables : {false, true}) {
        if (ownTables) {
            WriteFile(kTables[0], costs);
            WriteFile(kTables[1], rates);
        }
        LoadSlotOne();
        ASSERT_TRUE(SaveLoad::Save(2, kWhen));
        EXPECT_TRUE(ReadFile(SlotPath(2)) == saved) << (ownTables ? "with the game's tables" : "as stored");
    }
}

// A stored design past its bounds, from a hand-made file, comes back to the
// nearest one whatever the tables are; an empty slot neither costs nor
// rates.
TEST_F(DamagedPartTables, KeepAStoredDesignWithinItsBoundsWhateverTheTables) {
    for (bool withTables : {true, false}) {
        SCOPED_TRACE(withTables ? "with the tables" : "without them");
        FillEveryRecord(32);
        MakePlayerValuesValid();
        PlayerModel(1).UnitCost = -1;
        PlayerModel(2).UnitCost = INT_MAX;
        PlayerModel(3).Rating = INT_MIN;
        PlayerModel(4).Rating = INT_MAX;
        PlayerModel(5).UnitCost = 100000;
        PlayerModel(5).Rating = -10000;
        PlayerModel(6).Engine = 0;  // empty
        PlayerModel(6).UnitCost = 700;
        PlayerModel(6).Rating = 200;
        ASSERT_TRUE(SaveLoad::Save(1, kWhen));
        if (!withTables)
            for (const char* table : kTables) std::filesystem::remove(table);
        LoadSlotOne();
        EXPECT_EQ(PlayerModel(1).UnitCost, 0);
        EXPECT_EQ(PlayerModel(2).UnitCost, 99999);
        EXPECT_EQ(PlayerModel(3).Rating, -9999);
        EXPECT_EQ(PlayerModel(4).Rating, 99999);
        EXPECT_EQ(PlayerModel(5).UnitCost, 99999);
        EXPECT_EQ(PlayerModel(5).Rating, -9999);
        EXPECT_EQ(PlayerModel(6).UnitCost, 0);
        EXPECT_EQ(PlayerModel(6).Rating, 0);
    }
}
