// The design screen's car: nine body types, each drawn in the style of its
// era, from boxy 1908 to low and smooth 1983. A car is one silhouette per body
// type and era; the three pieces the player picks are cut from it at the
// joins (x 362 and 430 on the screen), and each piece's variants change only
// what lies inside that piece (lamps and bonnet in front, roof and trim in the
// middle, tail and lamps at the rear), so any three pieces make one car.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace art {
namespace {

constexpr int kPoints = 10;
using Outline = std::array<Vec, kPoints>;   // (x from the nose, height above ground)

// Outline of the body's side, nose at the left: bottom of the nose, nose top,
// bonnet front, cowl, roof front, roof rear, deck, tail top, tail, bottom of
// the tail. One at the type's first era, one in 1983; the eras between blend.
struct BodyShape {
    Outline First;
    Outline Last;
    Rgb Colour;
    double FrontWheel;
    double RearWheel;
};

const BodyShape kShapes[kBodyTypeCount] = {
    // Family wagon: a tall depot wagon that becomes a low estate.
    {{{{6, 18}, {6, 58}, {10, 60}, {76, 56}, {84, 104}, {240, 104}, {244, 102}, {246, 96}, {246, 40}, {246, 18}}},
     {{{2, 12}, {0, 30}, {8, 36}, {86, 46}, {118, 70}, {232, 68}, {244, 64}, {250, 56}, {252, 30}, {250, 12}}},
     {46, 96, 70}, 48, 205},
    // Truck: bonnet and cab; the load box is drawn on its own.
    {{{{4, 20}, {4, 52}, {8, 54}, {58, 52}, {62, 104}, {104, 104}, {106, 60}, {108, 50}, {108, 40}, {108, 20}}},
     {{{2, 18}, {0, 44}, {8, 62}, {60, 64}, {70, 112}, {106, 112}, {108, 70}, {110, 60}, {110, 40}, {110, 18}}},
     {170, 50, 40}, 46, 200},
    // Sport: a long-bonnet roadster that becomes a wedge coupe.
    {{{{4, 20}, {4, 56}, {8, 58}, {112, 54}, {118, 76}, {122, 78}, {126, 56}, {200, 52}, {250, 34}, {246, 20}}},
     {{{0, 14}, {0, 26}, {10, 32}, {104, 42}, {142, 60}, {170, 60}, {226, 50}, {246, 48}, {252, 40}, {250, 14}}},
     {226, 176, 40}, 50, 206},
    // Luxury: a formal limousine that becomes a long saloon.
    {{{{6, 20}, {6, 62}, {10, 66}, {92, 64}, {100, 110}, {206, 110}, {212, 70}, {242, 68}, {246, 60}, {246, 20}}},
     {{{0, 14}, {0, 34}, {8, 40}, {82, 48}, {110, 72}, {186, 72}, {212, 52}, {246, 50}, {252, 40}, {250, 14}}},
     {100, 30, 44}, 50, 206},
    // Family sedan: a rounded fastback that becomes a three-box saloon.
    {{{{4, 16}, {4, 42}, {14, 58}, {84, 62}, {104, 94}, {164, 96}, {196, 74}, {238, 52}, {250, 34}, {248, 16}}},
     {{{2, 14}, {0, 32}, {8, 38}, {90, 44}, {118, 68}, {184, 68}, {208, 50}, {246, 48}, {252, 38}, {250, 14}}},
     {50, 90, 150}, 50, 204},
    // Van: a bonneted box that becomes one box.
    {{{{4, 18}, {4, 50}, {10, 58}, {50, 60}, {64, 112}, {244, 114}, {248, 112}, {250, 108}, {250, 30}, {250, 18}}},
     {{{0, 14}, {0, 44}, {6, 56}, {26, 72}, {56, 116}, {244, 116}, {250, 112}, {252, 106}, {252, 30}, {250, 14}}},
     {214, 214, 206}, 44, 206},
    // Pick-up: cab and open bed.
    {{{{4, 18}, {2, 50}, {10, 62}, {84, 64}, {96, 102}, {140, 102}, {144, 64}, {146, 62}, {250, 62}, {250, 18}}},
     {{{0, 16}, {0, 42}, {8, 56}, {84, 58}, {100, 100}, {142, 100}, {146, 60}, {148, 58}, {252, 58}, {252, 16}}},
     {216, 116, 40}, 48, 208},
    // Compact: a bubble car that becomes a hatchback.
    {{{{26, 16}, {24, 36}, {34, 52}, {70, 62}, {100, 92}, {160, 92}, {200, 76}, {224, 56}, {232, 36}, {230, 16}}},
     {{{22, 14}, {20, 32}, {28, 40}, {92, 48}, {118, 74}, {196, 74}, {220, 64}, {232, 52}, {234, 30}, {232, 14}}},
     {40, 140, 140}, 62, 196},
    // Race car: a low open-wheeler with the driver in the middle.
    {{{{2, 12}, {0, 18}, {10, 22}, {110, 34}, {126, 48}, {150, 50}, {160, 40}, {230, 36}, {248, 30}, {246, 12}}},
     {{{0, 10}, {0, 16}, {12, 20}, {112, 30}, {126, 46}, {150, 48}, {164, 38}, {228, 34}, {248, 28}, {246, 10}}},
     {200, 40, 40}, 40, 208},
};

enum class Top { Closed, Canopy, Open };

struct Car {
    int Body;      // 1..9
    int Era;       // 1..6
    Outline Shape;
    Rgb Colour;
    double FrontWheel, RearWheel, WheelRadius;
    Top Roof;
    bool Fenders;  // separate mudguards and running boards
    double Corner; // rounding of the outline
    int Front, Middle, Rear;
};

Car MakeCar(int body, int era, int front, int middle, int rear) {
    const BodyShape& s = kShapes[body - 1];
    const int first = FirstPictureEra(body);
    const double t = first >= kEraCount ? 1.0 : static_cast<double>(era - first) / (kEraCount - first);
    Car car{};
    car.Body = body;
    car.Era = era;
    for (int i = 0; i < kPoints; ++i)
        car.Shape[static_cast<std::size_t>(i)] = {s.First[static_cast<std::size_t>(i)].X * (1 - t) + s.Last[static_cast<std::size_t>(i)].X * t,
                                                  s.First[static_cast<std::size_t>(i)].Y * (1 - t) + s.Last[static_cast<std::size_t>(i)].Y * t};
    car.Colour = s.Colour;
    car.FrontWheel = s.FrontWheel;
    car.RearWheel = s.RearWheel;
    constexpr double kWheel[kEraCount] = {21, 20, 18, 16, 15, 15};
    car.WheelRadius = kWheel[era - 1] + (body == BODY_TRUCK ? 2 : 0) + (body == BODY_RACE_CAR ? 3 : 0) -
                      (body == BODY_COMPACT ? 2 : 0);
    car.Roof = Top::Closed;
    if ((body == BODY_FAMILY_WAGON || body == BODY_TRUCK) && era == 1) car.Roof = Top::Canopy;
    if ((body == BODY_SPORT && era <= 3) || body == BODY_RACE_CAR) car.Roof = Top::Open;
    car.Fenders = era <= 3 && body != BODY_RACE_CAR;
    constexpr double kCorner[kEraCount] = {2, 4, 14, 12, 5, 9};
    car.Corner = kCorner[era - 1];
    car.Front = front;
    car.Middle = middle;
    car.Rear = rear;
    return car;
}

// Screen position of a car point.
constexpr double kNoseX = 271;
Vec At(Vec p) { return {kNoseX + p.X, kCarGround - p.Y}; }

// The outline with its corners rounded by quadratic arcs.
std::vector<Vec> Rounded(const std::vector<Vec>& p, double radius) {
    std::vector<Vec> out;
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec prev = p[(i + n - 1) % n], cur = p[i], next = p[(i + 1) % n];
        const double d1 = std::hypot(cur.X - prev.X, cur.Y - prev.Y);
        const double d2 = std::hypot(next.X - cur.X, next.Y - cur.Y);
        const double r = std::min({radius, d1 / 2.0, d2 / 2.0});
        if (r < 0.5) {
            out.push_back(cur);
            continue;
        }
        const Vec a{cur.X + (prev.X - cur.X) * r / d1, cur.Y + (prev.Y - cur.Y) * r / d1};
        const Vec b{cur.X + (next.X - cur.X) * r / d2, cur.Y + (next.Y - cur.Y) * r / d2};
        for (int k = 0; k <= 6; ++k) {
            const double u = k / 6.0;
            out.push_back({(1 - u) * (1 - u) * a.X + 2 * u * (1 - u) * cur.X + u * u * b.X,
                           (1 - u) * (1 - u) * a.Y + 2 * u * (1 - u) * cur.Y + u * u * b.Y});
        }
    }
    return out;
}

