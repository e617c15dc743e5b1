// The car's outline as the pieces shape it, and what the painters measure
// on it: where the roof is above a column, where the tail ends at a height.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/car_model.h"
#include "art/showroom.h"
#include "presentation/picture_catalogue.h"

namespace art::car {
namespace {

constexpr double kOverhang = 16;   // the least a nose moved back stands ahead of the front tyre

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
            // A nose moved back keeps room ahead of the front tyre for
            // the bumper and lamps on the body's front, where the wings
            // are merged into it.
            const bool bodyFront = !car.Fenders && car.Body != BODY_RACE_CAR;
            const double limit = bodyFront ? std::max(v.X, car.FrontWheel - car.WheelRadius - kOverhang) : 1e9;
            if (n.Index <= 1) v.X = std::min(v.X - nose.Forward, limit);
            // A lowered nose keeps room for its lamps above the bumper.
            if (n.Index == 1) v.Y = std::max(v.Y + nose.NoseRise, std::min(v.Y, P(car, 0).Y + 16));
            if (n.Index == 2) {
                v.X -= nose.Forward * 0.5;
                v.Y += nose.BonnetRise;
            }
            n.Round = nose.Round;
        }
        if (v.X > kMiddleFrom && v.X < kMiddleTo && v.Y > car.Belt + 8) {
            const double k = Greenhouse(car, v.Y);
            if (roof == Roof::Raised) {
                // A taller cab, the windscreen carried up on its own rake.
                // An open car's screen stands taller and more upright.
                const double rise = 6 * k;
                v.Y += rise;
                if (n.Index == 4 && n.Is == Kind::Own) {
                    const Vec cowl = P(car, 3), screenTop = P(car, 4);
                    // A pick-up's high-roof cab brings its roof forward over
                    // a steeper screen, so it grows as long as it grows tall.
                    v.X = car.Roof == Top::Open             ? std::max(kMiddleFrom + 3, v.X - 4)
                        : car.Body == BODY_PICK_UP_TRUCK ? std::max(kMiddleFrom + 3, v.X - rise)
                                                            : v.X + rise * (screenTop.X - cowl.X) / std::max(1.0, screenTop.Y - cowl.Y);
                }
            }
            if (n.Index == 4 && n.Is == Kind::Own && (roof == Roof::Upright || roof == Roof::Raked)) {
                double shift = roof == Roof::Upright ? -12.0 : 12.0;
                // A formal saloon's upright screen keeps the rake of its day
                // from 1953 on: it loses only a third of its run.
                if (roof == Roof::Upright && car.Body == BODY_LUXURY && car.Era >= ERA_1953) shift = (P(car, 3).X - v.X) / 3;
                v.X = std::clamp(v.X + shift, kMiddleFrom + 3, kMiddleTo - 3);
            }
            if (n.Is == Kind::Inner) n.Round = 8.0 / std::max(1.0, car.Style->Corner);
        }
        if (v.X > kRearFrom && n.Index >= 5 && car.Body != BODY_TRUCK) {
            if (n.Index == 5) v.X = std::max(kRearFrom + 3, v.X + tail.RoofPull);
            if (n.Index == 6) {
                v.Y += tail.DeckRise;
                v.X += tail.RoofPull * 0.5;
            }
            // An open car's long sloping tail is raised at its end, not
            // where the slope starts: that would stand up as a hump on the
            // deck.
            const bool boatTail = car.Roof == Top::Open && P(car, 8).X - P(car, 7).X > 30 && tail.TailRise > 0;
            // A level boot deck raised rises as one, its end square over
            // the tail: raised more at its end it would climb into a lip.
            const bool levelDeck = car.Roof == Top::Closed && std::abs(P(car, 7).Y - P(car, 6).Y) <= 3 && P(car, 7).X - P(car, 6).X >= 20;
            const double rise = levelDeck ? std::min(tail.TailRise, tail.DeckRise) : tail.TailRise;
            if (n.Index == (boatTail ? 8 : 7)) v.Y += rise;
            // A deck or tail raised to the roof's height stops there: a box
            // body's back never pokes above its roof.
            if (n.Index == 6 || n.Index == 7) v.Y = std::min(v.Y, std::max(P(car, n.Index).Y, P(car, 5).Y));
            if (n.Index >= 7) v.X = std::min(fitEnd, v.X + tail.Back);
            n.Round = tail.Round;
        }
        // A crew cab: the cab's back moved back over the frame, under one roof.
        if (car.Body == BODY_TRUCK && roof == Roof::Sleeper && n.Index >= 5) v.X += kCrewCab;
    }
    // A windscreen set upright or raked at its top runs straight from where
    // the type's own line leaves it: a cut left on the old line would bend
    // it, and under a roof moved forward stand out behind it as a notch.
    if (roof == Roof::Upright || roof == Roof::Raked)
        std::erase_if(car.Nodes, [](const Node& n) { return n.Index == 3 && n.Is == Kind::Inner; });
    // So does a pick-up's steeper screen, from its cowl behind the join.
    if (roof == Roof::Raised && car.Body == BODY_PICK_UP_TRUCK && car.Roof == Top::Closed)
        std::erase_if(car.Nodes, [](const Node& n) { return n.Index == 3 && n.Is != Kind::Own && n.At.X > kJoins[0]; });
}

