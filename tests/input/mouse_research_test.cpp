// The advertising screen's media popups and the research screen's popups.

#include <cstring>

#include "input/input_fixture.h"

namespace {

constexpr i32 kRowBlock[kAdBlocks] = {3, 0, 1, 2, 4, 5};

AdCampaign& Campaign(i32 block, i32 medium) { return PlayerAdvertising.Block[block].Campaign[kMedia - medium]; }

struct MouseResearchTest : InputTest {
    // The body types of a new game, with `offered` on offer.
    void StartBodyTypes(i32 offered) {
        PlayerResearch.OwnedBodyTypes[1] = BODY_FAMILY_WAGON;
        PlayerResearch.OwnedBodyTypes[2] = BODY_TRUCK;
        PlayerResearch.BodyTypesOwned = 2;
        PlayerResearch.BodyTypesOffered = offered;
        PlayerResearch.BrowsedBodyType = 1;
    }
};

TEST_F(MouseResearchTest, EachMediumRowStepsTheMonthsOfItsBlockWithinZeroTo48) {
    for (i32 medium = MEDIUM_AUTO_SHOW; medium <= MEDIUM_BILLBOARD; ++medium) {
        Show(SCREEN_GAME_ADVERTISING, medium);
        for (i32 row = 0; row < kAdBlocks; ++row) {
            AdCampaign& campaign = Campaign(kRowBlock[row], medium);
            campaign.Months = 47;
            ClickOn(CTRL_ADVERT_PLUS_1, row);
            ClickOn(CTRL_ADVERT_PLUS_1, row);
            EXPECT_EQ(campaign.Months, 48) << medium << " " << row;
            campaign.Months = 1;
            ClickOn(CTRL_ADVERT_MINUS_1, row);
            ClickOn(CTRL_ADVERT_MINUS_1, row);
            EXPECT_EQ(campaign.Months, 0);
            ClickOn(CTRL_ADVERT_PLUS_1, row);
            ClickOn(CTRL_ADVERT_AMOUNT_1, row);
            EXPECT_EQ(MainObj.Focus, FOCUS_ADVERT_ROW_1 + row);
        }
        // Only the open medium's campaigns moved.
        for (i32 other = MEDIUM_AUTO_SHOW; other <= MEDIUM_BILLBOARD; ++other)
            for (i32 block = 0; block < kAdBlocks; ++block)
                EXPECT_EQ(Campaign(block, other).Months, other <= medium ? 1 : 0);
    }
}

TEST_F(MouseResearchTest, ClosingAMediumEndsEveryCampaignWithoutAnAmount) {
    Show(SCREEN_GAME_ADVERTISING, POPUP_RADIO);
    Campaign(0, MEDIUM_RADIO) = {0, 12};
    Campaign(4, MEDIUM_BILLBOARD) = {0, 3};
    Campaign(5, MEDIUM_TELEVISION) = {500, 6};
    MainObj.Focus = FOCUS_ADVERT_ROW_2;
    std::memcpy(PlayerAdvertising.InputBuffer, "500           ", kBufferSize);
    ClickOn(CTRL_ADVERT_CLOSE_RIGHT);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
    EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_ADVERTISING);
    EXPECT_EQ(PlayerAdvertising.InputBuffer[0], ' ');
    EXPECT_EQ(Campaign(0, MEDIUM_RADIO).Months, 0);
    EXPECT_EQ(Campaign(4, MEDIUM_BILLBOARD).Months, 0);
    EXPECT_EQ(Campaign(5, MEDIUM_TELEVISION).Months, 6);
}

