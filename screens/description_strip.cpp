// The description strip: the caption of the hover item under the pointer,
// and the hover pointer while it is over one.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawDescription(platform::Canvas& canvas) {
    // The strip already shows this item's caption.
    if (MainObj.HotItem == MainObj.ShownCaption) return;
    Drawing(canvas, p_GAME_description_clean, kDescriptionCleanAt.X, kDescriptionCleanAt.Y);
    const PlacedWord caption = Caption(MainObj.HotItem);
    // No item under the pointer: the strip stays blank, and is blanked again
    // at every paint until a caption is shown.
    if (caption.Text[0] == '\0') return;
    DrawWord(canvas, TextAt(TEXT_CAPTION), caption);
    MainObj.ShownCaption = MainObj.HotItem;
    platform::SetPointerShape(cursoron);
}
