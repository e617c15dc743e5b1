// Every integer field of a slot file, the player's and the rivals', one at a
// time at each of four values no ordinary game holds, written into the file
// of an ordinary game of September 1912 with a loan running, loaded through
// the game's loader and played on through the game's own controls into the
// next year: two months, every purchase, firing all the personnel popup lets
// go and a month, then a loan typed and taken and run to its end. Whatever
// the file said, after every month:
//   - no month books a cost or an income of the player or a rival below 0;
//   - every sum it books, the player's and each rival's, is the sum of what
//     it read worked out exactly in 64 bits (within the bounds of its draws
//     where it draws), so no sum wraps either way: wages, each production
//     cost and their total, transport, advertising, expenses, each model's
//     income and their total;
//   - the calendar moves on by one month, but from December of its last
//     year, where the game ends and nothing of the month is played;
//   - each research area's progress moves on by its month's pace, or starts
//     the next level at 0 with the level one higher or held at its top;
//     no level falls;
//   - a rival's loan counts its months and debt down by one month and one
//     installment while it owes, and stands still once it does not;
//   - the deposit's interest never takes from the deposit;
//   - no design costs less than nothing, and every design's cost and
//     rating show whole in the studio's five cells; no one is paid below a
//     new game's wage of their kind;
//   - no purchase raises the cash;
//   - no count of people falls below 0;
//   - every loan ends within its months, and within the bank's longest
//     term, paying back what it owed, and owes at least what it lent.
// A few edits of several fields at once follow: the ones that once made
// spending pay, a deposit in the month of its interest, research and a loan
// past their ends, and a rich company at the top of its works building the
// dearest design a slot stores. Last, the stored designs' figures at the
// swept values are played with both part tables gone, which no stored
// design is measured by.

#include <algorithm>
#include <cstdio>
#include <climits>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "input/input_fixture.h"
#include "model/headless_player.h"
#include "model/reachable_limits.h"
#include "model/research_thresholds.h"
#include "model/rival_records.h"
#include "model/shown_region.h"
#include "model/transport.h"
#include "platform/number_text.h"
#include "presentation/text_layout.h"
#include "saves/month_bookings.h"
#include "saves/saved_game_support.h"
#include "saves/slot_fields.h"
#include "saves/slot_image.h"

namespace {

using saves_test::SlotPath;

constexpr i32 kHome = REGION_EUROPE;
constexpr i32 kSweptSlot = 1;
// Late in the year, so that the cases play into the next.
constexpr i32 kSavedMonth = 9;
constexpr i32 kSweptValues[] = {-1000000, INT_MIN, INT_MAX, 1000000000};
constexpr std::size_t kFaultsShown = 40;

// A rival's research levels have no top but the styling's.
constexpr std::int64_t kNoTop = std::numeric_limits<std::int64_t>::max();

// What a month booked in 32 bits against the exact bounds of what it read:
// one value where it draws nothing.
struct Sum {
    const char* name;
    i32 booked;
    std::int64_t lowest;
    std::int64_t highest;
};

struct Bounds {
    std::int64_t lowest;
    std::int64_t highest;
};

// count x a factor drawn from lowest to highest.
Bounds Times(std::int64_t count, std::int64_t lowest, std::int64_t highest) {
    return {std::min(count * lowest, count * highest), std::max(count * lowest, count * highest)};
}

// Months since year 0; none for a month that names none.
std::optional<std::int64_t> MonthsShown(i32 year, i32 month) {
    if (month < 1 || month > kMonthsPerYear) return std::nullopt;
    return MonthsFromYearZero({year, month});
}

// The map's region, whatever a file said of it.
bool ShowsARegionWithoutAFactory() {
    const FactorySalonRegion* shown = ShownFactoryRegion();
    return shown != nullptr && shown->HasFactory == 0;
}

// What a month reads before it moves on.
struct BeforeTheMonth {
    i32 year = 0;
    i32 month = 0;
    i32 deposit = 0;
    Research player{};
    Research rivals[kRivalCount]{};
    Bank rivalBanks[kRivalCount]{};
};

// The file fields of one block, by index: the stamp's, then the player's,
// rival 1's and rival 2's.
struct IntegerFields {
    std::vector<std::size_t> ofBlock[1 + kCompanyCount];
};

IntegerFields FindIntegerFields() {
    struct Walk {
        IntegerFields found;
        std::size_t next = 0;
        int block = 0;
        void Stamp(i32&) { ++next; }
        void Int(i32&) { found.ofBlock[block].push_back(next++); }
        void Money(double&) { ++next; }
        void Name(char (&)[kNameSize]) { ++next; }
    } walk;
    for (i32* value : StampFieldsInFileOrder(SlotMainObj)) walk.Stamp(*value);
    for (const CompanyBlock& block : kCompanyBlocks) {
        ++walk.block;
        slot_layout::Block(walk, block);
    }
    EXPECT_EQ(walk.next, kSlotFieldCount);
    return walk.found;
}

// A loan followed from when it is seen running: what it owes, the months it
// has, and what the months have booked for it.
struct LoanWatch {
    std::int64_t owed = 0;
    i32 due = 0;
    i32 months = 0;
    std::int64_t paid = 0;
    bool running = false;
};

struct SlotFileSweep : InputTest {
    GameFolder folder;
    std::string ordinary;  // the ordinary game's slot file
    std::string fault;     // the first broken rule of the case, if any
    LoanWatch loan;

