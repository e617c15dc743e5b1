#pragma once
// The part cost and rating tables, read from Data/paco.dat and Data/para.dat
// at every new game and after every load, and used only when a design is
// stored, to fix its unit cost and rating; nothing stored before is ever
// measured by them again, so a damaged table changes no saved game.
//
// A field is a number and nothing else: blanks, an optional sign, digits,
// blanks. A file missing or short, or with a field of any other bytes, is
// reported once on stderr, naming the file (and the first such field), and
// the game goes on with what was read: zeros for a missing file, the last
// field read repeated past a short file's end, and for any other field the
// number its first bytes spell after white space, or 0 when they spell none.

#include <cstdint>

#include "model/integers.h"

// Each figure of a table is spelled in a field of five bytes.
inline constexpr i32 kTableFieldWidth = 5;

// The bounds of a figure are the widest numbers a field spells.
inline constexpr i32 kLowestTableFigure = -9999;
inline constexpr i32 kHighestTableFigure = 99999;

// Bytes that spell `figure` in decimal, its minus sign included.
constexpr i32 SpelledWidth(std::int64_t figure) {
    i32 width = figure < 0 ? 2 : 1;
    for (std::int64_t rest = figure < 0 ? -figure : figure; rest >= 10; rest /= 10) ++width;
    return width;
}

static_assert(SpelledWidth(kHighestTableFigure) == kTableFieldWidth &&
                  SpelledWidth(kHighestTableFigure + std::int64_t{1}) > kTableFieldWidth,
              "the highest figure is the highest a field spells");
static_assert(SpelledWidth(kLowestTableFigure) == kTableFieldWidth &&
                  SpelledWidth(kLowestTableFigure - std::int64_t{1}) > kTableFieldWidth,
              "the lowest figure is the lowest a field spells");

void LoadPartCosts();
void LoadPartRates();
