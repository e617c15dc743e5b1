#pragma once
// A slot file carries no check of its own, and a damaged or hand-made file
// can hold any number in any field. The values that later serve as an array
// index or a divisor, that the typed fields rely on, or that a cost or an
// income multiplies are brought back into the ranges the game itself
// produces, so that no edited file makes spending pay. A file the game
// wrote is left exactly as it was read.

// Runs over the records right after a slot file has been read into them.
void KeepLoadedGameInRange();
