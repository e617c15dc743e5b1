// The main view: the company's grounds. Each building stands exactly on the
// hover areas that name it: the laboratories (research), the advertising
// house, the design studio with its pond, the head office and the works.
#include <cmath>

#include "art/palette.h"
#include "art/scenery.h"
#include "art/scenes.h"
#include "art/widgets.h"

namespace art {
namespace {

void Sky(Canvas& c) {
    c.FillVertical({0, 0, 799, 150}, kSkyTop, kSkyLow);
    Cloud(c, 120, 50, 60);
    Cloud(c, 420, 34, 48);
    Cloud(c, 560, 70, 36);
    // Distant hills behind the works.
    std::vector<Vec> hills{{0, 160}};
    for (int x = 0; x <= 800; x += 25) hills.push_back({static_cast<double>(x), 118 - 10 * std::sin(x / 70.0) - 6 * std::cos(x / 23.0)});
    hills.push_back({800, 160});
    c.Polygon(hills, {150, 170, 150});
    c.FillVertical({0, 118, 799, 540}, {136, 170, 100}, kGrass);
}

void Roads(Canvas& c) {
    // The avenue along the front of the buildings, and lanes into the car park.
    c.Fill({0, 362, 799, 392}, kRoad);
    c.Fill({0, 360, 799, 361}, Lighter(kRoad, 0.35));
    c.Fill({0, 393, 799, 394}, Lighter(kRoad, 0.35));
    for (int x = 10; x < 800; x += 40) c.Fill({x, 376, x + 18, 377}, {236, 226, 180});
    c.Fill({560, 395, 600, 540}, kRoad);
    // Car park.
    c.Fill({600, 420, 790, 530}, Lighter(kRoad, 0.15));
    for (int x = 610; x <= 780; x += 34) c.Fill({x, 424, x + 1, 470}, {236, 236, 230});
    for (int x = 610; x <= 780; x += 34) c.Fill({x, 480, x + 1, 526}, {236, 236, 230});
    SmallCar(c, 616, 466, 28, {176, 60, 48}, true);
    SmallCar(c, 684, 466, 28, {48, 92, 140}, false);
    SmallCar(c, 752, 522, 28, {220, 200, 120}, true);
    SmallCar(c, 652, 522, 28, {60, 110, 80}, true);
    // A car on the avenue.
    SmallCar(c, 230, 388, 46, {40, 76, 120}, true);
    SmallCar(c, 640, 380, 40, {170, 60, 50}, false);
}

void Research(Canvas& c) {
    // Upper wing x 0..189, y 127..206, and the wing towards us x 0..82, y 207..354.
    const Rgb wall{232, 234, 236};
    FlatRoof(c, {0, 127, 189, 146}, {170, 176, 184});
    for (int x = 8; x < 180; x += 30)   // glazed skylights
        c.Polygon({{x + 0.0, 144}, {x + 10.0, 131}, {x + 22.0, 131}, {x + 22.0, 144}}, kGlass);
    c.Fill({0, 147, 189, 206}, wall);
    WindowGrid(c, {0, 150, 189, 204}, 8, 2, {120, 170, 200}, {110, 116, 126}, 5);
    c.Fill({0, 147, 189, 148}, Darker(wall, 0.25));
    // A small observatory dome on the roof.
    c.Ellipse(150, 131, 18, 16, {196, 200, 208});
    c.Fill({132, 131, 168, 140}, {170, 176, 184});
    c.Line({150, 117}, {162, 112}, 3, {90, 96, 104});
    // The wing towards the viewer.
    FlatRoof(c, {0, 207, 82, 262}, {170, 176, 184});
    c.Fill({60, 214, 74, 246}, {150, 156, 166});   // a vent stack
    c.Ellipse(67, 214, 7, 3, {120, 126, 136});
    c.Fill({0, 263, 82, 354}, wall);
    WindowGrid(c, {0, 266, 82, 330}, 3, 2, {120, 170, 200}, {110, 116, 126}, 5);
    Door(c, {28, 334, 54, 354}, {90, 120, 150});
    Sign(c, {6, 216, 56, 232}, "research", {40, 70, 100}, {240, 244, 248});
}

void Advertising(Canvas& c) {
    // x 83..276, y 206..353: a bright house with a billboard on its roof.
    const Rgb wall{240, 196, 92};
    c.Fill({96, 206, 262, 218}, {90, 80, 70});   // billboard legs
    c.Fill({112, 208, 117, 240}, {90, 80, 70});
    c.Fill({240, 208, 245, 240}, {90, 80, 70});
    c.Fill({100, 207, 258, 236}, {252, 250, 240});
    c.Frame({100, 207, 258, 236}, 2, {70, 60, 56});
    Words(c, "drive one today!", 179, 226, 13, Align::Centre, {200, 60, 50}, Face::SansBold);
    FlatRoof(c, {83, 237, 276, 252}, {150, 110, 80});
    c.Fill({83, 253, 276, 353}, wall);
    // Shop windows with posters.
    for (int i = 0; i < 3; ++i) {
        const int x = 92 + i * 62;
        c.Fill({x, 262, x + 50, 306}, {90, 70, 50});
        c.Fill({x + 2, 264, x + 48, 304}, i == 1 ? Rgb{60, 110, 160} : Rgb{200, 80, 70});
        c.Ellipse(x + 25, 282, 12, 12, {250, 230, 120});
    }
    c.Fill({83, 253, 276, 255}, Darker(wall, 0.3));
    // Awning stripes above the door.
    for (int i = 0; i < 8; ++i)
        c.Fill({150 + i * 8, 312, 157 + i * 8, 320}, i % 2 == 0 ? Rgb{200, 60, 50} : Rgb{250, 248, 240});
    Door(c, {160, 322, 198, 353}, {150, 60, 50});
    Sign(c, {204, 322, 272, 340}, "advertising", {200, 60, 50}, {255, 250, 236});
    Sign(c, {94, 322, 144, 340}, "radio tv", {60, 110, 160}, {255, 250, 236});
}

void Design(Canvas& c) {
    // Tower x 188..276, y 105..206; studio x 276..477, y 139..280; plaza to 336.
    const Rgb wall{222, 230, 226};
    FlatRoof(c, {188, 105, 276, 118}, {110, 130, 126});
    c.Fill({188, 119, 276, 206}, wall);
    for (int y = 124; y < 200; y += 14) c.Fill({196, y, 268, y + 8}, {90, 150, 150});
    c.Fill({188, 119, 276, 120}, Darker(wall, 0.3));
    // The studio with a glass vault.
    c.Fill({276, 139, 477, 176}, {110, 130, 126});
    for (int x = 282; x < 474; x += 16) c.RoundRect(x, 143, x + 13, 176, 6, {150, 200, 204});
    c.Fill({276, 177, 477, 280}, wall);
    c.Fill({276, 177, 477, 179}, Darker(wall, 0.35));
    for (int i = 0; i < 6; ++i) {
        const int x = 286 + i * 32;
        c.Fill({x, 190, x + 24, 262}, {70, 110, 112});
        c.FillVertical({x + 2, 192, x + 22, 260}, {170, 214, 214}, {110, 160, 164});
    }
    Sign(c, {340, 262, 414, 278}, "design", kAction, {240, 248, 240});
    // The plaza and its pond (the pond itself is no doorway).
    c.Fill({276, 281, 477, 336}, {214, 206, 188});
    for (int x = 276; x < 477; x += 16) c.Fill({x, 281, x, 336}, {196, 186, 166});
    for (int y = 290; y < 336; y += 12) c.Fill({276, y, 477, y}, {196, 186, 166});
    c.Ellipse(401, 309, 50, 23, {150, 140, 120});
    c.Ellipse(401, 309, 47, 20, {90, 150, 190});
    c.Ellipse(392, 304, 20, 6, {170, 210, 230}, 0.6);
    c.Ellipse(401, 309, 5, 5, {230, 236, 240});       // fountain
    c.Line({401, 309}, {401, 293}, 2, {230, 240, 250}, 0.8);
    Tree(c, 296, 334, 36);
    Tree(c, 462, 334, 36);
}

void Office(Canvas& c) {
    // x 480..762, y 242..353: head office with columns and a pediment.
    const Rgb stone = kStone;
    c.Polygon({{486, 272}, {621, 242}, {756, 272}}, Darker(stone, 0.08));
    c.Polygon({{500, 270}, {621, 248}, {742, 270}}, Lighter(stone, 0.1));
    Words(c, "OFFICE", 621, 266, 13, Align::Centre, {90, 76, 60}, Face::SerifBold);
    c.Fill({480, 272, 762, 280}, Darker(stone, 0.18));
    c.Fill({486, 281, 756, 338}, {188, 120, 96});
    WindowGrid(c, {486, 281, 756, 336}, 8, 2, {120, 170, 200}, {240, 236, 226}, 6);
    for (int i = 0; i < 6; ++i) {
        const int x = 560 + i * 22;
        c.Fill({x, 281, x + 8, 338}, Lighter(stone, 0.15));
        c.Fill({x + 2, 281, x + 3, 338}, Darker(stone, 0.05));
    }
    c.Fill({480, 339, 762, 344}, Darker(stone, 0.1));
    c.Fill({486, 345, 756, 349}, Darker(stone, 0.2));
    c.Fill({480, 350, 762, 353}, Darker(stone, 0.3));
    Door(c, {606, 310, 636, 338}, {110, 70, 50});
    // Flag.
    c.Fill({620, 214, 621, 242}, {90, 90, 90});
    c.Polygon({{622, 215}, {644, 219}, {622, 225}}, {46, 104, 88});
}

void Works(Canvas& c) {
    // Chimneys and silos x 616..770, y 90..169; hall x 502..800, y 168..241;
    // loading wing x 763..800, y 241..355.
    const Rgb brick = kBrick;
    for (int i = 0; i < 3; ++i) {
        const int x = 630 + i * 30;
        c.Fill({x, 92 + i * 6, x + 12, 169}, Darker(brick, 0.1 + 0.05 * i));
        c.Fill({x - 1, 92 + i * 6, x + 13, 96 + i * 6}, Darker(brick, 0.4));
        c.Ellipse(x + 8 + i * 4, 80 + i * 6, 10, 6, {200, 200, 204}, 0.7);
    }
    c.Fill({724, 110, 766, 169}, {170, 176, 180});   // silo
    c.Ellipse(745, 110, 21, 6, {190, 196, 200});
    c.Fill({724, 130, 766, 132}, {140, 146, 150});
    c.Fill({724, 150, 766, 152}, {140, 146, 150});
    SawtoothRoof(c, {502, 168, 799, 192}, 9, {120, 110, 104}, kGlass);
    c.Fill({502, 193, 799, 241}, brick);
    c.Fill({502, 193, 799, 195}, Darker(brick, 0.35));
    WindowGrid(c, {502, 196, 799, 222}, 10, 1, {160, 190, 200}, Darker(brick, 0.4), 4);
    for (int i = 0; i < 3; ++i) {
        const int x = 540 + i * 80;
        c.Fill({x, 214, x + 36, 241}, Darker(brick, 0.45));
        for (int y = 217; y < 241; y += 4) c.Fill({x + 2, y, x + 34, y + 1}, {120, 120, 120});
    }
    Sign(c, {706, 224, 770, 240}, "factory", {60, 60, 64}, {246, 200, 90});
    // The loading wing at the edge.
    FlatRoof(c, {763, 242, 799, 256}, {120, 110, 104});
    c.Fill({763, 257, 799, 355}, Darker(brick, 0.08));
    c.Fill({770, 300, 799, 355}, {100, 100, 104});
    for (int y = 303; y < 355; y += 5) c.Fill({771, y, 799, y + 1}, {130, 130, 134});
    WindowGrid(c, {763, 258, 799, 296}, 2, 2, {160, 190, 200}, Darker(brick, 0.4), 3);
}

}  // namespace

Canvas DrawMainView() {
    Canvas c(800, 600, kGrass);
    Sky(c);
    Roads(c);
    Works(c);
    Research(c);
    Design(c);
    Advertising(c);
    Office(c);
    // Trees and the company sign on the lawn.
    Tree(c, 470, 232, 30);
    Tree(c, 494, 236, 28);
    for (int i = 0; i < 6; ++i) Tree(c, 30 + i * 90, 452 + (i % 2) * 30, 44);
    c.Fill({250, 430, 253, 470}, kWood);
    c.Fill({386, 430, 389, 470}, kWood);
    Sign(c, {236, 410, 404, 440}, "company grounds", kAction, kButtonText);
    DrawFooter(c, FooterButton::NextMonth);
    return c;
}

}  // namespace art
