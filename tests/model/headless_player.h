#pragma once
// A simple computer player for tests: it starts a game, hires, designs the
// best car its research allows, prices it by the sales rule's bands, grows
// its salons and ends months, all through the records, as the game's own
// actions would.

#include "model/records.h"

namespace headless {

// A fresh run: every record zeroed, the random sequence restarted, then a
// new game for company "tester" in `homeRegion`.
void StartGame(i32 homeRegion);

// The model's rating as this month's sales will count it.
i32 EffectiveRating(const Car& model);

// The highest prices that sell the whole stock, and a third of it.
i32 WholeStockPrice(const Car& model);
i32 OneThirdPrice(const Car& model);

// One month of the player's decisions followed by the month step.
void PlayMonth();

}  // namespace headless
