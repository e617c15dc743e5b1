// The middle and rear pieces' own details: doors and what the roof carries
// on the middle ones, lamps, spare wheels and trunks on the rear ones. Each
// stays inside its own piece but one: the luxury car's rear door runs on
// into the rear piece, to its back edge under the quarter light's pillar.
// That edge is placed by the rear's tail alone, so it meets every middle.
#include <algorithm>
#include <cmath>
#include <optional>

#include "art/car_model.h"
#include "art/showroom.h"
#include "presentation/layout.h"

namespace art::car {
namespace {

// The highest a roof load may reach: every car keeps the three top rows of
// its pictures bare.
constexpr double kCeiling = kCarGround - kCarPieceAt[0].Y - 3;
constexpr double kLuggage = 10;   // the tallest case on a roof rack
// Where the front door's shut line stands, by the middle piece's variant.
constexpr double kDoorAt[kPieceVariants] = {124, 128, 118};
constexpr double kSecondPillar = 140;   // the third middle's, behind the front door
// The family sedan's four-door rear door ends ahead of the join, so the
// two-door middles leave the rear piece as it was.
constexpr double kSaloonRearDoor = kJoins[1] - 3;

// Side curtains buttoned down from the canopy's underside to the body
// between x0 and x1, a celluloid pane in each of their bays.
void SideCurtains(Canvas& c, const Car& car, double x0, double x1, int bays) {
    const double top = TopAt(car.Shape, (x0 + x1) / 2) - 3;
    HangsOn(c, car, "side curtains", "canopy", [&](Canvas& on) {
        FillBox(on, x0, top, x1, car.Belt - 1, {58, 54, 50});
        const double bay = (x1 - x0) / bays;
        for (int i = 0; i < bays; ++i)
            RoundBox(on, x0 + bay * i + 3, top - 6, x0 + bay * (i + 1) - 3, top - 16, 2, {150, 180, 196});
    });
}

// The third rear's kit on a truck, all at the load box's end: a step hung
// under the frame's end with the tail lamp on the rail beside it, and a
// ladder from the step up past the box's top, or from 1968 the tail lift
// folded up flush against the box's back.
void TruckRearKit(Canvas& c, const Car& car, const std::vector<Vec>& box) {
    const double tail = box.back().X, floor = box.back().Y, top = box[box.size() - 2].Y;
    const double rail = FrameTop(car) - 5;   // the frame rails' underside
    const double tread = rail - 4;           // the step's top
    // Clear of the rear wheel's guard, which reaches well past the tyre.
    const double from = std::max(tail - 16, car.RearWheel + car.WheelRadius + 10);
    HangsOn(c, car, "rear step", "frame", [&](Canvas& on) {
        for (const double x : {from + 2, tail - 3}) FillBox(on, x, rail + 1, x + 1.5, tread, {50, 50, 54});
        FillBox(on, from, tread, tail + 1, tread - 3, {70, 70, 76});
        on.Line(At(from, tread - 0.5), At(tail + 1, tread - 0.5), 1.0, {130, 132, 138});
    });
    HangsOn(c, car, "tail lamp", "frame", [&](Canvas& on) { FillBox(on, tail - 2, rail + 4, tail + 1, rail + 1, {210, 40, 40}); });
    const Rgb steel{176, 178, 184};
    if (car.Era >= ERA_1968) {
        HangsOn(c, car, "tail lift", "load box", [&](Canvas& on) {
            FillBox(on, tail - 3, floor + 24, tail + 0.5, floor + 1, {84, 88, 96});
            on.Line(At(tail - 2.5, floor + 2), At(tail - 2.5, floor + 23), 1.0, steel);
        });
        return;
    }
    // Rails and rungs in bright steel, so it reads against the box's boards
    // and paint alike.
    const double near = tail - 8, far = tail - 3;
    HangsOn(c, car, "ladder", "load box", [&](Canvas& on) {
        for (const double x : {near, far}) on.Line(At(x, tread), At(x, top + 3), 1.2, steel);
        for (double y = tread + 5; y < top; y += 5) on.Line(At(near, y), At(far, y), 1.0, steel);
    });
}

double Sill(const Car& car) { return car.WheelRadius * 0.9 + 6; }   // where the doors' shut lines end

void Handle(Canvas& on, const Car& car, double x) { FillBox(on, x, car.Belt - 8, x + 6, car.Belt - 9, {220, 224, 228}); }

// Where a door's shut line ends: at the sill, or over a wheel at the top of
// its arch, so the line never runs down into the tyre.
double ShutLineFoot(const Car& car, double x) {
    const bool overWheel = std::abs(x - car.FrontWheel) < car.WheelRadius + 2 || std::abs(x - car.RearWheel) < car.WheelRadius + 2;
    return overWheel ? std::max(Sill(car) + 2, car.WheelRadius * 2 + 3) : Sill(car) + 2;
}

// A door's shut line from the waist down to the sill, its handle from
// `handle`; an edge that carries no handle passes none.
void Door(Canvas& c, const Car& car, const char* name, double x, std::optional<double> handle = std::nullopt) {
    On(c, car, name, "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) { on.Line(At(x, car.Belt - 3), At(x, ShutLineFoot(car, x)), 1.0, Darker(car.Colour, 0.35), 0.8); });
        if (handle) Handle(layer, car, *handle);
    });
}

// Where the front door's shut line stands, and what the doors are.
struct Doors { double At; bool TwoDoor, Hardtop, SecondPillar; };

Doors DoorsOf(const Car& car) {
    // The luxury car's cabin stands far back behind its long bonnet: its
    // doors part further back with it, so the front door's window is as
    // long as the rear door's, and no third pillar stands between them.
    const bool setBack = car.Body == BODY_LUXURY;
    Doors d{};
    // Where a closed car cannot raise its roof, it is a two-door: one long
    // door under one long window. From 1968 on a saloon is a pillarless
    // hardtop; before it, and on an estate always, the door's rear edge
    // carries a pillar, the quarter light or the load windows behind it.
    d.TwoDoor = RoofOf(car) == Roof::Panel && car.Roof == Top::Closed && !Utility(car);
    d.Hardtop = d.TwoDoor && car.Era >= ERA_1968 && car.Body != BODY_FAMILY_WAGON;
    d.At = d.TwoDoor ? (d.Hardtop ? 150 : 148) : kDoorAt[car.Middle - 1] + (setBack ? 16 : 0);
    // Behind a raked screen the front door still has a window of its own:
    // the luxury car's set-back cabin, and the sports car's screen raked
    // far back over a short cockpit.
    if ((setBack || car.Body == BODY_SPORT) && !d.TwoDoor) d.At = std::clamp(NodeOf(car, 4).X + 12, d.At, kMiddleTo);
    // The third middle's doors part ahead of a second pillar; where the
    // screen is raked back over that parting, a pillar there would stand
    // under the screen's slope as a stub short of the roof, so the doors
    // part at the second pillar instead. A door already reaching back past
    // it, as the sports car's does, ends under its own pillar alone: a
    // second one just ahead would split its window's end into two posts.
    d.SecondPillar = car.Middle == 3 && !setBack && d.At < kSecondPillar;
    if (d.SecondPillar && car.Roof == Top::Closed && d.At < NodeOf(car, 4).X) {
        d.At = kSecondPillar;
        d.SecondPillar = false;
    }
    return d;
}

void FrontDoor(Canvas& c, const Car& car, const Doors& doors) {
    if (car.Roof == Top::Closed && !doors.Hardtop) Pillar(c, car, doors.At);
    if (car.Roof == Top::Closed && doors.SecondPillar) Pillar(c, car, kSecondPillar);
    Door(c, car, "door", doors.At, doors.At - 12);
}

// With no pillar, the door glass's own frame shows where it ends, over the
// door's rear edge: chrome, in 1983 black rubber. In 1968 the frame also
// closes a vent pane a hand's width behind the windscreen's foot; by 1983
// the door glass is one pane.
void DoorGlassFrame(Canvas& c, const Car& car, double door) {
    const Rgb frame = car.Style->Bumper == BumperKind::Black ? Rgb{44, 44, 48} : kChrome;
    On(c, car, "door glass frame", "glass", [&](Canvas& on) {
        on.Line(At(door, car.Belt), At(door, GlassTop(car, door) - 0.5), 1.4, frame);
        if (car.Era != ERA_1968) return;
        double glass = kJoins[0];
        while (glass < door && GlassTop(car, glass) <= car.Belt + 2) glass += 1;
        const double post = std::min(glass + 12, P(car, 4).X + 2);
        std::vector<Vec> pane;
        for (double x = glass + 1; x <= post; x += 1) pane.push_back({x, GlassTop(car, x) - 0.8});
        pane.push_back({post, car.Belt});
        on.Polyline(Screen(pane), 1.4, frame);
    });
}

// Behind the van's cab door, a door to the load with a window level with
// the cab's, so that the second middle reads at a glance as a van that
// carries people as well as goods. Up to 1938 the door hangs on hinges at
// its front and opens by a handle at its back; from 1953 it slides back on
// a rail along its foot, by a pull near its front. The window's corners are
// as round as the era's, in a dark rubber seal.
void LoadDoor(Canvas& c, const Car& car, double door, double end) {
    const double foot = std::max(Sill(car) + 4, NodeOf(car, 9).Y + 4);
    const double top = TopAt(car.Shape, (door + end) / 2) - 2;   // under the roof's gutter
    const bool slides = car.Era >= ERA_1953;
    std::vector<Vec> window = Rounded({{door + 4, top - 3}, {end - 3, top - 3}, {end - 3, car.Belt}, {door + 4, car.Belt}},
                                      std::min(car.Style->Corner / 3, 3.0));
    On(c, car, "load door", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            on.Polyline(Screen({{door, car.Belt - 3}, {door, top}, {end, top}, {end, foot - 2}}), 1.0, Darker(car.Colour, 0.35), 0.8);
            if (slides) on.Line(At(door + 1, foot), At(end + 2, foot), 2.0, Darker(car.Colour, 0.5));
        });
        Pane(layer, car, window);
        window.push_back(window.front());
        layer.Polyline(Screen(window), 1.0, {40, 40, 44});
        if (slides) return FillBox(layer, door + 3, car.Belt - 6, door + 4, car.Belt - 14, {220, 224, 228});
        for (const double h : {foot + 6, top - 8}) FillBox(layer, door - 1, h + 3, door + 2, h, {40, 40, 44});
        FillBox(layer, end - 9, car.Belt - 8, end - 3, car.Belt - 9, {220, 224, 228});
    });
}

