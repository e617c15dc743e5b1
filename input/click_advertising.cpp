// The advertising screen: one popup per medium, each with six campaign rows
// of months (minus and plus) and a typed monthly amount.

#include "input/click_rules.h"

namespace clicks {
namespace {

using platform::Window;

constexpr Rule kAdvertising[] = {
    {CTRL_BACK, 1, GoTo<SCREEN_MENU_GAME>},
};

// A campaign without an amount runs for no months, in every block and medium.
bool CloseMedium(Window* window, i32 n) {
    for (AdvertisingBlock& block : PlayerAdvertising.Block)
        for (AdCampaign& campaign : block.Campaign)
            if (campaign.Amount == 0) campaign.Months = 0;
    return CloseDroppingFocus(window, n);
}

// The open medium's campaign of a row, or null while no medium is open.
AdCampaign* RowCampaign(i32 row) {
    const i32 medium = PopupMedium(MainObj.Popup);
    if (medium == 0) return nullptr;
    return &MediumCampaign(PlayerAdvertising.Block[kAdvertRowBlock[row]], medium);
}

// One month less or more, held at 0 going down and at the longest campaign
// going up; a count from a damaged record beyond the far end just steps by
// one.
bool FewerMonths(Window*, i32 row) {
    if (AdCampaign* campaign = RowCampaign(row)) {
        campaign->Months -= 1;
        if (campaign->Months < 0) campaign->Months = 0;
    }
    return true;
}

bool MoreMonths(Window*, i32 row) {
    if (AdCampaign* campaign = RowCampaign(row)) {
        campaign->Months += 1;
        if (campaign->Months > kMostAdvertMonths) campaign->Months = kMostAdvertMonths;
    }
    return true;
}

bool AmountField(Window*, i32 row) {
    MainObj.Focus = FOCUS_ADVERT_ROW_1 + row;
    return true;
}

constexpr Rule kMedium[] = {
    {CTRL_ADVERT_CLOSE_LEFT, 1, CloseMedium},
    {CTRL_ADVERT_CLOSE_RIGHT, 1, CloseMedium},
    {CTRL_ADVERT_MINUS_1, kAdBlocks, FewerMonths},
    {CTRL_ADVERT_PLUS_1, kAdBlocks, MoreMonths},
    {CTRL_ADVERT_AMOUNT_1, kAdBlocks, AmountField},
};

}  // namespace

// The screen's own rectangles only while no popup is open; a click that
// opens a medium goes on to its tests with the same point.
void ClickAdvertising(Window* window) {
    if (MainObj.Popup == POPUP_NONE) {
        Run(window, kAdvertising);
        RunHoverAreas(window, SCREEN_GAME_ADVERTISING);
    }
    if (MainObj.Popup == POPUP_NONE) return;
    Blank(PlayerAdvertising.InputBuffer);
    Run(window, kMedium);
}

}  // namespace clicks