TEST_F(MouseResearchTest, OpeningClicksGoOnIntoTheMediumPopup) {
    Show(SCREEN_GAME_ADVERTISING);
    Click(300, 450);   // television and its left close button
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    Click(500, 455);   // newspaper and its right close button
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);

    Campaign(4, MEDIUM_TELEVISION).Months = 5;
    Click(375, 380);   // television and the minus button of row 5
    EXPECT_EQ(MainObj.Popup, POPUP_TELEVISION);
    EXPECT_EQ(Campaign(4, MEDIUM_TELEVISION).Months, 4);

    Show(SCREEN_GAME_ADVERTISING);
    const struct {
        i32 x, y, popup;
    } openers[] = {{150, 100, POPUP_AUTO_SHOW}, {230, 250, POPUP_RADIO}, {550, 100, POPUP_BILLBOARD}};
    for (const auto& opener : openers) {
        Show(SCREEN_GAME_ADVERTISING);
        Click(opener.x, opener.y);
        EXPECT_EQ(MainObj.Popup, opener.popup);
    }
    Show(SCREEN_GAME_ADVERTISING);
    Click(20, 200);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_MAIN);
}

TEST_F(MouseResearchTest, ResearchAreasOpenAndTheirFieldFreesTheScientists) {
    const struct {
        i32 x, y, popup;
    } openers[] = {{200, 250, POPUP_RESEARCH_BRAKES}, {200, 350, POPUP_RESEARCH_SUSPENSION},
                   {100, 500, POPUP_RESEARCH_ENGINE}, {500, 235, POPUP_RESEARCH_BODY},
                   {480, 350, POPUP_RESEARCH_LUXURY}, {600, 500, POPUP_RESEARCH_SAFETY},
                   {560, 380, POPUP_RESEARCH_SAFETY}, {280, 150, POPUP_BODY_TYPES},
                   {500, 150, POPUP_EXPAND_RESEARCH}};
    for (const auto& opener : openers) {
        Show(SCREEN_GAME_RESEARCH);
        PlayerResearch.Scientists[PART_BODY] = 40;
        Click(opener.x, opener.y);
        EXPECT_EQ(MainObj.Popup, opener.popup) << opener.x << "," << opener.y;
        // An opening click does not reach the popup's field below it.
        EXPECT_EQ(PlayerResearch.Scientists[PART_BODY], 40);
        EXPECT_NE(MainObj.Focus, FOCUS_RESEARCH_SCIENTISTS);
    }

    Show(SCREEN_GAME_RESEARCH, POPUP_RESEARCH_ENGINE);
    PlayerResearch.Scientists[PART_ENGINE] = 40;
    PlayerScientists.Unassigned = 5;
    std::memcpy(PlayerResearch.InputBuffer, "40            ", kBufferSize);
    ClickOn(CTRL_AREA_SCIENTISTS);
    EXPECT_EQ(MainObj.Focus, FOCUS_RESEARCH_SCIENTISTS);
    EXPECT_EQ(PlayerResearch.Scientists[PART_ENGINE], 0);
    EXPECT_EQ(PlayerScientists.Unassigned, 45);
    EXPECT_EQ(PlayerResearch.InputBuffer[0], ' ');

    for (i32 close : {CTRL_AREA_CLOSE, CTRL_AREA_OK}) {
        Show(SCREEN_GAME_RESEARCH, POPUP_RESEARCH_LUXURY);
        MainObj.Focus = FOCUS_RESEARCH_SCIENTISTS;
        ClickOn(close);
        EXPECT_EQ(MainObj.Popup, POPUP_NONE);
        EXPECT_EQ(MainObj.Focus, FOCUS_NONE);
        EXPECT_EQ(MainObj.LastDrawnScreen, SCREEN_GAME_RESEARCH);
    }
}

