#pragma once
// Test support shared by every folder: the program-start state, and a
// private working folder for tests that read or write files.

#include <gtest/gtest.h>

#include <string>

#include "model/records.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

// Every record, the interface state, the saved-game stamps and the random
// sequence back at their program-start state.
void ResetGameState();

class FreshRecords : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
};

// A fresh temporary directory holding Data/Saves and copies of the game's
// data files (or nothing at all, for a game started without its Data
// folder). The test process moves into it and back out at the end, so tests
// never share or rewrite build/Data and may run side by side.
class GameFolder {
public:
    enum Contents { WithDataFiles, Empty };
    explicit GameFolder(Contents contents = WithDataFiles);
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

private:
    std::string previous_;
    std::string root_;
};

// Whole files, by path relative to the working directory.
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
