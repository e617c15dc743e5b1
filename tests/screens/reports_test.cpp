// The month-end screen and the office's four reports.

#include <climits>
#include <cstring>
#include <memory>

#include "screens/profit_scale.h"
#include "screens/screen_test.h"

namespace {

constexpr platform::Pixel kPlayerBar = 0xB00001, kRival1Bar = 0xB00002, kRival2Bar = 0xB00003;

struct Reports : ScreenTest {
    void SetUp() override {
        ScreenTest::SetUp();
        SetPhoto(p_GAME_player_loading, 12, 34, kPlayerBar);
        SetPhoto(p_GAME_ai1_loading, 12, 34, kRival1Bar);
        SetPhoto(p_GAME_ai2_loading, 12, 34, kRival2Bar);
        SetName(PlayerObj.Name, "velmara");
        SetName(Opponent1Obj.Name, "rival one");
        SetName(Opponent2Obj.Name, "rival two");
    }

    // Tiles of a bar column, counted from the bottom tile up.
    i32 Tiles(i32 x, platform::Pixel colour) const {
        i32 tiles = 0;
        for (i32 tile = 1; tile <= 11; ++tile) tiles += At(x, ReportBarY(tile)) == colour ? 1 : 0;
        return tiles;
    }

    void ShowProfits(i32 player, i32 rival1, i32 rival2) {
        platform::FillCanvas(canvas(), kUntouched);
        PlayerProfitLoss.Profit = player;
        Opponent1ProfitLoss.Profit = rival1;
        Opponent2ProfitLoss.Profit = rival2;
        MainObj.Popup = POPUP_PROFIT_REPORT;
        Paint::DrawStatistics(canvas());
    }
};

}  // namespace

TEST(ProfitScale, SmallestScaleHoldingTheProfitInTenBars) {
    const struct {
        i32 Profit, Scale, Bars;
    } cases[] = {
        {3500000, 1000000, 4}, {350000, 100000, 4}, {5000, 1000, 5},   {20000, 10000, 2},
        {10000000, 1000000, 10}, {10000001, 0, 0}, {1000000, 100000, 10}, {1000001, 1000000, 2},
        {0, 1000, 0},         {-5000, 1000, 0},    {INT_MIN, 1000, 0},   {INT_MAX, 0, 0},
        {1, 1000, 1},         {10000, 1000, 10},   {10001, 10000, 2},
    };
    for (const auto& c : cases) {
        const ProfitBars bars = ProfitScale(c.Profit);
        EXPECT_EQ(bars.Scale, c.Scale) << c.Profit;
        EXPECT_EQ(bars.Bars, c.Bars) << c.Profit;
    }
}

TEST_F(Reports, ProfitBarsOnlyForTheCompaniesAtTheReportsUnit) {
    // The unit is the one the largest profit needs; a profit in another unit
    // has no bar. Above ten million: no unit, no label, no bar.
    const struct {
        i32 player, rival1, rival2, bars[3];
        std::string unit;
    } cases[] = {
        {3500000, 350000, 5000, {4, 0, 0}, "millions "},    {50000, 5000000, 5000000, {0, 5, 5}, "millions "},
        {20000, 20000, 50000, {2, 2, 5}, "ten thousands"}, {0, -100, INT_MIN, {0, 0, 0}, "thousands"},
        {20000000, 30000000, INT_MAX, {0, 0, 0}, "  "},
    };
    for (const auto& c : cases) {
        ShowProfits(c.player, c.rival1, c.rival2);
        EXPECT_EQ(Tiles(249, kPlayerBar), c.bars[0]) << c.player;
        EXPECT_EQ(Tiles(288, kRival1Bar), c.bars[1]) << c.player;
        EXPECT_EQ(Tiles(327, kRival2Bar), c.bars[2]) << c.player;
        EXPECT_EQ(Read(138, 59, 18, static_cast<i32>(c.unit.size()), FONT_ECHAR, 'y'), c.unit) << c.player;
    }
    ShowProfits(3500000, 0, 0);
    ExpectDots({{249, 274, kPlayerBar}, {249, 238, kUntouched}});
    ExpectCells({{163, 462, 11, FONT_ECHAR, "velmara "}, {163, 482, 11, FONT_ECHAR, "rival one"},
                 {163, 503, 11, FONT_ECHAR, "rival two"}});
}

