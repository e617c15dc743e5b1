#include <gtest/gtest.h>

#include <set>
#include <string>

#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/picture_catalogue.h"

TEST(PictureCatalogue, HoldsSixHundredSixtyFiveDistinctPictures) {
    std::set<std::string> paths;
    std::set<std::string> names;
    for (i32 id = 0; id < kPictureCount; ++id) {
        const std::string path = PicturePath(id);
        ASSERT_EQ(path.rfind("Data/Img/", 0), 0u) << id;
        ASSERT_EQ(path.substr(path.size() - 4), ".jpg") << id;
        EXPECT_EQ(path.find('\\'), std::string::npos);
        paths.insert(path);
        names.insert(PictureName(id));
    }
    EXPECT_EQ(kPictureCount, 665);
    EXPECT_EQ(paths.size(), 665u);
    EXPECT_EQ(names.size(), 665u);
    EXPECT_STREQ(PicturePath(kPictureCount), "");
    EXPECT_STREQ(PicturePath(kNoPicture), "");
}

TEST(PictureCatalogue, NamedPicturesHaveTheirFilesInLoadOrder) {
    EXPECT_STREQ(PicturePath(0), "Data/Img/Game/game_intro.jpg");
    EXPECT_STREQ(PicturePath(p_MENU_LOAD), "Data/Img/Game/game_load.jpg");
    EXPECT_EQ(p_MENU_LOAD + 1, p_MENU_SAVE);
    EXPECT_STREQ(PicturePath(p_GAME_ADVERTISING), "Data/Img/Game/game_advertising1.jpg");
    EXPECT_STREQ(PicturePath(p_GAME_OVER), "Data/Img/Game/game_over.jpg");
    EXPECT_STREQ(PicturePath(p_PopUp_AutoShow), "Data/Img/Game/PopUp/advert_autoshow.jpg");
    EXPECT_STREQ(PicturePath(p_PopUp_Bank), "Data/Img/Game/PopUp/office_bank.jpg");
    EXPECT_EQ(p_PopUp_Bank + 1, p_PopUp_Personnel);  // the right column follows the left
    EXPECT_STREQ(PicturePath(p_PopUp_Office_statistics_research_report),
                 "Data/Img/Game/PopUp/office_research_report.jpg");
    EXPECT_STREQ(PicturePath(p_MENU_button_new), "Data/Img/Buttons/game_button_new.jpg");
    EXPECT_STREQ(PicturePath(p_GAME_description_clean),
                 "Data/Img/Buttons/game_description_clean.jpg");
    EXPECT_STREQ(PicturePath(p_GAME_money_clean), "Data/Img/Buttons/game_money_clean.jpg");
    EXPECT_STREQ(PicturePath(p_GAME_office_personnel_chosen2),
                 "Data/Img/Buttons/office_personnel_chosen2.jpg");
    EXPECT_STREQ(PicturePath(p_GAME_design_part_engine7),
                 "Data/Img/Buttons/design_part_engine7.jpg");
    EXPECT_STREQ(PictureName(p_GAME_design_part_engine7), "p_GAME_design_part_engine7");
    EXPECT_STREQ(PicturePath(p_GAME_research_body_type9d),
                 "Data/Img/Buttons/research_body_type9d.jpg");
    EXPECT_STREQ(PictureName(p_GAME_research_body_type1l), "p_GAME_research_body_type1l");
    EXPECT_STREQ(PicturePath(p_GAME_player_name_chosen),
                 "Data/Img/Buttons/player_name_chosen.jpg");
    EXPECT_STREQ(PictureName(p_GAME_player_name_chosen), "p_GAME_player_name_chosen");
}

