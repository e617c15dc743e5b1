#include "presentation/layout.h"

#include <array>

#include "presentation/picture_catalogue.h"

namespace {

using ControlTable = std::array<Control, kControlCount>;

struct ControlBuilder {
    ControlTable Table{};

    constexpr void Screen(i32 id, i32 screen, Rect box, const char* label) {
        Table[static_cast<std::size_t>(id)] =
            Control{static_cast<ControlId>(id), screen, screen, POPUP_NONE, POPUP_NONE, box, label};
    }
    constexpr void Popup(i32 id, i32 screen, i32 first, i32 last, Rect box, const char* label) {
        Table[static_cast<std::size_t>(id)] =
            Control{static_cast<ControlId>(id), screen, screen, first, last, box, label};
    }
};

// Rows shared by several families.
constexpr i32 kSlotRowTop[kSaveSlots] = {240, 272, 304, 336};
constexpr i32 kAdvertRowTop[kAdBlocks] = {215, 252, 292, 331, 369, 406};
constexpr i32 kLinePriceRowTop[kProductionLines] = {230, 279, 328, 378, 430};
constexpr i32 kDestinationRowTop[kProductionLines][2] = {
    {222, 242}, {271, 291}, {320, 340}, {370, 390}, {422, 442}};
constexpr i32 kBrowseRowTop[kModelSlots] = {176, 198, 218, 238, 258, 278, 298, 318, 338, 358};

constexpr ControlTable BuildControls() {
    ControlBuilder b;
    // Footer.
    b.Screen(CTRL_BACK, SCREEN_GAME_MAIN, {21, 549, 86, 597}, "menu");
    b.Table[CTRL_BACK].ScreenLast = SCREEN_GAME_NEXT_MONTH;
    b.Screen(CTRL_NEXT_MONTH, SCREEN_GAME_MAIN, {707, 547, 780, 600}, "next month");
    b.Screen(CTRL_MONTH_END_CONTINUE, SCREEN_GAME_NEXT_MONTH, {707, 547, 780, 600}, "continue");

    // Menus.
    b.Screen(CTRL_MENU_NEW, SCREEN_MENU, {302, 199, 492, 234}, "new game");
    b.Screen(CTRL_MENU_LOAD, SCREEN_MENU, {302, 323, 492, 354}, "load game");
    b.Screen(CTRL_MENU_QUIT, SCREEN_MENU, {302, 384, 492, 415}, "quit");
    b.Screen(CTRL_MENU_CONTINUE, SCREEN_MENU_GAME, {302, 199, 492, 234}, "continue");
    b.Screen(CTRL_MENU_SAVE, SCREEN_MENU_GAME, {302, 261, 492, 296}, "save game");
    b.Screen(CTRL_MENU_LOAD_IN_GAME, SCREEN_MENU_GAME, {302, 323, 492, 354}, "load game");
    b.Screen(CTRL_MENU_MAIN_MENU, SCREEN_MENU_GAME, {302, 384, 492, 415}, "main menu");

    b.Screen(CTRL_NEW_BACK, SCREEN_MENU_NEW, {317, 374, 379, 404}, "back");
    b.Screen(CTRL_NEW_NAME, SCREEN_MENU_NEW, {317, 252, 474, 278}, "");
    b.Screen(CTRL_NEW_REGION_BACK, SCREEN_MENU_NEW, {317, 336, 339, 366}, "<");
    b.Screen(CTRL_NEW_REGION_FORWARD, SCREEN_MENU_NEW, {454, 336, 476, 366}, ">");
    b.Screen(CTRL_NEW_START, SCREEN_MENU_NEW, {414, 374, 476, 404}, "start");

    for (i32 k = 0; k < kSaveSlots; ++k) {
        const Rect row{318, kSlotRowTop[k], 477, kSlotRowTop[k] + 26};
        b.Screen(CTRL_SAVE_SLOT_1 + k, SCREEN_MENU_SAVE, row, "");
        b.Screen(CTRL_LOAD_SLOT_1 + k, SCREEN_MENU_LOAD, row, "");
    }
    b.Screen(CTRL_SAVE_BACK, SCREEN_MENU_SAVE, {317, 374, 379, 404}, "back");
    b.Screen(CTRL_SAVE_OK, SCREEN_MENU_SAVE, {414, 374, 476, 404}, "save");
    b.Screen(CTRL_LOAD_BACK, SCREEN_MENU_LOAD, {317, 374, 379, 404}, "back");
    b.Screen(CTRL_LOAD_OK, SCREEN_MENU_LOAD, {414, 374, 476, 404}, "load");

    // Office popups.
    const i32 office = SCREEN_GAME_OFFICE;
    b.Popup(CTRL_OFFICE_CLOSE, office, POPUP_BANK, POPUP_RESEARCH_REPORT, {345, 470, 455, 497}, "close");
    b.Popup(CTRL_MAP_CLOSE, office, POPUP_MAP, POPUP_MAP, {574, 483, 661, 501}, "close");
    b.Popup(CTRL_MAP_REGION_BACK, office, POPUP_MAP, POPUP_MAP, {137, 466, 152, 489}, "<");
    b.Popup(CTRL_MAP_REGION_FORWARD, office, POPUP_MAP, POPUP_MAP, {264, 466, 279, 489}, ">");
    b.Popup(CTRL_MAP_BUY_FACTORY, office, POPUP_MAP, POPUP_MAP, {327, 457, 463, 473}, "buy factory");
    b.Popup(CTRL_MAP_BUY_SALON, office, POPUP_MAP, POPUP_MAP, {327, 485, 463, 501}, "buy salon");

    const i32 bank = POPUP_BANK;
    b.Popup(CTRL_BANK_DEPOSIT_FIELD, office, bank, bank, {314, 224, 419, 242}, "");
    b.Popup(CTRL_BANK_LOAN_FIELD, office, bank, bank, {262, 357, 367, 375}, "");
    b.Popup(CTRL_BANK_DEPOSIT, office, bank, bank, {428, 223, 513, 243}, "deposit");
    b.Popup(CTRL_BANK_WITHDRAW, office, bank, bank, {522, 223, 607, 243}, "withdraw");
    b.Popup(CTRL_BANK_TERM_DOWN, office, bank, bank, {378, 357, 387, 375}, "<");
    b.Popup(CTRL_BANK_TERM_UP, office, bank, bank, {406, 357, 415, 375}, ">");
    b.Popup(CTRL_BANK_TAKE_LOAN, office, bank, bank, {428, 356, 513, 376}, "take loan");
    b.Popup(CTRL_BANK_REPAY, office, bank, bank, {523, 356, 608, 376}, "repay");

    const i32 staff = POPUP_PERSONNEL;
    constexpr i32 kStaffFieldX[kStaffKindCount] = {177, 364, 556};
    constexpr i32 kStaffButtonX[kStaffKindCount] = {226, 413, 605};
    for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
        const i32 dy = kind == STAFF_TECHNICIANS ? 1 : 0;   // the technicians' column sits 1 px lower
        const i32 fx = kStaffFieldX[kind];
        const i32 bx = kStaffButtonX[kind];
        b.Popup(CTRL_STAFF_FIELD_1 + 2 * kind, office, staff, staff, {fx, 219, fx + 43, 235}, "");
        b.Popup(CTRL_STAFF_FIELD_1 + 2 * kind + 1, office, staff, staff, {fx, 246, fx + 43, 265}, "");
        b.Popup(CTRL_STAFF_BUTTON_1 + 2 * kind, office, staff, staff,
                {bx, 219 + dy, bx + 45, 235 + dy}, "hire");
        b.Popup(CTRL_STAFF_BUTTON_1 + 2 * kind + 1, office, staff, staff,
                {bx, 246 + dy, bx + 45, 262 + dy}, "fire");
    }

