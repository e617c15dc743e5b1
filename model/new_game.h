#pragma once
// The records of a new game, January 1908, for the company named and the
// home region chosen (PlayerObj keeps both). Player::SetStartValues sets
// them, then shows the main view and loads the part tables.

void SetNewGameRecords();