std::vector<Vec> Screen(const std::vector<Vec>& carPoints) {
    std::vector<Vec> s;
    for (const Vec& v : carPoints) s.push_back(At(v));
    return s;
}

const Vec& P(const Car& car, int i) { return car.Shape[static_cast<std::size_t>(i)]; }

// The waist line: where the side glass starts.
double Belt(const Car& car) {
    if (car.Body == BODY_VAN) return std::min(P(car, 4).Y, P(car, 5).Y) - 34;
    return P(car, 3).Y + 2;
}

bool Utility(const Car& car) {
    return car.Body == BODY_TRUCK || car.Body == BODY_VAN || car.Body == BODY_PICK_UP_TRUCK;
}

void Wheel(Canvas& c, const Car& car, double x) {
    const Vec centre = At({x, car.WheelRadius});
    const double r = car.WheelRadius;
    c.Ellipse(centre.X, centre.Y, r, r, {28, 28, 30});
    if (car.Era <= 2) {
        // Wooden artillery wheel with spokes.
        c.Ellipse(centre.X, centre.Y, r * 0.72, r * 0.72, {196, 160, 110});
        c.Ellipse(centre.X, centre.Y, r * 0.6, r * 0.6, {150, 112, 70});
        for (int i = 0; i < 10; ++i) {
            const double a = i * std::numbers::pi / 5;
            c.Line(centre, {centre.X + r * 0.66 * std::cos(a), centre.Y + r * 0.66 * std::sin(a)}, 1.6, {210, 180, 130});
        }
        c.Ellipse(centre.X, centre.Y, r * 0.18, r * 0.18, {180, 150, 90});
        return;
    }
    if (car.Era <= 4 && car.Body != BODY_RACE_CAR) c.Ring(centre.X, centre.Y, r * 0.72, r * 0.16, {236, 236, 230});   // white wall
    c.Ellipse(centre.X, centre.Y, r * 0.56, r * 0.56, {178, 184, 190});
    c.Ellipse(centre.X, centre.Y, r * 0.44, r * 0.44, car.Era >= 5 ? Rgb{120, 126, 134} : Rgb{214, 218, 222});
    c.Ellipse(centre.X - r * 0.12, centre.Y - r * 0.12, r * 0.15, r * 0.15, {250, 250, 250}, 0.7);
    if (car.Era >= 5)
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * std::numbers::pi / 5;
            c.Line(centre, {centre.X + r * 0.4 * std::cos(a), centre.Y + r * 0.4 * std::sin(a)}, 2.0, {170, 176, 182});
        }
}

