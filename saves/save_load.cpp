// Saving and loading a whole game.
#include "saves/save_load.h"

#include "model/part_tables.h"
#include "platform/files.h"
#include "presentation/interface_state.h"
#include "saves/loaded_game_limits.h"
#include "saves/slot_image.h"
#include "saves/slot_paths.h"
#include "saves/slot_time.h"

namespace {

// One image serves every save and load: the game runs on one thread and
// allocates nothing while it plays.
char gSlotImage[kSlotFileSize];

}  // namespace

bool SaveLoad::Save(i32 slot, const std::tm& when) {
    const char* path = SlotFilePath(slot);
    if (path == nullptr) return false;
    // The slot file goes first: until it is in place nothing else changes,
    // neither the stamp of the latest save nor the scratch file.
    const SlotStamp latest = SlotMainObj;
    TakeStampAt(when);
    WriteSlotImage(gSlotImage);
    if (!platform::ReplaceFile(path, gSlotImage, sizeof gSlotImage)) {
        SlotMainObj = latest;
        return false;
    }
    LeaveStampTextsAt(when);
    MainObj.Focus = FOCUS_NONE;
    return true;
}

bool SaveLoad::Load(i32 slot) {
    const char* path = SlotFilePath(slot);
    if (path == nullptr) return false;
    // The whole game is read and checked for length before any record
    // changes, so a bad file never leaves a game half loaded.
    const long got = platform::ReadOwnFilePrefix(path, gSlotImage, sizeof gSlotImage);
    if (got != static_cast<long>(sizeof gSlotImage)) return false;
    ReadSlotImage(gSlotImage);
    LoadPartCosts();
    LoadPartRates();
    KeepLoadedGameInRange();
    MainObj.Focus = FOCUS_NONE;
    return true;
}
