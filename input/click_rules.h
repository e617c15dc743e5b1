#pragma once
// The shape every block of the click map shares. A block is a list of rules
// tested one after another against the position of the last pointer move;
// every rule that holds acts, none stops the ones after it, and each later
// rule sees the records as the earlier ones left them. The rectangles come
// from the layout table, so a control is clicked exactly where it is drawn.

#include <span>

#include "model/records.h"
#include "platform/window.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"

namespace clicks {

// What a hit does. `n` is the row within the rule's family (0 for a single
// control). Returns whether the window is to be painted again: every hit
// asks for it except the few refusals that leave the screen as it is.
using Action = bool (*)(platform::Window* window, i32 n);

// A click that only leads to another screen.
template <i32 screen>
bool GoTo(platform::Window*, i32) {
    MainObj.Screen = screen;
    return true;
}

// The same from a screen whose selection does not outlive it.
template <i32 screen>
bool GoToDroppingFocus(platform::Window*, i32) {
    MainObj.Screen = screen;
    MainObj.Focus = FOCUS_NONE;
    return true;
}

// One control, or a family of `count` consecutive controls from `first`.
struct Rule {
    i32 first;     // ControlId
    i32 count;
    Action action;
};

// Tests the rules in order, each family row by row.
void Run(platform::Window* window, std::span<const Rule> rules);

// The screen's hover areas taken as click rectangles, in their test order:
// each one hit leads where its hover item names (another screen or a popup).
void RunHoverAreas(platform::Window* window, i32 screen);

// The popup goes and the screen's background is drawn again over it.
void ClosePopup();

// A click that only closes the popup.
inline bool Close(platform::Window*, i32) {
    ClosePopup();
    return true;
}

// The same for a popup whose selection does not outlive it.
inline bool CloseDroppingFocus(platform::Window*, i32) {
    ClosePopup();
    MainObj.Focus = FOCUS_NONE;
    return true;
}

// A typing buffer back to spaces: the next key starts a new number.
void Blank(char (&buffer)[kBufferSize]);

// A selection stepped by one: a step past hi comes round to lo, a step
// below lo comes round to hi. A value outside lo..hi (never chosen, or from
// a damaged record) steps like any other and may stay outside, so whatever
// indexes with the result checks it first.
void StepForward(i32& value, i32 lo, i32 hi);
void StepBack(i32& value, i32 lo, i32 hi);

// The blocks of the click map, one per screen.
void ClickIntro(platform::Window* window);
void ClickMenu(platform::Window* window);
void ClickNewGame(platform::Window* window);
void ClickSaveGame(platform::Window* window);
void ClickLoadGame(platform::Window* window);
void ClickGameMenu(platform::Window* window);
void ClickMainView(platform::Window* window);
void ClickOffice(platform::Window* window);
void ClickAdvertising(platform::Window* window);
void ClickResearch(platform::Window* window);
void ClickDesign(platform::Window* window);
void ClickFactory(platform::Window* window);
void ClickMonthEnd(platform::Window* window);
void ClickGameOver(platform::Window* window);

}  // namespace clicks
