// The car outlines of the nine body types, one for each era the type is
// built in, the style of each era, and what each piece variant does to the
// outline.
#include <iterator>

#include "art/car_model.h"

namespace art::car {

// Heights of the pre-war outlines' lower edge sit just above the running
// board (the wheel's radius and a little), since the wings, the boards and
// the chassis are drawn apart from the body.
const BodyShape kShapes[kBodyTypeCount] = {
    // Family wagon: an open tourer under a canopy; a tall square estate; a
    // rounded estate with wings apart; a slab-sided estate; a long flat
    // estate; a wedge-nosed estate with a sloping tailgate.
    {{46, 96, 70}, 48, 205,
     {{{{{20, 30}, {20, 60}, {24, 62}, {84, 60}, {96, 106}, {240, 106}, {244, 102}, {246, 96}, {246, 40}, {246, 30}}},
       {{{18, 28}, {18, 64}, {22, 66}, {88, 70}, {92, 114}, {242, 114}, {246, 112}, {248, 108}, {248, 40}, {248, 28}}},
       {{{10, 34}, {10, 58}, {18, 66}, {86, 68}, {106, 104}, {234, 104}, {244, 100}, {248, 92}, {250, 40}, {250, 23}}},
       {{{2, 14}, {0, 40}, {8, 50}, {86, 54}, {112, 84}, {232, 84}, {244, 80}, {248, 72}, {250, 40}, {248, 14}}},
       {{{0, 12}, {0, 38}, {4, 42}, {88, 46}, {114, 72}, {240, 72}, {246, 72}, {250, 68}, {252, 34}, {250, 12}}},
       {{{2, 12}, {0, 28}, {8, 34}, {88, 46}, {120, 70}, {226, 70}, {240, 66}, {250, 56}, {252, 30}, {250, 12}}}}}},
    // Truck: bonnet and cab; the load box is drawn on its own. An open cab
    // under a canopy; a square closed cab; a rounded cab; a rounded cab with
    // merged wings; a square cab; a tilt cab over the engine.
    {{170, 50, 40}, 44, 200,
     {{{{{16, 32}, {16, 58}, {20, 60}, {52, 60}, {62, 108}, {104, 108}, {106, 62}, {108, 50}, {108, 40}, {108, 32}}},
       {{{16, 30}, {16, 64}, {20, 66}, {62, 68}, {66, 114}, {104, 114}, {106, 112}, {108, 104}, {108, 40}, {108, 30}}},
       {{{10, 34}, {10, 62}, {20, 72}, {62, 74}, {76, 112}, {104, 114}, {108, 108}, {108, 98}, {108, 40}, {108, 24}}},
       {{{0, 16}, {0, 54}, {8, 68}, {62, 70}, {72, 112}, {104, 114}, {108, 108}, {108, 96}, {108, 40}, {108, 16}}},
       {{{0, 18}, {0, 60}, {4, 64}, {56, 66}, {62, 114}, {106, 114}, {108, 114}, {108, 110}, {108, 40}, {108, 18}}},
       {{{0, 16}, {0, 70}, {2, 74}, {6, 78}, {12, 118}, {104, 118}, {108, 116}, {108, 110}, {108, 40}, {108, 16}}}}}},
    // Sport: an upright two-seater with a pointed tail; a long-bonnet roadster
    // with swept wings; a slab-sided coupe; a long fastback; a wedge.
    {{226, 176, 40}, 50, 206,
     {{{},
       {{{18, 28}, {18, 60}, {22, 62}, {110, 62}, {114, 88}, {118, 88}, {122, 64}, {204, 64}, {244, 48}, {236, 28}}},
       {{{10, 34}, {10, 54}, {20, 62}, {104, 62}, {122, 84}, {124, 84}, {126, 60}, {196, 60}, {238, 44}, {240, 23}}},
       {{{0, 14}, {0, 38}, {8, 46}, {100, 48}, {126, 74}, {160, 74}, {212, 54}, {246, 48}, {250, 40}, {248, 14}}},
       {{{0, 12}, {0, 30}, {6, 36}, {100, 40}, {134, 56}, {166, 56}, {226, 45}, {246, 43}, {252, 36}, {250, 12}}},
       {{{0, 12}, {0, 28}, {10, 32}, {100, 42}, {130, 60}, {176, 60}, {232, 54}, {248, 54}, {252, 46}, {250, 12}}}}}},
    // Luxury: longer in the bonnet and the boot than the family sedan, its
    // sides no deeper, its cabin long, formal and set back, with a window
    // in each door and a quarter light. A limousine with its trunk behind;
    // a long low saloon with a bustle boot and wings apart; a full-width
    // saloon; a long low three-box saloon; a square saloon with a sloping
    // nose and a boot level with its waist.
    {{100, 30, 44}, 50, 206,
     {{{},
       {{{18, 28}, {18, 64}, {22, 66}, {102, 68}, {106, 110}, {214, 110}, {218, 70}, {240, 68}, {244, 48}, {244, 28}}},
       {{{4, 32}, {4, 58}, {12, 64}, {102, 68}, {112, 94}, {200, 94}, {214, 60}, {236, 57}, {246, 38}, {244, 26}}},
       {{{0, 14}, {0, 42}, {8, 50}, {102, 54}, {120, 86}, {208, 86}, {218, 56}, {248, 54}, {252, 42}, {250, 14}}},
       {{{0, 12}, {0, 36}, {4, 42}, {102, 44}, {122, 68}, {208, 68}, {216, 46}, {248, 44}, {252, 32}, {250, 12}}},
       {{{0, 12}, {0, 28}, {6, 34}, {102, 46}, {128, 72}, {208, 72}, {218, 47}, {248, 46}, {252, 34}, {250, 12}}}}}},
    // Family sedan: a low fastback with a long bonnet and swept wings; a
    // full-width saloon; a long low three-box saloon; a wedge with a high
    // boot. From 1953 it stops short of the box's ends, so the luxury car
    // beside it reads longer.
    {{50, 90, 150}, 50, 204,
     {{{},
       {},
       {{{10, 32}, {10, 56}, {20, 62}, {98, 64}, {114, 90}, {170, 90}, {206, 74}, {232, 56}, {240, 38}, {238, 24}}},
       {{{10, 14}, {10, 40}, {18, 50}, {82, 54}, {104, 84}, {178, 84}, {204, 58}, {234, 56}, {240, 44}, {238, 14}}},
       {{{8, 12}, {8, 34}, {12, 40}, {82, 44}, {108, 66}, {180, 66}, {200, 46}, {238, 44}, {244, 36}, {242, 12}}},
       {{{8, 12}, {6, 26}, {14, 32}, {84, 46}, {114, 72}, {178, 72}, {208, 58}, {240, 58}, {246, 48}, {244, 12}}}}}},
    // Van: a closed box for goods behind a cab. A bonneted van with wings
    // apart; a rounded van; a square van with a short bonnet; one box.
    {{66, 84, 110}, 44, 206,
     {{{},
       {},
       {{{12, 34}, {12, 60}, {20, 68}, {60, 70}, {74, 112}, {240, 112}, {246, 108}, {248, 100}, {248, 30}, {248, 23}}},
       {{{0, 14}, {0, 50}, {8, 64}, {42, 72}, {62, 112}, {238, 114}, {248, 110}, {250, 102}, {250, 30}, {250, 14}}},
       {{{0, 14}, {0, 54}, {4, 58}, {34, 62}, {44, 114}, {244, 114}, {250, 114}, {252, 110}, {252, 30}, {250, 14}}},
       {{{0, 14}, {0, 44}, {6, 56}, {26, 72}, {56, 116}, {244, 116}, {250, 112}, {252, 106}, {252, 30}, {250, 14}}}}}},
    // Pick-up: cab and open bed. A rounded cab; a square cab; a long low
    // cab with a wedge nose.
    {{216, 116, 40}, 48, 208,
     {{{},
       {},
       {},
       {{{2, 18}, {0, 50}, {10, 64}, {88, 66}, {102, 104}, {138, 104}, {144, 66}, {146, 64}, {250, 64}, {250, 18}}},
       {{{0, 16}, {0, 50}, {4, 54}, {90, 56}, {98, 100}, {142, 100}, {144, 58}, {146, 56}, {252, 56}, {252, 16}}},
       {{{0, 14}, {0, 34}, {8, 42}, {92, 54}, {112, 96}, {146, 96}, {150, 56}, {152, 54}, {252, 54}, {252, 14}}}}}},
    // Compact: short in the nose and the tail and tall for its length,
    // leaving bare showroom at both ends of the box: a bubble car; a small
    // two-box saloon; a small hatchback.
    {{40, 140, 140}, 62, 192,
     {{{},
       {},
       {},
       {{{30, 16}, {28, 36}, {38, 52}, {72, 62}, {100, 92}, {168, 92}, {200, 74}, {218, 56}, {224, 36}, {222, 16}}},
       {{{32, 12}, {30, 38}, {34, 46}, {80, 50}, {102, 82}, {186, 82}, {206, 58}, {214, 56}, {218, 44}, {216, 12}}},
       {{{32, 12}, {30, 28}, {40, 36}, {84, 50}, {112, 82}, {198, 80}, {214, 64}, {220, 52}, {222, 32}, {220, 12}}}}}},
    // Race car: a cigar between open wheels; a ground-effect car with side
    // pods between its wheels.
    {{200, 40, 40}, 40, 208,
     {{{},
       {},
       {},
       {},
       {{{2, 16}, {0, 20}, {10, 24}, {110, 34}, {126, 48}, {150, 50}, {166, 40}, {230, 34}, {248, 28}, {246, 16}}},
       {{{0, 10}, {0, 16}, {12, 20}, {84, 36}, {126, 50}, {150, 52}, {166, 42}, {224, 38}, {244, 30}, {244, 10}}}}}},
};

const EraStyle kEraStyles[kEraCount] = {
    // 1908: flat mudguards and running boards, artillery wheels, brass.
    {WingKind::Flat, 1.0, WheelKind::Artillery, LampKind::Brass, GrilleKind::Radiator, BumperKind::None, false, 2, 21, -18},
    // 1923: arched mudguards and boards, wire wheels, lamps on a bar.
    {WingKind::Arched, 1.0, WheelKind::Wire, LampKind::OnBar, GrilleKind::Shell, BumperKind::Bar, false, 4, 20, -16},
    // 1938: swept wings apart from the body, short boards, hubcaps.
    {WingKind::Swept, 0.5, WheelKind::Pressed, LampKind::Faired, GrilleKind::Tall, BumperKind::Blade, false, 12, 18, -10},
    // 1953: the wings merged into the body, a wide chrome grille, two tones.
    {WingKind::Merged, 0, WheelKind::Whitewall, LampKind::Round, GrilleKind::Wide, BumperKind::Chrome, true, 12, 16, 0},
    // 1968: long and square, twin lamps, thin chrome.
    {WingKind::Merged, 0, WheelKind::Trim, LampKind::Twin, GrilleKind::Bars, BumperKind::Chrome, false, 4, 15, 0},
    // 1983: wedge and box, black trim, oblong lamps.
    {WingKind::Merged, 0, WheelKind::Modern, LampKind::Oblong, GrilleKind::Slats, BumperKind::Black, false, 7, 15, 0},
};

// The variants' tables take their length from their rows and are checked
// against the counts they must match: a row left out stops the build rather
// than reading as a row of zeros. A roof row made by std::to_array has its
// list's length, and one of another length than the middle variants' does
// not convert.
const std::array<Roof, kPieceVariants> kRoofs[] = {
    std::to_array({Roof::Plain, Roof::Raised, Roof::Rack}),      // family wagon
    std::to_array({Roof::Plain, Roof::Sleeper, Roof::Spare}),    // truck
    std::to_array({Roof::Plain, Roof::Upright, Roof::Raked}),    // sport
    std::to_array({Roof::Plain, Roof::Upright, Roof::Raked}),    // luxury
    std::to_array({Roof::Plain, Roof::Raised, Roof::Rack}),      // family sedan
    std::to_array({Roof::Plain, Roof::Raised, Roof::Rack}),      // van
    std::to_array({Roof::Plain, Roof::Raised, Roof::Rack}),      // pick-up
    std::to_array({Roof::Plain, Roof::Raised, Roof::Rack}),      // compact
    std::to_array({Roof::Plain, Roof::Hoop, Roof::Airbox}),      // race car
};
static_assert(std::size(kRoofs) == kBodyTypeCount);

const NoseStyle kNoses[] = {{0, 0, 0, 1.0}, {-4, -9, -5, 1.8}, {3, 6, 4, 0.5}};
static_assert(std::size(kNoses) == kPieceVariants);
const TailStyle kTails[] = {{0, 0, 0, 0, 1.0}, {-4, -10, -4, -10, 1.8}, {2, 6, 3, 5, 0.4}};
static_assert(std::size(kTails) == kPieceVariants);

}  // namespace art::car
