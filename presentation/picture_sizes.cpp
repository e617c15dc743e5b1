#include "presentation/picture_sizes.h"

#include "presentation/fonts.h"
#include "presentation/picture_catalogue.h"

namespace {

constexpr PictureSize kScreen{800, 600};

PictureSize PopupSize(i32 picture) {
    switch (picture) {
    case p_PopUp_Map:
    case p_PopUp_Bank:
    case p_PopUp_Personnel: return {600, 400};
    case p_PopUp_Design_add_parts: return {224, 284};
    case p_PopUp_Factory_browse_models: return {224, 285};
    case p_PopUp_Office_statistics: return {159, 221};
    default: break;
    }
    if (picture <= p_PopUp_Billboard) return {320, 300};
    if (picture <= p_PopUp_Expand_research) return {264, 258};
    if (picture >= p_PopUp_Design_brakes_parts && picture <= p_PopUp_Design_safety_parts) return {412, 524};
    return {800, 540};   // the four reports
}

PictureSize OverlaySize(i32 picture) {
    if (picture >= p_GAME_design_part_brakes1 && picture <= p_GAME_design_part_safety10) return {48, 41};
    if (picture >= p_GAME_research_body_type1l && picture <= p_GAME_research_body_type9d) return {150, 101};
    switch (picture) {
    case p_MENU_button_new:
    case p_MENU_button_save_off:
    case p_MENU_button_save_on:
    case p_MENU_button_continue: return {191, 36};
    case p_MENU_button_load:
    case p_MENU_button_quit:
    case p_MENU_button_mainmenu: return {191, 32};
    case p_MENU_chosen_slot: return {160, 27};
    case p_GAME_description_clean: return {268, 25};
    case p_GAME_office_personnel_chosen: return {44, 18};
    case p_GAME_office_personnel_chosen2: return {49, 18};
    case p_GAME_office_bank_chosen: return {106, 19};
    case p_GAME_research_chosen: return {60, 25};
    case p_GAME_advert_chosen: return {92, 26};
    case p_GAME_factory_price_chosen:
    case p_GAME_factory_price_clean: return {57, 21};
    case p_GAME_factory_workers_chosen:
    case p_GAME_factory_workers_clean: return {77, 25};
    case p_GAME_design_chosen: return {178, 30};
    case p_GAME_design_chosen_part: return {357, 43};
    case p_GAME_money_clean: return {100, 25};
    case p_GAME_research_loading: return {2, 12};
    case p_GAME_design_clean_carnr: return {39, 17};
    case p_GAME_research_expand_clean: return {246, 110};
    case p_GAME_factory_chosen_model: return {156, 22};
    case p_GAME_factory_remove_model: return {109, 21};
    case p_GAME_player_loading:
    case p_GAME_ai1_loading:
    case p_GAME_ai2_loading: return {12, 34};
    case p_GAME_player_name_chosen: return {158, 27};
    default: return {0, 0};
    }
}

// Front, middle and rear: they abut at x 362 and 430 on the design screen.
constexpr PictureSize kCarPieceSize[kCarPieces] = {{91, 146}, {68, 146}, {94, 146}};

}  // namespace

PictureSize SizeOfPicture(i32 picture) {
    if (picture < 0 || picture >= kPictureCount) return {0, 0};
    if (picture < p_PopUp_AutoShow) return kScreen;
    if (picture < p_MENU_button_new) return PopupSize(picture);
    if (picture < kFirstCarPiecePicture) return OverlaySize(picture);
    if (picture < kFirstGlyphPicture) {
        const i32 piece = ((picture - kFirstCarPiecePicture) / kPieceVariants) % kCarPieces;
        return kCarPieceSize[piece];
    }
    const GlyphCell cell = FontCell(FontOfGlyph(picture));
    return {cell.Width, cell.Height};
}
