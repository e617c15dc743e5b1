#pragma once
// What the car drawing shares between its files: the car's outline as the
// player's choice of pieces shapes it, and the geometry the painters ask of
// it. Car x runs from the front piece's first column (screen x 271) to the
// rear piece's last (523); heights are above the showroom floor.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "art/car_parts.h"
#include "draw/canvas.h"
#include "model/records.h"

namespace art::car {

constexpr double kNoseX = 271;
// Chrome and nickel: a shade darker than the showroom's wall, so bright
// work stands out against it.
constexpr Rgb kChrome{184, 190, 198};
// The roof's second colour on two-tone cars.
constexpr Rgb kRoofTone{236, 226, 200};
// Where the variants may reshape the silhouette: the front before x 78, the
// middle between 104 and 146, the rear after 172. Around the joins (x 91 and
// 159) the outline is the body type's own.
constexpr double kJoins[2] = {91, 159};   // where the front meets the middle, the middle the rear
constexpr double kFrontTo = 78;
constexpr double kMiddleFrom = 104;
constexpr double kMiddleTo = 146;
constexpr double kRearFrom = 172;
constexpr double kMiddleInner[2] = {112, 138};
// The outlines are drawn over x 0..252; they are fitted in between a clear
// margin at each end of the box.
constexpr double kFitLeft = 12;
constexpr double kFitScale = 0.915;
inline double Fit(double x) { return kFitLeft + x * kFitScale; }

constexpr int kPoints = 10;
using Outline = std::array<Vec, kPoints>;   // (x from the nose, height above ground)

// Outline of the body's side, nose at the left: bottom of the nose, nose top,
// bonnet front, cowl, roof front, roof rear, deck, tail top, tail, bottom of
// the tail. One for each era the type is built in (the eras before it are
// left empty).
struct BodyShape {
    Rgb Colour;
    double FrontWheel;
    double RearWheel;
    std::array<Outline, kEraCount> Eras;
};
extern const BodyShape kShapes[kBodyTypeCount];

enum class Top { Closed, Canopy, Open };

// How an era builds its cars, for the painters to read.
enum class WingKind { Flat, Arched, Swept, Merged };   // the first three stand apart from the body
enum class WheelKind { Artillery, Wire, Pressed, Whitewall, Trim, Modern };
enum class LampKind { Brass, OnBar, Faired, Round, Twin, Oblong };
enum class GrilleKind { Radiator, Shell, Tall, Wide, Bars, Slats };
enum class BumperKind { None, Bar, Blade, Chrome, Black };
struct EraStyle {
    WingKind Wings;
    double Boards;     // how deep the running boards are: 1 full, less a slim step
    WheelKind Wheels;
    LampKind Lamps;
    GrilleKind Grille;
    BumperKind Bumper;
    bool TwoTone;      // the roof in a second colour
    double Corner;     // rounding of the outline
    double WheelRadius;
    double FrontAxle;  // the front wheels moved forward (negative) under the radiator
};
extern const EraStyle kEraStyles[kEraCount];

// What a middle variant does to the roof.
enum class Roof { Plain, Raised, Lowered, Upright, Raked, Rack, Sleeper, Spare, Hoop, Airbox, Panel };
// How far a truck's crew cab carries the cab's back toward the load box.
constexpr double kCrewCab = 22;
// For each body type, one for each middle variant.
extern const std::array<Roof, kPieceVariants> kRoofs[];

// What a front variant does to the nose, and a rear variant to the tail.
struct NoseStyle {
    double Forward;     // the nose moves forward (negative: back)
    double NoseRise;    // the top of the nose
    double BonnetRise;  // the front of the bonnet
    double Round;       // times the era's rounding
};
extern const NoseStyle kNoses[];   // one for each front variant
struct TailStyle {
    double Back;        // the tail moves back (negative: forward)
    double TailRise;    // the top of the tail
    double DeckRise;    // the deck before it
    double RoofPull;    // the end of the roof moves back (negative: forward)
    double Round;
};
extern const TailStyle kTails[];   // one for each rear variant

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
    const EraStyle* Style;
    Top Roof;
    bool Fenders;  // separate mudguards and running boards
    int Front, Middle, Rear;
    PartLog* Log = nullptr;   // where the parts are recorded, when a test asks
};

