// The design screen, the design part lists, the factory screen and its
// figures, and the model browser.

#include "screens/screen_test.h"

namespace {

using DesignAndFactory = ScreenTest;

}  // namespace

TEST_F(DesignAndFactory, PartListsNameTheResearchedPartsAndTheChosenVariant) {
    MainObj.Popup = POPUP_SUSPENSION_PARTS;
    PlayerResearch.ResearchLevel[PART_SUSPENSION] = 0;
    Paint::DrawSlotTexts(canvas());
    EXPECT_EQ(Read(270, 57, 11, 4, FONT_DCHAR), "    ");
    EXPECT_EQ(Read(256, 500, 11, 6, FONT_DCHAR), "      ");   // no variant chosen yet

    PlayerResearch.ResearchLevel[PART_SUSPENSION] = 10;
    PlayerResearch.SuspensionVariantChoice = 2;
    Paint::DrawSlotTexts(canvas());
    EXPECT_EQ(Read(270, 57, 11, 13, FONT_DCHAR), "leaf springs ");
    EXPECT_EQ(Read(270, 444, 11, 17, FONT_DCHAR), "electrical shocks");
    EXPECT_EQ(Read(256, 500, 11, 6, FONT_DCHAR), "medium");

    MainObj.Popup = POPUP_BRAKES_PARTS;
    PlayerResearch.BrakesVariantChoice = 2;
    Paint::DrawSlotTexts(canvas());
    EXPECT_EQ(Read(256, 500, 11, 5, FONT_DCHAR), "304mm");

    // The engine's marker moves 26 pixels per variant.
    MainObj.Popup = POPUP_ENGINE_PARTS;
    for (const i32 variant : {3, 5}) {
        platform::FillCanvas(canvas(), kUntouched);
        PlayerResearch.EngineVariantChoice = variant;
        Paint::DrawSlotTexts(canvas());
        EXPECT_EQ(Read(230, 500, 26, 5, FONT_DCHAR), variant == 3 ? "  *  " : "    *");
    }

    // Item lists never show a variant, whatever the choices hold.
    platform::FillCanvas(canvas(), kUntouched);
    MainObj.Popup = POPUP_LUXURY_PARTS;
    PlayerResearch.ResearchLevel[PART_LUXURY] = 4;
    Paint::DrawSlotTexts(canvas());
    EXPECT_EQ(Read(270, 186, 11, 6, FONT_DCHAR), "heater");
    EXPECT_EQ(Read(230, 500, 26, 5, FONT_DCHAR), "     ");
    EXPECT_EQ(Read(256, 500, 11, 5, FONT_DCHAR), "     ");
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
    Paint::DrawDesing(canvas());

    EXPECT_EQ(Read(379, 62, 7, 2, FONT_ESCHAR), "10");
    // A free slot shows no cost and no rating.
    EXPECT_EQ(Read(24, 285, 11, 5, FONT_ECHAR), "     ");
    EXPECT_EQ(Read(278, 338, 9, 22, FONT_ESCHAR), "4cyl inline gas engine");
    EXPECT_EQ(Read(278, 389, 9, 3, FONT_ESCHAR), "   ");
    // Fitted items one under the other, without the gap of the empty entry.
    EXPECT_EQ(Read(553, 95, 9, 6, FONT_ESCHAR), "heater");
    EXPECT_EQ(Read(553, 111, 9, 5, FONT_ESCHAR), "radio");
    EXPECT_EQ(Read(553, 127, 9, 10, FONT_ESCHAR), "spare tire");
    EXPECT_EQ(Read(553, 298, 9, 8, FONT_ESCHAR), "air bags");
    EXPECT_EQ(Read(373, 228, 9, 8, FONT_ESCHAR), "race car");

    PlayerCar.Slot = 7;
    PlayerCar.SlotUsed[7] = 7;
    SetPhoto(p_GAME_design_clean_carnr, 24, 17, kUntouched);
    Paint::DrawDesing(canvas());
    EXPECT_EQ(Read(379, 62, 7, 2, FONT_ESCHAR), " 7");
    EXPECT_EQ(Read(24, 346, 11, 5, FONT_ECHAR), "12345");   // five cells: a tenth of the cost
    EXPECT_EQ(Read(24, 285, 11, 5, FONT_ECHAR), "42   ");

    // A slot number outside the record draws no cost and reads nothing outside it.
    platform::FillCanvas(canvas(), kUntouched);
    PlayerCar.Slot = 400;
    Paint::DrawDesing(canvas());
    EXPECT_EQ(Read(24, 346, 11, 5, FONT_ECHAR), "     ");
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
    EXPECT_EQ(At(220, 47), 0x0D0001u);
    EXPECT_EQ(At(221, 48), 0x0D0002u);
    EXPECT_EQ(At(271, 77), 0x0D0003u);
}

