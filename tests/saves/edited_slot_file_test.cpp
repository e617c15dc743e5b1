// Slot files edited by hand: each holds one figure an ordinary game of June
// 1912 could never reach, is loaded through the load screen and played on
// through the game's own clicks. Whatever the file said, doing what costs
// money never pays: no month books a cost or an income below 0, no purchase
// raises the cash, and every loan ends within its months, paying back what
// it owes and at least what it lent.

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "input/input_fixture.h"
#include "model/headless_player.h"
#include "model/rival_records.h"
#include "model/shown_region.h"
#include "saves/month_bookings.h"
#include "saves/save_load.h"
#include "support/game_folder.h"

namespace {

constexpr i32 kBaseSlot = 4;   // the ordinary game
constexpr i32 kEditedSlot = 1;
constexpr i32 kHome = REGION_EUROPE;

struct EditedSlotFile : InputTest {
    GameFolder folder;
    double lent = 0.0;   // what a loan taken after the load paid out

    // The game a headless player leaves in June 1912, saved as it stands.
    void SaveTheOrdinaryGame() {
        headless::StartGame(kHome);
        while (!(PlayerObj.Year == 1912 && PlayerObj.Month == 6)) headless::PlayMonth();
        ASSERT_NE(MainObj.Screen, SCREEN_GAME_OVER);
        ASSERT_GT(PlayerFactorySalon.Region[kHome - 1].Salons, 1);
        ASSERT_TRUE(SaveLoad::Save(kBaseSlot));
    }

    void LoadThroughTheLoadScreen() {
        ShowLoadScreen();
        ClickOn(CTRL_LOAD_SLOT_1, kEditedSlot - 1);
        ClickOn(CTRL_LOAD_OK);
        ASSERT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
    }

    // A click that buys something on the map, in a region without a
    // factory; the cash may only go down.
    void BuyOnTheMap(i32 button) {
        Show(SCREEN_GAME_OFFICE, POPUP_MAP);
        for (int press = 0; press < kRegionCount; ++press) {
            const FactorySalonRegion* shown = ShownFactoryRegion();
            if (shown != nullptr && shown->HasFactory == 0) break;
            ClickOn(CTRL_MAP_REGION_FORWARD);
        }
        const double cash = PlayerObj.Cash;
        ClickOn(button);
        EXPECT_LE(PlayerObj.Cash, cash) << "a purchase paid";
    }

    void TakeLoan(const char* amount) {
        Show(SCREEN_GAME_OFFICE, POPUP_BANK);
        ClickOn(CTRL_BANK_LOAN_FIELD);
        Type(amount);
        const double cash = PlayerObj.Cash;
        ClickOn(CTRL_BANK_TAKE_LOAN);
        lent = PlayerObj.Cash - cash;
    }

    // The month's costs and incomes, the player's and the rivals'.
    static void ExpectNothingBookedBelowZero() {
        for (const auto& [name, value] : saves_test::PlayersBookings()) EXPECT_GE(value, 0) << name;
        for (const RivalRecords& rival : kRivals)
            for (const auto& [name, value] : saves_test::RivalsBookings(rival)) EXPECT_GE(value, 0) << name;
    }