    // The ordinary game: a headless player's September 1912, with a loan of
    // 50000 over 3 months taken through the bank just before the save.
    void SaveTheOrdinaryGame() {
        headless::StartGame(kHome);
        while (!(PlayerObj.Year == 1912 && PlayerObj.Month == kSavedMonth)) headless::PlayMonth();
        ASSERT_NE(MainObj.Screen, SCREEN_GAME_OVER);
        Show(SCREEN_GAME_OFFICE, POPUP_BANK);
        ClickOn(CTRL_BANK_TERM_UP);
        ClickOn(CTRL_BANK_LOAN_FIELD);
        Type("50000");
        ClickOn(CTRL_BANK_TAKE_LOAN);
        ASSERT_EQ(PlayerBank.LoanLeft, 54000);
        ASSERT_TRUE(SaveLoad::Save(kSweptSlot));
        ordinary = ReadFile(SlotPath(kSweptSlot));
        ASSERT_EQ(ordinary.size(), kSlotFileSize);
    }

    void Fault(const std::string& what) {
        if (fault.empty()) fault = what;
    }

    // ---- The rules

    void CheckBookings() {
        for (const auto& [name, value] : saves_test::PlayersBookings())
            if (value < 0) Fault(std::string(name) + " booked " + std::to_string(value));
        for (const RivalRecords& rival : kRivals)
            for (const auto& [name, value] : saves_test::RivalsBookings(rival))
                if (value < 0) Fault(std::string(name) + " booked " + std::to_string(value));
    }

    void CheckSums(std::initializer_list<Sum> sums) {
        for (const Sum& sum : sums)
            if (sum.booked < sum.lowest || sum.booked > sum.highest)
                Fault(std::string(sum.name) + " booked " + std::to_string(sum.booked) + ", exactly " +
                      std::to_string(sum.lowest) +
                      (sum.highest == sum.lowest ? "" : " to " + std::to_string(sum.highest)));
    }