// The outline through the nodes with every corner rounded: a cut's a
// little, the others by the era's rounding times the node's own share.
// Outline points `waistFrom` to `waistTo` are held down to the waist.
std::vector<Vec> RoundedNodes(const Car& car, int waistFrom = 0, int waistTo = -1) {
    const double corner = car.Style->Corner;
    std::vector<Vec> points;
    std::vector<double> radii;
    for (const Node& n : car.Nodes) {
        Vec v = n.At;
        if (n.Is != Kind::Floor && n.Index >= waistFrom && n.Index <= waistTo) v.Y = std::min(v.Y, car.Belt);
        points.push_back(v);
        radii.push_back(n.Is == Kind::Cut ? std::min(corner, 4.0) : corner * n.Round);
    }
    return Rounded(points, radii);
}

}  // namespace

Roof RoofOf(const Car& car) {
    // An open car's windscreen stands taller, or its hood goes up, where a
    // closed car's windscreen would be set upright or raked.
    const Roof r = kRoofs[car.Body - 1][car.Middle - 1];
    if (car.Roof == Top::Open && (r == Roof::Upright || r == Roof::Raked)) return r == Roof::Upright ? Roof::Raised : Roof::Lowered;
    // Only a cab whose whole roof lies between the joins can stand taller: a
    // roof running on to a join would rise and fall back as a hump. There the
    // raised choice blinds the rear side windows instead.
    if (r == Roof::Raised && car.Roof != Top::Open && (P(car, 4).X < kMiddleFrom || P(car, 5).X > kMiddleTo)) return Roof::Panel;
    // A rack needs a flat roof: a curved one is raked instead.
    if (r == Roof::Rack && car.Roof != Top::Open && !RoofIsFlat(car)) return Roof::Raked;
    return r;
}

const Vec& P(const Car& car, int i) { return car.Base[static_cast<std::size_t>(i)]; }

