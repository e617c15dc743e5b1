// The design screen's car: nine body types, each drawn in the style of its
// era, from high and open 1908 to low and smooth 1983. The player picks a
// front, a middle and a rear, each cut from its own drawing of the car, so
// the three must meet wherever they are put together. They do because every
// variant keeps the body type's own silhouette near the two joins (x 362 and
// 430 on the screen) and changes the shape only between them: the nose and
// bonnet in front, the roof in the middle, the tail at the rear. Whatever a
// variant adds stays inside its own piece and hangs on the body.
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

// Car x runs from the front piece's first column (screen x 271) to the rear
// piece's last (523); heights are above the showroom floor.
constexpr double kNoseX = 271;
// Where the variants may reshape the silhouette: the front before x 78, the
// middle between 104 and 146, the rear after 172. Around the joins (x 91 and
// 159) the outline is the body type's own.
constexpr double kFrontTo = 78;
constexpr double kMiddleFrom = 104;
constexpr double kMiddleTo = 146;
constexpr double kRearFrom = 172;
constexpr double kMiddleInner[2] = {112, 138};
// The outlines below are drawn over x 0..252; they are fitted in between a
// clear margin at each end of the box.
constexpr double kFitLeft = 12;
constexpr double kFitScale = 0.915;
double Fit(double x) { return kFitLeft + x * kFitScale; }

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
    // Family wagon: a tall open tourer under a canopy that becomes a low estate.
    {{{{6, 20}, {6, 60}, {10, 62}, {88, 58}, {96, 106}, {240, 106}, {244, 102}, {246, 96}, {246, 40}, {246, 20}}},
     {{{2, 12}, {0, 30}, {8, 36}, {88, 46}, {118, 70}, {232, 68}, {244, 64}, {250, 56}, {252, 30}, {250, 12}}},
     {46, 96, 70}, 48, 205},
    // Truck: bonnet and cab; the load box is drawn on its own.
    {{{{4, 22}, {4, 56}, {8, 58}, {58, 56}, {62, 108}, {104, 108}, {106, 60}, {108, 50}, {108, 40}, {108, 22}}},
     {{{2, 18}, {0, 44}, {8, 62}, {60, 64}, {70, 112}, {106, 112}, {108, 70}, {110, 60}, {110, 40}, {110, 18}}},
     {170, 50, 40}, 44, 200},
    // Sport: a long-bonnet roadster that becomes a wedge coupe.
    {{{{4, 22}, {4, 56}, {8, 58}, {112, 54}, {118, 76}, {122, 78}, {126, 56}, {200, 52}, {248, 36}, {246, 22}}},
     {{{0, 14}, {0, 26}, {10, 32}, {100, 42}, {140, 60}, {176, 60}, {226, 50}, {246, 48}, {252, 40}, {250, 14}}},
     {226, 176, 40}, 50, 206},
    // Luxury: a formal limousine that becomes a long saloon.
    {{{{6, 22}, {6, 62}, {10, 66}, {90, 64}, {102, 112}, {206, 112}, {212, 70}, {242, 68}, {246, 60}, {246, 22}}},
     {{{0, 14}, {0, 34}, {8, 40}, {88, 48}, {112, 72}, {186, 72}, {212, 52}, {246, 50}, {252, 40}, {250, 14}}},
     {100, 30, 44}, 50, 206},
    // Family sedan: a rounded fastback that becomes a three-box saloon.
    {{{{4, 16}, {4, 42}, {14, 58}, {80, 62}, {104, 94}, {172, 96}, {200, 74}, {238, 52}, {250, 34}, {248, 16}}},
     {{{2, 14}, {0, 32}, {8, 38}, {86, 44}, {116, 68}, {184, 68}, {208, 50}, {246, 48}, {252, 38}, {250, 14}}},
     {50, 90, 150}, 50, 204},
    // Van: a bonneted box that becomes one box.
    {{{{4, 18}, {4, 50}, {8, 56}, {62, 62}, {76, 112}, {244, 114}, {248, 112}, {250, 108}, {250, 30}, {250, 18}}},
     {{{0, 14}, {0, 44}, {6, 56}, {26, 72}, {56, 116}, {244, 116}, {250, 112}, {252, 106}, {252, 30}, {250, 14}}},
     {66, 84, 110}, 44, 206},
    // Pick-up: cab and open bed.
    {{{{4, 18}, {2, 50}, {10, 62}, {90, 64}, {102, 102}, {140, 102}, {144, 64}, {146, 62}, {250, 62}, {250, 18}}},
     {{{0, 16}, {0, 42}, {8, 56}, {90, 58}, {104, 100}, {142, 100}, {146, 60}, {148, 58}, {252, 58}, {252, 16}}},
     {216, 116, 40}, 48, 208},
    // Compact: a bubble car that becomes a hatchback.
    {{{{26, 16}, {24, 36}, {34, 52}, {70, 62}, {100, 92}, {170, 92}, {204, 76}, {224, 56}, {232, 36}, {230, 16}}},
     {{{22, 14}, {20, 32}, {28, 40}, {88, 48}, {116, 74}, {196, 74}, {220, 64}, {232, 52}, {234, 30}, {232, 14}}},
     {40, 140, 140}, 62, 196},
    // Race car: a low open-wheeler with the driver in the middle.
    {{{{2, 12}, {0, 18}, {10, 22}, {110, 34}, {126, 48}, {150, 50}, {166, 40}, {230, 36}, {248, 30}, {246, 12}}},
     {{{0, 10}, {0, 16}, {12, 20}, {112, 30}, {126, 46}, {150, 48}, {166, 38}, {228, 34}, {248, 28}, {246, 10}}},
     {200, 40, 40}, 40, 208},
};

enum class Top { Closed, Canopy, Open };

// What a middle variant does to the roof.
enum class Roof { Plain, Raised, Lowered, Upright, Raked, Rack, Sleeper, Spare, Hoop, Airbox, Panel };
constexpr Roof kRoofs[kBodyTypeCount][3] = {
    {Roof::Plain, Roof::Raised, Roof::Rack},      // family wagon
    {Roof::Plain, Roof::Sleeper, Roof::Spare},    // truck
    {Roof::Plain, Roof::Upright, Roof::Raked},    // sport
    {Roof::Plain, Roof::Upright, Roof::Raked},    // luxury
    {Roof::Plain, Roof::Raised, Roof::Rack},      // family sedan
    {Roof::Plain, Roof::Raised, Roof::Rack},      // van
    {Roof::Plain, Roof::Raised, Roof::Rack},      // pick-up
    {Roof::Plain, Roof::Raised, Roof::Rack},      // compact
    {Roof::Plain, Roof::Hoop, Roof::Airbox},      // race car
};

