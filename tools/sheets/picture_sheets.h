#pragma once
// Sheets of the small pictures of the game's loaded catalogue: the glyphs
// of the five fonts magnified, the part icons, the body type pictures, and
// the program icon and pointers as the generator draws them.

#include "sheets/sheet_output.h"

namespace sheets {

bool WritePictureSheets(const Output& out);

}  // namespace sheets
