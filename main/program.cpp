// Velmara: a car maker's business game, one month per turn from 1908.

#include "main/game_start.h"

int main() { return RunGame(); }
