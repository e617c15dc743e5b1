#pragma once
// The world map: the six continents in their own outlines, each moved a
// little so that the map popup's factory and salon counts sit on it, and
// named in an old atlas's lettering.

#include "draw/canvas.h"

namespace art {

// Draws the map to fill `sea`. At the popup's own size (the box of the map
// popup) the continents carry their names; smaller, for the office wall, the
// same map is shrunk evenly and the spare rows are left to the sea.
void WorldMap(Canvas& c, Rect sea);

}  // namespace art
