// The advertising screen's media popups and the research screen's popups.

#include "input/input_fixture.h"

namespace {

using MouseResearch = InputTest;

constexpr i32 kRowBlock[kAdBlocks] = {3, 0, 1, 2, 4, 5};

AdCampaign& Campaign(i32 block, i32 medium) { return MediumCampaign(PlayerAdvertising.Block[block], medium); }

TEST_F(MouseResearch, MediaPopups) {
    std::vector<ClickRow> rows = {
        // An opening click goes on into the medium popup beneath it.
        {"television and its left close", POPUP_NONE, {}, {Spot(300, 450)}, {{MainObj.Popup, POPUP_NONE}}},
        {"newspaper and its right close", POPUP_NONE, {}, {Spot(500, 455)}, {{MainObj.Popup, POPUP_NONE}}},
        {"television and the minus of row 5", POPUP_NONE, {{Campaign(4, MEDIUM_TELEVISION).Months, 5}},
         {Spot(375, 380)}, {{MainObj.Popup, POPUP_TELEVISION}, {Campaign(4, MEDIUM_TELEVISION).Months, 4}}},
        {"auto show", POPUP_NONE, {}, {Spot(150, 100)}, {{MainObj.Popup, POPUP_AUTO_SHOW}}},
        {"radio", POPUP_NONE, {}, {Spot(230, 250)}, {{MainObj.Popup, POPUP_RADIO}}},
        {"billboard", POPUP_NONE, {}, {Spot(550, 100)}, {{MainObj.Popup, POPUP_BILLBOARD}}},
        {"out to the main view", POPUP_NONE, {}, {Spot(20, 200)}, {{MainObj.Screen, SCREEN_GAME_MAIN}}},
        // Closing a medium ends every campaign without an amount.
        {"close", POPUP_RADIO,
         {{Campaign(0, MEDIUM_RADIO).Months, 12}, {Campaign(4, MEDIUM_BILLBOARD).Months, 3},
          {Campaign(5, MEDIUM_TELEVISION).Amount, 500}, {Campaign(5, MEDIUM_TELEVISION).Months, 6},
          {MainObj.Focus, FOCUS_ADVERT_ROW_2}, {PlayerAdvertising.InputBuffer, "500"}},
         {On(CTRL_ADVERT_CLOSE_RIGHT)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_NONE}, {PlayerAdvertising.InputBuffer, kBlankBuffer},
          {Campaign(0, MEDIUM_RADIO).Months, 0}, {Campaign(4, MEDIUM_BILLBOARD).Months, 0},
          {Campaign(5, MEDIUM_TELEVISION).Months, 6}},
         Asks::Background},
        // Only the end a button moves toward holds the count: one from a
        // damaged save beyond the other end steps by one.
        {"minus from beyond 48", POPUP_RADIO, {{Campaign(3, MEDIUM_RADIO).Months, 60}}, {On(CTRL_ADVERT_MINUS_1)},
         {{Campaign(3, MEDIUM_RADIO).Months, 59}}},
        {"plus from below 0", POPUP_RADIO, {{Campaign(3, MEDIUM_RADIO).Months, -5}}, {On(CTRL_ADVERT_PLUS_1)},
         {{Campaign(3, MEDIUM_RADIO).Months, -4}}},
    };
    // Each row steps the months of its block in the open medium, within 0 to 48.
    for (i32 medium = MEDIUM_AUTO_SHOW; medium <= MEDIUM_BILLBOARD; ++medium)
        for (i32 row = 0; row < kAdBlocks; ++row) {
            i32& months = Campaign(kRowBlock[row], medium).Months;
            const std::string name = "medium " + std::to_string(medium) + " row " + std::to_string(row);
            rows.push_back({name + " plus", medium, {{months, 47}},
                            {On(CTRL_ADVERT_PLUS_1, row), On(CTRL_ADVERT_PLUS_1, row)},
                            {{months, 48}, {Campaign(kRowBlock[row], medium % kMedia + 1).Months, 0},
                             {Campaign(kRowBlock[(row + 1) % kAdBlocks], medium).Months, 0}}});
            rows.push_back({name + " minus", medium, {{months, 1}},
                            {On(CTRL_ADVERT_MINUS_1, row), On(CTRL_ADVERT_MINUS_1, row)}, {{months, 0}}});
            rows.push_back({name + " amount", medium, {}, {On(CTRL_ADVERT_AMOUNT_1, row)},
                            {{MainObj.Focus, FOCUS_ADVERT_ROW_1 + row}}});
        }
    RunRows(SCREEN_GAME_ADVERTISING, {}, rows);
}

