#pragma once
// The two halves of taking a save's stamp from the clock, for the save
// itself: it keeps the stamp, and leaves the texts in the scratch file, only
// once its slot file is in place, so that a save that fails changes nothing.

#include <ctime>

// Sets SlotMainObj to the moment `when`.
void TakeStampAt(const std::tm& when);

// Leaves the date and time texts of `when` in the scratch file
// Data/Saves/sltime.dat when that is a plain file of the game's (or
// missing); anything else in its place is left alone.
void LeaveStampTextsAt(const std::tm& when);
