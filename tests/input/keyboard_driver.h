#pragma once
// Presses keys the way the game window delivers them and counts the repaints
// they ask for. Each test starts from the program-start state.

#include <cstring>
#include <string_view>
#include <vector>

#include "input/field_rows.h"
#include "platform/keys.h"
#include "support/paint_fixture.h"

namespace keys {

using namespace platform;
inline constexpr unsigned Digit(int d) { return KEY_0 + static_cast<unsigned>(d); }
inline constexpr unsigned PadDigit(int d) { return KEY_PAD_0 + static_cast<unsigned>(d); }
inline constexpr unsigned Letter(char upper) { return KEY_A + static_cast<unsigned>(upper - 'A'); }
inline constexpr unsigned kF1 = 112;

}  // namespace keys

// Keys reach the game as key-down messages of a headless game window, whose
// procedure hands them to the keyboard with the current screen; the paint
// that a repaint request brings follows before the next message.
class KeyboardTest : public PaintFixture {
protected:
    void SetUp() override {
        PaintFixture::SetUp();
        platform::RunMessages(window);  // the first paint of a freshly shown window
        platform::ResetRepaintRequestCount();
        paintsBefore = window->paints;
    }

    void Press(unsigned key) {
        platform::PostKeyDown(window, key);
        platform::RunMessages(window);
    }

    // Presses the keys spelled by `text`: digits on the main row, "A" to "Z"
    // as letter keys, " " as Space and "<" as Backspace.
    void Type(std::string_view text) {
        for (char c : text) {
            if (c >= '0' && c <= '9') Press(keys::Digit(c - '0'));
            else if (c == ' ') Press(platform::KEY_SPACE);
            else if (c == '<') Press(platform::KEY_BACKSPACE);
            else Press(keys::Letter(c));
        }
    }

    // Repaint requests since the test began or the last reset.
    static long Repaints() { return platform::RepaintRequestCount(); }
    static void ResetRepaints() { platform::ResetRepaintRequestCount(); }
    // Paints the window has made since the test began.
    i32 Paints() const { return window->paints - paintsBefore; }

    // What a click in the field's screen or popup does to its buffer first.
    static void Blank(char* buffer) { std::memset(buffer, ' ', kBufferSize); }

    // Opens `popup` and gives `focus` to one of its fields, as the clicks do.
    static void Focus(i32 popup, i32 focus, char* buffer) {
        MainObj.Popup = popup;
        MainObj.Focus = focus;
        Blank(buffer);
    }

private:
    i32 paintsBefore = 0;
};

// The bytes of every record a key could touch, to show that a key touched
// none of them.
inline std::vector<unsigned char> SnapshotOfRecords() {
    std::vector<unsigned char> bytes;
    auto add = [&bytes](const auto& record) {
        const auto* p = reinterpret_cast<const unsigned char*>(&record);
        bytes.insert(bytes.end(), p, p + sizeof record);
    };
    add(PlayerObj);
    add(PlayerSalesmans);
    add(PlayerScientists);
    add(PlayerTechnicians);
    add(PlayerBank);
    add(PlayerResearch);
    add(PlayerAdvertising);
    add(PlayerFactorySalon);
    add(PlayerCar);
    for (i32 slot = 1; slot <= kModelSlots; ++slot) add(PlayerModel(slot));
    // Of the interface state only what a key may read; the paint keeps its
    // own marks there.
    for (i32 value : {MainObj.Screen, MainObj.Popup, MainObj.Focus}) add(value);
    return bytes;
}