TEST_F(MouseResearch, AreasBodyTypesAndTheLaboratory) {
    Research& r = PlayerResearch;
    // A new game's two body types, browsing the first of `offered`.
    const auto bodyTypes = [](i32 offered) {
        Research& lab = PlayerResearch;
        return Values{{lab.OwnedBodyTypes[1], BODY_FAMILY_WAGON}, {lab.OwnedBodyTypes[2], BODY_TRUCK},
                      {lab.BodyTypesOwned, 2}, {lab.BodyTypesOffered, offered}, {lab.BrowsedBodyType, 1}};
    };
    std::vector<ClickRow> rows = {
        {"the area field frees its scientists", POPUP_RESEARCH_ENGINE,
         {{r.Scientists[PART_ENGINE], 40}, {PlayerScientists.Unassigned, 5}, {r.InputBuffer, "40"}},
         {On(CTRL_AREA_SCIENTISTS)},
         {{MainObj.Focus, FOCUS_RESEARCH_SCIENTISTS}, {r.Scientists[PART_ENGINE], 0},
          {PlayerScientists.Unassigned, 45}, {r.InputBuffer, kBlankBuffer}}},
        {"area close", POPUP_RESEARCH_LUXURY, {{MainObj.Focus, FOCUS_RESEARCH_SCIENTISTS}}, {On(CTRL_AREA_CLOSE)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_NONE}}, Asks::Background},
        {"area ok", POPUP_RESEARCH_LUXURY, {{MainObj.Focus, FOCUS_RESEARCH_SCIENTISTS}}, {On(CTRL_AREA_OK)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Focus, FOCUS_NONE}}, Asks::Background},

        {"previous body type wraps", POPUP_BODY_TYPES, bodyTypes(4), {On(CTRL_BODY_TYPES_PREVIOUS)},
         {{r.BrowsedBodyType, 4}}},
        {"next body type wraps", POPUP_BODY_TYPES, Join({bodyTypes(4), {{r.BrowsedBodyType, 4}}}),
         {On(CTRL_BODY_TYPES_NEXT)}, {{r.BrowsedBodyType, 1}}},
        // A type from a damaged save beyond the nine steps by one, is shown
        // as nothing and cannot be bought.
        {"previous from beyond the types", POPUP_BODY_TYPES,
         Join({bodyTypes(4), {{r.BrowsedBodyType, 12}, {PlayerObj.Cash, 1e7}}}),
         {On(CTRL_BODY_TYPES_PREVIOUS), On(CTRL_BODY_TYPES_BUY)},
         {{r.BrowsedBodyType, 11}, {r.BodyTypesOwned, 2}, {PlayerObj.Cash, 1e7}}, Asks::Nothing},
        {"an owned type is not bought again, and the refusal paints nothing", POPUP_BODY_TYPES,
         Join({bodyTypes(4), {{PlayerObj.Cash, 1e7}, {r.BodyTypePrice, 0}}}), {On(CTRL_BODY_TYPES_BUY)},
         {{r.BodyTypesOwned, 2}, {PlayerObj.Cash, 1e7}}, Asks::Nothing},
        {"the luxury body for exactly the money left", POPUP_BODY_TYPES,
         Join({bodyTypes(4),
               {{r.BrowsedBodyType, BODY_LUXURY}, {r.BodyTypePrice, 803700}, {PlayerObj.Cash, 803700.0}}}),
         {On(CTRL_BODY_TYPES_BUY)},
         {{r.OwnedBodyTypes[3], BODY_LUXURY}, {r.BodyTypesOwned, 3}, {PlayerObj.Cash, 0.0},
          {MainObj.Popup, POPUP_BODY_TYPES}},
         Asks::Repaint},
        {"one short of the price", POPUP_BODY_TYPES,
         Join({bodyTypes(4), {{r.BrowsedBodyType, BODY_SPORT}, {r.BodyTypePrice, 502500}, {PlayerObj.Cash, 502499.0}}}),
         {On(CTRL_BODY_TYPES_BUY)}, {{r.BodyTypesOwned, 2}}, Asks::Nothing},
        // A leftover entry beyond the owned count is not free either.
        {"no free entry", POPUP_BODY_TYPES,
         Join({bodyTypes(3), {{r.OwnedBodyTypes[3], BODY_RACE_CAR}, {r.BrowsedBodyType, BODY_SPORT},
                              {r.BodyTypePrice, 502500}, {PlayerObj.Cash, 1e7}}}),
         {On(CTRL_BODY_TYPES_BUY)}, {{r.BodyTypesOwned, 2}, {PlayerObj.Cash, 1e7}}, Asks::Nothing},
        {"body types close", POPUP_BODY_TYPES, {}, {On(CTRL_BODY_TYPES_CLOSE)}, {{MainObj.Popup, POPUP_NONE}}},

        {"the laboratory grows by a hundred for exactly the cash", POPUP_EXPAND_RESEARCH,
         {{r.LabCapacity, 800}, {PlayerObj.Cash, 50000.0}}, {On(CTRL_EXPAND_BUY)},
         {{r.LabCapacity, 900}, {PlayerObj.Cash, 0.0}}, Asks::Repaint},
        {"one unit short of the price: nothing changes", POPUP_EXPAND_RESEARCH,
         {{r.LabCapacity, 800}, {PlayerObj.Cash, 49999.0}}, {On(CTRL_EXPAND_BUY)},
         {{r.LabCapacity, 800}, {PlayerObj.Cash, 49999.0}, {MainObj.Popup, POPUP_EXPAND_RESEARCH}}, Asks::Nothing},
        {"below zero nothing is bought", POPUP_EXPAND_RESEARCH, {{r.LabCapacity, 100}, {PlayerObj.Cash, -3000.0}},
         {On(CTRL_EXPAND_BUY)}, {{r.LabCapacity, 100}, {PlayerObj.Cash, -3000.0}}, Asks::Nothing},
        {"any capacity below nine hundred grows", POPUP_EXPAND_RESEARCH,
         {{r.LabCapacity, 899}, {PlayerObj.Cash, 1e6}}, {On(CTRL_EXPAND_BUY)}, {{r.LabCapacity, 999}}, Asks::Repaint},
        {"up to nine hundred", POPUP_EXPAND_RESEARCH, {{r.LabCapacity, 100}, {PlayerObj.Cash, 1000000.0}},
         std::vector<Target>(9, On(CTRL_EXPAND_BUY)),
         {{r.LabCapacity, 900}, {PlayerObj.Cash, 600000.0}, {MainObj.Popup, POPUP_EXPAND_RESEARCH}},
         Asks::Nothing},
        {"the cash runs out before the laboratory does", POPUP_EXPAND_RESEARCH,
         {{r.LabCapacity, 100}, {PlayerObj.Cash, 120000.0}}, std::vector<Target>(3, On(CTRL_EXPAND_BUY)),
         {{r.LabCapacity, 300}, {PlayerObj.Cash, 20000.0}}, Asks::Nothing},
        // Closing goes on to the screen with the same point, where nothing lies.
        {"expand close", POPUP_EXPAND_RESEARCH, {}, {On(CTRL_EXPAND_CLOSE)},
         {{MainObj.Popup, POPUP_NONE}, {MainObj.Screen, SCREEN_GAME_RESEARCH}}},
    };
    // An opening click does not reach the popup's field below it.
    const i32 openers[][3] = {{200, 250, POPUP_RESEARCH_BRAKES}, {200, 350, POPUP_RESEARCH_SUSPENSION},
                              {100, 500, POPUP_RESEARCH_ENGINE}, {500, 235, POPUP_RESEARCH_BODY},
                              {480, 350, POPUP_RESEARCH_LUXURY}, {600, 500, POPUP_RESEARCH_SAFETY},
                              {560, 380, POPUP_RESEARCH_SAFETY}, {280, 150, POPUP_BODY_TYPES},
                              {500, 150, POPUP_EXPAND_RESEARCH}};
    for (const auto& opener : openers)
        rows.push_back({"opener at " + std::to_string(opener[0]) + "," + std::to_string(opener[1]), POPUP_NONE,
                        {{r.Scientists[PART_BODY], 40}}, {Spot(opener[0], opener[1])},
                        {{MainObj.Popup, opener[2]}, {r.Scientists[PART_BODY], 40}, {MainObj.Focus, FOCUS_NONE}}});
    RunRows(SCREEN_GAME_RESEARCH, {}, rows);
}

// Browsing on from an owned type and buying before any paint pays the new
// type's own price, not the owned one's 0.
TEST_F(MouseResearch, ABodyTypeBoughtBeforeAnyPaintPaysItsOwnPrice) {
    PlayerResearch.OwnedBodyTypes[1] = BODY_FAMILY_WAGON;
    PlayerResearch.OwnedBodyTypes[2] = BODY_TRUCK;
    PlayerResearch.BodyTypesOwned = 2;
    PlayerResearch.BodyTypesOffered = 4;
    PlayerResearch.BrowsedBodyType = BODY_TRUCK;
    PlayerObj.Cash = 1e7;
    Show(SCREEN_GAME_RESEARCH, POPUP_BODY_TYPES);
    ASSERT_EQ(PlayerResearch.BodyTypePrice, 0);
    Move(490, 300);
    PressButton();
    Move(500, 400);
    PressButton();
    EXPECT_EQ(PlayerResearch.OwnedBodyTypes[3], BODY_SPORT);
    EXPECT_EQ(PlayerObj.Cash, 1e7 - 502500);
}

}  // namespace
