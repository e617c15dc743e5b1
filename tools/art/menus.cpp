// The title, menu, new-game, save, load and game-over screens: a country
// road at dusk behind one card that holds the controls.
#include <cmath>

#include "art/palette.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/layout.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

// Rolling hills, a road running into the distance, poplars and a town.
void Backdrop(Canvas& c, double dim) {
    const Rgb skyTop = Mix({64, 84, 128}, {20, 24, 40}, dim);
    const Rgb skyLow = Mix({236, 176, 120}, {80, 60, 60}, dim);
    c.FillVertical({0, 0, 799, 330}, skyTop, skyLow);
    c.Ellipse(600, 318, 46, 46, Mix({250, 214, 150}, {120, 90, 70}, dim));
    // Far hills.
    std::vector<Vec> far{{0, 600}, {0, 300}};
    for (int x = 0; x <= 800; x += 20) far.push_back({static_cast<double>(x), 296 - 18 * std::sin(x / 90.0) - 8 * std::sin(x / 31.0)});
    far.push_back({800, 600});
    c.Polygon(far, Mix({110, 112, 130}, {40, 40, 56}, dim));
    // A market town on the far hills: gabled roofs, a church spire and a
    // mill chimney.
    const Rgb town = Mix({92, 88, 104}, {34, 34, 46}, dim);
    for (int i = 0; i < 12; ++i) {
        const double x = 96 + i * 20 + (i % 3) * 3;
        const double eaves = 290 - (i * 37 % 9);
        const double w = 16 + (i % 2) * 4;
        c.Polygon({{x, 302}, {x, eaves}, {x + w / 2, eaves - 8 - (i % 3) * 2}, {x + w, eaves}, {x + w, 302}}, town);
        if (i % 3 == 1) c.Fill({static_cast<int>(x + 3), static_cast<int>(eaves - 10), static_cast<int>(x + 5), static_cast<int>(eaves - 4)}, town);
    }
    c.Fill({226, 262, 238, 300}, town);                                  // the church tower
    c.Polygon({{224, 263}, {232, 232}, {240, 263}}, town);               // and its spire
    c.Fill({170, 250, 174, 292}, town);                                  // a mill chimney
    // Near hills.
    std::vector<Vec> near{{0, 600}};
    for (int x = 0; x <= 800; x += 20) near.push_back({static_cast<double>(x), 330 - 22 * std::sin(x / 140.0 + 1.0)});
    near.push_back({800, 600});
    c.PolygonVertical(near, Mix({122, 150, 84}, {40, 52, 34}, dim), Mix({70, 100, 52}, {24, 32, 22}, dim));
    // A country lane running into the distance, its wheel tracks worn pale,
    // and the high road crossing it side-on in the foreground.
    const Rgb lane = Mix({150, 132, 108}, {52, 48, 46}, dim);
    const Rgb tracks = Mix({184, 166, 134}, {70, 64, 56}, dim);
    c.Polygon({{470, 318}, {488, 318}, {800, 600}, {250, 600}}, lane);
    c.Polygon({{474, 322}, {476, 322}, {400, 600}, {376, 600}}, tracks, 0.7);
    c.Polygon({{482, 322}, {484, 322}, {664, 600}, {640, 600}}, tracks, 0.7);
    c.FillVertical({0, 486, 799, 542}, Mix({158, 140, 114}, {54, 50, 48}, dim), Mix({140, 124, 100}, {48, 44, 42}, dim));
    c.Fill({0, 486, 799, 487}, Mix({110, 96, 76}, {40, 36, 34}, dim));
    c.Fill({0, 541, 799, 542}, Mix({110, 96, 76}, {40, 36, 34}, dim));
    c.Polygon({{0, 500}, {800, 500}, {800, 502}, {0, 502}}, tracks, 0.45);
    c.Polygon({{0, 526}, {800, 526}, {800, 528}, {0, 528}}, tracks, 0.45);
    // Poplars along the lane.
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0 * 0.85;
        const double x = 430 - t * t * 360;
        const double base = 326 + t * t * 210;
        const double h = 26 + t * t * 150;
        c.Ellipse(x, base - h * 0.55, h * 0.16, h * 0.5, Mix({56, 86, 50}, {20, 30, 20}, dim));
        c.Fill({static_cast<int>(x - 1 - t * 2), static_cast<int>(base - h * 0.1), static_cast<int>(x + 1 + t * 2),
                static_cast<int>(base)}, Mix({80, 60, 40}, {30, 24, 20}, dim));
    }
}

