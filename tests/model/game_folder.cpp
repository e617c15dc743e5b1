#include "model/game_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

GameFolder::GameFolder() : previous_(fs::current_path().string()) {
    std::string pattern = (fs::temp_directory_path() / "velmara-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    fs::create_directories(fs::path(root_) / "Data" / "Saves");
    for (const auto& entry : fs::directory_iterator(fs::path(VELMARA_SOURCE_DIR) / "data"))
        if (entry.path().extension() == ".dat")
            fs::copy_file(entry.path(), fs::path(root_) / "Data" / entry.path().filename());
    fs::current_path(root_);
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(root_, ignored);
}

std::string GameFolder::DataPath(const std::string& name) const { return root_ + "/Data/" + name; }

void GameFolder::WriteData(const std::string& name, const std::string& bytes) const {
    std::ofstream(DataPath(name), std::ios::binary | std::ios::trunc) << bytes;
}

std::string GameFolder::ReadData(const std::string& name) const {
    std::ifstream in(DataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void GameFolder::RemoveData(const std::string& name) const { fs::remove(DataPath(name)); }