void Fender(Canvas& c, const Car& car, double x, bool front) {
    const double r = car.WheelRadius + 4;
    const Rgb colour = car.Era <= 2 ? Rgb{34, 32, 32} : Darker(car.Colour, 0.1);
    std::vector<Vec> p;
    const double reach = car.Era == 3 ? 1.45 : 1.15;
    if (front) p.push_back({x - r * reach - 4, car.WheelRadius + 2});
    for (int k = 0; k <= 16; ++k) {
        const double a = std::numbers::pi * k / 16;
        p.push_back({x - r * std::cos(a) * (car.Era == 3 ? 1.15 : 1.0), car.WheelRadius + r * std::sin(a) * (car.Era == 3 ? 1.1 : 1.0)});
    }
    if (!front) p.push_back({x + r * reach + 4, car.WheelRadius + 2});
    const double bottom = car.WheelRadius * 1.45;
    for (Vec& v : p) v.Y = std::max(v.Y, bottom);
    p.push_back({p.back().X, bottom - 3});
    p.push_back({p.front().X, bottom - 3});
    c.Polygon(Screen(p), colour);
}

void Body(Canvas& c, const Car& car) {
    std::vector<Vec> outline(car.Shape.begin(), car.Shape.end());
    const double belt = Belt(car);
    if (car.Roof != Top::Closed) {
        // Open or canopied: the body ends at the waist.
        const int last = car.Roof == Top::Canopy ? 7 : 5;
        for (int i = 4; i <= last; ++i)
            outline[static_cast<std::size_t>(i)].Y = std::min(outline[static_cast<std::size_t>(i)].Y, belt);
    }
    const std::vector<Vec> shape = Screen(Rounded(outline, car.Corner));
    c.PolygonVertical(shape, Lighter(car.Colour, 0.22), Darker(car.Colour, 0.25));
    // A shoulder line along the side.
    c.Line(At({P(car, 3).X, belt - 4}), At({P(car, 7).X - 4, belt - 4}), 1.0, Darker(car.Colour, 0.3), 0.7);
    if (car.Body == BODY_TRUCK) {
        const double t = (car.Era - 1) / 5.0;
        const double topH = 92 + 24 * t;
        c.Fill({static_cast<int>(At({100, 0}).X), static_cast<int>(At({0, 26}).Y), static_cast<int>(At({250, 0}).X),
                static_cast<int>(At({0, 22}).Y)}, {40, 40, 44});
        const Box load{static_cast<int>(At({113, 0}).X), static_cast<int>(At({0, topH}).Y), static_cast<int>(At({251, 0}).X),
                       static_cast<int>(At({0, 26}).Y)};
        c.FillVertical(load, {150, 118, 80}, {110, 84, 56});
        for (int x = load.Left + 6; x < load.Right; x += 12) c.Fill({x, load.Top + 2, x, load.Bottom - 2}, {96, 72, 48});
        c.Frame(load, 2, {80, 60, 40});
    }
    if (car.Body == BODY_PICK_UP_TRUCK) {
        // The bed's inside seen over its side.
        c.Line(At({148, P(car, 7).Y - 1}), At({248, P(car, 8).Y - 1}), 2.0, Darker(car.Colour, 0.5));
    }
}

