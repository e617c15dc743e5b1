// The front pieces' details: each era's radiator or grille, lamps and
// bumper, and what each variant adds (a horn, louvres, a stripe). Lamps are
// placed on the painted nose, bumpers ahead of the front wheel, and each
// part is drawn in a scope that names what it hangs on.
#include <algorithm>
#include <cmath>

#include "art/car_model.h"

namespace art::car {
namespace {

constexpr Rgb kBrass{200, 160, 70};
constexpr Rgb kLamp{250, 236, 170};
constexpr Rgb kAmber{240, 160, 50};
constexpr Rgb kBlack{40, 40, 44};

void Rect(Canvas& c, double x0, double h0, double x1, double h1, Rgb colour) {
    const Vec a = At(x0, h1), b = At(x1, h0);
    c.Fill({static_cast<int>(std::lround(a.X)), static_cast<int>(std::lround(a.Y)), static_cast<int>(std::lround(b.X)) - 1,
            static_cast<int>(std::lround(b.Y)) - 1}, colour);
}

// A band along the nose's front from h0 to h1, `deep` wide, in rows of
// `bar` and `gap` colours: a grille seen from the side.
void NoseBand(Canvas& c, const std::vector<Vec>& body, double h0, double h1, double deep, Rgb bar, Rgb gap) {
    for (double h = h0; h <= h1; h += 1.0) {
        const double x = StartAt(body, h);
        const bool isBar = static_cast<int>(std::lround(h - h0)) % 3 != 2;
        c.Line(At(x + 0.8, h), At(x + deep, h), 1.2, isBar ? bar : gap);
    }
}

void Radiator(Canvas& c, const Car& car, double nose, double low, double high) {
    switch (car.Style->Grille) {
    case GrilleKind::Radiator:
        // A flat radiator, brass or black, its filler cap on top.
        Rect(c, nose - 1, low, nose + 4, high + 3, car.Front == 2 ? kBlack : kBrass);
        Rect(c, nose, high + 3, nose + 3, high + 5, car.Front == 2 ? kBlack : kBrass);
        return;
    case GrilleKind::Shell: {
        // A tall, narrow shell: nickel, or painted, round a dark core.
        const Rgb shell = car.Front == 2 ? Darker(car.Colour, 0.2) : kChrome;
        RoundBox(c, nose - 1.5, high + 4, nose + 5, low, 1.5, shell);
        Rect(c, nose, low + 2, nose + 3.5, high + 1, {56, 56, 60});
        for (double h = low + 4; h < high; h += 3) c.Line(At(nose, h), At(nose + 3.5, h), 0.8, {110, 110, 116});
        Rect(c, nose + 1, high + 4, nose + 3, high + 6, shell);   // the cap
        return;
    }
    default:
        return;
    }
}

// The height of lamps set into the nose: near its top, clear above the
// bumper, inside the nose however low a variant makes it.
double LampHeight(const Car& car, double below) {
    const double low = NodeOf(car, 0).Y, high = NodeOf(car, 1).Y;
    return std::min(std::max(high - below, low + 11), high - 2);
}

void Headlamp(Canvas& c, const Car& car, const std::vector<Vec>& body, double nose, double high) {
    switch (car.Style->Lamps) {
    case LampKind::Brass: {
        // A brass lamp on its bracket from the radiator, above the wing
        // over the front wheel.
        const Vec l = At(nose + 2, std::max(high - 12, 2 * car.WheelRadius + 9));
        c.Line({l.X + 1, l.Y}, {l.X + 6, l.Y + 8}, 1.5, {60, 60, 60});
        c.RoundRect(l.X - 4, l.Y - 5, l.X + 5, l.Y + 5, 3, car.Front == 2 ? kBlack : kBrass);
        c.Ellipse(l.X - 3, l.Y, 2, 4, kLamp);
        return;
    }
    case LampKind::OnBar: {
        // A drum lamp on the bar between the wings, beside the radiator.
        const double x = nose + 1;
        const double wing = FrontWingTop(car, x);
        const double h = std::max(wing + 8, car.WheelRadius * 2 + 6);
        c.Line(At(x + 1, h - 2), At(x + 1, wing - 1), 2.0, kBlack);
        c.Ellipse(At(x, h).X, At(x, h).Y, 5, 5.5, car.Front == 2 ? kBlack : kChrome);
        c.Ellipse(At(x - 2.5, h).X, At(x, h).Y, 2.2, 4.2, kLamp);
        return;
    }
    case LampKind::Faired: {
        if (car.Front == 2) {
            // Beside the grille, on the nose.
            const double h = LampHeight(car, 7);
            const double x = StartAt(body, h) + 3;
            c.Ellipse(At(x, h).X, At(x, h).Y, 4, 4.5, kChrome);
            c.Ellipse(At(x - 1.5, h).X, At(x, h).Y, 2, 3.5, kLamp);
            return;
        }
        // In a pod on the wing's crown.
        const double x = car.FrontWheel - car.WheelRadius * 0.7;
        const double h = FrontWingTop(car, x) + 1;
        const Vec p = At(x, h);
        c.Ellipse(p.X + 2, p.Y, 8, 4.5, Darker(car.Colour, 0.05));
        c.Ellipse(p.X - 4.5, p.Y, 2.5, 4, kChrome);
        c.Ellipse(p.X - 5.2, p.Y, 1.6, 3.2, kLamp);
        return;
    }
    case LampKind::Round: {
        const double h = LampHeight(car, 6);
        const Vec p = At(StartAt(body, h) + 2.5, h);
        c.Ellipse(p.X, p.Y, 3, 4.5, kChrome);
        c.Ellipse(p.X - 0.5, p.Y, 2, 3.5, kLamp);
        return;
    }
    case LampKind::Twin:
        for (const double d : {2.5, 7.0}) {
            const double h = LampHeight(car, 5);
            const Vec p = At(StartAt(body, h) + d, h);
            c.Ellipse(p.X, p.Y, 2.2, 3.2, kLamp);
        }
        return;
    case LampKind::Oblong: {
        const double h = LampHeight(car, 5);
        const double x = StartAt(body, h);
        Rect(c, x + 0.5, h - 2.5, x + 9, h + 2, kLamp);
        return;
    }
    }
}

// The headlamps of the era.
void Headlamps(Canvas& canvas, const Car& car, const std::vector<Vec>& body, double nose, double high) {
    // A lamp hangs on the radiator, the wing or the nose it is fixed to.
    const char* host = car.Style->Lamps == LampKind::Brass ? "radiator"
                     : car.Style->Lamps == LampKind::OnBar || (car.Style->Lamps == LampKind::Faired && car.Front != 2) ? "front wing"
                                                                                                                          : "body";
    HangsOn(canvas, car, "headlamp", host, [&](Canvas& c) { Headlamp(c, car, body, nose, high); });
}

// Where the front wheel's tyre begins at height h, less a gap: a bumper
// ends there, however short the nose. Beside a body with its wings merged
// the gap is wide enough to read, so the tyre never seems to cover the
// bumper; a separate wing's front stands between them anyway.
double AheadOfWheel(const Car& car, double h) {
    const double r = car.WheelRadius, d = h - r;
    return car.FrontWheel - (std::abs(d) < r ? std::sqrt(r * r - d * d) : 0.0) - (car.Fenders ? 1.5 : 5);
}

void Bumper(Canvas& c, const Car& car, double nose, double low) {
    const bool extra = car.Front == 3;
    // The bumper's span at height h: from ahead of the nose to `length`
    // behind it, ending ahead of the front wheel and at least `least` long.
    struct Span {
        double From, To;
    };
    const auto span = [&](double ahead, double length, double h, double least) {
        const double to = std::min(nose + length, AheadOfWheel(car, h));
        return Span{std::min(nose - ahead, to - least), to};
    };
    switch (car.Style->Bumper) {
    case BumperKind::None:
        return;
    case BumperKind::Bar: {
        // A nickel bar ahead of the radiator.
        if (car.Front == 2) return;
        const Span s = span(4, 8, low - 4, 10);
        c.Line(At(s.From, low - 4), At(s.To, low - 4), 2.4, kChrome);
        return;
    }
    case BumperKind::Blade: {
        // A blade ahead of the front wheel.
        const double h = car.WheelRadius + 1;
        const Span s = span(5, 14, h, 12);
        c.Line(At(s.From, h), At(s.To, h), 2.6, kChrome);
        c.Line(At(s.From, h + 0.8), At(s.To, h + 0.8), 0.8, {236, 238, 240});
        return;
    }
    case BumperKind::Chrome: {
        const Span s = span(3, 22, low, 10);
        RoundBox(c, s.From, low + 5, s.To, low - 2, 2, kChrome);
        // The third front's overrider; from 1968 its driving lamps stand there.
        if (extra && car.Era <= ERA_1953) RoundBox(c, s.From - 2, low + 9, s.From + 6, low - 1, 2.5, kChrome);
        return;
    }
    case BumperKind::Black: {
        const Span s = span(2, 26, low, 10);
        RoundBox(c, s.From, low + 7, s.To, low - 1, 2, kBlack);
        if (extra) Rect(c, s.From + 1, low - 3, std::min(s.To + 4, AheadOfWheel(car, low - 2)), low - 1, kBlack);   // a spoiler lip
        return;
    }
    }
}

// Ahead of a separate wing, the bumper stands on the wing's front, on irons
// hidden behind it; otherwise on the body. The third front's fog lamps
// stand on a blade.
void FrontBumper(Canvas& canvas, const Car& car, double nose, double low) {
    HangsOn(canvas, car, "bumper", car.Fenders ? "front wing" : "body", [&](Canvas& c) { Bumper(c, car, nose, low); });
    if (car.Front == 3 && car.Style->Bumper == BumperKind::Blade) {
        HangsOn(canvas, car, "fog lamp", "bumper", [&](Canvas& c) {
            const double h = car.WheelRadius + 1, x = std::min(nose - 5, AheadOfWheel(car, h) - 12) + 4;
            c.Ellipse(At(x, h + 4).X, At(x, h + 4).Y, 3, 3.5, kChrome);
            c.Ellipse(At(x - 1, h + 4).X, At(x, h + 4).Y, 1.5, 2.5, kLamp);
        });
    }
}

// The front's measures: the painted body; the nose's front, bottom and top;
// where the bumper starts; the bonnet's top at the cowl, and its side from
// x0 to x1 above `Side`, clear of the wing or the wheel's arch.
struct Front { std::vector<Vec> Body; double Nose, Low, High, Bumper, Hood, X0, X1, Side; };

Front FrontOf(const Car& car) {
    const std::vector<Vec> body = Painted(car);
    const double low = NodeOf(car, 0).Y, high = NodeOf(car, 1).Y, nose = StartAt(body, (low + high) / 2);
    return {body, nose, low, high, std::min(nose, StartAt(body, std::min(low + 2, high))), P(car, 3).Y, NodeOf(car, 2).X + 12,
            std::min(P(car, 3).X - 6, kFrontTo - 4), std::max({FenderTop(car) + 4, car.Belt - 22, car.Fenders ? 0.0 : car.WheelRadius * 2 + 6})};
}

// From 1938 the grille: a band of bars along the nose's front.
void Grille(Canvas& on, const Front& f, GrilleKind kind) {
    switch (kind) {
    case GrilleKind::Tall: return NoseBand(on, f.Body, f.Low + 3, f.High - 3, 5, kChrome, {70, 70, 76});
    case GrilleKind::Wide: {
        // A wide mouth wrapping round the nose: deep bars in a chrome
        // surround, bright enough to read from the side.
        const double h0 = f.Low + 4, h1 = std::min(f.High - 4, f.Low + 16);
        NoseBand(on, f.Body, h0, h1, 10, kChrome, {40, 40, 46});
        for (const double h : {h0 - 1, h1 + 1}) on.Line(At(StartAt(f.Body, h) + 0.8, h), At(StartAt(f.Body, h) + 11, h), 1.6, kChrome);
        return on.Line(At(StartAt(f.Body, h1) + 10.5, h1 + 1), At(StartAt(f.Body, h0) + 10.5, h0 - 1), 1.4, kChrome);
    }
    case GrilleKind::Bars: return NoseBand(on, f.Body, f.Low + 6, f.High - 3, 4, {60, 62, 68}, kChrome);
    case GrilleKind::Slats: return NoseBand(on, f.Body, f.Low + 8, f.High - 8, 4, {34, 34, 38}, {70, 70, 76});
    default: return;
    }
}

// The second front's indicator round the corner, behind the headlamp; where
// the nose is too short for it there, clear of the tyre, it is set in the
// bumper's front instead.
void Indicator(Canvas& c, const Car& car, const Front& f) {
    const double h = LampHeight(car, 5), lamps = StartAt(f.Body, h);
    const double x = std::min(lamps + 12, AheadOfWheel(car, h) - 3);
    if (x >= lamps + 11) return HangsOn(c, car, "indicator", "body", [&](Canvas& on) { on.Ellipse(At(x, h).X, At(x, h).Y, 2, 2.5, kAmber); });
    HangsOn(c, car, "indicator", "bumper", [&](Canvas& on) { Rect(on, f.Bumper - 1, f.Low + 0.5, f.Bumper + 3, f.Low + 3.5, kAmber); });
}

// The bulb horn along the bonnet's side: the first wagon's a brass tube
// from the rubber bulb at the scuttle to its bell behind the radiator, the
// truck's clear below the bonnet's top edge.
void Horn(Canvas& c, const Car& car, const Front& f) {
    HangsOn(c, car, "horn", "body", [&](Canvas& on) {
        if (car.Body == BODY_TRUCK) {
            const Vec h = At(f.Nose + 12, f.High - 11);
            on.Line(h, {h.X + 30, h.Y}, 2.0, kBrass);
            return on.Ellipse(h.X - 2, h.Y, 4, 3, kBrass);
        }
        const double h = f.Hood - 4, bell = f.Nose + 9, bulb = P(car, 3).X - 5;
        on.Line(At(bell + 3, h), At(bulb, h + 1), 1.6, kBrass);
        on.Polygon(Screen({{bell + 4, h - 1}, {bell + 4, h + 1}, {bell, h + 3.5}, {bell, h - 3.5}}), kBrass);
        on.Ellipse(At(bulb + 1, h + 1).X, At(bulb + 1, h + 1).Y, 3.5, 2.8, {30, 30, 32});
    });
}

// A chrome row of ventiports in 1953; from 1968 a chrome-framed vent with its slats.
void SideVent(Canvas& on, const Car& car, const Front& f) {
    const double from = f.X1 - 16, to = f.X1 - 2;
    const double top = std::min({f.Hood - 6, TopAt(f.Body, from) - 4, TopAt(f.Body, to) - 4});
    if (car.Era == ERA_1953) {
        for (double x = from + 2; x < to; x += 5) {
            const Vec p = At(x, top - 2);
            on.Ellipse(p.X, p.Y, 2.4, 1.8, kChrome);
            on.Ellipse(p.X, p.Y, 1.2, 0.8, {40, 40, 46});
        }
        return;
    }
    const double t = std::round(top);
    Rect(on, from, t - 7, to, t, kChrome);
    Rect(on, from + 1, t - 6, to - 1, t - 1, {34, 34, 38});
    for (const double h : {t - 5, t - 3}) Rect(on, from + 1, h, to - 1, h + 1, {150, 156, 164});
}

// Six louvres over the bonnet's rear half; on a short bonnet fewer, far
// enough apart to read as slots, each under the bonnet's top where it slopes.
void Louvres(Canvas& on, const Car& car, const Front& f) {
    const double gap = std::max((f.X1 - f.X0) * 0.1, 3.0);
    const double first = std::min(f.X0 + (f.X1 - f.X0) * 0.35, f.X1 - 2 - 2 * gap);
    for (double x = first; x + 2 <= f.X1 + 0.01 && x < first + 5.5 * gap; x += gap) {
        const double top = std::min(f.Hood - 6, TopAt(f.Body, x) - 4);
        on.Line(At(x, top), At(x + 2, std::max(f.Side, top - 10)), 1.6, Darker(car.Colour, 0.45));
    }
}

// The second front's bonnet side, above the wing or the wheel's arch:
// louvres up to 1938, then vents, in 1983 a side repeater lamp on the black
// strip. The framed vent needs more bonnet side than its own length: on a
// short nose it would stand on the wing over the wheel like a sticker.
void BonnetSide(Canvas& c, const Car& car, const Front& f) {
    if (car.Style->Bumper == BumperKind::Black && f.X1 - f.X0 >= 8) {
        return HangsOn(c, car, "side repeater", "side strip", [&](Canvas& on) {
            const double strip = (car.Belt + car.WheelRadius * 2) / 2;
            Rect(on, f.X1 - 7, strip - 1.5, f.X1 - 2, strip + 1.5, kAmber);
        });
    }
    if (f.Hood - 6 - f.Side < 6 || (car.Era == ERA_1968 && f.X1 - f.X0 < 20)) return;
    On(c, car, car.Era >= ERA_1953 ? "side vent" : "louvres", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) { car.Era >= ERA_1953 ? SideVent(on, car, f) : Louvres(on, car, f); });
    });
}

