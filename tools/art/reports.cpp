// The month's accounts (month-end screen and month report) and the profit,
// model and research reports: paper sheets with ruled places for figures.
#include <algorithm>
#include <iterator>
#include <string>

#include "art/office_popups.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/fonts.h"
#include "presentation/layout.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

constexpr int kBaseline = 417;   // report bars stand on this line

// Close and back share one size, the close button's, which is the smaller
// click area, and one place on every report: back's click areas differ by a
// few pixels from report to report, so back stands level with close at the
// left of the part all four areas share.
void ReportButtons(Canvas& c, int back) {
    const Rect close = ControlAt(CTRL_OFFICE_CLOSE).Box;
    int left = 0;
    for (const int id : {CTRL_MONTH_REPORT_BACK, CTRL_PROFIT_REPORT_BACK, CTRL_MODEL_REPORT_BACK,
                         CTRL_RESEARCH_REPORT_BACK})
        left = std::max(left, static_cast<int>(ControlAt(id).Box.Left));
    Button(c, close, ControlAt(CTRL_OFFICE_CLOSE).Label, ButtonKind::Quiet);
    Button(c, {left, close.Top, left + close.Width() - 1, close.Bottom}, ControlAt(back).Label, ButtonKind::Quiet);
}

void ReportSheet(Canvas& c, const char* title, int back) {
    Card(c, {0, 0, 799, 539}, "", 0);
    c.Frame({6, 6, 793, 533}, 1, kPaperLine);
    Heading(c, title, 24, 44, 24);
    ReportButtons(c, back);
}

// One line of an account: the caption at the column's left, a dotted leader
// up to the figure and a rule under the line across the column. The figures
// stand where the game writes them, which differs from line to line, so the
// account is a ruled ledger rather than a stack of boxes.
void LedgerLine(Canvas& c, int text, const char* caption, int left, int right, bool total) {
    const TextAnchor& a = TextAt(text);
    const int baseline = a.Y + 12;
    const TextStyle style{total ? Face::SansBold : Face::Sans, 13, total ? kInk : kMutedInk};
    Words(c, caption, left, baseline, style.Size, Align::Left, style.Colour, style.Typeface);
    for (int x = left + TextWidth(style, caption) + 6; x <= a.X - 6; x += 4) c.Fill({x, baseline, x, baseline}, kPaperLine);
    const int rule = a.Y + FontCell(a.Font).Height + 3;
    if (total) {
        c.Fill({left, a.Y - 7, right, a.Y - 6}, kCardEdge);
        c.Fill({left, rule, right, rule}, kCardEdge);
        c.Fill({left, rule + 2, right, rule + 2}, kCardEdge);
    } else {
        c.Fill({left, rule, right, rule}, kPaperShade);
    }
}

// The three companies' names with a swatch of each one's bar colour.
void CompanyLegend(Canvas& c) {
    const Rgb colours[] = {kPlayerBar, kRival1Bar, kRival2Bar};
    static_assert(std::size(colours) == kCompanyCount);
    Words(c, "companies", 163, 452, 11, Align::Left, kMutedInk, Face::SansBold);
    for (int k = 0; k < kCompanyCount; ++k) {
        const TextAnchor& a = TextAt(TEXT_REPORT_COMPANY_1 + k);
        c.Fill({a.X - 18, a.Y + 2, a.X - 6, a.Y + 13}, Darker(colours[k], 0.3));
        c.Fill({a.X - 17, a.Y + 3, a.X - 7, a.Y + 12}, colours[k]);
    }
    Words(c, "you", 130, 474, 11, Align::Right, kMutedInk);
    Words(c, "rivals", 130, 504, 11, Align::Right, kMutedInk);
}

// A chart's ruled background: ten levels of 36 pixels above the baseline.
void ChartGrid(Canvas& c, int left, int right, bool numbers) {
    for (int i = 1; i <= 10; ++i) {
        const int y = ReportBarY(i) - 2;
        c.Fill({left, y, right, y}, kPaperShade);
        if (numbers) Words(c, std::to_string(i), left - 6, ReportBarY(i) + 22, 11, Align::Right, kMutedInk);
    }
    c.Fill({left, kBaseline, right, kBaseline + 1}, kCardEdge);
    c.Fill({left, ReportBarY(10) - 4, left, kBaseline}, kCardEdge);
}

}  // namespace

void DrawMonthSheet(Canvas& c, Rect sheet) {
    Card(c, sheet, "", 0);
    constexpr int kExpenses[2] = {24, 380};
    constexpr int kIncome[2] = {430, 776};
    Heading(c, "expenses", kExpenses[0], 142, 19);
    Heading(c, "income", kIncome[0], 142, 19);
    c.Fill({kExpenses[0], 150, kExpenses[1], 150}, kPaperLine);
    c.Fill({kIncome[0], 150, kIncome[1], 150}, kPaperLine);
    const struct { int Text; const char* Caption; } expenses[] = {
        {TEXT_REPORT_WAGES, "wages"},           {TEXT_REPORT_PRODUCTION, "production"},
        {TEXT_REPORT_TRANSPORT, "transport"},   {TEXT_REPORT_ADVERTISING, "advertising"},
        {TEXT_REPORT_INSTALLMENT, "loan"},
    };
    for (const auto& e : expenses) LedgerLine(c, e.Text, e.Caption, kExpenses[0], kExpenses[1], false);
    LedgerLine(c, TEXT_REPORT_EXPENSES, "total", kExpenses[0], kExpenses[1], true);
    const char* regions[kRegionCount] = {"australia", "south america", "north america", "europe", "asia", "africa"};
    for (int r = 0; r < kRegionCount; ++r) LedgerLine(c, TEXT_REPORT_INCOME_1 + r, regions[r], kIncome[0], kIncome[1], false);
    LedgerLine(c, TEXT_REPORT_INCOME_TOTAL, "total", kIncome[0], kIncome[1], true);
}