void Glass(Canvas& c, const Car& car) {
    const double belt = Belt(car);
    if (car.Roof == Top::Closed) {
        const double roof = std::min(P(car, 4).Y, P(car, 5).Y) - 4;
        if (roof < belt + 6) return;
        const auto along = [&](Vec a, Vec b, double h) {
            const double u = std::clamp((h - a.Y) / (b.Y - a.Y), 0.0, 1.0);
            return a.X + (b.X - a.X) * u;
        };
        const double x0 = along(P(car, 3), P(car, 4), belt) + 4;
        const double x1 = along(P(car, 3), P(car, 4), roof) + 3;
        const double x2 = along(P(car, 6), P(car, 5), roof) - 3;
        const double x3 = car.Body == BODY_PICK_UP_TRUCK || car.Body == BODY_TRUCK ? along(P(car, 6), P(car, 5), belt) - 4
                                                                                  : along(P(car, 6), P(car, 5), belt) - 5;
        std::vector<Vec> glass{{x0, belt}, {x1, roof}, {x2, roof}, {x3, belt}};
        c.PolygonVertical(Screen(Rounded(glass, car.Corner * 0.4)), {190, 222, 236}, {110, 150, 176});
        // Pillars: one behind the front door; wagons and vans have one more.
        const auto pillar = [&](double x) {
            if (x <= x0 + 6 || x >= x3 - 6) return;
            c.Line(At({x, belt}), At({x, roof}), 3.2, Darker(car.Colour, 0.1));
        };
        pillar((x0 + x3) / 2 + (car.Body == BODY_SPORT ? 40 : 0));
        if (car.Body == BODY_FAMILY_WAGON || car.Body == BODY_VAN || car.Body == BODY_LUXURY) pillar(x3 - (x3 - x0) / 5);
        c.Line(At({x1 + 6, roof - 2}), At({x0 + 10, belt + 3}), 1.2, {255, 255, 255}, 0.4);
        return;
    }
    if (car.Roof == Top::Canopy) {
        // A roof on thin posts over open sides, with the seats showing.
        const double roof = P(car, 4).Y;
        c.Line(At({P(car, 4).X - 2, roof}), At({P(car, 5).X + 2, roof}), 4.0, {40, 38, 36});
        const double posts[3] = {P(car, 4).X + 2, (P(car, 4).X + P(car, 5).X) / 2, P(car, 5).X};
        for (double x : posts) c.Line(At({x, belt}), At({x, roof}), 2.0, {50, 46, 42});
        for (double x : {P(car, 4).X + 14, (P(car, 4).X + P(car, 5).X) / 2 + 12})
            c.RoundRect(At({x, 0}).X, At({0, belt + 22}).Y, At({x + 16, 0}).X, At({0, belt}).Y, 3, {110, 60, 40});
        return;
    }
    // Open: a windscreen and the seats (the race car: the driver's helmet).
    if (car.Body == BODY_RACE_CAR) {
        const Vec helmet = At({138, P(car, 5).Y + 4});
        c.Ellipse(helmet.X, helmet.Y, 8, 8, {240, 240, 236});
        c.Polygon({{helmet.X - 8, helmet.Y - 1}, {helmet.X - 2, helmet.Y - 1}, {helmet.X - 2, helmet.Y + 3}, {helmet.X - 8, helmet.Y + 3}}, {40, 40, 50});
        return;
    }
    c.Line(At({P(car, 3).X + 2, P(car, 3).Y}), At({P(car, 4).X + 2, P(car, 4).Y + 10}), 2.0, {60, 60, 64});
    c.Line(At({P(car, 3).X + 4, P(car, 3).Y + 2}), At({P(car, 4).X + 3, P(car, 4).Y + 8}), 3.0, {190, 222, 236}, 0.8);
    c.RoundRect(At({P(car, 4).X + 8, 0}).X, At({0, belt + 16}).Y, At({P(car, 4).X + 24, 0}).X, At({0, belt}).Y, 3, {110, 60, 40});
}

// ---- Variant details. Each stays inside its own piece.

