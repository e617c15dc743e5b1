// The advertising amounts and the research areas' scientists.

#include <vector>

#include "input/input_fixture.h"

namespace {

i32& Amount(i32 block, i32 campaign) { return PlayerAdvertising.Block[block].Campaign[campaign].Amount; }

TEST_F(InputTest, AnAdvertRowTypesIntoItsBlockAndTheOpenMediumsCampaignSixDigitsWithoutLimit) {
    MainObj.Screen = SCREEN_GAME_ADVERTISING;
    Focus(POPUP_RADIO, FOCUS_ADVERT_ROW_1, PlayerAdvertising.InputBuffer);
    EXPECT_EQ(Track("25", Amount(3, 3)), (V{2, 25}));
    Focus(POPUP_BILLBOARD, FOCUS_ADVERT_ROW_2, PlayerAdvertising.InputBuffer);
    Type("9");
    Focus(POPUP_AUTO_SHOW, FOCUS_ADVERT_ROW_6, PlayerAdvertising.InputBuffer);
    Press(keys::PadDigit(9));
    i32 changed = 0;
    for (const AdvertisingBlock& block : PlayerAdvertising.Block)
        for (const AdCampaign& campaign : block.Campaign) changed += campaign.Amount != 0;
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(Amount(0, 0), 9);
    EXPECT_EQ(Amount(5, 4), 9);

    Amount(1, 2) = 5000;
    Focus(POPUP_TELEVISION, FOCUS_ADVERT_ROW_3, PlayerAdvertising.InputBuffer);
    // The first digit replaces the shown amount; a seventh has no room but
    // is stored again and repainted once.
    EXPECT_EQ(Track("7999991", Amount(1, 2)), (V{7, 79, 799, 7999, 79999, 799999, 799999}));
    ResetRepaints();
    Type("1");
    EXPECT_EQ(Repaints(), 1);
    Type("<<<<<<<");
    EXPECT_EQ(Amount(1, 2), 0);
}

// Research: scientists move between the open area and the free pool.
struct ResearchKeys : InputTest {
    // The assign click: the area's scientists go back to the pool first.
    void OpenArea(i32 popup, i32 capacity, i32 freePool, i32 othersTogether) {
        MainObj.Screen = SCREEN_GAME_RESEARCH;
        PlayerResearch.LabCapacity = capacity;
        PlayerScientists.Unassigned = freePool;
        const i32 area = popup - POPUP_RESEARCH_BRAKES;
        PlayerResearch.Scientists[(area + 1) % kPartCategories] = othersTogether;
        PlayerResearch.Scientists[area] = 0;
        Focus(popup, FOCUS_RESEARCH_SCIENTISTS, PlayerResearch.InputBuffer);
    }
    struct Step {
        i32 area, pool;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> Track(const char* text, i32 areaIndex) {
        std::vector<Step> seen;
        for (const char* c = text; *c != '\0'; ++c) {
            Type(std::string_view(c, 1));
            seen.push_back({PlayerResearch.Scientists[areaIndex], PlayerScientists.Unassigned});
        }
        return seen;
    }
    using Steps = std::vector<Step>;
};

TEST_F(ResearchKeys, TheFreePoolBinds) {
    OpenArea(POPUP_RESEARCH_BRAKES, 100, 40, 50);
    EXPECT_EQ(Track("250<<<<", PART_BRAKES),
              (Steps{{2, 38}, {25, 15}, {40, 0}, {25, 15}, {2, 38}, {0, 40}, {0, 40}}));
    EXPECT_EQ(Track("38", PART_BRAKES), (Steps{{3, 37}, {38, 2}}));
}

TEST_F(ResearchKeys, TheLaboratoryBinds) {
    OpenArea(POPUP_RESEARCH_SAFETY, 100, 40, 90);
    EXPECT_EQ(Track("35<", PART_SAFETY), (Steps{{3, 37}, {10, 30}, {3, 37}}));
    OpenArea(POPUP_RESEARCH_SAFETY, 100, 40, 90);
    EXPECT_EQ(Track("50", PART_SAFETY), (Steps{{5, 35}, {10, 30}}));
    OpenArea(POPUP_RESEARCH_SAFETY, 100, 40, 90);
    EXPECT_EQ(Track("007", PART_SAFETY), (Steps{{0, 40}, {0, 40}, {7, 33}}));
}

TEST_F(ResearchKeys, AFullBufferStillRepaintsButChangesNothing) {
    OpenArea(POPUP_RESEARCH_ENGINE, 900, 500, 0);
    Type("0000123");
    ResetRepaints();
    Press(keys::PadDigit(4));
    EXPECT_EQ(PlayerResearch.Scientists[PART_ENGINE], 123);
    EXPECT_EQ(PlayerScientists.Unassigned, 377);
    EXPECT_EQ(Repaints(), 1);
}

// A saved game edited outside the game may break what the assignment relies
// on; the keys then neither invent scientists nor push a count below 0.
TEST_F(ResearchKeys, BrokenSavedStateNeverGoesNegativeOrGrowsTheSum) {
    OpenArea(POPUP_RESEARCH_BODY, 100, -10, 0);   // a free pool below 0
    Type("5");
    EXPECT_EQ(PlayerResearch.Scientists[PART_BODY], 0);
    EXPECT_EQ(PlayerScientists.Unassigned, -10);

    OpenArea(POPUP_RESEARCH_BODY, 100, 30, 120);  // the other areas over capacity
    Type("5");
    EXPECT_EQ(PlayerResearch.Scientists[PART_BODY], 0);
    EXPECT_EQ(PlayerScientists.Unassigned, 30);

    OpenArea(POPUP_RESEARCH_BODY, 100, 30, 0);    // an area count below 0 already
    PlayerResearch.Scientists[PART_BODY] = -20;
    Type("5");
    EXPECT_EQ(PlayerResearch.Scientists[PART_BODY], 5);
    EXPECT_EQ(PlayerScientists.Unassigned, 5);     // -20 + 30 stays the pair's sum
}

}  // namespace
