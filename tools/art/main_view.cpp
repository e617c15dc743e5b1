// The main view: the company's grounds, in brick, stone and slate. Each
// building stands exactly on the hover areas that name it: the laboratories
// (research), the advertising house, the design studio with its pond, the
// head office and the works.
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
    // A macadam avenue along the front of the buildings with kerbs and gas
    // lamps, and a gravel lane into the yard where the cars stand.
    const Rgb macadam{150, 136, 116};
    c.FillVertical({0, 362, 799, 392}, Lighter(macadam, 0.08), Darker(macadam, 0.06));
    c.Fill({0, 360, 799, 361}, {196, 188, 170});
    c.Fill({0, 393, 799, 394}, {196, 188, 170});
    for (int x = 6; x < 800; x += 23) c.Ellipse(x, 370 + (x * 7) % 17, 5, 1.2, Darker(macadam, 0.1), 0.6);   // ruts
    c.Fill({560, 395, 600, 540}, macadam);
    // The yard: gravel inside a low fence.
    c.Fill({600, 420, 790, 530}, {184, 170, 142});
    for (int i = 0; i < 60; ++i) c.Ellipse(606 + (i * 37) % 180, 424 + (i * 53) % 102, 1.2, 0.8, {160, 146, 120});
    for (int x = 604; x <= 788; x += 12) c.Fill({x, 412, x + 1, 420}, kWood);
    c.Fill({600, 413, 790, 414}, kWood);
    c.Fill({600, 417, 790, 417}, kWood);
    // The yard is nearer than the avenue, so its cars are drawn larger, the
    // front row the largest.
    SmallCar(c, 610, 470, 54, {120, 40, 36}, true);
    SmallCar(c, 702, 470, 54, {40, 60, 96}, false);
    SmallCar(c, 636, 526, 58, {46, 90, 64}, true);
    SmallCar(c, 722, 526, 58, {40, 40, 44}, true);
    // Cars on the avenue.
    SmallCar(c, 230, 388, 48, {40, 66, 104}, true);
    SmallCar(c, 566, 382, 42, {128, 40, 36}, false);
    for (int x = 40; x < 800; x += 160) GasLamp(c, x, 400, 30);
}

void Research(Canvas& c) {
    // Upper wing x 0..189, y 127..206, and the wing towards us x 0..82, y 207..354:
    // a stone laboratory under slate, its roof lantern glazed for daylight.
    const Rgb stone{214, 200, 170};
    const Rgb slate{96, 104, 116};
    PitchedRoof(c, 0, 189, 147, 128, slate);
    c.Fill({84, 119, 132, 131}, {230, 232, 226});   // roof lantern
    for (int x = 86; x < 132; x += 6) c.Fill({x, 121, x + 3, 130}, {150, 180, 190});
    c.Polygon({{82, 120}, {108, 112}, {134, 120}}, Darker(slate, 0.2));
    Chimney(c, 28, 112, 136, 9, kBrick);
    Chimney(c, 160, 114, 136, 9, kBrick);
    c.Fill({0, 147, 189, 206}, stone);
    for (int y = 153; y < 206; y += 8) c.Fill({0, y, 189, y}, Darker(stone, 0.06));
    SashWindows(c, {0, 150, 189, 204}, 8, 2, Lighter(stone, 0.3));
    c.Fill({0, 147, 189, 148}, Darker(stone, 0.25));
    // The wing towards the viewer, gable end on.
    c.Polygon({{-4, 262}, {41, 212}, {86, 262}}, slate);
    c.Polygon({{6, 262}, {41, 224}, {76, 262}}, stone);
    c.Ellipse(41, 246, 8, 8, {240, 236, 224});                 // round gable window
    c.Ellipse(41, 246, 6, 6, {90, 112, 124});
    c.Fill({0, 263, 82, 354}, stone);
    for (int y = 269; y < 354; y += 8) c.Fill({0, y, 82, y}, Darker(stone, 0.06));
    SashWindows(c, {0, 266, 82, 330}, 3, 2, Lighter(stone, 0.3));
    Door(c, {28, 334, 54, 354}, {96, 64, 42});
    Sign(c, {4, 214, 80, 232}, "research", {40, 70, 100}, {240, 244, 248});
}

