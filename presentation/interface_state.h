#pragma once
// The interface state: which screen and popup are shown, what has focus,
// what the pointer hovers over. Every subsystem compares against these
// numbers, and they are kept exactly as listed.

#include <iterator>

#include "model/records.h"

enum ScreenId : i32 {
    SCREEN_INTRO = 0,
    SCREEN_MENU = 1,
    SCREEN_MENU_NEW = 2,
    SCREEN_MENU_SAVE = 3,
    SCREEN_MENU_LOAD = 4,
    SCREEN_MENU_GAME = 5,
    SCREEN_GAME_MAIN = 6,
    SCREEN_GAME_OFFICE = 7,
    SCREEN_GAME_ADVERTISING = 8,
    SCREEN_GAME_RESEARCH = 9,
    SCREEN_GAME_DESIGN = 10,
    SCREEN_GAME_FACTORY = 11,
    SCREEN_GAME_NEXT_MONTH = 12,
    SCREEN_GAME_OVER = 13,
};

enum PopupId : i32 {
    POPUP_NONE = 0,
    POPUP_AUTO_SHOW = 1,
    POPUP_RADIO = 2,
    POPUP_TELEVISION = 3,
    POPUP_NEWSPAPER = 4,
    POPUP_BILLBOARD = 5,
    POPUP_RESEARCH_BRAKES = 6,
    POPUP_RESEARCH_SUSPENSION = 7,
    POPUP_RESEARCH_ENGINE = 8,
    POPUP_RESEARCH_BODY = 9,
    POPUP_RESEARCH_LUXURY = 10,
    POPUP_RESEARCH_SAFETY = 11,
    POPUP_BODY_TYPES = 12,
    POPUP_EXPAND_RESEARCH = 13,
    POPUP_MAP = 14,
    POPUP_BANK = 15,
    POPUP_PERSONNEL = 16,
    POPUP_ADD_PARTS = 17,
    POPUP_BRAKES_PARTS = 18,
    POPUP_SUSPENSION_PARTS = 19,
    POPUP_ENGINE_PARTS = 20,
    POPUP_LUXURY_PARTS = 21,
    POPUP_SAFETY_PARTS = 22,
    POPUP_BROWSE_MODELS = 23,
    POPUP_STATISTICS = 24,
    POPUP_MONTH_REPORT = 25,
    POPUP_PROFIT_REPORT = 26,
    POPUP_MODEL_REPORT = 27,
    POPUP_RESEARCH_REPORT = 28,
};

// The design's part lists, POPUP_BRAKES_PARTS .. POPUP_SAFETY_PARTS, one per
// part category but the body's.
inline constexpr i32 kPartListCount = POPUP_SAFETY_PARTS - POPUP_BRAKES_PARTS + 1;

// The category a design part list shows; -1 for any other popup.
constexpr i32 PartListCategory(i32 popup) {
    constexpr i32 kCategories[kPartListCount] = {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_LUXURY, PART_SAFETY};
    if (popup < POPUP_BRAKES_PARTS || popup > POPUP_SAFETY_PARTS) return -1;
    return kCategories[popup - POPUP_BRAKES_PARTS];
}

// The medium (a MediumId) whose campaigns an advertising popup,
// POPUP_AUTO_SHOW .. POPUP_BILLBOARD, shows; 0 for any other popup.
constexpr i32 PopupMedium(i32 popup) {
    constexpr i32 kMediaShown[] = {MEDIUM_AUTO_SHOW, MEDIUM_RADIO, MEDIUM_TELEVISION, MEDIUM_NEWSPAPER, MEDIUM_BILLBOARD};
    static_assert(std::size(kMediaShown) == POPUP_BILLBOARD - POPUP_AUTO_SHOW + 1);
    if (popup < POPUP_AUTO_SHOW || popup > POPUP_BILLBOARD) return 0;
    return kMediaShown[popup - POPUP_AUTO_SHOW];
}

