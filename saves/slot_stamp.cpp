#include "saves/slot_stamp.h"

#include <cassert>

SlotStamp Slot1, Slot2, Slot3, Slot4;
SlotStamp SlotMainObj;

SlotStamp& SlotDirectoryEntry(i32 slot) {
    static SlotStamp* const kEntries[] = {&Slot1, &Slot2, &Slot3, &Slot4};
    assert(slot >= 1 && slot <= 4);
    return *kEntries[slot - 1];
}