    // The player's month, read back after it: each kind's people and wage,
    // the stored designs, the campaigns, and what was shipped and sold
    // (Shipped keeps what stayed unsold of the shipments).
    void CheckPlayersSums() {
        const Expenses& spent = ExpensesObj;
        std::int64_t wages = 0;
        for (const Staff* kind : kPlayerStaff) wages += std::int64_t{kind->Count} * kind->Wage;
        std::int64_t production = 0;
        std::int64_t incomeBooked = 0;
        Bounds transport{0, 0};
        for (i32 m = 1; m <= kModelSlots; ++m) {
            const Car& model = PlayerModel(m);
            for (i32 r = 0; r < kRegionCount; ++r) {
                const std::int64_t sold = ModelSaleObj.Sold[r][m];
                const std::int64_t shipped = ProductionObj.Shipped[r][m] + sold;
                const std::int64_t cost = shipped * model.UnitCost;
                const Bounds income = Times(sold, std::int64_t{model.Price} - kMostPriceCut, model.Price);
                CheckSums({{"a model's production cost in a region", spent.ProductionCost[r][m], cost, cost},
                           {"a model's income in a region", IncomeObj.ModelIncome[r][m], income.lowest,
                            income.highest}});
                production += cost;
                incomeBooked += IncomeObj.ModelIncome[r][m];
                if (shipped == 0) continue;
                const Bounds carried = Times(shipped, 0, kMostTransportPerCar);
                transport.lowest += carried.lowest + kTransportPerShipment;
                transport.highest += carried.highest + kTransportPerShipment;
            }
        }
        std::int64_t advertising = 0;
        for (const AdvertisingBlock& block : PlayerAdvertising.Block)
            for (const AdCampaign& campaign : block.Campaign) advertising += campaign.Amount;
        const std::int64_t expenses = std::int64_t{spent.TransportCost} + spent.ProductionTotal + spent.Wages +
                                      spent.Installment + spent.AdvertisingTotal;
        CheckSums({
            {"wages", spent.Wages, wages, wages},
            {"production", spent.ProductionTotal, production, production},
            {"transport", spent.TransportCost, transport.lowest, transport.highest},
            {"advertising", spent.AdvertisingTotal, advertising, advertising},
            {"expenses", spent.Total, expenses, expenses},
            {"income", IncomeObj.Total, incomeBooked, incomeBooked},
        });
    }

    // A rival's month builds, carries and sells as many cars as it has
    // technicians, at the player's dearest unit cost (which slot's the
    // rivals' own test pins); it books no installment in its expenses.
    void CheckRivalsSums() {
        const std::int64_t top = DearestPlayerUnitCost();
        const bool dear = top >= kRivalLeastUnitCost;
        const std::int64_t unitCost = dear ? top : kRivalLeastUnitCost;
        for (const RivalRecords& rival : kRivals) {
            const Expenses& spent = rival.expenses;
            const std::int64_t technicians = rival.technicians.Count;
            const Bounds production = dear ? Times(technicians, top + kRivalExtraCost, top + kRivalExtraCost + kRivalExtraCostDraws - 1)
                                           : Times(technicians, unitCost, unitCost);
            const Bounds transport = Times(technicians, 0, kMostTransportPerCar);
            std::int64_t wages = 0;
            for (const Staff* kind : {&rival.scientists, &rival.technicians, &rival.salesmen})
                wages += std::int64_t{kind->Count} * kind->Wage;
            const std::int64_t expenses = std::int64_t{spent.TransportCost} + spent.ProductionTotal + spent.Wages;
            const std::int64_t income = (unitCost + rival.incomeMargin) * technicians;
            CheckSums({
                {"a rival's wages", spent.Wages, wages, wages},
                {"a rival's production", spent.ProductionTotal, production.lowest, production.highest},
                {"a rival's transport", spent.TransportCost, transport.lowest + rival.transportBase,
                 transport.highest + rival.transportBase},
                {"a rival's expenses", spent.Total, expenses, expenses},
                {"a rival's income", rival.income.Total, income, income},
            });
        }
    }

    // A design's cost never pays for what is built, and the studio draws
    // its cost and rating in five cells each.
    void CheckStoredDesigns() {
        char text[platform::kIntegerTextMax + 1];
        for (i32 m = 1; m <= kModelSlots; ++m) {
            const Car& model = PlayerModel(m);
            if (model.UnitCost < 0) Fault("model " + std::to_string(m) + " costs " + std::to_string(model.UnitCost));
            for (const auto& [figure, cells] : {std::pair{model.UnitCost, TextAt(TEXT_DESIGN_COST).Cells},
                                                 std::pair{model.Rating, TextAt(TEXT_DESIGN_RATING).Cells}})
                if (platform::FormatInteger(figure, text, sizeof text) > static_cast<std::size_t>(cells))
                    Fault("model " + std::to_string(m) + " shows " + text + " in " + std::to_string(cells) + " cells");
        }
    }

    void CheckCalendar() {
        const std::optional<std::int64_t> was = MonthsShown(before.year, before.month);
        if (!was || MonthsShown(PlayerObj.Year, PlayerObj.Month) != *was + 1)
            Fault("the calendar went from " + std::to_string(before.month) + "/" + std::to_string(before.year) +
                  " to " + std::to_string(PlayerObj.Month) + "/" + std::to_string(PlayerObj.Year));
    }

