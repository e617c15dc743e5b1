// Letters drawn pixel by pixel. At a 7 x 10 cell no outline face keeps the
// small figures font open, so all of it is set on the pixel grid: rows 1..8
// hold capitals, figures and ascenders, rows 3..8 the short letters; the
// descenders of g, j, p, q and y reach row 9. Row 0 stays paper, so the rows
// of a list written at its cell height never touch.
// The outline faces of the other fonts keep their letters open except for
// the widest ones, whose three stems blur their counters to grey in a
// narrow cell: those few are set on the grid too, on the outline face's
// x-height, leaving the cell's outer columns paper.
#include "art/glyphs.h"

#include <cstring>
#include <iterator>

namespace art {
namespace {

struct Raster {
    char C;
    int Top;               // cell row of the first line
    const char* Rows[9];   // '#' is ink; lines of equal width, centred in the cell
};

// clang-format off
constexpr Raster kLetters[] = {
    {'0', 1, {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", "#...#", ".###."}},
    {'1', 1, {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'2', 1, {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'3', 1, {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###."}},
    {'4', 1, {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "...#."}},
    {'5', 1, {"#####", "#....", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', 1, {"..##.", ".#...", "#....", "####.", "#...#", "#...#", "#...#", ".###."}},
    {'7', 1, {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#..."}},
    {'8', 1, {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'9', 1, {".###.", "#...#", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'-', 5, {".###."}},
    {'a', 3, {".###.", "....#", ".####", "#...#", "#..##", ".##.#"}},
    {'b', 1, {"#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'c', 3, {".###.", "#...#", "#....", "#....", "#...#", ".###."}},
    {'d', 1, {"....#", "....#", ".####", "#...#", "#...#", "#...#", "#...#", ".####"}},
    {'e', 3, {".###.", "#...#", "#####", "#....", "#...#", ".###."}},
    {'f', 1, {"..##.", ".#..#", ".#...", "####.", ".#...", ".#...", ".#...", ".#..."}},
    {'g', 3, {".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'h', 1, {"#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", "#...#"}},
    {'i', 1, {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'j', 1, {"...#.", ".....", "..##.", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'k', 1, {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'l', 1, {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'m', 3, {"###.##.", "#..#..#", "#..#..#", "#..#..#", "#..#..#", "#..#..#"}},
    {'n', 3, {"####.", "#...#", "#...#", "#...#", "#...#", "#...#"}},
    {'o', 3, {".###.", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'p', 3, {"####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}},
    {'q', 3, {".####", "#...#", "#...#", "#...#", ".####", "....#", "....#"}},
    {'r', 3, {"#.##.", "##..#", "#....", "#....", "#....", "#...."}},
    {'s', 3, {".####", "#....", "#....", ".###.", "....#", "####."}},
    {'t', 1, {".#...", ".#...", "####.", ".#...", ".#...", ".#...", ".#..#", "..##."}},
    {'u', 3, {"#...#", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'v', 3, {"#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'w', 3, {"#.....#", "#.....#", "#..#..#", "#..#..#", "#.#.#.#", ".#...#."}},
    {'x', 3, {"#...#", ".#.#.", "..#..", "..#..", ".#.#.", "#...#"}},
    {'y', 3, {"#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'z', 3, {"#####", "...#.", "..#..", ".#...", "#....", "#####"}},
};

// The dialogue font's m: two-pixel outer stems, a one-pixel middle one and
// two clear columns in each counter, on the face's x-height, rows 4..11.
constexpr Raster kDialogueLetters[] = {
    {'m', 4, {"####.##..", "##..#..##", "##..#..##", "##..#..##", "##..#..##", "##..#..##", "##..#..##", "##..#..##"}},
};

// The footer display's m and w, on its x-height, rows 3..9.
constexpr Raster kFooterLetters[] = {
    {'m', 3, {"##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}},
    {'w', 3, {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
};
// clang-format on

struct RasterSet {
    const Raster* First;
    int Count;
};

RasterSet RastersOf(char font) {
    switch (font) {
    case FONT_DSCHAR: return {kLetters, static_cast<int>(std::size(kLetters))};
    case FONT_DCHAR: return {kDialogueLetters, static_cast<int>(std::size(kDialogueLetters))};
    case FONT_LCHAR: return {kFooterLetters, static_cast<int>(std::size(kFooterLetters))};
    default: return {nullptr, 0};
    }
}

}  // namespace

bool DrawPixelLetter(Canvas& cell, char font, char c, Rgb ink) {
    const RasterSet set = RastersOf(font);
    for (int i = 0; i < set.Count; ++i) {
        const Raster& r = set.First[i];
        if (r.C != c) continue;
        for (int row = 0; row < 9 && r.Rows[row] != nullptr; ++row) {
            const int width = static_cast<int>(std::strlen(r.Rows[row]));
            const int left = (cell.Width() - width) / 2;
            for (int col = 0; col < width; ++col)
                if (r.Rows[row][col] == '#') cell.Set(left + col, r.Top + row, ink);
        }
        return true;
    }
    return false;
}

}  // namespace art
