#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "platform/clock_text.h"
#include "saves/saved_game_support.h"

using namespace saves_test;

namespace {

using SlotDirectory = SavedGameTest;

TEST_F(SlotDirectory, MissingShortZeroMonthAndUnterminatedFiles) {
    Slot2 = SlotStamp{5, 5, 5, 5, 5};  // left from an earlier refresh
    WriteFile(SlotPath(1), StampFields("9", "8", "7", "23", "59") + std::string(900, 'x'));
    WriteFile(SlotPath(3), StampFields("12", "31", "0", "0", "1").substr(0, 30));
    WriteFile(SlotPath(4), StampFields("0", "1", "2", "3", "4"));
    SaveLoad::Check();
    ExpectStamp(Slot1, 9, 8, 7, 23, 59);
    ExpectStamp(Slot2, 0, 0, 0, 0, 0);   // missing: zeros, and the files after it are still read
    ExpectStamp(Slot3, 12, 31, 0, 0, 0);  // 30 bytes: month and day
    ExpectStamp(Slot4, 0, 1, 2, 3, 4);    // month "0": empty, yet the rest is read
    const i32 empty[4] = {0, 1, 0, 1};
    for (int s = 0; s < 4; ++s) EXPECT_EQ(MainObj.SlotEmpty[s], empty[s]) << s;

    // A file deleted or emptied counts at the next refresh. Fields without
    // a NUL are read within their own fifteen bytes.
    std::filesystem::remove(SlotPath(1));
    WriteFile(SlotPath(3), "");
    WriteFile(SlotPath(2), std::string(kFieldSize, '1') + StampFields("2", "3", "4", "5", "6"));
    WriteFile(SlotPath(4), std::string(kFieldSize + 60, ' '));
    SaveLoad::Check();
    EXPECT_EQ(MainObj.SlotEmpty[0], 1);
    EXPECT_EQ(MainObj.SlotEmpty[2], 1);
    EXPECT_EQ(MainObj.SlotEmpty[3], 1);
    EXPECT_EQ(Slot2.Month, INT_MAX);
    EXPECT_EQ(Slot2.Day, 2);
}

TEST_F(SlotDirectory, StampComesFromTheClockAndLeavesItsTextsInTheScratchFile) {
    std::tm when = Moment(2007, 9, 8, 9, 5, 30);
    ASSERT_TRUE(SaveLoad::Save(1, when));
    ExpectStamp(SlotMainObj, 9, 8, 7, 9, 5);
    EXPECT_EQ(ReadFile("Data/Saves/sltime.dat"), std::string("09/08/07\0" "09:05:30\0", 18));

    // A longer scratch file is cut to 18 bytes; a year ending in 00 is 0.
    WriteFile("Data/Saves/sltime.dat", std::string(100, 'z'));
    when.tm_year = 2000 - 1900;
    ASSERT_TRUE(SaveLoad::Save(1, when));
    EXPECT_EQ(SlotMainObj.Year, 0);
    EXPECT_EQ(ReadFile("Data/Saves/sltime.dat").size(), 18u);

    // The game's own saves take the clock's minute: the one before the save,
    // or the one after should the minute turn meanwhile.
    const std::tm before = platform::LocalNow();
    ASSERT_TRUE(SaveLoad::Save(1));
    const std::tm after = platform::LocalNow();
    const auto minute = [](const std::tm& t) {
        return std::array{t.tm_mon + 1, t.tm_mday, t.tm_year % 100, t.tm_hour, t.tm_min};
    };
    const std::array stamp{SlotMainObj.Month, SlotMainObj.Day, SlotMainObj.Year, SlotMainObj.Hour, SlotMainObj.Minute};
    EXPECT_TRUE(stamp == minute(before) || stamp == minute(after));
}

}  // namespace
