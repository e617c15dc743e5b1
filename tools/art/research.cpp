// The research laboratory: a bench for each research area, the body-type
// drawing board, the expansion plans on the wall and the door out.
#include <cmath>
#include <string>
#include <vector>

#include "art/other_popups.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenery.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "model/lab_expansion.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

constexpr int kFloorLine = 226;
// The laboratory's popups write their part list three pixels from their
// left edge: a hairline outline leaves that list room to breathe.
constexpr int kLabPopupEdge = 1;

void Hall(Canvas& c) {
    // Whitewashed brick under tall iron-framed windows, a dado of glazed
    // brick and a floor of boards.
    c.FillVertical({0, 0, 799, kFloorLine}, {232, 226, 210}, {218, 210, 190});
    for (int y = 6; y < kFloorLine; y += 6) c.Fill({0, y, 799, y}, {222, 214, 196});
    for (int x = 0; x < 800; x += 100) {
        c.Fill({x, 0, x + 8, kFloorLine}, {196, 186, 166});   // pilasters
        c.Fill({x + 8, 0, x + 9, kFloorLine}, {176, 166, 146});
    }
    c.Fill({0, kFloorLine - 34, 799, kFloorLine}, {120, 90, 66});
    for (int y = kFloorLine - 28; y < kFloorLine; y += 7) c.Fill({0, y, 799, y}, {104, 78, 56});
    c.Fill({0, kFloorLine - 36, 799, kFloorLine - 34}, {84, 64, 46});
    c.FillVertical({0, kFloorLine + 1, 799, 540}, {176, 134, 92}, {140, 100, 66});
    for (int y = kFloorLine + 10; y < 540; y += 12 + (y - kFloorLine) / 12) c.Fill({0, y, 799, y}, {124, 88, 58});
    for (int i = -8; i <= 16; ++i) {
        const double x = 400 + i * 60;
        c.Line({x, kFloorLine + 1.0}, {400 + i * 110.0, 540}, 1.0, {150, 110, 74});
    }
}

// The row of a bench's top board; what lies on the bench rests on it.
int BenchTop(Rect area) { return area.Top + area.Height() * 45 / 100; }

// A work bench filling a hover area, with a name plate centred on its front.
void Bench(Canvas& c, Rect area, const char* name) {
    const int top = BenchTop(area);
    c.Ellipse(CentreX(area), area.Bottom - 1, area.Width() * 0.5, 4, {0, 0, 0}, 0.15);
    // A joiner's bench: a thick oak top on square legs, an apron below.
    c.Fill({area.Left + 4, top, area.Right - 4, top + 7}, {112, 76, 46});
    c.Fill({area.Left + 4, top, area.Right - 4, top + 1}, {170, 126, 84});
    c.Fill({area.Left + 8, top + 8, area.Left + 13, area.Bottom - 2}, {92, 62, 38});
    c.Fill({area.Right - 13, top + 8, area.Right - 8, area.Bottom - 2}, {92, 62, 38});
    c.Fill({area.Left + 14, top + 8, area.Right - 14, std::min(area.Bottom - 2, top + 22)}, {140, 100, 64});
    const int plateWidth = std::min(area.Width() - 30, 90);
    const int cx = static_cast<int>(CentreX(area));
    Sign(c, {cx - plateWidth / 2, top + 6, cx + plateWidth / 2, top + 22}, name, kAction, kButtonText);
}

// A brake drum seen from the side with its two shoes and the lever.
void BrakeDrum(Canvas& c, double x, double y, double r) {
    c.Ellipse(x, y, r, r, {90, 92, 96});
    c.Ellipse(x, y, r * 0.82, r * 0.82, {150, 150, 146});
    c.Polygon({{x - r * 0.7, y - r * 0.1}, {x - r * 0.45, y - r * 0.6}, {x - r * 0.15, y - r * 0.7}, {x - r * 0.15, y - r * 0.5},
               {x - r * 0.5, y - r * 0.05}},
              {120, 86, 56});
    c.Polygon({{x + r * 0.7, y + r * 0.1}, {x + r * 0.45, y + r * 0.6}, {x + r * 0.15, y + r * 0.7}, {x + r * 0.15, y + r * 0.5},
               {x + r * 0.5, y + r * 0.05}},
              {120, 86, 56});
    c.Ellipse(x, y, r * 0.18, r * 0.18, {60, 60, 64});
    c.Line({x, y}, {x + r * 1.1, y - r * 0.9}, 2, {60, 60, 64});
}

