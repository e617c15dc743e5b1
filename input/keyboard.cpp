// The key dispatch: sorts a virtual-key code into the handful of keys the
// game knows, leaves the intro screen on Escape and Space, and otherwise runs
// the one typed field the key reaches.

#include <algorithm>

#include "input/field_rows.h"
#include "input/keyboard.h"
#include "platform/number_text.h"
#include "presentation/interface_state.h"

namespace {

enum class KeyKind : unsigned char { Backspace, Escape, Space, Digit, Letter };

// The keys the game handles, by virtual-key code; the character a key types
// is `first` plus its distance from the range's first code. Every other code
// does nothing.
struct KeyRange {
    unsigned int from;
    unsigned int to;
    KeyKind kind;
    char first;
};

constexpr KeyRange kKeys[] = {
    {8, 8, KeyKind::Backspace, ' '},
    {27, 27, KeyKind::Escape, ' '},
    {32, 32, KeyKind::Space, '_'},   // a typed space is "_": a space means an empty cell
    {48, 57, KeyKind::Digit, '0'},   // main row
    {65, 90, KeyKind::Letter, 'a'},  // always lower case
    {96, 105, KeyKind::Digit, '0'},  // numeric keypad
};

unsigned KeysOfKind(KeyKind kind) {
    switch (kind) {
    case KeyKind::Backspace: return kBackspaceKey;
    case KeyKind::Digit: return kDigitKeys;
    case KeyKind::Space:
    case KeyKind::Letter: return kNameKeys;
    case KeyKind::Escape: break;
    }
    return 0;
}

bool IsCurrent(const FieldWhere& where, int screen) {
    const i32 place = where.place == FieldPlace::Screen ? screen : MainObj.Popup;
    return place >= where.first && place <= where.last;
}

const FieldRow* FieldReachedBy(KeyKind kind, int screen) {
    const unsigned keys = KeysOfKind(kind);
    for (const FieldRow& row : TypedFields())
        if ((row.keys & keys) != 0 && row.focus == MainObj.Focus && IsCurrent(row.where, screen))
            return &row;
    return nullptr;
}

// The buffer's leading digits as a number; a buffer without digits reads 0,
// and more digits than 32 bits hold read as the largest number, never as a
// wrapped one.
i32 TypedNumber(const char* buffer) {
    return std::max<i32>(0, platform::ParseInteger(buffer, kBufferSize));
}

// Edit the buffer, then for a numeric field store the whole buffer's number
// and limit it. This runs also when the buffer was full or empty and did not
// change: the limits may read values that changed since the last key.
void TypeInto(const FieldRow& row, platform::Window* window, KeyKind kind, char character) {
    char* buffer = row.buffer();
    if (kind == KeyKind::Backspace)
        Keyboard::DeleteCharInBuffer(window, buffer, row.lastIndex);
    else
        Keyboard::SetCharInBuffer(window, character, buffer, row.lastIndex);

    if (i32* field = row.bound != nullptr ? row.bound() : nullptr) {
        const i32 before = *field;
        *field = TypedNumber(buffer);
        if (row.limit != nullptr) row.limit(*field, before);
    }
    if (row.repaints) platform::RequestRepaint(window);
}

}  // namespace

void Keyboard::keyboard(platform::Window* window, unsigned int key, int screen) {
    const auto range = std::find_if(std::begin(kKeys), std::end(kKeys),
                                    [key](const KeyRange& r) { return key >= r.from && key <= r.to; });
    if (range == std::end(kKeys)) return;
    const KeyKind kind = range->kind;

    if ((kind == KeyKind::Escape || kind == KeyKind::Space) && screen == SCREEN_INTRO) {
        MainObj.Screen = SCREEN_MENU;
        platform::RequestRepaint(window);
        return;
    }
    if (const FieldRow* row = FieldReachedBy(kind, screen))
        TypeInto(*row, window, kind, static_cast<char>(range->first + (key - range->from)));
}