void FrontDetails(Canvas& c, const Car& car) {
    const double nose = P(car, 1).X;
    const double noseTop = P(car, 1).Y;
    const double hood = P(car, 3).Y;
    const Rgb chrome{214, 218, 222};
    const Rgb lamp{250, 236, 170};
    if (car.Body == BODY_RACE_CAR) {
        const Rgb wing = car.Front == 2 ? Rgb{40, 40, 44} : car.Front == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.2);
        c.Polygon(Screen({{nose - 2, 8}, {nose + 28, 8}, {nose + 24, car.Front == 2 ? 16.0 : 12.0}, {nose - 2, 12}}), wing);
        if (car.Front == 2) c.Polygon(Screen({{nose + 2, 16}, {nose + 26, 16}, {nose + 22, 20}, {nose + 2, 20}}), wing);
        if (car.Front == 3) {
            c.Ellipse(At({60, 24}).X, At({60, 24}).Y, 8, 7, {250, 250, 250});
            c.Line(At({57, 20}), At({60, 28}), 2.0, {30, 30, 30});
            c.Line(At({60, 28}), At({63, 20}), 2.0, {30, 30, 30});
        }
        return;
    }
    if (car.Era <= 2) {
        // Radiator at the nose, brass or black.
        const Rgb radiator = car.Front == 2 ? Rgb{40, 40, 40} : Rgb{200, 160, 70};
        c.Fill({static_cast<int>(At({nose - 1, 0}).X), static_cast<int>(At({0, noseTop + 4}).Y), static_cast<int>(At({nose + 5, 0}).X),
                static_cast<int>(At({0, P(car, 0).Y}).Y)}, radiator);
        // Lamps on stalks in front of the radiator.
        const Vec l = At({nose - 3, noseTop - 14});
        c.Line({l.X + 2, l.Y}, {l.X + 4, l.Y + 10}, 1.5, {60, 60, 60});
        c.RoundRect(l.X - 6, l.Y - 5, l.X + 4, l.Y + 5, 3, {200, 160, 70});
        c.Ellipse(l.X - 6, l.Y, 2, 4, lamp);
        if (car.Front == 2) {
            const Vec s = At({nose + 30, hood + 4});
            c.RoundRect(s.X - 4, s.Y - 7, s.X + 5, s.Y, 2, {30, 30, 30});   // side lamp
        }
        if (car.Front == 3) {
            // A bulb horn along the bonnet.
            const Vec h = At({nose + 14, hood + 5});
            c.Line(h, {h.X + 40, h.Y + 2}, 2.0, {200, 160, 70});
            c.Ellipse(h.X - 2, h.Y, 4, 3, {200, 160, 70});
            c.Ellipse(h.X + 42, h.Y + 2, 3, 3, {40, 40, 40});
        }
    } else {
        // Lamps set into the nose, and a bumper.
        const Vec l = At({nose + 3, noseTop - 4});
        if (car.Front == 1) c.Ellipse(l.X + 1, l.Y, 3.5, 4.5, lamp);
        if (car.Front == 2) {
            c.Ellipse(l.X, l.Y - 2, 3, 3, lamp);
            c.Ellipse(l.X + 2, l.Y + 5, 3, 3, lamp);
        }
        if (car.Front == 3) c.Fill({static_cast<int>(l.X - 3), static_cast<int>(l.Y - 2), static_cast<int>(l.X + 7), static_cast<int>(l.Y + 3)}, lamp);
        const double bh = P(car, 0).Y + 3;
        const Rgb bumper = car.Front == 1 ? chrome : car.Front == 2 ? Rgb{40, 40, 44} : Darker(car.Colour, 0.15);
        c.RoundRect(At({nose - 3, 0}).X, At({0, bh + 5}).Y, At({nose + 22, 0}).X, At({0, bh - 2}).Y, 2, bumper);
    }
    // The bonnet: louvres (2) or a stripe and mascot (3).
    const double x0 = P(car, 2).X + 14;
    const double x1 = std::min(P(car, 3).X - 6, 84.0);
    if (car.Front == 2 && car.Body != BODY_VAN) {
        for (int i = 0; i < 6; ++i) {
            const double x = x0 + (x1 - x0) * (0.35 + 0.1 * i);
            c.Line(At({x, hood - 6}), At({x + 2, hood - 16}), 1.6, Darker(car.Colour, 0.45));
        }
    }
    if (car.Front == 3) {
        c.Line(At({P(car, 2).X + 2, P(car, 2).Y - 5}), At({x1, P(car, 3).Y - 5}), 3.0, Lighter(car.Colour, 0.55));
        const Vec m = At({P(car, 2).X + 2, P(car, 2).Y});
        c.Polygon({{m.X - 2, m.Y}, {m.X + 4, m.Y}, {m.X + 1, m.Y - 6}}, chrome);
    }
}