// A coil spring standing on its last coil at `bottom`.
void Spring(Canvas& c, double x, double bottom, double top, double r) {
    std::vector<Vec> p;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        p.push_back({x + r * std::sin(t * 6 * 3.14159 * 2), bottom - t * (bottom - top)});
    }
    c.Polyline(p, 2.2, {70, 110, 150});
}

// An engine block on a short stand whose feet rest on `benchTop`.
void EngineBlock(Canvas& c, double x, double y, double w, double h, int benchTop) {
    c.RoundRect(x, y, x + w, y + h, 4, {90, 96, 104});
    c.RoundRect(x + 4, y - h * 0.3, x + w - 4, y + 2, 3, {120, 126, 134});
    for (int i = 0; i < 4; ++i) c.Ellipse(x + w * (0.2 + 0.2 * i), y - h * 0.3, w * 0.07, 3, {60, 60, 66});
    c.Ellipse(x - 4, y + h * 0.5, h * 0.35, h * 0.35, {70, 74, 80});
    for (const double at : {0.2, 0.72}) {
        const int left = static_cast<int>(x + w * at);
        c.Fill({left, static_cast<int>(y + h), left + 8, benchTop}, {60, 60, 60});
        c.Fill({left - 3, benchTop - 1, left + 11, benchTop}, {48, 48, 50});   // the foot
    }
}

// An acetylene head lamp of brass on its bracket, whose foot rests on `benchTop`.
void HeadLamp(Canvas& c, double x, double y, double r, int benchTop) {
    const Rgb brass{200, 160, 70};
    c.Fill({static_cast<int>(x - 2), static_cast<int>(y + r), static_cast<int>(x + 2), benchTop}, Darker(brass, 0.3));
    c.Fill({static_cast<int>(x - 6), benchTop - 1, static_cast<int>(x + 6), benchTop}, Darker(brass, 0.4));
    c.RoundRect(x - r * 1.1, y - r, x + r * 0.6, y + r, r * 0.3, brass);
    c.Ellipse(x + r * 0.6, y, r * 0.35, r, Darker(brass, 0.2));
    c.Ellipse(x + r * 0.62, y, r * 0.25, r * 0.8, {250, 240, 200});
    c.Polygon({{x - r * 0.6, y - r}, {x - r * 0.3, y - r * 1.5}, {x, y - r * 1.5}, {x + r * 0.3, y - r}}, Darker(brass, 0.15));
}

// A bulb horn lying on the bench top: a rubber bulb and a coiled brass trumpet.
void BulbHorn(Canvas& c, double x, double benchTop, double s) {
    const Rgb brass{204, 164, 72};
    const double y = benchTop + 1 - s * 0.18;   // the bulb flattens a little where it lies
    c.Ellipse(x, y, s * 0.22, s * 0.18, {60, 40, 34});
    c.Polyline({{x + s * 0.2, y}, {x + s * 0.6, y}, {x + s * 0.8, y - s * 0.2}, {x + s * 0.6, y - s * 0.4}, {x + s * 0.4, y - s * 0.3}},
               s * 0.07, brass);
    c.Polygon({{x + s * 0.4, y - s * 0.3}, {x + s * 0.1, y - s * 0.5}, {x + s * 0.1, y - s * 0.1}}, brass);
}