TEST(PictureCatalogue, CarPiecesFollowBodyEraPieceVariant) {
    EXPECT_EQ(CarPiecePicture(BODY_FAMILY_WAGON, ERA_1908, CAR_FRONT, 1), kFirstCarPiecePicture);
    EXPECT_STREQ(PicturePath(kFirstCarPiecePicture), "Data/Img/Cars/FamilyWagon/1908_front1.jpg");
    const i32 sport = CarPiecePicture(BODY_SPORT, ERA_1938, CAR_MIDDLE, 2);
    EXPECT_STREQ(PicturePath(sport), "Data/Img/Cars/Sport/1938_middle2.jpg");
    EXPECT_STREQ(PictureName(sport), "p_GAME_car_sp_1938_middle2");
    EXPECT_EQ(CarPiecePicture(BODY_RACE_CAR, ERA_1983, CAR_REAR, 3), kFirstGlyphPicture - 1);
    EXPECT_STREQ(PicturePath(kFirstGlyphPicture - 1), "Data/Img/Cars/RaceCar/1983_rear3.jpg");
    // Truck 1908 follows family wagon 1983.
    EXPECT_EQ(CarPiecePicture(BODY_TRUCK, ERA_1908, CAR_FRONT, 1),
              CarPiecePicture(BODY_FAMILY_WAGON, ERA_1983, CAR_REAR, 3) + 1);
    // No pictures before a body type's first era or outside the ranges.
    EXPECT_EQ(CarPiecePicture(BODY_SPORT, ERA_1908, CAR_FRONT, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(BODY_RACE_CAR, ERA_1953, CAR_FRONT, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(0, ERA_1983, CAR_FRONT, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(10, ERA_1983, CAR_FRONT, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(BODY_VAN, 7, CAR_FRONT, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(BODY_VAN, ERA_1983, 3, 1), kNoPicture);
    EXPECT_EQ(CarPiecePicture(BODY_VAN, ERA_1983, CAR_FRONT, 0), kNoPicture);
    EXPECT_EQ(CarPiecePicture(BODY_VAN, ERA_1983, CAR_FRONT, 4), kNoPicture);
    EXPECT_EQ(FirstPictureEra(BODY_PICK_UP_TRUCK), ERA_1953);
    EXPECT_EQ(EraYear(ERA_1968), 1968);
}

TEST(PictureCatalogue, GlyphsCoverLettersDigitsAndThreeMarksOfTheDialogueFont) {
    EXPECT_EQ(GlyphPicture(FONT_DCHAR, 'a'), kFirstGlyphPicture);
    EXPECT_STREQ(PicturePath(kFirstGlyphPicture), "Data/Img/Chars/dc_a.jpg");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DCHAR, ':')), "Data/Img/Chars/dc_kols.jpg");
    EXPECT_STREQ(PictureName(GlyphPicture(FONT_DCHAR, '/')), "p_dChar_slash");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DCHAR, '*')), "Data/Img/Chars/dc_circle.jpg");
    EXPECT_EQ(GlyphPicture(FONT_DCHAR, '0'), GlyphPicture(FONT_DCHAR, '*') + 1);
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DSCHAR, 'q')), "Data/Img/Chars/dcs_q.jpg");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_LCHAR, '7')), "Data/Img/Chars/lc_7.jpg");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_ECHAR, 'e')), "Data/Img/Chars/ec_e.jpg");
    EXPECT_STREQ(PictureName(GlyphPicture(FONT_ESCHAR, '9')), "p_esChar_9");
    EXPECT_EQ(GlyphPicture(FONT_ESCHAR, '9'), kPictureCount - 1);
    for (const char none : {' ', '\0', '_', '.', '-', '+', 'A', 'Z', '%'})
        for (const FontId font : kFonts) EXPECT_EQ(GlyphPicture(font, none), kNoPicture);
    for (const char mark : {':', '/', '*'}) {
        EXPECT_EQ(GlyphPicture(FONT_ECHAR, mark), kNoPicture);
        EXPECT_EQ(GlyphPicture(FONT_LCHAR, mark), kNoPicture);
    }
    EXPECT_EQ(GlyphPicture('x', 'a'), kNoPicture);
    EXPECT_EQ(FontCell('x').Width, 0);
    for (const FontId font : kFonts) EXPECT_TRUE(IsFont(font));
}

TEST(PictureCatalogue, LookupsByPopupBodyTypeAndPart) {
    EXPECT_EQ(PopupPicture(POPUP_NONE), kNoPicture);
    EXPECT_EQ(PopupPicture(POPUP_AUTO_SHOW), p_PopUp_AutoShow);
    EXPECT_EQ(PopupPicture(POPUP_MAP), p_PopUp_Map);
    EXPECT_EQ(PopupPicture(POPUP_PROFIT_REPORT), p_PopUp_Office_statistics_profit_report);
    EXPECT_EQ(PopupPicture(POPUP_MODEL_REPORT), p_PopUp_Office_statistics_model_report);
    EXPECT_EQ(PopupPicture(POPUP_RESEARCH_REPORT), p_PopUp_Office_statistics_research_report);
    EXPECT_EQ(PopupPicture(29), kNoPicture);
    EXPECT_EQ(BodyTypePicture(BODY_VAN, false), p_GAME_research_body_type6l);
    EXPECT_EQ(BodyTypePicture(BODY_VAN, true), p_GAME_research_body_type6d);
    EXPECT_EQ(BodyTypePicture(0, true), kNoPicture);
    EXPECT_EQ(PartIconPicture(PART_LUXURY, 10), p_GAME_design_part_luxury10);
    EXPECT_EQ(PartIconPicture(PART_BRAKES, 1), p_GAME_design_part_brakes1);
    EXPECT_EQ(PartIconPicture(PART_BODY, 1), kNoPicture);
    EXPECT_EQ(PartIconPicture(PART_SAFETY, 11), kNoPicture);
}

TEST(PictureCatalogue, GlyphAndCarPieceIdsTellWhatTheyShow) {
    for (const FontId font : kFonts) {
        for (const char c : {'a', 'z', '0', '9'}) {
            const i32 id = GlyphPicture(font, c);
            EXPECT_EQ(FontOfGlyph(id), font);
            EXPECT_EQ(CharOfGlyph(id), c);
        }
    }
    EXPECT_EQ(CharOfGlyph(GlyphPicture(FONT_DCHAR, '/')), '/');
    EXPECT_EQ(FontOfGlyph(p_GAME_OVER), '\0');
    EXPECT_EQ(CharOfGlyph(kFirstGlyphPicture - 1), '\0');

    CarPieceKey key{};
    ASSERT_TRUE(CarPieceOf(CarPiecePicture(BODY_COMPACT, ERA_1968, CAR_REAR, 2), key));
    EXPECT_EQ(key.BodyType, BODY_COMPACT);
    EXPECT_EQ(key.Era, ERA_1968);
    EXPECT_EQ(key.Piece, CAR_REAR);
    EXPECT_EQ(key.Variant, 2);
    i32 counted = 0;
    for (i32 id = 0; id < kPictureCount; ++id) {
        if (!CarPieceOf(id, key)) continue;
        ++counted;
        EXPECT_EQ(CarPiecePicture(key.BodyType, key.Era, key.Piece, key.Variant), id);
    }
    EXPECT_EQ(counted, kCarPiecePictures);
}