// What a front variant does to the nose, and a rear variant to the tail.
struct NoseStyle {
    double Forward;     // the nose moves forward (negative: back)
    double NoseRise;    // the top of the nose
    double BonnetRise;  // the front of the bonnet
    double Round;       // times the era's rounding
};
constexpr NoseStyle kNoses[3] = {{0, 0, 0, 1.0}, {-4, -9, -5, 1.8}, {3, 6, 4, 0.5}};
struct TailStyle {
    double Back;        // the tail moves back (negative: forward)
    double TailRise;    // the top of the tail
    double DeckRise;    // the deck before it
    double RoofPull;    // the end of the roof moves back (negative: forward)
    double Round;
};
constexpr TailStyle kTails[3] = {{0, 0, 0, 0, 1.0}, {-4, -10, -4, -10, 1.8}, {2, 6, 3, 5, 0.4}};

// One corner of the outline: where it came from decides who may move it.
enum class Kind { Own, Cut, Inner, Floor };
struct Node {
    Vec At;
    int Index;   // the outline point, or the point before a cut
    Kind Is;
    double Round;
};

struct Car {
    int Body;      // 1..9
    int Era;       // 1..6
    Outline Base;  // the type's own outline in this era, fitted
    std::vector<Node> Nodes;   // the outline with the variants applied
    std::vector<Vec> Shape;    // the same, rounded
    Rgb Colour;
    double FrontWheel, RearWheel, WheelRadius;
    double Belt;   // the waist line: where the side glass starts
    Top Roof;
    bool Fenders;  // separate mudguards and running boards
    double Corner; // rounding of the outline
    int Front, Middle, Rear;
};

const Vec& P(const Car& car, int i) { return car.Base[static_cast<std::size_t>(i)]; }

// An outline point where the variants put it.
Vec NodeOf(const Car& car, int index) {
    for (const Node& n : car.Nodes)
        if (n.Index == index && n.Is == Kind::Own) return n.At;
    return P(car, index);
}

// The outline with cuts at the borders of the variants' ranges, so moving a
// corner inside one range never tilts a line in another.
std::vector<Node> Split(const Outline& o) {
    std::vector<Node> nodes;
    const double cuts[] = {kFrontTo, kMiddleFrom, kMiddleInner[0], kMiddleInner[1], kMiddleTo, kRearFrom};
    for (int i = 0; i < kPoints; ++i) {
        const Vec a = o[static_cast<std::size_t>(i)];
        nodes.push_back({a, i, Kind::Own, 1.0});
        if (i < 1 || i > 7) continue;
        const Vec b = o[static_cast<std::size_t>(i + 1)];
        for (const double x : cuts) {
            const bool inner = x == kMiddleInner[0] || x == kMiddleInner[1];
            // An inner cut that close to a corner would only pinch its rounding.
            if (inner && (x < a.X + 3 || x > b.X - 3)) continue;
            if (a.X < x && x < b.X) {
                const double t = (x - a.X) / (b.X - a.X);
                nodes.push_back({{x, a.Y + (b.Y - a.Y) * t}, i, inner ? Kind::Inner : Kind::Cut, 1.0});
            }
        }
    }
    const Vec a = o[9], b = o[0];
    for (const double x : {kRearFrom, kFrontTo})
        if (b.X < x && x < a.X) nodes.push_back({{x, a.Y + (b.Y - a.Y) * (a.X - x) / (a.X - b.X)}, 9, Kind::Floor, 0.0});
    return nodes;
}

double Greenhouse(const Car& car, double y) {
    const double top = std::max(P(car, 4).Y, P(car, 5).Y);
    return std::clamp((y - car.Belt) / std::max(1.0, top - car.Belt), 0.0, 1.0);
}

bool RoofIsFlat(const Car& car) {
    double low = 1e9, high = -1e9;
    for (const Node& n : Split(car.Base))
        if (n.Is != Kind::Floor && n.At.X >= 108 && n.At.X <= 142) {
            low = std::min(low, n.At.Y);
            high = std::max(high, n.At.Y);
        }
    return high - low <= 6 && low >= car.Belt + 16;
}

Roof RoofOf(const Car& car) {
    // A rack needs a flat roof; over a windscreen the windscreen's rake
    // changes instead.
    const Roof r = kRoofs[car.Body - 1][car.Middle - 1];
    if (car.Roof == Top::Open && (r == Roof::Upright || r == Roof::Raked)) return r == Roof::Upright ? Roof::Raised : Roof::Lowered;
    // A roof that starts ahead of the middle cannot rise there without a hump:
    // the raised choice blinds the rear side windows instead.
    if (r == Roof::Raised && car.Roof != Top::Open && P(car, 4).X < kMiddleFrom) return Roof::Panel;
    if (car.Roof == Top::Open || RoofIsFlat(car)) return r;
    if (r == Roof::Rack) return Roof::Raked;
    return r;
}

