#include "saves/slot_stamp.h"

#include <cassert>
#include <iterator>

SlotStamp Slot1, Slot2, Slot3, Slot4;
SlotStamp SlotMainObj;

SlotStamp& SlotDirectoryEntry(i32 slot) {
    static SlotStamp* const kEntries[] = {&Slot1, &Slot2, &Slot3, &Slot4};
    assert(slot >= 1 && slot <= static_cast<i32>(std::size(kEntries)));
    return *kEntries[slot - 1];
}
