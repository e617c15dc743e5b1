// The advertising amounts and the research areas' scientists.

#include "input/input_fixture.h"

namespace {

using PopupKeys = InputTest;

i32& Amount(i32 block, i32 campaign) { return PlayerAdvertising.Block[block].Campaign[campaign].Amount; }

// An advert row of a medium popup: rows 1..6 type into blocks 3, 0, 1, 2, 4,
// 5, and medium m into campaign 5 - m of the block.
KeyRow Advert(const char* name, i32 popup, i32 row, Values given, const char* keys, i32& amount, std::vector<i32> seen,
              long repaints = -1) {
    return {name, SCREEN_GAME_ADVERTISING, popup, FOCUS_ADVERT_ROW_1 + row, PlayerAdvertising.InputBuffer,
            given, keys, &amount, seen, {}, repaints};
}

// A research area after its assign click (its scientists back in the pool):
// the laboratory's `capacity`, the free pool and the other areas' scientists.
KeyRow Area(const char* name, i32 popup, i32 capacity, i32 pool, i32 others, const char* keys, std::vector<i32> seen,
            i32 poolAfter, Values given = {}, long repaints = -1) {
    const i32 area = popup - POPUP_RESEARCH_BRAKES;
    Research& r = PlayerResearch;
    given = Join({{{r.LabCapacity, capacity}, {PlayerScientists.Unassigned, pool},
                   {r.Scientists[(area + 1) % kPartCategories], others}},
                  given});
    return {name, SCREEN_GAME_RESEARCH, popup, FOCUS_RESEARCH_SCIENTISTS, r.InputBuffer, given, keys,
            &r.Scientists[area], seen, {{PlayerScientists.Unassigned, poolAfter}}, repaints};
}

TEST_F(PopupKeys, AdvertAmountsTakeSixDigitsWithoutLimit) {
    RunKeys({
        Advert("radio row 1: block 3", POPUP_RADIO, 0, {}, "25", Amount(3, 3), {2, 25}),
        Advert("billboard row 2: block 0", POPUP_BILLBOARD, 1, {}, "9", Amount(0, 0), {9}),
        Advert("auto show row 6: block 5", POPUP_AUTO_SHOW, 5, {}, "j", Amount(5, 4), {9}),
        // The first digit replaces the shown amount; a seventh has no room but
        // is stored again and repainted once.
        Advert("television row 3", POPUP_TELEVISION, 2, {{Amount(1, 2), 5000}}, "79999911<<<<<<<", Amount(1, 2),
               {7, 79, 799, 7999, 79999, 799999, 799999, 799999, 79999, 7999, 799, 79, 7, 0, 0}),
        Advert("the seventh digit", POPUP_TELEVISION, 2, {{PlayerAdvertising.InputBuffer, "799999"}}, "1", Amount(1, 2),
               {799999}, 1),
    });
}

// Outside a medium's popup an advert row has no campaign: asked for one, it
// names none rather than a place past the block's campaigns.
TEST_F(PopupKeys, AnAdvertRowOutsideAMediumPopupStoresNowhere) {
    for (const FieldRow& field : TypedFields()) {
        if (field.focus < FOCUS_ADVERT_ROW_1 || field.focus > FOCUS_ADVERT_ROW_6) continue;
        for (const i32 popup : {i32{POPUP_NONE}, POPUP_AUTO_SHOW - 1, POPUP_BILLBOARD + 1}) {
            MainObj.Popup = popup;
            EXPECT_EQ(field.bound(), nullptr) << field.focus << " in " << popup;
        }
        MainObj.Popup = POPUP_RADIO;
        EXPECT_NE(field.bound(), nullptr) << field.focus;
    }
}

TEST_F(PopupKeys, ScientistsMoveBetweenTheOpenAreaAndTheFreePool) {
    RunKeys({
        Area("the free pool binds", POPUP_RESEARCH_BRAKES, 100, 40, 50, "250<<<<", {2, 25, 40, 25, 2, 0, 0}, 40),
        Area("the free pool almost binds", POPUP_RESEARCH_BRAKES, 100, 40, 50, "38", {3, 38}, 2),
        Area("the laboratory binds", POPUP_RESEARCH_SAFETY, 100, 40, 90, "35<", {3, 10, 3}, 37),
        Area("the laboratory binds at once", POPUP_RESEARCH_SAFETY, 100, 40, 90, "50", {5, 10}, 30),
        Area("leading zeros", POPUP_RESEARCH_SAFETY, 100, 40, 90, "007", {0, 0, 7}, 33),
        Area("a full buffer still repaints but changes nothing", POPUP_RESEARCH_ENGINE, 900, 500, 0, "0000123e",
             {0, 0, 0, 0, 1, 12, 123, 123}, 377, {}, 7 * 2 + 1),
        // A saved game edited outside the game may break what the assignment
        // relies on; the keys then neither invent scientists nor push a count
        // below 0.
        Area("a free pool below 0", POPUP_RESEARCH_BODY, 100, -10, 0, "5", {0}, -10),
        Area("the other areas over capacity", POPUP_RESEARCH_BODY, 100, 30, 120, "5", {0}, 30),
        Area("an area below 0 keeps the pair's sum", POPUP_RESEARCH_BODY, 100, 30, 0, "5", {5}, 5,
             {{PlayerResearch.Scientists[PART_BODY], -20}}),
    });
}

}  // namespace
