// A long run of random keys and clicks through the office and research
// screens, each one handled by the game's own pointer and keyboard code:
// whatever is typed and clicked, scientists only move between the open area
// and the free pool, the laboratory never overflows, no staff number goes
// below 0 or past its limits, and every typing buffer holds digits only
// within its field.

#include <algorithm>
#include <cctype>
#include <iterator>
#include <numeric>
#include <string>

#include "input/input_fixture.h"
#include "model/lab_expansion.h"
#include "platform/random.h"

namespace {

// How many of each kind work somewhere outside the research areas; no click
// of these screens sends anyone there or calls them back.
constexpr i32 kAtWorkElsewhere = 9000;

class RandomKeys : public InputTest {
protected:
    // A round starts on `screen` with `free` people of each kind in the free
    // pools and an empty laboratory of a hundred places: small pools let the
    // pool bind the areas, larger ones the laboratory.
    void StartRound(i32 screen, i32 free) {
        Show(screen);
        MainObj.Focus = FOCUS_NONE;
        PlayerResearch.LabCapacity = 100;
        PlayerObj.Cash = 1e7;   // enough for every expansion of the laboratory
        for (i32& area : PlayerResearch.Scientists) area = 0;
        for (i32 k = 0; k < kStaffKindCount; ++k) {
            Staff& kind = Kind(k);
            kind.Count = kAtWorkElsewhere + free;
            kind.Unassigned = free;
            kind.HireCount = kind.FireCount = 0;
            Blank(kind.InputBuffer);
        }
        Blank(PlayerResearch.InputBuffer);
        Blank(PlayerBank.InputBuffer);
    }

    // The choices come from the game's own generator, whose fixed sequence
    // makes every run the same; no key or click draws from it.
    static i32 Pick(i32 count) { return platform::Rand() % count; }

    static Staff& Kind(i32 k) {
        Staff* kinds[] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
        return *kinds[k];
    }

    static i32 ScientistsInAreas() {
        return std::accumulate(std::begin(PlayerResearch.Scientists), std::end(PlayerResearch.Scientists), 0);
    }

    // Any key the keyboard knows, and now and then one it does not.
    static unsigned RandomKey() {
        switch (Pick(6)) {
        case 0: return keys::KEY_BACKSPACE;
        case 1: return keys::PadDigit(Pick(10));
        case 2: return keys::Letter(static_cast<char>('A' + Pick(26)));
        case 3: return static_cast<unsigned>(Pick(256));
        default: return keys::Digit(Pick(10));
        }
    }

