// A long run of random keys and clicks through the research and personnel
// popups: whatever is typed, scientists only move between the open area and
// the free pool, the laboratory never overflows, and no staff number goes
// below 0 or past its limits.

#include <algorithm>
#include <numeric>

#include "input/input_fixture.h"
#include "platform/random.h"

namespace {

class RandomKeys : public InputTest {
protected:
    static i32 Pick(i32 count) { return platform::Rand() % count; }

    static Staff& Kind(i32 k) {
        Staff* kinds[] = {&PlayerSalesmans, &PlayerScientists, &PlayerTechnicians};
        return *kinds[k];
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

    // Opens a popup on its own screen. Leaving the personnel popup drops the
    // numbers typed there.
    static void Open(i32 popup) {
        if (MainObj.Popup == POPUP_PERSONNEL && popup != POPUP_PERSONNEL)
            for (i32 k = 0; k < 3; ++k) Kind(k).HireCount = Kind(k).FireCount = 0;
        MainObj.Popup = popup;
        if (popup != POPUP_NONE)
            MainObj.Screen = popup == POPUP_PERSONNEL ? SCREEN_GAME_OFFICE : SCREEN_GAME_RESEARCH;
    }

    // The clicks that matter around these fields, as the click map makes them.
    void RandomClick() {
        switch (Pick(7)) {
        case 0: {  // the scientists field of a research area: its people go back first
            const i32 popup = POPUP_RESEARCH_BRAKES + Pick(kPartCategories);
            i32& area = PlayerResearch.Scientists[popup - POPUP_RESEARCH_BRAKES];
            Open(popup);
            PlayerScientists.Unassigned += area;
            area = 0;
            Focus(popup, FOCUS_RESEARCH_SCIENTISTS, PlayerResearch.InputBuffer);
            break;
        }
        case 1:  // a click on nothing inside the open popup
            Blank(PlayerResearch.InputBuffer);
            for (i32 k = 0; k < 3; ++k) Blank(Kind(k).InputBuffer);
            break;
        case 2:  // a hire or fire field
            Open(POPUP_PERSONNEL);
            MainObj.Focus = FOCUS_SALESMEN_HIRE + Pick(6);
            for (i32 k = 0; k < 3; ++k) Blank(Kind(k).InputBuffer);
            break;
        case 3: {  // a hire button: the button itself tests nothing
            if (MainObj.Popup != POPUP_PERSONNEL) break;
            Staff& kind = Kind(Pick(3));
            kind.Count += kind.HireCount;
            kind.Unassigned += kind.HireCount;
            kind.HireCount = 0;
            break;
        }
        case 4: {  // a fire button: likewise
            if (MainObj.Popup != POPUP_PERSONNEL) break;
            Staff& kind = Kind(Pick(3));
            kind.Count -= kind.FireCount;
            kind.Unassigned -= kind.FireCount;
            kind.FireCount = 0;
            break;
        }
        case 5:  // the laboratory grows
            if (PlayerResearch.LabCapacity <= 899) PlayerResearch.LabCapacity += 100;
            break;
        default:  // closing, or a popup opened without a field chosen
            Open(Pick(2) == 0 ? POPUP_NONE : POPUP_RESEARCH_BRAKES + Pick(kPartCategories));
            MainObj.Focus = Pick(2) == 0 ? FOCUS_NONE : MainObj.Focus;
            break;
        }
    }

    static void ExpectSoundStaff() {
        for (i32 k = 0; k < 3; ++k) {
            const Staff& kind = Kind(k);
            ASSERT_GE(kind.Count, 0);
            ASSERT_LE(kind.Count, kMostStaffOfAKind);
            ASSERT_GE(kind.Unassigned, 0);
            ASSERT_GE(kind.HireCount, 0);
            ASSERT_LE(kind.HireCount, kMostHiredAtOnce);
            ASSERT_LE(kind.Count + kind.HireCount, kMostStaffOfAKind);
            ASSERT_GE(kind.FireCount, 0);
        }
    }
};

TEST_F(RandomKeys, ResearchAndStaffInvariantsHoldThroughAnyKeys) {
    platform::ResetRandom();
    MainObj.Screen = SCREEN_GAME_OFFICE;
    PlayerResearch.LabCapacity = 100;
    for (i32 k = 0; k < 3; ++k) {
        Kind(k).Count = 9900;
        Kind(k).Unassigned = 500;
    }
    const auto& areas = PlayerResearch.Scientists;
    int moves = 0, clamps = 0;  // show that the run reached the limits it checks
    bool fullStaff = false;

    for (int step = 0; step < 40000; ++step) {
        if (Pick(4) == 0) {
            RandomClick();
            for (i32 k = 0; k < 3; ++k) fullStaff |= Kind(k).Count == kMostStaffOfAKind;
            continue;
        }
        const i32 popup = MainObj.Popup, focus = MainObj.Focus;
        const bool inArea = popup >= POPUP_RESEARCH_BRAKES && popup <= POPUP_RESEARCH_SAFETY;
        const i32 open = inArea ? popup - POPUP_RESEARCH_BRAKES : 0;
        const i32 pairBefore = areas[open] + PlayerScientists.Unassigned;
        i32 counts[3];
        for (i32 k = 0; k < 3; ++k) counts[k] = Kind(k).Count;
        i32 othersBefore[kPartCategories];
        std::copy(std::begin(areas), std::end(areas), othersBefore);

        const i32 poolBefore = PlayerScientists.Unassigned;
        Press(RandomKey());
        moves += PlayerScientists.Unassigned != poolBefore;
        clamps += inArea && (PlayerScientists.Unassigned == 0 ||
                             std::accumulate(std::begin(areas), std::end(areas), 0) == PlayerResearch.LabCapacity);

        ASSERT_EQ(MainObj.Popup, popup);
        ASSERT_EQ(MainObj.Focus, focus);
        for (i32 k = 0; k < 3; ++k) ASSERT_EQ(Kind(k).Count, counts[k]) << "step " << step;
        if (inArea) {
            ASSERT_EQ(areas[open] + PlayerScientists.Unassigned, pairBefore) << "step " << step;
        }
        for (i32 a = 0; a < kPartCategories; ++a) {
            ASSERT_GE(areas[a], 0);
            if (inArea && a == open) continue;
            ASSERT_EQ(areas[a], othersBefore[a]) << "step " << step;
        }
        ASSERT_LE(std::accumulate(std::begin(areas), std::end(areas), 0), PlayerResearch.LabCapacity);
        ASSERT_NO_FATAL_FAILURE(ExpectSoundStaff()) << "step " << step;
    }
    EXPECT_GT(moves, 1000);
    EXPECT_GT(clamps, 100);
    EXPECT_TRUE(fullStaff);
}

}  // namespace