// The pick-up's cab with its rear quarters closed: the cab's own paint
// carried down from the roof to the waist behind the door's glass, on to
// the cab's back, so the glass ends at it as at the cab's back.
void BlindQuarter(Canvas& c, const Car& car, double door) {
    const double back = EndAt(car.Shape, car.Belt + 1);
    std::vector<Vec> panel;
    // Its top steps down a column after the glass's, over the glass's soft end.
    for (double x = door; x <= back; x += 1) panel.push_back({x, GlassTop(car, x - 1) + 0.5});
    panel.push_back({back, car.Belt - 1});
    panel.push_back({door, car.Belt - 1});
    On(c, car, "blind quarter", "body", [&](Canvas& on) { Paint(on, panel, car.Style->TwoTone ? kRoofTone : car.Colour); });
}

// Where a closed cab cannot raise its roof, its rear quarter closes: on the
// van a door to the load, on the pick-up a blind quarter. Under a canopy:
// side curtains round the front seats, from the windscreen's post to the
// rear quarter.
void RearQuarter(Canvas& c, const Car& car, double door) {
    const double end = std::min(kJoins[1] - 4, EndAt(car.Shape, car.Belt + 6) - 3);
    if (car.Roof == Top::Canopy) return SideCurtains(c, car, std::max(P(car, 4).X + 2, kJoins[0] + 2), end, 2);
    if (car.Body == BODY_VAN) return LoadDoor(c, car, door, end);
    BlindQuarter(c, car, door);
}

