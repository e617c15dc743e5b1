// The month step of a busy game: ten stored models, a factory with five
// full production lines and salesmen in every region, rivals well into
// their research. Set up through the records, without the data folder.
#include <benchmark/benchmark.h>

#include <cstring>

#include "model/player.h"
#include "model/records.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

namespace {

void SetUpBusyGame() {
    ResetAllRecords();
    ResetInterfaceState();
    platform::ResetRandom();
    PlayerObj.Year = 1908;
    PlayerObj.Month = 1;
    PlayerObj.Cash = 5e6;
    PlayerObj.HomeRegion = REGION_EUROPE;
    PlayerBank = Bank{116000, 0, 0, 0, 2416, 48, 1000, 1, 1908, 0, {}};
    for (Staff* staff : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians})
        *staff = Staff{800, 0, 90, 0, 0, 1908, 1, {}};
    for (i32 c = 0; c < kPartCategories; ++c) {
        PlayerResearch.Scientists[c] = 15;
        PlayerResearch.ResearchLevel[c] = 1;
        Opponent1Research.ResearchLevel[c] = Opponent2Research.ResearchLevel[c] = 1;
    }
    PlayerResearch.BodyTypesOffered = 2;
    for (AdvertisingBlock& block : PlayerAdvertising.Block)
        for (AdCampaign& campaign : block.Campaign) campaign.Amount = 100;
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        Car& model = PlayerModel(slot);
        std::memcpy(model.Name, "busy model     ", 15);
        model.Brakes = model.Suspension = model.Engine = 1 + slot % 10;
        model.Era = 1;
        model.UnitCost = 400 + 50 * slot;
        model.Rating = 150 + 10 * slot;
        model.Price = model.UnitCost + model.UnitCost / 2;  // sells the whole stock
        PlayerCar.SlotUsed[slot] = slot;
    }
    for (i32 region = 1; region <= kRegionCount; ++region) {
        FactorySalonRegion& place = PlayerFactorySalon.Region[region - 1];
        place.HasFactory = 1;
        place.Salons = 9;
        place.Technicians = 220;
        place.Salesmen = 120;  // room to sell all that is made
        place.ProductionLinesUsed = kProductionLines;
        for (i32 line = 0; line < kProductionLines; ++line) {
            place.ProductionLineModel[line] = 1 + (region + line) % kModelSlots;
            place.ProductionLineShipTo[line][0] = region;
            place.ProductionLineShipTo[line][1] = 1 + (region + line) % kRegionCount;
        }
    }
    MainObj.Screen = SCREEN_GAME_NEXT_MONTH;
}

// A game restarts every hundred years so that every measured step is one of
// a busy game (the restart costs a few microseconds per 1200 steps).
void OneMonthStep(benchmark::State& state) {
    SetUpBusyGame();
    int month = 0;
    double sold = 0;
    for (auto _ : state) {
        if (++month == 1200) {
            SetUpBusyGame();
            month = 0;
        }
        Player::NextMonth();
        for (const auto& row : ModelSaleObj.Sold)
            for (i32 cars : row) sold += cars;
    }
    state.counters["cars sold per step"] = sold / static_cast<double>(state.iterations());
}
BENCHMARK(OneMonthStep);

void HundredYears(benchmark::State& state) {
    for (auto _ : state) {
        SetUpBusyGame();
        for (int month = 0; month < 1200; ++month) Player::NextMonth();
        benchmark::DoNotOptimize(PlayerObj.Cash);
    }
}
BENCHMARK(HundredYears)->Unit(benchmark::kMillisecond);

}  // namespace