TEST_F(MouseResearchTest, BodyTypesAreBrowsedAndBoughtOnce) {
    StartBodyTypes(4);
    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    ClickOn(CTRL_BODY_TYPES_PREVIOUS);
    EXPECT_EQ(PlayerResearch.BrowsedBodyType, 4);
    ClickOn(CTRL_BODY_TYPES_NEXT);
    EXPECT_EQ(PlayerResearch.BrowsedBodyType, 1);

    // An owned type cannot be bought again, and a refusal paints nothing.
    PlayerObj.Cash = 1e7;
    PlayerResearch.BodyTypePrice = 0;
    EXPECT_EQ(RepaintsOfPressOn(CTRL_BODY_TYPES_BUY), 0);
    EXPECT_EQ(PlayerResearch.BodyTypesOwned, 2);

    // The luxury body for exactly the money left.
    PlayerResearch.BrowsedBodyType = BODY_LUXURY;
    PlayerResearch.BodyTypePrice = 803700;
    PlayerObj.Cash = 803700.0;
    EXPECT_GT(RepaintsOfPressOn(CTRL_BODY_TYPES_BUY), 0);
    EXPECT_EQ(PlayerResearch.OwnedBodyTypes[3], BODY_LUXURY);
    EXPECT_EQ(PlayerResearch.BodyTypesOwned, 3);
    EXPECT_EQ(PlayerObj.Cash, 0.0);
    EXPECT_EQ(MainObj.Popup, POPUP_BODY_TYPES);

    PlayerResearch.BrowsedBodyType = BODY_SPORT;
    PlayerResearch.BodyTypePrice = 502500;
    PlayerObj.Cash = 502499.0;
    EXPECT_EQ(RepaintsOfPressOn(CTRL_BODY_TYPES_BUY), 0);
    EXPECT_EQ(PlayerResearch.BodyTypesOwned, 3);

    // Browsing on from an owned type and buying before any paint pays the
    // new type's own price, not the owned one's 0.
    PlayerObj.Cash = 1e7;
    PlayerResearch.BrowsedBodyType = BODY_TRUCK;
    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    ASSERT_EQ(PlayerResearch.BodyTypePrice, 0);
    Move(490, 300);
    PressButton();
    Move(500, 400);
    PressButton();
    EXPECT_EQ(PlayerResearch.OwnedBodyTypes[4], BODY_SPORT);
    EXPECT_EQ(PlayerObj.Cash, 1e7 - 502500);

    ClickOn(CTRL_BODY_TYPES_CLOSE);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
}

TEST_F(MouseResearchTest, ABodyTypeWithNoFreeEntryIsNotSold) {
    StartBodyTypes(3);
    PlayerResearch.OwnedBodyTypes[3] = BODY_RACE_CAR;   // left over, not counted
    PlayerResearch.BrowsedBodyType = BODY_SPORT;
    PlayerResearch.BodyTypePrice = 502500;
    PlayerObj.Cash = 1e7;
    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    EXPECT_EQ(RepaintsOfPressOn(CTRL_BODY_TYPES_BUY), 0);
    EXPECT_EQ(PlayerResearch.BodyTypesOwned, 2);
    EXPECT_EQ(PlayerObj.Cash, 1e7);
}

TEST_F(MouseResearchTest, TheLaboratoryGrowsToNineHundred) {
    PlayerResearch.LabCapacity = 100;
    PlayerObj.Cash = 100000.0;
    Show(SCREEN_GAME_RESEARCH, POPUP_EXPAND_RESEARCH);
    for (int i = 0; i < 8; ++i) EXPECT_GT(RepaintsOfPressOn(CTRL_EXPAND_BUY), 0);
    EXPECT_EQ(PlayerResearch.LabCapacity, 900);
    EXPECT_EQ(PlayerObj.Cash, 100000.0 - 8 * 50000.0);   // the money may run below zero
    EXPECT_EQ(RepaintsOfPressOn(CTRL_EXPAND_BUY), 0);
    EXPECT_EQ(PlayerResearch.LabCapacity, 900);
    EXPECT_EQ(MainObj.Popup, POPUP_EXPAND_RESEARCH);

    // Closing goes on to the screen with the same point, where nothing lies.
    ClickOn(CTRL_EXPAND_CLOSE);
    EXPECT_EQ(MainObj.Popup, POPUP_NONE);
    EXPECT_EQ(MainObj.Screen, SCREEN_GAME_RESEARCH);
}

}  // namespace