// A roof rack on feet standing on the roof, with luggage.
void RoofRack(Canvas& c, const Car& car) {
    const double rackFrom = 108, rackTo = 142;
    const Rgb iron{50, 50, 54};
    const double roofAt[2] = {TopAt(car.Shape, rackFrom + 4), TopAt(car.Shape, rackTo - 4)};
    // On a tall roof the feet are shorter, so the luggage stays clear of
    // the picture's top rows.
    const double roofTop = std::max(roofAt[0], roofAt[1]);
    const double bar = roofTop + std::clamp(kCeiling - kLuggage - roofTop, 2.0, 4.0);
    HangsOn(c, car, "roof rack", car.Roof == Top::Canopy ? "canopy" : "body", [&](Canvas& on) {
        on.Line(At(rackFrom + 4, roofAt[0] - 1), At(rackFrom + 4, bar), 2.0, iron);
        on.Line(At(rackTo - 4, roofAt[1] - 1), At(rackTo - 4, bar), 2.0, iron);
        on.Line(At(rackFrom, bar), At(rackTo, bar), 2.0, iron);
    });
    HangsOn(c, car, "luggage", "roof rack", [&](Canvas& on) {
        RoundBox(on, rackFrom + 4, bar + kLuggage, rackFrom + 20, bar + 1, 2, {150, 100, 60});
        RoundBox(on, rackFrom + 21, bar + 7, rackTo - 5, bar + 1, 2, {70, 100, 130});
    });
}

