#pragma once
// The screen layout: every clickable rectangle (buttons, fields, list rows),
// every hover area, and where the overlay pictures go. The click map tests
// these rectangles, the painters draw at these places, and the picture
// generator draws each button and field exactly over its rectangle, so the
// three always agree. Text positions are in text_layout.h; rectangles are
// inclusive on all four sides (rect.h).

#include "model/records.h"
#include "presentation/interface_state.h"
#include "presentation/rect.h"

// ---- Controls ---------------------------------------------------------------
// Every button, field and list row, grouped by screen and popup. Families of
// rows are consecutive: row n of a family is its _1 id + n - 1.

enum ControlId : i32 {
    // Footer of the game screens 6..12
    CTRL_BACK,                      // to the in-game menu
    CTRL_NEXT_MONTH,                // main view: run the month
    CTRL_MONTH_END_CONTINUE,        // month-end report: back to the main view

    // Main menu (1) and in-game menu (5): the four button slots
    CTRL_MENU_NEW,
    CTRL_MENU_LOAD,
    CTRL_MENU_QUIT,
    CTRL_MENU_CONTINUE,
    CTRL_MENU_SAVE,
    CTRL_MENU_LOAD_IN_GAME,
    CTRL_MENU_MAIN_MENU,

    // New game (2)
    CTRL_NEW_BACK,
    CTRL_NEW_NAME,
    CTRL_NEW_REGION_BACK,
    CTRL_NEW_REGION_FORWARD,
    CTRL_NEW_START,

    // Save (3) and load (4)
    CTRL_SAVE_SLOT_1,
    CTRL_SAVE_SLOT_LAST = CTRL_SAVE_SLOT_1 + kSaveSlots - 1,
    CTRL_SAVE_BACK,
    CTRL_SAVE_OK,
    CTRL_LOAD_SLOT_1,
    CTRL_LOAD_SLOT_LAST = CTRL_LOAD_SLOT_1 + kSaveSlots - 1,
    CTRL_LOAD_BACK,
    CTRL_LOAD_OK,

    // Office popups
    CTRL_OFFICE_CLOSE,              // shared by bank, personnel, statistics, reports
    CTRL_MAP_CLOSE,
    CTRL_MAP_REGION_BACK,
    CTRL_MAP_REGION_FORWARD,
    CTRL_MAP_BUY_FACTORY,
    CTRL_MAP_BUY_SALON,
    CTRL_BANK_DEPOSIT_FIELD,
    CTRL_BANK_LOAN_FIELD,
    CTRL_BANK_DEPOSIT,
    CTRL_BANK_WITHDRAW,
    CTRL_BANK_TERM_DOWN,
    CTRL_BANK_TERM_UP,
    CTRL_BANK_TAKE_LOAN,
    CTRL_BANK_REPAY,
    // Six fields in focus order: salesmen hire, salesmen fire, scientists
    // hire, scientists fire, technicians hire, technicians fire.
    CTRL_STAFF_FIELD_1,
    CTRL_STAFF_FIELD_LAST = CTRL_STAFF_FIELD_1 + 2 * kStaffKindCount - 1,
    // Their six buttons, in the same order.
    CTRL_STAFF_BUTTON_1,
    CTRL_STAFF_BUTTON_LAST = CTRL_STAFF_BUTTON_1 + 2 * kStaffKindCount - 1,
    CTRL_STATISTICS_CLOSE,
    CTRL_STATISTICS_MONTH_REPORT,
    CTRL_STATISTICS_PROFIT_REPORT,
    CTRL_STATISTICS_MODEL_REPORT,
    CTRL_STATISTICS_RESEARCH_REPORT,
    CTRL_MONTH_REPORT_BACK,
    CTRL_PROFIT_REPORT_BACK,
    CTRL_MODEL_REPORT_BACK,
    CTRL_RESEARCH_REPORT_BACK,

    // Advertising media popups 1..5; rows 1..6 edit blocks 3, 0, 1, 2, 4, 5
    CTRL_ADVERT_CLOSE_LEFT,
    CTRL_ADVERT_CLOSE_RIGHT,
    CTRL_ADVERT_MINUS_1,
    CTRL_ADVERT_MINUS_LAST = CTRL_ADVERT_MINUS_1 + kAdBlocks - 1,
    CTRL_ADVERT_PLUS_1,
    CTRL_ADVERT_PLUS_LAST = CTRL_ADVERT_PLUS_1 + kAdBlocks - 1,
    CTRL_ADVERT_AMOUNT_1,
    CTRL_ADVERT_AMOUNT_LAST = CTRL_ADVERT_AMOUNT_1 + kAdBlocks - 1,

