#pragma once
// A simple computer player for tests: it starts a game, hires, designs the
// best car its research allows, tries prices against the month's demand,
// grows its salons and ends months, all through the records, as the game's
// own actions would.

#include "model/records.h"

namespace headless {

// A fresh run: every record zeroed, the random sequence restarted, then a
// new game for company "tester" in `homeRegion`.
void StartGame(i32 homeRegion);

// One month of the player's decisions followed by the month step.
void PlayMonth();

}  // namespace headless
