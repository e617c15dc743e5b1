// The design screen: slots, bodies and pieces, the name, new, save and
// delete, and the part lists behind the add-parts chooser.

#include <cstring>

#include "input/input_fixture.h"

namespace {

struct MouseDesignTest : InputTest {
    void SetUp() override {
        InputTest::SetUp();
        PlayerResearch.ResearchLevel[PART_BRAKES] = 3;
        PlayerResearch.ResearchLevel[PART_SUSPENSION] = 1;
        PlayerResearch.ResearchLevel[PART_ENGINE] = 4;
        PlayerResearch.ResearchLevel[PART_BODY] = ERA_1923;
        PlayerResearch.ResearchLevel[PART_LUXURY] = 3;
        PlayerResearch.ResearchLevel[PART_SAFETY] = 0;
        PlayerResearch.OwnedBodyTypes[1] = BODY_FAMILY_WAGON;
        PlayerResearch.OwnedBodyTypes[2] = BODY_TRUCK;
        PlayerResearch.OwnedBodyTypes[3] = BODY_RACE_CAR;   // left over, not owned
        PlayerResearch.BodyTypesOwned = 2;
        PlayerResearch.BodyTypesOffered = 2;
        Show(SCREEN_GAME_DESIGN);
    }

    // A model stored in `slot`, as the save button leaves it.
    void StoreModel(i32 slot, const char* name) {
        Car& model = PlayerModel(slot);
        std::memset(model.Name, ' ', 14);
        std::memcpy(model.Name, name, std::strlen(name));
        model.Brakes = model.Suspension = model.Engine = 1;
        model.BodyType = BODY_TRUCK;
        model.Era = ERA_1908;
        model.FrontPiece = model.MiddlePiece = model.RearPiece = 2;
        PlayerCar.SlotUsed[slot] = slot;
    }

    // A complete design for the current slot.
    void CompleteDesign() {
        std::memcpy(PlayerCar.Name, "runabout      ", 14);
        PlayerCar.Brakes = PlayerCar.Suspension = PlayerCar.Engine = 1;
        PlayerCar.BodyType = BODY_FAMILY_WAGON;
        PlayerCar.FrontPiece = PlayerCar.MiddlePiece = PlayerCar.RearPiece = 1;
    }

    void OpenList(i32 chooserRow) {
        Show(SCREEN_GAME_DESIGN);
        ClickOn(CTRL_DESIGN_ADD_PARTS);
        ClickOn(chooserRow);
    }
};

TEST_F(MouseDesignTest, SlotArrowsWrapAndLoadTheSlotReached) {
    StoreModel(10, "tenth");
    StoreModel(1, "first");
    PlayerCar.Slot = 0;
    ClickOn(CTRL_DESIGN_SLOT_BACK);
    EXPECT_EQ(PlayerCar.Slot, 10);
    EXPECT_EQ(std::memcmp(PlayerCar.Name, "tenth", 5), 0);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_DESIGN);
    ClickOn(CTRL_DESIGN_SLOT_FORWARD);
    EXPECT_EQ(PlayerCar.Slot, 1);
    EXPECT_EQ(std::memcmp(PlayerCar.Name, "first", 5), 0);
    ClickOn(CTRL_DESIGN_SLOT_FORWARD);
    EXPECT_EQ(PlayerCar.Slot, 2);
    EXPECT_EQ(PlayerCar.Engine, 0);   // the empty slot's blank record
    ClickOn(CTRL_DESIGN_SLOT_BACK);
    ClickOn(CTRL_DESIGN_SLOT_BACK);
    EXPECT_EQ(PlayerCar.Slot, 10);
    PlayerCar.Slot = 0;
    ClickOn(CTRL_DESIGN_SLOT_FORWARD);
    EXPECT_EQ(PlayerCar.Slot, 1);
}

