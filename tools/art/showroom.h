#pragma once
// The design screen's car box: a lit showroom floor. The car pieces are cut
// from a car drawn on this same showroom, so they join it without a seam.

#include "draw/canvas.h"

namespace art {

// The car box of the design screen, x 269..523, y 77..223.
inline constexpr Rect kCarBox{269, 77, 523, 223};
// Ground line of the cars inside the car box.
inline constexpr int kCarGround = 208;

void Showroom(Canvas& c);   // draws the box at its place on a screen-sized canvas

}  // namespace art
