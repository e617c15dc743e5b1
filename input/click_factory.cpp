// The factory screen: one region at a time, its five production lines (sale
// price, two destinations, removing a model), its technicians and salesmen,
// and the browse popup that puts a stored model on the first free line.

#include <algorithm>
#include <cstdint>

#include "input/click_rules.h"
#include "model/shown_region.h"

namespace clicks {
namespace {

using platform::Window;
using i64 = std::int64_t;

// ---- The screen

// Numbers typed for one region are not carried to the next. The focus
// stays: a price row then addresses the same line of the new region.
void ShowRegion() {
    PlayerFactorySalon.TechniciansToAssign = 0;
    PlayerFactorySalon.SalesmenToAssign = 0;
    MainObj.LastDrawnScreen = 0;
}

bool RegionBack(Window*, i32) {
    StepBack(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA, kRegionCount);
    ShowRegion();
    return true;
}

bool RegionForward(Window*, i32) {
    StepForward(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA, kRegionCount);
    ShowRegion();
    return true;
}

bool PriceField(Window*, i32 line) {
    MainObj.Focus = FOCUS_PRICE_ROW_1 + line;
    return true;
}

// Any value but the factory's own makes the next paint draw its background
// again.
constexpr i32 kRedrawFactory = SCREEN_GAME_DESIGN;

// Staff of one kind as the factory screen moves them: the free pool, the
// region's people, the number typed, the field's focus and the most the
// region can take.
struct StaffPlace {
    Staff* pool;
    i32 FactorySalonRegion::*working;
    i32 FactorySalon::*typed;
    i32 focus;
    i64 (*room)(const FactorySalonRegion& region);
};

i64 TechniciansRoom(const FactorySalonRegion& region) {
    return region.HasFactory != 0 ? kTechniciansPerFactory : 0;
}

i64 SalesmenRoom(const FactorySalonRegion& region) { return i64{kSalesmenPerSalon} * region.Salons; }

constexpr StaffPlace kStaffPlaces[2] = {
    {&PlayerTechnicians, &FactorySalonRegion::Technicians, &FactorySalon::TechniciansToAssign,
     FOCUS_FACTORY_TECHNICIANS, TechniciansRoom},
    {&PlayerSalesmans, &FactorySalonRegion::Salesmen, &FactorySalon::SalesmenToAssign, FOCUS_FACTORY_SALESMEN,
     SalesmenRoom},
};

// The region's people of that kind go back to the free pool at once; the
// number typed next is what the assign button puts there.
bool StaffField(Window*, i32 kind) {
    const StaffPlace& place = kStaffPlaces[kind];
    MainObj.Focus = place.focus;
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region == nullptr) return true;
    place.pool->Unassigned += region->*place.working;
    region->*place.working = 0;
    MainObj.LastDrawnScreen = kRedrawFactory;
    return true;
}

// The region gets the typed number, held once more to the limits it had
// when it was typed: no more than the free pool and the region's own people
// together, and no more than the region has room for. So staff fired or
// moved since the number was typed can never be put to work unpaid.
bool AssignStaff(Window*, i32 kind) {
    const StaffPlace& place = kStaffPlaces[kind];
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region == nullptr) return true;
    i32& working = region->*place.working;
    i32& typed = PlayerFactorySalon.*place.typed;
    const i64 available = i64{place.pool->Unassigned} + working;
    const i64 assigned = std::max<i64>(0, std::min({i64{typed}, available, place.room(*region)}));
    place.pool->Unassigned += static_cast<i32>(working - assigned);
    working = static_cast<i32>(assigned);
    typed = 0;
    MainObj.LastDrawnScreen = kRedrawFactory;
    return true;
}

bool TechniciansField(Window* window, i32) { return StaffField(window, 0); }
bool SalesmenField(Window* window, i32) { return StaffField(window, 1); }
bool AssignTechnicians(Window* window, i32) { return AssignStaff(window, 0); }
bool AssignSalesmen(Window* window, i32) { return AssignStaff(window, 1); }

