#include "art/world_map.h"

#include <cmath>

#include "art/palette.h"

namespace art {
namespace {

// Outlines in the popup's screen coordinates (the map popup at (100, 120)).
const std::vector<Vec> kNorthAmerica{{132, 146}, {170, 134}, {230, 132}, {276, 146}, {262, 170}, {240, 182},
                                     {236, 204}, {222, 222}, {204, 238}, {196, 252}, {180, 246}, {170, 222},
                                     {150, 204}, {136, 184}, {128, 166}};
const std::vector<Vec> kSouthAmerica{{210, 276}, {236, 268}, {262, 282}, {278, 300}, {274, 326}, {258, 352},
                                     {246, 380}, {232, 404}, {222, 398}, {222, 370}, {212, 336}, {204, 304}};
const std::vector<Vec> kEurope{{292, 168}, {306, 150}, {330, 146}, {352, 156}, {356, 176}, {346, 196},
                               {336, 212}, {316, 216}, {300, 206}, {290, 190}};
const std::vector<Vec> kAfrica{{350, 236}, {378, 226}, {414, 230}, {440, 248}, {452, 276}, {444, 306},
                               {430, 336}, {414, 364}, {398, 372}, {388, 352}, {380, 320}, {362, 296},
                               {346, 270}};
const std::vector<Vec> kAsia{{364, 150}, {400, 134}, {452, 128}, {510, 132}, {566, 140}, {604, 158},
                             {596, 184}, {570, 204}, {556, 232}, {530, 250}, {506, 242}, {486, 222},
                             {460, 226}, {440, 214}, {420, 218}, {396, 210}, {372, 196}, {362, 176}};
const std::vector<Vec> kAustralia{{512, 344}, {540, 332}, {572, 336}, {596, 354}, {592, 382}, {566, 396},
                                  {536, 392}, {514, 374}};

}  // namespace

void WorldMap(Canvas& c, Box sea, double scale, Vec offset) {
    c.FillVertical(sea, {120, 170, 204}, {92, 142, 184});
    // Lines of latitude and longitude.
    for (int i = 1; i < 6; ++i) {
        const int y = sea.Top + sea.Height() * i / 6;
        c.Fill({sea.Left, y, sea.Right, y}, {140, 184, 214});
    }
    for (int i = 1; i < 8; ++i) {
        const int x = sea.Left + sea.Width() * i / 8;
        c.Fill({x, sea.Top, x, sea.Bottom}, {140, 184, 214});
    }
    const Rgb land{206, 190, 136};
    const Rgb shore{150, 130, 86};
    for (const auto* outline : {&kNorthAmerica, &kSouthAmerica, &kEurope, &kAfrica, &kAsia, &kAustralia}) {
        std::vector<Vec> p;
        for (const Vec& v : *outline) p.push_back({offset.X + v.X * scale, offset.Y + v.Y * scale});
        std::vector<Vec> shadow = p;
        for (Vec& v : shadow) v.Y += 2 * scale;
        c.Polygon(shadow, shore);
        c.Polygon(p, land);
    }
}

}  // namespace art
