// The paint cycle and the screen dispatcher: which background, footer,
// texts and painters each screen draws, and in what order.

#include "presentation/interface_state.h"
#include "presentation/paint.h"

namespace {

using platform::Canvas;

struct PicturePlace {
    i32 picture;
    i32 x;
    i32 y;
};

// The four buttons of the main menu and of the in-game menu.
constexpr PicturePlace kMainMenuButtons[] = {
    {p_MENU_button_new, 302, 199},
    {p_MENU_button_save_off, 302, 261},
    {p_MENU_button_load, 302, 323},
    {p_MENU_button_quit, 302, 384},
};
constexpr PicturePlace kGameMenuButtons[] = {
    {p_MENU_button_continue, 302, 199},
    {p_MENU_button_save_on, 302, 261},
    {p_MENU_button_load, 302, 323},
    {p_MENU_button_mainmenu, 302, 384},
};

// Footer and other texts of the dispatcher itself.
struct TextPlace {
    i32 x;
    i32 y;
    i32 step;
    i32 cells;
    char font;
};
constexpr TextPlace kYear{210, 549, 7, 4, FONT_LCHAR};
constexpr TextPlace kMoney{642, 549, 7, 12, FONT_LCHAR};   // right-aligned: the last character at x
constexpr TextPlace kCompanyName{318, 258, 11, 14, FONT_DCHAR};
constexpr TextPlace kModelName{22, 172, 11, 15, FONT_ECHAR};
constexpr PicturePlace kMoneyClean{p_GAME_money_clean, 552, 542};

// The home-region word of the new-game screen, by RegionId.
struct RegionWord {
    TextSpan word;
    i32 cells;
    i32 x;
};
constexpr i32 kRegionWordY = 343;
constexpr RegionWord kRegionWords[kRegionCount] = {
    {"australia", WordCells("australia"), 344}, {"s.america", WordCells("s.america"), 344},
    {"n.america", WordCells("n.america"), 344}, {"europe", WordCells("europe"), 361},
    {"asia", WordCells("asia"), 370},           {"africa", WordCells("africa"), 360},
};

void Place(Canvas& canvas, const PicturePlace& place) { Paint::Drawing(canvas, place.picture, place.x, place.y); }

template <std::size_t N>
void PlaceAll(Canvas& canvas, const PicturePlace (&places)[N]) {
    for (const PicturePlace& place : places) Place(canvas, place);
}

void DrawText(Canvas& canvas, const TextPlace& place, TextSpan text) {
    Paint::DrawTextA(canvas, place.x, place.y, AXIS_X, place.step, place.cells, DIR_FORWARD, place.font, text);
}

void DrawYear(Canvas& canvas) {
    Paint::DrawInteger(canvas, kYear.x, kYear.y, kYear.step, kYear.cells, kYear.font, PlayerObj.Year, Align::Left);
}

void DrawCash(Canvas& canvas) {
    Paint::DrawMoney(canvas, kMoney.x, kMoney.y, kMoney.step, kMoney.cells, kMoney.font, PlayerObj.Cash,
                     Align::Right);
}

void DrawCleanCash(Canvas& canvas) {
    Place(canvas, kMoneyClean);
    DrawCash(canvas);
}

void DrawRegionWord(Canvas& canvas) {
    const i32 region = PlayerObj.HomeRegion;
    if (region < REGION_AUSTRALIA || region > REGION_AFRICA) return;
    const RegionWord& word = kRegionWords[region - 1];
    Paint::DrawTextA(canvas, word.x, kRegionWordY, AXIS_X, 11, word.cells, DIR_FORWARD, FONT_DCHAR, word.word);
}

// The guard of the game screens: true (and the screen marked as drawn)
// when the background is to be drawn again.
bool BackgroundWanted(i32 screen) {
    if (MainObj.LastDrawnScreen == screen) return false;
    MainObj.LastDrawnScreen = screen;
    return true;
}

// The month and year of the footer, drawn with a guarded background.
void DrawGuardedBackground(Canvas& canvas, i32 screen, i32 background) {
    if (!BackgroundWanted(screen)) return;
    Paint::Drawing(canvas, background, 0, 0);
    Paint::DrawMenuMonth(canvas);
    DrawYear(canvas);
}

void DrawDescriptionWithoutPopup(Canvas& canvas) {
    if (MainObj.Popup == POPUP_NONE) Paint::DrawDescription(canvas);
}

// The billboard campaigns of the six blocks: a second advertising picture
// shows while any of them is booked.
i32 AdvertisingBackground() {
    constexpr i32 billboard = kMedia - MEDIUM_BILLBOARD;
    i32 sum = 0;
    for (const AdvertisingBlock& block : PlayerAdvertising.Block) sum += block.Campaign[billboard].Amount;
    return sum != 0 ? p_GAME_ADVERTISING2 : p_GAME_ADVERTISING;
}

}  // namespace

