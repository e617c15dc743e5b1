// The two mouse entry points: pointer tracking with the hover item under the
// pointer, and the left button, which hands the click to its screen's block.

#include "input/mouse.h"

#include "input/click_rules.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"

namespace {

// Hover items exist on the main view, and on the office, advertising and
// research screens while no popup covers them.
bool Hovers() {
    switch (MainObj.Screen) {
        case SCREEN_GAME_MAIN: return true;
        case SCREEN_GAME_OFFICE:
        case SCREEN_GAME_ADVERTISING:
        case SCREEN_GAME_RESEARCH: return MainObj.Popup == POPUP_NONE;
        default: return false;
    }
}

using Block = void (*)(platform::Window*);

constexpr Block kBlocks[] = {
    clicks::ClickIntro,       clicks::ClickMenu,     clicks::ClickNewGame,     clicks::ClickSaveGame,
    clicks::ClickLoadGame,    clicks::ClickGameMenu, clicks::ClickMainView,    clicks::ClickOffice,
    clicks::ClickAdvertising, clicks::ClickResearch, clicks::ClickDesign,      clicks::ClickFactory,
    clicks::ClickMonthEnd,    clicks::ClickGameOver,
};
static_assert(sizeof kBlocks / sizeof kBlocks[0] == SCREEN_GAME_OVER + 1);

}  // namespace

void Mouse::MouseMove(platform::Window* window, i32 position, i32) {
    MouseXY.X = platform::PositionX(position);
    MouseXY.Y = platform::PositionY(position);
    if (!Hovers()) return;
    // Every move inside the window redraws the description strip; the last
    // hover area holding the point names the item.
    if (kWholeWindow.Contains(MouseXY.X, MouseXY.Y)) {
        MainObj.HotItem = HOT_NONE;
        platform::RequestRepaint(window);
        MainObj.ShownCaption = CAPTION_NONE;
    }
    const HoverAreaList areas = HoverAreas(MainObj.Screen);
    for (i32 i = 0; i < areas.Count; ++i) {
        if (!areas.First[i].Box.Contains(MouseXY.X, MouseXY.Y)) continue;
        MainObj.HotItem = areas.First[i].HotItem;
        platform::RequestRepaint(window);
    }
}

// The block is chosen once, by the screen the click arrived on: a click that
// leads to another screen does not act there too.
void Mouse::LeftButton(platform::Window* window, i32 screen) {
    if (screen < SCREEN_INTRO || screen > SCREEN_GAME_OVER) return;
    kBlocks[screen](window);
}