    const i32 stats = POPUP_STATISTICS;
    b.Popup(CTRL_STATISTICS_CLOSE, office, stats, stats, {336, 376, 464, 396}, "close");
    b.Popup(CTRL_STATISTICS_MONTH_REPORT, office, stats, stats, {336, 231, 464, 251}, "month report");
    b.Popup(CTRL_STATISTICS_PROFIT_REPORT, office, stats, stats, {336, 257, 464, 277}, "profit report");
    b.Popup(CTRL_STATISTICS_MODEL_REPORT, office, stats, stats, {336, 283, 464, 303}, "model report");
    b.Popup(CTRL_STATISTICS_RESEARCH_REPORT, office, stats, stats, {336, 309, 464, 329},
            "research report");
    b.Popup(CTRL_MONTH_REPORT_BACK, office, POPUP_MONTH_REPORT, POPUP_MONTH_REPORT,
            {490, 468, 705, 507}, "back");
    b.Popup(CTRL_PROFIT_REPORT_BACK, office, POPUP_PROFIT_REPORT, POPUP_PROFIT_REPORT,
            {493, 469, 705, 508}, "back");
    b.Popup(CTRL_MODEL_REPORT_BACK, office, POPUP_MODEL_REPORT, POPUP_MODEL_REPORT,
            {493, 469, 705, 508}, "back");
    b.Popup(CTRL_RESEARCH_REPORT_BACK, office, POPUP_RESEARCH_REPORT, POPUP_RESEARCH_REPORT,
            {490, 468, 705, 507}, "back");