void Reshape(Car& car) {
    car.Nodes = Split(car.Base);
    const NoseStyle& nose = kNoses[car.Front - 1];
    const TailStyle& tail = kTails[car.Rear - 1];
    const Roof roof = RoofOf(car);
    const double fitEnd = Fit(252) + 2;
    for (Node& n : car.Nodes) {
        if (n.Is == Kind::Cut) n.Round = 0.3;
        if (n.Is == Kind::Floor || n.Is == Kind::Cut) continue;
        Vec& v = n.At;
        if (v.X < kFrontTo && n.Index <= 2) {
            if (n.Index <= 1) v.X -= nose.Forward;
            if (n.Index == 1) v.Y += nose.NoseRise;
            if (n.Index == 2) {
                v.X -= nose.Forward * 0.5;
                v.Y += nose.BonnetRise;
            }
            n.Round = nose.Round;
        }
        if (v.X > kMiddleFrom && v.X < kMiddleTo && v.Y > car.Belt + 8) {
            const double k = Greenhouse(car, v.Y);
            if (roof == Roof::Raised) {
                // A taller roof over the front seats, the windscreen carried
                // up on its own rake; where the roof runs on past the middle
                // it slopes evenly back to the shared height before the rear
                // join. An open car's screen stands taller and more upright.
                double ease = 1;
                if (car.Roof != Top::Open && P(car, 5).X > kMiddleTo)
                    ease = std::clamp((kMiddleTo - v.X) / (kMiddleTo - kMiddleInner[0]), 0.0, 1.0);
                const double rise = 6 * k * ease;
                v.Y += rise;
                if (n.Index == 4 && n.Is == Kind::Own) {
                    const Vec cowl = P(car, 3), screenTop = P(car, 4);
                    v.X = car.Roof == Top::Open ? std::max(kMiddleFrom + 3, v.X - 4)
                                                : v.X + rise * (screenTop.X - cowl.X) / std::max(1.0, screenTop.Y - cowl.Y);
                }
            }
            if (n.Index == 4 && n.Is == Kind::Own && (roof == Roof::Upright || roof == Roof::Raked))
                v.X = std::clamp(v.X + (roof == Roof::Upright ? -12.0 : 12.0), kMiddleFrom + 3, kMiddleTo - 3);
            if (n.Is == Kind::Inner) n.Round = 8.0 / std::max(1.0, car.Corner);
        }
        if (v.X > kRearFrom && n.Index >= 5 && car.Body != BODY_TRUCK) {
            if (n.Index == 5) v.X = std::max(kRearFrom + 3, v.X + tail.RoofPull);
            if (n.Index == 6) {
                v.Y += tail.DeckRise;
                v.X += tail.RoofPull * 0.5;
            }
            if (n.Index == 7) v.Y += tail.TailRise;
            if (n.Index >= 7) v.X = std::min(fitEnd, v.X + tail.Back);
            n.Round = tail.Round;
        }
    }
}

// The outline with its corners rounded by quadratic arcs, each corner by its
// own radius.
std::vector<Vec> Rounded(const std::vector<Vec>& p, const std::vector<double>& radius) {
    std::vector<Vec> out;
    const std::size_t n = p.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec prev = p[(i + n - 1) % n], cur = p[i], next = p[(i + 1) % n];
        const double d1 = std::hypot(cur.X - prev.X, cur.Y - prev.Y);
        const double d2 = std::hypot(next.X - cur.X, next.Y - cur.Y);
        const double r = std::min({radius[i], d1 / 2.0, d2 / 2.0});
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

std::vector<Vec> Rounded(const std::vector<Vec>& p, double radius) {
    return Rounded(p, std::vector<double>(p.size(), radius));
}

Car MakeCar(int body, int era, int front, int middle, int rear) {
    const BodyShape& s = kShapes[body - 1];
    const int first = FirstPictureEra(body);
    const double t = first >= kEraCount ? 1.0 : static_cast<double>(era - first) / (kEraCount - first);
    Car car{};
    car.Body = body;
    car.Era = era;
    for (std::size_t i = 0; i < kPoints; ++i)
        car.Base[i] = {Fit(s.First[i].X * (1 - t) + s.Last[i].X * t), s.First[i].Y * (1 - t) + s.Last[i].Y * t};
    car.Colour = s.Colour;
    car.FrontWheel = Fit(s.FrontWheel);
    car.RearWheel = Fit(s.RearWheel);
    constexpr double kWheel[kEraCount] = {21, 20, 18, 16, 15, 15};
    car.WheelRadius = kWheel[era - 1] + (body == BODY_TRUCK ? 2 : 0) + (body == BODY_RACE_CAR ? 3 : 0) -
                      (body == BODY_COMPACT ? 2 : 0);
    car.Roof = Top::Closed;
    if ((body == BODY_FAMILY_WAGON || body == BODY_TRUCK) && era == 1) car.Roof = Top::Canopy;
    if ((body == BODY_SPORT && era <= 3) || body == BODY_RACE_CAR) car.Roof = Top::Open;
    car.Fenders = era <= 3 && body != BODY_RACE_CAR;
    constexpr double kCorner[kEraCount] = {2, 4, 14, 12, 5, 9};
    car.Corner = kCorner[era - 1];
    car.Belt = body == BODY_VAN ? std::min(P(car, 4).Y, P(car, 5).Y) - 34 : P(car, 3).Y + 2;
    car.Front = front;
    car.Middle = middle;
    car.Rear = rear;
    Reshape(car);
    std::vector<Vec> points;
    std::vector<double> radii;
    for (const Node& n : car.Nodes) {
        points.push_back(n.At);
        radii.push_back(n.Is == Kind::Cut ? std::min(car.Corner, 4.0) : car.Corner * n.Round);
    }
    car.Shape = Rounded(points, radii);
    return car;
}

// Screen position of a car point.
Vec At(Vec p) { return {kNoseX + p.X, kCarGround - p.Y}; }
Vec At(double x, double h) { return At(Vec{x, h}); }

std::vector<Vec> Screen(const std::vector<Vec>& carPoints) {
    std::vector<Vec> s;
    for (const Vec& v : carPoints) s.push_back(At(v));
    return s;
}

// Where the outline reaches furthest along `across` on the line where
// `along` equals `at` (0 where the car is not there).
double Furthest(const std::vector<Vec>& shape, double Vec::*along, double Vec::*across, double at) {
    double furthest = 0;
    const std::size_t n = shape.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec a = shape[i], b = shape[(i + 1) % n];
        if ((a.*along <= at && at <= b.*along) || (b.*along <= at && at <= a.*along)) {
            const double t = a.*along == b.*along ? 1.0 : (at - a.*along) / (b.*along - a.*along);
            furthest = std::max(furthest, a.*across + (b.*across - a.*across) * t);
        }
    }
    return furthest;
}

// The highest point of the outline above x.
double TopAt(const std::vector<Vec>& shape, double x) { return Furthest(shape, &Vec::X, &Vec::Y, x); }

// The furthest point of the outline toward the tail at height h.
double EndAt(const std::vector<Vec>& shape, double h) { return Furthest(shape, &Vec::Y, &Vec::X, h); }

// The body's outline as drawn: open and canopied bodies end at the waist.
std::vector<Vec> Painted(const Car& car) {
    if (car.Roof == Top::Closed) return car.Shape;
    const int last = car.Roof == Top::Canopy ? 7 : 5;
    std::vector<Vec> points;
    std::vector<double> radii;
    for (const Node& n : car.Nodes) {
        Vec v = n.At;
        if (n.Is != Kind::Floor && n.Index >= 3 && n.Index <= last) v.Y = std::min(v.Y, car.Belt);
        points.push_back(v);
        radii.push_back(n.Is == Kind::Cut ? std::min(car.Corner, 4.0) : car.Corner * n.Round);
    }
    return Rounded(points, radii);
}

