// The piece variants' own details: lamps, grilles and bumpers on the front
// pieces, doors and what the roof carries on the middle ones, lamps, spare
// wheels and trunks on the rear ones. Each stays inside its own piece.
#include <algorithm>
#include <cmath>

#include "art/car_model.h"

namespace art::car {

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

}  // namespace art::car
