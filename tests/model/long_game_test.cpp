#include <gtest/gtest.h>

#include <set>

#include "support/game_folder.h"
#include "model/headless_player.h"

namespace {

using LongGame = FreshRecords;

// What must hold after every month step, whatever the player did.
void ExpectInvariants() {
    for (i32 slot = 1; slot <= kModelSlots; ++slot) {
        const i32 used = PlayerCar.SlotUsed[slot];
        ASSERT_TRUE(used == 0 || used == slot);
        ASSERT_EQ(used != 0, PlayerModel(slot).Engine != 0) << slot;  // stored iff not empty
    }
    const Research& research = PlayerResearch;
    ASSERT_LE(research.BodyTypesOwned, research.BodyTypesOffered);
    std::set<i32> owned;
    for (i32 entry = 1; entry <= research.BodyTypesOwned; ++entry) {
        ASSERT_GE(research.OwnedBodyTypes[entry], 1);
        ASSERT_LE(research.OwnedBodyTypes[entry], kBodyTypeCount);
        owned.insert(research.OwnedBodyTypes[entry]);
    }
    ASSERT_EQ(static_cast<i32>(owned.size()), research.BodyTypesOwned);
    for (const ProfitLoss* result : {&PlayerProfitLoss, &Opponent1ProfitLoss, &Opponent2ProfitLoss})
        ASSERT_EQ(result->Loss, -result->Profit);
    for (int c = 0; c < kPartCategories; ++c) ASSERT_LE(research.ResearchLevel[c], c == PART_BODY ? 6 : 10);
    ASSERT_LE(Opponent1Research.ResearchLevel[PART_BODY], 9);
    ASSERT_GE(PlayerObj.Month, 1);
    ASSERT_LE(PlayerObj.Month, 12);
    ASSERT_GE(PlayerBank.MonthsLeft, 0);
    for (i32 r = 0; r < kRegionCount; ++r) {
        i32 sold = 0;
        for (i32 m = 1; m <= kModelSlots; ++m) {
            ASSERT_GE(ModelSaleObj.Sold[r][m], 0);
            ASSERT_GE(ModelSaleObj.Stock[r][m], 0);
            ASSERT_GE(ProductionObj.ModelTotal[m], 0);
            sold += ModelSaleObj.Sold[r][m];
        }
        ASSERT_LE(sold, 2 * PlayerFactorySalon.Region[r].Salesmen);
    }
    ASSERT_EQ(ExpensesObj.Total, ExpensesObj.TransportCost + ExpensesObj.ProductionTotal + ExpensesObj.Wages +
                                     ExpensesObj.Installment + ExpensesObj.AdvertisingTotal);
}

TEST_F(LongGame, HundredYearsKeepEveryInvariant) {
    GameFolder folder;
    headless::StartGame(REGION_NORTH_AMERICA);
    for (int month = 0; month < 1200; ++month) {
        const double cash = PlayerObj.Cash;
        headless::PlayMonth();
        ASSERT_NE(MainObj.Screen, SCREEN_GAME_OVER) << "lost in " << PlayerObj.Year;
        // The production never spends more than the cash held.
        ASSERT_LE(ExpensesObj.ProductionTotal, cash);
        ASSERT_NO_FATAL_FAILURE(ExpectInvariants()) << PlayerObj.Year << "/" << PlayerObj.Month;
    }
    EXPECT_EQ(PlayerObj.Year, 2008);
    EXPECT_GT(PlayerObj.Cash, 100000.0);  // the game can be played at a profit
    EXPECT_GT(Opponent1Research.ResearchLevel[PART_ENGINE], 10);
}

}  // namespace