bool Utility(const Car& car) {
    return car.Body == BODY_TRUCK || car.Body == BODY_VAN || car.Body == BODY_PICK_UP_TRUCK;
}

// The colours of the paint, graded over one fixed band of rows so that every
// variant shades alike where they meet.
void Paint(Canvas& c, const std::vector<Vec>& shape, Rgb colour) {
    PolygonGraded(c, Screen(shape), At(0, 118).Y, Lighter(colour, 0.24), At(0, 8).Y, Darker(colour, 0.28));
}

void Wheel(Canvas& c, const Car& car, double x) {
    const Vec centre = At(x, car.WheelRadius);
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
    if (car.Era == 3) {
        // Wire wheels.
        c.Ellipse(centre.X, centre.Y, r * 0.7, r * 0.7, {200, 204, 208});
        for (int i = 0; i < 16; ++i) {
            const double a = i * std::numbers::pi / 8;
            c.Line({centre.X + r * 0.15 * std::cos(a), centre.Y + r * 0.15 * std::sin(a)},
                   {centre.X + r * 0.68 * std::cos(a + 0.4), centre.Y + r * 0.68 * std::sin(a + 0.4)}, 0.8, {120, 124, 130});
        }
        c.Ellipse(centre.X, centre.Y, r * 0.2, r * 0.2, {226, 228, 230});
        return;
    }
    if (car.Era == 4 && car.Body != BODY_RACE_CAR) c.Ring(centre.X, centre.Y, r * 0.72, r * 0.16, {236, 236, 230});   // white wall
    c.Ellipse(centre.X, centre.Y, r * 0.56, r * 0.56, {178, 184, 190});
    c.Ellipse(centre.X, centre.Y, r * 0.44, r * 0.44, car.Era >= 5 ? Rgb{120, 126, 134} : Rgb{214, 218, 222});
    c.Ellipse(centre.X - r * 0.12, centre.Y - r * 0.12, r * 0.15, r * 0.15, {250, 250, 250}, 0.7);
    if (car.Era >= 5)
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * std::numbers::pi / 5;
            c.Line(centre, {centre.X + r * 0.4 * std::cos(a), centre.Y + r * 0.4 * std::sin(a)}, 2.0, {170, 176, 182});
        }
}

// A mudguard over a wheel: an arc reaching down in front and behind.
void Fender(Canvas& c, const Car& car, double x) {
    const double r = car.WheelRadius + 4;
    const Rgb colour = car.Era <= 2 ? Rgb{34, 32, 32} : Darker(car.Colour, 0.12);
    const double widen = car.Era == 3 ? 1.15 : 1.0;
    std::vector<Vec> outer, inner;
    for (int k = 0; k <= 20; ++k) {
        const double a = std::numbers::pi * (0.05 + 0.9 * k / 20.0);
        outer.push_back({x - r * widen * std::cos(a), car.WheelRadius + r * std::sin(a)});
        inner.push_back({x - (r - 4) * widen * std::cos(a), car.WheelRadius + (r - 4) * std::sin(a)});
    }
    std::reverse(inner.begin(), inner.end());
    outer.insert(outer.end(), inner.begin(), inner.end());
    c.Polygon(Screen(outer), colour);
}

double FenderTop(const Car& car) { return car.Fenders ? car.WheelRadius * 2 + 4 : 0; }

// Every wheel of the car.
std::vector<double> Wheels(const Car& car) { return {car.FrontWheel, car.RearWheel}; }

// The truck's load box: the same from the cab to x 172, its tail the rear variant's.
std::vector<Vec> LoadBox(const Car& car) {
    const double t = (car.Era - 1) / 5.0;
    const double top = 96 + 16 * t;
    const double floor = car.WheelRadius * 2 + 6;
    const double front = P(car, 8).X + 5;
    const TailStyle& tail = kTails[car.Rear - 1];
    const double end = Fit(250) + tail.Back;
    std::vector<Vec> box{{front, floor}, {front, top}, {kRearFrom, top}};
    if (car.Rear == 2) {
        for (int k = 0; k <= 8; ++k) {
            const double a = std::numbers::pi / 2 * (1 - k / 8.0);
            box.push_back({end - 18 + 18 * std::cos(a), top - 18 + 18 * std::sin(a)});
        }
    } else {
        box.push_back({end, top + (car.Rear == 3 ? 4.0 : 0.0)});
    }
    box.push_back({end, floor});
    return box;
}

// Draws trims that belong on the paint: whatever `draw` puts down outside
// the painted body (a line running past a sloping tail, a louvre over a
// mudguard) is dropped, so no trim ever hangs in the air.
template <class Draw>
void OnPaint(Canvas& c, const Car& car, Draw draw) {
    Canvas layer = c;
    draw(layer);
    Canvas mask(c.Width(), c.Height(), {0, 0, 0});
    mask.Polygon(Screen(Painted(car)), {255, 255, 255});
    for (int y = kCarBox.Top; y <= kCarBox.Bottom; ++y)
        for (int x = kCarBox.Left; x <= kCarBox.Right; ++x) {
            const double cover = mask.At(x, y).R / 255.0;
            if (cover > 0) c.Blend(x, y, layer.At(x, y), cover);
        }
}

