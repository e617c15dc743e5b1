// Pictures of painted screens for a look by eye: with VELMARA_SHOTS set,
// paints a game in progress on every screen and popup with the real
// catalogue and writes each as shots/<name>.png under the build folder.
// Skipped otherwise: loading the whole catalogue is no unit test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "main/window_procedure.h"
#include "model/player.h"
#include "platform/headless_window.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "saves/save_load.h"
#include "screens/screen_test.h"

namespace {

struct Scene {
    const char* Name;
    i32 Screen;
    i32 Popup;
    i32 Focus;
    i32 HotItem;
};

constexpr Scene kScenes[] = {
    {"main", SCREEN_GAME_MAIN, POPUP_NONE, FOCUS_NONE, HOT_FACTORY},
    {"office", SCREEN_GAME_OFFICE, POPUP_NONE, FOCUS_NONE, HOT_STATISTICS},
    {"office_map", SCREEN_GAME_OFFICE, POPUP_MAP, FOCUS_NONE, HOT_NONE},
    {"office_bank", SCREEN_GAME_OFFICE, POPUP_BANK, FOCUS_BANK_LOAN, HOT_NONE},
    {"office_personnel", SCREEN_GAME_OFFICE, POPUP_PERSONNEL, FOCUS_SCIENTISTS_FIRE, HOT_NONE},
    {"office_statistics", SCREEN_GAME_OFFICE, POPUP_STATISTICS, FOCUS_NONE, HOT_NONE},
    {"report_month", SCREEN_GAME_OFFICE, POPUP_MONTH_REPORT, FOCUS_NONE, HOT_NONE},
    {"report_profit", SCREEN_GAME_OFFICE, POPUP_PROFIT_REPORT, FOCUS_NONE, HOT_NONE},
    {"report_model", SCREEN_GAME_OFFICE, POPUP_MODEL_REPORT, FOCUS_NONE, HOT_NONE},
    {"report_research", SCREEN_GAME_OFFICE, POPUP_RESEARCH_REPORT, FOCUS_NONE, HOT_NONE},
    {"advertising", SCREEN_GAME_ADVERTISING, POPUP_NONE, FOCUS_NONE, HOT_TELEVISION},
    {"advertising_radio", SCREEN_GAME_ADVERTISING, POPUP_RADIO, FOCUS_ADVERT_ROW_2, HOT_NONE},
    {"research", SCREEN_GAME_RESEARCH, POPUP_NONE, FOCUS_NONE, HOT_EXPAND_RESEARCH},
    {"research_engine", SCREEN_GAME_RESEARCH, POPUP_RESEARCH_ENGINE, FOCUS_RESEARCH_SCIENTISTS, HOT_NONE},
    {"research_body_types", SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES, FOCUS_NONE, HOT_NONE},
    {"research_expand", SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH, FOCUS_NONE, HOT_NONE},
    {"design", SCREEN_GAME_DESIGN, POPUP_NONE, FOCUS_MODEL_NAME, HOT_NONE},
    {"design_add_parts", SCREEN_GAME_DESIGN, POPUP_ADD_PARTS, FOCUS_NONE, HOT_NONE},
    {"design_engine_parts", SCREEN_GAME_DESIGN, POPUP_ENGINE_PARTS, FOCUS_PART_ROW_2, HOT_NONE},
    {"design_luxury_parts", SCREEN_GAME_DESIGN, POPUP_LUXURY_PARTS, FOCUS_NONE, HOT_NONE},
    {"factory", SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_PRICE_ROW_1, HOT_NONE},
    {"factory_browse", SCREEN_GAME_FACTORY, POPUP_BROWSE_MODELS, FOCUS_BROWSE_MODEL_1, HOT_NONE},
    {"next_month", SCREEN_GAME_NEXT_MONTH, POPUP_NONE, FOCUS_NONE, HOT_NONE},
    {"menu_new", SCREEN_MENU_NEW, POPUP_NONE, FOCUS_PLAYER_NAME, HOT_NONE},
    {"menu_load", SCREEN_MENU_LOAD, POPUP_NONE, FOCUS_SLOT_2, HOT_NONE},
};

// A company some months into the game, with a model on a line.
void PlayAFewMonths() {
    Player::SetStartValues();
    SetName(PlayerObj.Name, "velmara motors");
    PlayerObj.HomeRegion = REGION_EUROPE;
    PlayerCar.Slot = 1;
    SetName(PlayerCar.Name, "roadster");
    PlayerCar.Engine = 2;
    PlayerCar.Brakes = 1;
    PlayerCar.Suspension = 1;
    PlayerCar.LuxuryItems[1] = 1;
    PlayerCar.SafetyItems[1] = 1;
    PlayerCar.SafetyItems[2] = 2;
    PlayerCar.BodyType = BODY_FAMILY_WAGON;
    PlayerCar.Era = ERA_1908;
    PlayerCar.FrontPiece = 1;
    PlayerCar.MiddlePiece = 2;
    PlayerCar.RearPiece = 3;
    PlayerCar.Price = 950;
    Player::SaveModel();
    FactorySalonRegion& home = PlayerFactorySalon.Region[REGION_EUROPE - 1];
    home.ProductionLineModel[0] = 1;
    home.ProductionLineShipTo[0][0] = REGION_EUROPE;
    home.ProductionLineShipTo[0][1] = REGION_NORTH_AMERICA;
    home.ProductionLinesUsed = 1;
    PlayerFactorySalon.ShownRegion = REGION_EUROPE;
    for (int month = 0; month < 5; ++month) Player::NextMonth();
    SetName(Opponent1Obj.Name, "rival one");
    SetName(Opponent2Obj.Name, "rival two");
    Opponent1ProfitLoss.Profit = 6500;
    Opponent2ProfitLoss.Profit = 9200;
    Opponent1Research.ResearchLevel[PART_ENGINE] = 3;
    Opponent2Research.ResearchLevel[PART_BRAKES] = 2;
    PlayerAdvertising.Block[0].Campaign[3] = AdCampaign{2500, 6};
    PlayerResearch.BrowsedBodyType = BODY_SPORT;
    PlayerResearch.EngineVariantChoice = 3;
}

}  // namespace

TEST(ScreenShots, EveryScreenWithTheRealPictures) {
    if (std::getenv("VELMARA_SHOTS") == nullptr) GTEST_SKIP() << "set VELMARA_SHOTS to write the shots";
    ResetAllRecords();
    ResetInterfaceState();
    PlayAFewMonths();
    std::filesystem::create_directories("shots");
    load_photo_times = 0;
    platform::Window* window = platform::OpenHeadlessWindow(WindowProcedure);
    for (const Scene& scene : kScenes) {
        MainObj.Screen = scene.Screen;
        MainObj.Popup = scene.Popup;
        MainObj.Focus = scene.Focus;
        MainObj.HotItem = scene.HotItem;
        MainObj.ShownCaption = CAPTION_NONE;
        MainObj.LastDrawnScreen = 0;
        platform::RequestRepaint(window);
        platform::RunMessages(window);
        EXPECT_TRUE(platform::WriteCanvasPng(window->canvas, ("shots/" + std::string(scene.Name) + ".png").c_str()));
    }
    platform::CloseGameWindow(window);
    Paint::DeletePhoto();
    load_photo_times = 0;
    ResetAllRecords();
    ResetInterfaceState();
}
