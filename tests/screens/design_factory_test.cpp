// The design screen, the design part lists, the factory screen and its
// figures, and the model browser.

#include "screens/screen_test.h"

namespace {

using DesignAndFactory = ScreenTest;

constexpr char D = FONT_DCHAR, E = FONT_ECHAR, ES = FONT_ESCHAR;

}  // namespace

TEST_F(DesignAndFactory, PartListsNameTheResearchedPartsAndTheChosenVariant) {
    MainObj.Popup = POPUP_SUSPENSION_PARTS;
    Paint::DrawSlotTexts(canvas());
    ExpectCells({{270, 57, 11, D, "    "}, {256, 500, 11, D, "      "}});   // nothing researched, no variant yet

    PlayerResearch.ResearchLevel[PART_SUSPENSION] = 10;
    PlayerResearch.SuspensionVariantChoice = 2;
    Paint::DrawSlotTexts(canvas());
    ExpectCells(
        {{270, 57, 11, D, "leaf springs "}, {270, 444, 11, D, "electrical shocks"}, {256, 500, 11, D, "medium"}});

    MainObj.Popup = POPUP_BRAKES_PARTS;
    PlayerResearch.BrakesVariantChoice = 2;
    Paint::DrawSlotTexts(canvas());
    ExpectCells({{256, 500, 11, D, "304mm"}});

    // The engine's marker moves 26 pixels per variant.
    MainObj.Popup = POPUP_ENGINE_PARTS;
    PlayerResearch.ResearchLevel[PART_ENGINE] = 1;
    for (const i32 variant : {3, 5}) {
        platform::FillCanvas(canvas(), kUntouched);
        PlayerResearch.EngineVariantChoice = variant;
        Paint::DrawSlotTexts(canvas());
        ExpectCells({{230, 500, 26, D, variant == 3 ? "  *  " : "    *"}, {270, 57, 11, D, "2cyl gas engine "}});
    }

    // Item lists never show a variant, whatever the choices hold.
    platform::FillCanvas(canvas(), kUntouched);
    MainObj.Popup = POPUP_LUXURY_PARTS;
    PlayerResearch.ResearchLevel[PART_LUXURY] = 4;
    Paint::DrawSlotTexts(canvas());
    ExpectCells({{270, 186, 11, D, "heater"}, {230, 500, 26, D, "     "}, {256, 500, 11, D, "     "}});
}

TEST_F(DesignAndFactory, DesignScreenShowsSlotPartsItemsAndBody) {
    PlayerCar.Slot = 10;
    PlayerCar.Engine = 3;
    PlayerCar.Brakes = 11;   // outside 1..10: no name
    PlayerCar.LuxuryItems[1] = 4;
    PlayerCar.LuxuryItems[3] = 6;
    PlayerCar.LuxuryItems[4] = 1;
    PlayerCar.SafetyItems[10] = 10;
    PlayerCar.BodyType = BODY_RACE_CAR;
    PlayerCar.UnitCost = 123456;
    PlayerCar.Rating = 42;
    Paint::DrawCurrentDesign(canvas());
    // A free slot shows no cost and no rating; fitted items stand one under
    // the other, without the gap of the empty entry.
    ExpectCells({{379, 62, 7, ES, "10"}, {24, 285, 11, E, "     "}, {278, 338, 9, ES, "4cyl inline gas engine"},
                 {278, 389, 9, ES, "   "}, {553, 95, 9, ES, "heater"}, {553, 111, 9, ES, "radio"},
                 {553, 127, 9, ES, "spare tire"}, {553, 298, 9, ES, "air bags"}, {373, 228, 9, ES, "race car"}});

    PlayerCar.Slot = 7;
    PlayerCar.SlotUsed[7] = 7;
    SetPhoto(p_GAME_design_clean_carnr, 24, 17, kUntouched);
    Paint::DrawCurrentDesign(canvas());
    // Five cells of cost: a tenth of it.
    ExpectCells({{379, 62, 7, ES, " 7"}, {24, 346, 11, E, "12345"}, {24, 285, 11, E, "42   "}});
    // The stored figures' bounds show whole.
    PlayerCar.UnitCost = 99999;
    PlayerCar.Rating = -9999;
    Paint::DrawCurrentDesign(canvas());
    ExpectCells({{24, 346, 11, E, "99999"}, {24, 285, 11, E, "-9999"}});
    PlayerCar.Rating = 42;

    // Slot 0 reads its own mark, which only a hand-made save sets.
    platform::FillCanvas(canvas(), kUntouched);
    PlayerCar.Slot = 0;
    PlayerCar.SlotUsed[0] = 1;
    Paint::DrawCurrentDesign(canvas());
    ExpectCells({{24, 285, 11, E, "42   "}});

    // A slot number outside the record draws no cost and reads nothing outside it.
    platform::FillCanvas(canvas(), kUntouched);
    PlayerCar.Slot = 400;
    Paint::DrawCurrentDesign(canvas());
    ExpectCells({{24, 346, 11, E, "     "}});
}

TEST_F(DesignAndFactory, PartRowFrameLiesUnderItsIconAndThePopupOverTheCar) {
    Mark(p_GAME_design_chosen_part, 0x0D0001);
    Mark(PartIconPicture(PART_ENGINE, 1), 0x0D0002);
    SetPhoto(p_PopUp_Design_engine_parts, 400, 520, 0x0D0003);
    Mark(CarPiecePicture(BODY_TRUCK, ERA_1908, CAR_FRONT, 1), 0x0D0004);
    PlayerCar.BodyType = BODY_TRUCK;
    PlayerCar.Era = ERA_1908;
    PlayerCar.FrontPiece = 1;
    PlayerResearch.ResearchLevel[PART_ENGINE] = 1;
    MainObj.Focus = FOCUS_PART_ROW_1;
    Show(SCREEN_GAME_DESIGN, POPUP_ENGINE_PARTS);
    ExpectDots({{220, 47, 0x0D0001}, {221, 48, 0x0D0002}, {271, 77, 0x0D0003}});
}