// A fuel tank strapped under the frame behind the truck's cab.
void FuelTank(Canvas& c, const Car& car) {
    const double frame = FrameTop(car) - 4;
    HangsOn(c, car, "fuel tank", "frame", [&](Canvas& on) {
        RoundBox(on, 121, frame + 1, 146, frame - 11, 4, {150, 156, 164});
        on.Line(At(122, frame - 2), At(145, frame - 2), 1.0, {210, 214, 220}, 0.8);
        for (const double x : {126.0, 141.0}) on.Line(At(x, frame + 1), At(x, frame - 11), 1.4, {50, 50, 54});
        FillBox(on, 132, frame + 1, 135, frame - 1, {50, 50, 54});
    });
}

double CabDoorFront(const Car& car) { return std::max(P(car, 3).X + 3, car.FrontWheel); }

// The crew cab's post where the cab's back stood, in the paint above the
// waist, between the doors' windows (CabDoors draws the doors below it).
double CrewPost(const Car& car) { return P(car, 7).X - 1; }

void CrewPillar(Canvas& c, const Car& car) {
    const double post = CrewPost(car);
    const Rgb frame = Darker(car.Style->TwoTone ? kRoofTone : car.Colour, 0.12);
    On(c, car, "crew cab pillar", "body", [&](Canvas& on) { on.Line(At(post, car.Belt), At(post, GlassTop(car, post) + 1), 3.2, frame); });
}

// A closed truck cab's door, from behind the windscreen's foot (on a cab
// over the engine, from over the front axle) to the cab's back, hung at its
// front with its handle at its rear. The crew cab's front door ends at the
// post; behind it the rear door, hung at the post like any working truck's
// and opened from its back in the same way, ends short of the longer cab's
// back.
void CabDoors(Canvas& c, const Car& car) {
    const bool crew = RoofOf(car) == Roof::Sleeper;
    const double back = crew ? CrewPost(car) : P(car, 7).X - 4;
    Door(c, car, "door front", CabDoorFront(car));
    Door(c, car, "door", back, back - 12);
    // The rear door is short: its handle keeps closer to its back, so it
    // reads there and not in the door's middle.
    if (crew) {
        const double rearBack = NodeOf(car, 7).X - 4;
        Door(c, car, "crew door", rearBack, rearBack - 9);
    }
}

// Where a luxury car's rear door ends, under the quarter light's pillar
// when the tail leaves room for one (RearDetails draws it there).
double RearDoorBack(const Car& car) {
    const double tail = std::max(NodeOf(car, 8).X, NodeOf(car, 7).X);
    double end = kRearFrom;
    for (double x = kRearFrom; x < tail; x += 1) if (GlassTop(car, x) > car.Belt + 2) end = x;
    return end - 30;
}