Car MakeCar(int body, int era, int front, int middle, int rear);

const Vec& P(const Car& car, int i);
Vec NodeOf(const Car& car, int index);
Roof RoofOf(const Car& car);
std::vector<Vec> Rounded(const std::vector<Vec>& p, const std::vector<double>& radius);
std::vector<Vec> Rounded(const std::vector<Vec>& p, double radius);

// Screen position of a car point.
Vec At(Vec p);
Vec At(double x, double h);
std::vector<Vec> Screen(const std::vector<Vec>& carPoints);
// A box from car x0 to x1 and from height `top` down to `bottom`: filled
// with each edge cut down to its pixel, or drawn with rounded corners.
void FillBox(Canvas& c, double x0, double top, double x1, double bottom, Rgb colour);
void RoundBox(Canvas& c, double x0, double top, double x1, double bottom, double radius, Rgb colour);

double TopAt(const std::vector<Vec>& shape, double x);
double EndAt(const std::vector<Vec>& shape, double h);
double StartAt(const std::vector<Vec>& shape, double h);
std::vector<Vec> Painted(const Car& car);
double GlassTop(const Car& car, double x);
bool Utility(const Car& car);
double FenderTop(const Car& car);
// False for a cab over the engine, or a nose sloping straight up into the
// windscreen.
bool HasBonnet(const Car& car);
std::vector<double> Wheels(const Car& car);
std::vector<Vec> LoadBox(const Car& car);

// Painting (car_body.cpp).
void Paint(Canvas& c, const std::vector<Vec>& shape, Rgb colour);
void OnPaint(Canvas& c, const Car& car, const std::function<void(Canvas&)>& draw);
void Body(Canvas& c, const Car& car);
void Pane(Canvas& c, const Car& car, const std::vector<Vec>& pane);
void Glass(Canvas& c, const Car& car);
void Pillar(Canvas& c, const Car& car, double x);
void Canopy(Canvas& c, const Car& car);
void Cockpit(Canvas& c, const Car& car);

// What the body stands on (car_running_gear.cpp).
double BoardHeight(const Car& car);
double FrameTop(const Car& car);   // the top of a truck's frame rails
void Wheel(Canvas& c, const Car& car, double x);
std::string WheelName(const Car& car, double x);   // "front wheel" or "rear wheel"
void Wings(Canvas& c, const Car& car);    // and running boards
void Chassis(Canvas& c, const Car& car);
void DriveChain(Canvas& c, const Car& car);   // over the rear wheel, where it is chain driven
double FrontWingTop(const Car& car, double x);   // the front wing's crown above x (0: none)

// The race car's own parts (car_race.cpp).
void RaceCockpit(Canvas& c, const Car& car);
void RaceNose(Canvas& c, const Car& car);
void RacePods(Canvas& c, const Car& car);
void RaceTail(Canvas& c, const Car& car);

// The variants' own details (car_details.cpp); each stays inside its piece
// but the luxury car's rear door, whose back edge stands in the rear piece.
void FrontDetails(Canvas& c, const Car& car);
// An early car's radiator stands between the front wheels: drawn before
// them, so the wheel passes in front of it (car_front.cpp).
void RadiatorShell(Canvas& c, const Car& car);
void MiddleDetails(Canvas& c, const Car& car);
// The doors' shut lines that run down by the wheels: drawn with the body,
// so the wings and the wheels' arches drawn over them cover their feet.
void DoorEdges(Canvas& c, const Car& car);
void RearDetails(Canvas& c, const Car& car);

}  // namespace art::car