// The cab-over truck's air horns on its roof: two trumpets side by side, the
// far one a little higher and shorter, each flaring to its bell at the front.
// Their mount stands under the horns' middle, well ahead of the door's front
// pillar below the roof: on the pillar's line the two would read at 1x as
// one mast from the horns down to the tyre.
void AirHorns(Canvas& c, const Car& car) {
    const Vec roof = P(car, 4);
    HangsOn(c, car, "air horns", "body", [&](Canvas& on) {
        const double back = roof.X + 34, mount = roof.X + 23;
        on.Line(At(mount, roof.Y - 1), At(mount, roof.Y + 6.5), 2.0, kBlack);
        // The far one first, in shade, the near one over it in plain chrome.
        for (const Vec horn : {Vec{roof.X + 18, roof.Y + 6.5}, Vec{roof.X + 12, roof.Y + 3}}) {
            const std::vector<Vec> trumpet{{horn.X, horn.Y - 2.5}, {horn.X + 5, horn.Y - 1}, {back, horn.Y - 1},
                                           {back, horn.Y + 1}, {horn.X + 5, horn.Y + 1}, {horn.X, horn.Y + 2.5}};
            on.Polygon(Screen(trumpet), horn.X > roof.X + 15 ? Darker(kChrome, 0.3) : kChrome);
        }
    });
}