// The luxury car's rear door's back edge: under the quarter light's pillar,
// and far enough inside the rear piece that the pillar over it stays off
// the join.
double LuxuryRearDoorBack(const Car& car) { return std::max(RearDoorBack(car), kJoins[1] + 4); }

}  // namespace

// Doors between the joins: shut lines, a handle, and what the roof carries.
void MiddleDetails(Canvas& c, const Car& car) {
    if (car.Body == BODY_RACE_CAR) return;
    const Roof roof = RoofOf(car);
    const Doors doors = DoorsOf(car);
    if (car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK) FrontDoor(c, car, doors);
    if (doors.Hardtop) DoorGlassFrame(c, car, doors.At);
    if (roof == Roof::Panel && !doors.TwoDoor) RearQuarter(c, car, doors.At);
    if (roof == Roof::Rack) RoofRack(c, car);
    if (roof == Roof::Spare) FuelTank(c, car);
    if (roof == Roof::Sleeper && car.Roof == Top::Closed && car.Body == BODY_TRUCK) CrewPillar(c, car);
    // A cab over the engine wraps its glass round to the door: the door's
    // front edge carries a pillar up to the roof, the door's glass behind it.
    if (car.Body == BODY_TRUCK && car.Roof == Top::Closed && !HasBonnet(car)) Pillar(c, car, CabDoorFront(car));
    // The four-door's rear door ends under the rear side window: its
    // window's frame stands up from the door's back edge to the roof, so the
    // glass behind it reads as a quarter light and the door as a door.
    if (car.Body == BODY_FAMILY_SEDAN && car.Middle == 1 && car.Roof == Top::Closed) Pillar(c, car, kSaloonRearDoor);
}

void DoorEdges(Canvas& c, const Car& car) {
    if (car.Roof != Top::Closed) return;
    if (car.Body == BODY_TRUCK) return CabDoors(c, car);
    // A four-door saloon's rear door: the family sedan's on its first
    // middle. The luxury car is always a four-door: its rear door reaches
    // back to the quarter light's pillar in the rear piece, and hangs there
    // like a limousine's, its handle at its front in the middle piece.
    if (car.Body == BODY_FAMILY_SEDAN && car.Middle == 1) Door(c, car, "rear door", kSaloonRearDoor, kSaloonRearDoor - 12);
    if (car.Body == BODY_LUXURY) {
        Door(c, car, "rear door", LuxuryRearDoorBack(car));
        On(c, car, "rear door handle", "body", [&](Canvas& on) { Handle(on, car, DoorsOf(car).At + 4); });
    }
}

