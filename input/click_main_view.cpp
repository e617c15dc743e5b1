// The main view: the back button, the month's end, and the building's areas
// that lead to the other game screens.

#include "input/click_rules.h"
#include "model/player.h"

namespace clicks {
namespace {

using platform::Window;

// The report is set first: a month the money cannot pay ends on the
// game-over screen instead, which the month step sets.
bool NextMonth(Window*, i32) {
    MainObj.Screen = SCREEN_GAME_NEXT_MONTH;
    Player::NextMonth();
    return true;
}

constexpr Rule kMainView[] = {
    {CTRL_BACK, 1, GoTo<SCREEN_MENU_GAME>},
    {CTRL_NEXT_MONTH, 1, NextMonth},
};

}  // namespace

// No test looks at the popup here.
void ClickMainView(Window* window) {
    Run(window, kMainView);
    RunHoverAreas(window, SCREEN_GAME_MAIN);
}

}  // namespace clicks
