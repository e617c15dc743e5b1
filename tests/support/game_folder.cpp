#include "support/game_folder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "model/records.h"
#include "platform/random.h"
#include "presentation/interface_state.h"
#include "saves/slot_stamp.h"

namespace fs = std::filesystem;

void ResetGameState() {
    ResetAllRecords();
    ResetInterfaceState();
    for (SlotStamp* stamp : {&Slot1, &Slot2, &Slot3, &Slot4, &SlotMainObj}) *stamp = SlotStamp{};
    platform::ResetRandom();
}

GameFolder::GameFolder(Contents contents) : previous_(fs::current_path().string()) {
    std::string pattern = (fs::temp_directory_path() / "velmara-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    if (contents == WithDataFiles) {
        fs::create_directories(fs::path(root_) / "Data" / "Saves");
        for (const auto& entry : fs::directory_iterator(fs::path(VELMARA_SOURCE_DIR) / "data"))
            if (entry.path().extension() == ".dat")
                fs::copy_file(entry.path(), fs::path(root_) / "Data" / entry.path().filename());
    }
    fs::current_path(root_);
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(root_, ignored);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
