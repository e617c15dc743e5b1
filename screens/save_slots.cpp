// The four rows of the save and load screens: each slot's date and time as
// "dd/mm/yy hh:mm", read afresh from the slot files at every paint.

#include <cstring>

#include "platform/number_text.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "saves/save_load.h"

namespace {

constexpr i32 kRowCells = 14;

// Two characters of a stamp value: a value of 9 or less (negative ones too)
// gets a leading zero before its first character; a larger one shows its
// first two digits.
void PutTwo(char* out, i32 value) {
    char text[platform::kIntegerTextMax + 1];
    platform::FormatInteger(value, text, sizeof text);
    if (value <= 9) {
        out[0] = '0';
        out[1] = text[0];
    } else {
        out[0] = text[0];
        out[1] = text[1];
    }
}

// Day, month, year, hour and minute, joined by '/', '/', '_' (no glyph: an
// empty cell) and ':'.
void BuildRow(const SlotStamp& stamp, char (&row)[kRowCells]) {
    std::memset(row, ' ', sizeof row);
    const i32 values[] = {stamp.Day, stamp.Month, stamp.Year, stamp.Hour, stamp.Minute};
    const char joins[] = {'/', '/', '_', ':'};
    char* at = row;
    for (i32 i = 0; i < 5; ++i) {
        PutTwo(at, values[i]);
        at += 2;
        if (i < 4) *at++ = joins[i];
    }
}

}  // namespace

void Paint::DrawSaveSlots(platform::Canvas& canvas) {
    SaveLoad::Check();
    for (i32 slot = 1; slot <= kSaveSlots; ++slot) {
        char row[kRowCells];
        BuildRow(SlotDirectoryEntry(slot), row);
        DrawText(canvas, TextAt(TEXT_SLOT_ROW_1 + slot - 1), row);
    }
}
