#pragma once
// The program icon and the two pointer shapes.

#include "draw/icon_files.h"

namespace art {

std::vector<Sprite> DrawIcon();   // 32 x 32 and 16 x 16
Sprite DrawArrowPointer();        // hot spot (1, 1)
Sprite DrawHandPointer();         // hot spot at the finger tip, kHandHotSpot
inline constexpr int kHandHotX = 10;
inline constexpr int kHandHotY = 1;

}  // namespace art
