// Painting the car's body: the paint, the glass, the open tops and the
// truck's load box.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/car_model.h"
#include "art/showroom.h"

namespace art::car {

// The colours of the paint, graded over one fixed band of rows so that every
// variant shades alike where they meet.
void Paint(Canvas& c, const std::vector<Vec>& shape, Rgb colour) {
    PolygonGraded(c, Screen(shape), At(0, 118).Y, Lighter(colour, 0.24), At(0, 8).Y, Darker(colour, 0.28));
}

// Draws trims that belong on the paint: whatever `draw` puts down outside
// the painted body (a line running past a sloping tail, a louvre over a
// mudguard) is dropped, so no trim ever hangs in the air.
void OnPaint(Canvas& c, const Car& car, const std::function<void(Canvas&)>& draw) {
    // The layer and the mask are kept from call to call: only their car box
    // is ever filled in and read back (`draw` never trims on paint itself).
    thread_local Canvas layer, mask;
    if (layer.Width() != c.Width() || layer.Height() != c.Height()) {
        layer = Canvas(c.Width(), c.Height(), {0, 0, 0});
        mask = layer;
    }
    for (int y = kCarBox.Top; y <= kCarBox.Bottom; ++y)
        for (int x = kCarBox.Left; x <= kCarBox.Right; ++x) layer.Set(x, y, c.At(x, y));
    draw(layer);
    mask.Fill(kCarBox, {0, 0, 0});
    mask.Polygon(Screen(Painted(car)), {255, 255, 255});
    for (int y = kCarBox.Top; y <= kCarBox.Bottom; ++y)
        for (int x = kCarBox.Left; x <= kCarBox.Right; ++x) {
            const double cover = mask.At(x, y).R / 255.0;
            if (cover > 0) c.Blend(x, y, layer.At(x, y), cover);
        }
}

namespace {

// The pick-up's cab and bed read as two: a door in the cab, a dark gap
// between the cab's back and the bed's front wall down to the sill, a
// capping rail along the bed's side and the tailgate's shut line.
void PickUpBed(Canvas& c, const Car& car) {
    const std::vector<Vec> body = Painted(car);
    const Rgb shut = Darker(car.Colour, 0.45);
    const double bed = P(car, 7).Y, gap = P(car, 6).X + 2.5;
    const double sill = NodeOf(car, 9).Y + 3;
    const double front = P(car, 3).X + 4, back = P(car, 6).X - 5;
    On(c, car, "cab door", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            for (const double x : {front, back}) on.Line(At(x, car.Belt - 1), At(x, sill), 1.0, shut, 0.9);
            on.Line(At(front, sill), At(back, sill), 1.0, shut, 0.7);
        });
        layer.Fill({static_cast<int>(At(back - 9, 0).X), static_cast<int>(At(0, car.Belt - 6).Y), static_cast<int>(At(back - 3, 0).X),
                    static_cast<int>(At(0, car.Belt - 7).Y)}, {220, 224, 228});
    });
    On(c, car, "bed gap", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) { on.Line(At(gap, bed + 2), At(gap, 0), 2.2, {34, 30, 30}); });
    });
    // The capping rail: a bright top edge over a shadow, from the front
    // wall to the tail.
    const double from = gap + 1.5, to = EndAt(body, bed - 6) - 1;
    std::vector<Vec> top, under;
    for (double x = from; x <= to; x += 2) {
        top.push_back({x, TopAt(body, x) - 1});
        under.push_back({x, TopAt(body, x) - 3.5});
    }
    On(c, car, "bed rail", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            on.Polyline(Screen(top), 1.6, Lighter(car.Colour, 0.3));
            on.Polyline(Screen(under), 1.2, Darker(car.Colour, 0.4));
        });
    });
    const double gate = to - 6;
    On(c, car, "tailgate", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            on.Line(At(gate, bed - 4), At(gate, sill + 4), 1.0, shut, 0.9);
            on.Line(At(gate + 2, bed - 8), At(gate + 4, bed - 8), 1.4, {60, 60, 64});
        });
    });
}