TEST_F(Reports, MonthEndScreenAndMonthReportShowTheSameFigures) {
    ExpensesObj.Wages = 4500;
    ExpensesObj.Installment = 2416;
    ExpensesObj.Total = 6916;
    IncomeObj.RegionIncome[REGION_EUROPE - 1] = -120;
    IncomeObj.Total = -120;
    Paint::DrawNextMonth(canvas());
    // Zeros are drawn; a region's loss shows its minus sign before the digits.
    ExpectAnchors({{TEXT_REPORT_WAGES, "4500      "}, {TEXT_REPORT_INSTALLMENT, "2416      "},
                   {TEXT_REPORT_PRODUCTION, "0         "},
                   {TEXT_REPORT_INCOME_1 + i32{REGION_AFRICA} - 1, "0         "}});
    ExpectCells({{564, 285, 11, FONT_ECHAR, "-120"}});

    const auto monthEnd = std::make_unique<platform::Canvas>(canvas());
    platform::FillCanvas(canvas(), kUntouched);
    MainObj.Popup = POPUP_MONTH_REPORT;
    Paint::DrawStatistics(canvas());
    EXPECT_EQ(std::memcmp(monthEnd.get(), &canvas(), sizeof(platform::Canvas)), 0);
}

TEST_F(Reports, ModelReportLeavesZerosAndEmptySlotsBlank) {
    SetName(PlayerModel(1).Name, "roadster");
    SetName(PlayerModel(3).Name, "");
    ProductionObj.ModelTotal[1] = 120;
    ModelSaleObj.Sold[0][1] = 30;
    ModelSaleObj.Sold[5][1] = 12;
    ModelSaleObj.Stock[2][1] = 78;
    ModelSaleObj.Stock[4][2] = 9;   // model 2 sold nothing but has stock
    MainObj.Popup = POPUP_MODEL_REPORT;
    Paint::DrawStatistics(canvas());

    ExpectCells({{101, 101, 11, FONT_ECHAR, "roadster "}});
    ExpectAnchors({{TEXT_MODEL_REPORT_PRODUCED_1, "120       "}, {TEXT_MODEL_REPORT_SOLD_1, "42        "},
                   {TEXT_MODEL_REPORT_STOCK_1, "78        "}, {TEXT_MODEL_REPORT_SOLD_1 + 1, "          "},
                   {TEXT_MODEL_REPORT_STOCK_1 + 1, "9         "}});
    for (const i32 text : {TEXT_MODEL_REPORT_NAME_1 + 2, TEXT_MODEL_REPORT_PRODUCED_1 + 2,
                           TEXT_MODEL_REPORT_SOLD_1 + 2, TEXT_MODEL_REPORT_STOCK_1 + 2})
        EXPECT_EQ(ReadAt(text), std::string(static_cast<std::size_t>(TextAt(text).Cells), ' '));
}

TEST_F(Reports, ResearchReportStacksATilePerLevelInItsOwnCategoryOrder) {
    PlayerResearch.ResearchLevel[PART_BRAKES] = 3;
    Opponent2Research.ResearchLevel[PART_ENGINE] = 11;
    Opponent1Research.ResearchLevel[PART_SAFETY] = INT_MAX;   // the rivals' levels have no bound
    MainObj.Popup = POPUP_RESEARCH_REPORT;
    Paint::DrawStatistics(canvas());

    // The eleventh tile; one clipped at the top; the player's engine at level 0.
    ExpectDots({{312, 382, kPlayerBar}, {312, 346, kPlayerBar}, {312, 310, kPlayerBar}, {312, 274, kUntouched},
                {265, 22, kRival2Bar}, {628, 0, kRival1Bar}, {237, 382, kUntouched}});
    ExpectCells({{163, 482, 11, FONT_ECHAR, "rival one"}});
}
