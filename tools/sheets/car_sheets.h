#pragma once
// Sheets of cars, each put together from its front, middle and rear pieces
// by the game's design painter and cut from the design screen around the
// car box.

#include "sheets/sheet_output.h"

namespace sheets {

// Two overviews: every body type in every era it has pictures for, and
// every body type's three choices of each piece in the last era.
bool WriteCarOverviews(const Output& out);

// One sheet per body type and era with all 27 choices of front, middle and
// rear: a row for each front and middle, a column for each rear.
bool WriteCarChoices(const Output& out);

}  // namespace sheets