// Where two tones part, from the cowl back along the shoulder: the roof's
// tone starts upright at the cowl, so a bonnet rising to it stays in the
// body's colour. A cowl standing on the front join would put that upright
// end on the seam as a step between the pieces, or just behind it leave the
// cowl's rounding in the body's colour as a nib on the windscreen pillar's
// foot. There the pillar's foot takes all the rounding lifts above the
// bonnet's line (it reaches at most halfway back to the cut ahead of it),
// and the bonnet's colour tapers from its top at the cowl down to the
// shoulder behind it.
std::vector<Vec> Parting(const Car& car) {
    const Vec bonnet = P(car, 2), cowl = P(car, 3);
    const double shoulder = car.Belt - 4;
    const bool twoTone = car.Style->TwoTone && car.Roof == Top::Closed;
    if (!twoTone || std::abs(cowl.X - kJoins[0]) >= 3) return {{cowl.X, shoulder}, {260, shoulder}};
    constexpr double kTaper = 6;
    const double from = (kFrontTo + cowl.X) / 2;
    const double top = bonnet.Y + (cowl.Y - bonnet.Y) * (from - bonnet.X) / (cowl.X - bonnet.X);
    return {{from, top}, cowl, {cowl.X + kTaper, shoulder}, {260, shoulder}};
}

}  // namespace

void Body(Canvas& c, const Car& car) {
    Host(c, car, "body", [&](Canvas& on) { Paint(on, Painted(car), car.Colour); });
    // A shoulder line along the side, from the cowl to the tail, where two
    // tones part. Late cars carry a strip lower down the side: chrome in
    // 1968, black rubber in 1983.
    const double end = car.Body == BODY_TRUCK ? NodeOf(car, 7).X - 2 : std::min(P(car, 7).X, Fit(240)) - 6;
    const double strip = (car.Belt + car.WheelRadius * 2) / 2;
    On(c, car, "shoulder line", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            std::vector<Vec> parting = Parting(car);
            if (car.Style->TwoTone && car.Roof == Top::Closed) {
                std::vector<Vec> roof = parting;
                roof.insert(roof.end(), {{260, 140}, {parting.front().X, 140}});
                Paint(on, roof, kRoofTone);
            }
            // The line runs from the cowl: ahead of it the parting only
            // edges the pillar's foot.
            std::erase_if(parting, [&](const Vec& p) { return p.X < P(car, 3).X; });
            parting.back().X = end;
            on.Polyline(Screen(parting), 1.0, Darker(car.Colour, 0.3), 0.7);
        });
    });
    On(c, car, "side strip", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            if (car.Style->Bumper == BumperKind::Black) on.Line(At(0, strip), At(260, strip), 3.0, {44, 44, 48});
            if (car.Era == ERA_1968) on.Line(At(0, strip), At(260, strip), 1.4, {220, 224, 228});
        });
    });
    if (car.Body == BODY_TRUCK) {
        const std::vector<Vec> box = LoadBox(car);
        // The box's runner along its floor, on cross bearers standing on the
        // frame's rails: one under each end and a few between, the same
        // whatever the pieces, so they line up across the joins.
        HangsOn(c, car, "sub-frame", "frame", [&](Canvas& on) {
            const double floor = box[0].Y, end = box.back().X;
            std::vector<double> bearers;
            for (double x = kJoins[0] + 6; x < end - 10; x += 15)
                if (x > box[0].X) bearers.push_back(x);
            bearers.push_back(end - 5);
            for (const double x : bearers) FillBox(on, x, floor - 3, x + 4, FrameTop(car), {58, 56, 56});
            FillBox(on, NodeOf(car, 8).X - 2, floor, end - 1, floor - 4, {40, 40, 44});
        });
        // Wooden boards up to 1938; then a steel dropside, an aluminium
        // box with ribs along it, a smooth white box van.
        struct BoxLook {
            Rgb Top, Bottom, Line, Edge;
            bool Upright;   // the lines stand; otherwise they run along
        };
        const BoxLook looks[4] = {{{156, 122, 82}, {108, 82, 54}, {96, 72, 48}, {80, 60, 40}, true},
                                  {Darker(car.Colour, 0.05), Darker(car.Colour, 0.35), Darker(car.Colour, 0.45), Darker(car.Colour, 0.5), true},
                                  {{200, 204, 208}, {150, 156, 162}, {128, 134, 140}, {110, 114, 120}, false},
                                  {{246, 246, 242}, {214, 216, 214}, {196, 198, 196}, {160, 162, 164}, true}};
        const BoxLook& look = looks[std::max(0, car.Era - ERA_1938)];
        HangsOn(c, car, "load box", "sub-frame", [&](Canvas& on) {
            PolygonGraded(on, Screen(box), At(0, 118).Y, look.Top, At(0, 40).Y, look.Bottom);
            const double floor = box[0].Y, top = box[1].Y;
            const double step = car.Era == ERA_1983 ? 26 : car.Era == ERA_1953 ? 16 : 11;
            if (look.Upright) {
                // Spaced from the plain cab's back, so a longer cab hides
                // the first ones and leaves the others where they were.
                for (double x = P(car, 8).X + 13; x < box.back().X - 3; x += step) {
                    if (x < box[0].X + 6) continue;
                    const double h = std::min(top, TopAt(box, x)) - 3;
                    on.Line(At(x, floor + 3), At(x, h), 1.2, look.Line);
                }
            } else {
                for (double h = floor + 8; h < top - 4; h += 8)
                    on.Line(At(box[0].X + 3, h), At(EndAt(box, h) - 3, h), 1.2, look.Line);
            }
            on.Polyline(Screen(box), 2.0, look.Edge);
        });
    }
    if (car.Body == BODY_PICK_UP_TRUCK) PickUpBed(c, car);
}

