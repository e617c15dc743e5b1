#pragma once
// Drives the game the way its window does: pointer moves, presses and
// key-downs go through the window procedure of a headless game window, and
// the paint that input asks for follows before the next input. Each test
// starts from the program-start state.

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "input/field_rows.h"
#include "input/mouse.h"
#include "platform/keys.h"
#include "presentation/layout.h"
#include "saves/save_load.h"
#include "support/paint_fixture.h"
#include "support/values.h"

namespace keys {

using namespace platform;
inline constexpr unsigned Digit(int d) { return KEY_0 + static_cast<unsigned>(d); }
inline constexpr unsigned PadDigit(int d) { return KEY_PAD_0 + static_cast<unsigned>(d); }
inline constexpr unsigned Letter(char upper) { return KEY_A + static_cast<unsigned>(upper - 'A'); }
inline constexpr unsigned kF1 = 112;

}  // namespace keys

// ---- Click and key tables ----------------------------------------------

// A whole typing buffer of blanks, as a click leaves it.
inline const char* const kBlankBuffer = "              ";
static_assert(kBufferSize == 14);

// Where a row clicks: the middle of a control (row `Row` of its family) or a point.
struct Target {
    i32 Control;
    i32 Row = 0;
    i32 X = 0;
    i32 Y = 0;
};
inline Target On(i32 control, i32 row = 0) { return {control, row}; }
inline Target Spot(i32 x, i32 y) { return {-1, 0, x, y}; }

// What the last press of a row asks of the paint that follows it.
enum class Asks { Anything, Nothing, Repaint, InPlace, Background };

struct ClickRow {
    std::string Name;
    i32 Popup;
    Values Given;
    std::vector<Target> Clicks;
    Values Then;
    Asks LastPress = Asks::Anything;
};

// A row of a key table: a field given the focus (its buffer blanked, as the
// click that focuses it does), values given, keys typed, and the value the
// field holds after each key.
struct KeyRow {
    std::string Name;
    i32 Screen;
    i32 Popup;
    i32 Focus;
    char* Buffer;
    Values Given;
    const char* Keys;
    i32* Tracked;               // null: only Then is checked
    std::vector<i32> Seen;      // *Tracked after each key
    Values Then = {};
    long Repaints = -1;         // requests of all the keys together (-1: not counted)
};

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

    // Move, press, then the paint the click asked for. Returns the repaints
    // the press asked for; `askedBackground` tells whether it asked for the
    // screen's background too.
    long PressOn(Target target) {
        if (target.Control >= 0) {
            const Rect box = ControlAt(target.Control + target.Row).Box;
            Move((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
        } else {
            Move(target.X, target.Y);
        }
        ResetRepaints();
        PressButton();
        const long asked = Repaints();
        askedBackground = MainObj.LastDrawnScreen != MainObj.Screen;
        platform::RunMessages(window);
        return asked;
    }
    void Click(i32 x, i32 y) { PressOn(Spot(x, y)); }
    void ClickOn(i32 control, i32 row = 0) { PressOn(On(control, row)); }
    bool askedBackground = false;

    // Runs each row from the program-start state: the `common` values, the
    // screen shown with the row's popup, the row's values, its clicks (each
    // followed by its paint), then the expected values.
    void RunRows(i32 screen, const Values& common, const std::vector<ClickRow>& rows) {
        for (const ClickRow& row : rows) {
            SCOPED_TRACE(row.Name);
            ResetGameState();
            SetAll(common);
            Show(screen, row.Popup);
            SetAll(row.Given);
            long asked = 0;
            for (const Target& target : row.Clicks) asked = PressOn(target);
            ExpectAll(row.Then);
            switch (row.LastPress) {
            case Asks::Anything: break;
            case Asks::Nothing: EXPECT_EQ(asked, 0); break;
            case Asks::Repaint: EXPECT_GT(asked, 0); break;
            case Asks::InPlace: EXPECT_TRUE(asked > 0 && !askedBackground) << asked; break;
            case Asks::Background: EXPECT_TRUE(asked > 0 && askedBackground) << asked; break;
            }
        }
    }

    void RunKeys(const std::vector<KeyRow>& rows) {
        for (const KeyRow& row : rows) {
            SCOPED_TRACE(row.Name);
            ResetGameState();
            MainObj.Screen = row.Screen;
            Focus(row.Popup, row.Focus, row.Buffer);
            SetAll(row.Given);
            ResetRepaints();
            if (row.Tracked != nullptr) {
                EXPECT_EQ(Track(row.Keys, *row.Tracked), row.Seen);
            } else {
                Type(row.Keys);
            }
            ExpectAll(row.Then);
            if (row.Repaints >= 0) {
                EXPECT_EQ(Repaints(), row.Repaints);
            }
        }
    }

    // Shows a game screen (and popup) as if it had just been painted.
    void Show(i32 screen, i32 popup = POPUP_NONE) {
        MainObj.Screen = screen;
        MainObj.Popup = popup;
        MainObj.GameInProgress = 1;
        platform::RequestRepaint(window);
        platform::RunMessages(window);
    }

    // The load screen with its slot marks as its paint finds them.
    void ShowLoadScreen() {
        MainObj.Screen = SCREEN_MENU_LOAD;
        SaveLoad::Check();
        platform::RequestRepaint(window);
        platform::RunMessages(window);
    }

    // A key-down and the paint it asks for.
    void Press(unsigned key) {
        platform::PostKeyDown(window, key);
        platform::RunMessages(window);
    }

    // Presses the keys spelled by `text`: digits on the main row, "a" to "j"
    // as the numeric pad's 0 to 9, "A" to "Z" as letter keys, " " as Space
    // and "<" as Backspace.
    void Type(std::string_view text) {
        for (char c : text) {
            if (c >= '0' && c <= '9') Press(keys::Digit(c - '0'));
            else if (c >= 'a' && c <= 'j') Press(keys::PadDigit(c - 'a'));
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

    // Opens `popup` and gives `focus` to one of its fields, as the clicks do.
    static void Focus(i32 popup, i32 focus, char* buffer) {
        MainObj.Popup = popup;
        MainObj.Focus = focus;
        if (buffer != nullptr) Blank(buffer);
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
