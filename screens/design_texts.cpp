// The texts of the design part lists and of the factory's model browser.

#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "screens/part_names.h"
#include "screens/popup_text_blocks.h"

namespace {

// The word (or, for engines, the marker) of the variant chosen in the open
// list; no word while no variant is chosen, and none for item lists.
PlacedWord VariantWord(i32 popup) {
    switch (popup) {
    case POPUP_BRAKES_PARTS: return BrakesVariantWord(PlayerResearch.BrakesVariantChoice);
    case POPUP_SUSPENSION_PARTS: return SuspensionVariantWord(PlayerResearch.SuspensionVariantChoice);
    case POPUP_ENGINE_PARTS: {
        const i32 x = EngineMarkerX(PlayerResearch.EngineVariantChoice);
        return x != 0 ? PlacedWord{"*", x} : PlacedWord{"", 0};
    }
    default: return PlacedWord{"", 0};
    }
}

}  // namespace

void screens::DrawPartListTexts(platform::Canvas& canvas, i32 popup) {
    const i32 category = PartListCategory(popup);
    if (category < 0) return;
    const i32 level = PlayerResearch.ResearchLevel[category];
    for (i32 part = 1; part <= kPartsPerCategory; ++part)
        if (level >= part) Paint::DrawWord(canvas, TextAt(TEXT_PART_NAME_1 + part - 1), PartName(category, part));
    Paint::DrawWord(canvas, TextAt(TEXT_VARIANT), VariantWord(popup));
}

void screens::DrawBrowseTexts(platform::Canvas& canvas, i32) {
    for (i32 model = 1; model <= kModelSlots; ++model)
        Paint::DrawText(canvas, TextAt(TEXT_BROWSE_NAME_1 + model - 1), PlayerModel(model).Name);
}