// A buttoned leather seat seen from the front: a fluted back, rolled arms
// and a plump cushion on short feet, centred on `x`.
void LeatherSeat(Canvas& c, double x, int benchTop) {
    const Rgb leather{156, 52, 44};
    const Rgb shade = Darker(leather, 0.35);
    const double t = benchTop;
    c.Fill({static_cast<int>(x) - 24, benchTop - 3, static_cast<int>(x) - 21, benchTop}, {60, 40, 30});   // feet
    c.Fill({static_cast<int>(x) + 21, benchTop - 3, static_cast<int>(x) + 24, benchTop}, {60, 40, 30});
    c.RoundRectVertical(x - 21, t - 44, x + 21, t - 12, 8, Lighter(leather, 0.15), shade);   // the back
    for (int i = -2; i <= 2; ++i) c.Line({x + i * 7.0, t - 38}, {x + i * 7.0, t - 16}, 1.0, shade);   // flutes
    c.Fill({static_cast<int>(x) - 18, static_cast<int>(t) - 41, static_cast<int>(x) + 18, static_cast<int>(t) - 41},
           Lighter(leather, 0.3));                                                       // the rolled top's light
    c.Polygon({{x - 22, t - 16}, {x + 22, t - 16}, {x + 25, t - 9}, {x - 25, t - 9}}, Lighter(leather, 0.1));   // cushion
    c.Fill({static_cast<int>(x) - 25, static_cast<int>(t) - 9, static_cast<int>(x) + 25, static_cast<int>(t) - 4}, shade);
    for (const double side : {-1.0, 1.0}) {                                              // the arms
        c.RoundRectVertical(x + side * 25 - 5, t - 28, x + side * 25 + 5, t - 3, 3, leather, Darker(leather, 0.45));
        c.Ellipse(x + side * 25, t - 28, 6, 3.5, Lighter(leather, 0.25));
    }
    for (const double dx : {-10.5, 0.0, 10.5}) c.Ellipse(x + dx, t - 30, 1.3, 1.3, Darker(leather, 0.55));   // buttons
}

// A dashboard clock in a brass bezel, standing on a small walnut foot.
void DashClock(Canvas& c, double x, int benchTop) {
    const Rgb brass{200, 160, 70};
    const double t = benchTop;
    const double cy = t - 23;
    c.Polygon({{x - 6, t - 8}, {x + 6, t - 8}, {x + 11, t - 3}, {x - 11, t - 3}}, kWood);
    c.Fill({static_cast<int>(x) - 14, benchTop - 3, static_cast<int>(x) + 14, benchTop}, Darker(kWood, 0.3));
    c.Ellipse(x, t - 42, 3, 2.5, brass);                                 // the winder
    c.Ellipse(x, cy, 18, 18, Darker(brass, 0.25));
    c.Ellipse(x, cy, 16, 16, brass);
    c.Ellipse(x, cy, 13, 13, {244, 238, 218});
    for (int h = 0; h < 12; ++h) {
        const double a = h * 3.14159265 / 6;
        const double r = h % 3 == 0 ? 1.3 : 0.8;
        c.Ellipse(x + std::sin(a) * 10.5, cy - std::cos(a) * 10.5, r, r, {50, 44, 40});
    }
    c.Line({x, cy}, {x + 5.5, cy + 3}, 1.8, {40, 36, 34});              // ten past four
    c.Line({x, cy}, {x + 1.5, cy - 9}, 1.2, {40, 36, 34});
    c.Ellipse(x, cy, 1.6, 1.6, {160, 40, 30});
}

// A wooden steering wheel on its column, clamped to the bench top.
void SteeringWheel(Canvas& c, double x, int benchTop) {
    const Rgb iron{60, 60, 66};
    const Rgb walnut{112, 70, 40};
    const double t = benchTop;
    const double cy = t - 25;
    c.Line({x, cy}, {x + 13, t - 3}, 5, iron);                           // the column
    c.Fill({static_cast<int>(x) + 4, benchTop - 3, static_cast<int>(x) + 22, benchTop}, Darker(iron, 0.2));
    for (const double a : {90.0, 210.0, 330.0}) {                        // three spokes
        const double r = a * 3.14159265 / 180;
        c.Line({x, cy}, {x + std::cos(r) * 17, cy + std::sin(r) * 17}, 2.6, {150, 150, 156});
    }
    c.Ring(x, cy, 18, 4.5, walnut);
    c.Polyline(ArcPoints(x, cy, 18, 18, 200, 290, 12), 1.2, Lighter(walnut, 0.3));   // light on the rim
    c.Ellipse(x, cy, 5, 5, iron);
    c.Ellipse(x, cy, 2.5, 2.5, {200, 160, 70});                          // the horn button
}

