#pragma once
// Popups of the office and of the statistics reports.

#include "draw/canvas.h"

namespace art {

Canvas DrawMapPopup();
Canvas DrawBankPopup();
Canvas DrawPersonnelPopup();
Canvas DrawStatisticsPopup();
Canvas DrawMonthReport();
Canvas DrawProfitReport();
Canvas DrawModelReport();
Canvas DrawResearchReport();

}  // namespace art
