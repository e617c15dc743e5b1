// The design screen: slots, bodies and pieces, the name, new, save and
// delete, and the part lists behind the add-parts chooser.

#include "input/input_fixture.h"

namespace {

using MouseDesign = InputTest;

// Research up to brakes 3, suspension 1, engine 4, the 1923 body, luxury
// items 3 and no safety; two body types owned, a third left over.
Values Researched() {
    Research& r = PlayerResearch;
    return {{r.ResearchLevel[PART_BRAKES], 3}, {r.ResearchLevel[PART_SUSPENSION], 1}, {r.ResearchLevel[PART_ENGINE], 4},
            {r.ResearchLevel[PART_BODY], ERA_1923}, {r.ResearchLevel[PART_LUXURY], 3},
            {r.ResearchLevel[PART_SAFETY], 0},
            {r.OwnedBodyTypes[1], BODY_FAMILY_WAGON}, {r.OwnedBodyTypes[2], BODY_TRUCK},
            {r.OwnedBodyTypes[3], BODY_RACE_CAR}, {r.BodyTypesOwned, 2}, {r.BodyTypesOffered, 2}};
}

// A 1908 truck stored in `slot`, as the save button leaves it.
Values Stored(i32 slot, const char* name) {
    Car& m = PlayerModel(slot);
    return {{m.Name, "              "}, {m.Name, name}, {m.Brakes, 1}, {m.Suspension, 1}, {m.Engine, 1},
            {m.BodyType, BODY_TRUCK}, {m.Era, ERA_1908}, {m.FrontPiece, 2}, {m.MiddlePiece, 2}, {m.RearPiece, 2},
            {PlayerCar.SlotUsed[slot], slot}};
}

// A complete design in the current slot.
Values Complete(i32 slot) {
    Car& d = PlayerCar;
    return {{d.Slot, slot}, {d.Name, "runabout      "}, {d.Brakes, 1}, {d.Suspension, 1}, {d.Engine, 1},
            {d.BodyType, BODY_FAMILY_WAGON}, {d.FrontPiece, 1}, {d.MiddlePiece, 1}, {d.RearPiece, 1}};
}

TEST_F(MouseDesign, SlotsBodiesPiecesAndTheModelButtons) {
    std::vector<ClickRow> rows = {
        {"slot back from none wraps to 10", POPUP_NONE, Join({Stored(10, "tenth"), {{PlayerCar.Slot, 0}}}),
         {On(CTRL_DESIGN_SLOT_BACK)}, {{PlayerCar.Slot, 10}, {PlayerCar.Name, "tenth"}}},
        {"slot forward from 10 wraps to 1", POPUP_NONE, Join({Stored(1, "first"), {{PlayerCar.Slot, 10}}}),
         {On(CTRL_DESIGN_SLOT_FORWARD)}, {{PlayerCar.Slot, 1}, {PlayerCar.Name, "first"}}},
        {"an empty slot loads a blank record", POPUP_NONE, {{PlayerCar.Slot, 1}, {PlayerCar.Engine, 1}},
         {On(CTRL_DESIGN_SLOT_FORWARD)}, {{PlayerCar.Slot, 2}, {PlayerCar.Engine, 0}}},
        {"slot back from 1", POPUP_NONE, {{PlayerCar.Slot, 1}}, {On(CTRL_DESIGN_SLOT_BACK)}, {{PlayerCar.Slot, 10}}},
        {"slot forward from none", POPUP_NONE, {}, {On(CTRL_DESIGN_SLOT_FORWARD)}, {{PlayerCar.Slot, 1}}},

        {"rear back from an empty slot's 0", POPUP_NONE, {}, {On(CTRL_DESIGN_REAR_BACK)}, {{PlayerCar.RearPiece, 3}}},
        {"rear forward wraps", POPUP_NONE, {{PlayerCar.RearPiece, 3}}, {On(CTRL_DESIGN_REAR_FORWARD)},
         {{PlayerCar.RearPiece, 1}}},
        {"middle back", POPUP_NONE, {}, {On(CTRL_DESIGN_MIDDLE_BACK)}, {{PlayerCar.MiddlePiece, 3}}},
        {"a piece is drawn in place", POPUP_NONE, {{PlayerCar.FrontPiece, 3}}, {Spot(341, 250)},
         {{PlayerCar.FrontPiece, 1}}, Asks::InPlace},

        {"new model: a fresh design in the first free slot", POPUP_NONE,
         Join({Stored(1, "first"), Stored(2, "second"),
               {{PlayerCar.Slot, 1}, {PlayerCar.Engine, 1}, {PlayerCar.BodyIndex, 2}, {PlayerCar.LuxuryItems[0], 5},
                {PlayerCar.Price, 750}, {PlayerCar.Name, "first         z"}, {MainObj.Focus, FOCUS_MODEL_NAME}}}),
         {On(CTRL_DESIGN_NEW_MODEL)},
         {{PlayerCar.Slot, 3}, {PlayerCar.BodyType, BODY_FAMILY_WAGON}, {PlayerCar.BodyIndex, 2},
          {PlayerCar.Era, ERA_1923}, {PlayerCar.Engine, 0}, {PlayerCar.LuxuryItems[0], 0}, {PlayerCar.BrakesVariant, 2},
          {PlayerCar.EngineVariant, 3}, {PlayerCar.SuspensionVariant, 2}, {PlayerCar.FrontPiece, 1},
          {PlayerCar.Price, 0}, {PlayerCar.Name, "              z"}, {PlayerCar.SlotUsed[3], 0},
          {MainObj.Focus, FOCUS_MODEL_NAME}}},
        {"the name is typed afresh", POPUP_NONE, {{PlayerCar.Name, "typed before  "}}, {On(CTRL_DESIGN_NAME)},
         {{MainObj.Focus, FOCUS_MODEL_NAME}, {PlayerCar.Name, "              "}}},
        {"save stores the design", POPUP_NONE, Complete(4), {On(CTRL_DESIGN_SAVE_MODEL)}, {{PlayerModel(4).Engine, 1}}},
        {"delete empties the slot and redraws", POPUP_NONE, Join({Stored(4, "x"), {{PlayerCar.Slot, 4}}}),
         {Spot(100, 450)}, {{PlayerModel(4).Engine, 0}}, Asks::Background},
        // With a popup open the screen's own controls do nothing.
        {"controls under a popup", POPUP_ADD_PARTS, Complete(5),
         {On(CTRL_BACK), On(CTRL_DESIGN_EXIT), On(CTRL_DESIGN_NAME), On(CTRL_DESIGN_NEW_MODEL),
          On(CTRL_DESIGN_SLOT_BACK), On(CTRL_DESIGN_BODY_FORWARD), On(CTRL_DESIGN_FRONT_BACK),
          On(CTRL_DESIGN_SAVE_MODEL), On(CTRL_DESIGN_DELETE_MODEL)},
         Join({Complete(5), {{MainObj.Screen, SCREEN_GAME_DESIGN}, {MainObj.Popup, POPUP_ADD_PARTS},
                             {PlayerCar.BodyIndex, 0}, {PlayerCar.SlotUsed[5], 0}, {PlayerModel(5).Engine, 0}}})},
    };
    Values full;
    for (i32 slot = 1; slot <= kModelSlots; ++slot) full.push_back({PlayerCar.SlotUsed[slot], slot});
    full.push_back({PlayerCar.Slot, 3});
    full.push_back({PlayerCar.Engine, 4});
    rows.push_back({"no free slot", POPUP_NONE, full, {On(CTRL_DESIGN_NEW_MODEL)},
                    {{PlayerCar.Slot, 3}, {PlayerCar.Engine, 4}}});

    // Body arrows cycle over the owned types and reset era and pieces. An
    // index beyond the count steps by one and takes the entry it reaches;
    // one beyond the list's entries names no body.
    const struct { i32 from, arrow, index, body; } steps[] = {
        {2, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {1, CTRL_DESIGN_BODY_BACK, 2, BODY_TRUCK},
        {0, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {0, CTRL_DESIGN_BODY_BACK, 2, BODY_TRUCK},
        {4, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {4, CTRL_DESIGN_BODY_BACK, 3, BODY_RACE_CAR},
        {40, CTRL_DESIGN_BODY_BACK, 39, 0},                  {-3, CTRL_DESIGN_BODY_FORWARD, -2, 0},
    };
    for (const auto& step : steps)
        rows.push_back({"body arrow from index " + std::to_string(step.from), POPUP_NONE,
                        {{PlayerCar.Slot, 3}, {PlayerCar.BodyIndex, step.from}, {PlayerCar.BodyType, BODY_TRUCK},
                         {PlayerCar.Era, ERA_1908}, {PlayerCar.FrontPiece, 2}, {PlayerCar.RearPiece, 2}},
                        {On(step.arrow)},
                        {{PlayerCar.BodyIndex, step.index}, {PlayerCar.BodyType, step.body}, {PlayerCar.Era, ERA_1923},
                         {PlayerCar.FrontPiece, 1}, {PlayerCar.RearPiece, 1}}});
    RunRows(SCREEN_GAME_DESIGN, Researched(), rows);
}

TEST_F(MouseDesign, TheChooserAndThePartLists) {
    const Values engineRow4 = {{MainObj.Focus, FOCUS_PART_ROW_4}};
    std::vector<ClickRow> rows = {
        // The engine row lies over list row 4: the list is not clicked as well.
        {"the engine row is not clicked through", POPUP_ADD_PARTS, {}, {Spot(400, 215)},
         {{MainObj.Popup, POPUP_ENGINE_PARTS}, {MainObj.Focus, FOCUS_NONE}}},
        {"the chooser closes", POPUP_ADD_PARTS, {}, {On(CTRL_ADD_CLOSE)}, {{MainObj.Popup, POPUP_NONE}},
         Asks::Background},

        {"variant arrows need a row", POPUP_ENGINE_PARTS, {}, {On(CTRL_VARIANT_FORWARD)},
         {{PlayerResearch.EngineVariantChoice, 0}}},
        {"a row beyond the research is closed", POPUP_ENGINE_PARTS, {}, {On(CTRL_PART_ROW_1, 4)},
         {{MainObj.Focus, FOCUS_NONE}}},
        {"a row takes the focus and its default variant", POPUP_ENGINE_PARTS, {}, {On(CTRL_PART_ROW_1, 3)},
         {{MainObj.Focus, FOCUS_PART_ROW_4}, {PlayerResearch.EngineVariantChoice, 3}}},
        {"variant forward", POPUP_ENGINE_PARTS, Join({engineRow4, {{PlayerResearch.EngineVariantChoice, 3}}}),
         {On(CTRL_VARIANT_FORWARD), On(CTRL_VARIANT_FORWARD)}, {{PlayerResearch.EngineVariantChoice, 5}}},
        {"variant forward wraps", POPUP_ENGINE_PARTS, Join({engineRow4, {{PlayerResearch.EngineVariantChoice, 5}}}),
         {On(CTRL_VARIANT_FORWARD)}, {{PlayerResearch.EngineVariantChoice, 1}}},
        {"variant back wraps", POPUP_ENGINE_PARTS, Join({engineRow4, {{PlayerResearch.EngineVariantChoice, 1}}}),
         {On(CTRL_VARIANT_BACK)}, {{PlayerResearch.EngineVariantChoice, 5}}},
        {"install fits the part with the chosen variant", POPUP_ENGINE_PARTS,
         Join({engineRow4, {{PlayerResearch.EngineVariantChoice, 5}}}), {On(CTRL_PARTS_INSTALL)},
         {{PlayerCar.Engine, 4}, {PlayerCar.EngineVariant, 5}, {MainObj.Popup, POPUP_ADD_PARTS},
          {MainObj.Focus, FOCUS_NONE}}},
        {"brakes: three variants", POPUP_BRAKES_PARTS,
         {{MainObj.Focus, FOCUS_PART_ROW_3}, {PlayerResearch.BrakesVariantChoice, 2}},
         {On(CTRL_VARIANT_BACK), On(CTRL_VARIANT_BACK)}, {{PlayerResearch.BrakesVariantChoice, 3}}},
        {"a row click brings the default back", POPUP_BRAKES_PARTS,
         {{MainObj.Focus, FOCUS_PART_ROW_3}, {PlayerResearch.BrakesVariantChoice, 3}}, {On(CTRL_PART_ROW_1, 2)},
         {{PlayerResearch.BrakesVariantChoice, 2}}},
        {"back fits nothing", POPUP_BRAKES_PARTS, {{MainObj.Focus, FOCUS_PART_ROW_3}}, {On(CTRL_PARTS_BACK)},
         {{PlayerCar.Brakes, 0}, {MainObj.Popup, POPUP_ADD_PARTS}}},
        {"nothing chosen: nothing fitted", POPUP_SUSPENSION_PARTS, {}, {On(CTRL_PARTS_INSTALL)},
         {{PlayerCar.Suspension, 0}, {PlayerCar.SuspensionVariant, 0}, {MainObj.Popup, POPUP_ADD_PARTS}}},
        {"a focus that is no row fits the variant alone", POPUP_SUSPENSION_PARTS,
         {{MainObj.Focus, FOCUS_MODEL_NAME}, {PlayerResearch.SuspensionVariantChoice, 3}}, {On(CTRL_PARTS_INSTALL)},
         {{PlayerCar.Suspension, 0}, {PlayerCar.SuspensionVariant, 3}, {MainObj.Popup, POPUP_ADD_PARTS}}},

        // Items fill the entries their research opened, once each.
        {"install and back overlap: install, then back", POPUP_LUXURY_PARTS, {},
         {On(CTRL_PART_ROW_1, 1), Spot(450, 500)}, {{PlayerCar.LuxuryItems[1], 2}, {MainObj.Popup, POPUP_ADD_PARTS}}},
        {"where the part lists have install: back alone", POPUP_LUXURY_PARTS, {},
         {On(CTRL_PART_ROW_1, 1), On(CTRL_PARTS_INSTALL)}, {{PlayerCar.LuxuryItems[1], 0}, {MainObj.Popup, POPUP_ADD_PARTS}}},
        {"an item already fitted", POPUP_LUXURY_PARTS, {{PlayerCar.LuxuryItems[1], 2}},
         {On(CTRL_PART_ROW_1, 1), On(CTRL_ITEMS_INSTALL)}, {{PlayerCar.LuxuryItems[2], 0}}},
        {"no item chosen", POPUP_LUXURY_PARTS, {}, {On(CTRL_ITEMS_INSTALL)}, {{PlayerCar.LuxuryItems[1], 0}}},
        {"the next free entry", POPUP_LUXURY_PARTS, {{PlayerCar.LuxuryItems[1], 2}, {PlayerCar.LuxuryItems[2], 3}},
         {On(CTRL_PART_ROW_1, 0), On(CTRL_ITEMS_INSTALL)}, {{PlayerCar.LuxuryItems[3], 1}}},
        {"the opened entries are full", POPUP_LUXURY_PARTS,
         {{PlayerCar.LuxuryItems[1], 2}, {PlayerCar.LuxuryItems[2], 3}, {PlayerCar.LuxuryItems[3], 7}},
         {On(CTRL_PART_ROW_1, 0), On(CTRL_ITEMS_INSTALL)},
         {{PlayerCar.LuxuryItems[3], 7}, {PlayerCar.LuxuryItems[4], 0}}},
        {"safety not researched: no row", POPUP_SAFETY_PARTS, {}, {On(CTRL_PART_ROW_1, 0)},
         {{MainObj.Focus, FOCUS_NONE}}},
        {"items back", POPUP_SAFETY_PARTS, {}, {On(CTRL_PART_ROW_1, 0), On(CTRL_ITEMS_BACK)},
         {{MainObj.Popup, POPUP_ADD_PARTS}, {PlayerCar.SafetyItems[1], 0}}},
    };
    // Where the part lists have install (x 428..589, y 491..507), the item
    // lists install from x 428 to 495 and go back from 496 to 588, each from
    // y 495; above that and at x 589 a click does nothing.
    const struct {
        i32 x, y, fitted, popup;
    } spots[] = {
        {428, 495, 2, POPUP_ADD_PARTS},    {495, 507, 2, POPUP_ADD_PARTS},    {496, 495, 0, POPUP_ADD_PARTS},
        {588, 507, 0, POPUP_ADD_PARTS},    {500, 494, 0, POPUP_LUXURY_PARTS}, {589, 500, 0, POPUP_LUXURY_PARTS},
    };
    for (const auto& spot : spots)
        rows.push_back({"an item list at " + std::to_string(spot.x) + "," + std::to_string(spot.y), POPUP_LUXURY_PARTS,
                        {}, {On(CTRL_PART_ROW_1, 1), Spot(spot.x, spot.y)},
                        {{PlayerCar.LuxuryItems[1], spot.fitted}, {MainObj.Popup, spot.popup}}});
    // The chooser opens each list once; only the engine list resets its choice.
    const i32 lists[][2] = {{CTRL_ADD_ENGINE, POPUP_ENGINE_PARTS}, {CTRL_ADD_SUSPENSION, POPUP_SUSPENSION_PARTS},
                            {CTRL_ADD_BRAKES, POPUP_BRAKES_PARTS}, {CTRL_ADD_LUXURY, POPUP_LUXURY_PARTS},
                            {CTRL_ADD_SAFETY, POPUP_SAFETY_PARTS}};
    for (const auto& list : lists)
        rows.push_back({"chooser row for popup " + std::to_string(list[1]), POPUP_ADD_PARTS,
                        {{PlayerResearch.EngineVariantChoice, 4}}, {On(list[0])},
                        {{MainObj.Popup, list[1]}, {MainObj.Focus, FOCUS_NONE},
                         {PlayerResearch.EngineVariantChoice, list[1] == POPUP_ENGINE_PARTS ? 0 : 4}}});
    RunRows(SCREEN_GAME_DESIGN, Researched(), rows);
}

}  // namespace