// A pane of glass: lit at the roof, darker down at the waist.
void Pane(Canvas& c, const Car& car, const std::vector<Vec>& pane) {
    PolygonGraded(c, Screen(pane), At(0, 118).Y, {196, 226, 238}, At(0, car.Belt).Y, {112, 150, 176});
}

// Side glass under the roof: the space between the waist and the roof, kept
// clear of the outline by the pillars' width.
void Glass(Canvas& c, const Car& car) {
    // It ends where a level deck begins: a boot raised near the roof's end
    // has no glass along it, while a tailgate sloping on down keeps its pane.
    const Vec deck = NodeOf(car, 6), tail = NodeOf(car, 7);
    const bool level = std::abs(tail.Y - deck.Y) < 0.3 * (tail.X - deck.X);
    const double from = P(car, 3).X, to = level ? std::min(Fit(252), deck.X) : Fit(252);
    std::vector<std::pair<double, double>> run;
    const auto flush = [&]() {
        if (run.size() >= 2) {
            std::vector<Vec> glass;
            for (const auto& [x, h] : run) glass.push_back({x, h});
            for (auto it = run.rbegin(); it != run.rend(); ++it) glass.push_back({it->first, car.Belt});
            Pane(c, car, glass);
        }
        run.clear();
    };
    for (double x = std::ceil(from); x <= to; x += 1.0) {
        const double h = GlassTop(car, x);
        if (h > car.Belt + 2) run.push_back({x, h});
        else flush();
    }
    flush();
}

// A pillar belongs to the roof: on a two-tone car it is in the roof's
// colour, so it never reads as a post of the body's pushed up through it.
void Pillar(Canvas& c, const Car& car, double x) {
    const double top = GlassTop(car, x);
    if (top < car.Belt + 6) return;
    const Rgb roof = car.Style->TwoTone && car.Roof == Top::Closed ? kRoofTone : car.Colour;
    On(c, car, "pillar", "body", [&](Canvas& on) { on.Line(At(x, car.Belt), At(x, top + 1), 3.2, Darker(roof, 0.12)); });
}

