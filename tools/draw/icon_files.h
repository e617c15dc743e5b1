#pragma once
// Windows icon and cursor files (.ico, .cur): 32-bit pictures with an alpha
// channel and the 1-bit mask that older readers use.

#include <string>
#include <vector>

#include "draw/canvas.h"

namespace art {

// A picture with coverage: Colour holds the colours, Alpha the opacity as
// grey (white = opaque). Both are drawn with the same shapes.
struct Sprite {
    Canvas Colour;
    Canvas Alpha;
};

Sprite EmptySprite(int size);

// An icon file holding the sprites (for example 32 x 32 and 16 x 16).
bool WriteIconFile(const std::string& path, const std::vector<Sprite>& sprites);
// A cursor file of one sprite with its hot spot.
bool WriteCursorFile(const std::string& path, const Sprite& sprite, int hotX, int hotY);

}  // namespace art
