#include "model/headless_player.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "input/field_rows.h"
#include "model/opponent.h"
#include "model/player.h"
#include "model/site_prices.h"
#include "platform/random.h"
#include "presentation/interface_state.h"

namespace headless {
namespace {

constexpr i32 kWantedScientists[kPartCategories] = {20, 20, 30, 10, 10, 10};

// The slot the factory builds; a new design goes to the other one while the
// old model's stock sells off.
i32 currentSlot = 1;

FactorySalonRegion& Home() { return PlayerFactorySalon.Region[PlayerObj.HomeRegion - 1]; }
i32 HomeStock(i32 slot) { return ModelSaleObj.Stock[PlayerObj.HomeRegion - 1][slot]; }

// Hires `count` and puts them to work at `place`; a negative count lets
// people go.
void Employ(Staff& staff, i32& place, i32 count) {
    staff.Count += count;
    place += count;
}

bool ModelIsBehind(const Car& model) {
    const i32* level = PlayerResearch.ResearchLevel;
    return model.Engine == 0 || level[PART_BRAKES] > model.Brakes || level[PART_SUSPENSION] > model.Suspension ||
           level[PART_ENGINE] > model.Engine || level[PART_BODY] > model.Era ||
           (level[PART_LUXURY] > 0 && model.LuxuryItems[level[PART_LUXURY]] == 0);
}

// The best family wagon research allows, with every item and the variants
// that suit the body.
void Design(i32 slot) {
    PlayerCar.Slot = slot;
    Player::DeleteModel();
    const i32* level = PlayerResearch.ResearchLevel;
    Car& design = PlayerCar;
    std::memcpy(design.Name, "wagon", 5);
    design.BodyType = BODY_FAMILY_WAGON;
    design.Era = level[PART_BODY];
    design.Brakes = level[PART_BRAKES];
    design.Suspension = level[PART_SUSPENSION];
    design.Engine = level[PART_ENGINE];
    design.BrakesVariant = design.SuspensionVariant = 2;
    design.EngineVariant = 1;
    for (i32 item = 1; item <= level[PART_LUXURY]; ++item) design.LuxuryItems[item] = item;
    for (i32 item = 1; item <= level[PART_SAFETY]; ++item) design.SafetyItems[item] = item;
    design.FrontPiece = design.MiddlePiece = design.RearPiece = 1;
    Player::SaveModel();
}

// The cars of `slot` the home region would sell this month at `price`, as
// the game's own sales step reckons them. The month step works the sales
// out again afterwards.
i32 SoldAt(i32 slot, i32 price) {
    PlayerModel(slot).Price = price;
    Player::SellModels();
    return ModelSaleObj.Sold[PlayerObj.HomeRegion - 1][slot];
}

// The player tries prices, as on the factory screen, and keeps the highest
// one the price field takes that still sells as many cars as the lowest.
// While it tries, the other model is off sale (price 0) and leaves it all
// the salesmen.
void SetPrice(i32 slot) {
    Car& other = PlayerModel(3 - slot);
    const i32 otherPrice = other.Price;
    other.Price = 0;
    const i32 most = SoldAt(slot, 1);
    i32 low = 1, high = kHighestPrice;
    while (low < high) {
        const i32 price = (low + high + 1) / 2;
        if (SoldAt(slot, price) >= most) low = price;
        else high = price - 1;
    }
    PlayerModel(slot).Price = low;
    other.Price = otherPrice;
}

// What the player keeps in hand after buying a salon, for the month's bills.
constexpr double kCashKeptBack = 100000.0;

void Grow() {
    FactorySalonRegion& home = Home();
    if (home.Salons < kMostSalons && PlayerObj.Cash >= PlayerFactorySalon.SalonPrice + kCashKeptBack) {
        PlayerObj.Cash -= PlayerFactorySalon.SalonPrice;
        PlayerFactorySalon.SalonPrice += kSalonPriceRise;
        home.Salons += 1;
        Employ(PlayerSalesmans, home.Salesmen, kSalesmenPerSalon);
    }
    // Enough technicians to keep three months of sales in stock: a third of
    // that sells at a dearer price than a smaller stock.
    const i32 capacity = kCarsPerSalesman * home.Salesmen;
    const i32 deficit = std::max(0, 3 * capacity + 3 - HomeStock(currentSlot));
    Employ(PlayerTechnicians, home.Technicians, std::min(kTechniciansPerFactory, capacity + std::min(capacity, deficit)) - home.Technicians);
    if (PlayerObj.Cash < 300000.0) return;
    for (i32 c = 0; c < kPartCategories; ++c)
        Employ(PlayerScientists, PlayerResearch.Scientists[c],
               std::max(0, kWantedScientists[c] - PlayerResearch.Scientists[c]));
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
    Employ(PlayerSalesmans, home.Salesmen, kSalesmenPerSalon);
    home.ProductionLinesUsed = 1;
    home.ProductionLineShipTo[0][0] = home.ProductionLineShipTo[0][1] = homeRegion;
}

void PlayMonth() {
    if (ModelIsBehind(PlayerModel(currentSlot))) {
        if (PlayerModel(currentSlot).Engine != 0) currentSlot = 3 - currentSlot;
        Design(currentSlot);
        Home().ProductionLineModel[0] = currentSlot;
    }
    const i32 old = 3 - currentSlot;
    if (PlayerModel(old).Engine != 0 && HomeStock(old) == 0) {
        PlayerCar.Slot = old;
        Player::DeleteModel();
    }
    Grow();
    for (i32 slot : {1, 2})
        if (PlayerModel(slot).Engine != 0) SetPrice(slot);
    Player::NextMonth();
}

}  // namespace headless