    // Somewhere to click from where the game stands. Away from the two
    // screens (the in-game menu or the main view, which the back buttons
    // and the office's hover areas lead to) the click leads back to one of
    // them; on them it is a control of the open popup, an opener or any
    // point at all.
    static Target RandomTarget() {
        const i32 screen = MainObj.Screen, popup = MainObj.Popup;
        if (screen == SCREEN_MENU_GAME) return On(CTRL_MENU_CONTINUE);
        if (screen == SCREEN_GAME_MAIN) return Pick(2) == 0 ? Spot(600, 300) : Spot(100, 206);
        if (Pick(5) == 0) return Spot(Pick(800), Pick(600));
        if (popup == POPUP_PERSONNEL) {
            // A fire may take the whole free pool, a hire brings 90 at
            // most: hiring comes more often, so that the pools do not run
            // dry.
            const i32 kind = Pick(kStaffKindCount);
            switch (Pick(20)) {
            case 0: case 1: return On(CTRL_OFFICE_CLOSE);
            case 2: return On(CTRL_STAFF_BUTTON_1, 2 * kind + 1);
            case 3: case 4: case 5: case 6: case 7: return On(CTRL_STAFF_BUTTON_1, 2 * kind);
            default: return On(CTRL_STAFF_FIELD_1, Pick(2 * kStaffKindCount));
            }
        }
        if (popup >= POPUP_RESEARCH_BRAKES && popup <= POPUP_RESEARCH_SAFETY) {
            switch (Pick(6)) {
            case 0: return On(CTRL_AREA_CLOSE);
            case 1: return On(CTRL_AREA_OK);
            default: return On(CTRL_AREA_SCIENTISTS);
            }
        }
        if (popup == POPUP_EXPAND_RESEARCH) return On(Pick(2) == 0 ? CTRL_EXPAND_BUY : CTRL_EXPAND_CLOSE);
        if (popup == POPUP_BODY_TYPES) return On(CTRL_BODY_TYPES_CLOSE);
        if (popup == POPUP_MAP) return On(CTRL_MAP_CLOSE);
        if (popup != POPUP_NONE) return On(CTRL_OFFICE_CLOSE);  // bank, statistics and reports
        if (screen == SCREEN_GAME_OFFICE) return Pick(2) == 0 ? On(CTRL_BACK) : Spot(420, 350);
        // The laboratory grows only once it is full, so that its room binds
        // often; otherwise one of the six areas' openers, or back.
        if (ScientistsInAreas() == PlayerResearch.LabCapacity && Pick(4) == 0) return Spot(500, 150);
        if (Pick(3) == 0) return On(CTRL_BACK);
        const Target openers[] = {Spot(200, 250), Spot(200, 350), Spot(100, 500),
                                  Spot(500, 235), Spot(480, 350), Spot(600, 500)};
        return openers[Pick(static_cast<i32>(std::size(openers)))];
    }

    // Digits from the first cell on, blanks after them, and no more digits
    // than the field takes.
    static void ExpectTypedDigits(const char (&buffer)[kBufferSize], i32 mostDigits) {
        i32 digits = 0;
        while (digits < kBufferSize && std::isdigit(static_cast<unsigned char>(buffer[digits]))) ++digits;
        ASSERT_LE(digits, mostDigits);
        for (i32 cell = digits; cell < kBufferSize; ++cell) ASSERT_EQ(buffer[cell], ' ') << "cell " << cell;
    }

