// Pictures of the fifty parts and items in the design part lists: drums and
// discs, springs and dampers, engines by their cylinders, and the comfort and
// safety items. Each is 48 x 41 on the paper of the list rows.
#include <cmath>
#include <numbers>

#include "art/palette.h"
#include "art/scenes.h"
#include "draw/type.h"
#include "model/records.h"

namespace art {
namespace {

constexpr Rgb kSteel{130, 136, 144};
constexpr Rgb kDark{60, 62, 68};
constexpr Rgb kRed{196, 54, 44};
constexpr Rgb kBlue{60, 120, 190};
constexpr Rgb kYellow{236, 186, 40};

void Bolt(Canvas& c, double x, double y, double s) {
    c.Polygon({{x + 0.2 * s, y}, {x + 0.7 * s, y}, {x + 0.45 * s, y + 0.4 * s}, {x + 0.8 * s, y + 0.4 * s},
               {x + 0.15 * s, y + s}, {x + 0.35 * s, y + 0.55 * s}, {x, y + 0.55 * s}}, kYellow);
}

void Drum(Canvas& c, double x, double y, double r) {
    c.Ellipse(x, y, r, r, kDark);
    c.Ellipse(x, y, r * 0.82, r * 0.82, kSteel);
    c.Ellipse(x, y, r * 0.3, r * 0.3, kDark);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        c.Ellipse(x + r * 0.55 * std::cos(a), y + r * 0.55 * std::sin(a), r * 0.08, r * 0.08, kDark);
    }
}

void Disc(Canvas& c, double x, double y, double r) {
    c.Ellipse(x, y, r, r, {170, 176, 184});
    c.Ring(x, y, r * 0.72, r * 0.06, {140, 146, 154});
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        c.Ellipse(x + r * 0.72 * std::cos(a), y + r * 0.72 * std::sin(a), r * 0.06, r * 0.06, kDark);
    }
    c.Ellipse(x, y, r * 0.35, r * 0.35, kDark);
}

void Caliper(Canvas& c, double x, double y, double r) {
    c.RoundRect(x + r * 0.55, y - r * 0.7, x + r * 1.1, y + r * 0.1, 2, kRed);
}

void Coil(Canvas& c, double x, double top, double bottom, double r, Rgb colour) {
    std::vector<Vec> p;
    for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0;
        p.push_back({x + r * std::sin(t * 5 * 2 * std::numbers::pi), top + t * (bottom - top)});
    }
    c.Polyline(p, 2.0, colour);
}

void Damper(Canvas& c, double x, double top, double bottom, Rgb body) {
    const double mid = (top + bottom) / 2;
    c.Line({x, top}, {x, mid}, 2.0, kSteel);
    c.RoundRect(x - 4, mid - 2, x + 4, bottom, 2, body);
    c.Ellipse(x, top, 2.5, 2.5, kDark);
    c.Ellipse(x, bottom, 2.5, 2.5, kDark);
}

void Leaf(Canvas& c, double x0, double x1, double y, int leaves) {
    for (int i = 0; i < leaves; ++i) {
        const double inset = i * (x1 - x0) * 0.1;
        std::vector<Vec> p;
        for (int k = 0; k <= 12; ++k) {
            const double t = k / 12.0;
            p.push_back({x0 + inset + t * (x1 - x0 - 2 * inset), y + i * 3 + 6 * std::sin(t * std::numbers::pi)});
        }
        c.Polyline(p, 2.0, i == 0 ? kDark : kSteel);
    }
}

