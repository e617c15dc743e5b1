// Painting the car: the body and its paint, the glass, the open tops, the
// wheels and the mudguards.
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

// Draws trims that belong on the paint: whatever `draw` puts down outside
// the painted body (a line running past a sloping tail, a louvre over a
// mudguard) is dropped, so no trim ever hangs in the air.
void OnPaint(Canvas& c, const Car& car, const std::function<void(Canvas&)>& draw) {
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

}  // namespace art::car