TEST_F(DesignAndFactory, CarPictureNeedsAnEraWithPicturesAndEachPieceAVariant) {
    for (i32 piece = 0; piece < kCarPieces; ++piece) {
        Mark(CarPiecePicture(BODY_FAMILY_WAGON, ERA_1908, piece, 1), 0xCA0000 + piece);
        Mark(CarPiecePicture(BODY_SPORT, ERA_1923, piece, 3), 0xCB0000 + piece);
    }
    PlayerCar.BodyType = BODY_FAMILY_WAGON;
    PlayerCar.Era = ERA_1908;
    PlayerCar.FrontPiece = 0;
    PlayerCar.MiddlePiece = 1;
    PlayerCar.RearPiece = 1;
    Paint::DrawDesing(canvas());
    EXPECT_EQ(At(271, 77), kUntouched);
    EXPECT_EQ(At(362, 77), 0xCA0001u);
    EXPECT_EQ(At(430, 77), 0xCA0002u);

    PlayerCar.BodyType = BODY_SPORT;
    PlayerCar.Era = ERA_1908;   // sports bodies have pictures from 1923
    PlayerCar.FrontPiece = PlayerCar.MiddlePiece = PlayerCar.RearPiece = 3;
    platform::FillCanvas(canvas(), kUntouched);
    Paint::DrawDesing(canvas());
    EXPECT_EQ(Read(368, 228, 9, 5, FONT_ESCHAR), "sport");
    EXPECT_EQ(At(271, 77), kUntouched);
    PlayerCar.Era = ERA_1923;
    Paint::DrawDesing(canvas());
    EXPECT_EQ(At(271, 77), 0xCB0000u);
    EXPECT_EQ(At(430, 77), 0xCB0002u);

    platform::FillCanvas(canvas(), kUntouched);
    PlayerCar.BodyType = 0;
    Paint::DrawDesing(canvas());
    EXPECT_EQ(At(271, 77), kUntouched);
    EXPECT_EQ(Read(336, 228, 9, 13, FONT_ESCHAR), std::string(13, ' '));
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

    EXPECT_EQ(Read(375, 56, 11, 4, FONT_ECHAR), "asia");
    EXPECT_EQ(Read(65, 336, 7, 7, FONT_ESCHAR), "tourer ");
    EXPECT_EQ(Read(245, 324, 7, 6, FONT_ESCHAR), "europe");
    EXPECT_EQ(Read(245, 344, 7, 6, FONT_ESCHAR), "      ");
    EXPECT_EQ(At(364, 328), 0x0F0F0Fu);
    EXPECT_EQ(Read(245, 226, 7, 6, FONT_ESCHAR), "      ");
    EXPECT_EQ(At(364, 230), kUntouched);

    platform::FillCanvas(canvas(), kUntouched);
    PlayerFactorySalon.ShownRegion = REGION_SOUTH_AMERICA;
    Paint::DrawFactory(canvas());
    EXPECT_EQ(Read(350, 56, 11, 9, FONT_ECHAR), "s america");

    platform::FillCanvas(canvas(), kUntouched);
    PlayerFactorySalon.ShownRegion = 7;
    Paint::DrawFactory(canvas());
    EXPECT_EQ(Read(350, 56, 11, 9, FONT_ECHAR), std::string(9, ' '));
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
    EXPECT_EQ(ReadAt(TEXT_FREE_TECHNICIANS), " 12 ");   // a blank cell for the minus
    EXPECT_EQ(ReadAt(TEXT_FREE_SALESMEN), "30  ");
    EXPECT_EQ(ReadAt(TEXT_TYPED_TECHNICIANS), " 220");
    EXPECT_EQ(ReadAt(TEXT_TYPED_SALESMEN), "   5");
    EXPECT_EQ(ReadAt(TEXT_REGION_TECHNICIANS), "120 ");
    EXPECT_EQ(ReadAt(TEXT_REGION_SALESMEN), "9   ");
    EXPECT_EQ(Read(197, 237, 7, 4, FONT_ESCHAR), "4500");
    EXPECT_EQ(Read(197, 287, 7, 4, FONT_ESCHAR), " 950");
    EXPECT_EQ(Read(197, 336, 7, 4, FONT_ESCHAR), "    ");
    // The browser's ten names, the tenth at y 358; '_' is a blank cell.
    EXPECT_EQ(Read(317, 176, 11, 5, FONT_DCHAR), "car x");
    EXPECT_EQ(Read(317, 358, 11, 5, FONT_DCHAR), "car x");

    platform::FillCanvas(canvas(), kUntouched);
    Show(SCREEN_GAME_FACTORY, POPUP_NONE);
    EXPECT_EQ(ReadAt(TEXT_TYPED_TECHNICIANS), " 220");
    EXPECT_EQ(Read(317, 176, 11, 5, FONT_DCHAR), "     ");
}