TEST_F(DesignAndFactory, CarPictureNeedsAnEraWithPicturesAndEachPieceAVariant) {
    for (i32 piece = 0; piece < kCarPieces; ++piece) {
        Mark(CarPiecePicture(BODY_FAMILY_WAGON, ERA_1908, piece, 1), 0xCA0000 + piece);
        Mark(CarPiecePicture(BODY_SPORT, ERA_1923, piece, 3), 0xCB0000 + piece);
    }
    const struct {
        i32 body, era, front;
        platform::Pixel atFront, atMiddle, atRear;
    } cases[] = {
        {BODY_FAMILY_WAGON, ERA_1908, 0, kUntouched, 0xCA0001, 0xCA0002},   // no front piece chosen
        {BODY_SPORT, ERA_1908, 3, kUntouched, kUntouched, kUntouched},      // sports bodies have pictures from 1923
        {BODY_SPORT, ERA_1923, 3, 0xCB0000, 0xCB0001, 0xCB0002},
        {0, ERA_1923, 3, kUntouched, kUntouched, kUntouched},
    };
    for (const auto& c : cases) {
        platform::FillCanvas(canvas(), kUntouched);
        PlayerCar.BodyType = c.body;
        PlayerCar.Era = c.era;
        PlayerCar.FrontPiece = c.front;
        PlayerCar.MiddlePiece = PlayerCar.RearPiece = c.body == BODY_SPORT ? 3 : 1;
        Paint::DrawCurrentDesign(canvas());
        ExpectDots({{271, 77, c.atFront}, {362, 77, c.atMiddle}, {430, 77, c.atRear}});
    }
    ExpectCells({{336, 228, 9, ES, std::string(13, ' ')}});   // body 0 has no name
    PlayerCar.BodyType = BODY_SPORT;   // a name even without pictures
    PlayerCar.Era = ERA_1908;
    Paint::DrawCurrentDesign(canvas());
    ExpectCells({{368, 228, 9, ES, "sport"}});
}

TEST_F(DesignAndFactory, FactoryScreenDrawsTheShownRegionsLines) {
    Mark(p_GAME_factory_remove_model, 0x0F0F0F);
    SetName(PlayerModel(7).Name, "tourer");
    FactorySalonRegion& asia = PlayerFactorySalon.Region[REGION_ASIA - 1];
    asia.ProductionLineModel[2] = 7;
    asia.ProductionLineShipTo[2][0] = REGION_EUROPE;
    asia.ProductionLineShipTo[2][1] = 0;
    asia.ProductionLineShipTo[0][0] = REGION_AFRICA;   // an empty line's destination
    PlayerFactorySalon.ShownRegion = REGION_ASIA;
    Paint::DrawFactory(canvas());
    ExpectCells({{375, 56, 11, E, "asia"}, {65, 336, 7, ES, "tourer "}, {245, 324, 7, ES, "europe"},
                 {245, 344, 7, ES, "      "}, {245, 226, 7, ES, "      "}});
    ExpectDots({{364, 328, 0x0F0F0F}, {364, 230, kUntouched}});

    for (const i32 region : {i32{REGION_SOUTH_AMERICA}, 7}) {
        platform::FillCanvas(canvas(), kUntouched);
        PlayerFactorySalon.ShownRegion = region;
        Paint::DrawFactory(canvas());
        ExpectCells({{350, 56, 11, E, region == 7 ? "         " : "s america"}});
    }
}

TEST_F(DesignAndFactory, FactoryFiguresAreDrawnWithAndWithoutTheBrowser) {
    PlayerTechnicians.Unassigned = -12;
    PlayerSalesmans.Unassigned = 30;
    PlayerFactorySalon.TechniciansToAssign = 220;
    PlayerFactorySalon.SalesmenToAssign = 5;
    PlayerFactorySalon.ShownRegion = REGION_EUROPE;
    FactorySalonRegion& europe = PlayerFactorySalon.Region[REGION_EUROPE - 1];
    europe.Technicians = 120;
    europe.Salesmen = 9;
    europe.ProductionLineModel[0] = 2;
    europe.ProductionLineModel[1] = 3;
    PlayerModel(2).Price = 4500;
    PlayerModel(3).Price = 950;
    for (i32 model = 1; model <= kModelSlots; ++model) SetName(PlayerModel(model).Name, "car_x");

    Show(SCREEN_GAME_FACTORY, POPUP_BROWSE_MODELS);
    ExpectAnchors({{TEXT_FREE_TECHNICIANS, "-12 "},   // the minus in the first cell
                   {TEXT_FREE_SALESMEN, "30  "}, {TEXT_TYPED_TECHNICIANS, " 220"}, {TEXT_TYPED_SALESMEN, "   5"},
                   {TEXT_REGION_TECHNICIANS, "120 "}, {TEXT_REGION_SALESMEN, "9   "}});
    // The browser's ten names, the tenth at y 358; '_' is a blank cell.
    ExpectCells({{197, 237, 7, ES, "4500"}, {197, 287, 7, ES, " 950"}, {197, 336, 7, ES, "    "},
                 {317, 176, 11, D, "car x"}, {317, 358, 11, D, "car x"}});

    platform::FillCanvas(canvas(), kUntouched);
    Show(SCREEN_GAME_FACTORY, POPUP_NONE);
    ExpectAnchors({{TEXT_TYPED_TECHNICIANS, " 220"}});
    ExpectCells({{317, 176, 11, D, "     "}});
}