    // Advertising.
    const i32 ads = SCREEN_GAME_ADVERTISING;
    const i32 a0 = POPUP_AUTO_SHOW;
    const i32 a1 = POPUP_BILLBOARD;
    b.Popup(CTRL_ADVERT_CLOSE_LEFT, ads, a0, a1, {264, 438, 358, 459}, "close");
    b.Popup(CTRL_ADVERT_CLOSE_RIGHT, ads, a0, a1, {443, 438, 537, 459}, "ok");
    for (i32 r = 0; r < kAdBlocks; ++r) {
        const i32 top = kAdvertRowTop[r];
        b.Popup(CTRL_ADVERT_MINUS_1 + r, ads, a0, a1, {368, top, 383, top + 23}, "-");
        b.Popup(CTRL_ADVERT_PLUS_1 + r, ads, a0, a1, {439, top, 454, top + 23}, "+");
        b.Popup(CTRL_ADVERT_AMOUNT_1 + r, ads, a0, a1, {463, top, 552, top + 23}, "");
    }

    // Research.
    const i32 lab = SCREEN_GAME_RESEARCH;
    const i32 r0 = POPUP_RESEARCH_BRAKES;
    const i32 r1 = POPUP_RESEARCH_SAFETY;
    b.Popup(CTRL_AREA_CLOSE, lab, r0, r1, {292, 398, 380, 416}, "close");
    b.Popup(CTRL_AREA_OK, lab, r0, r1, {436, 398, 524, 416}, "ok");
    b.Popup(CTRL_AREA_SCIENTISTS, lab, r0, r1, {474, 216, 533, 240}, "");
    const i32 bt = POPUP_BODY_TYPES;
    b.Popup(CTRL_BODY_TYPES_PREVIOUS, lab, bt, bt, {315, 221, 330, 323}, "<");
    b.Popup(CTRL_BODY_TYPES_NEXT, lab, bt, bt, {482, 221, 497, 323}, ">");
    b.Popup(CTRL_BODY_TYPES_CLOSE, lab, bt, bt, {292, 398, 380, 416}, "close");
    b.Popup(CTRL_BODY_TYPES_BUY, lab, bt, bt, {436, 398, 524, 416}, "buy");
    const i32 ex = POPUP_EXPAND_RESEARCH;
    b.Popup(CTRL_EXPAND_CLOSE, lab, ex, ex, {292, 398, 380, 416}, "close");
    b.Popup(CTRL_EXPAND_BUY, lab, ex, ex, {436, 398, 524, 416}, "buy");

