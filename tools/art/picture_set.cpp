#include "art/picture_set.h"

#include "art/glyphs.h"
#include "art/popup_frame.h"
#include "art/scenes.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace art {

std::vector<Canvas> DrawAllPictures() {
    std::vector<Canvas> p(static_cast<std::size_t>(kPictureCount));
    const auto put = [&p](int id, Canvas c) { p[static_cast<std::size_t>(id)] = std::move(c); };

    put(p_INTRO, DrawIntro());
    put(p_MENU, DrawMenuBackground());
    put(p_MENU_NEW, DrawNewGame());
    put(p_MENU_LOAD, DrawSaveLoad(false));
    put(p_MENU_SAVE, DrawSaveLoad(true));
    put(p_GAME_MAIN, DrawMainView());
    put(p_GAME_OFFICE, DrawOffice());
    put(p_GAME_ADVERTISING, DrawAdvertising(false));
    put(p_GAME_ADVERTISING2, DrawAdvertising(true));
    put(p_GAME_RESEARCH, DrawResearch());
    put(p_GAME_DESIGN, DrawDesign());
    put(p_GAME_FACTORY, DrawFactory());
    put(p_GAME_NEXT_MONTH, DrawMonthEnd());
    put(p_GAME_OVER, DrawGameOver());

    for (int popup = POPUP_AUTO_SHOW; popup <= POPUP_RESEARCH_REPORT; ++popup) put(PopupPicture(popup), DrawPopup(popup));

    for (int id = p_MENU_button_new; id <= p_MENU_button_mainmenu; ++id) put(id, DrawMenuButton(id));
    for (int id : {p_MENU_chosen_slot, p_GAME_office_personnel_chosen, p_GAME_office_personnel_chosen2,
                   p_GAME_office_bank_chosen, p_GAME_research_chosen, p_GAME_advert_chosen,
                   p_GAME_factory_price_chosen, p_GAME_factory_workers_chosen, p_GAME_design_chosen,
                   p_GAME_design_chosen_part, p_GAME_factory_chosen_model, p_GAME_player_name_chosen})
        put(id, DrawFrame(id));

    // Clean patches are cut from the pictures they are drawn over.
    const Canvas& main = p[p_GAME_MAIN];
    put(p_GAME_description_clean, CutPicture(main, kDescriptionCleanAt, p_GAME_description_clean));
    put(p_GAME_money_clean, CutPicture(p[p_GAME_OFFICE], kMoneyCleanAt, p_GAME_money_clean));
    put(p_GAME_design_clean_carnr, CutPicture(p[p_GAME_DESIGN], kCarNumberCleanAt, p_GAME_design_clean_carnr));
    put(p_GAME_factory_price_clean, CutPicture(p[p_GAME_FACTORY], kPriceFieldAt[0], p_GAME_factory_price_clean));
    put(p_GAME_factory_workers_clean, CutPicture(p[p_GAME_FACTORY], kWorkersFieldAt[0], p_GAME_factory_workers_clean));
    put(p_GAME_research_expand_clean, DrawExpandDone());
    put(p_GAME_research_loading, DrawResearchSegment());
    put(p_GAME_factory_remove_model, DrawRemoveButton());
    put(p_GAME_player_loading, DrawReportBar(0));
    put(p_GAME_ai1_loading, DrawReportBar(1));
    put(p_GAME_ai2_loading, DrawReportBar(2));

    for (int category : {PART_BRAKES, PART_SUSPENSION, PART_ENGINE, PART_LUXURY, PART_SAFETY})
        for (int part = 1; part <= kPartsPerCategory; ++part)
            put(PartIconPicture(category, part), DrawPartIcon(category, part));
    for (int body = 1; body <= kBodyTypeCount; ++body) {
        put(BodyTypePicture(body, false), DrawBodyTypeCard(body, false));
        put(BodyTypePicture(body, true), DrawBodyTypeCard(body, true));
    }

    CarPieceKey key{};
    for (int id = kFirstCarPiecePicture; id < kFirstGlyphPicture; ++id)
        if (CarPieceOf(id, key)) put(id, DrawCarPiece(key.BodyType, key.Era, key.Piece, key.Variant));

    for (int id = kFirstGlyphPicture; id < kPictureCount; ++id) put(id, DrawGlyph(FontOfGlyph(id), CharOfGlyph(id)));
    return p;
}

}  // namespace art