void Paint::Draw(platform::Window* window, i32 screen) {
    if (window == nullptr) return;
    Canvas& canvas = window->canvas;
    if (load_photo_times == 0) {
        platform::FillCanvas(canvas, hbrush);
        LoadPhoto();
        load_photo_times = 1;
    }
    WhatToDraw(canvas, screen);
}

void Paint::WhatToDraw(Canvas& canvas, i32 screen) {
    switch (screen) {
        case SCREEN_INTRO:
            Drawing(canvas, p_INTRO, 0, 0);
            break;
        case SCREEN_MENU:
            Drawing(canvas, p_MENU, 0, 0);
            PlaceAll(canvas, kMainMenuButtons);
            break;
        case SCREEN_MENU_NEW:
            Drawing(canvas, p_MENU_NEW, 0, 0);
            DrawChosenSlot(canvas);
            DrawText(canvas, kCompanyName, PlayerObj.Name);
            DrawRegionWord(canvas);
            break;
        case SCREEN_MENU_SAVE:
        case SCREEN_MENU_LOAD:
            Drawing(canvas, screen == SCREEN_MENU_SAVE ? p_MENU_SAVE : p_MENU_LOAD, 0, 0);
            DrawChosenSlot(canvas);
            DrawSaveSlots(canvas);
            break;
        case SCREEN_MENU_GAME:
            Drawing(canvas, p_MENU, 0, 0);
            PlaceAll(canvas, kGameMenuButtons);
            break;
        case SCREEN_GAME_MAIN:
            if (BackgroundWanted(screen)) {
                Drawing(canvas, p_GAME_MAIN, 0, 0);
                DrawMenuMonth(canvas);
                DrawYear(canvas);
                DrawCash(canvas);
            }
            DrawDescription(canvas);
            break;
        case SCREEN_GAME_OFFICE:
            if (BackgroundWanted(screen)) Drawing(canvas, p_GAME_OFFICE, 0, 0);
            DrawDescriptionWithoutPopup(canvas);
            DrawPopUp(canvas);
            DrawChosenSlot(canvas);
            DrawStatistics(canvas);
            DrawSlotTexts(canvas);
            // The office shows its footer at every paint: reports cover it.
            DrawMenuMonth(canvas);
            DrawYear(canvas);
            DrawCleanCash(canvas);
            break;
        case SCREEN_GAME_ADVERTISING:
            // The background is chosen only when it is drawn again.
            DrawGuardedBackground(canvas, screen, AdvertisingBackground());
            DrawDescriptionWithoutPopup(canvas);
            DrawPopUp(canvas);
            DrawChosenSlot(canvas);
            DrawSlotTexts(canvas);
            DrawCleanCash(canvas);
            break;
        case SCREEN_GAME_RESEARCH:
            DrawGuardedBackground(canvas, screen, p_GAME_RESEARCH);
            DrawDescriptionWithoutPopup(canvas);
            DrawPopUp(canvas);
            DrawChosenSlot(canvas);
            DrawLoading(canvas);
            DrawBodyTypes(canvas);
            DrawSlotTexts(canvas);
            DrawCleanCash(canvas);
            break;
        case SCREEN_GAME_DESIGN:
            DrawGuardedBackground(canvas, screen, p_GAME_DESIGN);
            DrawDescriptionWithoutPopup(canvas);
            DrawDesing(canvas);
            DrawPopUp(canvas);
            DrawChosenSlot(canvas);
            DrawParts(canvas);
            DrawText(canvas, kModelName, PlayerCar.Name);
            DrawSlotTexts(canvas);
            DrawCash(canvas);
            break;
        case SCREEN_GAME_FACTORY:
            DrawGuardedBackground(canvas, screen, p_GAME_FACTORY);
            DrawDescriptionWithoutPopup(canvas);
            DrawFactory(canvas);
            DrawPopUp(canvas);
            DrawChosenSlot(canvas);
            DrawSlotTexts(canvas);
            DrawCash(canvas);
            break;
        case SCREEN_GAME_NEXT_MONTH:
            DrawGuardedBackground(canvas, screen, p_GAME_NEXT_MONTH);
            DrawNextMonth(canvas);
            DrawCash(canvas);
            break;
        case SCREEN_GAME_OVER:
            if (BackgroundWanted(screen)) Drawing(canvas, p_GAME_OVER, 0, 0);
            break;
        default:
            break;
    }
}