    // Design.
    const i32 d = SCREEN_GAME_DESIGN;
    b.Screen(CTRL_DESIGN_EXIT, d, {316, 488, 480, 522}, "exit");
    b.Screen(CTRL_DESIGN_NAME, d, {21, 163, 198, 192}, "");
    b.Screen(CTRL_DESIGN_NEW_MODEL, d, {21, 58, 198, 87}, "new model");
    b.Screen(CTRL_DESIGN_ADD_PARTS, d, {21, 103, 198, 132}, "add parts");
    b.Screen(CTRL_DESIGN_SLOT_BACK, d, {269, 58, 375, 75}, "previous");
    b.Screen(CTRL_DESIGN_SLOT_FORWARD, d, {415, 58, 523, 75}, "next");
    b.Screen(CTRL_DESIGN_BODY_BACK, d, {269, 224, 301, 241}, "<");
    b.Screen(CTRL_DESIGN_BODY_FORWARD, d, {491, 224, 523, 241}, ">");
    b.Screen(CTRL_DESIGN_FRONT_BACK, d, {269, 247, 282, 264}, "<");
    b.Screen(CTRL_DESIGN_FRONT_FORWARD, d, {341, 247, 354, 264}, ">");
    b.Screen(CTRL_DESIGN_MIDDLE_BACK, d, {355, 247, 368, 264}, "<");
    b.Screen(CTRL_DESIGN_MIDDLE_FORWARD, d, {424, 247, 437, 264}, ">");
    b.Screen(CTRL_DESIGN_REAR_BACK, d, {438, 247, 451, 264}, "<");
    b.Screen(CTRL_DESIGN_REAR_FORWARD, d, {510, 247, 523, 264}, ">");
    b.Screen(CTRL_DESIGN_SAVE_MODEL, d, {22, 387, 199, 416}, "save model");
    b.Screen(CTRL_DESIGN_DELETE_MODEL, d, {22, 436, 199, 465}, "delete model");

    const i32 add = POPUP_ADD_PARTS;
    b.Popup(CTRL_ADD_ENGINE, d, add, add, {302, 205, 489, 235}, "engine");
    b.Popup(CTRL_ADD_SUSPENSION, d, add, add, {302, 241, 489, 270}, "suspension");
    b.Popup(CTRL_ADD_BRAKES, d, add, add, {302, 277, 489, 306}, "brakes");
    b.Popup(CTRL_ADD_LUXURY, d, add, add, {302, 313, 489, 342}, "luxury items");
    b.Popup(CTRL_ADD_SAFETY, d, add, add, {302, 349, 489, 378}, "safety items");
    b.Popup(CTRL_ADD_CLOSE, d, add, add, {302, 399, 489, 428}, "close");

    for (i32 n = 0; n < kPartsPerCategory; ++n)
        b.Popup(CTRL_PART_ROW_1 + n, d, POPUP_BRAKES_PARTS, POPUP_SAFETY_PARTS,
                {221, 48 + 43 * n, 575, 88 + 43 * n}, "");
    const i32 p0 = POPUP_BRAKES_PARTS;
    const i32 p1 = POPUP_ENGINE_PARTS;
    b.Popup(CTRL_VARIANT_BACK, d, p0, p1, {208, 496, 226, 519}, "<");
    b.Popup(CTRL_VARIANT_FORWARD, d, p0, p1, {348, 496, 368, 519}, ">");
    b.Popup(CTRL_PARTS_INSTALL, d, p0, p1, {428, 491, 589, 507}, "install");
    b.Popup(CTRL_PARTS_BACK, d, p0, p1, {428, 511, 589, 527}, "back");
    const i32 i0 = POPUP_LUXURY_PARTS;
    const i32 i1 = POPUP_SAFETY_PARTS;
    b.Popup(CTRL_ITEMS_INSTALL, d, i0, i1, {208, 495, 495, 518}, "install");
    b.Popup(CTRL_ITEMS_BACK, d, i0, i1, {427, 495, 588, 518}, "back");

