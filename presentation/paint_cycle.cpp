// The paint cycle and the screen dispatcher: which background, footer,
// texts and painters each screen draws, and in what order.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

namespace {

using platform::Canvas;

void DrawMenuButtons(Canvas& canvas, i32 screen) {
    for (i32 slot = 0; slot < 4; ++slot) {
        const Placement button = MenuButton(screen, slot);
        Paint::Drawing(canvas, button.Picture, button.X, button.Y);
    }
}

void DrawYear(Canvas& canvas) { Paint::DrawInteger(canvas, TextAt(TEXT_YEAR), PlayerObj.Year); }

void DrawCash(Canvas& canvas) { Paint::DrawMoney(canvas, TextAt(TEXT_MONEY), PlayerObj.Cash); }

// Screens that draw the money at every paint cover the old one first.
void DrawCleanCash(Canvas& canvas) {
    Paint::Drawing(canvas, p_GAME_money_clean, kMoneyCleanAt.X, kMoneyCleanAt.Y);
    DrawCash(canvas);
}

// The guard of the game screens: true (and the screen marked as drawn)
// when the background is to be drawn again.
bool BackgroundWanted(i32 screen) {
    if (MainObj.LastDrawnScreen == screen) return false;
    MainObj.LastDrawnScreen = screen;
    return true;
}

// A game screen's background with the footer's month and year, drawn only
// when the screen changed.
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
    i32 sum = 0;
    for (const AdvertisingBlock& block : PlayerAdvertising.Block) sum += MediumCampaign(block, MEDIUM_BILLBOARD).Amount;
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
            DrawMenuButtons(canvas, screen);
            break;
        case SCREEN_MENU_NEW:
            Drawing(canvas, p_MENU_NEW, 0, 0);
            DrawFocusFrame(canvas);
            DrawText(canvas, TextAt(TEXT_COMPANY_NAME), PlayerObj.Name);
            DrawWord(canvas, TextAt(TEXT_HOME_REGION), HomeRegionWord(PlayerObj.HomeRegion));
            break;
        case SCREEN_MENU_SAVE:
        case SCREEN_MENU_LOAD:
            Drawing(canvas, screen == SCREEN_MENU_SAVE ? p_MENU_SAVE : p_MENU_LOAD, 0, 0);
            DrawFocusFrame(canvas);
            DrawSaveSlots(canvas);
            break;
        case SCREEN_MENU_GAME:
            Drawing(canvas, p_MENU, 0, 0);
            DrawMenuButtons(canvas, screen);
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
            DrawFocusFrame(canvas);
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
            DrawFocusFrame(canvas);
            DrawSlotTexts(canvas);
            DrawCleanCash(canvas);
            break;
        case SCREEN_GAME_RESEARCH:
            DrawGuardedBackground(canvas, screen, p_GAME_RESEARCH);
            DrawDescriptionWithoutPopup(canvas);
            DrawPopUp(canvas);
            DrawFocusFrame(canvas);
            DrawLoading(canvas);
            DrawBodyTypes(canvas);
            DrawSlotTexts(canvas);
            DrawCleanCash(canvas);
            break;
        case SCREEN_GAME_DESIGN:
            DrawGuardedBackground(canvas, screen, p_GAME_DESIGN);
            DrawDescriptionWithoutPopup(canvas);
            DrawCurrentDesign(canvas);
            DrawPopUp(canvas);
            DrawFocusFrame(canvas);
            DrawParts(canvas);
            DrawText(canvas, TextAt(TEXT_MODEL_NAME), PlayerCar.Name);
            DrawSlotTexts(canvas);
            DrawCash(canvas);
            break;
        case SCREEN_GAME_FACTORY:
            DrawGuardedBackground(canvas, screen, p_GAME_FACTORY);
            DrawDescriptionWithoutPopup(canvas);
            DrawFactory(canvas);
            DrawPopUp(canvas);
            DrawFocusFrame(canvas);
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