    // An area's progress moves on by its pace, or starts again at 0 with
    // the level one higher, or as it was from its top on.
    void CheckArea(const char* whose, const Research& was, const Research& is, i32 category, std::int64_t pace,
                   std::int64_t top) {
        const std::int64_t level = was.ResearchLevel[category];
        const bool movedOn = is.ResearchProgress[category] == was.ResearchProgress[category] + pace &&
                             is.ResearchLevel[category] == level;
        const bool nextLevel =
            is.ResearchProgress[category] == 0 && is.ResearchLevel[category] == (level < top ? level + 1 : level);
        if (!movedOn && !nextLevel)
            Fault(std::string(whose) + " research area " + std::to_string(category) + " went from level " +
                  std::to_string(level) + " at " + std::to_string(was.ResearchProgress[category]) + " to level " +
                  std::to_string(is.ResearchLevel[category]) + " at " + std::to_string(is.ResearchProgress[category]));
    }

    // The yearly interest only adds to a deposit. A rival's loan counts
    // down while its debt is not below 0 (it runs on past 0) and stands
    // still after.
    void CheckBanks() {
        if (PlayerBank.Deposit < before.deposit)
            Fault("a deposit of " + std::to_string(before.deposit) + " fell to " + std::to_string(PlayerBank.Deposit));
        for (int i = 0; i < kRivalCount; ++i) {
            const Bank& was = before.rivalBanks[i];
            const Bank& is = kRivals[i].bank;
            const bool owes = was.LoanLeft >= 0;
            if (is.MonthsLeft != std::int64_t{was.MonthsLeft} - (owes ? 1 : 0) ||
                is.LoanLeft != std::int64_t{was.LoanLeft} - (owes ? was.Installment : 0))
                Fault("a rival's loan went from " + std::to_string(was.LoanLeft) + " over " +
                      std::to_string(was.MonthsLeft) + " months to " + std::to_string(is.LoanLeft) + " over " +
                      std::to_string(is.MonthsLeft));
        }
    }

    void CheckResearch() {
        for (i32 c = 0; c < kPartCategories; ++c) {
            CheckArea("the player's", before.player, PlayerResearch, c,
                      std::int64_t{before.player.Scientists[c]} + kPlayerResearchPace, kTopResearchLevel[c]);
            for (int i = 0; i < kRivalCount; ++i)
                CheckArea("a rival's", before.rivals[i], kRivals[i].research, c, kRivalResearchPace,
                          c == PART_BODY ? kRivalBodyLevelTop : kNoTop);
        }
    }

    void CheckHeads() {
        auto check = [this](const char* name, i32 value) {
            if (value < 0) Fault(std::string(name) + " at " + std::to_string(value));
        };
        for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
            check("people employed", kPlayerStaff[kind]->Count);
            check("a free pool", kPlayerStaff[kind]->Unassigned);
            if (kPlayerStaff[kind]->Wage < kStartWage[kind])
                Fault("staff kind " + std::to_string(kind) + " paid " + std::to_string(kPlayerStaff[kind]->Wage));
        }
        for (const FactorySalonRegion& region : PlayerFactorySalon.Region) {
            check("a region's technicians", region.Technicians);
            check("a region's salesmen", region.Salesmen);
        }
        for (i32 working : PlayerResearch.Scientists) check("a research area's scientists", working);
        for (const RivalRecords& rival : kRivals)
            for (const Staff* kind : {&rival.scientists, &rival.technicians, &rival.salesmen})
                check("a rival's people", kind->Count);
    }

    // A loan is followed from the moment it is seen running.
    void WatchTheLoan() {
        const Bank& bank = PlayerBank;
        if (loan.running || bank.LoanLeft == 0) return;
        loan = {bank.LoanLeft, bank.MonthsLeft, 0, 0, true};
    }

    // After each month: the installment booked, and the loan's end.
    void FollowTheLoan() {
        if (!loan.running) return;
        loan.paid += ExpensesObj.Installment;
        ++loan.months;
        const Bank& bank = PlayerBank;
        if (bank.LoanLeft == 0 && bank.MonthsLeft == 0) {
            if (loan.paid != loan.owed)
                Fault("a loan owing " + std::to_string(loan.owed) + " paid " + std::to_string(loan.paid));
            loan.running = false;
        } else if (loan.months >= loan.due) {
            Fault("a loan of " + std::to_string(loan.due) + " months runs on after " + std::to_string(loan.months));
        }
    }