// Driving lamps across the bumper's middle, the thin chrome one's or the deep black one's.
void DrivingLamps(Canvas& c, const Car& car, const Front& f) {
    On(c, car, "driving lamps", "bumper", [&](Canvas& on) {
        const double h = car.Style->Bumper == BumperKind::Chrome ? f.Low + 1.5 : f.Low + 3;
        for (const double d : {4.0, 11.0}) {
            const Vec l = At(std::min(f.Nose, StartAt(f.Body, f.Low + 2)) + d, h);
            on.Ellipse(l.X, l.Y, 2.5, 3, kChrome);
            on.Ellipse(l.X - 0.5, l.Y, 1.6, 2.2, kLamp);
        }
    });
}

// A light stripe along the bonnet's top, from behind its front to its side's end.
void BonnetStripe(Canvas& c, const Car& car, const Front& f) {
    const Vec b = NodeOf(car, 2);
    On(c, car, "bonnet stripe", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) { on.Line(At(b.X + 2, b.Y - 5), At(f.X1, f.Hood - 5), 3.0, Lighter(car.Colour, 0.55)); });
    });
}

// The mascot on the radiator's cap, or on the bonnet's front.
void Mascot(Canvas& c, const Car& car, const Front& f) {
    const Vec b = NodeOf(car, 2);
    const bool radiator = car.Style->Grille == GrilleKind::Radiator || car.Style->Grille == GrilleKind::Shell;
    HangsOn(c, car, "mascot", radiator ? "radiator" : "body", [&](Canvas& on) {
        const Vec m = radiator ? At(f.Nose + 2, f.High + 5.5) : At(b.X + 2, b.Y);
        on.Polygon({{m.X - 2, m.Y + 0.5}, {m.X + 4, m.Y + 0.5}, {m.X + 1, m.Y - 6}}, kChrome);
    });
}

}  // namespace

