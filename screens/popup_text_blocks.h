#pragma once
// The blocks of the popup and screen texts, one per kind of popup. Each
// writes the figures and words of its popup over the popup's picture.

#include "platform/canvas.h"

namespace screens {

// Advertising media popups 1..5: months and amount of the medium's
// campaign in each of the six advertising blocks.
void DrawAdvertisingTexts(platform::Canvas& canvas, i32 popup);
// Research area popups 6..11: scientists, and the researched part names.
void DrawResearchAreaTexts(platform::Canvas& canvas, i32 popup);
// Body types popup: the price the browsed type is offered at.
void DrawBodyTypePriceText(platform::Canvas& canvas, i32 popup);
// Laboratory expansion: capacity, and the capacity after one more step.
void DrawExpandResearchTexts(platform::Canvas& canvas, i32 popup);

// Map: the shown region's name, every region's factories and salons, prices.
void DrawMapTexts(platform::Canvas& canvas, i32 popup);
// Bank: deposit and loan figures; stores the monthly installment.
void DrawBankTexts(platform::Canvas& canvas, i32 popup);
// Personnel: hiring, firing, staff, wages and the two sums.
void DrawPersonnelTexts(platform::Canvas& canvas, i32 popup);

// Design part lists 18..22: researched part names and the chosen variant.
void DrawPartListTexts(platform::Canvas& canvas, i32 popup);
// Factory screen: free, typed and assigned staff, and the line prices.
void DrawFactoryFigures(platform::Canvas& canvas);
// Model browser: the names of the ten model slots.
void DrawBrowseTexts(platform::Canvas& canvas, i32 popup);

}  // namespace screens
