// The texts of the advertising and research popups.

#include "model/lab_expansion.h"
#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"
#include "screens/part_names.h"
#include "screens/popup_text_blocks.h"

using platform::Canvas;

void screens::DrawAdvertisingTexts(Canvas& canvas, i32 popup) {
    const i32 medium = PopupMedium(popup);
    if (medium == 0) return;
    const auto shown = [medium](i32 row) -> const AdCampaign& {
        return MediumCampaign(PlayerAdvertising.Block[kAdvertRowBlock[row]], medium);
    };
    for (i32 row = 0; row < kAdBlocks; ++row)
        Paint::DrawInteger(canvas, TextAt(TEXT_ADVERT_MONTHS_1 + row), shown(row).Months);
    for (i32 row = 0; row < kAdBlocks; ++row)
        Paint::DrawInteger(canvas, TextAt(TEXT_ADVERT_AMOUNT_1 + row), shown(row).Amount);
}

void screens::DrawResearchAreaTexts(Canvas& canvas, i32 popup) {
    const i32 category = popup - POPUP_RESEARCH_BRAKES;
    if (category < 0 || category >= kPartCategories) return;
    Paint::DrawInteger(canvas, TextAt(TEXT_AREA_SCIENTISTS), PlayerResearch.Scientists[category]);
    // The body area has no parts to name (PartName gives "" for it).
    const i32 level = PlayerResearch.ResearchLevel[category];
    for (i32 part = 1; part <= kPartsPerCategory; ++part)
        if (level >= part) Paint::DrawWord(canvas, TextAt(TEXT_AREA_PART_1 + part - 1), PartName(category, part));
}

void screens::DrawBodyTypePriceText(Canvas& canvas, i32) {
    Paint::DrawInteger(canvas, TextAt(TEXT_BODY_TYPE_PRICE), PlayerResearch.BodyTypePrice);
}

void screens::DrawExpandResearchTexts(Canvas& canvas, i32) {
    const i32 capacity = PlayerResearch.LabCapacity;
    Paint::DrawInteger(canvas, TextAt(TEXT_LAB_CAPACITY), capacity);
    if (LabExpandable(capacity))
        Paint::DrawInteger(canvas, TextAt(TEXT_LAB_OFFER), capacity + kLabStep);
    else
        Paint::Drawing(canvas, p_GAME_research_expand_clean, kExpandCleanAt.X, kExpandCleanAt.Y);
}