    // ---- The controls

    BeforeTheMonth before;

    void TakeNoteBeforeTheMonth() {
        before.year = PlayerObj.Year;
        before.month = PlayerObj.Month;
        before.deposit = PlayerBank.Deposit;
        before.player = PlayerResearch;
        for (int i = 0; i < kRivalCount; ++i) {
            before.rivals[i] = kRivals[i].research;
            before.rivalBanks[i] = kRivals[i].bank;
        }
    }

    // The month's end through the footer; false once the game is lost or
    // over.
    bool PlayMonth() {
        WatchTheLoan();
        Show(SCREEN_GAME_MAIN);
        const bool lastMonth = PlayerObj.Year == kLastMonthPlayed.Year && PlayerObj.Month == kLastMonthPlayed.Month;
        if (lastMonth) return PlayTheLastClick();
        TakeNoteBeforeTheMonth();
        ClickOn(CTRL_NEXT_MONTH);
        CheckBookings();
        CheckPlayersSums();
        CheckRivalsSums();
        CheckStoredDesigns();
        CheckCalendar();
        CheckResearch();
        CheckBanks();
        CheckHeads();
        FollowTheLoan();
        if (MainObj.Screen != SCREEN_GAME_NEXT_MONTH) return false;
        ClickOn(CTRL_MONTH_END_CONTINUE);
        return true;
    }

    // Next month in the calendar's last month ends the game and changes
    // nothing of it.
    bool PlayTheLastClick() {
        const std::string game = saves_test::GameRecordsSnapshot();
        ClickOn(CTRL_NEXT_MONTH);
        if (MainObj.Screen != SCREEN_GAME_OVER) Fault("December of the last year leads on");
        if (saves_test::GameRecordsSnapshot() != game) Fault("a month was played after December of the last year");
        return false;
    }

    void ExpectNoGain(double before, const char* purchase) {
        if (PlayerObj.Cash > before) Fault(std::string(purchase) + " raised the cash");
    }

    void Buy(i32 screen, i32 popup, i32 button, const char* purchase) {
        Show(screen, popup);
        const double cash = PlayerObj.Cash;
        ClickOn(button);
        ExpectNoGain(cash, purchase);
    }

    // A factory in the first region without one, a salon there, a hundred
    // laboratory places and the next body type on offer.
    void BuyEverything() {
        Show(SCREEN_GAME_OFFICE, POPUP_MAP);
        for (int press = 0; press < kRegionCount && !ShowsARegionWithoutAFactory(); ++press)
            ClickOn(CTRL_MAP_REGION_FORWARD);
        Buy(SCREEN_GAME_OFFICE, POPUP_MAP, CTRL_MAP_BUY_FACTORY, "a factory");
        Buy(SCREEN_GAME_OFFICE, POPUP_MAP, CTRL_MAP_BUY_SALON, "a salon");
        Buy(SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH, CTRL_EXPAND_BUY, "the laboratory");
        Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
        ClickOn(CTRL_BODY_TYPES_NEXT);
        Buy(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES, CTRL_BODY_TYPES_BUY, "a body type");
        CheckHeads();
    }

    // Every region's technicians and salesmen go back to the pool at the
    // factory's boxes; then each kind's fire field takes the most it lets.
    void FireEveryone() {
        Show(SCREEN_GAME_FACTORY);
        for (i32 region = 0; region < kRegionCount; ++region) {
            ClickOn(CTRL_FACTORY_TECHNICIANS);
            ClickOn(CTRL_FACTORY_SALESMEN);
            ClickOn(CTRL_FACTORY_REGION_FORWARD);
        }
        Show(SCREEN_GAME_OFFICE, POPUP_PERSONNEL);
        for (i32 kind = 0; kind < kStaffKindCount; ++kind) {
            ClickOn(CTRL_STAFF_FIELD_1, 2 * kind + 1);
            Type("99999");
            ClickOn(CTRL_STAFF_BUTTON_1, 2 * kind + 1);
        }
        CheckHeads();
    }

