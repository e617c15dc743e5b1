// The research and advertising popups: progress bars, body types and
// their price, part names, laboratory expansion and campaign rows.

#include <climits>

#include "model/body_type_offer.h"
#include "screens/screen_test.h"

namespace {

constexpr platform::Pixel kSegment = 0x00AA00;

struct ResearchPopups : ScreenTest {
    void SetUp() override {
        ScreenTest::SetUp();
        SetPhoto(p_GAME_research_loading, 2, 12, kSegment);
    }

    // Segments drawn along the bar's row.
    i32 Segments(i32 y) const {
        i32 count = 0;
        for (i32 x = 307; x < 800; x += 2) count += At(x, y) == kSegment ? 1 : 0;
        return count;
    }

    i32 BarAfter(i32 popup, i32 progress) {
        platform::FillCanvas(canvas(), kUntouched);
        MainObj.Popup = popup;
        PlayerResearch.ResearchProgress[popup - POPUP_RESEARCH_BRAKES] = progress;
        Paint::DrawLoading(canvas());
        return Segments(popup == POPUP_RESEARCH_BRAKES || popup == POPUP_RESEARCH_BODY ? 254 : 255);
    }
};

}  // namespace

TEST_F(ResearchPopups, ProgressBarGrowsTwoPixelsPerHundredPoints) {
    const struct { i32 popup, progress, segments; } bars[] = {
        {POPUP_RESEARCH_BRAKES, 0, 1},        {POPUP_RESEARCH_ENGINE, 9999, 100},
        {POPUP_RESEARCH_BODY, 399, 2},        // 200 points a segment
        {POPUP_RESEARCH_SUSPENSION, -150, 0}, {POPUP_RESEARCH_SUSPENSION, -50, 1},
        {POPUP_RESEARCH_SAFETY, INT_MAX, 100},   // a loaded progress stops at the bar's end
    };
    for (const auto& bar : bars) EXPECT_EQ(BarAfter(bar.popup, bar.progress), bar.segments) << bar.progress;
    ExpectDots({{505, 255, kSegment}, {505, 254, kUntouched}, {507, 255, kUntouched}});
    EXPECT_EQ(BarAfter(POPUP_RESEARCH_BRAKES, 0), 1);
    EXPECT_EQ(At(307, 254), kSegment);
    // Other popups have no bar.
    platform::FillCanvas(canvas(), kUntouched);
    MainObj.Popup = POPUP_BODY_TYPES;
    Paint::DrawLoading(canvas());
    EXPECT_EQ(Segments(254) + Segments(255), 0);
}

TEST_F(ResearchPopups, PartListsShowTheIconsOfTheResearchedParts) {
    for (i32 part = 1; part <= kPartsPerCategory; ++part) Mark(PartIconPicture(PART_LUXURY, part), 0x100 + part);
    MainObj.Popup = POPUP_LUXURY_PARTS;
    PlayerResearch.ResearchLevel[PART_LUXURY] = 3;
    Paint::DrawParts(canvas());
    ExpectDots({{221, 48, 0x101}, {221, 91, 0x102}, {221, 134, 0x103}, {221, 177, kUntouched}});

    PlayerResearch.ResearchLevel[PART_LUXURY] = 12;
    Paint::DrawParts(canvas());
    EXPECT_EQ(At(221, 435), 0x10Au);
}

TEST_F(ResearchPopups, BodyTypeOfferStoresThePriceThePlayerSeesAndPays) {
    Mark(p_GAME_research_body_type3l, 0x300001);
    Mark(p_GAME_research_body_type3d, 0x300002);
    PlayerResearch.OwnedBodyTypes[1] = BODY_FAMILY_WAGON;
    PlayerResearch.OwnedBodyTypes[2] = BODY_TRUCK;
    PlayerResearch.BodyTypesOffered = 3;
    PlayerResearch.BrowsedBodyType = BODY_SPORT;

    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    EXPECT_EQ(PlayerResearch.BodyTypePrice, 502500);
    ExpectDots({{332, 222, 0x300001}});
    ExpectAnchors({{TEXT_BODY_TYPE_PRICE, "502500 "}});   // drawn in the same paint

    PlayerResearch.OwnedBodyTypes[3] = BODY_SPORT;   // bought
    platform::FillCanvas(canvas(), kUntouched);      // as the popup's picture would
    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    EXPECT_EQ(PlayerResearch.BodyTypePrice, 0);
    ExpectDots({{332, 222, 0x300002}});
    ExpectAnchors({{TEXT_BODY_TYPE_PRICE, "0      "}});

    // Outside 1..9 nothing is drawn and the price stays.
    PlayerResearch.BodyTypePrice = 1234;
    PlayerResearch.BrowsedBodyType = 10;
    Paint::DrawBodyTypes(canvas());
    EXPECT_EQ(PlayerResearch.BodyTypePrice, 1234);
    // Another popup leaves it alone too.
    PlayerResearch.BrowsedBodyType = BODY_RACE_CAR;
    MainObj.Popup = POPUP_EXPAND_RESEARCH;
    Paint::DrawBodyTypes(canvas());
    EXPECT_EQ(PlayerResearch.BodyTypePrice, 1234);
}

