#pragma once
// The picture catalogue: every picture the game shows, as a number in load
// order with its file path below the working directory. Only ids and paths
// live here; loading and drawing are done by Paint.
//
// Five families, loaded in this order: 14 screens, 28 popups, 98 overlays
// (buttons, highlight frames, clean patches, bars, part icons, body types),
// 342 car pieces and 188 glyphs. Screens, popups and overlays have names;
// car pieces and glyphs are reached through CarPiecePicture and GlyphPicture.

#include "model/records.h"

enum PictureId : i32 {
    // ---- Screens: Data/Img/Game/
    p_INTRO,
    p_MENU,
    p_MENU_NEW,
    p_MENU_LOAD,
    p_MENU_SAVE,
    p_GAME_MAIN,
    p_GAME_OFFICE,
    p_GAME_ADVERTISING,
    p_GAME_ADVERTISING2,
    p_GAME_RESEARCH,
    p_GAME_DESIGN,
    p_GAME_FACTORY,
    p_GAME_NEXT_MONTH,
    p_GAME_OVER,

    // ---- Popups: Data/Img/Game/PopUp/
    p_PopUp_AutoShow,
    p_PopUp_Radio,
    p_PopUp_Television,
    p_PopUp_Newspaper,
    p_PopUp_Billboard,
    p_PopUp_Brakes,
    p_PopUp_Suspension,
    p_PopUp_Engine,
    p_PopUp_Body,
    p_PopUp_Luxury,
    p_PopUp_Safety,
    p_PopUp_Body_types,
    p_PopUp_Expand_research,
    p_PopUp_Map,
    p_PopUp_Bank,
    p_PopUp_Personnel,
    p_PopUp_Design_add_parts,
    p_PopUp_Design_brakes_parts,
    p_PopUp_Design_suspension_parts,
    p_PopUp_Design_engine_parts,
    p_PopUp_Design_luxury_parts,
    p_PopUp_Design_safety_parts,
    p_PopUp_Factory_browse_models,
    p_PopUp_Office_statistics,
    p_PopUp_Office_statistics_month_report,
    p_PopUp_Office_statistics_model_report,
    p_PopUp_Office_statistics_profit_report,
    p_PopUp_Office_statistics_research_report,

    // ---- Overlays: Data/Img/Buttons/
    p_MENU_button_new,
    p_MENU_button_save_off,
    p_MENU_button_save_on,
    p_MENU_button_load,
    p_MENU_button_quit,
    p_MENU_button_continue,
    p_MENU_button_mainmenu,
    p_MENU_chosen_slot,
    p_GAME_description_clean,
    p_GAME_office_personnel_chosen,
    p_GAME_office_personnel_chosen2,
    p_GAME_office_bank_chosen,
    p_GAME_research_chosen,
    p_GAME_advert_chosen,
    p_GAME_factory_price_chosen,
    p_GAME_factory_workers_chosen,
    p_GAME_design_chosen,
    p_GAME_design_chosen_part,
    p_GAME_factory_price_clean,
    p_GAME_factory_workers_clean,
    p_GAME_money_clean,
    p_GAME_research_loading,
    p_GAME_design_clean_carnr,
    p_GAME_design_part_brakes1, p_GAME_design_part_brakes2, p_GAME_design_part_brakes3,
    p_GAME_design_part_brakes4, p_GAME_design_part_brakes5, p_GAME_design_part_brakes6,
    p_GAME_design_part_brakes7, p_GAME_design_part_brakes8, p_GAME_design_part_brakes9,
    p_GAME_design_part_brakes10,
    p_GAME_design_part_suspension1, p_GAME_design_part_suspension2,
    p_GAME_design_part_suspension3, p_GAME_design_part_suspension4,
    p_GAME_design_part_suspension5, p_GAME_design_part_suspension6,
    p_GAME_design_part_suspension7, p_GAME_design_part_suspension8,
    p_GAME_design_part_suspension9, p_GAME_design_part_suspension10,
    p_GAME_design_part_engine1, p_GAME_design_part_engine2, p_GAME_design_part_engine3,
    p_GAME_design_part_engine4, p_GAME_design_part_engine5, p_GAME_design_part_engine6,
    p_GAME_design_part_engine7, p_GAME_design_part_engine8, p_GAME_design_part_engine9,
    p_GAME_design_part_engine10,
    p_GAME_design_part_luxury1, p_GAME_design_part_luxury2, p_GAME_design_part_luxury3,
    p_GAME_design_part_luxury4, p_GAME_design_part_luxury5, p_GAME_design_part_luxury6,
    p_GAME_design_part_luxury7, p_GAME_design_part_luxury8, p_GAME_design_part_luxury9,
    p_GAME_design_part_luxury10,
    p_GAME_design_part_safety1, p_GAME_design_part_safety2, p_GAME_design_part_safety3,
    p_GAME_design_part_safety4, p_GAME_design_part_safety5, p_GAME_design_part_safety6,
    p_GAME_design_part_safety7, p_GAME_design_part_safety8, p_GAME_design_part_safety9,
    p_GAME_design_part_safety10,
    p_GAME_research_body_type1l, p_GAME_research_body_type2l, p_GAME_research_body_type3l,
    p_GAME_research_body_type4l, p_GAME_research_body_type5l, p_GAME_research_body_type6l,
    p_GAME_research_body_type7l, p_GAME_research_body_type8l, p_GAME_research_body_type9l,
    p_GAME_research_body_type1d, p_GAME_research_body_type2d, p_GAME_research_body_type3d,
    p_GAME_research_body_type4d, p_GAME_research_body_type5d, p_GAME_research_body_type6d,
    p_GAME_research_body_type7d, p_GAME_research_body_type8d, p_GAME_research_body_type9d,
    p_GAME_research_expand_clean,
    p_GAME_factory_chosen_model,
    p_GAME_factory_remove_model,
    p_GAME_player_loading,
    p_GAME_ai1_loading,
    p_GAME_ai2_loading,
    p_GAME_player_name_chosen,

