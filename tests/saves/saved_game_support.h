#pragma once
// Shared by the saved-game tests: whole records to fill and compare, game
// states to save, and the fields of a slot file.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/loan_terms.h"
#include "model/reachable_limits.h"
#include "model/records.h"
#include "model/rival_records.h"
#include "presentation/interface_state.h"
#include "saves/save_load.h"
#include "saves/slot_layout.h"
#include "support/game_folder.h"

namespace saves_test {

// Every record of the game, for filling and for comparing whole states.
inline std::vector<std::pair<void*, std::size_t>> EveryRecord() {
    std::vector<std::pair<void*, std::size_t>> records;
    auto add = [&](auto& record) { records.emplace_back(&record, sizeof record); };
    for (Company* r : {&PlayerObj, &Opponent1Obj, &Opponent2Obj}) add(*r);
    for (Staff* r : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians, &Opponent1Salesmans,
                     &Opponent1Scientists, &Opponent1Technicians, &Opponent2Salesmans,
                     &Opponent2Scientists, &Opponent2Technicians})
        add(*r);
    for (Bank* r : {&PlayerBank, &Opponent1Bank, &Opponent2Bank}) add(*r);
    for (Research* r : {&PlayerResearch, &Opponent1Research, &Opponent2Research}) add(*r);
    for (Advertising* r : {&PlayerAdvertising, &Opponent1Advertising, &Opponent2Advertising}) add(*r);
    for (FactorySalon* r : {&PlayerFactorySalon, &Opponent1FactorySalon, &Opponent2FactorySalon}) add(*r);
    for (ProfitLoss* r : {&PlayerProfitLoss, &Opponent1ProfitLoss, &Opponent2ProfitLoss}) add(*r);
    add(PlayerCar);
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        add(PlayerModel(slot));
        add(OpponentModel(1, slot));
        add(OpponentModel(2, slot));
    }
    add(CostsObj);
    add(RateObj);
    for (Production* r : {&ProductionObj, &Opponent1ProductionObj, &Opponent2ProductionObj}) add(*r);
    for (ModelSale* r : {&ModelSaleObj, &Opponent1ModelSaleObj, &Opponent2ModelSaleObj}) add(*r);
    for (Expenses* r : {&ExpensesObj, &Opponent1ExpensesObj, &Opponent2ExpensesObj}) add(*r);
    for (Income* r : {&IncomeObj, &Opponent1IncomeObj, &Opponent2IncomeObj}) add(*r);
    add(MainObj);
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) add(SlotDirectoryEntry(slot));
    add(SlotMainObj);
    return records;
}

// Every byte of every record, padding included.
inline std::string Snapshot() {
    std::string bytes;
    for (auto [record, size] : EveryRecord()) bytes.append(static_cast<const char*>(record), size);
    return bytes;
}

// Every byte of the game's own records: the interface state and the save
// stamps, which come last, left out.
inline std::string GameRecordsSnapshot() {
    std::string bytes;
    for (auto [record, size] : EveryRecord()) {
        if (record == &MainObj) break;
        bytes.append(static_cast<const char*>(record), size);
    }
    return bytes;
}

// Where a record's bytes begin in a Snapshot(), found by any address inside it.
inline std::size_t SnapshotOffset(const void* inside) {
    std::size_t offset = 0;
    for (auto [record, size] : EveryRecord()) {
        const auto* begin = static_cast<const char*>(record);
        const auto* at = static_cast<const char*>(inside);
        if (at >= begin && at < begin + size) return offset + static_cast<std::size_t>(at - begin);
        offset += size;
    }
    ADD_FAILURE() << "not in any record";
    return 0;
}

// Every field of a slot file in file order, as the slot layout walks them:
// where it lives in the records, how many bytes it takes there, and whether
// it is a name.
struct SavedField {
    const void* At;
    std::size_t Size;
    bool IsName;
};

inline std::vector<SavedField> SavedFields() {
    struct Walk {
        std::vector<SavedField> fields;
        void Stamp(i32& value) { fields.push_back({&value, sizeof value, false}); }
        void Int(i32& value) { fields.push_back({&value, sizeof value, false}); }
        void Money(double& value) { fields.push_back({&value, sizeof value, false}); }
        void Name(char (&name)[kNameSize]) { fields.push_back({name, kNameFieldBytes, true}); }
    } walk;
    WalkSlotFile(walk);
    return walk.fields;
}