// An engine block with its cylinders: inline (upright), V or flat.
enum class Layout { Inline, Vee, Flat };
void Engine(Canvas& c, int cylinders, Layout layout, bool diesel) {
    const Rgb block{110, 118, 128};
    c.RoundRect(8, 22, 40, 36, 3, block);
    c.Ellipse(7, 29, 5, 5, kDark);
    if (layout == Layout::Inline) {
        const double w = 28.0 / cylinders;
        for (int i = 0; i < cylinders; ++i) c.RoundRect(10 + i * w, 8, 10 + (i + 0.8) * w, 22, 1.2, {150, 156, 164});
        c.Fill({9, 6, 39, 8}, kDark);
    } else if (layout == Layout::Vee) {
        const int side = cylinders / 2;
        for (int i = 0; i < side; ++i) {
            const double x = 12 + i * 26.0 / side;
            c.Polygon({{x, 22}, {x - 5, 10}, {x - 1, 8}, {x + 4, 20}}, {150, 156, 164});
            c.Polygon({{x + 4, 22}, {x + 9, 10}, {x + 5, 8}, {x, 20}}, {170, 176, 184});
        }
    } else {
        c.RoundRect(0, 24, 9, 31, 1, {150, 156, 164});
        c.RoundRect(0, 32, 9, 36, 1, {150, 156, 164});
        c.RoundRect(39, 24, 48, 31, 1, {150, 156, 164});
        c.RoundRect(39, 32, 48, 36, 1, {150, 156, 164});
    }
    if (diesel) {
        c.Polygon({{40, 4}, {44, 11}, {36, 11}}, {40, 40, 44});
        c.Ellipse(40, 12, 4, 4, {40, 40, 44});
    }
}

void Rotary(Canvas& c) {
    c.Ellipse(24, 20, 18, 14, kDark);
    c.Ellipse(24, 20, 15, 11, {170, 176, 184});
    c.Polygon({{24, 8}, {36, 27}, {12, 27}}, kRed);
    c.Ellipse(24, 21, 3, 3, kDark);
}

void SteeringWheel(Canvas& c, double x, double y, double r) {
    c.Ring(x, y, r, 3.0, kDark);
    c.Line({x - r, y}, {x + r, y}, 2.4, kDark);
    c.Line({x, y}, {x, y + r}, 2.4, kDark);
    c.Ellipse(x, y, r * 0.25, r * 0.25, kDark);
}

void Seat(Canvas& c, double x, double y, double s, Rgb colour) {
    c.RoundRect(x, y, x + s * 0.35, y + s, s * 0.12, colour);
    c.RoundRect(x, y + s * 0.65, x + s * 0.9, y + s, s * 0.12, Darker(colour, 0.1));
}

void CarFront(Canvas& c, Rgb bumper) {
    c.RoundRect(4, 12, 44, 30, 4, kBlue);
    c.RoundRect(10, 6, 38, 14, 3, {140, 180, 210});
    c.Ellipse(10, 20, 4, 3, {250, 236, 170});
    c.Ellipse(38, 20, 4, 3, {250, 236, 170});
    c.RoundRect(2, 28, 46, 34, 2, bumper);
    c.Fill({6, 34, 12, 38}, kDark);
    c.Fill({36, 34, 42, 38}, kDark);
}

void Brakes(Canvas& c, int part) {
    switch (part) {
    case 1: Drum(c, 24, 21, 13); c.Ring(24, 21, 16, 3, {150, 110, 70}); break;
    case 2: Drum(c, 24, 21, 16); c.Line({16, 14}, {14, 27}, 3, {150, 110, 70}); c.Line({32, 14}, {34, 27}, 3, {150, 110, 70}); break;
    case 3: Drum(c, 20, 21, 15); c.Line({34, 10}, {44, 10}, 2, kDark); c.Polygon({{42, 20}, {46, 28}, {38, 28}}, kBlue); c.Ellipse(42, 29, 4, 4, kBlue); break;
    case 4: Drum(c, 18, 22, 14); c.Ellipse(38, 14, 8, 8, kDark); c.Ellipse(38, 14, 6, 6, {200, 204, 210}); c.Line({32, 18}, {28, 20}, 2, kDark); break;
    case 5: for (int i = 0; i < 4; ++i) Drum(c, 13 + (i % 2) * 22, 11 + (i / 2) * 19, 8.5); break;
    case 6: Disc(c, 22, 21, 15); Caliper(c, 22, 21, 15); break;
    case 7: for (int i = 0; i < 4; ++i) { Disc(c, 13 + (i % 2) * 22, 11 + (i / 2) * 19, 8.5); } break;
    case 8: Disc(c, 20, 21, 15); c.RoundRect(26, 4, 42, 26, 3, kRed); c.Fill({30, 8, 38, 22}, Lighter(kRed, 0.3)); break;
    case 9: Disc(c, 20, 21, 15); Bolt(c, 30, 4, 16); break;
    default:
        Disc(c, 18, 21, 14);
        Bolt(c, 28, 2, 14);
        DrawText(c, {Face::SansBold, 11, kRed}, 26, 38, "abs");
        break;
    }
}

