// The texts of the open popup, and the figures of the factory screen, in
// one fixed order of blocks. Each block is chosen by the popup alone (the
// factory figures by the screen alone), whatever screen shows it.

#include "presentation/interface_state.h"
#include "presentation/paint.h"
#include "screens/popup_text_blocks.h"

namespace {

using BlockFn = void (*)(platform::Canvas&, i32);

struct PopupBlock {
    i32 First;   // PopupId range
    i32 Last;
    BlockFn Draw;
};

constexpr PopupBlock kBeforeFactory[] = {
    {POPUP_AUTO_SHOW, POPUP_BILLBOARD, screens::DrawAdvertisingTexts},
    {POPUP_RESEARCH_BRAKES, POPUP_RESEARCH_SAFETY, screens::DrawResearchAreaTexts},
    {POPUP_BODY_TYPES, POPUP_BODY_TYPES, screens::DrawBodyTypePriceText},
    {POPUP_EXPAND_RESEARCH, POPUP_EXPAND_RESEARCH, screens::DrawExpandResearchTexts},
    {POPUP_MAP, POPUP_MAP, screens::DrawMapTexts},
    {POPUP_BANK, POPUP_BANK, screens::DrawBankTexts},
    {POPUP_PERSONNEL, POPUP_PERSONNEL, screens::DrawPersonnelTexts},
    {POPUP_BRAKES_PARTS, POPUP_SAFETY_PARTS, screens::DrawPartListTexts},
};
// After the factory figures, so the browser's names come last.
constexpr PopupBlock kAfterFactory[] = {
    {POPUP_BROWSE_MODELS, POPUP_BROWSE_MODELS, screens::DrawBrowseTexts},
};

template <std::size_t N>
void DrawBlocks(platform::Canvas& canvas, const PopupBlock (&blocks)[N], i32 popup) {
    for (const PopupBlock& block : blocks)
        if (popup >= block.First && popup <= block.Last) block.Draw(canvas, popup);
}

}  // namespace

void Paint::DrawSlotTexts(platform::Canvas& canvas) {
    DrawBlocks(canvas, kBeforeFactory, MainObj.Popup);
    if (MainObj.Screen == SCREEN_GAME_FACTORY) screens::DrawFactoryFigures(canvas);
    DrawBlocks(canvas, kAfterFactory, MainObj.Popup);
}
