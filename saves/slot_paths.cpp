#include "saves/slot_paths.h"

#include "presentation/interface_state.h"

namespace {

constexpr const char* kSlotFilePaths[kSaveSlots] = {
    "Data/Saves/slot1.sav",
    "Data/Saves/slot2.sav",
    "Data/Saves/slot3.sav",
    "Data/Saves/slot4.sav",
};

}  // namespace

const char* SlotFilePath(i32 slot) {
    if (slot < 1 || slot > kSaveSlots) return nullptr;
    return kSlotFilePaths[slot - 1];
}