TEST_F(MouseDesignTest, BodyArrowsCycleOverTheOwnedTypesAndResetEraAndPieces) {
    // An index beyond the owned types (from an earlier game) never picks an
    // unbought one.
    const struct { i32 from, arrow, index, body; } steps[] = {
        {2, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {1, CTRL_DESIGN_BODY_BACK, 2, BODY_TRUCK},
        {0, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {0, CTRL_DESIGN_BODY_BACK, 2, BODY_TRUCK},
        {4, CTRL_DESIGN_BODY_FORWARD, 1, BODY_FAMILY_WAGON}, {4, CTRL_DESIGN_BODY_BACK, 2, BODY_TRUCK},
    };
    StoreModel(3, "old");
    for (const auto& step : steps) {
        PlayerCar.Slot = 2;
        ClickOn(CTRL_DESIGN_SLOT_FORWARD);   // the stored 1908 truck
        ASSERT_EQ(PlayerCar.Era, ERA_1908);
        PlayerCar.BodyIndex = step.from;
        ClickOn(step.arrow);
        EXPECT_EQ(PlayerCar.BodyIndex, step.index) << step.from;
        EXPECT_EQ(PlayerCar.BodyType, step.body);
        EXPECT_EQ(PlayerCar.Era, ERA_1923);
        EXPECT_EQ(PlayerCar.FrontPiece, 1);
        EXPECT_EQ(PlayerCar.RearPiece, 1);
    }
}

TEST_F(MouseDesignTest, PieceArrowsWrapOverThreePiecesDrawnInPlace) {
    PlayerCar.RearPiece = 0;   // an empty slot's
    ClickOn(CTRL_DESIGN_REAR_BACK);
    EXPECT_EQ(PlayerCar.RearPiece, 3);
    ClickOn(CTRL_DESIGN_REAR_FORWARD);
    EXPECT_EQ(PlayerCar.RearPiece, 1);
    ClickOn(CTRL_DESIGN_MIDDLE_BACK);
    EXPECT_EQ(PlayerCar.MiddlePiece, 3);
    PlayerCar.FrontPiece = 3;
    MainObj.LastDrawnScreen = 42;
    Move(341, 250);
    PressButton();
    EXPECT_EQ(PlayerCar.FrontPiece, 1);
    EXPECT_EQ(MainObj.LastDrawnScreen, 42);   // no full redraw asked for
}

TEST_F(MouseDesignTest, NewModelStartsAFreshDesignInTheFirstFreeSlot) {
    StoreModel(1, "first");
    StoreModel(2, "second");
    PlayerCar.Slot = 1;
    ClickOn(CTRL_DESIGN_SLOT_FORWARD);
    ClickOn(CTRL_DESIGN_SLOT_BACK);
    PlayerCar.BodyIndex = 2;
    PlayerCar.LuxuryItems[0] = 5;
    PlayerCar.Name[14] = 'z';
    MainObj.Focus = FOCUS_MODEL_NAME;
    ClickOn(CTRL_DESIGN_NEW_MODEL);
    EXPECT_EQ(PlayerCar.Slot, 3);
    EXPECT_EQ(PlayerCar.BodyType, BODY_FAMILY_WAGON);
    EXPECT_EQ(PlayerCar.BodyIndex, 2);
    EXPECT_EQ(PlayerCar.Era, ERA_1923);
    EXPECT_EQ(PlayerCar.Engine, 0);
    EXPECT_EQ(PlayerCar.LuxuryItems[0], 0);
    EXPECT_EQ(PlayerCar.BrakesVariant, 2);
    EXPECT_EQ(PlayerCar.EngineVariant, 3);
    EXPECT_EQ(PlayerCar.SuspensionVariant, 2);
    EXPECT_EQ(PlayerCar.FrontPiece, 1);
    EXPECT_EQ(std::memcmp(PlayerCar.Name, "              ", 14), 0);
    EXPECT_EQ(PlayerCar.Name[14], 'z');
    EXPECT_EQ(PlayerCar.SlotUsed[3], 0);
    EXPECT_EQ(MainObj.Focus, FOCUS_MODEL_NAME);

    for (i32 slot = 1; slot <= kModelSlots; ++slot) PlayerCar.SlotUsed[slot] = slot;
    PlayerCar.Engine = 4;
    ClickOn(CTRL_DESIGN_NEW_MODEL);   // no free slot
    EXPECT_EQ(PlayerCar.Slot, 3);
    EXPECT_EQ(PlayerCar.Engine, 4);
}

TEST_F(MouseDesignTest, TheNameIsTypedAfreshAndDeleteClearsTheScreen) {
    std::memcpy(PlayerCar.Name, "typed before  ", 14);
    ClickOn(CTRL_DESIGN_NAME);
    EXPECT_EQ(MainObj.Focus, FOCUS_MODEL_NAME);
    EXPECT_EQ(std::memcmp(PlayerCar.Name, "              ", 14), 0);

    PlayerCar.Slot = 4;
    CompleteDesign();
    ClickOn(CTRL_DESIGN_SAVE_MODEL);
    EXPECT_EQ(PlayerModel(4).Engine, 1);
    MainObj.LastDrawnScreen = 42;
    Move(100, 450);
    PressButton();
    EXPECT_EQ(PlayerModel(4).Engine, 0);
    EXPECT_EQ(MainObj.LastDrawnScreen, 0);
}

TEST_F(MouseDesignTest, WithAPopupOpenTheScreensOwnControlsDoNothing) {
    ClickOn(CTRL_DESIGN_ADD_PARTS);
    ASSERT_EQ(MainObj.Popup, POPUP_ADD_PARTS);
    PlayerCar.Slot = 5;
    CompleteDesign();
    const Car before = PlayerCar;
    for (i32 control : {CTRL_BACK, CTRL_DESIGN_EXIT, CTRL_DESIGN_NAME, CTRL_DESIGN_NEW_MODEL,
                        CTRL_DESIGN_SLOT_BACK, CTRL_DESIGN_BODY_FORWARD, CTRL_DESIGN_FRONT_BACK,
                        CTRL_DESIGN_SAVE_MODEL, CTRL_DESIGN_DELETE_MODEL})
        ClickOn(control);
    EXPECT_EQ(std::memcmp(&before, &PlayerCar, sizeof before), 0);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_DESIGN);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);
}