void RearDetails(Canvas& c, const Car& car) {
    const Rgb red{210, 40, 40};
    if (car.Body == BODY_RACE_CAR) {
        RaceTail(c, car);
        return;
    }
    // The vehicle's end: the load box's for the truck.
    const std::vector<Vec> box = car.Body == BODY_TRUCK ? LoadBox(car) : std::vector<Vec>{};
    const double tail = car.Body == BODY_TRUCK ? box.back().X : std::max(NodeOf(car, 8).X, NodeOf(car, 7).X);
    const double bottom = car.Body == BODY_TRUCK ? box.back().Y : NodeOf(car, 9).Y;
    const double tailH = car.Body == BODY_TRUCK ? box.back().Y + 6 : std::max(NodeOf(car, 8).Y, bottom + 10);
    double quarter = 0;   // the pillar ahead of the rear window, where there is one
    if (car.Roof == Top::Closed && (car.Body == BODY_FAMILY_WAGON || car.Body == BODY_VAN || car.Body == BODY_LUXURY)) {
        // One more pillar ahead of the rear window; on the luxury car it
        // stands over its rear door's back edge wherever that falls, so the
        // edge never ends under the glass.
        const bool luxury = car.Body == BODY_LUXURY;
        const double pillar = luxury ? LuxuryRearDoorBack(car) : RearDoorBack(car);
        if (luxury || pillar > kJoins[1] + 6) {
            quarter = pillar;
            Pillar(c, car, quarter);
        }
    }
    // Early closed cars have small windows: one more pillar behind the doors,
    // unless the quarter light's pillar already stands there.
    if (car.Roof == Top::Closed && car.Era <= ERA_1923 && car.Body != BODY_TRUCK && std::abs(quarter - kRearFrom - 4) > 8)
        Pillar(c, car, kRearFrom + 4);
    if (car.Body == BODY_TRUCK && car.Rear == 3) {
        TruckRearKit(c, car, box);
        return;
    }
    // Tail lamps at the end, on the paint.
    const double lampH = tailH - 4;
    const Vec lamp = At((car.Body == BODY_TRUCK ? tail : EndAt(Painted(car), lampH)) - 2, lampH);
    HangsOn(c, car, "tail lamp", car.Body == BODY_TRUCK ? "load box" : "body", [&](Canvas& on) {
        if (car.Rear == 3) on.Fill({static_cast<int>(lamp.X - 2), static_cast<int>(lamp.Y - 6), static_cast<int>(lamp.X + 1), static_cast<int>(lamp.Y + 4)}, red);
        else on.Ellipse(lamp.X, lamp.Y, 2, 3, red);
    });
    if (car.Rear == 2 && car.Era <= ERA_1938 && car.Body != BODY_TRUCK && car.Body != BODY_PICK_UP_TRUCK) {
        // The spare wheel on the tail.
        const double h = bottom + car.WheelRadius + 2;
        const Vec w = At(EndAt(Painted(car), h) + 1, h);
        HangsOn(c, car, "spare wheel", "body", [&](Canvas& on) {
            on.Line({w.X - 4, w.Y}, {w.X, w.Y}, 3.0, {60, 60, 64});
            on.Ellipse(w.X, w.Y, 4, car.WheelRadius * 0.85, {28, 28, 30});
            on.Ellipse(w.X + 0.5, w.Y, 2, car.WheelRadius * 0.45, {170, 170, 170});
        });
    }
    if (car.Rear == 3) {
        // A bumper or step, and a trunk on the old cars.
        HangsOn(c, car, "rear bumper", "body", [&](Canvas& on) {
            // It starts behind the rear wheel, however short the tail, and
            // behind the early cars' black wing, which would read as the tyre.
            const bool blackWing = car.Style->Wings == WingKind::Flat || car.Style->Wings == WingKind::Arched;
            const double from = std::max(tail - 16, car.RearWheel + car.WheelRadius + (blackWing ? 10 : 1.5));
            if (Utility(car)) {
                FillBox(on, from, bottom + 3, tail + 1, bottom - 2, {60, 60, 64});
                return;
            }
            switch (car.Style->Bumper) {
            case BumperKind::Chrome:
                // Wrapped round the tail's foot like the front one, its top
                // catching the light.
                RoundBox(on, from, bottom + 8, tail + 2, bottom + 1, 2, kChrome);
                on.Line(At(from + 1, bottom + 6.5), At(tail + 1, bottom + 6.5), 0.8, {236, 238, 240});
                return;
            case BumperKind::Black:
                RoundBox(on, from, bottom + 8, tail + 2, bottom - 1, 2, {40, 40, 44});
                return;
            default:
                // A nickel bar or blade across the tail.
                on.Line(At(from, bottom + 1), At(tail + 2, bottom + 1), 2.6, kChrome);
                on.Line(At(from, bottom + 1.8), At(tail + 2, bottom + 1.8), 0.8, {236, 238, 240});
                return;
            }
        });
        if (car.Era <= ERA_1923 && !Utility(car)) {
            HangsOn(c, car, "trunk", "body", [&](Canvas& on) {
                // Against the back, or on a tail that slopes away under it
                // moved forward till the tail is under all of its floor.
                const double back = std::min(tail, EndAt(Painted(car), tailH + 5));
                const Vec t = At(back - 12, tailH + 22);
                on.RoundRect(t.X, t.Y, t.X + 11, t.Y + 17, 2, {60, 40, 30});
                on.Line({t.X, t.Y + 6}, {t.X + 11, t.Y + 6}, 1.0, {200, 160, 70});
            });
        }
    }
}

}  // namespace art::car