void RadiatorShell(Canvas& c, const Car& car) {
    if (car.Body == BODY_RACE_CAR) return;
    const Front f = FrontOf(car);
    HangsOn(c, car, "radiator", "body", [&](Canvas& on) { Radiator(on, car, f.Nose, f.Low, f.High); });
}

// The era's grille, lamps and bumper, and what the second and third fronts add.
void FrontDetails(Canvas& c, const Car& car) {
    if (car.Body == BODY_RACE_CAR) return RaceNose(c, car);
    const Front f = FrontOf(car);
    On(c, car, "grille", "body", [&](Canvas& on) { Grille(on, f, car.Style->Grille); });
    Headlamps(c, car, f.Body, f.Nose, f.High);
    FrontBumper(c, car, f.Bumper, f.Low);
    if (car.Front == 2 && car.Style->Wings == WingKind::Merged) Indicator(c, car, f);
    if (car.Front == 2 && car.Body != BODY_VAN) BonnetSide(c, car, f);
    if (car.Front != 3) return;
    if (car.Style->Lamps == LampKind::Brass) Horn(c, car, f);
    // A cab over the engine, or a nose sloping straight up into the
    // windscreen, has no bonnet for a stripe and a mascot: the cab-over
    // truck carries air horns on its roof instead, the van driving lamps
    // set in its bumper. From 1968 every other car carries the driving lamps
    // in its bumper too; no bonnet carries a stripe, and only the 1968
    // luxury car keeps its mascot. A brass-era bonnet carries its horn where
    // the stripe would run.
    const bool bonnet = HasBonnet(car);
    if (!bonnet && car.Body == BODY_TRUCK) AirHorns(c, car);
    else if (!bonnet || car.Era >= ERA_1968) DrivingLamps(c, car, f);
    if (bonnet && car.Era <= ERA_1953 && car.Style->Lamps != LampKind::Brass) BonnetStripe(c, car, f);
    if (bonnet && (car.Era <= ERA_1953 || (car.Era == ERA_1968 && car.Body == BODY_LUXURY))) Mascot(c, car, f);
}

}  // namespace art::car