TEST_F(MouseDesignTest, TheChooserOpensEachListOnce) {
    const struct {
        i32 row, popup;
    } rows[] = {{CTRL_ADD_ENGINE, POPUP_ENGINE_PARTS},
                {CTRL_ADD_SUSPENSION, POPUP_SUSPENSION_PARTS},
                {CTRL_ADD_BRAKES, POPUP_BRAKES_PARTS},
                {CTRL_ADD_LUXURY, POPUP_LUXURY_PARTS},
                {CTRL_ADD_SAFETY, POPUP_SAFETY_PARTS}};
    for (const auto& row : rows) {
        PlayerResearch.EngineVariantChoice = 4;
        OpenList(row.row);
        EXPECT_EQ(MainObj.Popup, row.popup);
        EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
        EXPECT_EQ(PlayerResearch.EngineVariantChoice, row.popup == POPUP_ENGINE_PARTS ? 0 : 4);
    }
    // The engine row lies over list row 4: the list is not clicked as well.
    Show(SCREEN_GAME_DESIGN, POPUP_ADD_PARTS);
    Click(400, 215);
    EXPECT_EQ(MainObj.Popup, POPUP_ENGINE_PARTS);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);

    Show(SCREEN_GAME_DESIGN, POPUP_ADD_PARTS);
    ClickOn(CTRL_ADD_CLOSE);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_DESIGN);
}