    // The shortest term, the most the box takes; refused while a loan runs.
    void TakeALoan() {
        Show(SCREEN_GAME_OFFICE, POPUP_BANK);
        for (int press = 0; press < 8 && PlayerBank.LoanTerm != 3; ++press) ClickOn(CTRL_BANK_TERM_UP);
        ClickOn(CTRL_BANK_LOAN_FIELD);
        Type("100000");
        const double cash = PlayerObj.Cash;
        const bool running = PlayerBank.LoanLeft != 0;
        ClickOn(CTRL_BANK_TAKE_LOAN);
        const double lent = PlayerObj.Cash - cash;
        if (running && lent != 0.0) Fault("a second loan was taken");
        if (lent > 0.0 && PlayerBank.LoanLeft < lent)
            Fault("a loan of " + std::to_string(lent) + " owes " + std::to_string(PlayerBank.LoanLeft));
    }

    void PlayTheCase() {
        loan = {};
        for (int month = 0; month < 2; ++month)
            if (!PlayMonth()) return;
        BuyEverything();
        FireEveryone();
        if (!PlayMonth()) return;
        TakeALoan();
        // Every loan ends within the bank's longest term and one month more.
        for (int month = 0; month <= kLongestLoanTerm && (PlayerBank.LoanLeft != 0 || loan.running); ++month)
            if (!PlayMonth()) return;
        if (PlayerBank.LoanLeft != 0 || loan.running) Fault("a loan runs on past the bank's longest term");
    }

    // Loads the slot file as the load screen does and plays the case on.
    // An edit that loads into a game already played plays the same, so it
    // is played once.
    void LoadAndPlay(const std::string& file, const std::string& name) {
        ResetGameState();
        WriteFile(SlotPath(kSweptSlot), file);
        fault.clear();
        if (!SaveLoad::Load(kSweptSlot)) {
            faults.push_back(name + ": not loaded");
            return;
        }
        MainObj.GameInProgress = 1;
        if (!played.insert(std::hash<std::string>{}(saves_test::Snapshot())).second) return;
        PlayTheCase();
        if (!fault.empty()) faults.push_back(name + ": " + fault);
    }
    std::unordered_set<std::size_t> played;
    std::vector<std::string> faults;

    // Each of the ordinary game's fields at `indexes`, at every swept value.
    void SweepFields(const std::vector<std::size_t>& indexes, const std::string& how = "") {
        for (std::size_t index : indexes)
            for (i32 value : kSweptValues) {
                std::string file = ordinary;
                EncodeIntegerField(value, &file[index * kFieldSize]);
                LoadAndPlay(file, "field " + std::to_string(index) + " at " + std::to_string(value) + how);
            }
    }

    void SweepBlock(int block) {
        ASSERT_NO_FATAL_FAILURE(SaveTheOrdinaryGame());
        const IntegerFields fields = FindIntegerFields();
        ASSERT_GT(fields.ofBlock[block].size(), 900u);
        SweepFields(fields.ofBlock[block]);
        ExpectNoFaults();
    }

    void ExpectNoFaults() {
        std::string shown;
        for (std::size_t i = 0; i < faults.size() && i < kFaultsShown; ++i) shown += "\n  " + faults[i];
        EXPECT_TRUE(faults.empty()) << faults.size() << " cases broke a rule:" << shown;
    }
};

// Several fields at once, set in the records of the ordinary game and saved
// by the game itself.
struct Edits {
    const char* name;
    std::function<void()> edit;
};

FactorySalonRegion& HomeRegion() { return PlayerFactorySalon.Region[kHome - 1]; }
i32 ModelOnTheLine() { return HomeRegion().ProductionLineModel[0]; }

