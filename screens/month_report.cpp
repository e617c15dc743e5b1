// The month-end screen: the expenses and income of the month just run.

#include "presentation/paint.h"
#include "screens/report_figures.h"

namespace {

struct MonthFigure {
    TextId Text;
    const i32* Value;
};

const MonthFigure kMonthFigures[] = {
    {TEXT_REPORT_WAGES, &ExpensesObj.Wages},
    {TEXT_REPORT_PRODUCTION, &ExpensesObj.ProductionTotal},
    {TEXT_REPORT_TRANSPORT, &ExpensesObj.TransportCost},
    {TEXT_REPORT_ADVERTISING, &ExpensesObj.AdvertisingTotal},
    {TEXT_REPORT_INSTALLMENT, &ExpensesObj.Installment},
    {TEXT_REPORT_EXPENSES, &ExpensesObj.Total},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 0), &IncomeObj.RegionIncome[0]},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 1), &IncomeObj.RegionIncome[1]},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 2), &IncomeObj.RegionIncome[2]},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 3), &IncomeObj.RegionIncome[3]},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 4), &IncomeObj.RegionIncome[4]},
    {static_cast<TextId>(TEXT_REPORT_INCOME_1 + 5), &IncomeObj.RegionIncome[5]},
    {TEXT_REPORT_INCOME_TOTAL, &IncomeObj.Total},
};

}  // namespace

void screens::DrawMonthFigures(platform::Canvas& canvas) {
    for (const MonthFigure& figure : kMonthFigures) Paint::DrawInteger(canvas, TextAt(figure.Text), *figure.Value);
}

void Paint::DrawNextMonth(platform::Canvas& canvas) { screens::DrawMonthFigures(canvas); }
