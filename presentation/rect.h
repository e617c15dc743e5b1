#pragma once
// A rectangle of the 800 x 600 window, inclusive on all four sides: a point
// (x, y) is inside when Left <= x <= Right and Top <= y <= Bottom. The screen
// layout gives every click area as one, and the picture generator draws in
// the same terms.

#include "model/integers.h"

struct Rect {
    i32 Left;
    i32 Top;
    i32 Right;
    i32 Bottom;

    constexpr i32 Width() const { return Right - Left + 1; }
    constexpr i32 Height() const { return Bottom - Top + 1; }
    constexpr bool Contains(i32 x, i32 y) const {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
};
