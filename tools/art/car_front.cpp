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

// The nose's measures: where its front is, its bottom and its top.
struct Nose {
    double X, Low, High;
};

Nose NoseOf(const Car& car, const std::vector<Vec>& body) {
    const double low = NodeOf(car, 0).Y, high = NodeOf(car, 1).Y;
    return {StartAt(body, (low + high) / 2), low, high};
}

}  // namespace

void RadiatorShell(Canvas& c, const Car& car) {
    if (car.Body == BODY_RACE_CAR) return;
    const Nose n = NoseOf(car, Painted(car));
    HangsOn(c, car, "radiator", "body", [&](Canvas& on) { Radiator(on, car, n.X, n.Low, n.High); });
}

void FrontDetails(Canvas& c, const Car& car) {
    if (car.Body == BODY_RACE_CAR) {
        RaceNose(c, car);
        return;
    }
    const std::vector<Vec> body = Painted(car);
    const Nose n = NoseOf(car, body);
    const double nose = n.X, low = n.Low, high = n.High;
    const double hood = P(car, 3).Y;
    const bool radiator = car.Style->Grille == GrilleKind::Radiator || car.Style->Grille == GrilleKind::Shell;
    On(c, car, "grille", "body", [&](Canvas& on) {
        switch (car.Style->Grille) {
        case GrilleKind::Tall: NoseBand(on, body, low + 3, high - 3, 5, kChrome, {70, 70, 76}); break;
        case GrilleKind::Wide: {
            // A wide mouth wrapping round the nose: deep bars in a chrome
            // surround, bright enough to read from the side.
            const double h0 = low + 4, h1 = std::min(high - 4, low + 16);
            NoseBand(on, body, h0, h1, 10, kChrome, {40, 40, 46});
            for (const double h : {h0 - 1, h1 + 1}) on.Line(At(StartAt(body, h) + 0.8, h), At(StartAt(body, h) + 11, h), 1.6, kChrome);
            on.Line(At(StartAt(body, h1) + 10.5, h1 + 1), At(StartAt(body, h0) + 10.5, h0 - 1), 1.4, kChrome);
            break;
        }
        case GrilleKind::Bars: NoseBand(on, body, low + 6, high - 3, 4, {60, 62, 68}, kChrome); break;
        case GrilleKind::Slats: NoseBand(on, body, low + 8, high - 8, 4, {34, 34, 38}, {70, 70, 76}); break;
        default: break;
        }
    });
    Headlamps(c, car, body, nose, high);
    const double bumperNose = std::min(nose, StartAt(body, std::min(low + 2, high)));
    FrontBumper(c, car, bumperNose, low);
    if (car.Front == 2 && car.Style->Wings == WingKind::Merged) {
        // An indicator round the corner, behind the headlamp; where the
        // nose is too short for it there, clear of the tyre, it is set in
        // the bumper's front instead.
        const double h = LampHeight(car, 5), lamps = StartAt(body, h);
        const double x = std::min(lamps + 12, AheadOfWheel(car, h) - 3);
        if (x >= lamps + 11) {
            HangsOn(c, car, "indicator", "body", [&](Canvas& on) { on.Ellipse(At(x, h).X, At(x, h).Y, 2, 2.5, kAmber); });
        } else {
            HangsOn(c, car, "indicator", "bumper", [&](Canvas& on) { Rect(on, bumperNose - 1, low + 0.5, bumperNose + 3, low + 3.5, kAmber); });
        }
    }
    // The first wagon's bulb horn: a brass tube along the bonnet's side
    // from the rubber bulb at the scuttle to its bell behind the radiator.
    const bool bulbHorn = car.Front == 3 && car.Style->Lamps == LampKind::Brass && car.Body != BODY_TRUCK;
    if (bulbHorn) {
        HangsOn(c, car, "horn", "body", [&](Canvas& on) {
            const double h = hood - 4, bell = nose + 9, bulb = P(car, 3).X - 5;
            on.Line(At(bell + 3, h), At(bulb, h + 1), 1.6, kBrass);
            on.Polygon(Screen({{bell + 4, h - 1}, {bell + 4, h + 1}, {bell, h + 3.5}, {bell, h - 3.5}}), kBrass);
            on.Ellipse(At(bulb + 1, h + 1).X, At(bulb + 1, h + 1).Y, 3.5, 2.8, {30, 30, 32});
        });
    } else if (car.Front == 3 && car.Style->Lamps == LampKind::Brass) {
        // The truck's bulb horn along the bonnet's side, clear below its top edge.
        HangsOn(c, car, "horn", "body", [&](Canvas& on) {
            const Vec h = At(nose + 12, high - 11);
            on.Line(h, {h.X + 30, h.Y}, 2.0, kBrass);
            on.Ellipse(h.X - 2, h.Y, 4, 3, kBrass);
        });
    }
    // The bonnet: louvres (2) or a stripe and mascot (3), above the wing or
    // the wheel's arch.
    const double x0 = NodeOf(car, 2).X + 12;
    const double x1 = std::min(P(car, 3).X - 6, kFrontTo - 4);
    const double low2 = std::max({FenderTop(car) + 4, car.Belt - 22, car.Fenders ? 0.0 : car.WheelRadius * 2 + 6});
    // Louvres up to 1938; then a chrome row of ventiports, in 1968 a
    // chrome-framed vent with its slats, in 1983 a side repeater lamp on
    // the black strip.
    // The framed vent needs more bonnet side than its own length: on a
    // short nose it would stand on the wing over the wheel like a sticker.
    const bool vents = car.Front == 2 && car.Body != BODY_VAN && hood - 6 - low2 >= 6 && (car.Era != ERA_1968 || x1 - x0 >= 20);
    if (car.Front == 2 && car.Body != BODY_VAN && car.Style->Bumper == BumperKind::Black && x1 - x0 >= 8) {
        HangsOn(c, car, "side repeater", "side strip", [&](Canvas& on) {
            const double strip = (car.Belt + car.WheelRadius * 2) / 2;
            Rect(on, x1 - 7, strip - 1.5, x1 - 2, strip + 1.5, kAmber);
        });
    } else if (vents && car.Era >= ERA_1953) {
        On(c, car, "side vent", "body", [&](Canvas& layer) {
            OnPaint(layer, car, [&](Canvas& on) {
                const double from = x1 - 16, to = x1 - 2;
                const double top = std::min({hood - 6, TopAt(body, from) - 4, TopAt(body, to) - 4});
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
            });
        });
    } else if (vents) {
        On(c, car, "louvres", "body", [&](Canvas& layer) {
            OnPaint(layer, car, [&](Canvas& on) {
                // Six over the bonnet's rear half; on a short bonnet fewer, far
                // enough apart to read as slots, each under the bonnet's top
                // where it slopes.
                const double gap = std::max((x1 - x0) * 0.1, 3.0);
                const double first = std::min(x0 + (x1 - x0) * 0.35, x1 - 2 - 2 * gap);
                for (double x = first; x + 2 <= x1 + 0.01 && x < first + 5.5 * gap; x += gap) {
                    const double top = std::min(hood - 6, TopAt(body, x) - 4);
                    on.Line(At(x, top), At(x + 2, std::max(low2, top - 10)), 1.6, Darker(car.Colour, 0.45));
                }
            });
        });
    }
    // A cab over the engine, or a nose sloping straight up into the
    // windscreen, has no bonnet for a stripe and a mascot: the cab-over
    // truck carries air horns on its roof instead, the van driving lamps
    // set in its bumper. From 1968 no bonnet carries a stripe, and only
    // the luxury car's keeps its mascot: the driving lamps stand in every
    // bumper.
    const bool bonnet = P(car, 3).X - P(car, 2).X >= 24;
    const bool mascot = bonnet && (car.Era <= ERA_1953 || (car.Era == ERA_1968 && car.Body == BODY_LUXURY));
    if (car.Front == 3 && !bonnet && car.Body == BODY_TRUCK) {
        const Vec roof = P(car, 4);
        HangsOn(c, car, "air horns", "body", [&](Canvas& on) {
            // Two trumpets side by side, the far one a little higher and
            // shorter, each flaring to its bell at the front.
            const double back = roof.X + 34;
            on.Line(At(back - 5, roof.Y - 1), At(back - 5, roof.Y + 6.5), 2.0, kBlack);
            // The far one first, in shade, the near one over it in plain chrome.
            for (const Vec horn : {Vec{roof.X + 18, roof.Y + 6.5}, Vec{roof.X + 12, roof.Y + 3}}) {
                const std::vector<Vec> trumpet{{horn.X, horn.Y - 2.5}, {horn.X + 5, horn.Y - 1}, {back, horn.Y - 1},
                                               {back, horn.Y + 1}, {horn.X + 5, horn.Y + 1}, {horn.X, horn.Y + 2.5}};
                on.Polygon(Screen(trumpet), horn.X > roof.X + 15 ? Darker(kChrome, 0.3) : kChrome);
            }
        });
    } else if (car.Front == 3 && (!bonnet || car.Era >= ERA_1968)) {
        On(c, car, "driving lamps", "bumper", [&](Canvas& on) {
            // Across the bumper's middle, the thin chrome one's or the deep black one's.
            const double h = car.Style->Bumper == BumperKind::Chrome ? low + 1.5 : low + 3;
            for (const double d : {4.0, 11.0}) {
                const Vec l = At(std::min(nose, StartAt(body, low + 2)) + d, h);
                on.Ellipse(l.X, l.Y, 2.5, 3, kChrome);
                on.Ellipse(l.X - 0.5, l.Y, 1.6, 2.2, kLamp);
            }
        });
    }
    if (car.Front == 3 && mascot) {
        const Vec b = NodeOf(car, 2);
        // A brass-era bonnet carries its horn instead; from 1968 no stripe.
        if (car.Style->Lamps != LampKind::Brass && car.Era <= ERA_1953) {
            On(c, car, "bonnet stripe", "body", [&](Canvas& layer) {
                OnPaint(layer, car, [&](Canvas& on) { on.Line(At(b.X + 2, b.Y - 5), At(x1, hood - 5), 3.0, Lighter(car.Colour, 0.55)); });
            });
        }
        // The mascot: on the radiator's cap, or on the bonnet's front.
        HangsOn(c, car, "mascot", radiator ? "radiator" : "body", [&](Canvas& on) {
            const Vec m = radiator ? At(nose + 2, high + 5.5) : At(b.X + 2, b.Y);
            on.Polygon({{m.X - 2, m.Y + 0.5}, {m.X + 4, m.Y + 0.5}, {m.X + 1, m.Y - 6}}, kChrome);
        });
    }
}

}  // namespace art::car