void Advertising(Canvas& c) {
    // x 83..276, y 206..353: a brick house with a painted shopfront, bills
    // pasted in its windows and a hoarding on its roof.
    const Rgb brick{176, 96, 70};
    const Rgb front{40, 76, 70};
    c.Fill({112, 208, 117, 240}, {90, 70, 50});   // hoarding legs
    c.Fill({240, 208, 245, 240}, {90, 70, 50});
    c.Fill({100, 207, 258, 236}, {246, 236, 206});
    c.Frame({100, 207, 258, 236}, 2, {70, 54, 40});
    Words(c, "drive one today!", 179, 226, 13, Align::Centre, {150, 40, 34}, Face::SerifBold);
    c.Fill({81, 237, 278, 241}, {220, 210, 190});   // cornice
    c.Fill({83, 242, 276, 353}, brick);
    for (int y = 246; y < 353; y += 5) c.Fill({83, y, 276, y}, Darker(brick, 0.12));
    // The shopfront: painted timber, three windows with a bill in each.
    c.Fill({86, 256, 273, 353}, front);
    c.Fill({86, 244, 273, 257}, Darker(front, 0.2));   // the fascia with the house's name
    c.Fill({86, 256, 273, 259}, Lighter(front, 0.3));
    Words(c, "advertising", 179, 255, 12, Align::Centre, {236, 200, 110}, Face::SerifBold);
    for (int i = 0; i < 3; ++i) {
        const int x = 92 + i * 62;
        c.Fill({x, 262, x + 50, 306}, {30, 40, 38});
        c.FillVertical({x + 2, 264, x + 48, 304}, {120, 150, 150}, {80, 104, 104});
        const Rgb paper = i == 1 ? Rgb{236, 216, 160} : Rgb{240, 230, 206};
        c.Fill({x + 10, 268, x + 40, 302}, paper);
        c.Fill({x + 13, 272, x + 37, 275}, {150, 40, 34});
        SmallCar(c, x + 13, 292, 24, i == 1 ? Rgb{40, 60, 96} : Rgb{120, 40, 36}, true);
        c.Fill({x + 13, 296, x + 37, 297}, {80, 70, 60});
    }
    // A striped awning above the door.
    for (int i = 0; i < 8; ++i)
        c.Fill({150 + i * 8, 312, 157 + i * 8, 320}, i % 2 == 0 ? Rgb{160, 44, 36} : Rgb{246, 238, 216});
    Door(c, {160, 322, 198, 353}, {110, 44, 36});
    Sign(c, {88, 322, 156, 340}, "posters", {40, 60, 96}, {255, 250, 236});
}

