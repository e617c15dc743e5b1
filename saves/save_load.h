#pragma once
// Saved games: four slots, each one file "Data/Saves/slotN.sav" of 2953
// fields of 15 bytes, and the directory of their stamps. No data of its
// own: everything lives in the game's records, the stamps and MainObj.

#include <ctime>

#include "model/records.h"
#include "platform/clock_text.h"
#include "saves/slot_stamp.h"

struct SaveLoad {
    // Reads the stamp of each slot file into Slot1..Slot4 and marks in
    // MainObj.SlotEmpty the slots whose month reads 0. A missing or short
    // file reads as zeros, and so does anything but a plain file in a
    // slot's place (a link, a FIFO, a folder), without waiting on it.
    static void Check();

    // Writes the running game into slot 1..4. The new file replaces the old
    // one only once it is complete on disk, so a failed save leaves the
    // previous save as it was, and two games saving into one folder at once
    // leave each slot holding one whole game; the folder is created when
    // missing. The slot file keeps its permission bits. A read-only slot
    // file is kept and the save fails, and so does a folder in the slot's
    // place; a link or FIFO there is replaced by the new file. A save that
    // succeeded takes the moment `when` into SlotMainObj, leaves its date
    // and time texts in the scratch file Data/Saves/sltime.dat after the
    // slot file is in place (when that is a plain file of the game's, or
    // missing), and clears MainObj.Focus; one that failed leaves all three
    // as they were. Returns whether it succeeded. The game saves at the
    // clock's moment; the tests give theirs.
    static bool Save(i32 slot, const std::tm& when = platform::LocalNow());

    // Restores the game of slot 1..4, reloads the part tables and clears
    // MainObj.Focus. A missing, unreadable or short file, or anything but a
    // plain file, changes nothing and returns false. Bytes past the end of a complete game are ignored.
    static bool Load(i32 slot);
};
