// The highlight frame of the focused field or row. The factory screen keeps
// its background between paints, so there the frame also moves: every
// price and staff field that is not focused gets its clean patch again.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

namespace {

bool IsFactoryField(i32 focus) { return focus >= FOCUS_PRICE_ROW_1 && focus <= FOCUS_FACTORY_SALESMEN; }

void CleanOtherFactoryFields(platform::Canvas& canvas, i32 focus) {
    for (i32 line = 0; line < kProductionLines; ++line) {
        if (focus == FOCUS_PRICE_ROW_1 + line) continue;
        Paint::Drawing(canvas, p_GAME_factory_price_clean, kPriceFieldAt[line].X, kPriceFieldAt[line].Y);
    }
    constexpr i32 kWorkersFocus[2] = {FOCUS_FACTORY_TECHNICIANS, FOCUS_FACTORY_SALESMEN};
    for (i32 field = 0; field < 2; ++field) {
        if (focus == kWorkersFocus[field]) continue;
        Paint::Drawing(canvas, p_GAME_factory_workers_clean, kWorkersFieldAt[field].X, kWorkersFieldAt[field].Y);
    }
}

}  // namespace

void Paint::DrawFocusFrame(platform::Canvas& canvas) {
    const i32 focus = MainObj.Focus;
    const Placement frame = FocusFrame(focus);
    if (frame.Picture == kNoPicture) return;
    Drawing(canvas, frame.Picture, frame.X, frame.Y);
    if (IsFactoryField(focus)) CleanOtherFactoryFields(canvas, focus);
}
