// The menu screens: intro, main menu, new game, save, load and the in-game
// menu. They move between screens, start a game, pick a save slot and call
// the saved games.

#include <cstring>

#include "input/click_rules.h"
#include "input/field_rows.h"
#include "model/opponent.h"
#include "model/player.h"
#include "saves/save_load.h"

namespace clicks {
namespace {

using platform::Window;

bool IsSlotFocus(i32 focus) { return focus >= FOCUS_SLOT_1 && focus <= FOCUS_SLOT_4; }
bool IsGameScreen(i32 screen) { return screen >= SCREEN_GAME_MAIN && screen <= SCREEN_GAME_OVER; }

// ---- Main menu

bool NewGame(Window*, i32) {
    MainObj.Screen = SCREEN_MENU_NEW;
    std::memset(PlayerObj.Name, ' ', kNameTyped);
    return true;
}

bool Quit(Window* window, i32) {
    platform::CloseGameWindow(window);
    return false;
}

constexpr Rule kMenu[] = {
    {CTRL_MENU_NEW, 1, NewGame},
    {CTRL_MENU_LOAD, 1, GoTo<SCREEN_MENU_LOAD>},
    {CTRL_MENU_QUIT, 1, Quit},
};

// ---- New game

bool NameField(Window*, i32) {
    if (MainObj.Focus == FOCUS_PLAYER_NAME) return false;
    MainObj.Focus = FOCUS_PLAYER_NAME;
    return true;
}

bool HomeRegionBack(Window*, i32) {
    StepBack(PlayerObj.HomeRegion, REGION_AUSTRALIA, kRegionCount);
    return true;
}

bool HomeRegionForward(Window*, i32) {
    StepForward(PlayerObj.HomeRegion, REGION_AUSTRALIA, kRegionCount);
    return true;
}

// A game needs a company name and a home region. The new game sets the
// screen, focus and popup itself; the rivals start after the player.
bool Start(Window*, i32) {
    if (PlayerObj.Name[0] == ' ' || PlayerObj.HomeRegion == REGION_NONE) return false;
    Player::SetStartValues();
    Opponent::SetStartValues();
    return true;
}

constexpr Rule kNewGame[] = {
    {CTRL_NEW_BACK, 1, GoToDroppingFocus<SCREEN_MENU>},
    {CTRL_NEW_NAME, 1, NameField},
    {CTRL_NEW_REGION_BACK, 1, HomeRegionBack},
    {CTRL_NEW_REGION_FORWARD, 1, HomeRegionForward},
    {CTRL_NEW_START, 1, Start},
};

// ---- Save

bool ChooseSaveSlot(Window*, i32 n) {
    MainObj.Focus = FOCUS_SLOT_1 + n;   // an empty slot can be chosen too
    return true;
}

// A lost game is over: saving it would let it go on from a month whose
// expenses were never paid. The game-over screen is the last game screen
// drawn exactly while the game in hand is lost.
bool Save(Window*, i32) {
    if (IsSlotFocus(MainObj.Focus) && MainObj.LastDrawnScreen != SCREEN_GAME_OVER)
        SaveLoad::Save(MainObj.Focus);
    return true;
}

constexpr Rule kSaveGame[] = {
    {CTRL_SAVE_SLOT_1, kSaveSlots, ChooseSaveSlot},
    {CTRL_SAVE_BACK, 1, GoToDroppingFocus<SCREEN_MENU_GAME>},
    {CTRL_SAVE_OK, 1, Save},
};

// ---- Load

// The marks are those of the last paint of this screen.
bool ChooseLoadSlot(Window*, i32 n) {
    if (MainObj.SlotEmpty[n] == 1) return false;
    MainObj.Focus = FOCUS_SLOT_1 + n;
    return true;
}

bool LoadBack(Window*, i32) {
    MainObj.Focus = FOCUS_NONE;
    MainObj.Screen = MainObj.GameInProgress == 1 ? SCREEN_MENU_GAME : SCREEN_MENU;
    return true;
}

// The rows offer only slots that held a game at the last paint. Should the
// file have gone or been cut short since, the load reads nothing, and the
// game in hand stays as it was, on this screen.
bool Load(Window*, i32) {
    const i32 slot = MainObj.Focus;
    if (!IsSlotFocus(slot) || !SaveLoad::Load(slot)) return true;
    MainObj.Screen = SCREEN_GAME_MAIN;
    MainObj.LastDrawnScreen = 0;
    MainObj.GameInProgress = 1;
    return true;
}

constexpr Rule kLoadGame[] = {
    {CTRL_LOAD_SLOT_1, kSaveSlots, ChooseLoadSlot},
    {CTRL_LOAD_BACK, 1, LoadBack},
    {CTRL_LOAD_OK, 1, Load},
};

// ---- In-game menu

// The menus never change the last drawn screen, so it is the game screen
// the back button left; 0 makes its background come back. Should it name no
// game screen, the main view is the place to go on from.
bool Continue(Window*, i32) {
    const i32 last = MainObj.LastDrawnScreen;
    MainObj.Screen = IsGameScreen(last) ? last : SCREEN_GAME_MAIN;
    MainObj.LastDrawnScreen = 0;
    return true;
}

bool ToMainMenu(Window*, i32) {
    MainObj.Screen = SCREEN_MENU;
    MainObj.GameInProgress = 0;
    return true;
}

constexpr Rule kGameMenu[] = {
    {CTRL_MENU_CONTINUE, 1, Continue},
    {CTRL_MENU_SAVE, 1, GoTo<SCREEN_MENU_SAVE>},
    {CTRL_MENU_LOAD_IN_GAME, 1, GoTo<SCREEN_MENU_LOAD>},
    {CTRL_MENU_MAIN_MENU, 1, ToMainMenu},
};

}  // namespace

void ClickIntro(Window* window) {
    MainObj.Screen = SCREEN_MENU;   // anywhere
    platform::RequestRepaint(window);
}

void ClickMenu(Window* window) { Run(window, kMenu); }
void ClickNewGame(Window* window) { Run(window, kNewGame); }
void ClickSaveGame(Window* window) { Run(window, kSaveGame); }
void ClickLoadGame(Window* window) { Run(window, kLoadGame); }
void ClickGameMenu(Window* window) { Run(window, kGameMenu); }

}  // namespace clicks