void Body(Canvas& c, const Car& car) {
    Paint(c, Painted(car), car.Colour);
    // A shoulder line along the side, from the cowl to the tail.
    const double end = car.Body == BODY_TRUCK ? P(car, 7).X - 2 : std::min(P(car, 7).X, Fit(240)) - 6;
    OnPaint(c, car, [&](Canvas& on) {
        on.Line(At(P(car, 3).X, car.Belt - 4), At(end, car.Belt - 4), 1.0, Darker(car.Colour, 0.3), 0.7);
    });
    if (car.Body == BODY_TRUCK) {
        const std::vector<Vec> box = LoadBox(car);
        // The chassis under it, over the wheels' tops.
        c.Fill({static_cast<int>(At(P(car, 8).X - 2, 0).X), static_cast<int>(At(0, box[0].Y).Y),
                static_cast<int>(At(box[box.size() - 1].X - 1, 0).X), static_cast<int>(At(0, box[0].Y - 4).Y)}, {40, 40, 44});
        PolygonGraded(c, Screen(box), At(0, 118).Y, {156, 122, 82}, At(0, 40).Y, {108, 82, 54});
        const double floor = box[0].Y, top = box[1].Y;
        for (double x = box[0].X + 8; x < box.back().X - 3; x += 11) {
            const double h = std::min(top, TopAt(box, x)) - 3;
            c.Line(At(x, floor + 3), At(x, h), 1.2, {96, 72, 48});
        }
        c.Polyline(Screen(box), 2.0, {80, 60, 40});
    }
    if (car.Body == BODY_PICK_UP_TRUCK) {
        // The bed's inside seen over its side.
        const double h = P(car, 8).Y - 2;
        c.Line(At(P(car, 6).X + 4, h), At(kRearFrom, h), 2.0, Darker(car.Colour, 0.5));
        c.Line(At(kRearFrom, h), At(std::min(P(car, 8).X + kTails[car.Rear - 1].Back, Fit(252)) - 6,
                                    h + kTails[car.Rear - 1].TailRise * 0.9), 2.0, Darker(car.Colour, 0.5));
    }
}

// Side glass under the roof: the space between the waist and the roof, kept
// clear of the outline by the pillars' width.
void Glass(Canvas& c, const Car& car) {
    const double from = P(car, 3).X, to = Fit(252);
    std::vector<std::pair<double, double>> run;
    const auto flush = [&]() {
        if (run.size() >= 2) {
            std::vector<Vec> glass;
            for (const auto& [x, h] : run) glass.push_back({x, h});
            for (auto it = run.rbegin(); it != run.rend(); ++it) glass.push_back({it->first, car.Belt});
            PolygonGraded(c, Screen(glass), At(0, 118).Y, {196, 226, 238}, At(0, car.Belt).Y, {112, 150, 176});
        }
        run.clear();
    };
    for (double x = std::ceil(from); x <= to; x += 1.0) {
        double h = 1e9;
        for (double d = -4; d <= 4; d += 1) h = std::min(h, TopAt(car.Shape, x + d));
        h -= 4.5;
        if (h > car.Belt + 2) run.push_back({x, h});
        else flush();
    }
    flush();
}

// The height of the glass above x, or the waist where there is none.
double GlassTop(const Car& car, double x) {
    double h = 1e9;
    for (double d = -4; d <= 4; d += 1) h = std::min(h, TopAt(car.Shape, x + d));
    return std::max(car.Belt, h - 4.5);
}

void Pillar(Canvas& c, const Car& car, double x) {
    const double top = GlassTop(car, x);
    if (top < car.Belt + 6) return;
    c.Line(At(x, car.Belt), At(x, top + 1), 3.2, Darker(car.Colour, 0.12));
}

// Roof posts, seats and the canopy of the first cars.
void Canopy(Canvas& c, const Car& car) {
    const double x0 = P(car, 4).X - 2, x1 = NodeOf(car, 5).X + 2;
    std::vector<Vec> roof;
    std::vector<Vec> under;
    for (double x = x0; x <= x1; x += 1.0) {
        const double h = TopAt(car.Shape, x);
        roof.push_back({x, h});
        under.push_back({x, h - 4});
    }
    roof.insert(roof.end(), under.rbegin(), under.rend());
    const double last = NodeOf(car, 5).X - 1;
    for (const double x : {P(car, 4).X + 2, 125.0, last})
        if (x < x1) c.Line(At(x, car.Belt), At(x, TopAt(car.Shape, x) - 2), 2.0, {50, 46, 42});
    c.Polygon(Screen(roof), {40, 38, 36});
    for (const double x : {P(car, 4).X + 12, 182.0})
        if (x + 16 < last) c.RoundRect(At(x, 0).X, At(0, car.Belt + 22).Y, At(x + 16, 0).X, At(0, car.Belt - 1).Y, 3, {110, 60, 40});
}

// The open cockpit: windscreen and seat, and what the middle variant adds.
void Cockpit(Canvas& c, const Car& car) {
    const Vec base = P(car, 3);
    const Vec top = NodeOf(car, 4);
    c.Line(At(base.X + 2, base.Y), At(top.X + 2, top.Y), 2.0, {60, 60, 64});
    c.Line(At(base.X + 4, base.Y + 2), At(top.X + 3, top.Y - 2), 3.0, {190, 222, 236}, 0.8);
    const Roof roof = RoofOf(car);
    const Rgb hood{48, 44, 42};
    if (roof == Roof::Lowered) {
        // The hood up: fabric from the windscreen's top to behind the seat,
        // a small rear window in it and the hood iron on its quarter.
        const double crown = top.Y + 4;
        const std::vector<Vec> up{{top.X + 1, top.Y + 1}, {top.X + 6, crown}, {140, crown}, {152, crown - 6}, {156, car.Belt},
                                  {top.X + 2, car.Belt}};
        c.Polygon(Screen(Rounded(up, 5.0)), hood);
        c.Line(At(top.X + 6, crown - 1), At(140, crown - 1), 1.0, {90, 84, 78});
        c.RoundRect(At(128, 0).X, At(0, crown - 5).Y, At(140, 0).X, At(0, car.Belt + 8).Y, 3, {150, 180, 196});
        c.Line(At(143, crown - 6), At(149, car.Belt + 4), 1.6, {200, 204, 208});
        return;
    }
    c.RoundRect(At(top.X + 8, 0).X, At(0, car.Belt + 16).Y, At(top.X + 24, 0).X, At(0, car.Belt - 1).Y, 3, {110, 60, 40});
    if (roof == Roof::Raised) {
        // The hood folded down behind the seat.
        c.RoundRect(At(133, 0).X, At(0, car.Belt + 12).Y, At(155, 0).X, At(0, car.Belt - 2).Y, 5, hood);
        for (const double x : {139.0, 149.0}) c.Line(At(x, car.Belt - 1), At(x, car.Belt + 11), 1.4, {150, 110, 70});
    }
}

