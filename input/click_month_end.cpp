// The month-end report and the game-over screen only lead on.

#include "input/click_rules.h"

namespace clicks {
namespace {

using platform::Window;

bool ToGameMenu(Window*, i32) {
    MainObj.Screen = SCREEN_MENU_GAME;
    return true;
}

bool ToMainView(Window*, i32) {
    MainObj.Screen = SCREEN_GAME_MAIN;
    return true;
}

// The game stays in hand: the in-game menu's continue shows this screen again.
bool ToMainMenu(Window*, i32) {
    MainObj.Screen = SCREEN_MENU;
    return true;
}

constexpr Rule kMonthEnd[] = {
    {CTRL_BACK, 1, ToGameMenu},
    {CTRL_MONTH_END_CONTINUE, 1, ToMainView},
};

constexpr Rule kGameOver[] = {
    {CTRL_GAME_OVER_MENU, 1, ToMainMenu},
};

}  // namespace

void ClickMonthEnd(Window* window) { Run(window, kMonthEnd); }
void ClickGameOver(Window* window) { Run(window, kGameOver); }

}  // namespace clicks
