#include "art/office_popups.h"
#include "art/other_popups.h"
#include "art/scenes.h"
#include "presentation/interface_state.h"

namespace art {

Canvas DrawPopup(int popup) {
    switch (popup) {
    case POPUP_MAP: return DrawMapPopup();
    case POPUP_BANK: return DrawBankPopup();
    case POPUP_PERSONNEL: return DrawPersonnelPopup();
    case POPUP_STATISTICS: return DrawStatisticsPopup();
    case POPUP_MONTH_REPORT: return DrawMonthReport();
    case POPUP_PROFIT_REPORT: return DrawProfitReport();
    case POPUP_MODEL_REPORT: return DrawModelReport();
    case POPUP_RESEARCH_REPORT: return DrawResearchReport();
    case POPUP_ADD_PARTS: return DrawAddPartsPopup();
    case POPUP_BROWSE_MODELS: return DrawBrowsePopup();
    case POPUP_BODY_TYPES: return DrawBodyTypesPopup();
    case POPUP_EXPAND_RESEARCH: return DrawExpandPopup();
    default: break;
    }
    if (popup >= POPUP_AUTO_SHOW && popup <= POPUP_BILLBOARD) return DrawMediumPopup(popup);
    if (popup >= POPUP_RESEARCH_BRAKES && popup <= POPUP_RESEARCH_SAFETY) return DrawResearchAreaPopup(popup);
    return DrawPartListPopup(popup);
}

}  // namespace art
