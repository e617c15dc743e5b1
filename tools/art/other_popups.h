#pragma once
// Popups of the advertising, research, design and factory screens.

#include "draw/canvas.h"

namespace art {

Canvas DrawMediumPopup(int popup);          // POPUP_AUTO_SHOW .. POPUP_BILLBOARD
Canvas DrawResearchAreaPopup(int popup);    // POPUP_RESEARCH_BRAKES .. POPUP_RESEARCH_SAFETY
Canvas DrawBodyTypesPopup();
Canvas DrawExpandPopup();
Canvas DrawAddPartsPopup();
Canvas DrawPartListPopup(int popup);        // POPUP_BRAKES_PARTS .. POPUP_SAFETY_PARTS
Canvas DrawBrowsePopup();

}  // namespace art