void MiddleDetails(Canvas& c, const Car& car) {
    const double belt = Belt(car);
    const double x0 = 98, x1 = 152;
    if (car.Middle == 2) {
        if (car.Body == BODY_RACE_CAR || car.Roof == Top::Open) {
            // A roll hoop behind the seat.
            const double h = car.Body == BODY_RACE_CAR ? P(car, 5).Y + 16 : belt + 20;
            const double x = car.Body == BODY_RACE_CAR ? 150 : P(car, 4).X + 30;
            c.Polyline(Screen({{x - 4, belt - 4}, {x - 2, h}, {x + 4, h}, {x + 6, belt - 4}}), 2.6, {60, 60, 64});
        } else if (car.Body == BODY_TRUCK) {
            // Marker lamps on the cab roof.
            const double h = P(car, 4).Y;
            for (double x : {P(car, 4).X + 6, P(car, 4).X + 18, P(car, 4).X + 30})
                if (x > x0 && x < x1) c.Ellipse(At({x, h + 2}).X, At({x, h + 2}).Y, 3, 2.5, {246, 170, 60});
        } else {
            // A roof rack with luggage.
            const double roof = std::min(P(car, 4).Y, P(car, 5).Y);
            c.Line(At({x0 + 2, roof + 4}), At({x1 - 2, roof + 4}), 2.0, {50, 50, 54});
            c.Line(At({x0 + 6, roof}), At({x0 + 6, roof + 4}), 2.0, {50, 50, 54});
            c.Line(At({x1 - 6, roof}), At({x1 - 6, roof + 4}), 2.0, {50, 50, 54});
            c.RoundRect(At({x0 + 10, 0}).X, At({0, roof + 14}).Y, At({x0 + 32, 0}).X, At({0, roof + 5}).Y, 2, {150, 100, 60});
            c.RoundRect(At({x0 + 34, 0}).X, At({0, roof + 11}).Y, At({x1 - 8, 0}).X, At({0, roof + 5}).Y, 2, {70, 100, 130});
        }
    }
    if (car.Middle == 3) {
        if (car.Body == BODY_RACE_CAR) {
            const Vec n = At({126, 28});
            c.Ellipse(n.X, n.Y, 8, 8, {250, 250, 250});
            c.Line({n.X - 1, n.Y - 5}, {n.X - 1, n.Y + 5}, 2.0, {30, 30, 30});
            c.Line({n.X - 4, n.Y - 3}, {n.X - 1, n.Y - 5}, 2.0, {30, 30, 30});
        } else {
            // A chrome side spear and a badge on the door.
            const double h = belt - 12;
            c.Line(At({x0, h}), At({x1, h - 2}), 2.2, {220, 224, 228});
            const Vec b = At({(x0 + x1) / 2, h + 8});
            c.Ellipse(b.X, b.Y, 4, 4, {200, 160, 70});
            c.Ellipse(b.X, b.Y, 2, 2, Darker(car.Colour, 0.3));
        }
    }
}

