#include <gtest/gtest.h>

#include <string>

#include "saves/saved_game_support.h"

using namespace saves_test;

namespace {

// The head of a slot file: five int fields.
std::string StampFields(const std::string& month, const std::string& day, const std::string& year,
                        const std::string& hour, const std::string& minute) {
    std::string head;
    for (const std::string* text : {&month, &day, &year, &hour, &minute})
        head += *text + std::string(kFieldSize - text->size(), '\0');
    return head;
}

}  // namespace

using SlotDirectory = SavedGameTest;

TEST_F(SlotDirectory, MissingShortAndZeroMonthFilesAreEmpty) {
    Slot2 = SlotStamp{5, 5, 5, 5, 5};  // left from an earlier refresh
    WriteWholeFile(SlotPath(1), StampFields("9", "8", "7", "23", "59") + std::string(900, 'x'));
    WriteWholeFile(SlotPath(3), StampFields("12", "31", "0", "0", "1").substr(0, 30));
    WriteWholeFile(SlotPath(4), StampFields("0", "1", "2", "3", "4"));
    SaveLoad::Check();

    EXPECT_EQ(MainObj.SlotEmpty[0], 0);
    EXPECT_EQ(Slot1.Month, 9);
    EXPECT_EQ(Slot1.Day, 8);
    EXPECT_EQ(Slot1.Year, 7);
    EXPECT_EQ(Slot1.Hour, 23);
    EXPECT_EQ(Slot1.Minute, 59);
    // Missing file: a stamp of zeros, and the files after it are still read.
    EXPECT_EQ(MainObj.SlotEmpty[1], 1);
    EXPECT_EQ(Slot2.Month, 0);
    EXPECT_EQ(Slot2.Minute, 0);
    // A 30-byte file gives month and day, zeros for the rest.
    EXPECT_EQ(MainObj.SlotEmpty[2], 0);
    EXPECT_EQ(Slot3.Month, 12);
    EXPECT_EQ(Slot3.Day, 31);
    EXPECT_EQ(Slot3.Year, 0);
    EXPECT_EQ(Slot3.Minute, 0);
    // Month "0": empty, yet the rest of the stamp is read.
    EXPECT_EQ(MainObj.SlotEmpty[3], 1);
    EXPECT_EQ(Slot4.Minute, 4);

    // A file deleted, or emptied, counts at the next refresh.
    std::filesystem::remove(SlotPath(1));
    WriteWholeFile(SlotPath(3), "");
    SaveLoad::Check();
    EXPECT_EQ(MainObj.SlotEmpty[0], 1);
    EXPECT_EQ(MainObj.SlotEmpty[2], 1);
}

TEST_F(SlotDirectory, UnterminatedStampFieldsAreReadWithinTheirOwnBytes) {
    // Fifteen digits with no NUL, followed by the next field's digits.
    WriteWholeFile(SlotPath(1), std::string(kFieldSize, '1') + StampFields("2", "3", "4", "5", "6"));
    WriteWholeFile(SlotPath(2), std::string(kFieldSize, ' ') + std::string(60, ' '));
    SaveLoad::Check();
    EXPECT_EQ(Slot1.Month, INT_MAX);
    EXPECT_EQ(Slot1.Day, 2);
    EXPECT_EQ(MainObj.SlotEmpty[1], 1);
}

TEST_F(SlotDirectory, StampComesFromTheClockAndLeavesItsTextsInTheScratchFile) {
    std::tm when{};
    when.tm_year = 2007 - 1900;
    when.tm_mon = 8;  // September
    when.tm_mday = 8;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 30;
    SaveLoad::SlotTimeAt(when);
    EXPECT_EQ(SlotMainObj.Month, 9);
    EXPECT_EQ(SlotMainObj.Day, 8);
    EXPECT_EQ(SlotMainObj.Year, 7);
    EXPECT_EQ(SlotMainObj.Hour, 9);
    EXPECT_EQ(SlotMainObj.Minute, 5);
    EXPECT_EQ(ReadWholeFile("Data/Saves/sltime.dat"), std::string("09/08/07\0" "09:05:30\0", 18));

    // A longer scratch file is cut to 18 bytes; a year ending in 00 is 0.
    WriteWholeFile("Data/Saves/sltime.dat", std::string(100, 'z'));
    when.tm_year = 2000 - 1900;
    SaveLoad::SlotTimeAt(when);
    EXPECT_EQ(SlotMainObj.Year, 0);
    EXPECT_EQ(ReadWholeFile("Data/Saves/sltime.dat").size(), 18u);

    // Without a place for the scratch file the stamp is still the clock's.
    std::filesystem::remove_all("Data");
    WriteWholeFile("Data", "a file where the folder should be");
    SaveLoad::SlotTime();
    EXPECT_GE(SlotMainObj.Month, 1);
    EXPECT_LE(SlotMainObj.Month, 12);
    EXPECT_GE(SlotMainObj.Day, 1);
}