// An outline point where the variants put it.
Vec NodeOf(const Car& car, int index) {
    for (const Node& n : car.Nodes)
        if (n.Index == index && n.Is == Kind::Own) return n.At;
    return P(car, index);
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
    Car car{};
    car.Body = body;
    car.Era = era;
    car.Style = &kEraStyles[era - 1];
    const Outline& side = s.Eras[static_cast<std::size_t>(era - 1)];
    for (std::size_t i = 0; i < kPoints; ++i) car.Base[i] = {Fit(side[i].X), side[i].Y};
    car.Colour = s.Colour;
    car.FrontWheel = Fit(s.FrontWheel + car.Style->FrontAxle);
    car.RearWheel = Fit(s.RearWheel);
    car.WheelRadius = car.Style->WheelRadius + (body == BODY_TRUCK ? 2 : 0) + (body == BODY_RACE_CAR ? 3 : 0) -
                      (body == BODY_COMPACT ? 2 : 0);
    car.Roof = Top::Closed;
    if ((body == BODY_FAMILY_WAGON || body == BODY_TRUCK) && era == ERA_1908) car.Roof = Top::Canopy;
    if ((body == BODY_SPORT && era <= ERA_1953) || body == BODY_RACE_CAR) car.Roof = Top::Open;
    car.Fenders = car.Style->Wings != WingKind::Merged && body != BODY_RACE_CAR;
    car.Belt = body == BODY_VAN ? std::min(P(car, 4).Y, P(car, 5).Y) - 34 : P(car, 3).Y + 2;
    car.Front = front;
    car.Middle = middle;
    car.Rear = rear;
    Reshape(car);
    car.Shape = RoundedNodes(car);
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

void FillBox(Canvas& c, double x0, double top, double x1, double bottom, Rgb colour) {
    const Vec a = At(x0, top), b = At(x1, bottom);
    c.Fill({static_cast<int>(a.X), static_cast<int>(a.Y), static_cast<int>(b.X), static_cast<int>(b.Y)}, colour);
}

void RoundBox(Canvas& c, double x0, double top, double x1, double bottom, double radius, Rgb colour) {
    const Vec a = At(x0, top), b = At(x1, bottom);
    c.RoundRect(a.X, a.Y, b.X, b.Y, radius, colour);
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

// The first point of the outline from the nose at height h (0 where the car
// is not there).
double StartAt(const std::vector<Vec>& shape, double h) {
    double first = 1e9;
    const std::size_t n = shape.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec a = shape[i], b = shape[(i + 1) % n];
        if ((a.Y <= h && h <= b.Y) || (b.Y <= h && h <= a.Y)) {
            const double t = a.Y == b.Y ? 0.0 : (h - a.Y) / (b.Y - a.Y);
            first = std::min(first, a.X + (b.X - a.X) * t);
        }
    }
    return first > 1e8 ? 0 : first;
}

// The furthest point of the outline toward the tail at height h.
double EndAt(const std::vector<Vec>& shape, double h) { return Furthest(shape, &Vec::Y, &Vec::X, h); }

// The body's outline as drawn: open and canopied bodies end at the waist.
std::vector<Vec> Painted(const Car& car) {
    if (car.Roof == Top::Closed) return car.Shape;
    return RoundedNodes(car, 3, car.Roof == Top::Canopy ? 7 : 5);
}

bool Utility(const Car& car) {
    return car.Body == BODY_TRUCK || car.Body == BODY_VAN || car.Body == BODY_PICK_UP_TRUCK;
}

double FenderTop(const Car& car) { return car.Fenders ? car.WheelRadius * 2 + 4 : 0; }

bool HasBonnet(const Car& car) { return P(car, 3).X - P(car, 2).X >= 24; }

// Every wheel of the car.
std::vector<double> Wheels(const Car& car) { return {car.FrontWheel, car.RearWheel}; }

// The truck's load box: the same from the cab to x 172, its tail the rear variant's.
std::vector<Vec> LoadBox(const Car& car) {
    // A low-sided bed on the first truck, taller boxes later.
    const double floor = car.WheelRadius * 2 + 6;
    constexpr double kTop[kEraCount] = {0, 98, 102, 104, 108, 116};
    const double top = car.Era == ERA_1908 ? floor + 24 : kTop[car.Era - 1];
    const double front = NodeOf(car, 8).X + 5;
    const TailStyle& tail = kTails[car.Rear - 1];
    const double end = Fit(250) + tail.Back;
    std::vector<Vec> box{{front, floor}, {front, top}, {kRearFrom, top}};
    if (car.Rear == 2) {
        for (int k = 0; k <= 8; ++k) {
            const double a = std::numbers::pi / 2 * (1 - k / 8.0);
            box.push_back({end - 18 + 18 * std::cos(a), top - 18 + 18 * std::sin(a)});
        }
    } else {
        box.push_back({end, top});
    }
    box.push_back({end, floor});
    return box;
}

// The height of the glass above x, or the waist where there is none.
double GlassTop(const Car& car, double x) {
    // A van is a closed box behind its cab.
    if (car.Body == BODY_VAN && x > kMiddleFrom + 16) return car.Belt;
    // Early closed cars have a deep roof rail, and smaller windows under it.
    const double rail = car.Era <= ERA_1923 ? 8 : 4.5;
    double h = 1e9;
    for (double d = -4; d <= 4; d += 1) h = std::min(h, TopAt(car.Shape, x + d));
    return std::max(car.Belt, h - rail);
}

}  // namespace art::car