    // Factory.
    const i32 f = SCREEN_GAME_FACTORY;
    b.Screen(CTRL_FACTORY_EXIT, f, {319, 488, 483, 522}, "exit");
    b.Screen(CTRL_FACTORY_REGION_BACK, f, {275, 47, 298, 77}, "<");
    b.Screen(CTRL_FACTORY_REGION_FORWARD, f, {511, 47, 536, 77}, ">");
    for (i32 k = 0; k < kProductionLines; ++k) {
        const i32 top = kLinePriceRowTop[k];
        b.Screen(CTRL_PRICE_1 + k, f, {170, top, 226, top + 20}, "");
        b.Screen(CTRL_REMOVE_1 + k, f, {364, top, 472, top + 20}, "remove");
        for (i32 j = 0; j < 2; ++j) {
            const i32 dt = kDestinationRowTop[k][j];
            b.Screen(DestinationArrow(k + 1, j + 1, false), f, {234, dt, 244, dt + 16}, "<");
            b.Screen(DestinationArrow(k + 1, j + 1, true), f, {329, dt, 339, dt + 16}, ">");
        }
    }
    b.Screen(CTRL_FACTORY_TECHNICIANS, f, {660, 150, 734, 174}, "");
    b.Screen(CTRL_FACTORY_SALESMEN, f, {660, 337, 734, 361}, "");
    b.Screen(CTRL_FACTORY_BROWSE, f, {59, 137, 214, 159}, "add model");
    b.Screen(CTRL_ASSIGN_TECHNICIANS, f, {601, 238, 698, 263}, "assign");
    b.Screen(CTRL_ASSIGN_SALESMEN, f, {601, 420, 698, 445}, "assign");
    const i32 br = POPUP_BROWSE_MODELS;
    for (i32 n = 0; n < kModelSlots; ++n)
        b.Popup(CTRL_BROWSE_ROW_1 + n, f, br, br, {317, kBrowseRowTop[n], 433, kBrowseRowTop[n] + 18}, "");
    b.Popup(CTRL_BROWSE_BACK, f, br, br, {289, 413, 381, 432}, "back");
    b.Popup(CTRL_BROWSE_ADD, f, br, br, {408, 413, 500, 432}, "add");

    b.Screen(CTRL_GAME_OVER_MENU, SCREEN_GAME_OVER, {324, 356, 484, 382}, "main menu");
    return b.Table;
}

constexpr ControlTable kControls = BuildControls();

constexpr bool EveryControlIsSet() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& c = kControls[i];
        if (static_cast<std::size_t>(c.Id) != i || c.Label == nullptr) return false;
        if (c.Box.Width() <= 0 || c.Box.Height() <= 0) return false;
    }
    return true;
}
static_assert(EveryControlIsSet());

constexpr HoverArea kHoverTable[] = {
    {SCREEN_GAME_MAIN, {480, 242, 762, 353}, HOT_OFFICE},
    {SCREEN_GAME_MAIN, {83, 206, 276, 353}, HOT_ADVERTISING},
    {SCREEN_GAME_MAIN, {0, 127, 189, 206}, HOT_RESEARCH},
    {SCREEN_GAME_MAIN, {0, 207, 82, 354}, HOT_RESEARCH},
    {SCREEN_GAME_MAIN, {188, 105, 276, 206}, HOT_DESIGN},
    {SCREEN_GAME_MAIN, {276, 139, 477, 336}, HOT_DESIGN},
    {SCREEN_GAME_MAIN, {502, 168, 800, 241}, HOT_FACTORY},
    {SCREEN_GAME_MAIN, {616, 90, 770, 169}, HOT_FACTORY},
    {SCREEN_GAME_MAIN, {763, 241, 800, 355}, HOT_FACTORY},
    {SCREEN_GAME_MAIN, {346, 281, 456, 337}, HOT_NONE},
    {SCREEN_GAME_OFFICE, {95, 132, 188, 361}, HOT_EXIT},
    {SCREEN_GAME_OFFICE, {281, 122, 434, 223}, HOT_MAP},
    {SCREEN_GAME_OFFICE, {584, 303, 695, 441}, HOT_BANK},
    {SCREEN_GAME_OFFICE, {402, 347, 455, 374}, HOT_PERSONNEL},
    {SCREEN_GAME_OFFICE, {240, 350, 304, 375}, HOT_STATISTICS},
    {SCREEN_GAME_ADVERTISING, {0, 22, 53, 429}, HOT_EXIT},
    {SCREEN_GAME_ADVERTISING, {113, 52, 214, 228}, HOT_AUTO_SHOW},
    {SCREEN_GAME_ADVERTISING, {205, 233, 261, 271}, HOT_RADIO},
    {SCREEN_GAME_ADVERTISING, {273, 333, 396, 461}, HOT_TELEVISION},
    {SCREEN_GAME_ADVERTISING, {458, 450, 552, 503}, HOT_NEWSPAPER},
    {SCREEN_GAME_ADVERTISING, {505, 66, 613, 153}, HOT_BILLBOARD},
    {SCREEN_GAME_RESEARCH, {352, 91, 442, 224}, HOT_EXIT},
    {SCREEN_GAME_RESEARCH, {167, 232, 354, 286}, HOT_BRAKES},
    {SCREEN_GAME_RESEARCH, {100, 315, 345, 387}, HOT_SUSPENSION},
    {SCREEN_GAME_RESEARCH, {5, 431, 330, 530}, HOT_ENGINE},
    {SCREEN_GAME_RESEARCH, {443, 232, 633, 285}, HOT_BODY},
    {SCREEN_GAME_RESEARCH, {455, 314, 700, 387}, HOT_LUXURY},
    {SCREEN_GAME_RESEARCH, {470, 431, 794, 531}, HOT_SAFETY},
    {SCREEN_GAME_RESEARCH, {525, 365, 608, 432}, HOT_SAFETY},
    {SCREEN_GAME_RESEARCH, {234, 95, 336, 196}, HOT_BODY_TYPES},
    {SCREEN_GAME_RESEARCH, {465, 106, 557, 173}, HOT_EXPAND_RESEARCH},
};
constexpr i32 kHoverCount = static_cast<i32>(sizeof(kHoverTable) / sizeof(kHoverTable[0]));