// Random bytes into every game record: names with NUL and any other byte,
// numbers of every size and sign, element 0 of every array. The interface
// state and the stamps are left alone.
inline void FillEveryRecord(unsigned seed) {
    std::mt19937 bytes(seed);
    for (auto [record, size] : EveryRecord()) {
        if (record == &MainObj) break;  // the interface state and stamps come last
        auto* out = static_cast<unsigned char*>(record);
        for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<unsigned char>(bytes());
    }
    // Money within ten significant digits, so it comes back exactly.
    PlayerObj.Cash = -1234567.5 - seed;
    Opponent1Obj.Cash = 100000.0 + seed;
    Opponent2Obj.Cash = 98765432.25 + seed;
}

// The values the game keeps within ranges, the player's and those of a
// rival's month, set to valid and varied values, several at their edges: a
// file of this state must load back unchanged.
inline void MakePlayerValuesValid() {
    PlayerObj.Month = 12;
    PlayerObj.Year = kLastYear;
    PlayerObj.HomeRegion = REGION_AFRICA;
    Bank& bank = PlayerBank;
    bank.LoanLeft = kMostOwed;   // a loan running, never below 0
    bank.Installment = 2416;
    bank.MonthsLeft = 48;
    bank.LoanTerm = 36;      // a term as the arrows set it, with its rate
    bank.LoanRate = 14;
    bank.LoanAmount = 100000;
    bank.DepositAmount = 1000000000;
    bank.Deposit = INT_MAX;
    FactorySalon& f = PlayerFactorySalon;
    f.ShownRegion = REGION_ASIA;
    f.FactoryPrice = 5500000;
    f.SalonPrice = 200000;
    i32 postedSalesmen = 0, postedTechnicians = 0;
    for (i32 r = 0; r < kRegionCount; ++r) {
        FactorySalonRegion& region = f.Region[r];
        region.HasFactory = r % 2;
        region.Salons = r + 4;
        region.Technicians = region.HasFactory != 0 ? 220 - r : 0;
        region.Salesmen = 10 * region.Salons - r;
        postedSalesmen += region.Salesmen;
        postedTechnicians += region.Technicians;
        region.ProductionLinesUsed = 0;
        for (i32 line = 0; line < kProductionLines; ++line) {
            region.ProductionLineModel[line] = (line + r) % 3 == 0 ? 0 : (line + 2 * r) % 10 + 1;
            if (region.ProductionLineModel[line] != 0) ++region.ProductionLinesUsed;
            region.ProductionLineShipTo[line][0] = (line + r) % 7;
            region.ProductionLineShipTo[line][1] = 6 - (line + r) % 7;
        }
    }
    Research& lab = PlayerResearch;
    lab.LabCapacity = 600;
    const i32 scientists[6] = {0, 100, 50, 1, 200, 249};
    const i32 levels[6] = {10, 0, 4, 6, 1, 9};
    const i32 progress[6] = {0, 9999, 5000, 19999, 1, 83};
    for (i32 c = 0; c < kPartCategories; ++c) {
        lab.Scientists[c] = scientists[c];
        lab.ResearchLevel[c] = levels[c];
        lab.ResearchProgress[c] = progress[c];
    }
    // Every kind's people are those posted and the free pool.
    const i32 counts[3][2] = {{9999, 9999 - postedSalesmen}, {600, 0}, {postedTechnicians + 12, 12}};
    Staff* kinds[3] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
    const i32 wages[3] = {kHighestWage, 100, 9998};
    for (int k = 0; k < 3; ++k) {
        kinds[k]->Count = counts[k][0];
        kinds[k]->Unassigned = counts[k][1];
        kinds[k]->Wage = wages[k];
    }
    for (i32 e = 1; e < kModelArray; ++e) lab.OwnedBodyTypes[e] = e <= 6 ? 10 - e : 0;
    lab.BodyTypesOffered = 8;
    lab.BodyTypesOwned = 6;
    lab.BrowsedBodyType = 8;
    lab.BrakesVariantChoice = 3;
    lab.SuspensionVariantChoice = 0;
    lab.EngineVariantChoice = 5;
    // With the game's part tables a design costs 450 to 3848 and is rated
    // 96 to 649.
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        Car& m = PlayerModel(slot);
        m.Brakes = slot;
        m.Suspension = 10 - slot;
        m.Engine = (slot * 3) % 11;
        m.BrakesVariant = slot % 4;
        m.SuspensionVariant = (slot + 1) % 4;
        m.EngineVariant = slot % 6;
        for (i32 i = 0; i < kModelArray; ++i) {
            m.LuxuryItems[i] = (i + slot) % 11;
            m.SafetyItems[i] = (2 * i + slot) % 11;
        }
        m.Era = slot % 7;
        m.UnitCost = 450 + (3848 - 450) * (slot - 1) / 9;
        m.Rating = 649 - (649 - 96) * (slot - 1) / 9;
        m.Price = 999 * slot + 9;
        m.BodyType = slot - 1;
        m.BodyIndex = 10 - slot;
        m.FrontPiece = slot % 4;
        m.MiddlePiece = (slot + 1) % 4;
        m.RearPiece = (slot + 2) % 4;
        for (i32 r = 0; r < kRegionCount; ++r) ModelSaleObj.Stock[r][slot] = (slot * 37 + r) % 91;
    }
    ModelSaleObj.Stock[REGION_ASIA - 1][1] = kMostStock;
    for (i32 b = 0; b < kAdBlocks; ++b)
        for (i32 medium = 0; medium < kMedia; ++medium)
            PlayerAdvertising.Block[b].Campaign[medium].Amount = (b * kMedia + medium) * 34482;
    // What a rival's month spends from and moves on.
    const i32 rivalLevels[6] = {1, 0, kMostMonthsPlayed, kRivalBodyLevelTop, 7, 40};
    const i32 rivalProgress[6] = {0, 9999, 120, 19999, 4440, 9960};
    for (const RivalRecords& rival : kRivals) {
        rival.scientists.Count = 3744;
        rival.scientists.Wage = 10;
        for (i32 c = 0; c < kPartCategories; ++c) {
            rival.research.ResearchLevel[c] = rivalLevels[c];
            rival.research.ResearchProgress[c] = rivalProgress[c];
        }
    }
    Opponent1Bank.LoanLeft = 0;
    Opponent1Bank.Installment = 0;
    Opponent1Bank.MonthsLeft = -kMostMonthsPlayed;
    Opponent2Bank.LoanLeft = -kMostOwed;
    Opponent2Bank.Installment = 7;
    Opponent2Bank.MonthsLeft = kLongestLoanTerm;
}

