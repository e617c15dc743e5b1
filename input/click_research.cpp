// The research screen: a popup per research area (its scientists), the body
// types on offer and the laboratory's expansion. Here the open popup's tests
// come before the screen's own, so a click that closes a popup goes on to the
// screen with the same point, and an opening click never reaches a popup.

#include <algorithm>

#include "input/click_rules.h"
#include "model/body_type_offer.h"
#include "model/lab_expansion.h"

namespace clicks {
namespace {

using platform::Window;

constexpr Rule kResearch[] = {
    {CTRL_BACK, 1, GoTo<SCREEN_MENU_GAME>},
};

// ---- Body types

// The list of owned types has ten entries; a count beyond them reads ten.
i32 OwnedEntries() { return std::clamp(PlayerResearch.BodyTypesOffered, 0, kModelSlots); }

// The types on offer are 1..BodyTypesOffered; the price and the picture of
// the browsed one are looked up only while it is one of the nine there are.
bool PreviousBodyType(Window*, i32) {
    StepBack(PlayerResearch.BrowsedBodyType, BODY_FAMILY_WAGON, PlayerResearch.BodyTypesOffered);
    return true;
}

bool NextBodyType(Window*, i32) {
    StepForward(PlayerResearch.BrowsedBodyType, BODY_FAMILY_WAGON, PlayerResearch.BodyTypesOffered);
    return true;
}

// The browsed type at the price the popup offers it for, worked out here
// again so that a buy right after browsing, before any paint, still pays
// the browsed type's own price. The type goes into the first free entry of
// the owned list; with no free entry the purchase is refused, so the count
// never runs ahead of the list. A refusal leaves the screen as it is.
bool BuyBodyType(Window*, i32) {
    Research& lab = PlayerResearch;
    const i32 type = lab.BrowsedBodyType;
    i32 price = 0;
    if (!BrowsedBodyTypePrice(lab, price) || OwnsBodyType(lab, type)) return false;
    const i32 entries = OwnedEntries();
    i32 free = 0;
    for (i32 i = entries; i >= 1; --i)
        if (lab.OwnedBodyTypes[i] == 0) free = i;
    if (free == 0 || PlayerObj.Cash - price < 0) return false;
    lab.OwnedBodyTypes[free] = type;
    lab.BodyTypesOwned += 1;
    PlayerObj.Cash -= price;
    return true;
}

constexpr Rule kBodyTypes[] = {
    {CTRL_BODY_TYPES_PREVIOUS, 1, PreviousBodyType},
    {CTRL_BODY_TYPES_NEXT, 1, NextBodyType},
    {CTRL_BODY_TYPES_CLOSE, 1, Close},
    {CTRL_BODY_TYPES_BUY, 1, BuyBodyType},
};

// ---- Expanding the laboratory

// The laboratory grows while it is below nine hundred, and only with the
// money in hand: the month step cannot build or pay from below zero. An
// expansion that takes the last of the cash goes through.
bool ExpandLab(Window*, i32) {
    Research& lab = PlayerResearch;
    if (!LabExpandable(lab.LabCapacity) || PlayerObj.Cash < kLabStepPrice) return false;
    lab.LabCapacity += kLabStep;
    PlayerObj.Cash -= kLabStepPrice;
    return true;
}

constexpr Rule kExpand[] = {
    {CTRL_EXPAND_CLOSE, 1, Close},
    {CTRL_EXPAND_BUY, 1, ExpandLab},
};

// ---- Research areas

// The area's scientists go back to the free pool at once; the number typed
// next takes them from it again.
bool ScientistsField(Window*, i32) {
    MainObj.Focus = FOCUS_RESEARCH_SCIENTISTS;
    const i32 area = MainObj.Popup - POPUP_RESEARCH_BRAKES;
    if (area < PART_BRAKES || area > PART_SAFETY) return true;
    i32& working = PlayerResearch.Scientists[area];
    PlayerScientists.Unassigned += working;
    working = 0;
    return true;
}

constexpr Rule kArea[] = {
    {CTRL_AREA_CLOSE, 1, CloseDroppingFocus},
    {CTRL_AREA_OK, 1, CloseDroppingFocus},
    {CTRL_AREA_SCIENTISTS, 1, ScientistsField},
};

}  // namespace

void ClickResearch(Window* window) {
    if (MainObj.Popup == POPUP_BODY_TYPES) {
        Run(window, kBodyTypes);
    } else if (MainObj.Popup == POPUP_EXPAND_RESEARCH) {
        Run(window, kExpand);
    } else if (MainObj.Popup != POPUP_NONE) {
        Blank(PlayerResearch.InputBuffer);
        Run(window, kArea);
    }
    if (MainObj.Popup != POPUP_NONE) return;
    Run(window, kResearch);
    RunHoverAreas(window, SCREEN_GAME_RESEARCH);
}

}  // namespace clicks