void Suspension(Canvas& c, int part) {
    switch (part) {
    case 1: Leaf(c, 4, 44, 14, 4); break;
    case 2: Coil(c, 24, 4, 37, 9, kBlue); break;
    case 3: Damper(c, 24, 4, 37, kDark); break;
    case 4: c.Polyline({{6, 8}, {34, 20}, {6, 32}}, 3.0, kDark); c.Ellipse(36, 20, 6, 6, kSteel); break;
    case 5: c.Polyline({{4, 10}, {26, 20}, {4, 30}}, 2.6, kDark); Coil(c, 34, 4, 36, 6, kBlue); break;
    case 6: for (int i = 0; i < 4; ++i) Coil(c, 9 + i * 10, 6, 34, 3.5, kBlue); break;
    case 7: Damper(c, 24, 4, 37, kBlue); c.Ellipse(34, 30, 3, 4, kBlue); break;
    case 8: Damper(c, 20, 4, 37, {200, 160, 40}); for (int i = 0; i < 3; ++i) c.Ring(34 + i * 3, 26 - i * 7, 2.5, 1.0, kDark); break;
    case 9: c.Ellipse(24, 14, 11, 11, {70, 150, 90}); c.Line({24, 25}, {24, 38}, 3, kSteel); c.Fill({14, 24, 34, 26}, kDark); break;
    default: Damper(c, 18, 4, 37, kDark); Bolt(c, 28, 6, 18); break;
    }
}

void Engines(Canvas& c, int part) {
    switch (part) {
    case 1: Engine(c, 2, Layout::Inline, false); break;
    case 2: Engine(c, 4, Layout::Flat, false); break;
    case 3: Engine(c, 4, Layout::Inline, false); break;
    case 4: Engine(c, 6, Layout::Inline, false); break;
    case 5: Engine(c, 6, Layout::Vee, false); break;
    case 6: Rotary(c); break;
    case 7: Engine(c, 8, Layout::Vee, false); break;
    case 8: Engine(c, 6, Layout::Vee, true); break;
    case 9: Engine(c, 4, Layout::Inline, true); break;
    default: Engine(c, 12, Layout::Vee, false); break;
    }
}

