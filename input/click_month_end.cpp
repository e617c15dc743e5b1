// The month-end report and the game-over screen only lead on.

#include "input/click_rules.h"

namespace clicks {
namespace {

using platform::Window;

constexpr Rule kMonthEnd[] = {
    {CTRL_BACK, 1, GoTo<SCREEN_MENU_GAME>},
    {CTRL_MONTH_END_CONTINUE, 1, GoTo<SCREEN_GAME_MAIN>},
};

// The lost game stays in hand (GameInProgress is kept), unlike the in-game
// menu's main-menu button.
constexpr Rule kGameOver[] = {
    {CTRL_GAME_OVER_MENU, 1, GoTo<SCREEN_MENU>},
};

}  // namespace

void ClickMonthEnd(Window* window) { Run(window, kMonthEnd); }
void ClickGameOver(Window* window) { Run(window, kGameOver); }

}  // namespace clicks