// A saloon's body shell fresh from the coachbuilder, without its wheels and
// running gear, on two trestles standing on a bench top at `benchTop`: the
// wheel arches and the window openings show what stands behind it.
void BodyShell(Canvas& c, int benchTop) {
    const Rgb paint{128, 44, 38};
    const Rgb roof{62, 52, 48};
    const Rgb brass{200, 160, 70};
    const Rgb timber{92, 62, 38};
    const double sill = benchTop - 9;
    // The trestles first, so that the shell rests on their top bars.
    for (const int x : {506, 578}) {
        c.Line({x - 6.0, benchTop - 0.5}, {x - 1.0, sill + 1}, 1.6, timber);
        c.Line({x + 6.0, benchTop - 0.5}, {x + 1.0, sill + 1}, 1.6, timber);
        c.Fill({x - 8, static_cast<int>(sill) + 1, x + 8, static_cast<int>(sill) + 2}, Darker(timber, 0.2));
    }
    const Canvas behind = c.Cut({470, 205, 610, static_cast<int>(sill)});
    // The outline runs from the tail over the roof to the short bonnet, then
    // back along the sill round the two wheel arches.
    std::vector<Vec> shell{{478, sill}, {476, 236}, {478, 227}, {484, 218}, {492, 214}, {560, 213}, {567, 215},
                           {571, 230}, {584, 231}, {601, 233}, {604, 237}, {604, sill}};
    for (const double arch : {587.0, 499.0}) {
        const std::vector<Vec> a = ArcPoints(arch, sill, 11, 11, 360, 180, 16);
        shell.insert(shell.end(), a.begin(), a.end());
    }
    c.PolygonVertical(shell, Lighter(paint, 0.12), Darker(paint, 0.25));
    c.Polygon({{484, 218}, {492, 214}, {560, 213}, {567, 215}, {567, 218}, {484, 219}}, roof);   // the fabric roof
    c.Fill({478, 231, 570, 231}, brass);   // the waist moulding, round the cabin to the scuttle
    c.Fill({479, static_cast<int>(sill) - 1, 603, static_cast<int>(sill)}, Darker(paint, 0.45));   // the sill
    // The openings: quarter light, rear door and front door windows.
    const Rect windows[] = {{491, 220, 509, 228}, {515, 220, 537, 228}, {543, 220, 564, 228}};
    for (const Rect& w : windows) {
        c.Paste(behind.Cut({w.Left - 470, w.Top - 205, w.Right - 470, w.Bottom - 205}), w.Left, w.Top);
        c.Fill({w.Left, w.Bottom, w.Right, w.Bottom}, Darker(paint, 0.5));   // the door's thickness
    }
    // The door shut lines and their handles.
    for (const int x : {512, 540, 567}) c.Fill({x, 219, x, static_cast<int>(sill) - 2}, Darker(paint, 0.45));
    for (const int x : {535, 560}) c.Fill({x, 234, x + 3, 234}, brass);
    c.Fill({598, 233, 599, 245}, Darker(paint, 0.35));   // the bonnet's hinge line
}