void Luxury(Canvas& c, int part) {
    switch (part) {
    case 1: c.Ellipse(24, 20, 16, 16, {30, 30, 32}); c.Ellipse(24, 20, 9, 9, kSteel); c.Ellipse(24, 20, 3, 3, kDark); break;
    case 2: c.Polygon({{6, 34}, {10, 8}, {38, 8}, {42, 34}}, {170, 210, 230}); c.Line({24, 34}, {14, 12}, 2.4, kDark); break;
    case 3: c.Ellipse(14, 20, 8, 8, {200, 160, 60}); c.Ellipse(14, 20, 3, 3, kPaper); c.Fill({20, 18, 36, 22}, {200, 160, 60}); c.Fill({30, 22, 33, 27}, {200, 160, 60}); Bolt(c, 32, 2, 14); break;
    case 4:
        c.RoundRect(8, 24, 40, 36, 3, kDark);
        for (int i = 0; i < 3; ++i) {
            std::vector<Vec> w;
            for (int k = 0; k <= 10; ++k) w.push_back({14.0 + i * 10 + 2 * std::sin(k * 0.9), 22.0 - k * 1.8});
            c.Polyline(w, 2.0, kRed);
        }
        break;
    case 5: Seat(c, 8, 8, 26, {150, 60, 50}); c.Polyline({{30, 38}, {44, 38}}, 2.0, kDark); c.Polygon({{44, 34}, {48, 38}, {44, 42}}, kDark); break;
    case 6: c.RoundRect(6, 10, 42, 34, 6, kWoodLight); c.RoundRect(10, 14, 28, 30, 3, {200, 180, 130}); c.Ellipse(35, 17, 3, 3, kDark); c.Ellipse(35, 27, 3, 3, kDark); break;
    case 7: SteeringWheel(c, 20, 20, 14); Bolt(c, 34, 4, 14); break;
    case 8:
        for (int i = 0; i < 3; ++i) {
            const double a = i * std::numbers::pi / 3;
            c.Line({24 - 15 * std::cos(a), 20 - 15 * std::sin(a)}, {24 + 15 * std::cos(a), 20 + 15 * std::sin(a)}, 2.4, kBlue);
        }
        c.Ellipse(24, 20, 3, 3, kBlue);
        break;
    case 9: c.RoundRect(12, 18, 36, 38, 3, {200, 160, 60}); c.Ring(24, 16, 8, 3.2, kSteel); c.Ellipse(24, 27, 3, 3, kDark); break;
    default: SteeringWheel(c, 24, 16, 12); c.Line({24, 28}, {34, 40}, 4, kDark); break;
    }
}

void Safety(Canvas& c, int part) {
    switch (part) {
    case 1: c.Polygon({{4, 34}, {10, 8}, {38, 8}, {44, 34}}, {150, 200, 226}); c.Line({12, 30}, {20, 12}, 2, {255, 255, 255}); break;
    case 2: c.RoundRect(8, 10, 40, 24, 5, kDark); c.RoundRect(10, 12, 38, 22, 4, {170, 210, 230}); c.Line({24, 24}, {24, 34}, 3, kDark); break;
    case 3: c.Ellipse(14, 20, 9, 11, {250, 236, 170}); c.Ring(14, 20, 9, 2, kDark); for (int i = -1; i <= 1; ++i) c.Line({26, 20.0 + i * 6}, {44, 20.0 + i * 10}, 2, {230, 200, 80}); break;
    case 4: c.RoundRect(12, 8, 36, 34, 4, kDark); c.RoundRect(15, 11, 33, 31, 3, kRed); c.Fill({15, 24, 33, 26}, Darker(kRed, 0.3)); break;
    case 5: Seat(c, 10, 4, 32, {150, 60, 50}); c.Line({12, 10}, {36, 34}, 3, kDark); break;
    case 6: CarFront(c, kYellow); break;
    case 7: c.RoundRect(4, 12, 44, 30, 4, kBlue); c.Ellipse(10, 20, 4, 3, kRed); c.Ellipse(38, 20, 4, 3, kRed); c.RoundRect(2, 28, 46, 34, 2, kYellow); break;
    case 8: Seat(c, 12, 12, 26, {150, 60, 50}); c.RoundRect(11, 2, 23, 11, 3, kYellow); break;
    case 9: Seat(c, 2, 8, 24, {150, 60, 50}); Seat(c, 24, 8, 24, {150, 60, 50}); c.Line({4, 12}, {22, 32}, 2.4, kDark); c.Line({26, 12}, {44, 32}, 2.4, kDark); break;
    default: SteeringWheel(c, 16, 24, 11); c.Ellipse(32, 16, 13, 12, {250, 250, 246}); c.Ring(32, 16, 12.5, 1.2, kSteel); break;
    }
}

}  // namespace

Canvas DrawPartIcon(int category, int part) {
    Canvas c(48, 41, kPaper);
    switch (category) {
    case PART_BRAKES: Brakes(c, part); break;
    case PART_SUSPENSION: Suspension(c, part); break;
    case PART_ENGINE: Engines(c, part); break;
    case PART_LUXURY: Luxury(c, part); break;
    default: Safety(c, part); break;
    }
    return c;
}

}  // namespace art