// Field `index` of a slot file image, all 15 bytes.
inline std::string Field(const std::string& file, std::size_t index) {
    return file.substr(index * kFieldSize, kFieldSize);
}

// The text of an int or money field, up to its NUL.
inline std::string FieldText(const std::string& file, std::size_t index) {
    const std::string field = Field(file, index);
    return field.substr(0, field.find('\0'));
}

// The head of a slot file: month, day, year, hour and minute, one int field
// each.
inline std::string StampFields(const std::string& month, const std::string& day, const std::string& year,
                               const std::string& hour, const std::string& minute) {
    std::string head;
    for (const std::string* text : {&month, &day, &year, &hour, &minute})
        head += *text + std::string(kFieldSize - text->size(), '\0');
    return head;
}

// A moment of the local clock.
inline std::tm Moment(int year, int month, int day, int hour, int minute, int second) {
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

inline void ExpectStamp(const SlotStamp& stamp, i32 month, i32 day, i32 year, i32 hour, i32 minute) {
    EXPECT_EQ(stamp.Month, month);
    EXPECT_EQ(stamp.Day, day);
    EXPECT_EQ(stamp.Year, year);
    EXPECT_EQ(stamp.Hour, hour);
    EXPECT_EQ(stamp.Minute, minute);
}

inline std::string SlotPath(int slot) { return "Data/Saves/slot" + std::to_string(slot) + ".sav"; }

// The names in a folder, sorted.
inline std::vector<std::string> FolderEntries(const char* folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Each test in a private folder, from the program-start state.
struct SavedGameTest : FreshRecords {
    GameFolder folder;
};

}  // namespace saves_test
