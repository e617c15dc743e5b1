// Painters whose screens are not drawn yet: each is replaced by its own
// file in screens/ as the painters arrive, and this file shrinks with them.

#include "presentation/paint.h"

void Paint::DrawSaveSlots(platform::Canvas&) {}
void Paint::DrawMenuMonth(platform::Canvas&) {}
void Paint::DrawPopUp(platform::Canvas&) {}
void Paint::DrawDescription(platform::Canvas&) {}
void Paint::DrawChosenSlot(platform::Canvas&) {}
void Paint::DrawLoading(platform::Canvas&) {}
void Paint::DrawParts(platform::Canvas&) {}
void Paint::DrawBodyTypes(platform::Canvas&) {}
void Paint::DrawNextMonth(platform::Canvas&) {}
void Paint::DrawStatistics(platform::Canvas&) {}
void Paint::DrawSlotTexts(platform::Canvas&) {}
void Paint::DrawDesing(platform::Canvas&) {}
void Paint::DrawFactory(platform::Canvas&) {}
