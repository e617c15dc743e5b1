// Every integer field of a slot file, the player's and the rivals', one at a
// time at each of four values no ordinary game holds, written into the file
// of an ordinary game of June 1912 with a loan running, loaded through the
// game's loader and played on through the game's own controls: two months,
// every purchase, firing all the personnel popup lets go and a month, then a
// loan typed and taken and run to its end. Whatever the file said:
//   - no month books a cost or an income of the player or a rival below 0;
//   - no purchase raises the cash;
//   - no count of people falls below 0;
//   - every loan ends within its months, paying back what it owed, and owes
//     at least what it lent.
// A few edits of several fields at once follow: the ones that once made
// spending pay, and a rich company at the top of its works.

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "input/input_fixture.h"
#include "model/headless_player.h"
#include "model/rival_records.h"
#include "saves/saved_game_support.h"
#include "saves/slot_fields.h"
#include "saves/slot_image.h"

namespace {

using saves_test::SlotPath;

constexpr i32 kHome = REGION_EUROPE;
constexpr i32 kSweptSlot = 1;
constexpr i32 kSweptValues[] = {-1000000, INT_MIN, INT_MAX, 1000000000};
constexpr std::size_t kFaultsShown = 40;

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

    // The ordinary game: a headless player's June 1912, with a loan of
    // 50000 over 3 months taken through the bank just before the save.
    void SaveTheOrdinaryGame() {
        headless::StartGame(kHome);
        while (!(PlayerObj.Year == 1912 && PlayerObj.Month == 6)) headless::PlayMonth();
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
        const Expenses& spent = ExpensesObj;
        const std::pair<const char*, i32> booked[] = {
            {"production", spent.ProductionTotal}, {"transport", spent.TransportCost},
            {"advertising", spent.AdvertisingTotal}, {"wages", spent.Wages},
            {"installment", spent.Installment}, {"expenses", spent.Total}, {"income", IncomeObj.Total},
        };
        for (const auto& [name, value] : booked)
            if (value < 0) Fault(std::string(name) + " booked " + std::to_string(value));
        for (const RivalRecords& rival : kRivals) {
            const std::pair<const char*, i32> theirs[] = {
                {"a rival's production", rival.expenses.ProductionTotal},
                {"a rival's transport", rival.expenses.TransportCost},
                {"a rival's wages", rival.expenses.Wages},
                {"a rival's installment", rival.expenses.Installment},
                {"a rival's expenses", rival.expenses.Total},
                {"a rival's income", rival.income.Total},
            };
            for (const auto& [name, value] : theirs)
                if (value < 0) Fault(std::string(name) + " booked " + std::to_string(value));
        }
    }

    void CheckHeads() {
        auto check = [this](const char* name, i32 value) {
            if (value < 0) Fault(std::string(name) + " at " + std::to_string(value));
        };
        for (Staff* kind : {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians}) {
            check("people employed", kind->Count);
            check("a free pool", kind->Unassigned);
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

    // The month's end through the footer; false once the game is lost.
    bool PlayMonth() {
        WatchTheLoan();
        Show(SCREEN_GAME_MAIN);
        ClickOn(CTRL_NEXT_MONTH);
        CheckBookings();
        CheckHeads();
        FollowTheLoan();
        if (MainObj.Screen != SCREEN_GAME_NEXT_MONTH) return false;
        ClickOn(CTRL_MONTH_END_CONTINUE);
        return true;
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
        for (int press = 0; press < kRegionCount && PlayerFactorySalon.Region[PlayerFactorySalon.ShownRegion - 1].HasFactory;
             ++press)
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

    void SweepBlock(int block) {
        ASSERT_NO_FATAL_FAILURE(SaveTheOrdinaryGame());
        const IntegerFields fields = FindIntegerFields();
        ASSERT_GT(fields.ofBlock[block].size(), 900u);
        for (std::size_t index : fields.ofBlock[block])
            for (i32 value : kSweptValues) {
                std::string file = ordinary;
                EncodeIntegerField(value, &file[index * kFieldSize]);
                LoadAndPlay(file, "field " + std::to_string(index) + " at " + std::to_string(value));
            }
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
        {"a rich company at the top of its works",
         [] {
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

TEST_F(SlotFileSweep, EveryFieldOfThePlayersBlock) { SweepBlock(1); }
TEST_F(SlotFileSweep, EveryFieldOfTheFirstRivalsBlock) { SweepBlock(2); }
TEST_F(SlotFileSweep, EveryFieldOfTheSecondRivalsBlock) { SweepBlock(3); }

}  // namespace
