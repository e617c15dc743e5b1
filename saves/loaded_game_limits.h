#pragma once
// A slot file carries no check of its own, and a damaged or hand-made file
// can hold any number in any field. Every figure that later serves as an
// array index or a divisor, that the typed fields rely on, or that a month,
// a purchase or the bank adds to or multiplies is kept within bounds that no
// game begun by the program outgrows: so no edited file makes spending pay,
// no sum a month makes wraps, and no click fires people who are not
// employed. These are not the figures this company could have reached:
// inside them an edited file plays as edited. A file saved from a game the
// program began is left exactly as it was read. One edited to a bound,
// played on and saved may hold a figure the months pushed past it, and its
// next load brings that figure back to the bound. The cash and the savings
// are taken as written; the month's accounts are worked out anew.

// Runs over the records once a slot file has been read.
void KeepLoadedGameInRange();