// The race car's cockpit: the driver's helmet sits in it.
void RaceCockpit(Canvas& c, const Car& car) {
    const double rim = car.Belt;
    const Roof roof = RoofOf(car);
    if (roof == Roof::Airbox) {
        // An air intake over the driver's head, on the engine cover.
        c.Polygon(Screen(Rounded(std::vector<Vec>{{145, rim - 2}, {147, rim + 24}, {154, rim + 24}, {158, rim - 2}}, 2.0)),
                  Darker(car.Colour, 0.15));
        c.Fill({static_cast<int>(At(146, 0).X), static_cast<int>(At(0, rim + 22).Y), static_cast<int>(At(149, 0).X),
                static_cast<int>(At(0, rim + 13).Y)}, {30, 30, 32});
    }
    if (roof == Roof::Hoop) {
        // A roll hoop behind the driver's head, standing on the body.
        c.Polyline(Screen({{146, rim - 1}, {147, rim + 24}, {154, rim + 24}, {155, rim - 1}}), 2.6, {60, 60, 64});
    }
    // The driver: shoulders in overalls, the helmet with its visor and a
    // stripe in the car's colour.
    c.RoundRect(At(127, 0).X, At(0, rim + 9).Y, At(146, 0).X, At(0, rim - 1).Y, 4, {46, 56, 96});
    const Vec head = At(136, rim + 14);
    c.Ellipse(head.X, head.Y + 5, 3.5, 4, {46, 56, 96});   // the neck
    c.Ellipse(head.X, head.Y, 9.5, 9.5, {246, 204, 60});
    c.Line({head.X - 2, head.Y - 9}, {head.X + 8, head.Y - 3}, 2.5, car.Colour);
    c.Polygon({{head.X - 9.5, head.Y - 2}, {head.X - 1, head.Y - 2}, {head.X, head.Y + 3}, {head.X - 8.5, head.Y + 4}}, {40, 40, 50});
    // The cockpit's rim in front of and around the driver.
    c.Line(At(122, rim - 1), At(152, rim - 1), 3.0, Darker(car.Colour, 0.35));
    c.Line(At(118, rim), At(125, rim + 10), 2.0, {150, 180, 196});   // a small screen
}

// ---- Variant details. Each stays inside its own piece.

void FrontDetails(Canvas& c, const Car& car) {
    const Vec noseBottom = NodeOf(car, 0);
    const Vec noseTop = NodeOf(car, 1);
    const double nose = std::min(noseBottom.X, noseTop.X);
    const double hood = P(car, 3).Y;
    const Rgb chrome{214, 218, 222};
    const Rgb lamp{250, 236, 170};
    if (car.Body == BODY_RACE_CAR) {
        // The nose wing: flat, twin or a white blade with the number.
        const Rgb wing = car.Front == 2 ? Rgb{40, 40, 44} : car.Front == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.2);
        c.Polygon(Screen({{nose - 3, 7}, {nose + 26, 7}, {nose + 22, car.Front == 2 ? 14.0 : 11.0}, {nose - 3, 11}}), wing);
        if (car.Front == 2) c.Polygon(Screen({{nose - 1, 15}, {nose + 22, 15}, {nose + 19, 19}, {nose - 1, 19}}), wing);
        if (car.Front == 3) {
            c.Ellipse(At(62, 24).X, At(62, 24).Y, 7, 6, {250, 250, 250});
            c.Line(At(60, 20), At(62, 28), 2.0, {30, 30, 30});
            c.Line(At(62, 28), At(64, 20), 2.0, {30, 30, 30});
        }
        return;
    }
    if (car.Era <= 2) {
        // The radiator at the nose, brass or black, and a lamp on its bracket.
        const Rgb radiator = car.Front == 2 ? Rgb{40, 40, 40} : Rgb{200, 160, 70};
        c.Fill({static_cast<int>(At(nose - 1, 0).X), static_cast<int>(At(0, noseTop.Y + 3).Y), static_cast<int>(At(nose + 4, 0).X),
                static_cast<int>(At(0, noseBottom.Y).Y)}, radiator);
        const Vec l = At(nose + 2, noseTop.Y - 12);
        c.Line({l.X + 1, l.Y}, {l.X + 5, l.Y + 8}, 1.5, {60, 60, 60});
        c.RoundRect(l.X - 4, l.Y - 5, l.X + 5, l.Y + 5, 3, car.Front == 2 ? Rgb{40, 40, 40} : Rgb{200, 160, 70});
        c.Ellipse(l.X - 3, l.Y, 2, 4, lamp);
        if (car.Front == 3) {
            // A bulb horn along the bonnet's side.
            const Vec h = At(nose + 12, noseTop.Y - 6);
            c.Line(h, {h.X + 34, h.Y + 2}, 2.0, {200, 160, 70});
            c.Ellipse(h.X - 2, h.Y, 4, 3, {200, 160, 70});
        }
    } else {
        // Lamps set into the nose, and a bumper.
        const Vec l = At(nose + 4, noseTop.Y - 5);
        if (car.Front == 1) c.Ellipse(l.X + 1, l.Y, 3.5, 4.5, lamp);
        if (car.Front == 2) {
            c.Ellipse(l.X + 1, l.Y - 1, 3, 3, lamp);
            c.Ellipse(l.X + 3, l.Y + 5, 2.5, 2.5, {240, 170, 60});
        }
        if (car.Front == 3) c.Fill({static_cast<int>(l.X - 2), static_cast<int>(l.Y - 2), static_cast<int>(l.X + 7), static_cast<int>(l.Y + 3)}, lamp);
        const double bh = noseBottom.Y + 3;
        const Rgb bumper = car.Front == 1 ? chrome : car.Front == 2 ? Rgb{40, 40, 44} : Darker(car.Colour, 0.15);
        c.RoundRect(At(nose - 3, 0).X, At(0, bh + 5).Y, At(nose + 22, 0).X, At(0, bh - 2).Y, 2, bumper);
        if (car.Era <= 4) {
            // A grille in the nose.
            const double gx = nose + 1;
            for (double y = noseBottom.Y + 9; y < noseTop.Y - 10; y += 3)
                c.Line(At(gx, y), At(gx + 4, y), 1.0, chrome, 0.9);
        }
    }
    // The bonnet: louvres (2) or a stripe and mascot (3), over the wheel's mudguard.
    const double x0 = NodeOf(car, 2).X + 12;
    const double x1 = std::min(P(car, 3).X - 6, kFrontTo - 4);
    // Louvres stay clear of the mudguard or the wheel's arch.
    const double low = std::max({FenderTop(car) + 4, car.Belt - 22, car.Fenders ? 0.0 : car.WheelRadius * 2 + 6});
    if (car.Front == 2 && car.Body != BODY_VAN && hood - 6 - low >= 6) {
        OnPaint(c, car, [&](Canvas& on) {
            for (int i = 0; i < 6; ++i) {
                const double x = x0 + (x1 - x0) * (0.35 + 0.1 * i);
                on.Line(At(x, hood - 6), At(x + 2, std::max(low, hood - 16)), 1.6, Darker(car.Colour, 0.45));
            }
        });
    }
    if (car.Front == 3) {
        const Vec b = NodeOf(car, 2);
        OnPaint(c, car, [&](Canvas& on) { on.Line(At(b.X + 2, b.Y - 5), At(x1, hood - 5), 3.0, Lighter(car.Colour, 0.55)); });
        const Vec m = At(b.X + 2, b.Y);
        c.Polygon({{m.X - 2, m.Y + 0.5}, {m.X + 4, m.Y + 0.5}, {m.X + 1, m.Y - 6}}, chrome);
    }
}