    // ---- Car pieces (CarPiecePicture), then glyphs (GlyphPicture)
    kFirstCarPiecePicture,
    kFirstGlyphPicture = kFirstCarPiecePicture + 342,
    kPictureCount = kFirstGlyphPicture + 188,

    kNoPicture = -1,
};

inline constexpr i32 kScreenPictures = 14;
inline constexpr i32 kPopupPictures = 28;
inline constexpr i32 kOverlayPictures = 98;
inline constexpr i32 kCarPiecePictures = 342;
inline constexpr i32 kGlyphPictures = 188;
static_assert(kPictureCount == 670);
static_assert(p_PopUp_AutoShow == kScreenPictures);
static_assert(p_MENU_button_new == kScreenPictures + kPopupPictures);
static_assert(kFirstCarPiecePicture == kScreenPictures + kPopupPictures + kOverlayPictures);

// The three pieces of the design screen's car picture, left to right.
enum CarPiece : i32 {
    CAR_FRONT = 0,
    CAR_MIDDLE = 1,
    CAR_REAR = 2,
};
inline constexpr i32 kCarPieces = 3;

// Year of a styling era (ERA_1908 -> 1908 ... ERA_1983 -> 1983); 0 outside 1..6.
constexpr i32 EraYear(i32 era) { return era >= 1 && era <= kEraCount ? 1908 + 15 * (era - 1) : 0; }

// First era (EraId) for which a body type (1..9) has car pictures; 0 outside 1..9.
i32 FirstPictureEra(i32 bodyType);

// Car piece of a body type (1..9) in an era (EraId 1..6), piece CAR_* and
// variant 1..3; kNoPicture when the body type has no pictures for that era or
// any argument is out of range.
i32 CarPiecePicture(i32 bodyType, i32 era, i32 piece, i32 variant);

// Glyph of a byte in a font (FontId); kNoPicture when the font has none for it
// (space, NUL, '_', '.', upper case and every other byte, or an unknown font).
i32 GlyphPicture(char font, char character);

// The font (FontId) and the character of a glyph picture; '\0' for any other id.
char FontOfGlyph(i32 picture);
char CharOfGlyph(i32 picture);

// Body type (1..9), era (EraId), piece (CAR_*) and variant (1..3) of a car
// piece picture; false for any other id.
struct CarPieceKey {
    i32 BodyType;
    i32 Era;
    i32 Piece;
    i32 Variant;
};
bool CarPieceOf(i32 picture, CarPieceKey& key);

// Picture of a popup (PopupId 1..28); kNoPicture for POPUP_NONE and any other value.
i32 PopupPicture(i32 popup);

// Research body-type picture: `owned` picks the "d" picture, else the "l" one.
i32 BodyTypePicture(i32 bodyType, bool owned);

// Part icon of a category (PART_BRAKES, _SUSPENSION, _ENGINE, _LUXURY,
// _SAFETY) and part 1..10; kNoPicture for the body category or out of range.
i32 PartIconPicture(i32 category, i32 part);

// Path of a picture relative to the working directory, with forward
// slashes ("Data/Img/Game/game_intro.jpg"); "" for an id outside the catalogue.
const char* PicturePath(i32 picture);

// The picture's handle name ("p_INTRO", "p_GAME_car_sp_1938_middle2",
// "p_dChar_kols"); "" for an id outside the catalogue.
const char* PictureName(i32 picture);
