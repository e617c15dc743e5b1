#pragma once
// The date and time of a save: the stamp of the save being written and the
// slot directory that the save and load screens show.

#include <array>

#include "model/records.h"

struct SlotStamp {
    i32 Month;    // 1..12; 0 read from a slot file marks the slot empty
    i32 Day;      // 1..31
    i32 Year;     // last two digits of the year
    i32 Hour;     // 0..23
    i32 Minute;   // 0..59
};

// The directory: the stamps read from slot files 1..4 at the last refresh.
extern SlotStamp Slot1, Slot2, Slot3, Slot4;
// The stamp of the latest save, written at the head of its slot file.
extern SlotStamp SlotMainObj;

inline constexpr i32 kStampFields = 5;

// The stamp's fields in the order in which a slot file holds them.
constexpr std::array<i32*, kStampFields> StampFieldsInFileOrder(SlotStamp& stamp) {
    return {&stamp.Month, &stamp.Day, &stamp.Year, &stamp.Hour, &stamp.Minute};
}

// Directory entry of slot 1..4.
SlotStamp& SlotDirectoryEntry(i32 slot);
