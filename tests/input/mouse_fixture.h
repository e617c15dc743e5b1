#pragma once
// Drives the mouse the way the game window does: moves and presses go
// through the window procedure, and the paint that a click asks for follows
// before the next input. Each test starts from the program-start state.

#include <gtest/gtest.h>

#include "input/mouse.h"
#include "presentation/layout.h"
#include "support/paint_fixture.h"

struct MouseTest : PaintFixture {
    void SetUp() override {
        PaintFixture::SetUp();
        platform::RunMessages(window);
        platform::ResetRepaintRequestCount();
    }

    // A pointer move, handled at once; the paint it asks for waits.
    void Move(i32 x, i32 y) {
        platform::SendWindowMessage(window, platform::MESSAGE_MOUSE_MOVE, 0, platform::PackPosition(x, y));
    }

    // A left press, handled at once. Where it lies does not matter: the
    // click map tests the position of the last move.
    void Press(i32 x = 0, i32 y = 0) {
        platform::SendWindowMessage(window, platform::MESSAGE_LEFT_BUTTON_DOWN, 0, platform::PackPosition(x, y));
    }

    // Move, press, then the paint the click asked for.
    void Click(i32 x, i32 y) {
        Move(x, y);
        Press(x, y);
        platform::RunMessages(window);
    }

    // A click in the middle of a control of the layout table (row `row` of a family).
    void ClickOn(i32 control, i32 row = 0) {
        const Rect box = ControlAt(control + row).Box;
        Click((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    }

    // Repaints asked for by one press at (x, y), without painting.
    long RepaintsOfPressAt(i32 x, i32 y) {
        Move(x, y);
        platform::ResetRepaintRequestCount();
        Press(x, y);
        const long asked = platform::RepaintRequestCount();
        platform::RunMessages(window);
        return asked;
    }

    long RepaintsOfPressOn(i32 control, i32 row = 0) {
        const Rect box = ControlAt(control + row).Box;
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
};
