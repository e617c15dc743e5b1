#pragma once
// A slot file carries no check of its own, and a damaged or hand-made file
// can hold any number in any field. Every figure that later serves as an
// array index or a divisor, that the typed fields rely on, or that a month,
// a purchase or the bank adds to or multiplies is kept within bounds that no
// game outgrows: so no edited file makes spending pay, no sum a month makes
// wraps, and no click fires people who are not employed. These are not the
// figures this company could have reached: inside them an edited file plays
// as edited. A file the game wrote is left exactly as it was read. The cash
// and the savings are taken as written; the month's accounts are worked out
// anew.

// Runs over the records once a slot file has been read.
void KeepLoadedGameInRange();
