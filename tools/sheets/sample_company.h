#pragma once
// The game the contact sheets show: a company fifteen years into play, with
// staff, money, models, factories, campaigns, research and a month's
// accounts, and two rivals, so that every screen and popup has names and
// figures to draw. Wide figures fill their fields, to show that they fit.

// Sets every record to the sample game; the interface state is left alone.
void SetUpSampleCompany();

// Writes saved games of the sample company into slots 1, 2 and 4 of
// Data/Saves below the working folder (slot 3 stays empty), stamped with
// fixed dates, for the save and load screens.
void WriteSampleSaves();