void Design(Canvas& c) {
    // Tower x 188..276, y 105..206; studio x 276..477, y 139..280; plaza to 336.
    // A brick clock tower beside a drawing hall lit by a glass roof on iron ribs.
    const Rgb brick{172, 100, 74};
    const Rgb stone{222, 210, 184};
    c.Polygon({{184, 122}, {232, 96}, {280, 122}}, {96, 104, 116});   // tower roof
    c.Fill({192, 122, 272, 206}, brick);
    for (int y = 127; y < 206; y += 5) c.Fill({192, y, 272, y}, Darker(brick, 0.12));
    c.Fill({188, 122, 276, 126}, stone);
    c.Ellipse(232, 142, 13, 13, stone);                  // the clock
    c.Ellipse(232, 142, 11, 11, {246, 242, 230});
    c.Line({232, 142}, {232, 134}, 1.5, {40, 34, 28});
    c.Line({232, 142}, {238, 145}, 1.5, {40, 34, 28});
    SashWindows(c, {196, 160, 268, 204}, 3, 2, stone);
    // The hall's glass roof.
    c.Fill({276, 139, 477, 176}, {70, 74, 80});
    for (int x = 282; x < 474; x += 16) c.RoundRect(x, 143, x + 13, 176, 6, {176, 206, 210});
    for (int x = 282; x < 474; x += 16) c.Line({x + 6.5, 144}, {x + 6.5, 176}, 0.8, {70, 74, 80});
    c.Fill({276, 177, 477, 280}, stone);
    c.Fill({276, 177, 477, 180}, Darker(stone, 0.3));
    for (int y = 186; y < 280; y += 9) c.Fill({276, y, 477, y}, Darker(stone, 0.05));
    // Tall round-headed windows.
    for (int i = 0; i < 6; ++i) {
        const int x = 286 + i * 32;
        c.RoundRect(x - 2, 188, x + 26, 262, 13, Lighter(stone, 0.3));
        c.RoundRectVertical(x + 1, 191, x + 23, 260, 11, {70, 92, 104}, {120, 150, 160});
        c.Line({x + 12.0, 192}, {x + 12.0, 260}, 1.0, {240, 236, 224});
        for (int y = 212; y < 260; y += 16) c.Line({x + 1.0, y + 0.0}, {x + 23.0, y + 0.0}, 1.0, {240, 236, 224});
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
    SashWindows(c, {486, 281, 756, 336}, 8, 2, Lighter(stone, 0.1));
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
    // Chimneys and water tank x 616..770, y 90..169; hall x 502..800, y 168..241;
    // loading wing x 763..800, y 241..355.
    const Rgb brick = kBrick;
    for (int i = 0; i < 3; ++i) {
        const int x = 630 + i * 30;
        c.Fill({x, 92 + i * 6, x + 12, 169}, Darker(brick, 0.1 + 0.05 * i));
        c.Fill({x - 1, 92 + i * 6, x + 13, 96 + i * 6}, Darker(brick, 0.4));
        c.Ellipse(x + 8 + i * 4, 80 + i * 6, 10, 6, {200, 200, 204}, 0.7);
    }
    // A riveted iron water tank on a trestle.
    const Rgb iron{84, 88, 92};
    for (int x : {726, 744, 762}) c.Fill({x, 132, x + 2, 169}, iron);
    c.Line({727, 168}, {763, 134}, 1.2, iron);
    c.Line({727, 134}, {763, 168}, 1.2, iron);
    c.Fill({722, 108, 768, 132}, {110, 114, 118});
    for (int y = 112; y < 132; y += 6) c.Fill({722, y, 768, y}, {90, 94, 98});
    for (int x = 726; x < 768; x += 6) c.Fill({x, 108, x, 132}, {96, 100, 104});
    c.Polygon({{720, 108}, {745, 100}, {770, 108}}, iron);
    SawtoothRoof(c, {502, 168, 799, 192}, 9, {110, 104, 104}, {170, 196, 204});
    c.Fill({502, 193, 799, 241}, brick);
    for (int y = 198; y < 241; y += 5) c.Fill({502, y, 799, y}, Darker(brick, 0.12));
    c.Fill({502, 193, 799, 195}, Darker(brick, 0.35));
    SashWindows(c, {502, 196, 799, 222}, 10, 1, {214, 200, 170});
    // Arched timber doors for the waggons.
    for (int i = 0; i < 3; ++i) {
        const int x = 540 + i * 80;
        c.RoundRect(x - 2, 212, x + 38, 241, 8, {214, 200, 170});
        c.RoundRectVertical(x, 214, x + 36, 241, 7, {110, 74, 46}, {84, 56, 36});
        c.Line({x + 18.0, 215}, {x + 18.0, 241}, 1.0, {60, 40, 26});
        for (int y = 220; y < 241; y += 5) c.Line({x + 1.0, y + 0.0}, {x + 35.0, y + 0.0}, 0.6, {96, 64, 40});
    }
    Sign(c, {706, 224, 770, 240}, "factory", {60, 60, 64}, {246, 200, 90});
    // The loading wing at the edge.
    c.Polygon({{760, 257}, {781, 242}, {803, 257}}, {96, 104, 116});
    c.Fill({763, 257, 799, 355}, Darker(brick, 0.08));
    for (int y = 262; y < 355; y += 5) c.Fill({763, y, 799, y}, Darker(brick, 0.18));
    c.RoundRectVertical(770, 300, 799, 355, 6, {110, 74, 46}, {84, 56, 36});
    for (int y = 306; y < 355; y += 5) c.Line({771, y + 0.0}, {799, y + 0.0}, 0.6, {96, 64, 40});
    SashWindows(c, {763, 258, 799, 296}, 2, 2, {214, 200, 170});
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
