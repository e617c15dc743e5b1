// The office's four reports: the month's figures, the companies' profit
// on one bar scale, the ten models' production, sales and stock, and the
// companies' research levels as bars.

#include "presentation/interface_state.h"
#include "presentation/layout.h"
#include "presentation/paint.h"
#include "screens/profit_scale.h"
#include "screens/report_figures.h"

namespace {

using platform::Canvas;

// Bar tile of the player, rival 1 and rival 2.
constexpr i32 kCompanyBar[kCompanyCount] = {p_GAME_player_loading, p_GAME_ai1_loading, p_GAME_ai2_loading};

const Company* const kCompanies[kCompanyCount] = {&PlayerObj, &Opponent1Obj, &Opponent2Obj};

void DrawCompanyNames(Canvas& canvas) {
    for (i32 c = 0; c < kCompanyCount; ++c)
        Paint::DrawText(canvas, TextAt(TEXT_REPORT_COMPANY_1 + c), kCompanies[c]->Name);
}

// Tiles 1..count of a bar column from the bottom up. Tiles wholly above
// the window are not drawn: the rivals' levels have no upper bound.
void DrawBar(Canvas& canvas, i32 picture, i32 x, i32 count) {
    const i32 height = PhotoOf(picture).height;
    for (i32 tile = 1; tile <= count; ++tile) {
        const i32 y = ReportBarY(tile);
        if (y + height <= 0) break;
        Paint::Drawing(canvas, picture, x, y);
    }
}

void DrawProfitReport(Canvas& canvas) {
    const i32 profits[kCompanyCount] = {PlayerProfitLoss.Profit, Opponent1ProfitLoss.Profit,
                                           Opponent2ProfitLoss.Profit};
    const ProfitChart chart = ChartProfits(profits);
    for (i32 c = 0; c < kCompanyCount; ++c) DrawBar(canvas, kCompanyBar[c], kProfitBarX[c], chart.Bars[c]);
    Paint::DrawWord(canvas, TextAt(TEXT_PROFIT_UNIT), ProfitUnitLabel(chart.Unit));
    DrawCompanyNames(canvas);
}

// A figure of the model report; a zero leaves its cells empty.
void DrawNonZero(Canvas& canvas, i32 text, i32 value) {
    if (value != 0) Paint::DrawInteger(canvas, TextAt(text), value);
}

i32 SumOverRegions(const i32 (&byRegion)[kRegionCount][kModelArray], i32 model) {
    i32 sum = 0;
    for (i32 r = 0; r < kRegionCount; ++r) sum += byRegion[r][model];
    return sum;
}

void DrawModelReport(Canvas& canvas) {
    for (i32 model = 1; model <= kModelSlots; ++model)
        Paint::DrawText(canvas, TextAt(TEXT_MODEL_REPORT_NAME_1 + model - 1), PlayerModel(model).Name);
    for (i32 model = 1; model <= kModelSlots; ++model)
        DrawNonZero(canvas, TEXT_MODEL_REPORT_PRODUCED_1 + model - 1, ProductionObj.ModelTotal[model]);
    for (i32 model = 1; model <= kModelSlots; ++model)
        DrawNonZero(canvas, TEXT_MODEL_REPORT_SOLD_1 + model - 1, SumOverRegions(ModelSaleObj.Sold, model));
    for (i32 model = 1; model <= kModelSlots; ++model)
        DrawNonZero(canvas, TEXT_MODEL_REPORT_STOCK_1 + model - 1, SumOverRegions(ModelSaleObj.Stock, model));
}

void DrawResearchReport(Canvas& canvas) {
    const Research* const research[kCompanyCount] = {&PlayerResearch, &Opponent1Research, &Opponent2Research};
    for (i32 column = 0; column < kPartCategories; ++column) {
        const i32 category = kResearchReportCategories[column];
        for (i32 c = 0; c < kCompanyCount; ++c)
            DrawBar(canvas, kCompanyBar[c], kResearchBarX[column][c], research[c]->ResearchLevel[category]);
    }
    DrawCompanyNames(canvas);
}

}  // namespace

void Paint::DrawStatistics(Canvas& canvas) {
    switch (MainObj.Popup) {
    case POPUP_MONTH_REPORT: screens::DrawMonthFigures(canvas); break;
    case POPUP_PROFIT_REPORT: DrawProfitReport(canvas); break;
    case POPUP_MODEL_REPORT: DrawModelReport(canvas); break;
    case POPUP_RESEARCH_REPORT: DrawResearchReport(canvas); break;
    default: break;
    }
}
