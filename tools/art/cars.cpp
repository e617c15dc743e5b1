// The design screen's car: nine body types, each drawn in the style of its
// era, from high and open 1908 to low and smooth 1983. The player picks a
// front, a middle and a rear, each cut from its own drawing of the car, so
// the three must meet wherever they are put together. They do because every
// variant keeps the body type's own silhouette near the two joins (x 362 and
// 430 on the screen) and changes the shape only between them: the nose and
// bonnet in front, the roof in the middle, the tail at the rear. Whatever a
// variant adds stays inside its own piece and hangs on the body. A door may
// still run across a join, each of its edges placed by the piece it stands
// in alone, so it meets every choice of the other: the luxury car's rear
// door runs from the middle on into the rear piece, its back edge under the
// quarter light's pillar placed by the rear's tail.
#include <algorithm>
#include <iterator>
#include <optional>

#include "art/car_model.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"

namespace art {
namespace {

using namespace car;

// The whole car's part of the screen: the car box from the front piece's top.
constexpr Rect kWholeCar{kCarPieceAt[0].X, kCarPieceAt[0].Y, kCarBox.Right, kCarPieceAt[0].Y + 145};

// The car on the showroom, or on a plain ground colour (for cut-outs).
Canvas DrawOnShowroom(const Car& car, std::optional<Rgb> plainGround = std::nullopt) {
    Canvas c(800, 600, plainGround.value_or(kShowroom));
    if (!plainGround) Showroom(c);
    // Shadow on the floor.
    c.Ellipse(kNoseX + 126, kCarGround + 1, 112, 4.5, {60, 70, 80}, 0.35);
    if (car.Body != BODY_RACE_CAR) {
        Chassis(c, car);
        Body(c, car);
        DoorEdges(c, car);
        if (!car.Fenders)   // wheel arches cut into the body
            for (const double x : Wheels(car))
                // The truck's rear wheel turns under its load box.
                HangsOn(c, car, "wheel arch", car.Body == BODY_TRUCK && x == car.RearWheel ? "frame" : "body", [&](Canvas& on) {
                    const Vec w = At(x, car.WheelRadius);
                    on.Ellipse(w.X, w.Y, car.WheelRadius + 3, car.WheelRadius + 3, {30, 30, 32});
                });
        if (car.Roof == Top::Closed) On(c, car, "glass", "body", [&](Canvas& on) { Glass(on, car); });
        if (car.Roof == Top::Canopy) HangsOn(c, car, "canopy", "body", [&](Canvas& on) { Canopy(on, car); });
        if (car.Roof == Top::Open) Cockpit(c, car);
        RadiatorShell(c, car);
        for (const double x : Wheels(car)) Host(c, car, WheelName(car, x), [&](Canvas& on) { Wheel(on, car, x); });
        DriveChain(c, car);
        Wings(c, car);
    } else {
        // Open wheels stand outside the body: the body first, then the
        // suspension arms out to the hubs, then the wheels over them.
        Body(c, car);
        RacePods(c, car);
        RaceCockpit(c, car);
        HangsOn(c, car, "front suspension", "body", [&](Canvas& on) {
            on.Line(At(car.FrontWheel, car.WheelRadius), At(car.FrontWheel + 30, 22), 2.0, {50, 50, 54});
        });
        HangsOn(c, car, "rear suspension", "body", [&](Canvas& on) {
            on.Line(At(car.RearWheel, car.WheelRadius), At(car.RearWheel - 30, 24), 2.0, {50, 50, 54});
        });
        for (const double x : Wheels(car))
            HangsOn(c, car, WheelName(car, x), x == car.FrontWheel ? "front suspension" : "rear suspension",
                    [&](Canvas& on) { Wheel(on, car, x); });
    }
    FrontDetails(c, car);
    MiddleDetails(c, car);
    RearDetails(c, car);
    return c;
}

}  // namespace

Canvas DrawCar(int bodyType, int era, int front, int middle, int rear, car::PartLog* log) {
    Car car = MakeCar(bodyType, era, front, middle, rear);
    car.Log = log;
    return DrawOnShowroom(car).Cut(kWholeCar);
}

Sprite DrawCarSprite(int bodyType, int era, int front, int middle, int rear) {
    // Drawn on black and on white: where the two differ, the car lets the
    // ground through, which gives each pixel's coverage.
    const Car car = MakeCar(bodyType, era, front, middle, rear);
    const Canvas black = DrawOnShowroom(car, Rgb{0, 0, 0}).Cut(kWholeCar);
    const Canvas white = DrawOnShowroom(car, Rgb{255, 255, 255}).Cut(kWholeCar);
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
    const int v[] = {piece == CAR_FRONT ? variant : 1, piece == CAR_MIDDLE ? variant : 1, piece == CAR_REAR ? variant : 1};
    static_assert(std::size(v) == kCarPieces);
    const Canvas screen = DrawOnShowroom(MakeCar(bodyType, era, v[0], v[1], v[2]));
    return CutPicture(screen, kCarPieceAt[piece], CarPiecePicture(bodyType, era, piece, variant));
}

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