// The icons of the researched parts in the open design part list.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"

void Paint::DrawParts(platform::Canvas& canvas) {
    const i32 category = PartListCategory(MainObj.Popup);
    if (category < 0) return;
    const i32 level = PlayerResearch.ResearchLevel[category];
    for (i32 part = 1; part <= kPartsPerCategory; ++part) {
        if (level < part) continue;
        const Point at = PartIconAt(part);
        Drawing(canvas, PartIconPicture(category, part), at.X, at.Y);
    }
}
