// The advertising department: a poster of the auto show, a wireless set, a
// television cabinet, the newspaper and, through the window, the billboard.
#include "art/other_popups.h"
#include "art/palette.h"
#include "art/popup_frame.h"
#include "art/scenery.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "presentation/picture_sizes.h"
#include "presentation/text_layout.h"

namespace art {
namespace {

constexpr int kFloorLine = 372;

void Room(Canvas& c) {
    // A papered wall above a wooden skirting, and a boarded floor.
    c.FillVertical({0, 0, 799, kFloorLine}, {214, 204, 170}, {196, 184, 150});
    for (int x = 0; x < 800; x += 30) c.Fill({x, 0, x + 2, kFloorLine}, {204, 192, 158});
    for (int x = 15; x < 800; x += 30)
        for (int y = 20; y < kFloorLine - 20; y += 40) c.Ellipse(x, y, 2.5, 3.5, {186, 170, 134});
    c.Fill({0, kFloorLine - 14, 799, kFloorLine}, {110, 76, 50});
    c.Fill({0, kFloorLine - 16, 799, kFloorLine - 14}, {84, 58, 38});
    c.FillVertical({0, kFloorLine + 1, 799, 540}, {150, 108, 70}, {120, 84, 54});
    for (int y = kFloorLine + 16; y < 540; y += 22) c.Fill({0, y, 799, y}, {110, 78, 50});
    for (int x = 40; x < 800; x += 70) c.Polygon({{x + 0.0, kFloorLine + 1.0}, {x + 2.0, kFloorLine + 1.0}, {x * 1.4 - 120 + 2, 540}, {x * 1.4 - 120, 540}}, {110, 78, 50});
}

// The left wall turns towards the viewer at x 56; the way out is a doorway
// in it, seen at a slant, with its plate hung square to the room on a
// bracket: all inside x 0..53, y 22..429, the area that leaves the room.
constexpr double kCornerX = 56;
// Where the side wall meets the floor: from the corner down to the left edge.
double SideFloorY(double x) { return kFloorLine + (kCornerX - x) * 0.964; }
// Heights on the side wall run towards the room's vanishing point.
double SideLineY(double x, double atCorner) { return atCorner + (kCornerX - x) * (atCorner - 196) / (238 - kCornerX); }

void Doorway(Canvas& c) {
    const Rgb wall{186, 174, 140};
    c.PolygonVertical({{0, 0}, {kCornerX, 0}, {kCornerX, kFloorLine}, {0, SideFloorY(0)}}, Lighter(wall, 0.05),
                      Darker(wall, 0.08));
    for (double x = 6; x < kCornerX; x += 13) c.Line({x, 0}, {x, SideFloorY(x) - 2}, 1.0, Darker(wall, 0.06));
    c.Fill({static_cast<int>(kCornerX), 0, static_cast<int>(kCornerX) + 1, kFloorLine}, Darker(wall, 0.2));
    // The skirting, running down the side wall to the floor.
    c.Polygon({{kCornerX, kFloorLine - 16.0}, {kCornerX, kFloorLine}, {0, SideFloorY(0)}, {0, SideLineY(0, kFloorLine - 16)}},
              {96, 66, 44});
    // The casing and the lit opening.
    const double nearX = 9, farX = 47;
    const double topNear = SideLineY(nearX, 150), topFar = SideLineY(farX, 150);
    c.Polygon({{nearX - 5, topNear - 6}, {farX + 4, topFar - 5}, {farX + 4, SideFloorY(farX + 4)},
               {nearX - 5, SideFloorY(nearX - 5)}},
              {80, 58, 42});
    c.PolygonVertical({{nearX, topNear}, {farX, topFar}, {farX, SideFloorY(farX)}, {nearX, SideFloorY(nearX)}},
                      {250, 244, 222}, {222, 206, 170});
    // The light from the passage lies on the boards beyond the sill, running
    // straight out into the room, square to the side wall.
    const double sillNear = SideFloorY(nearX) + 1, sillFar = SideFloorY(farX) + 1;
    c.Polygon({{nearX, sillNear}, {farX, sillFar}, {farX + 44, sillFar}, {nearX + 62, sillNear + 6}},
              {250, 236, 200}, 0.3);
    c.Line({nearX, SideFloorY(nearX)}, {farX, SideFloorY(farX)}, 2.0, {96, 68, 46});   // the sill
    // The plate on its bracket, square to the room.
    const Rgb iron{44, 40, 38};
    c.Fill({2, 92, 52, 93}, iron);
    c.Line({3, 104}, {16, 93}, 1.2, iron);
    c.Fill({12, 94, 12, 97}, iron);
    c.Fill({44, 94, 44, 97}, iron);
    EnamelPlate(c, {3, 98, 53, 118}, "EXIT");
}

void AutoShowPoster(Canvas& c) {
    // x 113..214, y 52..228.
    c.Fill({113, 52, 214, 228}, {60, 50, 46});
    c.FillVertical({117, 56, 210, 224}, {40, 50, 90}, {20, 24, 50});
    c.Polygon({{124, 70}, {150, 200}, {120, 200}}, {250, 240, 180}, 0.25);   // spotlights
    c.Polygon({{204, 70}, {186, 200}, {208, 200}}, {250, 240, 180}, 0.25);
    c.Ellipse(163, 196, 40, 8, {140, 140, 160});
    SmallCar(c, 131, 192, 64, {200, 50, 44}, true);
    Words(c, "AUTO", 163, 92, 20, Align::Centre, {250, 220, 120}, Face::SerifBold);
    Words(c, "SHOW", 163, 114, 20, Align::Centre, {250, 220, 120}, Face::SerifBold);
    Words(c, "new models", 163, 136, 11, Align::Centre, {230, 230, 240}, Face::Sans);
}

void Radio(Canvas& c) {
    // x 205..261, y 233..271, on a side table: a wireless set in a wooden
    // box with brass dials and a horn loudspeaker.
    // The table stands against the wall: its feet reach the floor boards
    // just in front of the skirting, a rail between them low down.
    const int feet = kFloorLine + 2;
    c.Ellipse(233, feet + 1, 36, 2, {0, 0, 0}, 0.2);
    c.Fill({198, 272, 268, 278}, kWood);
    c.Fill({204, 279, 208, feet}, Darker(kWood, 0.2));
    c.Fill({258, 279, 262, feet}, Darker(kWood, 0.2));
    c.Fill({208, 340, 258, 343}, Darker(kWood, 0.3));
    c.RoundRectVertical(205, 248, 262, 272, 3, kWoodLight, kWood);
    c.Fill({209, 252, 258, 268}, {40, 34, 30});
    for (int x : {218, 234, 250}) {
        c.Ellipse(x, 260, 5, 5, {200, 160, 70});
        c.Ellipse(x, 260, 2, 2, {60, 40, 30});
    }
    c.Line({214, 248}, {222, 238}, 2.5, {60, 50, 44});               // the horn's neck
    c.Polygon({{220, 240}, {232, 233}, {246, 228}, {250, 238}, {236, 242}, {224, 244}}, {70, 60, 56});
    c.Ellipse(248, 233, 4, 7, {40, 34, 30});
}

void Television(Canvas& c) {
    // x 273..396, y 333..461: a receiving set in a tall walnut cabinet, its
    // small round screen framed in brass, its doors and tuning knobs below.
    c.Ellipse(335, 461, 66, 6, {0, 0, 0}, 0.25);
    c.RoundRectVertical(277, 333, 393, 460, 6, Lighter(kWood, 0.08), Darker(kWood, 0.2));
    c.Fill({273, 333, 397, 340}, Darker(kWood, 0.3));               // the top moulding
    c.Fill({281, 450, 289, 461}, Darker(kWood, 0.35));              // feet
    c.Fill({381, 450, 389, 461}, Darker(kWood, 0.35));
    c.Ellipse(317, 376, 28, 28, {200, 160, 70});                    // brass bezel
    c.Ellipse(317, 376, 24, 24, {40, 44, 40});
    c.Ellipse(317, 376, 21, 21, {150, 170, 140});
    c.Ellipse(310, 369, 8, 5, {200, 214, 190}, 0.6);
    SmallCar(c, 302, 386, 30, {60, 60, 56}, true);
    for (int y : {358, 378, 398}) {                                 // tuning knobs
        c.Ellipse(372, y, 7, 7, {60, 40, 30});
        c.Ellipse(372, y, 3, 3, {200, 160, 70});
    }
    c.Fill({285, 414, 333, 446}, Darker(kWood, 0.1));               // cabinet doors with a fret
    c.Fill({337, 414, 385, 446}, Darker(kWood, 0.1));
    for (int x = 291; x < 330; x += 6) c.Fill({x, 420, x + 2, 440}, Darker(kWood, 0.4));
    for (int x = 343; x < 382; x += 6) c.Fill({x, 420, x + 2, 440}, Darker(kWood, 0.4));
}

void Newspaper(Canvas& c) {
    // x 458..552, y 450..503: lying open on a low table whose top shows
    // round it, on an apron and four legs.
    const Rgb top = kWoodLight;
    c.Ellipse(505, 530, 56, 4, {0, 0, 0}, 0.18);
    for (const int x : {451, 555}) c.Fill({x, 499, x + 5, 529}, Darker(kWood, 0.25));
    for (const int x : {462, 544}) c.Fill({x, 499, x + 4, 518}, Darker(kWood, 0.45));   // the far legs
    c.Polygon({{456, 456}, {554, 456}, {562, 494}, {448, 494}}, top);
    c.Fill({448, 494, 562, 500}, Darker(kWood, 0.1));
    c.Fill({448, 494, 562, 494}, Lighter(top, 0.2));
    c.Polygon({{466, 462}, {544, 460}, {548, 488}, {462, 490}}, {236, 232, 220});
    c.Polygon({{503, 461}, {507, 461}, {508, 489}, {504, 489}}, {210, 206, 196});
    Words(c, "DAILY", 484, 474, 10, Align::Centre, {30, 30, 30}, Face::SerifBold);
    for (int y = 477; y < 488; y += 3) c.Fill({468, y, 500, y}, {140, 140, 140});
    for (int y = 466; y < 487; y += 3) c.Fill({511, y, 542, y}, {140, 140, 140});
}

void Window(Canvas& c, bool advert) {
    // The window x 480..640, y 40..190; the billboard in it x 505..613, y 66..153.
    c.Fill({480, 40, 640, 190}, {230, 230, 226});
    c.FillVertical({486, 46, 634, 184}, kSkyTop, kSkyLow);
    c.Fill({486, 150, 634, 184}, kGrass);
    c.Fill({520, 150, 524, 184}, {90, 80, 70});
    c.Fill({594, 150, 598, 184}, {90, 80, 70});
    c.Fill({505, 66, 613, 153}, {70, 64, 60});
    if (advert) {
        c.FillVertical({509, 70, 609, 149}, {250, 210, 90}, {240, 150, 60});
        SmallCar(c, 522, 140, 56, {46, 104, 88}, true);
        Words(c, "velmara", 559, 92, 15, Align::Centre, {120, 30, 30}, Face::SerifBold);
        Words(c, "drive the best", 559, 109, 11, Align::Centre, {90, 30, 30}, Face::Sans);
    } else {
        c.Fill({509, 70, 609, 149}, {236, 236, 230});
        Words(c, "your advert", 559, 104, 11, Align::Centre, {150, 150, 146}, Face::SansBold);
        Words(c, "here", 559, 120, 11, Align::Centre, {150, 150, 146}, Face::SansBold);
    }
    c.Fill({480, 186, 640, 192}, {200, 200, 196});
}

}  // namespace

Canvas DrawAdvertising(bool billboardAdvert) {
    Canvas c(800, 600, kWall);
    Room(c);
    Window(c, billboardAdvert);
    Doorway(c);
    AutoShowPoster(c);
    Radio(c);
    // A desk with a typewriter and a plant on the right.
    c.Fill({640, 300, 780, 308}, kWood);
    c.Fill({648, 309, 772, 400}, Darker(kWood, 0.15));
    c.RoundRect(676, 276, 744, 300, 4, {50, 54, 60});
    c.Fill({684, 262, 736, 278}, {240, 240, 236});
    c.Fill({90, 330, 120, 372}, {170, 100, 70});
    c.Ellipse(105, 318, 24, 22, kGrassDark);
    Sign(c, {300, 60, 440, 84}, "advertising", {104, 80, 60}, kButtonText);
    Words(c, "choose a medium", 370, 104, 12, Align::Centre, {90, 90, 96});
    Television(c);
    Newspaper(c);
    DrawFooter(c, FooterButton::None);
    return c;
}

Canvas DrawMediumPopup(int popup) {
    // Named as the description strip names the medium.
    static_assert(HOT_BILLBOARD - HOT_AUTO_SHOW == POPUP_BILLBOARD - POPUP_AUTO_SHOW);
    Canvas c = PopupCanvas(popup, Caption(HOT_AUTO_SHOW + popup - POPUP_AUTO_SHOW).Text);
    Words(c, "months", 411, 211, 11, Align::Centre, kMutedInk, Face::SansBold);
    Words(c, "amount", 508, 211, 11, Align::Centre, kMutedInk, Face::SansBold);
    for (int r = 0; r < kAdBlocks; ++r) {
        const Placement frame = FocusFrame(FOCUS_ADVERT_ROW_1 + r);
        Words(c, "campaign " + std::to_string(r + 1), 360, frame.Y + 17, 12, Align::Right, kMutedInk);
        DrawControl(c, CTRL_ADVERT_MINUS_1 + r);
        DrawControl(c, CTRL_ADVERT_PLUS_1 + r);
        Field(c, {385, frame.Y, 437, frame.Y + 25});
        // The amount's last figure ends a pixel short of its highlight frame:
        // the box takes one column more for its right side and still leaves
        // paper before the card's edge.
        const PictureSize chosen = SizeOfPicture(frame.Picture);
        Field(c, {frame.X, frame.Y, frame.X + chosen.Width, frame.Y + chosen.Height - 1});
    }
    DrawControl(c, CTRL_ADVERT_CLOSE_LEFT, ButtonKind::Quiet);
    DrawControl(c, CTRL_ADVERT_CLOSE_RIGHT);
    return CutPopup(c, popup);
}

}  // namespace art