void BackWall(Canvas& c) {
    // The door out, x 352..442, y 91..224: a casing whose head carries the
    // plate, and two leaves under it, all inside the area that leaves.
    c.Fill({352, 91, 442, 224}, {72, 48, 32});
    c.Fill({355, 94, 439, 114}, {118, 82, 52});
    c.Fill({355, 114, 439, 115}, {76, 50, 34});
    EnamelPlate(c, {369, 96, 425, 112}, "EXIT");
    Door(c, {358, 119, 436, 222}, {112, 76, 48});
    for (int y : {128, 176}) {
        c.Frame({365, y, 391, y + 38}, 1, {88, 58, 36});
        c.Frame({403, y, 429, y + 38}, 1, {88, 58, 36});
    }
    c.Ellipse(392, 172, 3, 3, {220, 200, 120});
    // Body types: a drawing board, x 234..336, y 95..196.
    c.Fill({234, 95, 336, 196}, {70, 80, 96});
    c.Fill({238, 99, 332, 192}, {48, 86, 146});
    for (int x = 244; x < 330; x += 10) c.Fill({x, 99, x, 192}, {70, 106, 160});
    for (int y = 104; y < 190; y += 10) c.Fill({238, y, 332, y}, {70, 106, 160});
    // The side elevation of an open tourer: bonnet, high body, hood, tall wheels.
    const Rgb chalk{230, 240, 250};
    c.Polyline({{246, 156}, {246, 140}, {270, 139}, {272, 132}, {296, 132}, {298, 124}, {318, 124}, {324, 134}, {324, 156}, {246, 156}},
               1.4, chalk);
    c.Polyline({{270, 139}, {268, 120}}, 1.2, chalk);
    c.Polyline({{300, 124}, {304, 112}, {322, 112}, {326, 124}}, 1.2, chalk);
    c.Ring(262, 160, 10, 1.4, chalk);
    c.Ring(310, 160, 10, 1.4, chalk);
    c.Line({262, 152}, {262, 168}, 0.8, chalk);
    c.Line({254, 160}, {270, 160}, 0.8, chalk);
    c.Line({310, 152}, {310, 168}, 0.8, chalk);
    c.Line({302, 160}, {318, 160}, 0.8, chalk);
    Words(c, "body types", 285, 187, 11, Align::Centre, {230, 240, 250}, Face::SansBold);
    // Expansion plans, x 465..557, y 106..173.
    c.Fill({465, 106, 557, 173}, {150, 120, 80});
    c.Fill({469, 110, 553, 169}, {246, 240, 222});
    c.Frame({478, 140, 522, 164}, 1, {60, 80, 120});
    c.Frame({522, 146, 544, 164}, 1, {200, 60, 50});
    c.Line({533, 149}, {533, 161}, 2, {200, 60, 50});
    c.Line({527, 155}, {539, 155}, 2, {200, 60, 50});
    Words(c, "expand", 511, 122, 11, Align::Centre, {60, 60, 60}, Face::SansBold);
    Words(c, "the lab", 511, 135, 11, Align::Centre, {60, 80, 120});
    // Shelves and a clock.
    c.Fill({40, 90, 200, 94}, kWood);
    for (int i = 0; i < 7; ++i) c.Fill({46 + i * 22, 66, 58 + i * 22, 89}, i % 2 ? Rgb{70, 110, 150} : Rgb{170, 80, 60});
    c.Fill({600, 90, 760, 94}, kWood);
    for (int i = 0; i < 5; ++i) c.Ellipse(620 + i * 30, 80, 8, 10, {140, 200, 180}, 0.8);
    Sign(c, {40, 30, 200, 56}, "research lab", {104, 80, 60}, kButtonText);
}

}  // namespace

Canvas DrawResearch() {
    Canvas c(800, 600, kWall);
    Hall(c);
    BackWall(c);
    // Back row: brakes and body.
    const Rect brakes{167, 232, 354, 286};
    Bench(c, brakes, "brakes");
    const int drumsOn = BenchTop(brakes) + 1;   // a drum stands on its rim
    BrakeDrum(c, 220, drumsOn - 13, 13);
    BrakeDrum(c, 266, drumsOn - 9, 9);
    c.RoundRect(294, drumsOn - 11, 340, drumsOn, 3, {120, 96, 70});   // a spare lining
    c.RoundRect(298, drumsOn - 15, 336, drumsOn - 9, 2, {90, 70, 52});
    const Rect body{443, 232, 633, 285};
    Bench(c, body, "body");
    BodyShell(c, BenchTop(body));
    // Middle row: suspension and luxury.
    const Rect suspension{100, 315, 345, 387};
    Bench(c, suspension, "suspension");
    const int springsOn = BenchTop(suspension) + 1;
    for (int i = 0; i < 4; ++i) Spring(c, 140 + i * 50, springsOn, springsOn - 34, 7);
    // The luxury bench stands four pixels further back than its area: its
    // centred plate then ends above the strip below it that belongs to safety.
    const Rect luxury{455, 310, 700, 383};
    Bench(c, luxury, "luxury");
    LeatherSeat(c, 505, BenchTop(luxury));
    DashClock(c, 580, BenchTop(luxury));
    SteeringWheel(c, 648, BenchTop(luxury));
    // Front row: engine and safety.
    const Rect engine{5, 431, 330, 530};
    Bench(c, engine, "engine");
    EngineBlock(c, 90, 440, 110, 30, BenchTop(engine));
    const Rect safety{470, 431, 794, 531};
    Bench(c, safety, "safety");
    HeadLamp(c, 536, 456, 11, BenchTop(safety));
    BulbHorn(c, 680, BenchTop(safety), 44);
    DrawFooter(c, FooterButton::None);
    return c;
}