Canvas DrawMonthReport() {
    Canvas c(800, 600, kPaper);
    ReportSheet(c, "month report", CTRL_MONTH_REPORT_BACK);
    DrawMonthSheet(c, {10, 96, 789, 450});
    Words(c, "what the last month cost and earned", 24, 72, 13, Align::Left, kMutedInk);
    return c.Cut({0, 0, 799, 539});
}

Canvas DrawProfitReport() {
    Canvas c(800, 600, kPaper);
    Card(c, {0, 0, 799, 539}, "", 0);
    c.Frame({6, 6, 793, 533}, 1, kPaperLine);
    Heading(c, "profit report", 420, 70, 26);
    Words(c, "each company's profit of the last month;", 420, 100, 13, Align::Left, kMutedInk);
    Words(c, "one block stands for one unit, the unit", 420, 118, 13, Align::Left, kMutedInk);
    Words(c, "is written at the left of the chart", 420, 136, 13, Align::Left, kMutedInk);
    Words(c, "a company whose profit is far smaller", 420, 164, 13, Align::Left, kMutedInk);
    Words(c, "than the best one gets no block", 420, 182, 13, Align::Left, kMutedInk);
    ChartGrid(c, 236, 352, true);
    Words(c, "unit", 143, 50, 11, Align::Centre, kMutedInk, Face::SansBold);
    CompanyLegend(c);
    ReportButtons(c, CTRL_PROFIT_REPORT_BACK);
    return c.Cut({0, 0, 799, 539});
}

Canvas DrawModelReport() {
    Canvas c(800, 600, kPaper);
    ReportSheet(c, "model report", CTRL_MODEL_REPORT_BACK);
    const struct { int X; const char* Head; } columns[] = {{101, "model"}, {350, "produced"}, {472, "sold"}, {588, "in stock"}};
    for (const auto& col : columns) Words(c, col.Head, col.X, 90, 13, Align::Left, kInk, Face::SansBold);
    for (int k = 0; k < kModelSlots; ++k) {
        const int y = TextAt(TEXT_MODEL_REPORT_NAME_1 + k).Y;
        Words(c, std::to_string(k + 1), 88, y + 13, 12, Align::Right, kMutedInk, Face::SansBold);
        c.Fill({70, y + 23, 730, y + 23}, kPaperShade);
    }
    Words(c, "production, sales and stock of the last month", 24, 72, 13, Align::Left, kMutedInk);
    return c.Cut({0, 0, 799, 539});
}

Canvas DrawResearchReport() {
    Canvas c(800, 600, kPaper);
    Card(c, {0, 0, 799, 539}, "", 0);
    c.Frame({6, 6, 793, 533}, 1, kPaperLine);
    Heading(c, "research", 24, 44, 24);
    Heading(c, "report", 24, 72, 24);
    Words(c, "the level reached in", 24, 100, 12, Align::Left, kMutedInk);
    Words(c, "each area, one block", 24, 116, 12, Align::Left, kMutedInk);
    Words(c, "a level", 24, 132, 12, Align::Left, kMutedInk);
    ChartGrid(c, 226, 666, true);
    const char* names[kPartCategories] = {"engine", "brakes", "suspension", "body", "luxury", "safety"};
    for (int g = 0; g < kPartCategories; ++g) {
        const double centre = kResearchBarX[g][0] + 20;
        Words(c, names[g], centre, 436, 12, Align::Centre, kInk, Face::SansBold);
    }
    CompanyLegend(c);
    ReportButtons(c, CTRL_RESEARCH_REPORT_BACK);
    return c.Cut({0, 0, 799, 539});
}

Canvas DrawMonthEnd() {
    Canvas c(800, 600, kPaper);
    c.FillVertical({0, 0, 799, 539}, {120, 96, 70}, {90, 70, 52});
    Card(c, {10, 10, 789, 82}, "", 0);
    Heading(c, "the month is over", 400, 50, 26, Align::Centre);
    Words(c, "here is what it cost and what it earned", 400, 72, 13, Align::Centre, kMutedInk);
    DrawMonthSheet(c, {10, 96, 789, 450});
    Card(c, {10, 464, 789, 530}, "", 0);
    Words(c, "press continue to run the company for another month", 400, 502, 14, Align::Centre, kMutedInk);
    DrawFooter(c, FooterButton::Continue);
    return c;
}

}  // namespace art
