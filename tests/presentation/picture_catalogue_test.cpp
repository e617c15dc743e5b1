#include <gtest/gtest.h>

#include <set>
#include <string>

#include "presentation/fonts.h"
#include "presentation/interface_state.h"
#include "presentation/picture_catalogue.h"

TEST(PictureCatalogue, HoldsSixHundredSeventyDistinctPicturesInLoadOrder) {
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
    EXPECT_EQ(kPictureCount, 670);
    EXPECT_EQ(paths.size(), 670u);
    EXPECT_EQ(names.size(), 670u);
    EXPECT_STREQ(PicturePath(kPictureCount), "");
    EXPECT_STREQ(PicturePath(kNoPicture), "");

    const struct { i32 id; const char* path; } named[] = {
        {0, "Data/Img/Game/game_intro.jpg"},
        {p_MENU_LOAD + 1, "Data/Img/Game/game_save.jpg"},
        {p_PopUp_Bank + 1, "Data/Img/Game/PopUp/office_personnel.jpg"},   // the right column follows the left
        {p_PopUp_Office_statistics_research_report, "Data/Img/Game/PopUp/office_research_report.jpg"},
        {p_GAME_office_personnel_chosen2, "Data/Img/Buttons/office_personnel_chosen2.jpg"},
        {p_GAME_design_part_engine7, "Data/Img/Buttons/design_part_engine7.jpg"},
        {p_GAME_research_body_type9d, "Data/Img/Buttons/research_body_type9d.jpg"},
        {p_GAME_player_name_chosen, "Data/Img/Buttons/player_name_chosen.jpg"},
    };
    for (const auto& picture : named) EXPECT_STREQ(PicturePath(picture.id), picture.path);
    EXPECT_STREQ(PictureName(p_GAME_research_body_type1l), "p_GAME_research_body_type1l");
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
    const i32 none[][4] = {{BODY_SPORT, ERA_1908, CAR_FRONT, 1}, {BODY_RACE_CAR, ERA_1953, CAR_FRONT, 1},
                           {0, ERA_1983, CAR_FRONT, 1},          {10, ERA_1983, CAR_FRONT, 1},
                           {BODY_VAN, 7, CAR_FRONT, 1},          {BODY_VAN, ERA_1983, 3, 1},
                           {BODY_VAN, ERA_1983, CAR_FRONT, 0},   {BODY_VAN, ERA_1983, CAR_FRONT, 4}};
    for (const auto& n : none) EXPECT_EQ(CarPiecePicture(n[0], n[1], n[2], n[3]), kNoPicture) << n[0] << n[1];

    // Every car piece's id reads back as the key that gives it.
    CarPieceKey key{};
    i32 counted = 0;
    for (i32 id = 0; id < kPictureCount; ++id) {
        if (!CarPieceOf(id, key)) continue;
        ++counted;
        EXPECT_EQ(CarPiecePicture(key.BodyType, key.Era, key.Piece, key.Variant), id);
    }
    EXPECT_EQ(counted, 342);
}

TEST(PictureCatalogue, GlyphsCoverLettersDigitsTheMinusSignAndThreeMarksOfTheDialogueFont) {
    EXPECT_EQ(GlyphPicture(FONT_DCHAR, 'a'), kFirstGlyphPicture);
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DCHAR, ':')), "Data/Img/Chars/dc_kols.jpg");
    EXPECT_STREQ(PictureName(GlyphPicture(FONT_DCHAR, '/')), "p_dChar_slash");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DCHAR, '*')), "Data/Img/Chars/dc_circle.jpg");
    EXPECT_EQ(GlyphPicture(FONT_DCHAR, '-'), GlyphPicture(FONT_DCHAR, '*') + 1);
    EXPECT_EQ(GlyphPicture(FONT_DCHAR, '0'), GlyphPicture(FONT_DCHAR, '-') + 1);
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DCHAR, '-')), "Data/Img/Chars/dc_minus.jpg");
    EXPECT_STREQ(PictureName(GlyphPicture(FONT_LCHAR, '-')), "p_lChar_minus");
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_ESCHAR, '-')), "Data/Img/Chars/ecs_minus.jpg");
    EXPECT_EQ(GlyphPicture(FONT_ESCHAR, '0'), GlyphPicture(FONT_ESCHAR, '-') + 1);
    EXPECT_STREQ(PicturePath(GlyphPicture(FONT_DSCHAR, 'q')), "Data/Img/Chars/dcs_q.jpg");
    EXPECT_STREQ(PictureName(GlyphPicture(FONT_ESCHAR, '9')), "p_esChar_9");
    EXPECT_EQ(GlyphPicture(FONT_ESCHAR, '9'), kPictureCount - 1);
    for (const char none : {' ', '\0', '_', '.', '+', 'A', 'Z', '%'})
        for (const FontId font : kFonts) EXPECT_EQ(GlyphPicture(font, none), kNoPicture);
    for (const char mark : {':', '/', '*'}) {
        EXPECT_EQ(GlyphPicture(FONT_ECHAR, mark), kNoPicture);
        EXPECT_EQ(GlyphPicture(FONT_LCHAR, mark), kNoPicture);
    }
    EXPECT_EQ(GlyphPicture('x', 'a'), kNoPicture);
    EXPECT_EQ(FontCell('x').Width, 0);
    // A glyph's id reads back as its font and character.
    for (const FontId font : kFonts)
        for (const char c : {'a', 'z', '-', '0', '9'}) {
            EXPECT_EQ(FontOfGlyph(GlyphPicture(font, c)), font);
            EXPECT_EQ(CharOfGlyph(GlyphPicture(font, c)), c);
        }
    EXPECT_EQ(CharOfGlyph(GlyphPicture(FONT_DCHAR, '/')), '/');
    EXPECT_EQ(FontOfGlyph(p_GAME_OVER), '\0');
    EXPECT_EQ(CharOfGlyph(kFirstGlyphPicture - 1), '\0');
}

TEST(PictureCatalogue, PopupsBodyTypesAndPartIconsFindTheirPicturesAndNoneOutsideTheirRanges) {
    const struct { i32 popup; const char* path; } popups[] = {
        {POPUP_AUTO_SHOW, "Data/Img/Game/PopUp/advert_autoshow.jpg"},
        {POPUP_SAFETY_PARTS, "Data/Img/Game/PopUp/design_safety_parts.jpg"},
        {POPUP_MONTH_REPORT, "Data/Img/Game/PopUp/office_month_report.jpg"},
        {POPUP_PROFIT_REPORT, "Data/Img/Game/PopUp/office_profit_report.jpg"},
        {POPUP_MODEL_REPORT, "Data/Img/Game/PopUp/office_model_report.jpg"},
        {POPUP_RESEARCH_REPORT, "Data/Img/Game/PopUp/office_research_report.jpg"},
    };
    for (const auto& p : popups) EXPECT_STREQ(PicturePath(PopupPicture(p.popup)), p.path) << p.popup;
    EXPECT_EQ(BodyTypePicture(BODY_VAN, true), p_GAME_research_body_type6d);
    EXPECT_EQ(PartIconPicture(PART_LUXURY, 10), p_GAME_design_part_luxury10);
    for (const i32 none : {PopupPicture(POPUP_NONE), PopupPicture(29), BodyTypePicture(0, true),
                           PartIconPicture(PART_BODY, 1), PartIconPicture(PART_SAFETY, 11)})
        EXPECT_EQ(none, kNoPicture);
}
