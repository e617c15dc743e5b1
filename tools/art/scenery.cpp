#include "art/scenery.h"

#include <cmath>

#include "art/palette.h"

namespace art {

void WindowGrid(Canvas& c, Box wall, int columns, int rows, Rgb glass, Rgb frame, double margin) {
    const double cw = (wall.Width() - 2 * margin) / columns;
    const double rh = (wall.Height() - 2 * margin) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const double x = wall.Left + margin + col * cw;
            const double y = wall.Top + margin + row * rh;
            const double w = cw * 0.62;
            const double h = rh * 0.66;
            const double ox = (cw - w) / 2;
            c.RoundRect(x + ox - 1, y - 1, x + ox + w + 1, y + h + 1, 0.5, frame);
            c.RoundRectVertical(x + ox, y, x + ox + w, y + h, 0.0, Lighter(glass, 0.25), Darker(glass, 0.15));
            c.Line({x + ox + w * 0.25, y + h * 0.15}, {x + ox + w * 0.1, y + h * 0.5}, 1.0, {255, 255, 255}, 0.35);
        }
    }
}

void FlatRoof(Canvas& c, Box roof, Rgb colour) {
    c.FillVertical(roof, Lighter(colour, 0.12), colour);
    c.Fill({roof.Left, roof.Bottom - 2, roof.Right, roof.Bottom}, Darker(colour, 0.35));
    c.Fill({roof.Left, roof.Top, roof.Right, roof.Top}, Darker(colour, 0.2));
}

void SawtoothRoof(Canvas& c, Box roof, int teeth, Rgb slope, Rgb glass) {
    c.Fill({roof.Left, roof.Bottom - 3, roof.Right, roof.Bottom}, Darker(slope, 0.3));
    const double w = static_cast<double>(roof.Width()) / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double x = roof.Left + i * w;
        c.Polygon({{x, roof.Bottom - 2.0}, {x + w * 0.78, roof.Top + 0.0}, {x + w * 0.78, roof.Bottom - 2.0}}, slope);
        c.Polygon({{x + w * 0.78, roof.Top + 0.0}, {x + w, roof.Bottom - 2.0}, {x + w * 0.78, roof.Bottom - 2.0}}, glass);
        c.Line({x, roof.Bottom - 2.0}, {x + w * 0.78, roof.Top + 0.0}, 1.0, Lighter(slope, 0.25));
    }
}

void Tree(Canvas& c, double x, double base, double size) {
    c.Fill({static_cast<int>(x - size * 0.08), static_cast<int>(base - size * 0.45), static_cast<int>(x + size * 0.08),
            static_cast<int>(base)}, kWood);
    c.Ellipse(x + size * 0.06, base - size * 0.02, size * 0.32, size * 0.07, {0, 0, 0}, 0.18);
    c.Ellipse(x, base - size * 0.72, size * 0.36, size * 0.4, Darker(kGrassDark, 0.15));
    c.Ellipse(x - size * 0.16, base - size * 0.62, size * 0.24, size * 0.26, kGrassDark);
    c.Ellipse(x + size * 0.14, base - size * 0.82, size * 0.22, size * 0.24, Lighter(kGrassDark, 0.12));
}

void Cloud(Canvas& c, double x, double y, double size) {
    const Rgb white{250, 250, 252};
    c.Ellipse(x, y, size * 0.9, size * 0.32, white, 0.9);
    c.Ellipse(x - size * 0.35, y - size * 0.15, size * 0.4, size * 0.3, white, 0.9);
    c.Ellipse(x + size * 0.25, y - size * 0.22, size * 0.45, size * 0.36, white, 0.9);
}

void Door(Canvas& c, Box door, Rgb colour) {
    c.Fill(door.Grown(2), Darker(colour, 0.45));
    c.FillVertical(door, Lighter(colour, 0.1), Darker(colour, 0.1));
    c.Fill({door.Left + door.Width() / 2, door.Top, door.Left + door.Width() / 2, door.Bottom}, Darker(colour, 0.35));
}

void SmallCar(Canvas& c, double x, double ground, double length, Rgb colour, bool facingLeft) {
    const double h = length * 0.3;
    const double s = facingLeft ? 1.0 : -1.0;
    const double x0 = facingLeft ? x : x + length;
    const auto X = [&](double t) { return x0 + s * t * length; };
    c.Ellipse(x + length / 2, ground, length * 0.55, 3, {0, 0, 0}, 0.25);
    c.RoundRect(std::min(X(0), X(1)), ground - h * 0.62, std::max(X(0), X(1)), ground - h * 0.12, h * 0.15, colour);
    c.Polygon({{X(0.25), ground - h * 0.6}, {X(0.36), ground - h}, {X(0.72), ground - h}, {X(0.84), ground - h * 0.6}},
              Darker(colour, 0.1));
    c.Polygon({{X(0.3), ground - h * 0.62}, {X(0.39), ground - h * 0.92}, {X(0.53), ground - h * 0.92}, {X(0.53), ground - h * 0.62}}, kGlass);
    c.Polygon({{X(0.57), ground - h * 0.62}, {X(0.57), ground - h * 0.92}, {X(0.7), ground - h * 0.92}, {X(0.79), ground - h * 0.62}}, kGlass);
    for (double t : {0.2, 0.8}) {
        c.Ellipse(X(t), ground - h * 0.12, h * 0.2, h * 0.2, {30, 30, 32});
        c.Ellipse(X(t), ground - h * 0.12, h * 0.09, h * 0.09, kMetal);
    }
}

}  // namespace art
