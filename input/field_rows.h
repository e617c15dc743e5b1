#pragma once
// Every typed field of the game as one row of data: where the field lives,
// the keys it takes, its buffer and last usable cell, the record field its
// number goes to and the limits that number gets. One routine in the
// keyboard runs whichever row a key reaches.

#include <span>

#include "model/records.h"

// Where a field lives: on a screen (tested against the screen the key
// arrived with) or in a popup (tested against MainObj.Popup, on any screen).
enum class FieldPlace : unsigned char { Screen, Popup };

struct FieldWhere {
    FieldPlace place;
    i32 first;                 // ScreenId or PopupId range
    i32 last;
};

// The keys a field takes, as bits.
enum FieldKeys : unsigned {
    kDigitKeys = 1u << 0,      // both rows of digit keys
    kBackspaceKey = 1u << 1,
    kNameKeys = 1u << 2,       // letters and Space: names only
};

struct FieldRow {
    i32 focus;                 // FocusId that selects the field
    FieldWhere where;          // the field takes keys only there
    unsigned keys;             // FieldKeys
    char* (*buffer)();         // where the characters go
    i32 lastIndex;             // last cell the field may use
    // The record field the typed number goes to; null for a name (the name is
    // its own value), and returning null while there is nothing to store into.
    i32* (*bound)();
    // The field's limits, in order, on the number just stored; `before` is
    // what the field held before the key. Null: the number stands as typed.
    void (*limit)(i32& value, i32 before);
    bool repaints;             // asks for a repaint after every key it takes
};

// All typed fields. Their focus values differ and no two of them can be
// current together, so a key reaches at most one row.
std::span<const FieldRow> TypedFields();

// Limits of the typed fields alone, named for the tests. What a record may
// hold at all (staff of a kind and their wage, a region's salons and people,
// the bank's amounts, a campaign's amount, a price) is defined beside the
// record in model/records.h.
inline constexpr i32 kMostHiredAtOnce = 90;
// The largest number `cells` digit cells spell.
constexpr i32 AllNines(i32 cells) { return cells == 0 ? 0 : AllNines(cells - 1) * 10 + 9; }
inline constexpr i32 kPriceCells = 4;   // a price field's digit cells
static_assert(AllNines(kPriceCells) == kHighestPrice);
