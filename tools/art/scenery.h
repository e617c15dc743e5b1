#pragma once
// Small pieces of scenery shared by the places: walls with windows, roofs,
// trees, clouds, people-free streets.

#include "draw/canvas.h"

namespace art {

// A wall with rows and columns of windows inside `wall` (margins included).
void WindowGrid(Canvas& c, Box wall, int columns, int rows, Rgb glass, Rgb frame, double margin = 6);
// A flat roof seen from above the front edge, with a parapet line.
void FlatRoof(Canvas& c, Box roof, Rgb colour);
// A saw-tooth factory roof of `teeth` glazed teeth.
void SawtoothRoof(Canvas& c, Box roof, int teeth, Rgb slope, Rgb glass);
void Tree(Canvas& c, double x, double base, double size);
void Cloud(Canvas& c, double x, double y, double size);
// A door with a frame.
void Door(Canvas& c, Box door, Rgb colour);
// A parked car seen from the side, simple (scenery only).
void SmallCar(Canvas& c, double x, double ground, double length, Rgb colour, bool facingLeft);

}  // namespace art
