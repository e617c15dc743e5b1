// Odd entries beside the slot files: links, FIFOs, folders and shared files
// where the game expects its own plain files. None of them may make the game
// wait, write into a file that is not its own, or pass for a saved game.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "saves/saved_game_support.h"

using namespace saves_test;
namespace fs = std::filesystem;

namespace {

using SavesFolderEntries = SavedGameTest;

constexpr const char* kScratch = "Data/Saves/sltime.dat";

void FillValidGame(unsigned seed) {
    FillEveryRecord(seed);
    MakePlayerValuesValid();
}

mode_t TypeOf(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

mode_t PermissionsOf(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The slot's stamp as the directory reads it equals the stamp of the latest
// save.
void ExpectSlotHoldsTheLatestStamp(i32 slot) {
    SaveLoad::Check();
    SCOPED_TRACE("slot " + std::to_string(slot));
    EXPECT_EQ(MainObj.SlotEmpty[slot - 1], 0);
    ExpectStamp(SlotDirectoryEntry(slot), SlotMainObj.Month, SlotMainObj.Day, SlotMainObj.Year, SlotMainObj.Hour,
                SlotMainObj.Minute);
}

// A link, a second name, a FIFO or a folder in the scratch file's place is
// left as it is, the file behind it too, and the save goes on with the
// stamp taken from the clock.
TEST_F(SavesFolderEntries, TheStampTextsGoOnlyIntoAPlainFileOfTheGames) {
    const std::string notes(100, 'n');
    WriteFile("Data/notes.txt", notes);
    fs::create_symlink("../notes.txt", kScratch);
    const std::tm when = Moment(2011, 3, 4, 17, 45, 0);
    FillValidGame(41);
    ASSERT_TRUE(SaveLoad::Save(1, when));
    ExpectStamp(SlotMainObj, 3, 4, 11, 17, 45);
    ExpectSlotHoldsTheLatestStamp(1);
    EXPECT_EQ(TypeOf(kScratch), static_cast<mode_t>(S_IFLNK));
    EXPECT_EQ(ReadFile("Data/notes.txt"), notes);

    fs::remove(kScratch);
    fs::create_hard_link("Data/notes.txt", kScratch);
    ASSERT_TRUE(SaveLoad::Save(2));
    ExpectSlotHoldsTheLatestStamp(2);
    EXPECT_EQ(ReadFile("Data/notes.txt"), notes);

    // A FIFO someone reads gets nothing; one nobody reads keeps no save
    // waiting.
    fs::remove(kScratch);
    ASSERT_EQ(::mkfifo(kScratch, 0644), 0);
    const int reader = ::open(kScratch, O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(SaveLoad::Save(3));
    char got[32];
    EXPECT_LE(::read(reader, got, sizeof got), 0);
    ::close(reader);
    ASSERT_TRUE(SaveLoad::Save(4));
    ExpectSlotHoldsTheLatestStamp(4);
    EXPECT_EQ(TypeOf(kScratch), static_cast<mode_t>(S_IFIFO));

    fs::remove(kScratch);
    fs::create_directory(kScratch);
    ASSERT_TRUE(SaveLoad::Save(1));
    ExpectSlotHoldsTheLatestStamp(1);

    // Once the odd entry is gone the texts are written again.
    fs::remove(kScratch);
    ASSERT_TRUE(SaveLoad::Save(1, when));
    EXPECT_EQ(ReadFile(kScratch), std::string("03/04/11\0" "17:45:00\0", 18));
}

// A FIFO, link or folder in a slot's place reads as an empty slot at once,
// even a FIFO holding what looks like a stamp or a link to a whole game,
// and a load refuses it and changes nothing.
TEST_F(SavesFolderEntries, AnythingButAPlainFileInASlotsPlaceIsAnEmptySlot) {
    FillValidGame(42);
    ASSERT_TRUE(SaveLoad::Save(1));
    fs::rename(SlotPath(1), "Data/elsewhere.sav");
    ASSERT_EQ(::mkfifo(SlotPath(1).c_str(), 0644), 0);  // nobody writes into it
    ASSERT_EQ(::mkfifo(SlotPath(2).c_str(), 0644), 0);
    const int writer = ::open(SlotPath(2).c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const std::string head = StampFields("9", "8", "7", "6", "5");
    ASSERT_EQ(::write(writer, head.data(), head.size()), static_cast<ssize_t>(head.size()));
    fs::create_symlink("../elsewhere.sav", SlotPath(3));
    fs::create_directory(SlotPath(4));

    Slot2 = SlotStamp{5, 5, 5, 5, 5};  // left from an earlier refresh
    SaveLoad::Check();
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(MainObj.SlotEmpty[slot - 1], 1);
        ExpectStamp(SlotDirectoryEntry(slot), 0, 0, 0, 0, 0);
    }

    FillValidGame(43);
    const std::string running = Snapshot();
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) EXPECT_FALSE(SaveLoad::Load(slot)) << "slot " << slot;
    EXPECT_TRUE(Snapshot() == running);
    char left[sizeof "9"];
    EXPECT_EQ(::read(writer, left, 1), 1);  // nothing was taken from the FIFO
    EXPECT_EQ(left[0], '9');
    ::close(writer);
}

// A save puts its game in place of a FIFO or a link, leaving the file the
// link led to alone. A folder in the slot's place stays with all it holds
// and the save fails, without a file left behind or changed, the scratch
// file and the stamp of the latest save included; the slot stays chosen.
TEST_F(SavesFolderEntries, ASaveReplacesAFifoOrLinkAndRefusesAFolder) {
    FillValidGame(44);
    ASSERT_TRUE(SaveLoad::Save(1));
    fs::rename(SlotPath(1), "Data/elsewhere.sav");
    const std::string elsewhere = ReadFile("Data/elsewhere.sav");
    ASSERT_EQ(::mkfifo(SlotPath(1).c_str(), 0644), 0);
    fs::create_symlink("../elsewhere.sav", SlotPath(3));
    fs::create_directory(SlotPath(4));
    WriteFile(SlotPath(4) + "/keep.txt", "kept");

    FillValidGame(45);
    for (i32 slot : {1, 3}) {
        ASSERT_TRUE(SaveLoad::Save(slot, Moment(2011, 3, 4, 17, 45, 6))) << "slot " << slot;
        EXPECT_EQ(TypeOf(SlotPath(slot)), static_cast<mode_t>(S_IFREG)) << "slot " << slot;
        ExpectSlotHoldsTheLatestStamp(slot);
    }
    EXPECT_EQ(ReadFile("Data/elsewhere.sav"), elsewhere);
    FillValidGame(46);
    ASSERT_TRUE(SaveLoad::Load(3));
    EXPECT_EQ(PlayerObj.Cash, -1234567.5 - 45);  // the game saved, not the one the link led to

    const std::string scratch = ReadFile(kScratch);
    ASSERT_EQ(scratch, std::string("03/04/11\0" "17:45:06\0", 18));
    const std::string elsewhereNow = ReadFile("Data/elsewhere.sav");
    MainObj.Focus = FOCUS_SLOT_4;
    EXPECT_FALSE(SaveLoad::Save(4));
    EXPECT_EQ(MainObj.Focus, FOCUS_SLOT_4);
    EXPECT_EQ(ReadFile(kScratch), scratch);
    ExpectStamp(SlotMainObj, 3, 4, 11, 17, 45);
    EXPECT_EQ(ReadFile("Data/elsewhere.sav"), elsewhereNow);
    EXPECT_EQ(FolderEntries(SlotPath(4).c_str()), std::vector<std::string>{"keep.txt"});
    EXPECT_EQ(ReadFile(SlotPath(4) + "/keep.txt"), "kept");
    EXPECT_EQ(FolderEntries("Data/Saves"),
              (std::vector<std::string>{"slot1.sav", "slot3.sav", "slot4.sav", "sltime.dat"}));
}

// The slot file keeps the permission bits the player gave it, also those
// the creation mask would take away; a new slot file gets the usual ones.
TEST_F(SavesFolderEntries, ASaveKeepsTheSlotFilesPermissionBits) {
    const mode_t mask = ::umask(022);
    FillValidGame(47);
    EXPECT_TRUE(SaveLoad::Save(1));
    EXPECT_EQ(PermissionsOf(SlotPath(1)), 0644u);
    for (mode_t bits : {0600u, 0640u, 0666u, 0604u}) {
        ASSERT_EQ(::chmod(SlotPath(1).c_str(), bits), 0);
        EXPECT_TRUE(SaveLoad::Save(1));
        EXPECT_EQ(PermissionsOf(SlotPath(1)), bits);
    }
    ::umask(mask);
}

}  // namespace
