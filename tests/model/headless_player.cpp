#include "model/headless_player.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "model/opponent.h"
#include "model/player.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

namespace headless {
namespace {

constexpr i32 kWantedScientists[kPartCategories] = {20, 20, 30, 10, 10, 10};

// The slot the factory builds; a new design goes to the other one while the
// old model's stock sells off.
i32 currentSlot = 1;

FactorySalonRegion& Home() { return PlayerFactorySalon.Region[PlayerObj.HomeRegion - 1]; }

void Assign(Staff& staff, i32& place, i32 count) {
    count = std::min(count, staff.Unassigned);
    staff.Unassigned -= count;
    place += count;
}

i32 HomeStock(i32 slot) { return ModelSaleObj.Stock[PlayerObj.HomeRegion - 1][slot]; }

bool ModelIsBehind(const Car& model) {
    const i32* level = PlayerResearch.ResearchLevel;
    if (model.Engine == 0) return true;
    return level[PART_BRAKES] > model.Brakes || level[PART_SUSPENSION] > model.Suspension ||
           level[PART_ENGINE] > model.Engine || level[PART_BODY] > model.Era ||
           (level[PART_LUXURY] > 0 && model.LuxuryItems[level[PART_LUXURY]] == 0) ||
           (level[PART_SAFETY] > 0 && model.SafetyItems[level[PART_SAFETY]] == 0);
}

void Design(i32 slot) {
    PlayerCar.Slot = slot;
    Player::DeleteModel();
    const i32* level = PlayerResearch.ResearchLevel;
    Car& design = PlayerCar;
    std::memcpy(design.Name, "wagon", 5);
    design.Name[5] = static_cast<char>('0' + slot);
    design.BodyType = BODY_FAMILY_WAGON;
    design.BodyIndex = 1;
    design.Era = level[PART_BODY];
    design.Brakes = level[PART_BRAKES];
    design.BrakesVariant = 2;
    design.Suspension = level[PART_SUSPENSION];
    design.SuspensionVariant = 2;
    design.Engine = level[PART_ENGINE];
    design.EngineVariant = 1;
    for (i32 item = 1; item <= std::min(level[PART_LUXURY], kPartsPerCategory); ++item) design.LuxuryItems[item] = item;
    for (i32 item = 1; item <= std::min(level[PART_SAFETY], kPartsPerCategory); ++item) design.SafetyItems[item] = item;
    design.FrontPiece = design.MiddlePiece = design.RearPiece = 1;
    Player::SaveModel();
}

void GrowSalons() {
    FactorySalonRegion& home = Home();
    if (home.Salons >= 9 || PlayerObj.Cash < PlayerFactorySalon.SalonPrice + 100000.0) return;
    PlayerObj.Cash -= PlayerFactorySalon.SalonPrice;
    PlayerFactorySalon.SalonPrice += 100000;
    home.Salons += 1;
    const i32 salesmen = 10 * home.Salons - home.Salesmen;
    Hire(PlayerSalesmans, salesmen);
    Assign(PlayerSalesmans, home.Salesmen, salesmen);
}

// Enough technicians to keep three months of sales in stock, so that the
// price can sit in the one-third band.
void StaffTheFactory() {
    FactorySalonRegion& home = Home();
    const i32 capacity = 2 * home.Salesmen;
    const i32 deficit = std::max(0, 3 * capacity + 3 - HomeStock(currentSlot));
    const i32 wanted = std::min(220, capacity + std::min(capacity, deficit));
    const i32 change = wanted - home.Technicians;
    if (change > 0) {
        Hire(PlayerTechnicians, change);
        Assign(PlayerTechnicians, home.Technicians, change);
    } else {
        home.Technicians += change;
        PlayerTechnicians.Count += change;  // the spare ones are let go
    }
}

void StaffTheLaboratory() {
    if (PlayerObj.Cash < 300000.0) return;
    for (i32 c = 0; c < kPartCategories; ++c) {
        const i32 missing = kWantedScientists[c] - PlayerResearch.Scientists[c];
        if (missing <= 0) continue;
        Hire(PlayerScientists, missing);
        Assign(PlayerScientists, PlayerResearch.Scientists[c], missing);
    }
}

void SetPrices() {
    for (i32 slot = 1; slot <= 2; ++slot) {
        Car& model = PlayerModel(slot);
        if (model.Engine == 0) continue;
        model.Price = HomeStock(slot) >= 3 * 2 * Home().Salesmen ? OneThirdPrice(model) : WholeStockPrice(model);
    }
}

}  // namespace

void StartGame(i32 homeRegion) {
    ResetAllRecords();
    ResetInterfaceState();
    platform::ResetRandom();
    currentSlot = 1;
    std::memset(PlayerObj.Name, ' ', sizeof PlayerObj.Name);
    std::memcpy(PlayerObj.Name, "tester", 6);
    PlayerObj.HomeRegion = homeRegion;
    Player::SetStartValues();
    Opponent::SetStartValues();
    FactorySalonRegion& home = Home();
    Hire(PlayerSalesmans, 10);
    Assign(PlayerSalesmans, home.Salesmen, 10);
    home.ProductionLinesUsed = 1;
    home.ProductionLineShipTo[0][0] = home.ProductionLineShipTo[0][1] = homeRegion;
}

void Hire(Staff& staff, i32 count) {
    staff.Count += count;
    staff.Unassigned += count;
}

i32 EffectiveRating(const Car& model) {
    const bool topPart = model.Brakes == 10 || model.Suspension == 10 || model.Engine == 10;
    for (const Research* rival : {&Opponent1Research, &Opponent2Research}) {
        const i32* level = rival->ResearchLevel;
        if (!topPart && (level[PART_BRAKES] > model.Brakes || level[PART_ENGINE] > model.Engine ||
                         level[PART_SUSPENSION] > model.Suspension))
            return 0;
    }
    return model.Rating;
}

i32 WholeStockPrice(const Car& model) {
    const i32 value = 2 * (3 * EffectiveRating(model) + model.UnitCost);
    return std::min(value / 4 + model.UnitCost - 1, 9999);
}

i32 OneThirdPrice(const Car& model) {
    const i32 value = 2 * (3 * EffectiveRating(model) + model.UnitCost);
    const i32 threshold = value / 4 + model.UnitCost;
    return std::min(threshold + ((value - threshold) / 3) * 2 - 1, 9999);
}

void PlayMonth() {
    Car& current = PlayerModel(currentSlot);
    if (ModelIsBehind(current)) {
        const i32 other = 3 - currentSlot;
        if (current.Engine != 0) currentSlot = other;
        Design(currentSlot);
        Home().ProductionLineModel[0] = currentSlot;
    }
    const i32 old = 3 - currentSlot;
    if (PlayerModel(old).Engine != 0 && HomeStock(old) == 0) {
        PlayerCar.Slot = old;
        Player::DeleteModel();
    }
    GrowSalons();
    StaffTheFactory();
    StaffTheLaboratory();
    SetPrices();
    Player::NextMonth();
}

}  // namespace headless