    // Month after month through the footer, the bank looked at after each
    // (its look shares the debt anew, so the first month charges the
    // installment as loaded): the loan as it stands after the load and the
    // clicks ends within its months and pays back what it owed.
    void PlayMonths(int months) {
        const i32 owed = PlayerBank.LoanLeft;
        const i32 due = PlayerBank.MonthsLeft;
        EXPECT_GE(owed, lent) << "a loan that owes less than it lent";
        std::int64_t paid = 0;
        for (int month = 1; month <= months; ++month) {
            SCOPED_TRACE("month " + std::to_string(month));
            Show(SCREEN_GAME_MAIN);
            ClickOn(CTRL_NEXT_MONTH);
            ASSERT_EQ(MainObj.Screen, SCREEN_GAME_NEXT_MONTH);
            ExpectNothingBookedBelowZero();
            paid += ExpensesObj.Installment;
            ClickOn(CTRL_MONTH_END_CONTINUE);
            Show(SCREEN_GAME_OFFICE, POPUP_BANK);
            if (month >= due)
                ExpectAll({{PlayerBank.LoanLeft, 0}, {PlayerBank.Installment, 0}, {PlayerBank.MonthsLeft, 0}});
        }
        EXPECT_EQ(paid, owed);
    }
};

struct Edit {
    const char* name;
    std::function<void()> edit;                      // on the game before it is saved
    std::function<void(EditedSlotFile&)> play = {};  // clicks after the load
    int months = 2;
};

// A site's price near the 32-bit top and two purchases: the first would
// carry the price past it.
Edit PriceAtTheTop(const char* name, i32 FactorySalon::*price, i32 button) {
    return {name,
            [price] {
                PlayerFactorySalon.*price = INT_MAX - 50000;
                PlayerObj.Cash = 1e10;
            },
            [button](EditedSlotFile& t) {
                t.BuyOnTheMap(button);
                t.BuyOnTheMap(button);
            }};
}

Car& ModelOnTheLine() { return PlayerModel(PlayerFactorySalon.Region[kHome - 1].ProductionLineModel[0]); }

TEST_F(EditedSlotFile, NoFigureInASlotFileMakesSpendingPay) {
    ASSERT_NO_FATAL_FAILURE(SaveTheOrdinaryGame());
    const std::vector<Edit> edits = {
        {"salesmen's wage", [] { PlayerSalesmans.Wage = -1000000; }},
        {"technicians' wage", [] { PlayerTechnicians.Wage = -1000000; }},
        {"a campaign's amount", [] { MediumCampaign(PlayerAdvertising.Block[2], MEDIUM_RADIO).Amount = -40000; }},
        {"the factory price", [] { PlayerFactorySalon.FactoryPrice = -500000; },
         [](EditedSlotFile& t) { t.BuyOnTheMap(CTRL_MAP_BUY_FACTORY); }},
        {"the salon price", [] { PlayerFactorySalon.SalonPrice = -200000; },
         [](EditedSlotFile& t) { t.BuyOnTheMap(CTRL_MAP_BUY_SALON); }},
        PriceAtTheTop("a salon price at the top, with the cash to pay it", &FactorySalon::SalonPrice,
                      CTRL_MAP_BUY_SALON),
        PriceAtTheTop("a factory price at the top, with the cash to pay it", &FactorySalon::FactoryPrice,
                      CTRL_MAP_BUY_FACTORY),
        {"a negative rate with a term chosen",
         [] {
             PlayerBank.LoanTerm = 3;
             PlayerBank.LoanRate = -200;
         },
         [](EditedSlotFile& t) { t.TakeLoan("100000"); }, 5},
        {"a rate that is not the term's",
         [] {
             PlayerBank.LoanTerm = 3;
             PlayerBank.LoanRate = 1;
         },
         [](EditedSlotFile& t) {
             t.TakeLoan("100000");
             EXPECT_EQ(PlayerBank.LoanLeft, 0);
         }},
        {"a schedule owing less than its installments",
         [] {
             PlayerBank.LoanLeft = 2448;
             PlayerBank.Installment = 60000;
             PlayerBank.MonthsLeft = 48;
         },
         {}, 50},
        // No term is longer than 48 months.
        {"a debt spread over a million months",
         [] {
             PlayerBank.LoanLeft = 100000;
             PlayerBank.MonthsLeft = 1000000;
         },
         {}, 49},
        {"an installment without a debt",
         [] {
             PlayerBank.Installment = 5000;
             PlayerBank.MonthsLeft = 10;
         },
         {}, 12},
        {"a model's price", [] { ModelOnTheLine().Price = -1000; }},
        {"a region's stock",
         [] { ModelSaleObj.Stock[kHome - 1][PlayerFactorySalon.Region[kHome - 1].ProductionLineModel[0]] = -500; }},
        {"a rival's scientists' wage", [] { Opponent1Scientists.Wage = -1000000; }},
        {"a rival's scientists", [] { Opponent2Scientists.Count = -5000; }},
        {"a rival's installment", [] { Opponent2Bank.Installment = -5000; }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        lent = 0.0;
        ASSERT_TRUE(SaveLoad::Load(kBaseSlot));
        edit.edit();
        ASSERT_TRUE(SaveLoad::Save(kEditedSlot));
        ResetGameState();
        ASSERT_NO_FATAL_FAILURE(LoadThroughTheLoadScreen());
        if (edit.play) edit.play(*this);
        PlayMonths(edit.months);
    }
}

}  // namespace