TEST_F(MouseDesignTest, PartRowsNeedTheirResearchAndInstallWithTheChosenVariant) {
    OpenList(CTRL_ADD_ENGINE);
    ClickOn(CTRL_VARIANT_FORWARD);   // no row chosen
    EXPECT_EQ(PlayerResearch.EngineVariantChoice, 0);
    ClickOn(CTRL_PART_ROW_1, 4);      // engine level 4: row 5 is not open
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    ClickOn(CTRL_PART_ROW_1, 3);
    EXPECT_EQ(MainObj.Focus, FOCUS_PART_ROW_4);
    EXPECT_EQ(PlayerResearch.EngineVariantChoice, 3);
    ClickOn(CTRL_VARIANT_FORWARD);
    ClickOn(CTRL_VARIANT_FORWARD);
    EXPECT_EQ(PlayerResearch.EngineVariantChoice, 5);
    ClickOn(CTRL_VARIANT_FORWARD);
    EXPECT_EQ(PlayerResearch.EngineVariantChoice, 1);
    ClickOn(CTRL_VARIANT_BACK);
    EXPECT_EQ(PlayerResearch.EngineVariantChoice, 5);
    ClickOn(CTRL_PARTS_INSTALL);
    EXPECT_EQ(PlayerCar.Engine, 4);
    EXPECT_EQ(PlayerCar.EngineVariant, 5);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);

    OpenList(CTRL_ADD_BRAKES);
    ClickOn(CTRL_PART_ROW_1, 2);
    ClickOn(CTRL_VARIANT_BACK);
    ClickOn(CTRL_VARIANT_BACK);
    EXPECT_EQ(PlayerResearch.BrakesVariantChoice, 3);
    ClickOn(CTRL_PART_ROW_1, 2);   // a row click brings the default back
    EXPECT_EQ(PlayerResearch.BrakesVariantChoice, 2);
    ClickOn(CTRL_PARTS_BACK);
    EXPECT_EQ(PlayerCar.Brakes, 0);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);

    OpenList(CTRL_ADD_SUSPENSION);
    ClickOn(CTRL_PARTS_INSTALL);   // nothing chosen: nothing fitted
    EXPECT_EQ(PlayerCar.Suspension, 0);
    EXPECT_EQ(PlayerCar.SuspensionVariant, 0);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);
}

TEST_F(MouseDesignTest, ItemsFillTheOpenedEntriesOnceEach) {
    OpenList(CTRL_ADD_LUXURY);
    ClickOn(CTRL_PART_ROW_1, 1);
    Click(450, 500);   // install and back overlap: install, then back
    EXPECT_EQ(PlayerCar.LuxuryItems[1], 2);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);

    ClickOn(CTRL_ADD_LUXURY);
    ClickOn(CTRL_PART_ROW_1, 1);
    ClickOn(CTRL_ITEMS_INSTALL);   // already fitted
    ClickOn(CTRL_ADD_LUXURY);
    ClickOn(CTRL_ITEMS_INSTALL);   // no row chosen
    EXPECT_EQ(PlayerCar.LuxuryItems[2], 0);

    PlayerCar.LuxuryItems[2] = 3;
    PlayerCar.LuxuryItems[3] = 0;
    PlayerCar.LuxuryItems[4] = 0;
    ClickOn(CTRL_ADD_LUXURY);
    ClickOn(CTRL_PART_ROW_1, 0);
    ClickOn(CTRL_ITEMS_INSTALL);
    EXPECT_EQ(PlayerCar.LuxuryItems[3], 1);

    ClickOn(CTRL_ADD_LUXURY);   // the three opened entries are full
    PlayerCar.LuxuryItems[3] = 7;
    ClickOn(CTRL_PART_ROW_1, 0);
    ClickOn(CTRL_ITEMS_INSTALL);
    EXPECT_EQ(PlayerCar.LuxuryItems[3], 7);
    EXPECT_EQ(PlayerCar.LuxuryItems[4], 0);

    // Safety is not researched yet: no row can be chosen.
    ClickOn(CTRL_ADD_SAFETY);
    ClickOn(CTRL_PART_ROW_1, 0);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    ClickOn(CTRL_ITEMS_BACK);
    EXPECT_EQ(MainObj.Popup, POPUP_ADD_PARTS);
    for (i32 item : PlayerCar.SafetyItems) EXPECT_EQ(item, 0);
}

}  // namespace
