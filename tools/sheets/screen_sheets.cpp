#include "sheets/screen_sheets.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/window.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"
#include "sheets/sample_company.h"

namespace sheets {

namespace {

struct ScreenSheet {
    const char* Name;
    i32 Screen;
    i32 Popup = POPUP_NONE;
    i32 Focus = FOCUS_NONE;       // the field or row with the highlight frame
    i32 Hover = HOT_NONE;         // the item under the pointer, captioned in the strip
    void (*Change)() = nullptr;   // records that differ from the sample company
};

// A billboard campaign gives the advertising screen its second picture.
void BookBillboard() { MediumCampaign(PlayerAdvertising.Block[3], MEDIUM_BILLBOARD) = AdCampaign{5000, 6}; }
// A full laboratory is offered no more places.
void FillLaboratory() { PlayerResearch.LabCapacity = 900; }

constexpr i32 kOffice = SCREEN_GAME_OFFICE;
constexpr i32 kAdvertising = SCREEN_GAME_ADVERTISING;
constexpr i32 kResearch = SCREEN_GAME_RESEARCH;
constexpr i32 kDesign = SCREEN_GAME_DESIGN;
constexpr i32 kFactory = SCREEN_GAME_FACTORY;

const ScreenSheet kSheets[] = {
    {"00_intro", SCREEN_INTRO},
    {"01_menu", SCREEN_MENU},
    {"02_new_game", SCREEN_MENU_NEW, POPUP_NONE, FOCUS_PLAYER_NAME},
    {"03_save", SCREEN_MENU_SAVE, POPUP_NONE, FOCUS_SLOT_2},
    {"04_load", SCREEN_MENU_LOAD, POPUP_NONE, FOCUS_SLOT_2},
    {"05_menu_in_game", SCREEN_MENU_GAME},
    {"06_main", SCREEN_GAME_MAIN, POPUP_NONE, FOCUS_NONE, HOT_ADVERTISING},
    {"07_office", kOffice, POPUP_NONE, FOCUS_NONE, HOT_STATISTICS},
    {"07_office_map", kOffice, POPUP_MAP},
    {"07_office_bank", kOffice, POPUP_BANK, FOCUS_BANK_DEPOSIT},
    {"07_office_personnel", kOffice, POPUP_PERSONNEL, FOCUS_TECHNICIANS_FIRE},
    {"07_office_personnel_wage", kOffice, POPUP_PERSONNEL, FOCUS_SCIENTISTS_WAGE},
    {"07_office_statistics", kOffice, POPUP_STATISTICS},
    {"07_report_month", kOffice, POPUP_MONTH_REPORT},
    {"07_report_profit", kOffice, POPUP_PROFIT_REPORT},
    {"07_report_model", kOffice, POPUP_MODEL_REPORT},
    {"07_report_research", kOffice, POPUP_RESEARCH_REPORT},
    {"08_advertising", kAdvertising, POPUP_NONE, FOCUS_NONE, HOT_TELEVISION},
    {"08_advertising_billboard", kAdvertising, POPUP_NONE, FOCUS_NONE, HOT_BILLBOARD, BookBillboard},
    {"08_advertising_auto_show", kAdvertising, POPUP_AUTO_SHOW},
    {"08_advertising_radio", kAdvertising, POPUP_RADIO},
    {"08_advertising_television", kAdvertising, POPUP_TELEVISION, FOCUS_ADVERT_ROW_2},
    {"08_advertising_newspaper", kAdvertising, POPUP_NEWSPAPER},
    {"08_advertising_billboard_popup", kAdvertising, POPUP_BILLBOARD, FOCUS_NONE, HOT_NONE, BookBillboard},
    {"09_research", kResearch, POPUP_NONE, FOCUS_NONE, HOT_SUSPENSION},
    {"09_research_brakes", kResearch, POPUP_RESEARCH_BRAKES},
    {"09_research_suspension", kResearch, POPUP_RESEARCH_SUSPENSION},
    {"09_research_engine", kResearch, POPUP_RESEARCH_ENGINE, FOCUS_RESEARCH_SCIENTISTS},
    {"09_research_body", kResearch, POPUP_RESEARCH_BODY},
    {"09_research_luxury", kResearch, POPUP_RESEARCH_LUXURY},
    {"09_research_safety", kResearch, POPUP_RESEARCH_SAFETY},
    {"09_research_body_types", kResearch, POPUP_BODY_TYPES},
    {"09_research_expand", kResearch, POPUP_EXPAND_RESEARCH},
    {"09_research_expand_full", kResearch, POPUP_EXPAND_RESEARCH, FOCUS_NONE, HOT_NONE, FillLaboratory},
    {"10_design", kDesign, POPUP_NONE, FOCUS_MODEL_NAME},
    {"10_design_add_parts", kDesign, POPUP_ADD_PARTS},
    {"10_design_brakes", kDesign, POPUP_BRAKES_PARTS, FOCUS_PART_ROW_3},
    {"10_design_suspension", kDesign, POPUP_SUSPENSION_PARTS, FOCUS_PART_ROW_3},
    {"10_design_engine", kDesign, POPUP_ENGINE_PARTS, FOCUS_PART_ROW_3},
    {"10_design_luxury", kDesign, POPUP_LUXURY_PARTS, FOCUS_PART_ROW_3},
    {"10_design_safety", kDesign, POPUP_SAFETY_PARTS, FOCUS_PART_ROW_3},
    {"11_factory", kFactory, POPUP_NONE, FOCUS_PRICE_ROW_3},
    {"11_factory_staff", kFactory, POPUP_NONE, FOCUS_FACTORY_SALESMEN},
    {"11_factory_browse", kFactory, POPUP_BROWSE_MODELS, FOCUS_BROWSE_MODEL_2},
    {"12_month_end", SCREEN_GAME_NEXT_MONTH},
    {"13_game_over", SCREEN_GAME_OVER},
};

// Moves the game's pointer onto the item's hover area, as the player does.
void PointAt(platform::Window* game, i32 screen, i32 item) {
    const HoverAreaList areas = HoverAreas(screen);
    for (i32 i = 0; i < areas.Count; ++i) {
        const HoverArea& area = areas.First[i];
        if (area.HotItem != item) continue;
        const i32 x = (area.Box.Left + area.Box.Right) / 2;
        const i32 y = (area.Box.Top + area.Box.Bottom) / 2;
        platform::SendWindowMessage(game, platform::MESSAGE_MOUSE_MOVE, 0, platform::PackPosition(x, y));
        return;
    }
}

// The game with the sample company, showing the sheet's screen with the
// popup and focus given, freshly painted on a black window.
const platform::Canvas& Show(const Output& out, const ScreenSheet& sheet, i32 popup, i32 focus) {
    ResetAllRecords();
    ResetInterfaceState();
    SetUpSampleCompany();
    if (sheet.Change != nullptr) sheet.Change();
    MainObj.GameInProgress = 1;
    MainObj.Screen = sheet.Screen;
    MainObj.Popup = popup;
    MainObj.Focus = focus;
    platform::FillCanvas(out.Game->canvas, hbrush);
    if (sheet.Hover != HOT_NONE) PointAt(out.Game, sheet.Screen, sheet.Hover);
    out.Repaint();
    return out.Game->canvas;
}

bool Same(const platform::Canvas& a, const platform::Canvas& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Paints the sheet and checks that its popup, its highlight frame and its
// caption each show: each must change what the game draws.
bool ShowChecked(const Output& out, const ScreenSheet& sheet) {
    auto bare = std::make_unique<platform::Canvas>(Show(out, sheet, POPUP_NONE, FOCUS_NONE));
    auto withPopup = std::make_unique<platform::Canvas>(Show(out, sheet, sheet.Popup, FOCUS_NONE));
    const platform::Canvas& whole = Show(out, sheet, sheet.Popup, sheet.Focus);
    const char* fault = nullptr;
    if (sheet.Popup != POPUP_NONE && Same(*bare, *withPopup)) fault = "its popup";
    else if (sheet.Focus != FOCUS_NONE && Same(*withPopup, whole)) fault = "its highlight frame";
    else if (sheet.Hover != HOT_NONE && MainObj.ShownCaption != sheet.Hover) fault = "its caption";
    if (fault != nullptr) std::fprintf(stderr, "%s: the game does not draw %s\n", sheet.Name, fault);
    return fault == nullptr;
}

}  // namespace

bool WriteScreenSheets(const Output& out) {
    bool ok = true;
    for (const ScreenSheet& sheet : kSheets) {
        if (!ShowChecked(out, sheet)) ok = false;
        if (!out.Write(out.Game->canvas, sheet.Name)) ok = false;
    }
    return ok;
}

}  // namespace sheets
