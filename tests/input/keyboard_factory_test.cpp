// The factory screen: sale prices per production line, and the technicians
// and salesmen waiting to be assigned to the shown region.

#include "input/input_fixture.h"

namespace {

using FactoryKeys = InputTest;

FactorySalonRegion& Region(i32 r) { return PlayerFactorySalon.Region[r - 1]; }

// Every model's price: the one given, 0 for the others.
Values Prices(i32 slot = 0, i32 price = 0) {
    Values prices = {{PlayerCar.Price, 0}};
    for (i32 s = 1; s <= kModelSlots; ++s) prices.push_back({PlayerModel(s).Price, s == slot ? price : 0});
    return prices;
}

// A field of the factory showing region 1 unless `given` says otherwise.
// Every click there empties both buffers: the row blanks the price buffer,
// this the other one.
KeyRow Field(const char* name, i32 focus, Values given, const char* keys, i32* tracked, std::vector<i32> seen,
             Values then = {}, long repaints = -1) {
    given = Join({{{PlayerFactorySalon.ShownRegion, 1}, {PlayerFactorySalon.InputBuffer, kBlankBuffer}}, given});
    return {name, SCREEN_GAME_FACTORY, POPUP_NONE, focus, PlayerCar.PriceText, given, keys, tracked, seen, then,
            repaints};
}

TEST_F(FactoryKeys, PricesGoToTheModelOnTheShownRegionsLine) {
    RunKeys({
        Field("the shown region's line, not another region's", FOCUS_PRICE_ROW_2,
              {{PlayerFactorySalon.ShownRegion, 4}, {Region(4).ProductionLineModel[1], 7},
               {Region(1).ProductionLineModel[1], 3}},
              "4f", nullptr, {}, Prices(7, 45)),
        Field("an empty line prices nothing", FOCUS_PRICE_ROW_3, {}, "12", nullptr, {},
              Join({Prices(), {{PlayerCar.PriceText, "12"}}})),
        Field("a model number outside the slots", FOCUS_PRICE_ROW_3, {{Region(1).ProductionLineModel[2], 11}}, "3",
              nullptr, {}, Prices()),
        // Only a damaged save holds an unknown region.
        Field("an unknown region", FOCUS_PRICE_ROW_1, {{PlayerFactorySalon.ShownRegion, 7}}, "4", nullptr, {},
              Prices()),
        // A full price asks for no repaint and Backspace does nothing here:
        // correcting takes a click and the whole number.
        Field("a full price", FOCUS_PRICE_ROW_5, {{Region(1).ProductionLineModel[4], 10}}, "99999<",
              &PlayerCar10.Price, {9, 99, 999, 9999, 9999, 9999}, {{PlayerCar.PriceText, "9999 "}}, 4),
        Field("a new price after a click", FOCUS_PRICE_ROW_5,
              {{Region(1).ProductionLineModel[4], 10}, {PlayerCar10.Price, 9999}}, "3", &PlayerCar10.Price, {3}),
        // A fifth digit has no room: the field is stored and repainted again.
        Field("technicians: four digits, Backspace does nothing", FOCUS_FACTORY_TECHNICIANS,
              {{Region(1).HasFactory, 1}, {PlayerTechnicians.Unassigned, 300}}, "25071<",
              &PlayerFactorySalon.TechniciansToAssign, {2, 25, 220, 220, 220, 220},
              {{PlayerFactorySalon.InputBuffer, "2507 "}}, 4 * 2 + 1),
    });
}

// Technicians are cut to the free ones and a factory's 220 places, salesmen
// to the free ones and ten per salon. The assign buttons may leave the free
// pool below 0; a typed number must still never be negative.
TEST_F(FactoryKeys, StaffToAssignAreCutToTheFreePoolAndTheRegionsRoom) {
    const struct {
        i32 focus, region, hasFactory, salons, free;
        const char* typed;
        i32 value;
    } cases[] = {
        {FOCUS_FACTORY_TECHNICIANS, 1, 1, 0, 15, "150", 15}, {FOCUS_FACTORY_TECHNICIANS, 1, 0, 0, 300, "9", 0},
        {FOCUS_FACTORY_TECHNICIANS, 1, 1, 2, -6, "8", 0},    {FOCUS_FACTORY_SALESMEN, 1, 0, 3, 100, "4", 4},
        {FOCUS_FACTORY_SALESMEN, 1, 0, 3, 100, "45", 30},    {FOCUS_FACTORY_SALESMEN, 1, 0, 9, 12, "50", 12},
        {FOCUS_FACTORY_SALESMEN, 1, 0, 0, 100, "3", 0},      {FOCUS_FACTORY_SALESMEN, 1, 1, 2, -6, "8", 0},
        {FOCUS_FACTORY_SALESMEN, 0, 0, 0, 40, "35", 35},     // no region: only the free pool limits
    };
    std::vector<KeyRow> rows;
    for (const auto& c : cases) {
        const bool techs = c.focus == FOCUS_FACTORY_TECHNICIANS;
        rows.push_back(Field(c.typed, c.focus,
                             {{PlayerFactorySalon.ShownRegion, c.region}, {Region(1).HasFactory, c.hasFactory},
                              {Region(1).Salons, c.salons}, {PlayerTechnicians.Unassigned, c.free},
                              {PlayerSalesmans.Unassigned, c.free}},
                             c.typed, nullptr, {},
                             {{techs ? PlayerFactorySalon.TechniciansToAssign : PlayerFactorySalon.SalesmenToAssign,
                               c.value}}));
    }
    RunKeys(rows);
}

}  // namespace
