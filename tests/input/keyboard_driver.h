#pragma once
// Presses keys the way the game window delivers them and counts the repaints
// they ask for. Each test starts from the program-start state.

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "input/field_rows.h"
#include "input/keyboard.h"
#include "model/records.h"
#include "presentation/interface_state.h"

namespace keys {

inline constexpr unsigned kBackspace = 8;
inline constexpr unsigned kEscape = 27;
inline constexpr unsigned kSpace = 32;
inline constexpr unsigned kEnter = 13;
inline constexpr unsigned kTab = 9;
inline constexpr unsigned kLeftArrow = 37;
inline constexpr unsigned kDelete = 46;
inline constexpr unsigned kF1 = 112;
inline constexpr unsigned Digit(int d) { return 48u + static_cast<unsigned>(d); }
inline constexpr unsigned PadDigit(int d) { return 96u + static_cast<unsigned>(d); }
inline constexpr unsigned Letter(char upper) { return static_cast<unsigned>(upper); }

}  // namespace keys

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAllRecords();
        ResetInterfaceState();
        ResetRepaintRequestCount();
    }

    // One key-down message on the current screen.
    void Press(unsigned key) { Keyboard::keyboard(nullptr, key, MainObj.Screen); }

    // Presses the keys spelled by `text`: digits on the main row, "A" to "Z"
    // as letter keys, " " as Space and "<" as Backspace.
    void Type(std::string_view text) {
        for (char c : text) {
            if (c >= '0' && c <= '9') Press(keys::Digit(c - '0'));
            else if (c == ' ') Press(keys::kSpace);
            else if (c == '<') Press(keys::kBackspace);
            else Press(keys::Letter(c));
        }
    }

    long Repaints() const { return RepaintRequestCount(); }

    // What a click in the field's screen or popup does to its buffer first.
    static void Blank(char* buffer) { std::memset(buffer, ' ', kBufferSize); }

    // Opens `popup` and gives `focus` to one of its fields, as the clicks do.
    static void Focus(i32 popup, i32 focus, char* buffer) {
        MainObj.Popup = popup;
        MainObj.Focus = focus;
        Blank(buffer);
    }
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
    add(MainObj);
    return bytes;
}
