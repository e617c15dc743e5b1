#pragma once
// The screen sheets: every screen and popup of the game, each painted by
// the game itself from the sample company and an interface state of its own.

#include "sheets/sheet_output.h"

namespace sheets {

// Writes one PNG file per entry of the table. False when a file could not
// be written or an entry's popup, highlight frame or caption did not show:
// then the entry asks for something its screen does not draw.
bool WriteScreenSheets(const Output& out);

}  // namespace sheets
