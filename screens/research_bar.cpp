// The progress bar of the open research area: one 2-pixel segment per 100
// points of progress (per 200 in the body area), and one even at 0.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawLoading(platform::Canvas& canvas) {
    const i32 popup = MainObj.Popup;
    if (popup < POPUP_RESEARCH_BRAKES || popup > POPUP_RESEARCH_SAFETY) return;
    const i32 category = popup - POPUP_RESEARCH_BRAKES;
    const i32 pointsPerSegment = popup == POPUP_RESEARCH_BODY ? 200 : 100;
    i32 last = PlayerResearch.ResearchProgress[category] / pointsPerSegment;
    // The month step keeps progress below a full bar; a loaded game may not,
    // and the bar never runs past its own end.
    if (last > kResearchBarSegments - 1) last = kResearchBarSegments - 1;
    for (i32 i = 0; i <= last; ++i) {
        const Point at = ResearchBarSegmentAt(popup, i);
        Drawing(canvas, p_GAME_research_loading, at.X, at.Y);
    }
}