constexpr i32 kSlotFrameY[kSaveSlots] = {240, 272, 304, 337};   // slot 4 sits one pixel lower
constexpr i32 kPartFrameY0 = 47;

}  // namespace

const Control& ControlAt(i32 id) {
    if (id < 0 || id >= kControlCount) id = CTRL_BACK;
    return kControls[static_cast<std::size_t>(id)];
}

HoverAreaList HoverAreas(i32 screen) {
    i32 first = -1;
    i32 count = 0;
    for (i32 i = 0; i < kHoverCount; ++i) {
        if (kHoverTable[i].Screen != screen) continue;
        if (first < 0) first = i;
        ++count;
    }
    return first < 0 ? HoverAreaList{nullptr, 0} : HoverAreaList{&kHoverTable[first], count};
}

Placement MenuButton(i32 screen, i32 slot) {
    static constexpr i32 kMain[4] = {p_MENU_button_new, p_MENU_button_save_off, p_MENU_button_load,
                                     p_MENU_button_quit};
    static constexpr i32 kInGame[4] = {p_MENU_button_continue, p_MENU_button_save_on,
                                       p_MENU_button_load, p_MENU_button_mainmenu};
    if (slot < 0 || slot > 3) return {kNoPicture, 0, 0};
    if (screen == SCREEN_MENU) return {kMain[slot], kMenuButtonX, kMenuButtonY[slot]};
    if (screen == SCREEN_MENU_GAME) return {kInGame[slot], kMenuButtonX, kMenuButtonY[slot]};
    return {kNoPicture, 0, 0};
}

Point PopupOrigin(i32 screen) {
    switch (screen) {
    case SCREEN_GAME_OFFICE: return {100, 120};
    case SCREEN_GAME_ADVERTISING: return {241, 171};
    case SCREEN_GAME_RESEARCH: return {276, 175};
    case SCREEN_GAME_DESIGN: return {193, 15};
    default: return {0, 0};
    }
}

bool HasPopupOrigin(i32 screen) { return screen >= SCREEN_GAME_OFFICE && screen <= SCREEN_GAME_DESIGN; }

bool PopupAtOrigin(i32 popup) {
    return PopupPicture(popup) != kNoPicture && popup != POPUP_ADD_PARTS && popup != POPUP_BROWSE_MODELS &&
           popup < POPUP_STATISTICS;
}