    // What holds after every key and every click.
    static void ExpectSoundRecords() {
        for (i32 k = 0; k < kStaffKindCount; ++k) {
            const Staff& kind = Kind(k);
            ASSERT_GE(kind.Unassigned, 0);
            ASSERT_LE(kind.Count, kMostStaffOfAKind);
            const i32 inAreas = k == STAFF_SCIENTISTS ? ScientistsInAreas() : 0;
            ASSERT_EQ(kind.Count - kind.Unassigned - inAreas, kAtWorkElsewhere) << "kind " << k;
            ASSERT_GE(kind.HireCount, 0);
            ASSERT_LE(kind.HireCount, kMostHiredAtOnce);
            ASSERT_LE(kind.Count + kind.HireCount, kMostStaffOfAKind);
            ASSERT_GE(kind.FireCount, 0);
            ASSERT_LE(kind.FireCount, kind.Unassigned);
            ASSERT_NO_FATAL_FAILURE(ExpectTypedDigits(kind.InputBuffer, 5));
        }
        const Research& lab = PlayerResearch;
        for (i32 area : lab.Scientists) ASSERT_GE(area, 0);
        ASSERT_LE(ScientistsInAreas(), lab.LabCapacity);
        ASSERT_LE(lab.LabCapacity, kMostLabCapacity);
        ASSERT_NO_FATAL_FAILURE(ExpectTypedDigits(lab.InputBuffer, 7));
        ASSERT_GE(PlayerBank.DepositAmount, 0);
        ASSERT_LE(PlayerBank.DepositAmount, kHighestDeposit);
        ASSERT_GE(PlayerBank.LoanAmount, 0);
        ASSERT_LE(PlayerBank.LoanAmount, kHighestLoan);
    }
};

TEST_F(RandomKeys, ResearchAndStaffInvariantsHoldThroughAnyKeysAndClicks) {
    const auto& areas = PlayerResearch.Scientists;
    // Show that the run reached what it checks: scientists moved, areas cut
    // to the free pool and to the laboratory, people hired and fired.
    int moves = 0, poolCuts = 0, roomCuts = 0, hires = 0, fires = 0;
    bool fullStaff = false, fullLab = false;

    for (i32 round = 0; round < 16; ++round) {
        StartRound(round % 2 == 0 ? SCREEN_GAME_OFFICE : SCREEN_GAME_RESEARCH, 60 * round);
        for (int step = 0; step < 2500; ++step) {
            SCOPED_TRACE("round " + std::to_string(round) + " step " + std::to_string(step));
            if (Pick(4) == 0) {
                i32 counts[kStaffKindCount];
                for (i32 k = 0; k < kStaffKindCount; ++k) counts[k] = Kind(k).Count;
                PressOn(RandomTarget());
                ASSERT_TRUE(MainObj.Screen == SCREEN_GAME_OFFICE || MainObj.Screen == SCREEN_GAME_RESEARCH ||
                            MainObj.Screen == SCREEN_MENU_GAME || MainObj.Screen == SCREEN_GAME_MAIN)
                    << MainObj.Screen;
                for (i32 k = 0; k < kStaffKindCount; ++k) {
                    hires += Kind(k).Count > counts[k];
                    fires += Kind(k).Count < counts[k];
                    fullStaff |= Kind(k).Count == kMostStaffOfAKind;
                }
                fullLab |= PlayerResearch.LabCapacity == kMostLabCapacity;
                ASSERT_NO_FATAL_FAILURE(ExpectSoundRecords());
                continue;
            }
            const i32 screen = MainObj.Screen, popup = MainObj.Popup, focus = MainObj.Focus;
            const bool inArea = popup >= POPUP_RESEARCH_BRAKES && popup <= POPUP_RESEARCH_SAFETY &&
                                focus == FOCUS_RESEARCH_SCIENTISTS;
            const i32 open = inArea ? popup - POPUP_RESEARCH_BRAKES : 0;
            const i32 pairBefore = areas[open] + PlayerScientists.Unassigned;
            i32 counts[kStaffKindCount];
            for (i32 k = 0; k < kStaffKindCount; ++k) counts[k] = Kind(k).Count;
            i32 areasBefore[kPartCategories];
            std::copy(std::begin(areas), std::end(areas), areasBefore);
            const i32 poolBefore = PlayerScientists.Unassigned;

            Press(RandomKey());

            moves += PlayerScientists.Unassigned != poolBefore;
            poolCuts += inArea && PlayerScientists.Unassigned == 0;
            roomCuts += inArea && ScientistsInAreas() == PlayerResearch.LabCapacity;
            // A key moves no one between the screens, the popups, the fields
            // or the payroll, and scientists only within the open area's pair.
            ASSERT_EQ(MainObj.Screen, screen);
            ASSERT_EQ(MainObj.Popup, popup);
            ASSERT_EQ(MainObj.Focus, focus);
            for (i32 k = 0; k < kStaffKindCount; ++k) ASSERT_EQ(Kind(k).Count, counts[k]);
            if (inArea) {
                ASSERT_EQ(areas[open] + PlayerScientists.Unassigned, pairBefore);
            } else {
                ASSERT_EQ(PlayerScientists.Unassigned, poolBefore);
            }
            for (i32 a = 0; a < kPartCategories; ++a) {
                if (inArea && a == open) continue;
                ASSERT_EQ(areas[a], areasBefore[a]);
            }
            ASSERT_NO_FATAL_FAILURE(ExpectSoundRecords());
        }
    }
    EXPECT_GT(moves, 1000);
    EXPECT_GT(poolCuts, 100);
    EXPECT_GT(roomCuts, 100);
    EXPECT_GT(hires, 50);
    EXPECT_GT(fires, 30);
    EXPECT_TRUE(fullStaff);
    EXPECT_TRUE(fullLab);
}

}  // namespace
