#pragma once
// The part cost and rating tables, read from Data/paco.dat and Data/para.dat
// at every new game and after every load.

void LoadPartCosts();
void LoadPartRates();
