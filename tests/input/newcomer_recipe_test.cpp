// The first-car recipe of the README, played as a new player plays it: every
// step is a click on the layout table's rectangles or a typed key, and the
// months end through the next-month button. The random sequence restarts
// with each test, so the twenty-three months it plays are the same every run.

#include <cstdio>
#include <string>
#include <vector>

#include "input/input_fixture.h"
#include "support/game_folder.h"

namespace {

// The recipe's numbers, as the README gives them.
constexpr const char* kCompany = "MERIDEN";
constexpr const char* kModel = "TOURER";
constexpr i32 kTechnicians = 20;
constexpr i32 kSalesmen = 10;
constexpr i32 kPrice = 1000;
constexpr double kStartingCash = 100000.0;

// What the player reads at each month's end: the footer's cash and the
// report's two totals.
struct MonthSeen {
    i32 Year, Month;
    double Cash;
    i32 Income, Expenses;
};

struct NewcomerRecipe : InputTest {
    GameFolder folder;
    std::vector<MonthSeen> months;

    // A building or a room of a screen, clicked in the middle of its first
    // hover area; the hover item shows that nothing else lies on top there.
    void ClickHoverArea(i32 screen, i32 hot) {
        const HoverAreaList areas = HoverAreas(screen);
        for (i32 i = 0; i < areas.Count; ++i) {
            const Rect box = areas.First[i].Box;
            if (areas.First[i].HotItem != hot) continue;
            const i32 x = (box.Left + box.Right) / 2, y = (box.Top + box.Bottom) / 2;
            Move(x, y);
            ASSERT_EQ(MainObj.HotItem, hot) << x << "," << y;
            Click(x, y);
            return;
        }
        FAIL() << "no hover area " << hot << " on screen " << screen;
    }

    void TypeNumber(i32 number) { Type(std::to_string(number)); }

    void Hire(i32 column, i32 count) {
        ClickOn(CTRL_STAFF_FIELD_1, 2 * column);
        TypeNumber(count);
        ClickOn(CTRL_STAFF_BUTTON_1, 2 * column);
    }

    // The part lists' first row with the variant the list offers first.
    void InstallFirstPart(i32 chooserRow) {
        ClickOn(CTRL_DESIGN_ADD_PARTS);
        ClickOn(chooserRow);
        ClickOn(CTRL_PART_ROW_1);
        ClickOn(CTRL_PARTS_INSTALL);
        ClickOn(CTRL_ADD_CLOSE);
    }

    void PlayMonth() {
        ClickOn(CTRL_NEXT_MONTH);
        ASSERT_EQ(MainObj.Screen, SCREEN_GAME_NEXT_MONTH) << "lost in " << PlayerObj.Month << "/" << PlayerObj.Year;
        months.push_back({PlayerObj.Year, PlayerObj.Month, PlayerObj.Cash, IncomeObj.Total, ExpensesObj.Total});
        ClickOn(CTRL_MONTH_END_CONTINUE);
        ASSERT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    }

