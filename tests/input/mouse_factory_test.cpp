// The factory screen: regions, price and staff fields, destinations,
// removing models, and the browser that puts models on lines.

#include "input/input_fixture.h"

namespace {

using MouseFactory = InputTest;

FactorySalonRegion& Europe() { return PlayerFactorySalon.Region[REGION_EUROPE - 1]; }

// Europe shown, with a factory and two salons.
Values EuropeShown() {
    return {{PlayerFactorySalon.ShownRegion, REGION_EUROPE}, {Europe().HasFactory, 1}, {Europe().Salons, 2}};
}

// Europe's five lines holding these models, and the models stored.
Values Lines(std::initializer_list<i32> models) {
    Values values;
    i32 line = 0, used = 0;
    for (i32 model : models) {
        values.push_back({Europe().ProductionLineModel[line++], model});
        if (model != 0) {
            ++used;
            values.push_back({PlayerModel(model).Engine, 1});
        }
    }
    values.push_back({Europe().ProductionLinesUsed, used});
    return values;
}

std::vector<Target> AddModel(i32 slot) {
    return {On(CTRL_FACTORY_BROWSE), On(CTRL_BROWSE_ROW_1, slot - 1), On(CTRL_BROWSE_ADD)};
}

TEST_F(MouseFactory, FieldsRegionsAndStaff) {
    Staff& techs = PlayerTechnicians;
    Staff& sales = PlayerSalesmans;
    FactorySalon& f = PlayerFactorySalon;
    std::vector<ClickRow> rows = {
        // Every click starts a new typed number.
        {"a click on nothing", POPUP_NONE,
         {{f.InputBuffer, "30"}, {PlayerCar.PriceText, "900"}, {f.TechniciansToAssign, 30}}, {Spot(700, 30)},
         {{f.InputBuffer, kBlankBuffer}, {PlayerCar.PriceText, kBlankBuffer}, {f.TechniciansToAssign, 30}}},
        {"a click beside the browser", POPUP_BROWSE_MODELS, {{PlayerCar.PriceText, "9"}}, {Spot(700, 30)},
         {{PlayerCar.PriceText, kBlankBuffer}}},
        {"region forward wraps, clears the typed staff and keeps the focus", POPUP_NONE,
         {{MainObj.Focus, FOCUS_PRICE_ROW_3}, {f.TechniciansToAssign, 12}, {f.SalesmenToAssign, 4},
          {f.ShownRegion, REGION_AFRICA}},
         {On(CTRL_FACTORY_REGION_FORWARD)},
         {{f.ShownRegion, REGION_AUSTRALIA}, {f.TechniciansToAssign, 0}, {f.SalesmenToAssign, 0},
          {MainObj.Focus, FOCUS_PRICE_ROW_3}}},
        {"region back wraps", POPUP_NONE, {{f.ShownRegion, REGION_AUSTRALIA}}, {On(CTRL_FACTORY_REGION_BACK)},
         {{f.ShownRegion, REGION_AFRICA}}},

        // The staff fields send the region's staff back to the free pool.
        {"the technicians field", POPUP_NONE,
         {{Europe().Technicians, 40}, {techs.Count, 50}, {techs.Unassigned, 10}}, {On(CTRL_FACTORY_TECHNICIANS)},
         {{MainObj.Focus, FOCUS_FACTORY_TECHNICIANS}, {techs.Unassigned, 50}, {Europe().Technicians, 0}},
         Asks::Background},
        {"technicians assigned", POPUP_NONE,
         {{MainObj.Focus, FOCUS_FACTORY_TECHNICIANS}, {techs.Count, 50}, {techs.Unassigned, 50},
          {f.TechniciansToAssign, 30}},
         {On(CTRL_ASSIGN_TECHNICIANS)},
         {{techs.Unassigned, 20}, {Europe().Technicians, 30}, {f.TechniciansToAssign, 0},
          {MainObj.Focus, FOCUS_FACTORY_TECHNICIANS}}},
        {"nothing typed: the region empties", POPUP_NONE,
         {{Europe().Technicians, 30}, {techs.Count, 50}, {techs.Unassigned, 20}}, {On(CTRL_ASSIGN_TECHNICIANS)},
         {{techs.Unassigned, 50}, {Europe().Technicians, 0}}},
        {"the salesmen field", POPUP_NONE, {{Europe().Salesmen, 15}, {sales.Count, 15}}, {On(CTRL_FACTORY_SALESMEN)},
         {{MainObj.Focus, FOCUS_FACTORY_SALESMEN}, {sales.Unassigned, 15}}},
        {"salesmen assigned", POPUP_NONE, {{sales.Count, 15}, {sales.Unassigned, 15}, {f.SalesmenToAssign, 12}},
         {On(CTRL_ASSIGN_SALESMEN)}, {{Europe().Salesmen, 12}, {sales.Unassigned, 3}}},
        // An assign never takes more than the free pool or the region's room.
        {"typed while 50 were free, 45 fired since", POPUP_NONE,
         {{techs.Count, 5}, {techs.Unassigned, 5}, {f.TechniciansToAssign, 50}}, {On(CTRL_ASSIGN_TECHNICIANS)},
         {{Europe().Technicians, 5}, {techs.Unassigned, 0}}},
        {"typed beyond the salons' room", POPUP_NONE,
         {{sales.Count, 100}, {sales.Unassigned, 100}, {f.SalesmenToAssign, 60}}, {On(CTRL_ASSIGN_SALESMEN)},
         {{Europe().Salesmen, 20}, {sales.Unassigned, 80}}},
        {"no factory: no technicians", POPUP_NONE,
         {{Europe().HasFactory, 0}, {Europe().Technicians, 5}, {techs.Unassigned, 300}, {f.TechniciansToAssign, 10}},
         {On(CTRL_ASSIGN_TECHNICIANS)}, {{Europe().Technicians, 0}, {techs.Unassigned, 305}}},
        // A region number outside 1..6 only moves the focus.
        {"no region shown", POPUP_NONE,
         Join({Lines({0, 0, 3}), {{f.ShownRegion, 0}, {Europe().Technicians, 40}, {techs.Unassigned, 4},
                                  {f.TechniciansToAssign, 9}}}),
         {On(CTRL_FACTORY_TECHNICIANS), On(CTRL_ASSIGN_TECHNICIANS), On(CTRL_REMOVE_1, 2),
          On(DestinationArrow(2, 1, true))},
         Join({Lines({0, 0, 3}), {{MainObj.Focus, FOCUS_FACTORY_TECHNICIANS}, {Europe().Technicians, 40},
                                  {techs.Unassigned, 4}, {Europe().ProductionLineShipTo[1][0], 0}}})},
    };
    for (i32 line = 0; line < kProductionLines; ++line)
        rows.push_back({"price field " + std::to_string(line), POPUP_NONE, {}, {On(CTRL_PRICE_1, line)},
                        {{MainObj.Focus, FOCUS_PRICE_ROW_1 + line}}});
    RunRows(SCREEN_GAME_FACTORY, EuropeShown(), rows);
}

TEST_F(MouseFactory, DestinationArrowsWrapOverTheRegions) {
    const struct { i32 from; bool forward; i32 to; } steps[] = {
        {0, false, REGION_AFRICA}, {REGION_AFRICA, true, REGION_AUSTRALIA},
        {REGION_AUSTRALIA, true, REGION_SOUTH_AMERICA}, {0, true, REGION_AUSTRALIA},
    };
    std::vector<ClickRow> rows;
    for (i32 line = 1; line <= kProductionLines; ++line)
        for (i32 destination = 1; destination <= 2; ++destination)
            for (const auto& step : steps) {
                auto& shipTo = Europe().ProductionLineShipTo;
                // Each arrow moves its own destination only.
                rows.push_back({"line " + std::to_string(line) + " destination " + std::to_string(destination),
                                POPUP_NONE, {{shipTo[line - 1][destination - 1], step.from}},
                                {On(DestinationArrow(line, destination, step.forward))},
                                {{shipTo[line - 1][destination - 1], step.to}, {shipTo[line - 1][2 - destination], 0},
                                 {shipTo[line % kProductionLines][destination - 1], 0}}});
            }
    RunRows(SCREEN_GAME_FACTORY, EuropeShown(), rows);
}

TEST_F(MouseFactory, ModelsGoOnTheFirstFreeLineAndComeOff) {
    auto& line = Europe().ProductionLineModel;
    const Values stored = {{PlayerModel(1).Engine, 1}, {PlayerModel(2).Engine, 1}, {PlayerModel(3).Engine, 1},
                           {PlayerModel(7).Engine, 1}};
    std::vector<Target> firstThree = AddModel(1);
    for (i32 slot : {2, 3})
        for (const Target& click : AddModel(slot)) firstThree.push_back(click);
    std::vector<Target> sevenTwice = AddModel(7);
    for (const Target& click : AddModel(7)) sevenTwice.push_back(click);
    std::vector<Target> offAndOn = {On(CTRL_REMOVE_1, 0)};
    for (const Target& click : AddModel(7)) offAndOn.push_back(click);
    RunRows(SCREEN_GAME_FACTORY, EuropeShown(), {
        {"the first free lines", POPUP_NONE, stored, firstThree,
         {{line[0], 1}, {line[1], 2}, {line[2], 3}, {Europe().ProductionLinesUsed, 3}, {MainObj.Popup, POPUP_NONE},
          {MainObj.Focus, FOCUS_NONE}}},
        {"one model on several lines", POPUP_NONE, Join({stored, Lines({1, 2, 3})}), sevenTwice,
         {{line[3], 7}, {line[4], 7}, {Europe().ProductionLinesUsed, 5}}},
        {"all five busy", POPUP_NONE, Lines({1, 2, 3, 7, 7}), AddModel(1),
         {{line[0], 1}, {line[4], 7}, {Europe().ProductionLinesUsed, 5}}},
        {"a model comes off", POPUP_NONE, Lines({1, 2, 3, 7, 7}), {On(CTRL_REMOVE_1, 3)},
         {{line[3], 0}, {Europe().ProductionLinesUsed, 4}}},
        {"an empty line comes off", POPUP_NONE, Lines({1, 2, 3, 0, 7}), {On(CTRL_REMOVE_1, 3)},
         {{Europe().ProductionLinesUsed, 4}}},
        {"a free line among busy ones", POPUP_NONE, Lines({1, 2, 3, 0, 7}), AddModel(2),
         {{line[3], 2}, {Europe().ProductionLinesUsed, 5}}},
        {"a count out of step is stepped, not recounted", POPUP_NONE,
         Join({stored, Lines({1, 2, 3}), {{Europe().ProductionLinesUsed, 1}}}),
         offAndOn,
         {{line[0], 7}, {Europe().ProductionLinesUsed, 1}}},

        // The browser chooses only stored models.
        {"row 1 starts two pixels higher than the others", POPUP_BROWSE_MODELS, stored, {Spot(317, 176)},
         {{MainObj.Focus, FOCUS_BROWSE_MODEL_1}}},
        {"an empty slot is not chosen", POPUP_BROWSE_MODELS, Join({stored, {{MainObj.Focus, FOCUS_BROWSE_MODEL_1}}}),
         {On(CTRL_BROWSE_ROW_1, 3)}, {{MainObj.Focus, FOCUS_BROWSE_MODEL_1}}},
        {"a stored one is", POPUP_BROWSE_MODELS, stored, {On(CTRL_BROWSE_ROW_1, 2)},
         {{MainObj.Focus, FOCUS_BROWSE_MODEL_3}}},
        {"back adds nothing", POPUP_BROWSE_MODELS, Join({stored, {{MainObj.Focus, FOCUS_BROWSE_MODEL_3}}}),
         {On(CTRL_BROWSE_BACK)}, {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_NONE}, {line[0], 0}}},
        {"nothing chosen: nothing added", POPUP_BROWSE_MODELS, {}, {On(CTRL_BROWSE_ROW_1, 1), On(CTRL_BROWSE_ADD)},
         {{line[0], 0}, {Europe().ProductionLinesUsed, 0}, {MainObj.Popup, POPUP_NONE}}},
    });
}

}  // namespace