enum FocusId : i32 {
    FOCUS_NONE = 0,
    FOCUS_SLOT_1 = 1,
    FOCUS_SLOT_2 = 2,
    FOCUS_SLOT_3 = 3,
    FOCUS_SLOT_4 = 4,
    FOCUS_SALESMEN_HIRE = 5,
    FOCUS_SALESMEN_FIRE = 6,
    FOCUS_SCIENTISTS_HIRE = 7,
    FOCUS_SCIENTISTS_FIRE = 8,
    FOCUS_TECHNICIANS_HIRE = 9,
    FOCUS_TECHNICIANS_FIRE = 10,
    FOCUS_SALESMEN_WAGE = 11,
    FOCUS_SCIENTISTS_WAGE = 12,
    FOCUS_TECHNICIANS_WAGE = 13,
    FOCUS_BANK_DEPOSIT = 14,
    FOCUS_BANK_LOAN = 15,
    FOCUS_RESEARCH_SCIENTISTS = 16,
    FOCUS_ADVERT_ROW_1 = 17,
    FOCUS_ADVERT_ROW_2 = 18,
    FOCUS_ADVERT_ROW_3 = 19,
    FOCUS_ADVERT_ROW_4 = 20,
    FOCUS_ADVERT_ROW_5 = 21,
    FOCUS_ADVERT_ROW_6 = 22,
    FOCUS_PRICE_ROW_1 = 23,
    FOCUS_PRICE_ROW_2 = 24,
    FOCUS_PRICE_ROW_3 = 25,
    FOCUS_PRICE_ROW_4 = 26,
    FOCUS_PRICE_ROW_5 = 27,
    FOCUS_FACTORY_TECHNICIANS = 28,
    FOCUS_FACTORY_SALESMEN = 29,
    FOCUS_MODEL_NAME = 30,
    FOCUS_PART_ROW_1 = 31,
    FOCUS_PART_ROW_2 = 32,
    FOCUS_PART_ROW_3 = 33,
    FOCUS_PART_ROW_4 = 34,
    FOCUS_PART_ROW_5 = 35,
    FOCUS_PART_ROW_6 = 36,
    FOCUS_PART_ROW_7 = 37,
    FOCUS_PART_ROW_8 = 38,
    FOCUS_PART_ROW_9 = 39,
    FOCUS_PART_ROW_10 = 40,
    FOCUS_BROWSE_MODEL_1 = 41,
    FOCUS_BROWSE_MODEL_2 = 42,
    FOCUS_BROWSE_MODEL_3 = 43,
    FOCUS_BROWSE_MODEL_4 = 44,
    FOCUS_BROWSE_MODEL_5 = 45,
    FOCUS_BROWSE_MODEL_6 = 46,
    FOCUS_BROWSE_MODEL_7 = 47,
    FOCUS_BROWSE_MODEL_8 = 48,
    FOCUS_BROWSE_MODEL_9 = 49,
    FOCUS_BROWSE_MODEL_10 = 50,
    FOCUS_PLAYER_NAME = 51,
};

enum HotItemId : i32 {
    HOT_NONE = 0,
    HOT_OFFICE = 1,
    HOT_ADVERTISING = 2,
    HOT_RESEARCH = 3,
    HOT_DESIGN = 4,
    HOT_FACTORY = 5,
    HOT_EXIT = 6,
    HOT_MAP = 7,
    HOT_BANK = 8,
    HOT_PERSONNEL = 9,
    HOT_AUTO_SHOW = 10,
    HOT_RADIO = 11,
    HOT_TELEVISION = 12,
    HOT_NEWSPAPER = 13,
    HOT_BILLBOARD = 14,
    HOT_BRAKES = 15,
    HOT_SUSPENSION = 16,
    HOT_ENGINE = 17,
    HOT_BODY = 18,
    HOT_LUXURY = 19,
    HOT_SAFETY = 20,
    HOT_BODY_TYPES = 21,
    HOT_EXPAND_RESEARCH = 22,
    HOT_STATISTICS = 23,
    CAPTION_NONE = 350,   // ShownCaption only: the strip is to be redrawn
};

inline constexpr i32 kSaveSlots = 4;

struct MainState {
    i32 Focus;             // FocusId
    i32 HotItem;           // HotItemId under the pointer
    i32 ShownCaption;      // HotItemId whose caption the strip shows
    i32 Popup;             // PopupId
    i32 LastDrawnScreen;   // ScreenId whose background is on the window
    i32 Screen;            // ScreenId
    i32 GameInProgress;
    i32 SlotEmpty[kSaveSlots];
};

struct ScreenPoint {
    i32 X;
    i32 Y;
};

extern MainState MainObj;
extern ScreenPoint MouseXY;

// Back to the program-start state (all zero); for tests.
void ResetInterfaceState();