bool OpenBrowser(Window*, i32) {
    MainObj.Popup = POPUP_BROWSE_MODELS;
    MainObj.LastDrawnScreen = 0;
    MainObj.Focus = FOCUS_NONE;
    return true;
}

// Arrows n in click order: for each line, destination 1 back and forward,
// then destination 2 back and forward. They work on empty lines too.
bool ShipToArrow(Window*, i32 n) {
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region == nullptr) return true;
    i32& destination = region->ProductionLineShipTo[n / 4][(n / 2) % 2];
    if (n % 2 == 0)
        StepBack(destination, REGION_AUSTRALIA, kRegionCount);
    else
        StepForward(destination, REGION_AUSTRALIA, kRegionCount);
    MainObj.LastDrawnScreen = 0;
    return true;
}

// Production shares the technicians among the lines in use: taking a model
// off a line and putting one on an empty line count them down and up.
bool RemoveModel(Window*, i32 line) {
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region == nullptr) return true;
    i32& model = region->ProductionLineModel[line];
    if (model != 0) {
        model = 0;
        region->ProductionLinesUsed -= 1;
    }
    MainObj.LastDrawnScreen = 0;
    return true;
}

constexpr Rule kFactory[] = {
    {CTRL_BACK, 1, GoToDroppingFocus<SCREEN_MENU_GAME>},
    {CTRL_FACTORY_EXIT, 1, GoToDroppingFocus<SCREEN_GAME_MAIN>},
    {CTRL_FACTORY_REGION_BACK, 1, RegionBack},
    {CTRL_FACTORY_REGION_FORWARD, 1, RegionForward},
    {CTRL_PRICE_1, kProductionLines, PriceField},
    {CTRL_FACTORY_TECHNICIANS, 1, TechniciansField},
    {CTRL_FACTORY_SALESMEN, 1, SalesmenField},
    {CTRL_FACTORY_BROWSE, 1, OpenBrowser},
    {CTRL_DESTINATION_1, kProductionLines * 4, ShipToArrow},
    {CTRL_REMOVE_1, kProductionLines, RemoveModel},
    {CTRL_ASSIGN_TECHNICIANS, 1, AssignTechnicians},
    {CTRL_ASSIGN_SALESMEN, 1, AssignSalesmen},
};

// ---- The model browser

// Only a slot that holds a model can be chosen.
bool ChooseModel(Window*, i32 n) {
    if (PlayerModel(n + 1).Engine != 0) MainObj.Focus = FOCUS_BROWSE_MODEL_1 + n;
    return true;
}

// The chosen model goes on the region's first empty line; with all five
// lines busy nothing changes. A model may run on several lines.
bool AddModel(Window* window, i32 n) {
    const i32 focus = MainObj.Focus;
    FactorySalonRegion* region = ShownFactoryRegion();
    if (region != nullptr && focus >= FOCUS_BROWSE_MODEL_1 && focus <= FOCUS_BROWSE_MODEL_10) {
        for (i32& model : region->ProductionLineModel) {
            if (model != 0) continue;
            model = focus - FOCUS_BROWSE_MODEL_1 + 1;
            region->ProductionLinesUsed += 1;
            break;
        }
    }
    return CloseDroppingFocus(window, n);
}

constexpr Rule kBrowser[] = {
    {CTRL_BROWSE_ROW_1, kModelSlots, ChooseModel},
    {CTRL_BROWSE_BACK, 1, CloseDroppingFocus},
    {CTRL_BROWSE_ADD, 1, AddModel},
};

}  // namespace

// Every click here starts a new typed number in the price and staff fields.
void ClickFactory(Window* window) {
    Blank(PlayerFactorySalon.InputBuffer);
    Blank(PlayerCar.PriceText);
    if (MainObj.Popup == POPUP_NONE) Run(window, kFactory);
    if (MainObj.Popup == POPUP_BROWSE_MODELS) Run(window, kBrowser);
}

}  // namespace clicks
