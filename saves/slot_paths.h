#pragma once
// Where the saved games live, relative to the working directory.

#include "model/records.h"

// "Data/Saves/slot1.sav" .. "Data/Saves/slot4.sav"; nullptr for any other
// slot number.
const char* SlotFilePath(i32 slot);

// Holds the date and time texts of the latest save (18 bytes).
inline constexpr const char* kStampScratchPath = "Data/Saves/sltime.dat";
