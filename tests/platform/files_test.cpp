#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/game_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const char* folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The number of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A replace clears the temporary files its target's earlier replaces left
// when they were killed, and only those: not the ones of a process still
// running (pid 1 always is), unless they are hours old, nor those of other
// files or of names it never makes.
TEST(ReplaceFile, ClearsTheLeftoversOfKilledReplacesOfItsTarget) {
    GameFolder folder(GameFolder::Empty);
    fs::create_directory("Saves");
    const std::string gone = std::to_string(EndedProcess());
    const std::vector<std::string> kept = {
        "notes.txt", "slot1.sav.1.4.tmp", "slot1.sav.tmp", "slot1.sav." + gone + ".x.tmp",
        "slot1.sav." + gone + ".3.tmp~", "slot2.sav." + gone + ".3.tmp",
    };
    for (const std::string& name : kept) WriteFile("Saves/" + name, "x");
    WriteFile("Saves/slot1.sav." + gone + ".3.tmp", std::string(20000, 'h'));
    WriteFile("Saves/slot1.sav.1.9.tmp", "old");
    fs::last_write_time("Saves/slot1.sav.1.9.tmp", fs::file_time_type::clock::now() - std::chrono::hours(2));

    ASSERT_TRUE(platform::ReplaceFile("Saves/slot1.sav", "new", 3));
    std::vector<std::string> expected = kept;
    expected.push_back("slot1.sav");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries("Saves"), expected);
    EXPECT_EQ(ReadFile("Saves/slot1.sav"), "new");
}

}  // namespace
