// What the body stands on: the wheels of each era, the chassis, and the
// wings and running boards of the cars built before the wings merged into
// the body.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/car_model.h"

namespace art::car {
namespace {

constexpr Rgb kTyre{28, 28, 30};
constexpr Rgb kIron{40, 40, 44};

// Adds the points of a circle arc around (x, h) to `out`, angles in degrees
// counter-clockwise from the tail's side (0) over the top (90) to the nose's
// side (180).
void Arc(std::vector<Vec>& out, double x, double h, double r, double from, double to, int steps = 16) {
    const std::vector<Vec> arc = ArcPoints(x, h, r, r, from, to, steps);
    out.insert(out.end(), arc.begin(), arc.end());
}

Rgb WingColour(const Car& car) {
    return car.Style->Wings == WingKind::Swept ? car.Colour : Rgb{34, 32, 34};
}

struct WingReach {
    double Front;   // how far ahead of the wheel's centre the wing comes down
    double Back;    // how far behind it
    double Rise;    // its top above the wheel's top
};

// One wing: a band over the wheel from the front of the wheel to where it
// meets the running board behind (front wing) or ahead (rear wing). Flat
// wings are thin and flat-topped, arched ones thicker, swept ones a full
// shape in the body's colour that covers the wheel's top.
void Wing(Canvas& c, const Car& car, double x, bool front) {
    const double r = car.WheelRadius;
    const double board = BoardHeight(car);
    std::vector<Vec> shape;
    switch (car.Style->Wings) {
    case WingKind::Flat: {
        // A thin guard, flat over the wheel, dropping straight to the board.
        const double top = 2 * r + 4;
        const double lead = front ? -1.0 : 1.0;   // toward the open end
        const std::vector<Vec> line{{x + lead * (r + 6), r + 9},
                                    {x + lead * (r + 1), top - 1},
                                    {x + lead * (r - 6), top + 1},
                                    {x - lead * (r - 6), top + 1},
                                    {x - lead * (r + 1), top - 3},
                                    {x - lead * (r + 12), board + 1}};
        c.Polyline(Screen(line), 3.2, WingColour(car));
        return;
    }
    case WingKind::Arched: {
        const double lead = front ? 1.0 : -1.0;   // toward the board
        std::vector<Vec> outer, inner;
        const double a0 = front ? 174.6 : 5.4;
        const double a1 = front ? 54.0 : 126.0;
        Arc(outer, x, r, r + 7, a0, a1);
        Arc(inner, x, r, r + 2, a0, a1);
        outer.push_back({x + lead * (r + 18), board + 2});
        inner.push_back({x + lead * (r + 18), board - 1});
        shape = outer;
        shape.insert(shape.end(), inner.rbegin(), inner.rend());
        c.Polygon(Screen(shape), WingColour(car));
        // The light along the wing's crown.
        std::vector<Vec> crown;
        Arc(crown, x, r, r + 6, 153.0, 81.0, 8);
        c.Polyline(Screen(crown), 1.0, {96, 96, 104}, 0.8);
        return;
    }
    case WingKind::Swept: {
        // A pontoon: the crown well above the wheel, running down into a
        // long tail toward the board; its lower edge is the wheel's arch. A
        // luxury car's rear wing is shorter than its front one and carries a
        // spat: a panel set just inside the wing's line, down to the hub, so
        // the tyre shows below it.
        const double lead = front ? 1.0 : -1.0;
        const bool spat = !front && car.Body == BODY_LUXURY;
        const double reachOpen = r + (front ? 10 : spat ? 8 : 12), reachBoard = r + (front ? 26 : spat ? 14 : 16);
        const double crown = 2 * r + (spat ? 6 : 8);
        const auto line = [&](double inset) {
            std::vector<Vec> points;
            for (int k = 0; k <= 24; ++k) {
                const double a = std::numbers::pi * k / 24;   // 0 at the open end, pi at the board
                const double reach = (a < std::numbers::pi / 2 ? reachOpen : reachBoard) - inset;
                const double d = -std::cos(a) * reach;         // from the open end toward the board
                points.push_back({x + lead * d, board + (crown - inset - board) * std::pow(std::sin(a), 0.8)});
            }
            return points;
        };
        std::vector<Vec> outer = line(0);
        // The wing's open tip stops just above the axle: the front wing's a
        // unit above it, so the tip ends behind the bumper blade and no
        // point of it hangs below the blade; the rear wing's two above.
        outer.front().Y = front ? r + 1 : r + 2;
        std::vector<Vec> under;
        Arc(under, x, r, r + 2, front ? 0.0 : 180.0, front ? 180.0 : 0.0);
        under.insert(under.begin(), {x + lead * (r + 3), board});
        // outer runs open end -> board end; under runs board end -> open end.
        shape = outer;
        shape.insert(shape.end(), under.begin(), under.end());
        Paint(c, Rounded(shape, 2.0), Darker(car.Colour, 0.1));
        if (spat) {
            const std::vector<Vec> skirt = line(3);
            Paint(c, skirt, Darker(car.Colour, 0.1));
            c.Polyline(Screen(skirt), 1.0, Darker(car.Colour, 0.45), 0.8);
            c.Line(At(skirt.front()), At(skirt.back()), 1.2, kChrome);
        }
        c.Polyline(Screen(outer), 1.3, Darker(car.Colour, 0.55), 0.9);
        std::vector<Vec> light(outer.begin() + 6, outer.begin() + 16);
        for (Vec& v : light) v.Y -= 1.5;
        c.Polyline(Screen(light), 1.0, Lighter(car.Colour, 0.45), 0.6);
        return;
    }
    case WingKind::Merged:
        return;
    }
}

// The truck's rear guard over its wheel, hung on the frame: a band while
// the wings stand apart; once they merge into the cab, a valance in the
// cab's paint round the dark arch, so the rear wheel sits in paint as the
// front one does.
void TruckGuard(Canvas& c, const Car& car) {
    const double r = car.WheelRadius, x = car.RearWheel;
    std::vector<Vec> guard;
    if (car.Style->Wings == WingKind::Merged) {
        // From the load box's floor down to the axle, on either side of the arch.
        const double top = 2 * r + 6, reach = r + 9;
        guard = {{x + reach, r - 1}, {x + reach, top}, {x - reach, top}, {x - reach, r - 1}};
        std::vector<double> round{1, 7, 7, 1};
        Arc(guard, x, r, r + 3, 180.0, 0.0);
        round.resize(guard.size(), 0.0);
        Paint(c, Rounded(guard, round), car.Colour);
        return;
    }
    Arc(guard, x, r, r + 5, 0.0, 180.0);
    Arc(guard, x, r, r + 2, 180.0, 0.0);
    c.Polygon(Screen(guard), car.Style->Wings == WingKind::Swept ? Darker(car.Colour, 0.1) : Rgb{34, 32, 34});
}

// The first truck drives its rear wheels by chain from a sprocket under
// the frame ahead of them.
bool ChainDriven(const Car& car) { return car.Era == ERA_1908 && car.Body == BODY_TRUCK; }

struct ChainSprockets {
    Vec Frame, Wheel;   // their centres
    double FrameRadius, WheelRadius;
};

ChainSprockets SprocketsOf(const Car& car) {
    const double r = car.WheelRadius;
    // The frame's sprocket clear of the join ahead of it, the wheel's a
    // little over half the wheel across.
    return {{car.RearWheel - 29, r + 4}, {car.RearWheel, r}, 4.5, r * 0.5};
}

}  // namespace

double BoardHeight(const Car& car) { return car.WheelRadius + 1; }

double FrameTop(const Car& car) { return car.WheelRadius * 2 - 2; }

std::string WheelName(const Car& car, double x) { return x == car.FrontWheel ? "front wheel" : "rear wheel"; }

double FrontWingTop(const Car& car, double x) {
    if (!car.Fenders) return 0;
    const double r = car.WheelRadius, d = x - car.FrontWheel;
    const double reach = car.Style->Wings == WingKind::Swept ? r + 8 : r + 6;
    if (std::abs(d) >= reach) return r;
    // A flat wing is level over its wheel; the others follow their arch.
    if (car.Style->Wings == WingKind::Flat) return 2 * r + 4;
    return r + std::sqrt(reach * reach - d * d);
}

void Wheel(Canvas& c, const Car& car, double x) {
    const Vec centre = At(x, car.WheelRadius);
    const double r = car.WheelRadius;
    const auto ring = [&](double k, Rgb colour) { c.Ellipse(centre.X, centre.Y, r * k, r * k, colour); };
    const auto spokes = [&](int n, double from, double to, double width, Rgb colour, double twist) {
        for (int i = 0; i < n; ++i) {
            const double a = i * 2 * std::numbers::pi / n;
            c.Line({centre.X + r * from * std::cos(a), centre.Y + r * from * std::sin(a)},
                   {centre.X + r * to * std::cos(a + twist), centre.Y + r * to * std::sin(a + twist)}, width, colour);
        }
    };
    // Early tyres are narrow: more of the wheel shows inside them. A
    // truck's first tyres are solid rubber on a steel rim.
    ring(1.0, kTyre);
    switch (car.Style->Wheels) {
    case WheelKind::Artillery:
        ring(0.8, car.Body == BODY_TRUCK ? Rgb{60, 60, 64} : Rgb{196, 160, 110});
        ring(0.7, {150, 112, 70});
        spokes(12, 0.16, 0.74, 1.8, {214, 184, 134}, 0);
        ring(0.2, {200, 160, 70});
        return;
    case WheelKind::Wire:
        ring(0.78, {200, 204, 208});
        ring(0.7, {150, 154, 160});
        spokes(18, 0.16, 0.72, 0.8, {226, 228, 232}, 0.35);
        spokes(18, 0.16, 0.72, 0.8, {226, 228, 232}, -0.35);
        ring(0.24, {226, 228, 230});
        ring(0.1, {120, 124, 130});
        return;
    case WheelKind::Pressed:
        ring(0.66, Darker(car.Colour, 0.05));
        for (int i = 0; i < 8; ++i) {
            const double a = i * std::numbers::pi / 4;
            c.Ellipse(centre.X + r * 0.48 * std::cos(a), centre.Y + r * 0.48 * std::sin(a), 1.1, 1.1, Darker(car.Colour, 0.4));
        }
        ring(0.36, kChrome);
        c.Ellipse(centre.X - r * 0.1, centre.Y - r * 0.1, r * 0.12, r * 0.12, {250, 250, 250}, 0.8);
        return;
    case WheelKind::Whitewall:
        c.Ring(centre.X, centre.Y, r * 0.72, r * 0.16, {236, 236, 230});
        ring(0.56, {178, 184, 190});
        ring(0.46, {214, 218, 222});
        c.Ellipse(centre.X - r * 0.12, centre.Y - r * 0.12, r * 0.15, r * 0.15, {250, 250, 250}, 0.7);
        return;
    case WheelKind::Trim:
        ring(0.6, {170, 176, 182});
        ring(0.5, {120, 126, 134});
        spokes(10, 0.18, 0.48, 1.2, {226, 228, 232}, 0);
        ring(0.16, kChrome);
        return;
    case WheelKind::Modern:
        ring(0.62, {150, 156, 164});
        ring(0.52, {96, 100, 108});
        spokes(5, 0.12, 0.5, 3.2, {170, 176, 184}, 0);
        ring(0.14, {60, 62, 66});
        return;
    }
}

void Wings(Canvas& c, const Car& car) {
    // A wing stands on the running board; a swept one reaches down over its
    // wheel's top, the truck's rear guard hangs on the frame over its wheel.
    const auto wing = [&](double x, bool front) {
        const std::string name = front ? "front wing" : "rear wing";
        HangsOn(c, car, name, car.Style->Wings == WingKind::Swept ? WheelName(car, x) : "board",
                [&](Canvas& on) { Wing(on, car, x, front); });
    };
    if (car.Body == BODY_TRUCK) HangsOn(c, car, "rear wing", "frame", [&](Canvas& on) { TruckGuard(on, car); });
    if (!car.Fenders) return;
    wing(car.FrontWheel, true);
    if (car.Body != BODY_TRUCK) wing(car.RearWheel, false);
    // The running board from wing to wing, a truck's to its cab, and the
    // dark apron between board and body.
    HangsOn(c, car, "board", "body", [&](Canvas& on) {
        const double r = car.WheelRadius, y = BoardHeight(car);
        const double from = car.FrontWheel + r + 10;
        const double to = car.Body == BODY_TRUCK ? NodeOf(car, 8).X : car.RearWheel - r - 8;
        const Vec nose = NodeOf(car, 0), tail = P(car, 9);   // a crew cab's longer back leaves it as it was
        const auto underside = [&](double x) { return nose.Y + (tail.Y - nose.Y) * (x - nose.X) / (tail.X - nose.X) + 1; };
        on.Polygon(Screen({{from + 4, y}, {to - 4, y}, {to - 4, underside(to - 4)}, {from + 4, underside(from + 4)}}),
                   car.Style->Wings == WingKind::Swept ? Darker(car.Colour, 0.3) : Rgb{46, 42, 40});
        const double thick = 1.5 + 2.0 * car.Style->Boards;
        FillBox(on, from, y + thick / 2, to, y - thick / 2,
                car.Style->Wings == WingKind::Swept ? Darker(car.Colour, 0.3) : Rgb{40, 36, 34});
        on.Line(At(from, y + thick / 2), At(to, y + thick / 2), 1.0, car.Style->Wings == WingKind::Swept ? kChrome : Rgb{120, 116, 110}, 0.8);
    });
}

void Chassis(Canvas& c, const Car& car) {
    const bool truck = car.Body == BODY_TRUCK;
    if (!car.Fenders && !truck) return;
    // The frame under the body, from the dumb irons to the tail. A truck's
    // rails run just under its wheels' tops, from under the cab to the load
    // box's end, so the box stands on them and the rear wheel rises behind.
    // Swept wings wrap down round the front of the chassis: its front end
    // starts behind them, or it would stick out under the grille.
    HangsOn(c, car, "frame", "body", [&](Canvas& on) {
        const double top = truck ? FrameTop(car) : std::min(NodeOf(car, 0).Y, NodeOf(car, 9).Y) + 1;
        const double from = truck && !car.Fenders                ? NodeOf(car, 8).X - 4
                          : car.Style->Wings == WingKind::Swept ? std::max(NodeOf(car, 0).X + 1, car.FrontWheel - car.WheelRadius)
                                                                 : NodeOf(car, 0).X + 1;
        const double to = truck ? LoadBox(car).back().X - 1 : NodeOf(car, 9).X - 2;
        FillBox(on, from, top, to, top - 5, kIron);
    });
    if (ChainDriven(car)) {
        // Chain drive: a sprocket on a bracket under the frame behind the
        // cab; its chain runs back to the rear wheel's hub (DriveChain).
        HangsOn(c, car, "chain drive", "frame", [&](Canvas& on) {
            const ChainSprockets s = SprocketsOf(car);
            const Vec at = At(s.Frame);
            on.Line(at, At(s.Frame.X, FrameTop(car) - 4), 2.4, kIron);
            on.Ellipse(at.X, at.Y, s.FrameRadius + 1, s.FrameRadius + 1, kIron);
            on.Ellipse(at.X, at.Y, s.FrameRadius - 1.5, s.FrameRadius - 1.5, {150, 150, 156});
            on.Ellipse(at.X, at.Y, 1.4, 1.4, kIron);
        });
    }
}

void DriveChain(Canvas& c, const Car& car) {
    if (!ChainDriven(car)) return;
    // The chain as one loop round both sprockets: over the frame sprocket's
    // front, along two straight runs and round the back of the big sprocket
    // bolted to the wheel's spokes. Steel links on a dark edge, so it reads
    // against the black tyre and frame and against the wooden spokes alike.
    const ChainSprockets s = SprocketsOf(car);
    const double dx = s.Wheel.X - s.Frame.X, dy = s.Wheel.Y - s.Frame.Y;
    const double heading = std::atan2(dy, dx);
    const double wrap = std::acos((s.FrameRadius - s.WheelRadius) / std::hypot(dx, dy));
    std::vector<Vec> loop;
    const auto arc = [&](Vec centre, double radius, double from, double to) {
        constexpr int kSteps = 12;
        for (int k = 0; k <= kSteps; ++k) {
            const double a = from + (to - from) * k / kSteps;
            loop.push_back({centre.X + radius * std::cos(a), centre.Y + radius * std::sin(a)});
        }
    };
    arc(s.Frame, s.FrameRadius, heading + wrap, heading + 2 * std::numbers::pi - wrap);
    arc(s.Wheel, s.WheelRadius, heading - wrap, heading + wrap);
    loop.push_back(loop.front());
    HangsOn(c, car, "drive chain", "rear wheel", [&](Canvas& on) {
        on.Polyline(Screen(loop), 2.8, kIron);
        on.Polyline(Screen(loop), 1.3, {176, 178, 184});
    });
}

}  // namespace art::car