Canvas DrawResearchAreaPopup(int popup) {
    // Named as the description strip names the area's bench.
    static_assert(HOT_SAFETY - HOT_BRAKES == POPUP_RESEARCH_SAFETY - POPUP_RESEARCH_BRAKES);
    const char* area = Caption(HOT_BRAKES + popup - POPUP_RESEARCH_BRAKES).Text;
    Canvas c = PopupCanvas(popup, std::string(area) + " research", 26, kLabPopupEdge);
    Words(c, "scientists working here", 466, 232, 12, Align::Right, kMutedInk);
    DrawControl(c, CTRL_AREA_SCIENTISTS);
    const Point bar = ResearchBarSegmentAt(popup, 0);
    Words(c, popup == POPUP_RESEARCH_BODY ? "progress to the next era" : "progress to the next part",
          bar.X - 2, bar.Y - 5, 11, Align::Left, kMutedInk, Face::SansBold);
    c.Fill({bar.X - 2, bar.Y - 2, 509, bar.Y + 13}, kPaperLine);
    c.Fill({bar.X - 1, bar.Y - 1, 508, bar.Y + 12}, {232, 224, 200});
    if (popup == POPUP_RESEARCH_BODY) {
        Words(c, "body research brings the", 407, 300, 12, Align::Centre, kMutedInk);
        Words(c, "styling of a newer era;", 407, 316, 12, Align::Centre, kMutedInk);
        Words(c, "new body types are bought", 407, 340, 12, Align::Centre, kMutedInk);
        Words(c, "at the drawing board", 407, 356, 12, Align::Centre, kMutedInk);
    } else {
        Words(c, "parts found so far", 279, 279, 11, Align::Left, kMutedInk, Face::SansBold);
    }
    DrawControl(c, CTRL_AREA_CLOSE, ButtonKind::Quiet);
    DrawControl(c, CTRL_AREA_OK);
    return CutPopup(c, popup);
}

Canvas DrawBodyTypesPopup() {
    Canvas c = PopupCanvas(POPUP_BODY_TYPES, "body types", 26, kLabPopupEdge);
    DrawControl(c, CTRL_BODY_TYPES_PREVIOUS);
    DrawControl(c, CTRL_BODY_TYPES_NEXT);
    c.Frame({331, 221, 482, 323}, 1, kPaperLine);
    Words(c, "price", 355, 358, 12, Align::Right, kMutedInk);
    FigureBox(c, TEXT_BODY_TYPE_PRICE, 7, 3);
    Words(c, "an owned body type costs nothing", 407, 388, 11, Align::Centre, kMutedInk);
    DrawControl(c, CTRL_BODY_TYPES_CLOSE, ButtonKind::Quiet);
    DrawControl(c, CTRL_BODY_TYPES_BUY);
    return CutPopup(c, POPUP_BODY_TYPES);
}

Canvas DrawExpandPopup() {
    Canvas c = PopupCanvas(POPUP_EXPAND_RESEARCH, "expand research", 26, kLabPopupEdge);
    Words(c, "the laboratory has room for", 407, 240, 13, Align::Centre, kMutedInk);
    FigureBox(c, TEXT_LAB_CAPACITY, 3, 3);
    Words(c, "scientists", 362, 269, 13, Align::Left, kMutedInk);
    c.Fill({292, 280, 522, 280}, kPaperLine);
    Words(c, "build a larger laboratory", 407, 312, 13, Align::Centre, kInk, Face::SansBold);
    Words(c, "for " + std::to_string(static_cast<int>(kLabStepPrice)) + ":", 407, 330, 13, Align::Centre, kInk,
          Face::SansBold);
    Words(c, "room for", 366, 366, 13, Align::Right, kMutedInk);
    FigureBox(c, TEXT_LAB_OFFER, 3, 3);
    Words(c, "scientists", 412, 366, 13, Align::Left, kMutedInk);
    DrawControl(c, CTRL_EXPAND_CLOSE, ButtonKind::Quiet);
    DrawControl(c, CTRL_EXPAND_BUY);
    return CutPopup(c, POPUP_EXPAND_RESEARCH);
}

}  // namespace art
