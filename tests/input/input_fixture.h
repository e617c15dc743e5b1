#pragma once
// Drives the game the way its window does: pointer moves, presses and
// key-downs go through the window procedure of a headless game window, and
// the paint that input asks for follows before the next input. Each test
// starts from the program-start state.

#include <cstring>
#include <string_view>
#include <vector>

#include "input/field_rows.h"
#include "input/mouse.h"
#include "platform/keys.h"
#include "presentation/layout.h"
#include "support/paint_fixture.h"

namespace keys {

using namespace platform;
inline constexpr unsigned Digit(int d) { return KEY_0 + static_cast<unsigned>(d); }
inline constexpr unsigned PadDigit(int d) { return KEY_PAD_0 + static_cast<unsigned>(d); }
inline constexpr unsigned Letter(char upper) { return KEY_A + static_cast<unsigned>(upper - 'A'); }
inline constexpr unsigned kF1 = 112;

}  // namespace keys

struct InputTest : PaintFixture {
    void SetUp() override {
        PaintFixture::SetUp();
        platform::RunMessages(window);  // the first paint of a freshly shown window
        platform::ResetRepaintRequestCount();
        paintsBefore = window->paints;
    }

    // A pointer move, handled at once; the paint it asks for waits.
    void Move(i32 x, i32 y) {
        platform::SendWindowMessage(window, platform::MESSAGE_MOUSE_MOVE, 0, platform::PackPosition(x, y));
    }

    // A left press, handled at once. Where it lies does not matter: the
    // click map tests the position of the last move.
    void PressButton(i32 x = 0, i32 y = 0) {
        platform::SendWindowMessage(window, platform::MESSAGE_LEFT_BUTTON_DOWN, 0, platform::PackPosition(x, y));
    }

    // Move, press, then the paint the click asked for.
    void Click(i32 x, i32 y) {
        Move(x, y);
        PressButton(x, y);
        platform::RunMessages(window);
    }

    static Rect Box(i32 control, i32 row) { return ControlAt(control + row).Box; }

    // A click in the middle of a control of the layout table (row `row` of a family).
    void ClickOn(i32 control, i32 row = 0) {
        const Rect box = Box(control, row);
        Click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    }

    // Repaints asked for by one press at (x, y) or on a control.
    long RepaintsOfPressAt(i32 x, i32 y) {
        Move(x, y);
        platform::ResetRepaintRequestCount();
        PressButton(x, y);
        const long asked = platform::RepaintRequestCount();
        platform::RunMessages(window);
        return asked;
    }
    long RepaintsOfPressOn(i32 control, i32 row = 0) {
        const Rect box = Box(control, row);
        return RepaintsOfPressAt((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    }

    // Shows a game screen (and popup) as if it had just been painted.
    void Show(i32 screen, i32 popup = POPUP_NONE) {
        MainObj.Screen = screen;
        MainObj.Popup = popup;
        MainObj.GameInProgress = 1;
        platform::RequestRepaint(window);
        platform::RunMessages(window);
    }

    // A key-down and the paint it asks for.
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

    // The value after each key of `text`.
    template <class T>
    std::vector<T> Track(std::string_view text, const T& value) {
        std::vector<T> seen;
        for (char c : text) {
            Type(std::string_view(&c, 1));
            seen.push_back(value);
        }
        return seen;
    }

    // Repaint requests since the test began or the last reset.
    static long Repaints() { return platform::RepaintRequestCount(); }
    static void ResetRepaints() { platform::ResetRepaintRequestCount(); }
    // Paints the window has made since the test began.
    i32 Paints() const { return window->paints - paintsBefore; }

    // What a click in the field's screen or popup does to its buffer first.
    static void Blank(char* buffer) { std::memset(buffer, ' ', kBufferSize); }
    static bool IsBlank(const char* buffer) {
        for (i32 i = 0; i < kBufferSize; ++i)
            if (buffer[i] != ' ') return false;
        return true;
    }

    // Opens `popup` and gives `focus` to one of its fields, as the clicks do.
    static void Focus(i32 popup, i32 focus, char* buffer) {
        MainObj.Popup = popup;
        MainObj.Focus = focus;
        Blank(buffer);
    }

    // The popup closed, the focus gone and the screen drawn again in full.
    static void ExpectClosed(i32 screen) {
        EXPECT_EQ(MainObj.Popup, POPUP_NONE);
        EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
        EXPECT_EQ(MainObj.LastDrawnScreen, screen);
    }

private:
    i32 paintsBefore = 0;
};

using V = std::vector<i32>;

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
