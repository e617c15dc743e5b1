// The race car: an open-wheeler whose wheels stand outside its body. The
// 1968 car is a cigar with a wing on struts; the 1983 car a ground-effect
// car with side pods between its wheels and a large rear wing.
#include <algorithm>

#include "art/car_model.h"

namespace art::car {

// The race car's cockpit: the driver's helmet sits in it.
void RaceCockpit(Canvas& c, const Car& car) {
    const double rim = car.Belt;
    const Roof roof = RoofOf(car);
    if (roof == Roof::Airbox) {
        // An air intake over the driver's head, on the engine cover.
        HangsOn(c, car, "air box", "body", [&](Canvas& on) {
            on.Polygon(Screen(Rounded(std::vector<Vec>{{145, rim - 2}, {147, rim + 24}, {154, rim + 24}, {158, rim - 2}}, 2.0)),
                       Darker(car.Colour, 0.15));
            FillBox(on, 146, rim + 22, 149, rim + 13, {30, 30, 32});
        });
    }
    if (roof == Roof::Hoop) {
        // A roll hoop behind the driver's head, standing on the body.
        HangsOn(c, car, "roll hoop", "body", [&](Canvas& on) {
            on.Polyline(Screen({{146, rim - 1}, {147, rim + 24}, {154, rim + 24}, {155, rim - 1}}), 2.6, {60, 60, 64});
        });
    }
    // The driver: shoulders in overalls, the helmet with its visor and a
    // stripe in the car's colour.
    const Vec head = At(136, rim + 14);
    HangsOn(c, car, "driver", "body", [&](Canvas& on) {
        RoundBox(on, 127, rim + 9, 146, rim - 1, 4, {46, 56, 96});
        on.Ellipse(head.X, head.Y + 5, 3.5, 4, {46, 56, 96});   // the neck
    });
    HangsOn(c, car, "helmet", "driver", [&](Canvas& on) {
        on.Ellipse(head.X, head.Y, 9.5, 9.5, {246, 204, 60});
        on.Line({head.X - 2, head.Y - 9}, {head.X + 8, head.Y - 3}, 2.5, car.Colour);
        on.Polygon({{head.X - 9.5, head.Y - 2}, {head.X - 1, head.Y - 2}, {head.X, head.Y + 3}, {head.X - 8.5, head.Y + 4}}, {40, 40, 50});
    });
    // The cockpit's rim in front of and around the driver.
    HangsOn(c, car, "cockpit rim", "body", [&](Canvas& on) { on.Line(At(122, rim - 1), At(152, rim - 1), 3.0, Darker(car.Colour, 0.35)); });
    HangsOn(c, car, "windscreen", "body", [&](Canvas& on) { on.Line(At(118, rim), At(125, rim + 10), 2.0, {150, 180, 196}); });
}


void RacePods(Canvas& c, const Car& car) {
    if (car.Era != ERA_1983) return;
    // The side pod between the wheels: a darker box with its air intake.
    const double from = car.FrontWheel + car.WheelRadius + 6, to = car.RearWheel - car.WheelRadius - 4;
    const double top = car.Belt - 3;
    On(c, car, "side pod", "body", [&](Canvas& layer) {
        OnPaint(layer, car, [&](Canvas& on) {
            Paint(on, Rounded(std::vector<Vec>{{from, 8}, {from + 6, top}, {to, top}, {to, 8}}, 3.0), Darker(car.Colour, 0.25));
            on.Polygon(Screen({{from + 2, 14}, {from + 6, top - 3}, {from + 9, top - 3}, {from + 9, 14}}), {30, 30, 32});
        });
    });
}

void RaceNose(Canvas& c, const Car& car) {
    const double nose = std::min(NodeOf(car, 0).X, NodeOf(car, 1).X);
    // The nose wing: flat, twin planes or a white blade, with the number
    // on the nose.
    const Rgb wing = car.Front == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.2);
    const double low = NodeOf(car, 0).Y;
    HangsOn(c, car, "nose wing", "body", [&](Canvas& on) {
        // It ends ahead of the front wheel; twin planes stand apart by a
        // slot, so each reads on its own.
        const double end = std::min(nose + 26, car.FrontWheel - car.WheelRadius - 1.5);
        const double twin = car.Front == 2 ? 1.5 : 0.0;
        on.Polygon(Screen({{nose - 3, low - 6}, {end, low - 6}, {end - 4, low - 2 - twin}, {nose - 3, low - 1 - 2 * twin}}), wing);
        if (car.Front == 2) on.Polygon(Screen({{nose - 1, low - 1.5}, {end - 4, low - 1.5}, {end - 7, low + 2}, {nose - 1, low + 2}}), wing);
        // its end plate, down from the nose
        FillBox(on, nose + 2, low + 1, nose + 5, low - 7, {40, 40, 44});
    });
    On(c, car, "number", "body", [&](Canvas& on) {
        // The roundel on the nose's side, below its top wherever the nose is low.
        const double x = car.FrontWheel + 24;
        const Vec n = At(x, std::min((NodeOf(car, 2).Y + P(car, 3).Y) / 2 - 2, TopAt(Painted(car), x) - 6));
        on.Ellipse(n.X, n.Y, 6, 5, {250, 250, 250});
        on.Line({n.X - 2, n.Y - 3}, {n.X, n.Y + 3}, 1.6, {30, 30, 30});
        on.Line({n.X, n.Y + 3}, {n.X + 2, n.Y - 3}, 1.6, {30, 30, 30});
    });
}

void RaceTail(Canvas& c, const Car& car) {
    const double tail = NodeOf(car, 8).X;
    const bool groundEffect = car.Era == ERA_1983;
    // 1968: a narrow wing on a post; 1983: a broad wing with end plates.
    const double h = (groundEffect ? 58 : 46) + (car.Rear == 2 ? 8 : car.Rear == 3 ? -6 : 0);
    const double deep = groundEffect ? 9.0 : car.Rear == 2 ? 7.0 : 5.0;
    const double span = groundEffect ? 40 : 32;
    const Rgb colour = car.Rear == 3 ? Rgb{240, 240, 236} : Darker(car.Colour, 0.25);
    // The post stands on the deck behind the rear wheel, clear of its tyre.
    const double post = std::min(std::max(tail - 20, car.RearWheel + car.WheelRadius + 2.5), tail - 8);
    const double deck = TopAt(car.Shape, post + 1);
    HangsOn(c, car, "wing post", "body", [&](Canvas& on) { on.Line(At(post, deck - 2), At(post + 2, h + 1), 2.5, {50, 50, 54}); });
    HangsOn(c, car, "rear wing", "wing post", [&](Canvas& on) {
        const std::vector<Vec> blade{{tail - span, h}, {tail - 2, h}, {tail - 2, h + deep}, {tail - span + 4, h + deep}};
        on.Polygon(Screen(blade), colour);
        if (car.Rear == 3) on.Polyline(Screen({blade[3], blade[0], blade[1]}), 1.0, {60, 60, 64});   // a white blade's edge
        if (groundEffect || car.Rear == 2)
            FillBox(on, tail - 4, h + deep + 4, tail - 1, h - 4, {40, 40, 44});
    });
    // The tail lamp under the wing's post.
    HangsOn(c, car, "tail lamp", "body", [&](Canvas& on) {
        on.Ellipse(At(tail - 1, NodeOf(car, 9).Y + 6).X, At(tail, NodeOf(car, 9).Y + 6).Y, 2, 2.5, {210, 40, 40});
    });
}

}  // namespace art::car