void RearDetails(Canvas& c, const Car& car) {
    const double tail = P(car, 8).X;
    const double tailH = P(car, 8).Y;
    const Rgb red{210, 40, 40};
    if (car.Body == BODY_RACE_CAR) {
        // The rear wing.
        const double h = car.Rear == 2 ? 54 : car.Rear == 3 ? 40 : 46;
        c.Line(At({226, 30}), At({228, h - 2}), 2.5, {50, 50, 54});
        c.Polygon(Screen({{212, h}, {250, h}, {250, h + (car.Rear == 2 ? 8.0 : 5.0)}, {216, h + (car.Rear == 2 ? 8.0 : 5.0)}}),
                  car.Rear == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.25));
        if (car.Rear == 2) c.Fill({static_cast<int>(At({246, 0}).X), static_cast<int>(At({0, h + 12}).Y), static_cast<int>(At({250, 0}).X), static_cast<int>(At({0, h - 4}).Y)}, {40, 40, 44});
        return;
    }
    // Tail lamp.
    const Vec lamp = At({tail - 1, tailH - 4});
    if (car.Rear == 3) c.Fill({static_cast<int>(lamp.X - 3), static_cast<int>(lamp.Y - 8), static_cast<int>(lamp.X + 1), static_cast<int>(lamp.Y + 4)}, red);
    else c.Ellipse(lamp.X, lamp.Y, 2.5, 3, red);
    if (car.Rear == 2 && Utility(car)) {
        // A tow hitch and a mud flap.
        const Vec h = At({tail + 1, P(car, 0).Y + 2});
        c.Fill({static_cast<int>(h.X - 4), static_cast<int>(h.Y - 2), static_cast<int>(h.X + 4), static_cast<int>(h.Y + 1)}, {50, 50, 54});
        c.Ellipse(h.X + 5, h.Y - 1, 2.5, 2.5, {50, 50, 54});
        const Vec f = At({car.RearWheel + car.WheelRadius + 3, car.WheelRadius + 6});
        c.Fill({static_cast<int>(f.X), static_cast<int>(f.Y), static_cast<int>(f.X + 3), static_cast<int>(At({0, 2}).Y)}, {30, 30, 32});
    } else if (car.Rear == 2) {
        if (car.Era <= 3) {
            // The spare wheel at the back.
            const Vec w = At({tail + 1, P(car, 0).Y + car.WheelRadius + 4});
            c.Ellipse(w.X, w.Y, 5, car.WheelRadius * 0.9, {28, 28, 30});
            c.Ellipse(w.X + 1, w.Y, 2.5, car.WheelRadius * 0.5, {170, 170, 170});
        } else if (car.Era <= 5) {
            // Tail fins.
            const Vec a = At({P(car, 7).X - 40, P(car, 7).Y});
            const Vec b = At({tail, tailH + 12});
            c.Polygon({a, {b.X, b.Y}, {b.X, At({0, tailH}).Y}, {a.X + 10, At({0, P(car, 7).Y}).Y}}, car.Colour);
            c.Line(a, b, 1.4, {220, 224, 228});
        } else {
            // A spoiler on the tail.
            const Vec s = At({tail - 16, P(car, 7).Y + 8});
            c.Line(At({tail - 10, P(car, 7).Y}), {s.X + 6, s.Y}, 2.0, {40, 40, 44});
            c.Polygon({{s.X - 6, s.Y - 3}, {s.X + 18, s.Y - 3}, {s.X + 18, s.Y + 2}, {s.X - 4, s.Y + 2}}, {40, 40, 44});
        }
    }
    if (car.Rear == 3) {
        // Twin exhausts, and a trunk on the old cars.
        const Vec e = At({tail - 8, P(car, 0).Y - 3});
        c.Fill({static_cast<int>(e.X - 10), static_cast<int>(e.Y - 2), static_cast<int>(e.X + 4), static_cast<int>(e.Y + 1)}, {80, 80, 84});
        c.Fill({static_cast<int>(e.X - 10), static_cast<int>(e.Y + 2), static_cast<int>(e.X + 4), static_cast<int>(e.Y + 4)}, {80, 80, 84});
        if (Utility(car)) {
            // A step bumper.
            c.Fill({static_cast<int>(At({tail - 14, 0}).X), static_cast<int>(At({0, P(car, 0).Y + 4}).Y),
                    static_cast<int>(At({tail + 2, 0}).X), static_cast<int>(At({0, P(car, 0).Y - 1}).Y)}, {200, 204, 208});
        } else if (car.Era <= 2) {
            const Vec t = At({tail - 2, tailH + 18});
            c.RoundRect(t.X, t.Y, t.X + 10, t.Y + 18, 2, {60, 40, 30});
            c.Line({t.X, t.Y + 6}, {t.X + 10, t.Y + 6}, 1.0, {200, 160, 70});
        }
    }
}

// The car on the showroom, or on a plain ground colour (for cut-outs).
Canvas DrawOnShowroom(const Car& car, bool plain = false, Rgb ground = {0, 0, 0}) {
    Canvas c(800, 600, plain ? ground : kShowroom);
    if (!plain) Showroom(c);
    // Shadow on the floor.
    c.Ellipse(kNoseX + 126, kCarGround + 1, 130, 5, {60, 70, 80}, 0.35);
    if (car.Body != BODY_RACE_CAR) {
        Body(c, car);
        if (!car.Fenders)   // wheel arches cut into the body
            for (double x : {car.FrontWheel, car.RearWheel}) {
                const Vec w = At({x, car.WheelRadius});
                c.Ellipse(w.X, w.Y, car.WheelRadius + 3, car.WheelRadius + 3, {30, 30, 32});
            }
        Glass(c, car);
        Wheel(c, car, car.FrontWheel);
        Wheel(c, car, car.RearWheel);
        if (car.Body == BODY_TRUCK) Wheel(c, car, car.RearWheel - 2 * car.WheelRadius - 4);
        if (car.Fenders) {
            Fender(c, car, car.FrontWheel, true);
            Fender(c, car, car.RearWheel, false);
            const double y = car.WheelRadius + 1;
            c.Fill({static_cast<int>(At({car.FrontWheel + car.WheelRadius + 4, 0}).X), static_cast<int>(At({0, y + 3}).Y),
                    static_cast<int>(At({car.RearWheel - car.WheelRadius - 4, 0}).X), static_cast<int>(At({0, y}).Y)},
                   car.Era <= 2 ? Rgb{40, 36, 34} : Darker(car.Colour, 0.3));
        }
    } else {
        // Open wheels: suspension arms, then the body over them.
        c.Line(At({car.FrontWheel, car.WheelRadius}), At({70, 22}), 2.0, {50, 50, 54});
        c.Line(At({car.RearWheel, car.WheelRadius}), At({186, 24}), 2.0, {50, 50, 54});
        Wheel(c, car, car.FrontWheel);
        Wheel(c, car, car.RearWheel);
        Body(c, car);
        c.Line(At({20, 18}), At({236, 26}), 3.0, {250, 250, 250}, 0.9);   // a racing stripe
        Glass(c, car);
    }
    FrontDetails(c, car);
    MiddleDetails(c, car);
    RearDetails(c, car);
    return c;
}

}  // namespace