void Title(Canvas& c, int baseline, int size) {
    Heading(c, "Velmara", 400 + 2, baseline + 2, size, Align::Centre, {30, 20, 14});
    Heading(c, "Velmara", 400, baseline, size, Align::Centre, {250, 226, 170});
}

Canvas MenuCard(const char* title, Rect card) {
    Canvas c(800, 600, kPaper);
    Backdrop(c, 0.55);
    Title(c, 92, 64);
    Card(c, card, title, 28);
    return c;
}

}  // namespace

Canvas DrawIntro() {
    Canvas c(800, 600, kPaper);
    Backdrop(c, 0.0);
    // The company's first car, on the verge by the road.
    PlaceSprite(c, DrawCarSprite(1, 1, 3, 1, 2), 500, 392, 1.0);
    Title(c, 150, 96);
    Words(c, "a motor company from 1908", 400, 196, 22, Align::Centre, {252, 236, 200}, Face::Serif);
    c.RoundRect(40, 540, 240, 576, 8, {20, 16, 12}, 0.55);
    Words(c, "click to begin", 140, 564, 17, Align::Centre, {252, 236, 200}, Face::SansBold);
    return c;
}

Canvas DrawMenuBackground() {
    // The card behind the four menu buttons, which are drawn over it.
    Canvas c = MenuCard("menu", {282, 150, 512, 440});
    return c;
}

Canvas DrawNewGame() {
    Canvas c = MenuCard("new company", {292, 196, 501, 420});
    const Rect name = ControlAt(CTRL_NEW_NAME).Box;
    Words(c, "company name", name.Left, name.Top - 6, 13, Align::Left, kMutedInk, Face::SansBold);
    DrawControl(c, CTRL_NEW_NAME);
    Words(c, "home region", name.Left, 330, 13, Align::Left, kMutedInk, Face::SansBold);
    DrawControl(c, CTRL_NEW_REGION_BACK);
    DrawControl(c, CTRL_NEW_REGION_FORWARD);
    Field(c, {341, 336, 452, 366});
    DrawControl(c, CTRL_NEW_BACK, ButtonKind::Quiet);
    DrawControl(c, CTRL_NEW_START);
    return c;
}

Canvas DrawSaveLoad(bool save) {
    // A slot's date and time fill its click area from end to end, so its box
    // reaches a little beyond the area on either side and gives them a margin.
    Canvas c = MenuCard(save ? "save game" : "load game", {268, 190, 525, 420});
    const TextAnchor& text = TextAt(TEXT_SLOT_ROW_1);
    const int textRight = text.X + text.Step * text.Cells - 1;
    const int margin = 10;
    const int slotColumn = 296;   // the middle of the slot numbers
    Words(c, "slot", slotColumn, 234, 11, Align::Centre, kMutedInk, Face::SansBold);
    Words(c, "date", text.X + text.Step * 4, 234, 11, Align::Centre, kMutedInk, Face::SansBold);
    Words(c, "time", text.X + text.Step * 11.5, 234, 11, Align::Centre, kMutedInk, Face::SansBold);
    for (int k = 0; k < 4; ++k) {
        const Placement frame = FocusFrame(FOCUS_SLOT_1 + k);
        Field(c, {text.X - margin, frame.Y, textRight + margin, frame.Y + 26});
        Words(c, std::to_string(k + 1), slotColumn, frame.Y + 19, 15, Align::Centre, kMutedInk, Face::SerifBold);
    }
    DrawControl(c, save ? CTRL_SAVE_BACK : CTRL_LOAD_BACK, ButtonKind::Quiet);
    DrawControl(c, save ? CTRL_SAVE_OK : CTRL_LOAD_OK);
    return c;
}

Canvas DrawGameOver() {
    Canvas c(800, 600, kPaper);
    Backdrop(c, 0.8);
    Title(c, 150, 72);
    Card(c, {250, 230, 549, 410}, "game over", 30);
    // One picture ends both ways a game can end: a month the money cannot
    // pay, and the calendar's last December.
    Words(c, "out of money, or out of time:", 400, 294, 17, Align::Centre, kInk, Face::Serif);
    Words(c, "your company's story ends here", 400, 320, 17, Align::Centre, kInk, Face::Serif);
    DrawControl(c, CTRL_GAME_OVER_MENU);
    return c;
}

}  // namespace art