// Doors between the joins: shut lines, a handle, and what the roof carries.
void MiddleDetails(Canvas& c, const Car& car) {
    const Roof roof = RoofOf(car);
    if (car.Body == BODY_RACE_CAR) return;
    const double sill = car.WheelRadius * 0.9 + 6;
    const double door = car.Middle == 2 ? 128 : car.Middle == 3 ? 118 : 124;
    if (car.Roof == Top::Closed && car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK) {
        Pillar(c, car, door);
        if (car.Middle == 3) Pillar(c, car, 140);
    }
    if (car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK) {
        OnPaint(c, car, [&](Canvas& on) { on.Line(At(door, car.Belt - 3), At(door, sill + 2), 1.0, Darker(car.Colour, 0.35), 0.8); });
        c.Fill({static_cast<int>(At(door - 12, 0).X), static_cast<int>(At(0, car.Belt - 8).Y), static_cast<int>(At(door - 6, 0).X),
                static_cast<int>(At(0, car.Belt - 9).Y)}, {220, 224, 228});
    }
    if (roof == Roof::Panel) {
        // Blind panels where the rear side windows were, up to a pillar.
        std::vector<Vec> panel;
        for (double x = door; x <= 150; x += 1) panel.push_back({x, GlassTop(car, x) + 0.5});
        panel.push_back({150, car.Belt - 1});
        panel.push_back({door, car.Belt - 1});
        if (car.Roof == Top::Canopy) {
            // Side curtains buttoned down under the canopy, a small pane in each.
            c.Polygon(Screen(panel), {58, 54, 50});
            for (const double x : {door + 4, 134.0})
                c.RoundRect(At(x, 0).X, At(0, car.Belt + 22).Y, At(x + 10, 0).X, At(0, car.Belt + 12).Y, 2, {150, 180, 196});
            return;
        }
        Paint(c, panel, car.Colour);
        Pillar(c, car, door);
        Pillar(c, car, 150);
        OnPaint(c, car, [&](Canvas& on) {
            on.Line(At(door + 3, car.Belt + 4), At(148, car.Belt + 4), 1.0, Darker(car.Colour, 0.3), 0.7);
        });
    }
    const double rackFrom = 108, rackTo = 142;
    if (roof == Roof::Rack) {
        // A roof rack on feet standing on the roof, with luggage.
        const Rgb iron{50, 50, 54};
        const double roofAt[2] = {TopAt(car.Shape, rackFrom + 4), TopAt(car.Shape, rackTo - 4)};
        const double bar = std::max(roofAt[0], roofAt[1]) + 4;
        c.Line(At(rackFrom + 4, roofAt[0] - 1), At(rackFrom + 4, bar), 2.0, iron);
        c.Line(At(rackTo - 4, roofAt[1] - 1), At(rackTo - 4, bar), 2.0, iron);
        c.Line(At(rackFrom, bar), At(rackTo, bar), 2.0, iron);
        c.RoundRect(At(rackFrom + 4, 0).X, At(0, bar + 10).Y, At(rackFrom + 20, 0).X, At(0, bar + 1).Y, 2, {150, 100, 60});
        c.RoundRect(At(rackFrom + 21, 0).X, At(0, bar + 7).Y, At(rackTo - 5, 0).X, At(0, bar + 1).Y, 2, {70, 100, 130});
        if (car.Body == BODY_TRUCK)
            for (const double x : {P(car, 4).X + 8, P(car, 4).X + 20})
                if (x > kMiddleFrom - 10 && x < rackFrom) c.Ellipse(At(x, P(car, 4).Y + 2).X, At(x, P(car, 4).Y + 2).Y, 3, 2.5, {246, 170, 60});
    }
    if (roof == Roof::Spare) {
        // The spare wheel slung under the load box.
        const double r = car.WheelRadius * 0.8, floor = car.WheelRadius * 2 + 6;
        const Vec w = At(131, floor - r - 1);
        c.Line(At(124, floor - 1), At(138, floor - 1), 2.0, {40, 40, 44});
        c.Ellipse(w.X, w.Y, r, r, {28, 28, 30});
        c.Ellipse(w.X, w.Y, r * 0.55, r * 0.55, car.Era <= 2 ? Rgb{196, 160, 110} : Rgb{178, 184, 190});
        c.Ellipse(w.X, w.Y, r * 0.18, r * 0.18, {60, 60, 64});
    }
    if (roof == Roof::Sleeper) {
        // A sleeping box behind the cab, on the frame.
        const double x0 = P(car, 8).X - 2, top = P(car, 5).Y - 10;
        Paint(c, Rounded(std::vector<Vec>{{x0, car.WheelRadius * 2 + 6}, {x0, top}, {x0 + 22, top}, {x0 + 22, car.WheelRadius * 2 + 6}}, 5.0),
              car.Colour);
        c.RoundRect(At(x0 + 6, 0).X, At(0, top - 6).Y, At(x0 + 16, 0).X, At(0, top - 16).Y, 2, {150, 180, 196});
    }
}

