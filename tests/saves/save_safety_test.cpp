// Saves that meet other programs: a second game saving into the same folder
// at the same time, and a slot file the player made read-only.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "saves/saved_game_support.h"
#include "saves/slot_image.h"

using namespace saves_test;

namespace {

using SaveSafety = SavedGameTest;

// The slot file of a valid game of `seed`, without its stamp, which follows
// the clock.
std::string GameBody(unsigned seed) {
    FillEveryRecord(seed);
    MakePlayerValuesValid();
    static char image[kSlotFileSize];
    WriteSlotImage(image);
    return std::string(image + kStampFields * kFieldSize, image + kSlotFileSize);
}

bool HoldsGame(const std::string& file, const std::string& body) {
    return file.size() == kSlotFileSize && file.compare(kStampFields * kFieldSize, std::string::npos, body) == 0;
}

bool IsWholeGame(const std::string& file, const std::vector<std::string>& bodies) {
    return std::any_of(bodies.begin(), bodies.end(), [&](const std::string& body) { return HoldsGame(file, body); });
}

// The slot file in one read, a byte more than a game if it is that long.
std::string ReadSlot(i32 slot) {
    static char bytes[kSlotFileSize + 1];
    const long got = platform::ReadFilePrefix(SlotPath(slot).c_str(), bytes, sizeof bytes);
    return std::string(bytes, static_cast<std::size_t>(got < 0 ? 0 : got));
}

// A game of `seed` in a process of its own that saves into slots 1 to 4 in
// turn, `saves` times (for ever when negative). It exits with 0 when every
// save said it succeeded.
pid_t StartSavingGame(unsigned seed, int saves) {
    const pid_t game = ::fork();
    if (game != 0) return game;
    (void)GameBody(seed);
    bool saved = true;
    for (int n = 0; saves < 0 || n < saves; ++n)
        saved = SaveLoad::Save(1 + n % kSaveSlots) && saved;
    ::_exit(saved ? 0 : 1);
}

// Reads the four slot files over and over while other games save, counting
// the reads that find no whole game, until `done` says to stop.
struct SlotWatch {
    const std::vector<std::string>& bodies;
    int reads = 0;
    int torn = 0;
    std::string firstTorn;

    template <typename Done>
    void Until(Done done) {
        while (!done()) {
            for (i32 slot = 1; slot <= kSaveSlots; ++slot) {
                const std::string file = ReadSlot(slot);
                ++reads;
                if (!IsWholeGame(file, bodies) && torn++ == 0)
                    firstTorn = "slot " + std::to_string(slot) + ", " + std::to_string(file.size()) + " bytes";
            }
        }
    }
};

// Two games save into slots 1 to 4 over and over, in step, while this
// process keeps reading the slot files; then a third is killed in the middle of its
// saves. Every read finds one of the games whole, every save that ran to
// its end succeeded, and the next saves clear what the killed one left.
TEST_F(SaveSafety, GamesSavingIntoOneFolderNeverTearASlot) {
    constexpr unsigned kSeeds[3] = {21, 22, 23};
    constexpr int kSavesEach = 300;
    const std::vector<std::string> bodies = {GameBody(kSeeds[0]), GameBody(kSeeds[1]), GameBody(kSeeds[2])};
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) ASSERT_TRUE(SaveLoad::Save(slot));  // game 23 everywhere
    SlotWatch watch{bodies, 0, 0, {}};

    const pid_t games[2] = {StartSavingGame(kSeeds[0], kSavesEach), StartSavingGame(kSeeds[1], kSavesEach)};
    ASSERT_TRUE(games[0] > 0 && games[1] > 0);
    int status[2] = {};
    bool ended[2] = {};
    watch.Until([&] {
        for (int g = 0; g < 2; ++g)
            if (!ended[g]) ended[g] = ::waitpid(games[g], &status[g], WNOHANG) == games[g];
        return ended[0] && ended[1];
    });
    for (int g = 0; g < 2; ++g) EXPECT_TRUE(WIFEXITED(status[g]) && WEXITSTATUS(status[g]) == 0) << "game " << g;

    const pid_t killed = StartSavingGame(kSeeds[2], -1);
    ASSERT_GT(killed, 0);
    // Killed once it has saved into every slot, somewhere in its next saves.
    int rounds = 0;
    watch.Until([&] {
        bool everywhere = true;
        for (i32 slot = 1; slot <= kSaveSlots; ++slot)
            everywhere = everywhere && HoldsGame(ReadSlot(slot), bodies[2]);
        return everywhere || ++rounds > 100000;
    });
    EXPECT_LE(rounds, 100000) << "the third game never saved into every slot";
    ::kill(killed, SIGKILL);
    ::waitpid(killed, nullptr, 0);
    EXPECT_EQ(watch.torn, 0) << "of " << watch.reads << " reads; first: " << watch.firstTorn;
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) {
        EXPECT_TRUE(IsWholeGame(ReadFile(SlotPath(slot)), bodies)) << "slot " << slot;
        EXPECT_TRUE(SaveLoad::Save(slot));
    }
    EXPECT_EQ(FolderEntries("Data/Saves"),
              (std::vector<std::string>{"slot1.sav", "slot2.sav", "slot3.sav", "slot4.sav", "sltime.dat"}));
}

// The player's read-only mark on a slot file stands, also for a user the
// system would let write it: the file keeps its game and its mode, the save
// says it failed and the slot stays chosen.
TEST_F(SaveSafety, AReadOnlySlotFileKeepsItsGameAndTheSaveFails) {
    (void)GameBody(31);
    ASSERT_TRUE(SaveLoad::Save(2));
    const std::string previous = ReadFile(SlotPath(2));
    ASSERT_EQ(::chmod(SlotPath(2).c_str(), 0444), 0);

    (void)GameBody(32);
    MainObj.Focus = FOCUS_SLOT_2;
    EXPECT_FALSE(SaveLoad::Save(2));
    EXPECT_EQ(MainObj.Focus, FOCUS_SLOT_2);
    EXPECT_EQ(ReadFile(SlotPath(2)), previous);
    struct stat status {};
    ASSERT_EQ(::stat(SlotPath(2).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    EXPECT_EQ(FolderEntries("Data/Saves"), (std::vector<std::string>{"slot2.sav", "sltime.dat"}));

    // The other slots still take saves, and so does this one once writable.
    EXPECT_TRUE(SaveLoad::Save(3));
    ASSERT_EQ(::chmod(SlotPath(2).c_str(), 0644), 0);
    EXPECT_TRUE(SaveLoad::Save(2));
    EXPECT_TRUE(HoldsGame(ReadFile(SlotPath(2)), GameBody(32)));
}

}  // namespace
