#pragma once
// A small stylised world map: six land masses placed around the spots where
// the map popup writes each region's factory and salon counts.

#include "draw/canvas.h"

namespace art {

// Draws the sea in `sea` and the land masses; `scale` shrinks the map about
// the box's top-left for the office wall map (1 = the popup's own map).
void WorldMap(Canvas& c, Box sea, double scale, Vec offset);

}  // namespace art
