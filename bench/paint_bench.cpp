// A full paint (background included) of the busiest screens on the
// headless window, through the window procedure as the game paints.

#include <benchmark/benchmark.h>

#include <cstring>

#include "catalogue_files.h"
#include "main/window_procedure.h"
#include "model/records.h"
#include "platform/headless_window.h"
#include "presentation/interface_state.h"
#include "presentation/paint.h"

namespace {

struct ScreenAndPopup {
    i32 screen;
    i32 popup;
    i32 focus;
};

// The screens with the most to draw: reports full of numbers, the part
// lists, the research bars, the factory and the month end.
constexpr ScreenAndPopup kBusy[] = {
    {SCREEN_GAME_OFFICE, POPUP_MODEL_REPORT, FOCUS_NONE},
    {SCREEN_GAME_OFFICE, POPUP_RESEARCH_REPORT, FOCUS_NONE},
    {SCREEN_GAME_DESIGN, POPUP_ENGINE_PARTS, FOCUS_PART_ROW_3},
    {SCREEN_GAME_RESEARCH, POPUP_RESEARCH_BRAKES, FOCUS_RESEARCH_SCIENTISTS},
    {SCREEN_GAME_FACTORY, POPUP_NONE, FOCUS_PRICE_ROW_2},
    {SCREEN_GAME_NEXT_MONTH, POPUP_NONE, FOCUS_NONE},
    {SCREEN_MENU_LOAD, POPUP_NONE, FOCUS_SLOT_2},
};

// A running game with every list and report filled.
void FillGame() {
    ResetAllRecords();
    ResetInterfaceState();
    std::memcpy(PlayerObj.Name, "velmara motors  ", kNameSize);
    PlayerObj.Cash = 12345678.0;
    PlayerObj.Year = 1938;
    PlayerObj.Month = 7;
    PlayerObj.HomeRegion = REGION_EUROPE;
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        Car& car = PlayerModel(slot);
        std::memcpy(car.Name, "model name 123  ", kNameSize);
        car.Engine = car.Brakes = car.Suspension = 1 + slot % 10;
        car.BodyType = 1 + slot % 9;
        car.Price = 1000 * slot;
        PlayerCar.SlotUsed[slot] = slot;
    }
    for (i32 c = 0; c < kPartCategories; ++c) {
        PlayerResearch.ResearchLevel[c] = 10;
        PlayerResearch.ResearchProgress[c] = 9900;
        Opponent1Research.ResearchLevel[c] = 9;
        Opponent2Research.ResearchLevel[c] = 8;
    }
    MainObj.GameInProgress = 1;
}

void FullPaint(benchmark::State& state) {
    if (!PrepareCatalogueFiles()) {
        state.SkipWithError("no pictures");
        return;
    }
    const ScreenAndPopup busy = kBusy[state.range(0)];
    FillGame();
    platform::Window* window = platform::OpenHeadlessWindow(WindowProcedure);
    platform::RunMessages(window);   // the first paint loads the catalogue
    MainObj.Screen = busy.screen;
    MainObj.Popup = busy.popup;
    MainObj.Focus = busy.focus;
    for (auto _ : state) {
        MainObj.LastDrawnScreen = 0;   // the background too
        platform::SendWindowMessage(window, platform::MESSAGE_PAINT, 0, 0);
        benchmark::DoNotOptimize(window->canvas.pixels[300][400]);
    }
    state.SetLabel("screen " + std::to_string(busy.screen) + " popup " + std::to_string(busy.popup));
    platform::CloseGameWindow(window);
    load_photo_times = 0;
}

}  // namespace

BENCHMARK(FullPaint)->DenseRange(0, static_cast<int>(std::size(kBusy)) - 1)->Unit(benchmark::kMicrosecond);