    // Research popups
    CTRL_AREA_CLOSE,                // research areas 6..11: two buttons that both close
    CTRL_AREA_OK,
    CTRL_AREA_SCIENTISTS,
    CTRL_BODY_TYPES_PREVIOUS,
    CTRL_BODY_TYPES_NEXT,
    CTRL_BODY_TYPES_CLOSE,
    CTRL_BODY_TYPES_BUY,
    CTRL_EXPAND_CLOSE,
    CTRL_EXPAND_BUY,

    // Design screen (10)
    CTRL_DESIGN_EXIT,
    CTRL_DESIGN_NAME,
    CTRL_DESIGN_NEW_MODEL,
    CTRL_DESIGN_ADD_PARTS,
    CTRL_DESIGN_SLOT_BACK,
    CTRL_DESIGN_SLOT_FORWARD,
    CTRL_DESIGN_BODY_BACK,
    CTRL_DESIGN_BODY_FORWARD,
    CTRL_DESIGN_FRONT_BACK,
    CTRL_DESIGN_FRONT_FORWARD,
    CTRL_DESIGN_MIDDLE_BACK,
    CTRL_DESIGN_MIDDLE_FORWARD,
    CTRL_DESIGN_REAR_BACK,
    CTRL_DESIGN_REAR_FORWARD,
    CTRL_DESIGN_SAVE_MODEL,
    CTRL_DESIGN_DELETE_MODEL,
    // Add-parts chooser (17)
    CTRL_ADD_ENGINE,
    CTRL_ADD_SUSPENSION,
    CTRL_ADD_BRAKES,
    CTRL_ADD_LUXURY,
    CTRL_ADD_SAFETY,
    CTRL_ADD_CLOSE,
    // Part lists (18..22)
    CTRL_PART_ROW_1,
    CTRL_PART_ROW_LAST = CTRL_PART_ROW_1 + kPartsPerCategory - 1,
    CTRL_VARIANT_BACK,              // lists 18..20
    CTRL_VARIANT_FORWARD,
    CTRL_PARTS_INSTALL,
    CTRL_PARTS_BACK,
    CTRL_ITEMS_INSTALL,             // lists 21, 22 (overlaps CTRL_ITEMS_BACK)
    CTRL_ITEMS_BACK,

    // Factory screen (11)
    CTRL_FACTORY_EXIT,
    CTRL_FACTORY_REGION_BACK,
    CTRL_FACTORY_REGION_FORWARD,
    CTRL_PRICE_1,
    CTRL_PRICE_LAST = CTRL_PRICE_1 + kProductionLines - 1,
    CTRL_FACTORY_TECHNICIANS,
    CTRL_FACTORY_SALESMEN,
    CTRL_FACTORY_BROWSE,
    // Destination arrows in click order: for each line 1..5, destination 1
    // back, destination 1 forward, destination 2 back, destination 2 forward.
    CTRL_DESTINATION_1,
    CTRL_DESTINATION_LAST = CTRL_DESTINATION_1 + kProductionLines * 4 - 1,
    CTRL_REMOVE_1,
    CTRL_REMOVE_LAST = CTRL_REMOVE_1 + kProductionLines - 1,
    CTRL_ASSIGN_TECHNICIANS,
    CTRL_ASSIGN_SALESMEN,
    // Model browser (23)
    CTRL_BROWSE_ROW_1,
    CTRL_BROWSE_ROW_LAST = CTRL_BROWSE_ROW_1 + kModelSlots - 1,
    CTRL_BROWSE_BACK,
    CTRL_BROWSE_ADD,

    // Game over (13)
    CTRL_GAME_OVER_MENU,

    kControlCount,
};

// A control lives on the screens ScreenFirst..ScreenLast and, for popup controls, on the popups
// PopupFirst..PopupLast (POPUP_NONE for the screen's own controls). Label is
// the word the pictures show on it ("" for plain fields and list rows).
struct Control {
    ControlId Id;
    i32 ScreenFirst;    // ScreenId; only the footer's back button serves several
    i32 ScreenLast;
    i32 PopupFirst;     // PopupId
    i32 PopupLast;
    Rect Box;
    const char* Label;
};

const Control& ControlAt(i32 id);

// Destination arrow of a production line (1..5), destination (1, 2), back or forward.
constexpr i32 DestinationArrow(i32 line, i32 destination, bool forward) {
    return CTRL_DESTINATION_1 + (line - 1) * 4 + (destination - 1) * 2 + (forward ? 1 : 0);
}