TEST_F(ResearchPopups, OwnedBodyTypesAreSearchedOnlyWithinTheRecord) {
    Research research{};
    research.BrowsedBodyType = BODY_RACE_CAR;
    research.BodyTypesOffered = 1000;   // as a damaged save might hold
    i32 price = -1;
    ASSERT_TRUE(BrowsedBodyTypePrice(research, price));
    EXPECT_EQ(price, 3325000);
    research.OwnedBodyTypes[kModelArray - 1] = BODY_RACE_CAR;
    EXPECT_TRUE(OwnsBodyType(research, BODY_RACE_CAR));
    research.BodyTypesOffered = 9;
    EXPECT_FALSE(OwnsBodyType(research, BODY_RACE_CAR));
    EXPECT_EQ(BodyTypeResearchPrice(BODY_LUXURY), 803700);
    EXPECT_EQ(BodyTypeResearchPrice(BODY_FAMILY_SEDAN), 705900);
    EXPECT_EQ(BodyTypeResearchPrice(0), 0);
}

TEST_F(ResearchPopups, AreaPopupsNameTheResearchedParts) {
    PlayerResearch.ResearchLevel[PART_BRAKES] = 1;
    PlayerResearch.Scientists[PART_BRAKES] = 0;
    MainObj.Popup = POPUP_RESEARCH_BRAKES;
    Paint::DrawSlotTexts(canvas());
    ExpectAnchors({{TEXT_AREA_SCIENTISTS, "  0"}});
    ExpectCells({{279, 284, 10, FONT_DSCHAR, "external drum brakes "}});
    ExpectDots({{279, 294, kUntouched}});

    PlayerResearch.ResearchLevel[PART_BRAKES] = 10;
    Paint::DrawSlotTexts(canvas());
    ExpectCells({{279, 374, 10, FONT_DSCHAR, "electrical brakes with abs"}});

    // The body area shows its scientists only.
    platform::FillCanvas(canvas(), kUntouched);
    PlayerResearch.ResearchLevel[PART_BODY] = 5;
    PlayerResearch.Scientists[PART_BODY] = 120;
    MainObj.Popup = POPUP_RESEARCH_BODY;
    Paint::DrawSlotTexts(canvas());
    ExpectAnchors({{TEXT_AREA_SCIENTISTS, "120"}});
    ExpectDots({{279, 284, kUntouched}});
}

TEST_F(ResearchPopups, ExpansionOfferGivesWayToItsPatchAtFullCapacity) {
    Mark(p_GAME_research_expand_clean, 0x00EEEE);
    MainObj.Popup = POPUP_EXPAND_RESEARCH;
    PlayerResearch.LabCapacity = 800;
    Paint::DrawSlotTexts(canvas());
    ExpectAnchors({{TEXT_LAB_CAPACITY, "800"}, {TEXT_LAB_OFFER, "900"}});
    ExpectDots({{278, 282, kUntouched}});

    PlayerResearch.LabCapacity = 900;
    Paint::DrawSlotTexts(canvas());
    ExpectAnchors({{TEXT_LAB_CAPACITY, "900"}});
    ExpectDots({{278, 282, 0x00EEEE}});
}

TEST_F(ResearchPopups, CampaignRowsShowBlocksInTheirFixedOrder) {
    // Television is campaign 5 - 3 = 2 of each block.
    for (i32 block = 0; block < kAdBlocks; ++block) {
        PlayerAdvertising.Block[block].Campaign[2] = AdCampaign{1000 * (block + 1), block + 1};
        PlayerAdvertising.Block[block].Campaign[0] = AdCampaign{777777, 77};   // billboard
    }
    MainObj.Popup = POPUP_TELEVISION;
    Paint::DrawSlotTexts(canvas());
    const i32 blockOfRow[kAdBlocks] = {3, 0, 1, 2, 4, 5};
    for (i32 row = 0; row < kAdBlocks; ++row) {
        const std::string months = " " + std::to_string(blockOfRow[row] + 1);
        const std::string amount = "  " + std::to_string(1000 * (blockOfRow[row] + 1));
        EXPECT_EQ(ReadAt(TEXT_ADVERT_MONTHS_1 + row), months) << row;
        EXPECT_EQ(ReadAt(TEXT_ADVERT_AMOUNT_1 + row), amount) << row;
    }

    // No campaign: a single 0 at the right edge of every cell.
    PlayerAdvertising = Advertising{};
    MainObj.Popup = POPUP_AUTO_SHOW;
    platform::FillCanvas(canvas(), kUntouched);
    Paint::DrawSlotTexts(canvas());
    ExpectAnchors({{TEXT_ADVERT_MONTHS_1 + 5, " 0"}, {TEXT_ADVERT_AMOUNT_1, "     0"}});
}