Canvas DrawCar(int bodyType, int era, int front, int middle, int rear) {
    const Canvas screen = DrawOnShowroom(MakeCar(bodyType, era, front, middle, rear));
    return screen.Cut({kCarPieceAt[0].X, kCarPieceAt[0].Y, kCarBox.Right, kCarPieceAt[0].Y + 145});
}

Sprite DrawCarSprite(int bodyType, int era, int front, int middle, int rear) {
    // Drawn on black and on white: where the two differ, the car lets the
    // ground through, which gives each pixel's coverage.
    const Car car = MakeCar(bodyType, era, front, middle, rear);
    const Box box{kCarPieceAt[0].X, kCarPieceAt[0].Y, kCarBox.Right, kCarPieceAt[0].Y + 145};
    const Canvas black = DrawOnShowroom(car, true, {0, 0, 0}).Cut(box);
    const Canvas white = DrawOnShowroom(car, true, {255, 255, 255}).Cut(box);
    Sprite s{Canvas(black.Width(), black.Height(), {0, 0, 0}), Canvas(black.Width(), black.Height(), {0, 0, 0})};
    for (int y = 0; y < black.Height(); ++y)
        for (int x = 0; x < black.Width(); ++x) {
            const Rgb b = black.At(x, y);
            const Rgb w = white.At(x, y);
            const int through = std::max({w.R - b.R, w.G - b.G, w.B - b.B});
            const double a = 1.0 - through / 255.0;
            const auto un = [a](int v) { return static_cast<std::uint8_t>(std::clamp(a > 0.01 ? v / a : 0.0, 0.0, 255.0)); };
            s.Colour.Set(x, y, {un(b.R), un(b.G), un(b.B)});
            const auto alpha = static_cast<std::uint8_t>(std::clamp(a * 255.0, 0.0, 255.0));
            s.Alpha.Set(x, y, {alpha, alpha, alpha});
        }
    return s;
}

Canvas DrawCarPiece(int bodyType, int era, int piece, int variant) {
    const int v[3] = {piece == CAR_FRONT ? variant : 1, piece == CAR_MIDDLE ? variant : 1, piece == CAR_REAR ? variant : 1};
    const Canvas screen = DrawOnShowroom(MakeCar(bodyType, era, v[0], v[1], v[2]));
    return CutPicture(screen, kCarPieceAt[piece], CarPiecePicture(bodyType, era, piece, variant));
}

}  // namespace art

namespace art {

void PlaceSprite(Canvas& c, const Sprite& s, double x, double y, double scale) {
    const int w = static_cast<int>(s.Colour.Width() * scale);
    const int h = static_cast<int>(s.Colour.Height() * scale);
    // Scale colour premultiplied by coverage, so edges stay clean.
    Canvas premultiplied(s.Colour.Width(), s.Colour.Height(), {0, 0, 0});
    for (int py = 0; py < s.Colour.Height(); ++py)
        for (int px = 0; px < s.Colour.Width(); ++px)
            premultiplied.Set(px, py, Mix({0, 0, 0}, s.Colour.At(px, py), s.Alpha.At(px, py).R / 255.0));
    const Canvas colour = premultiplied.Scaled(w, h);
    const Canvas alpha = s.Alpha.Scaled(w, h);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            const double a = alpha.At(px, py).R / 255.0;
            if (a <= 0.0) continue;
            const Rgb p = colour.At(px, py);
            const auto un = [a](int v) { return static_cast<std::uint8_t>(std::clamp(v / a, 0.0, 255.0)); };
            c.Blend(static_cast<int>(x) + px, static_cast<int>(y) + py, {un(p.R), un(p.G), un(p.B)}, a);
        }
}

}  // namespace art