// ---- Hover areas --------------------------------------------------------------
// The hover areas of the main view, office, advertising and research screens,
// in test order: the last area holding the point gives the hover item. Each
// is also a click rectangle of its screen.

struct HoverArea {
    i32 Screen;     // ScreenId
    Rect Box;
    i32 HotItem;    // HotItemId
};

struct HoverAreaList {
    const HoverArea* First;
    i32 Count;
};

// The hover areas of one screen, in test order; empty for other screens.
HoverAreaList HoverAreas(i32 screen);

// The window rectangle tested before the hover areas (one pixel beyond the window).
inline constexpr Rect kWholeWindow{0, 0, 800, 600};

// ---- Picture places -----------------------------------------------------------

struct Point {
    i32 X;
    i32 Y;
};

struct Placement {
    i32 Picture;    // PictureId, kNoPicture for none
    i32 X;
    i32 Y;
};

// Background footer: patches drawn over the footer band of screens 6..12.
inline constexpr Point kMoneyCleanAt{552, 542};
inline constexpr Point kDescriptionCleanAt{263, 562};

// The four menu button slots (screens 1 and 5).
inline constexpr i32 kMenuButtonX = 302;
inline constexpr i32 kMenuButtonY[4] = {199, 261, 323, 384};
// Buttons drawn in the slots: main menu, then in-game menu.
Placement MenuButton(i32 screen, i32 slot);

// Popup origin of a screen (office, advertising, research, design); {0, 0} elsewhere.
Point PopupOrigin(i32 screen);
// Whether a screen has a popup origin.
bool HasPopupOrigin(i32 screen);
// Whether a popup stands at the popup origin of the screen showing it; the
// others (add parts, browse, statistics and the reports) have places of their own.
bool PopupAtOrigin(i32 popup);
// Picture and top-left corner of a popup as it is drawn on its own screen.
Placement PopupPlacement(i32 popup);

// Highlight frame of a focus value; picture kNoPicture for none.
Placement FocusFrame(i32 focus);

// Factory fields that carry a frame or a clean patch: five prices, two staff fields.
inline constexpr Point kPriceFieldAt[kProductionLines] = {
    {170, 230}, {170, 279}, {170, 328}, {170, 378}, {170, 430}};
inline constexpr Point kWorkersFieldAt[2] = {{660, 150}, {660, 337}};   // technicians, salesmen
inline constexpr i32 kRemoveModelX = 364;    // y: the line's price row

// Design screen.
inline constexpr Point kCarNumberCleanAt{376, 59};
inline constexpr Point kCarPieceAt[3] = {{271, 77}, {362, 77}, {430, 77}};   // front, middle, rear
inline constexpr i32 kCarPictureMaxHeight = 151;                            // y 77..227
inline constexpr Point PartIconAt(i32 row) { return {221, 48 + 43 * (row - 1)}; }

// Advertising popups: the advertising block each of the six rows shows and edits.
inline constexpr i32 kAdvertRowBlock[kAdBlocks] = {3, 0, 1, 2, 4, 5};

// Research popups.
inline constexpr Point kExpandCleanAt{278, 282};
inline constexpr Point kBodyTypePictureAt{332, 222};
// Segment i (0..n) of the research progress bar of a research popup (6..11).
inline constexpr Point ResearchBarSegmentAt(i32 popup, i32 i) {
    return {307 + 2 * i, popup == POPUP_RESEARCH_BRAKES || popup == POPUP_RESEARCH_BODY ? 254 : 255};
}
inline constexpr i32 kResearchBarSegments = 100;   // at most, i = 0..99

// Report bars: tile i (1..) of a column stands at y ReportBarY(i).
inline constexpr i32 ReportBarY(i32 tile) { return 382 - 36 * (tile - 1); }
inline constexpr i32 kProfitBarX[kCompanyCount] = {249, 288, 327};   // player, rival 1, rival 2
// Research report columns, in the report's own category order.
inline constexpr i32 kResearchReportCategories[kPartCategories] = {
    PART_ENGINE, PART_BRAKES, PART_SUSPENSION, PART_BODY, PART_LUXURY, PART_SAFETY};
inline constexpr i32 kResearchBarX[kPartCategories][kCompanyCount] = {
    {237, 251, 265}, {312, 326, 340}, {386, 400, 414},
    {462, 476, 490}, {538, 552, 566}, {614, 628, 642}};