    std::string Ledger() const {
        std::string text;
        char line[96];
        for (const MonthSeen& m : months) {
            std::snprintf(line, sizeof line, "%02d/%d cash %.0f income %d expenses %d\n", m.Month, m.Year, m.Cash,
                          m.Income, m.Expenses);
            text += line;
        }
        return text;
    }
};

TEST_F(NewcomerRecipe, TheFirstCarPaysItsWayWithinTheFirstTwoYears) {
    // Step 1: a new game, a company name and the first home region the arrows offer.
    Click(400, 300);
    ClickOn(CTRL_MENU_NEW);
    ClickOn(CTRL_NEW_NAME);
    Type(kCompany);
    ClickOn(CTRL_NEW_REGION_FORWARD);
    ClickOn(CTRL_NEW_START);
    ASSERT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    ASSERT_EQ(PlayerObj.HomeRegion, REGION_AUSTRALIA);

    // Step 2: the staff folder, technicians and salesmen, no scientists.
    ClickHoverArea(SCREEN_GAME_MAIN, HOT_OFFICE);
    ClickHoverArea(SCREEN_GAME_OFFICE, HOT_PERSONNEL);
    ASSERT_EQ(MainObj.Popup, POPUP_PERSONNEL);
    Hire(2, kTechnicians);
    Hire(0, kSalesmen);
    ClickOn(CTRL_OFFICE_CLOSE);
    ClickHoverArea(SCREEN_GAME_OFFICE, HOT_EXIT);
    ASSERT_EQ(PlayerTechnicians.Unassigned, kTechnicians);
    ASSERT_EQ(PlayerSalesmans.Unassigned, kSalesmen);
    EXPECT_EQ(PlayerScientists.Count, 0);

    // Steps 3 to 5: the design studio, a new model of the first parts, named and saved.
    ClickHoverArea(SCREEN_GAME_MAIN, HOT_DESIGN);
    ClickOn(CTRL_DESIGN_NEW_MODEL);
    ClickOn(CTRL_DESIGN_NAME);
    Type(kModel);
    for (i32 chooserRow : {CTRL_ADD_ENGINE, CTRL_ADD_SUSPENSION, CTRL_ADD_BRAKES}) InstallFirstPart(chooserRow);
    ClickOn(CTRL_DESIGN_SAVE_MODEL);
    ASSERT_EQ(PlayerCar.SlotUsed[1], 1);
    // The figures the design screen shows and the README quotes.
    EXPECT_EQ(PlayerModel(1).UnitCost, 450);
    EXPECT_EQ(PlayerModel(1).Rating, 112);
    ClickOn(CTRL_DESIGN_EXIT);

    // Steps 6 to 9: the factory, which opens on the home region; the model on
    // line 1, both halves shipped home, a price, the staff posted.
    ClickHoverArea(SCREEN_GAME_MAIN, HOT_FACTORY);
    ASSERT_EQ(PlayerFactorySalon.ShownRegion, REGION_AUSTRALIA);
    ClickOn(CTRL_FACTORY_BROWSE);
    ClickOn(CTRL_BROWSE_ROW_1);
    ClickOn(CTRL_BROWSE_ADD);
    ClickOn(DestinationArrow(1, 1, true));
    ClickOn(DestinationArrow(1, 2, true));
    ClickOn(CTRL_PRICE_1);
    TypeNumber(kPrice);
    ClickOn(CTRL_FACTORY_TECHNICIANS);
    TypeNumber(kTechnicians);
    ClickOn(CTRL_ASSIGN_TECHNICIANS);
    ClickOn(CTRL_FACTORY_SALESMEN);
    TypeNumber(kSalesmen);
    ClickOn(CTRL_ASSIGN_SALESMEN);
    const FactorySalonRegion& home = PlayerFactorySalon.Region[REGION_AUSTRALIA - 1];
    ASSERT_EQ(home.ProductionLineModel[0], 1);
    ASSERT_EQ(home.ProductionLineShipTo[0][0], REGION_AUSTRALIA);
    ASSERT_EQ(home.ProductionLineShipTo[0][1], REGION_AUSTRALIA);
    ASSERT_EQ(home.Technicians, kTechnicians);
    ASSERT_EQ(home.Salesmen, kSalesmen);
    ASSERT_EQ(PlayerModel(1).Price, kPrice);
    ClickOn(CTRL_FACTORY_EXIT);

    // Step 10: next month, and again, until the calendar shows December 1909.
    while (!(PlayerObj.Year == 1909 && PlayerObj.Month == 12)) {
        ASSERT_NO_FATAL_FAILURE(PlayMonth()) << Ledger();
        ASSERT_LE(PlayerObj.Year, 1909);
    }
    SCOPED_TRACE(Ledger());
    ASSERT_EQ(months.size(), 23u);

    // In profit: the footer's cash is well above what the game started with,
    // and after the first month, while the salon's stock builds up, every
    // month-end report shows more income than expenses.
    EXPECT_GT(months.back().Cash, kStartingCash + 50000.0);
    for (std::size_t k = 1; k < months.size(); ++k)
        EXPECT_GT(months[k].Income, months[k].Expenses) << months[k].Month << "/" << months[k].Year;
    // The cars sell as they are made: the ten salesmen sell all twenty a
    // month, and the salon holds ten in hand rather than a growing pile.
    EXPECT_EQ(ModelSaleObj.Sold[REGION_AUSTRALIA - 1][1], 2 * kSalesmen);
    EXPECT_EQ(ModelSaleObj.Stock[REGION_AUSTRALIA - 1][1], 10);
}

}  // namespace
