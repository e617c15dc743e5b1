// The head office: the director's room. The door leads out, the wall map
// opens the map, the safe the bank, the folder on the desk the personnel and
// the chart beside it the statistics.
#include <cmath>

#include "art/palette.h"
#include "art/scenery.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "art/world_map.h"

namespace art {
namespace {

constexpr int kFloorLine = 361;

void Room(Canvas& c) {
    c.FillVertical({0, 0, 799, kFloorLine}, {214, 196, 160}, {196, 176, 140});
    // Wallpaper stripes and a wainscot.
    for (int x = 0; x < 800; x += 24) c.Fill({x, 0, x + 11, 290}, {206, 188, 152});
    c.Fill({0, 291, 799, kFloorLine}, {140, 96, 62});
    c.Fill({0, 290, 799, 293}, {110, 74, 48});
    for (int x = 12; x < 800; x += 60) c.Frame({x, 302, x + 48, 352}, 2, {120, 82, 54});
    c.Fill({0, kFloorLine - 3, 799, kFloorLine}, {90, 60, 40});
    // Floor boards.
    c.FillVertical({0, kFloorLine + 1, 799, 540}, {150, 106, 70}, {120, 82, 54});
    for (int y = kFloorLine + 14; y < 540; y += 18 + (y - kFloorLine) / 8) c.Fill({0, y, 799, y}, {110, 76, 50});
    // A rug under the desk.
    c.Polygon({{170, 420}, {600, 420}, {660, 520}, {110, 520}}, {130, 50, 46});
    c.Polygon({{184, 428}, {588, 428}, {640, 512}, {130, 512}}, {160, 70, 58});
}

void ExitDoor(Canvas& c) {
    // x 95..188, y 132..361: the door, its casing and, on the casing's head,
    // the plate that names it, all inside the area that leaves the room.
    c.Fill({95, 132, 188, 361}, {90, 60, 40});
    c.Fill({98, 135, 185, 160}, {118, 80, 52});              // the head of the casing
    c.Fill({98, 160, 185, 161}, {76, 50, 34});
    EnamelPlate(c, {113, 138, 170, 156}, "EXIT");
    c.FillVertical({103, 164, 180, 361}, {150, 100, 64}, {120, 78, 50});
    c.Frame({110, 174, 173, 250}, 2, {100, 66, 42});
    c.Frame({110, 262, 173, 350}, 2, {100, 66, 42});
    c.Ellipse(170, 268, 4, 4, {220, 180, 80});
}

// An aspidistra in a glazed pot on a turned stand, against the wainscot
// between the desk and the safe; its feet stand on the boards.
void PlantStand(Canvas& c) {
    const Rgb stand{96, 62, 38};
    c.Ellipse(553, 381, 26, 4, {0, 0, 0}, 0.22);
    c.Fill({538, 318, 568, 323}, stand);                      // the top
    c.Fill({541, 324, 544, 380}, stand);                      // three legs, the third behind
    c.Fill({562, 324, 565, 380}, stand);
    c.Fill({552, 324, 554, 372}, Darker(stand, 0.25));
    c.Fill({541, 352, 565, 354}, stand);                      // the shelf between them
    c.Polygon({{540, 296}, {566, 296}, {562, 318}, {544, 318}}, {70, 104, 96});
    c.Fill({539, 294, 567, 298}, {86, 124, 114});
    for (int i = 0; i < 7; ++i) {                             // long leaves arching out
        const double a = -2.6 + i * 0.35;
        const Vec base{553, 294};
        const Vec tip{553 + 34 * std::cos(a), 292 + 40 * std::sin(a)};
        const Vec bend{553 + 18 * std::cos(a), 270 + 10 * std::sin(a)};
        c.Polygon({base, {bend.X - 3, bend.Y}, tip, {bend.X + 3, bend.Y}}, i % 2 ? kGrassDark : Lighter(kGrassDark, 0.12));
    }
}

void WallMap(Canvas& c) {
    // x 281..434, y 122..223.
    c.Fill({281, 122, 434, 223}, {96, 64, 40});
    c.Fill({285, 126, 430, 219}, {240, 230, 200});
    WorldMap(c, {288, 129, 427, 216});
    // A brass title plate on the frame's foot, inside the area that opens the map.
    Sign(c, {338, 209, 378, 223}, "map", {184, 148, 72}, {48, 34, 20});
}

void Window(Canvas& c) {
    c.Fill({468, 60, 566, 212}, {240, 236, 226});
    c.FillVertical({474, 66, 560, 206}, kSkyTop, kSkyLow);
    c.Fill({474, 160, 560, 206}, {140, 150, 120});
    c.Fill({490, 140, 520, 206}, kBrick);                 // the works seen from the office
    c.Fill({500, 110, 506, 140}, Darker(kBrick, 0.2));
    c.Ellipse(506, 104, 8, 5, {230, 230, 230}, 0.8);
    c.Fill({516, 66, 518, 206}, {240, 236, 226});
    c.Fill({474, 134, 560, 136}, {240, 236, 226});
    c.Fill({462, 56, 572, 62}, {150, 60, 50});            // curtains
    c.Fill({458, 56, 470, 230}, {170, 70, 58});
    c.Fill({564, 56, 576, 230}, {170, 70, 58});
}

void Safe(Canvas& c) {
    // x 584..695, y 303..441: a steel safe standing on the floor.
    c.Ellipse(640, 441, 60, 6, {0, 0, 0}, 0.25);
    c.RoundRectVertical(584, 303, 696, 442, 6, {120, 128, 136}, {80, 86, 94});
    c.RoundRectVertical(594, 313, 686, 432, 4, {150, 158, 166}, {104, 110, 118});
    c.Ellipse(640, 372, 22, 22, {70, 74, 80});
    c.Ellipse(640, 372, 18, 18, {190, 196, 202});
    for (int i = 0; i < 12; ++i) {
        const double a = i * 3.14159 / 6;
        c.Line({640 + 14 * std::cos(a), 372 + 14 * std::sin(a)}, {640 + 17 * std::cos(a), 372 + 17 * std::sin(a)}, 1.0, {70, 74, 80});
    }
    c.Line({640, 372}, {650, 362}, 3, {70, 74, 80});
    c.Fill({666, 360, 672, 390}, {200, 180, 100});
    Sign(c, {610, 318, 670, 334}, "bank", {60, 64, 70}, {246, 200, 90});
    c.Fill({592, 436, 604, 446}, {50, 52, 56});
    c.Fill({676, 436, 688, 446}, {50, 52, 56});
}

void Desk(Canvas& c) {
    // A chair behind, the desk top y 340..380, its front down to 470.
    c.RoundRect(330, 250, 410, 346, 10, {90, 40, 36});
    c.RoundRect(338, 258, 402, 340, 8, {120, 54, 46});
    c.Polygon({{210, 340}, {500, 340}, {520, 380}, {190, 380}}, {120, 76, 46});
    c.Polygon({{214, 342}, {496, 342}, {512, 376}, {198, 376}}, {150, 98, 60});
    c.Fill({190, 381, 520, 470}, {110, 70, 44});
    c.Fill({196, 388, 350, 464}, {126, 82, 52});
    c.Fill({360, 388, 514, 464}, {126, 82, 52});
    c.Fill({264, 420, 282, 424}, {210, 170, 80});
    c.Fill({428, 420, 446, 424}, {210, 170, 80});
    // A lamp and an inkwell.
    c.Fill({470, 316, 473, 350}, {60, 60, 60});
    c.Polygon({{456, 318}, {488, 318}, {480, 304}, {464, 304}}, {46, 104, 88});
    c.Ellipse(320, 356, 7, 4, {30, 30, 40});
}

void Folder(Canvas& c) {
    // x 402..455, y 347..374: the staff folder.
    c.Polygon({{404, 350}, {452, 348}, {455, 372}, {402, 374}}, {70, 60, 50}, 0.4);
    c.Polygon({{404, 349}, {452, 347}, {454, 371}, {402, 373}}, {212, 170, 90});
    c.Polygon({{408, 350}, {448, 349}, {450, 369}, {406, 370}}, {236, 200, 120});
    Words(c, "staff", 428, 365, 11, Align::Centre, {90, 60, 30}, Face::SansBold);
}

void Chart(Canvas& c) {
    // x 240..304, y 350..375: a sheet with a bar chart.
    c.Polygon({{242, 352}, {302, 350}, {304, 374}, {240, 375}}, {250, 248, 240});
    c.Fill({248, 357, 248, 370}, {60, 60, 60});
    c.Fill({248, 370, 298, 370}, {60, 60, 60});
    const int heights[5] = {5, 8, 6, 10, 12};
    const Rgb colours[3] = {kPlayerBar, kRival1Bar, kRival2Bar};
    for (int i = 0; i < 5; ++i) c.Fill({252 + i * 9, 369 - heights[i], 257 + i * 9, 369}, colours[i % 3]);
}

}  // namespace

Canvas DrawOffice() {
    Canvas c(800, 600, kWall);
    Room(c);
    Window(c);
    ExitDoor(c);
    WallMap(c);
    // A clock and a portrait of the founder.
    c.Ellipse(640, 120, 26, 26, {120, 80, 50});
    c.Ellipse(640, 120, 22, 22, {250, 246, 236});
    c.Line({640, 120}, {640, 104}, 2, {40, 40, 40});
    c.Line({640, 120}, {652, 126}, 2, {40, 40, 40});
    c.Fill({700, 90, 770, 180}, {150, 110, 50});
    c.Fill({706, 96, 764, 174}, {96, 110, 100});
    c.Ellipse(735, 124, 14, 17, {220, 190, 160});
    c.Polygon({{712, 174}, {716, 150}, {754, 150}, {758, 174}}, {50, 50, 60});
    PlantStand(c);
    Desk(c);
    Safe(c);
    Folder(c);
    Chart(c);
    DrawFooter(c, FooterButton::None);
    return c;
}

}  // namespace art