// Roof posts, seats and the canopy of the first cars.
void Canopy(Canvas& c, const Car& car) {
    const double x0 = P(car, 4).X - 2, x1 = NodeOf(car, 5).X + 2;
    std::vector<Vec> roof;
    std::vector<Vec> under;
    for (double x = x0; x <= x1; x += 1.0) {
        // Level over the front post, where the outline's corner rounds away.
        const double h = TopAt(car.Shape, std::max(x, P(car, 4).X + 4));
        roof.push_back({x, h});
        under.push_back({x, h - 4});
    }
    roof.insert(roof.end(), under.rbegin(), under.rend());
    const double last = NodeOf(car, 5).X - 1;
    for (const double x : {P(car, 4).X + 2, 125.0, last})
        if (x < x1) c.Line(At(x, car.Belt), At(x, TopAt(car.Shape, x) - 2), 2.0, {50, 46, 42});
    c.Polygon(Screen(roof), {40, 38, 36});
    // A truck's crew cab carries a second bench under its longer canopy.
    for (const double x : {P(car, 4).X + 12, car.Body == BODY_TRUCK ? P(car, 4).X + 34 : 182.0})
        if (x + 16 < last) RoundBox(c, x, car.Belt + 22, x + 16, car.Belt - 1, 3, {110, 60, 40});
}

// The open cockpit: windscreen and seat, and what the middle variant adds.
void Cockpit(Canvas& c, const Car& car) {
    const Vec base = P(car, 3);
    const Vec top = NodeOf(car, 4);
    // The screen's glass, then its frame over the glass's front edge.
    HangsOn(c, car, "windscreen", "body", [&](Canvas& on) {
        on.Line(At(base.X + 4, base.Y + 2), At(top.X + 3.5, top.Y - 1), 3.0, {190, 222, 236}, 0.8);
        on.Line(At(base.X + 2, base.Y), At(top.X + 2, top.Y), 2.0, {60, 60, 64});
    });
    const Roof roof = RoofOf(car);
    const Rgb hood{48, 44, 42};
    if (roof == Roof::Lowered) {
        // The hood up: fabric from the windscreen's top to behind the seat,
        // a small rear window in it and the hood iron on its quarter.
        const double crown = top.Y + 4;
        // It comes down onto the body, below the waist where the deck dips.
        const std::vector<Vec> body = Painted(car);
        const auto sill = [&](double x) { return std::min(car.Belt, TopAt(body, x) - 1); };
        const std::vector<Vec> up{{top.X + 1, top.Y + 1}, {top.X + 6, crown}, {140, crown}, {152, crown - 6}, {156, sill(156)},
                                  {top.X + 2, sill(top.X + 2)}};
        HangsOn(c, car, "hood", "body", [&](Canvas& on) { on.Polygon(Screen(Rounded(up, 5.0)), hood); });
        On(c, car, "hood window and iron", "hood", [&](Canvas& on) {
            on.Line(At(top.X + 6, crown - 1), At(140, crown - 1), 1.0, {90, 84, 78});
            RoundBox(on, 128, crown - 5, 140, car.Belt + 8, 3, {150, 180, 196});
            on.Line(At(143, crown - 6), At(149, car.Belt + 4), 1.6, {200, 204, 208});
        });
        return;
    }
    if (roof == Roof::Raised) {
        // The hood folded down behind the seat, drawn first: where the
        // cockpit stands far back the seat's back stands in front of it.
        HangsOn(c, car, "folded hood", "body", [&](Canvas& on) {
            // On the deck behind the seat, however low the deck is.
            const double deck = std::min(car.Belt, TopAt(Painted(car), 144)) - 2;
            RoundBox(on, 133, deck + 14, 155, deck, 5, hood);
            for (const double x : {139.0, 149.0}) on.Line(At(x, deck + 1), At(x, deck + 13), 1.4, {150, 110, 70});
        });
    }
    // The seat's back stands down into the body, wherever its top dips.
    const double seat = std::min(car.Belt, TopAt(Painted(car), top.X + 16)) - 3;
    HangsOn(c, car, "seat", "body", [&](Canvas& on) {
        RoundBox(on, top.X + 8, car.Belt + 16, top.X + 24, seat, 3, {110, 60, 40});
    });
}

}  // namespace art::car
