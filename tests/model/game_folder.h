#pragma once
// A private working folder for a test that touches the data files: a fresh
// temporary directory with a Data folder holding copies of the game's data
// files. The test process moves into it and back out at the end, so tests
// that run in parallel never share (or rewrite) build/Data.

#include <string>

class GameFolder {
public:
    GameFolder();  // copies every data file
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // Data/<name> inside the folder.
    std::string DataPath(const std::string& name) const;
    void WriteData(const std::string& name, const std::string& bytes) const;
    std::string ReadData(const std::string& name) const;
    void RemoveData(const std::string& name) const;

private:
    std::string previous_;
    std::string root_;
};
