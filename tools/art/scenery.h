#pragma once
// Small pieces of scenery shared by the places: windows, roofs, chimneys,
// trees, clouds, lamps and motor cars of the company's first years.

#include "draw/canvas.h"

namespace art {

// A saw-tooth factory roof of `teeth` glazed teeth.
void SawtoothRoof(Canvas& c, Rect roof, int teeth, Rgb slope, Rgb glass);
void Tree(Canvas& c, double x, double base, double size);
void Cloud(Canvas& c, double x, double y, double size);
// A door with a frame.
void Door(Canvas& c, Rect door, Rgb colour);
// A motor car of the company's first years seen from the side, simple
// (scenery only).
void SmallCar(Canvas& c, double x, double ground, double length, Rgb colour, bool facingLeft);
void GasLamp(Canvas& c, double x, double base, double height);
// A pitched slate roof over a wall from `left` to `right`, eaves at `eaves`.
void PitchedRoof(Canvas& c, double left, double right, double eaves, double ridge, Rgb slate);
// Rows of white-framed sash windows under stone lintels, filling `wall`.
void SashWindows(Canvas& c, Rect wall, int columns, int rows, Rgb lintel);
// A brick chimney stack from `top` to `bottom` with a drift of smoke.
void Chimney(Canvas& c, double x, double top, double bottom, double width, Rgb brick);

// A sheet pinned to a wall with the side elevation of an early tourer drawn
// on it in `ink`: a blueprint or a pencil drawing.
void CarElevation(Canvas& c, Rect sheet, Rgb paper, Rgb ink);

}  // namespace art