TEST_F(SlotFileSweep, EditsOfSeveralFieldsAtOnce) {
    ASSERT_NO_FATAL_FAILURE(SaveTheOrdinaryGame());
    ASSERT_NE(ModelOnTheLine(), 0);
    const std::vector<Edits> edits = {
        {"technicians' pool far beyond those employed", [] { PlayerTechnicians.Unassigned = 50000; }},
        {"a region's salesmen far beyond those employed", [] { HomeRegion().Salesmen = 9999; }},
        {"research scientists beyond the laboratory's room",
         [] { PlayerResearch.Scientists[PART_ENGINE] = PlayerResearch.LabCapacity + 5000; }},
        {"a debt at the 32-bit top with one month left",
         [] {
             PlayerBank.LoanLeft = INT_MAX;
             PlayerBank.MonthsLeft = 1;
         }},
        {"a unit cost near the 32-bit top, with the cash to build",
         [] {
             PlayerModel(ModelOnTheLine()).UnitCost = INT_MAX - 1000;
             PlayerObj.Cash = 1e10;
         }},
        {"a unit cost the rivals multiply", [] { PlayerModel(ModelOnTheLine()).UnitCost = 300000000; }},
        {"a region's stock at the 32-bit top", [] { ModelSaleObj.Stock[kHome - 1][ModelOnTheLine()] = INT_MAX; }},
        {"research progress at the 32-bit top",
         [] {
             for (i32& progress : PlayerResearch.ResearchProgress) progress = INT_MAX;
         }},
        {"a year of all nines", [] { PlayerObj.Year = INT_MAX; }},
        {"research past its tops, each area about to start its next level",
         [] {
             for (i32 c = 0; c < kPartCategories; ++c) {
                 PlayerResearch.ResearchLevel[c] = INT_MAX;
                 PlayerResearch.ResearchProgress[c] = kLevelThreshold[c];
             }
         }},
        {"a loan over a billion months, with the cash to see it end",
         [] {
             PlayerBank.MonthsLeft = 1000000000;
             PlayerObj.Cash = 1e10;
         }},
        {"a deposit below nothing in the month of its interest",
         [] {
             PlayerBank.Deposit = -1000000;
             PlayerBank.DepositMonth = kSavedMonth + 1;
             PlayerBank.DepositYear = PlayerObj.Year - 1;
         }},
        {"a rich company at the top of its works, building the dearest design a slot stores",
         [] {
             PlayerModel(ModelOnTheLine()).UnitCost = kStoredDesignCost.Highest;
             PlayerObj.Cash = 1e10;
             PlayerTechnicians.Count = PlayerSalesmans.Count = kMostStaffOfAKind;
             for (FactorySalonRegion& region : PlayerFactorySalon.Region) {
                 region.HasFactory = 1;
                 region.Salons = kMostSalons;
                 region.Technicians = region.Salesmen = kMostStaffOfAKind;
                 for (i32 line = 0; line < kProductionLines; ++line) {
                     region.ProductionLineModel[line] = ModelOnTheLine();
                     region.ProductionLineShipTo[line][0] = region.ProductionLineShipTo[line][1] = kHome;
                 }
             }
         }},
    };
    for (const Edits& edit : edits) {
        WriteFile(SlotPath(kSweptSlot), ordinary);
        ASSERT_TRUE(SaveLoad::Load(kSweptSlot));
        edit.edit();
        ASSERT_TRUE(SaveLoad::Save(kSweptSlot));
        LoadAndPlay(ReadFile(SlotPath(kSweptSlot)), edit.name);
    }
    ExpectNoFaults();
}

// Each stored design's cost and rating at the swept values, loaded and
// played without either part table.
TEST_F(SlotFileSweep, StoredDesignsWithoutThePartTables) {
    ASSERT_NO_FATAL_FAILURE(SaveTheOrdinaryGame());
    const std::vector<saves_test::SavedField> fields = saves_test::SavedFields();
    std::vector<std::size_t> designFields;
    for (i32 slot = 1; slot <= kModelSlots; ++slot)
        for (const i32* figure : {&PlayerModel(slot).UnitCost, &PlayerModel(slot).Rating})
            for (std::size_t index = 0; index < fields.size(); ++index)
                if (fields[index].At == figure) designFields.push_back(index);
    ASSERT_EQ(designFields.size(), 2u * kModelSlots);
    for (const char* table : {"Data/paco.dat", "Data/para.dat"}) std::remove(table);
    testing::internal::CaptureStderr();  // each load names both missing tables
    SweepFields(designFields, " without tables");
    testing::internal::GetCapturedStderr();
    ExpectNoFaults();
}

TEST_F(SlotFileSweep, EveryFieldOfThePlayersBlock) { SweepBlock(1); }
TEST_F(SlotFileSweep, EveryFieldOfTheFirstRivalsBlock) { SweepBlock(2); }
TEST_F(SlotFileSweep, EveryFieldOfTheSecondRivalsBlock) { SweepBlock(3); }

}  // namespace
