// The car outlines of the nine body types and what each piece variant does
// to them.
#include "art/car_model.h"

namespace art::car {

const BodyShape kShapes[kBodyTypeCount] = {
    // Family wagon: a tall open tourer under a canopy that becomes a low estate.
    {{{{6, 20}, {6, 60}, {10, 62}, {88, 58}, {96, 106}, {240, 106}, {244, 102}, {246, 96}, {246, 40}, {246, 20}}},
     {{{2, 12}, {0, 30}, {8, 36}, {88, 46}, {118, 70}, {232, 68}, {244, 64}, {250, 56}, {252, 30}, {250, 12}}},
     {46, 96, 70}, 48, 205},
    // Truck: bonnet and cab; the load box is drawn on its own.
    {{{{4, 22}, {4, 56}, {8, 58}, {58, 56}, {62, 108}, {104, 108}, {106, 60}, {108, 50}, {108, 40}, {108, 22}}},
     {{{2, 18}, {0, 44}, {8, 62}, {60, 64}, {70, 112}, {106, 112}, {108, 70}, {110, 60}, {110, 40}, {110, 18}}},
     {170, 50, 40}, 44, 200},
    // Sport: a long-bonnet roadster that becomes a wedge coupe.
    {{{{4, 22}, {4, 56}, {8, 58}, {112, 54}, {118, 76}, {122, 78}, {126, 56}, {200, 52}, {248, 36}, {246, 22}}},
     {{{0, 14}, {0, 26}, {10, 32}, {100, 42}, {140, 60}, {176, 60}, {226, 50}, {246, 48}, {252, 40}, {250, 14}}},
     {226, 176, 40}, 50, 206},
    // Luxury: a formal limousine that becomes a long saloon.
    {{{{6, 22}, {6, 62}, {10, 66}, {90, 64}, {102, 112}, {206, 112}, {212, 70}, {242, 68}, {246, 60}, {246, 22}}},
     {{{0, 14}, {0, 34}, {8, 40}, {88, 48}, {112, 72}, {186, 72}, {212, 52}, {246, 50}, {252, 40}, {250, 14}}},
     {100, 30, 44}, 50, 206},
    // Family sedan: a rounded fastback that becomes a three-box saloon.
    {{{{4, 16}, {4, 42}, {14, 58}, {80, 62}, {104, 94}, {172, 96}, {200, 74}, {238, 52}, {250, 34}, {248, 16}}},
     {{{2, 14}, {0, 32}, {8, 38}, {86, 44}, {116, 68}, {184, 68}, {208, 50}, {246, 48}, {252, 38}, {250, 14}}},
     {50, 90, 150}, 50, 204},
    // Van: a bonneted box that becomes one box.
    {{{{4, 18}, {4, 50}, {8, 56}, {62, 62}, {76, 112}, {244, 114}, {248, 112}, {250, 108}, {250, 30}, {250, 18}}},
     {{{0, 14}, {0, 44}, {6, 56}, {26, 72}, {56, 116}, {244, 116}, {250, 112}, {252, 106}, {252, 30}, {250, 14}}},
     {66, 84, 110}, 44, 206},
    // Pick-up: cab and open bed.
    {{{{4, 18}, {2, 50}, {10, 62}, {90, 64}, {102, 102}, {140, 102}, {144, 64}, {146, 62}, {250, 62}, {250, 18}}},
     {{{0, 16}, {0, 42}, {8, 56}, {90, 58}, {104, 100}, {142, 100}, {146, 60}, {148, 58}, {252, 58}, {252, 16}}},
     {216, 116, 40}, 48, 208},
    // Compact: a bubble car that becomes a hatchback.
    {{{{26, 16}, {24, 36}, {34, 52}, {70, 62}, {100, 92}, {170, 92}, {204, 76}, {224, 56}, {232, 36}, {230, 16}}},
     {{{22, 14}, {20, 32}, {28, 40}, {88, 48}, {116, 74}, {196, 74}, {220, 64}, {232, 52}, {234, 30}, {232, 14}}},
     {40, 140, 140}, 62, 196},
    // Race car: a low open-wheeler with the driver in the middle.
    {{{{2, 12}, {0, 18}, {10, 22}, {110, 34}, {126, 48}, {150, 50}, {166, 40}, {230, 36}, {248, 30}, {246, 12}}},
     {{{0, 10}, {0, 16}, {12, 20}, {112, 30}, {126, 46}, {150, 48}, {166, 38}, {228, 34}, {248, 28}, {246, 10}}},
     {200, 40, 40}, 40, 208},
};

const Roof kRoofs[kBodyTypeCount][3] = {
    {Roof::Plain, Roof::Raised, Roof::Rack},      // family wagon
    {Roof::Plain, Roof::Sleeper, Roof::Spare},    // truck
    {Roof::Plain, Roof::Upright, Roof::Raked},    // sport
    {Roof::Plain, Roof::Upright, Roof::Raked},    // luxury
    {Roof::Plain, Roof::Raised, Roof::Rack},      // family sedan
    {Roof::Plain, Roof::Raised, Roof::Rack},      // van
    {Roof::Plain, Roof::Raised, Roof::Rack},      // pick-up
    {Roof::Plain, Roof::Raised, Roof::Rack},      // compact
    {Roof::Plain, Roof::Hoop, Roof::Airbox},      // race car
};

const NoseStyle kNoses[3] = {{0, 0, 0, 1.0}, {-4, -9, -5, 1.8}, {3, 6, 4, 0.5}};
const TailStyle kTails[3] = {{0, 0, 0, 0, 1.0}, {-4, -10, -4, -10, 1.8}, {2, 6, 3, 5, 0.4}};

}  // namespace art::car
