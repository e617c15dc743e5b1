#include "art/scenery.h"

#include <algorithm>
#include <cmath>

#include "art/palette.h"

namespace art {

void SawtoothRoof(Canvas& c, Rect roof, int teeth, Rgb slope, Rgb glass) {
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

void Door(Canvas& c, Rect door, Rgb colour) {
    c.Fill(Grown(door, 2), Darker(colour, 0.45));
    c.FillVertical(door, Lighter(colour, 0.1), Darker(colour, 0.1));
    c.Fill({door.Left + door.Width() / 2, door.Top, door.Left + door.Width() / 2, door.Bottom}, Darker(colour, 0.35));
}

void SmallCar(Canvas& c, double x, double ground, double length, Rgb colour, bool facingLeft) {
    // An open tourer of the first motor years: a long bonnet behind a brass
    // radiator, a high body on a running board, a folded hood at the back and
    // tall spoked wheels under black wings.
    const double L = length;
    const double r = L * 0.16;   // wheel radius
    const double s = facingLeft ? 1.0 : -1.0;
    const double x0 = facingLeft ? x : x + L;
    const auto X = [&](double t) { return x0 + s * t * L; };
    const auto P = [&](double t, double up) { return Vec{X(t), ground - up * L}; };
    const Rgb black{34, 30, 28};
    const Rgb brass{204, 164, 72};
    const double axle = r / L;   // height of the axles, in lengths
    c.Ellipse(x + L / 2, ground, L * 0.55, std::max(1.5, L * 0.04), {0, 0, 0}, 0.25);
    // Chassis and running board.
    c.Polygon({P(0.06, axle + 0.02), P(0.96, axle + 0.02), P(0.96, axle - 0.03), P(0.06, axle - 0.03)}, black);
    // Bonnet and radiator.
    c.Polygon({P(0.05, axle + 0.02), P(0.05, axle + 0.17), P(0.3, axle + 0.18), P(0.3, axle + 0.02)}, Darker(colour, 0.12));
    c.Polygon({P(0.02, axle + 0.0), P(0.02, axle + 0.19), P(0.06, axle + 0.19), P(0.06, axle + 0.0)}, brass);
    // The body: a scuttle, the front seat and the raised rear seat.
    c.Polygon({P(0.3, axle + 0.02), P(0.3, axle + 0.2), P(0.5, axle + 0.2), P(0.52, axle + 0.27),
               P(0.9, axle + 0.28), P(0.95, axle + 0.18), P(0.93, axle + 0.02)},
              colour);
    c.Line(P(0.31, axle + 0.1), P(0.92, axle + 0.1), std::max(0.6, L * 0.012), Lighter(colour, 0.25));
    // Windscreen frame, steering wheel and the folded hood.
    c.Line(P(0.31, axle + 0.2), P(0.33, axle + 0.38), std::max(0.7, L * 0.014), brass);
    c.Line(P(0.4, axle + 0.22), P(0.36, axle + 0.3), std::max(0.7, L * 0.014), black);
    c.RoundRect(std::min(X(0.76), X(0.96)), ground - (axle + 0.36) * L, std::max(X(0.76), X(0.96)),
                ground - (axle + 0.26) * L, L * 0.03, black);
    // Lamp.
    c.Ellipse(X(0.08), ground - (axle + 0.22) * L, L * 0.025, L * 0.025, brass);
    // Wings over the wheels.
    for (double t : {0.2, 0.8}) {
        std::vector<Vec> wing;
        for (int i = 0; i <= 10; ++i) {
            const double a = 3.14159 * i / 10;
            wing.push_back({X(t) - std::cos(a) * r * 1.25, ground - r - std::sin(a) * r * 1.2});
        }
        c.Polyline(wing, std::max(1.0, L * 0.03), black);
    }
    // Spoked wheels.
    for (double t : {0.2, 0.8}) {
        c.Ellipse(X(t), ground - r, r, r, black);
        c.Ellipse(X(t), ground - r, r * 0.78, r * 0.78, {214, 196, 150});
        if (r > 4)
            for (int i = 0; i < 6; ++i) {
                const double a = 3.14159 * i / 6;
                c.Line({X(t) - std::cos(a) * r * 0.76, ground - r - std::sin(a) * r * 0.76},
                       {X(t) + std::cos(a) * r * 0.76, ground - r + std::sin(a) * r * 0.76}, 0.8, {120, 96, 60});
            }
        c.Ellipse(X(t), ground - r, r * 0.22, r * 0.22, brass);
    }
}

// A cast-iron street lamp with a gas lantern; `base` is where it stands.
void GasLamp(Canvas& c, double x, double base, double height) {
    const Rgb iron{44, 46, 48};
    c.Fill({static_cast<int>(x - 2), static_cast<int>(base - 4), static_cast<int>(x + 2), static_cast<int>(base)}, iron);
    c.Line({x, base - 3}, {x, base - height * 0.8}, std::max(1.0, height * 0.05), iron);
    c.Line({x - height * 0.1, base - height * 0.78}, {x + height * 0.1, base - height * 0.78}, 1.0, iron);
    c.Polygon({{x - height * 0.08, base - height * 0.8}, {x + height * 0.08, base - height * 0.8},
               {x + height * 0.11, base - height * 0.97}, {x - height * 0.11, base - height * 0.97}},
              {250, 226, 150});
    c.Polygon({{x - height * 0.13, base - height * 0.97}, {x + height * 0.13, base - height * 0.97}, {x, base - height * 1.07}},
              iron);
}

// A pitched slate roof over a wall from `left` to `right`, eaves at `eaves`.
void PitchedRoof(Canvas& c, double left, double right, double eaves, double ridge, Rgb slate) {
    c.Polygon({{left - 3, eaves}, {left + 6, ridge}, {right - 6, ridge}, {right + 3, eaves}}, slate);
    for (double y = ridge + 3; y < eaves; y += 3)
        c.Line({left + 6 - (y - ridge) / (eaves - ridge) * 9, y}, {right - 6 + (y - ridge) / (eaves - ridge) * 9, y}, 0.6,
               Darker(slate, 0.18));
    c.Line({left + 6, ridge}, {right - 6, ridge}, 1.5, Darker(slate, 0.35));
}

// Tall sash windows with white frames and a stone lintel, in rows.
void SashWindows(Canvas& c, Rect wall, int columns, int rows, Rgb lintel) {
    const double cw = static_cast<double>(wall.Width()) / columns;
    const double rh = static_cast<double>(wall.Height()) / rows;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < columns; ++col) {
            const double w = cw * 0.48;
            const double h = rh * 0.7;
            const double l = wall.Left + col * cw + (cw - w) / 2;
            const double t = wall.Top + row * rh + (rh - h) / 2;
            c.RoundRect(l - 2, t - 3, l + w + 2, t, 0.5, lintel);
            c.RoundRect(l - 1, t, l + w + 1, t + h + 1, 0.5, {240, 236, 224});
            c.RoundRectVertical(l + 0.5, t + 1, l + w - 0.5, t + h, 0.0, {70, 92, 104}, {120, 150, 160});
            c.Line({l, t + h / 2}, {l + w, t + h / 2}, 1.0, {240, 236, 224});
            c.Line({l + w / 2, t}, {l + w / 2, t + h}, 0.8, {240, 236, 224});
            c.RoundRect(l - 2, t + h + 1, l + w + 2, t + h + 2.5, 0.5, lintel);
        }
}

// A brick chimney stack with a drift of smoke.
void Chimney(Canvas& c, double x, double top, double bottom, double width, Rgb brick) {
    c.Fill({static_cast<int>(x), static_cast<int>(top), static_cast<int>(x + width), static_cast<int>(bottom)}, brick);
    c.Fill({static_cast<int>(x - 1), static_cast<int>(top), static_cast<int>(x + width + 1), static_cast<int>(top + 3)},
           Darker(brick, 0.4));
    c.Ellipse(x + width / 2 + 5, top - 6, 7, 4, {214, 214, 216}, 0.6);
    c.Ellipse(x + width / 2 + 13, top - 12, 9, 5, {224, 224, 226}, 0.45);
}

void CarElevation(Canvas& c, Rect sheet, Rgb paper, Rgb ink) {
    c.Fill(sheet, Darker(paper, 0.25));
    c.Fill(Grown(sheet, -1), paper);
    const double w = sheet.Width(), h = sheet.Height();
    const auto P = [&](double u, double v) { return Vec{sheet.Left + u * w, sheet.Top + v * h}; };
    // Body, bonnet and hood of the tourer, over two tall wheels.
    c.Polyline({P(0.1, 0.68), P(0.1, 0.5), P(0.34, 0.48), P(0.36, 0.36), P(0.6, 0.36), P(0.62, 0.26), P(0.82, 0.26),
                P(0.88, 0.44), P(0.9, 0.68), P(0.1, 0.68)},
               1.0, ink);
    c.Polyline({P(0.34, 0.48), P(0.32, 0.2)}, 0.8, ink);
    c.Polyline({P(0.66, 0.26), P(0.7, 0.1), P(0.86, 0.1), P(0.9, 0.26)}, 0.8, ink);
    const double r = std::min(w * 0.1, h * 0.17);
    for (const double u : {0.26, 0.74}) {
        const Vec hub = P(u, 0.86 - r / h);
        c.Ring(hub.X, hub.Y, r, 1.0, ink);
        c.Line({hub.X - r, hub.Y}, {hub.X + r, hub.Y}, 0.6, ink);
        c.Line({hub.X, hub.Y - r}, {hub.X, hub.Y + r}, 0.6, ink);
    }
    c.Line(P(0.05, 0.86), P(0.95, 0.86), 0.6, ink, 0.6);   // the ground line
    c.Ellipse(CentreX(sheet), sheet.Top + 3, 2, 2, {180, 50, 40});   // the drawing pin
}

}  // namespace art
