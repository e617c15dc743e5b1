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
    ShowProfits(3500000, 350000, 5000);
    EXPECT_EQ(Tiles(249, kPlayerBar), 4);
    EXPECT_EQ(At(249, 274), kPlayerBar);
    EXPECT_EQ(At(249, 238), kUntouched);
    EXPECT_EQ(Tiles(288, kRival1Bar) + Tiles(327, kRival2Bar), 0);
    EXPECT_EQ(Read(138, 59, 18, 9, FONT_ECHAR, 'y'), "millions ");

    ShowProfits(50000, 5000000, 5000000);
    EXPECT_EQ(Tiles(249, kPlayerBar), 0);
    EXPECT_EQ(Tiles(288, kRival1Bar), 5);
    EXPECT_EQ(Tiles(327, kRival2Bar), 5);

    ShowProfits(20000, 20000, 50000);
    EXPECT_EQ(Tiles(249, kPlayerBar), 2);
    EXPECT_EQ(Tiles(327, kRival2Bar), 5);
    EXPECT_EQ(Read(138, 59, 18, 13, FONT_ECHAR, 'y'), "ten thousands");

    ShowProfits(0, -100, INT_MIN);
    EXPECT_EQ(Tiles(249, kPlayerBar) + Tiles(288, kRival1Bar) + Tiles(327, kRival2Bar), 0);
    EXPECT_EQ(Read(138, 59, 18, 9, FONT_ECHAR, 'y'), "thousands");

    // Every profit above ten million: no unit, no label, no bar.
    ShowProfits(20000000, 30000000, INT_MAX);
    EXPECT_EQ(Read(138, 59, 18, 2, FONT_ECHAR, 'y'), "  ");
    EXPECT_EQ(Tiles(249, kPlayerBar), 0);

    EXPECT_EQ(Read(163, 462, 11, 8, FONT_ECHAR), "velmara ");
    EXPECT_EQ(Read(163, 482, 11, 9, FONT_ECHAR), "rival one");
    EXPECT_EQ(Read(163, 503, 11, 9, FONT_ECHAR), "rival two");
}

TEST_F(Reports, MonthEndScreenAndMonthReportShowTheSameFigures) {
    ExpensesObj.Wages = 4500;
    ExpensesObj.Installment = 2416;
    ExpensesObj.Total = 6916;
    IncomeObj.RegionIncome[REGION_EUROPE - 1] = -120;
    IncomeObj.Total = -120;
    Paint::DrawNextMonth(canvas());
    EXPECT_EQ(ReadAt(TEXT_REPORT_WAGES), "4500      ");
    EXPECT_EQ(ReadAt(TEXT_REPORT_INSTALLMENT), "2416      ");
    EXPECT_EQ(ReadAt(TEXT_REPORT_PRODUCTION), "0         ");   // zeros are drawn
    EXPECT_EQ(Read(564, 285, 11, 4, FONT_ECHAR), " 120");     // the minus leaves a blank cell
    EXPECT_EQ(ReadAt(TEXT_REPORT_INCOME_1 + i32{REGION_AFRICA} - 1), "0         ");

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

    EXPECT_EQ(Read(101, 101, 11, 9, FONT_ECHAR), "roadster ");
    EXPECT_EQ(ReadAt(TEXT_MODEL_REPORT_PRODUCED_1), "120       ");
    EXPECT_EQ(ReadAt(TEXT_MODEL_REPORT_SOLD_1), "42        ");
    EXPECT_EQ(ReadAt(TEXT_MODEL_REPORT_STOCK_1), "78        ");
    EXPECT_EQ(ReadAt(TEXT_MODEL_REPORT_SOLD_1 + 1), "          ");
    EXPECT_EQ(ReadAt(TEXT_MODEL_REPORT_STOCK_1 + 1), "9         ");
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

    EXPECT_EQ(At(312, 382), kPlayerBar);
    EXPECT_EQ(At(312, 346), kPlayerBar);
    EXPECT_EQ(At(312, 310), kPlayerBar);
    EXPECT_EQ(At(312, 274), kUntouched);
    EXPECT_EQ(At(265, 22), kRival2Bar);   // the eleventh tile
    EXPECT_EQ(At(628, 0), kRival1Bar);    // clipped at the top
    EXPECT_EQ(At(237, 382), kUntouched);  // the player's engine: level 0
    EXPECT_EQ(Read(163, 482, 11, 9, FONT_ECHAR), "rival one");
}