void RearDetails(Canvas& c, const Car& car) {
    const Rgb red{210, 40, 40};
    if (car.Body == BODY_RACE_CAR) {
        // The rear wing on its post.
        const double tail = NodeOf(car, 8).X;
        const double h = car.Rear == 2 ? 54 : car.Rear == 3 ? 40 : 46;
        c.Line(At(tail - 20, 30), At(tail - 18, h + 1), 2.5, {50, 50, 54});
        const double deep = car.Rear == 2 ? 8.0 : 5.0;
        c.Polygon(Screen({{tail - 34, h}, {tail - 2, h}, {tail - 2, h + deep}, {tail - 30, h + deep}}),
                  car.Rear == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.25));
        if (car.Rear == 2) c.Fill({static_cast<int>(At(tail - 4, 0).X), static_cast<int>(At(0, h + 12).Y), static_cast<int>(At(tail - 1, 0).X), static_cast<int>(At(0, h - 4).Y)}, {40, 40, 44});
        return;
    }
    // The vehicle's end: the load box's for the truck.
    const std::vector<Vec> box = car.Body == BODY_TRUCK ? LoadBox(car) : std::vector<Vec>{};
    const double tail = car.Body == BODY_TRUCK ? box.back().X : std::max(NodeOf(car, 8).X, NodeOf(car, 7).X);
    const double bottom = car.Body == BODY_TRUCK ? box.back().Y : NodeOf(car, 9).Y;
    const double tailH = car.Body == BODY_TRUCK ? box.back().Y + 6 : std::max(NodeOf(car, 8).Y, bottom + 10);
    if (car.Roof == Top::Closed && car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK &&
        (car.Body == BODY_FAMILY_WAGON || car.Body == BODY_VAN || car.Body == BODY_LUXURY)) {
        // One more pillar ahead of the rear window.
        double end = kRearFrom;
        for (double x = kRearFrom; x < tail; x += 1) if (GlassTop(car, x) > car.Belt + 2) end = x;
        if (end - 30 > kRearFrom + 6) Pillar(c, car, end - 30);
    }
    // Tail lamps at the end, on the paint.
    const double lampH = tailH - 4;
    const Vec lamp = At((car.Body == BODY_TRUCK ? tail : EndAt(Painted(car), lampH)) - 2, lampH);
    if (car.Rear == 3) c.Fill({static_cast<int>(lamp.X - 2), static_cast<int>(lamp.Y - 6), static_cast<int>(lamp.X + 1), static_cast<int>(lamp.Y + 4)}, red);
    else c.Ellipse(lamp.X, lamp.Y, 2, 3, red);
    if (car.Rear == 2 && car.Era <= 3 && car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK) {
        // The spare wheel on the tail.
        const double h = bottom + car.WheelRadius + 2;
        const Vec w = At(EndAt(Painted(car), h) + 1, h);
        c.Line({w.X - 4, w.Y}, {w.X, w.Y}, 3.0, {60, 60, 64});
        c.Ellipse(w.X, w.Y, 4, car.WheelRadius * 0.85, {28, 28, 30});
        c.Ellipse(w.X + 0.5, w.Y, 2, car.WheelRadius * 0.45, {170, 170, 170});
    }
    if (car.Rear == 3) {
        // A bumper or step, and a trunk on the old cars.
        c.Fill({static_cast<int>(At(tail - 16, 0).X), static_cast<int>(At(0, bottom + 3).Y),
                static_cast<int>(At(tail + 1, 0).X), static_cast<int>(At(0, bottom - 2).Y)}, Utility(car) ? Rgb{60, 60, 64} : Rgb{200, 204, 208});
        if (car.Era <= 2 && !Utility(car)) {
            const Vec t = At(tail - 12, tailH + 22);
            c.RoundRect(t.X, t.Y, t.X + 11, t.Y + 17, 2, {60, 40, 30});
            c.Line({t.X, t.Y + 6}, {t.X + 11, t.Y + 6}, 1.0, {200, 160, 70});
        }
    }
    if (car.Body == BODY_TRUCK && car.Rear == 3) {
        // A ladder up the box's back.
        const double top = box[box.size() - 2].Y;
        c.Line(At(tail - 2, box.back().Y), At(tail - 2, top - 2), 1.4, {60, 60, 64});
        for (double y = box.back().Y + 6; y < top - 4; y += 8) c.Line(At(tail - 4, y), At(tail, y), 1.2, {60, 60, 64});
    }
}

// The car on the showroom, or on a plain ground colour (for cut-outs).
Canvas DrawOnShowroom(const Car& car, bool plain = false, Rgb ground = {0, 0, 0}) {
    Canvas c(800, 600, plain ? ground : kShowroom);
    if (!plain) Showroom(c);
    // Shadow on the floor.
    c.Ellipse(kNoseX + 126, kCarGround + 1, 112, 4.5, {60, 70, 80}, 0.35);
    if (car.Body != BODY_RACE_CAR) {
        Body(c, car);
        if (!car.Fenders)   // wheel arches cut into the body
            for (const double x : Wheels(car)) {
                const Vec w = At(x, car.WheelRadius);
                c.Ellipse(w.X, w.Y, car.WheelRadius + 3, car.WheelRadius + 3, {30, 30, 32});
            }
        if (car.Roof == Top::Closed) Glass(c, car);
        if (car.Roof == Top::Canopy) Canopy(c, car);
        if (car.Roof == Top::Open) Cockpit(c, car);
        for (const double x : Wheels(car)) Wheel(c, car, x);
        if (car.Fenders) {
            for (const double x : Wheels(car)) Fender(c, car, x);
            // Running boards between the mudguards; a truck's ends at its cab.
            const double y = car.WheelRadius + 2;
            const double boardEnd = car.Body == BODY_TRUCK ? P(car, 8).X : car.RearWheel - car.WheelRadius - 1;
            c.Fill({static_cast<int>(At(car.FrontWheel + car.WheelRadius + 1, 0).X), static_cast<int>(At(0, y + 3).Y),
                    static_cast<int>(At(boardEnd, 0).X), static_cast<int>(At(0, y).Y)},
                   car.Era <= 2 ? Rgb{40, 36, 34} : Darker(car.Colour, 0.3));
        }
    } else {
        // Open wheels: suspension arms, then the body over them.
        c.Line(At(car.FrontWheel, car.WheelRadius), At(72, 22), 2.0, {50, 50, 54});
        c.Line(At(car.RearWheel, car.WheelRadius), At(186, 24), 2.0, {50, 50, 54});
        for (const double x : Wheels(car)) Wheel(c, car, x);
        Body(c, car);
        c.Line(At(22, 18), At(228, 26), 3.0, {250, 250, 250}, 0.9);   // a racing stripe
        RaceCockpit(c, car);
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