Placement PopupPlacement(i32 popup) {
    const i32 picture = PopupPicture(popup);
    if (picture == kNoPicture) return {kNoPicture, 0, 0};
    if (popup == POPUP_ADD_PARTS || popup == POPUP_BROWSE_MODELS) return {picture, 284, 163};
    if (popup == POPUP_STATISTICS) return {picture, 321, 191};
    if (popup >= POPUP_MONTH_REPORT) return {picture, 0, 0};
    i32 screen = SCREEN_GAME_OFFICE;
    if (popup <= POPUP_BILLBOARD) screen = SCREEN_GAME_ADVERTISING;
    else if (popup <= POPUP_EXPAND_RESEARCH) screen = SCREEN_GAME_RESEARCH;
    else if (popup >= POPUP_BRAKES_PARTS) screen = SCREEN_GAME_DESIGN;
    const Point origin = PopupOrigin(screen);
    return {picture, origin.X, origin.Y};
}

Placement FocusFrame(i32 focus) {
    if (focus >= FOCUS_SLOT_1 && focus <= FOCUS_SLOT_4)
        return {p_MENU_chosen_slot, 318, kSlotFrameY[focus - FOCUS_SLOT_1]};
    if (focus >= FOCUS_SALESMEN_HIRE && focus <= FOCUS_TECHNICIANS_FIRE) {
        const Rect box = ControlAt(CTRL_STAFF_FIELD_1 + focus - FOCUS_SALESMEN_HIRE).Box;
        const bool technicians = focus >= FOCUS_TECHNICIANS_HIRE;
        return {p_GAME_office_personnel_chosen, box.Left, box.Top + (technicians ? 1 : 0)};
    }
    switch (focus) {
    case FOCUS_SALESMEN_WAGE: return {p_GAME_office_personnel_chosen2, 223, 280};
    case FOCUS_SCIENTISTS_WAGE: return {p_GAME_office_personnel_chosen2, 410, 280};
    case FOCUS_TECHNICIANS_WAGE: return {p_GAME_office_personnel_chosen2, 602, 281};
    case FOCUS_BANK_DEPOSIT: return {p_GAME_office_bank_chosen, 314, 224};
    case FOCUS_BANK_LOAN: return {p_GAME_office_bank_chosen, 262, 357};
    case FOCUS_RESEARCH_SCIENTISTS: return {p_GAME_research_chosen, 474, 216};
    case FOCUS_FACTORY_TECHNICIANS:
        return {p_GAME_factory_workers_chosen, kWorkersFieldAt[0].X, kWorkersFieldAt[0].Y};
    case FOCUS_FACTORY_SALESMEN:
        return {p_GAME_factory_workers_chosen, kWorkersFieldAt[1].X, kWorkersFieldAt[1].Y};
    case FOCUS_MODEL_NAME: return {p_GAME_design_chosen, 21, 163};
    case FOCUS_PLAYER_NAME: return {p_GAME_player_name_chosen, 317, 252};
    default: break;
    }
    if (focus >= FOCUS_ADVERT_ROW_1 && focus <= FOCUS_ADVERT_ROW_6)
        return {p_GAME_advert_chosen, 463, kAdvertRowTop[focus - FOCUS_ADVERT_ROW_1]};
    if (focus >= FOCUS_PRICE_ROW_1 && focus <= FOCUS_PRICE_ROW_5) {
        const Point at = kPriceFieldAt[focus - FOCUS_PRICE_ROW_1];
        return {p_GAME_factory_price_chosen, at.X, at.Y};
    }
    if (focus >= FOCUS_PART_ROW_1 && focus <= FOCUS_PART_ROW_10)
        return {p_GAME_design_chosen_part, 220, kPartFrameY0 + 43 * (focus - FOCUS_PART_ROW_1)};
    if (focus >= FOCUS_BROWSE_MODEL_1 && focus <= FOCUS_BROWSE_MODEL_10) {
        const i32 n = focus - FOCUS_BROWSE_MODEL_1;
        return {p_GAME_factory_chosen_model, 316, n == 0 ? 173 : 195 + 20 * (n - 1)};
    }
    return {kNoPicture, 0, 0};
}
