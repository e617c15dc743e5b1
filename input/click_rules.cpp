#include "input/click_rules.h"

#include <cstring>

#include "model/player.h"

namespace clicks {
namespace {

// Where a click on a hover area leads: a screen, or a popup of the screen
// the area lies on. Every hover item names one place, whatever its screen.
struct HoverTarget {
    i32 HotItem;
    i32 Screen;    // -1: stays
    i32 Popup;     // -1: stays
};

constexpr HoverTarget kHoverTargets[] = {
    {HOT_NONE, SCREEN_GAME_MAIN, -1},   // the hole in the main view's design area
    {HOT_OFFICE, SCREEN_GAME_OFFICE, -1},
    {HOT_ADVERTISING, SCREEN_GAME_ADVERTISING, -1},
    {HOT_RESEARCH, SCREEN_GAME_RESEARCH, -1},
    {HOT_DESIGN, SCREEN_GAME_DESIGN, -1},
    {HOT_FACTORY, SCREEN_GAME_FACTORY, -1},
    {HOT_EXIT, SCREEN_GAME_MAIN, -1},
    {HOT_MAP, -1, POPUP_MAP},
    {HOT_BANK, -1, POPUP_BANK},
    {HOT_PERSONNEL, -1, POPUP_PERSONNEL},
    {HOT_STATISTICS, -1, POPUP_STATISTICS},
    {HOT_AUTO_SHOW, -1, POPUP_AUTO_SHOW},
    {HOT_RADIO, -1, POPUP_RADIO},
    {HOT_TELEVISION, -1, POPUP_TELEVISION},
    {HOT_NEWSPAPER, -1, POPUP_NEWSPAPER},
    {HOT_BILLBOARD, -1, POPUP_BILLBOARD},
    {HOT_BRAKES, -1, POPUP_RESEARCH_BRAKES},
    {HOT_SUSPENSION, -1, POPUP_RESEARCH_SUSPENSION},
    {HOT_ENGINE, -1, POPUP_RESEARCH_ENGINE},
    {HOT_BODY, -1, POPUP_RESEARCH_BODY},
    {HOT_LUXURY, -1, POPUP_RESEARCH_LUXURY},
    {HOT_SAFETY, -1, POPUP_RESEARCH_SAFETY},
    {HOT_BODY_TYPES, -1, POPUP_BODY_TYPES},
    {HOT_EXPAND_RESEARCH, -1, POPUP_EXPAND_RESEARCH},
};

void Follow(const HoverTarget& target) {
    if (target.Screen >= 0) MainObj.Screen = target.Screen;
    if (target.Popup >= 0) MainObj.Popup = target.Popup;
    // The design screen opens on model slot 1, loaded into the design.
    if (target.HotItem == HOT_DESIGN) {
        PlayerCar.Slot = 1;
        Player::LoadModel();
    }
}

bool IsUnderPointer(const Rect& box) { return box.Contains(MouseXY.X, MouseXY.Y); }

}  // namespace

void Run(platform::Window* window, std::span<const Rule> rules) {
    for (const Rule& rule : rules) {
        for (i32 n = 0; n < rule.count; ++n) {
            if (!IsUnderPointer(ControlAt(rule.first + n).Box)) continue;
            if (rule.action(window, n)) platform::RequestRepaint(window);
        }
    }
}

void RunHoverAreas(platform::Window* window, i32 screen) {
    const HoverAreaList areas = HoverAreas(screen);
    for (i32 i = 0; i < areas.Count; ++i) {
        const HoverArea& area = areas.First[i];
        if (!IsUnderPointer(area.Box)) continue;
        for (const HoverTarget& target : kHoverTargets)
            if (target.HotItem == area.HotItem) Follow(target);
        platform::RequestRepaint(window);
    }
}

void ClosePopup() {
    MainObj.Popup = POPUP_NONE;
    MainObj.LastDrawnScreen = 0;
}

void Blank(char (&buffer)[kBufferSize]) { std::memset(buffer, ' ', sizeof buffer); }

// The step itself wraps at the ends of i32 like all game arithmetic.
void StepForward(i32& value, i32 lo, i32 hi) {
    value += 1;
    if (value > hi) value = lo;
}

void StepBack(i32& value, i32 lo, i32 hi) {
    value -= 1;
    if (value < lo) value = hi;
}

}  // namespace clicks
