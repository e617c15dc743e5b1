// What the pieces add along the car's side reads as what it is: a two-door
// saloon's long front window is glass from the windscreen to the door's
// pillar, an open sports car's raised tail never humps up above its deck, an
// early car's rear bumper stands clear of its black rear wing, a truck cab
// and a four-door saloon show each door's edges, frame and handle, no door's
// line runs into a tyre nor a front wing below the bumper, swept wings hide
// the frame's front end, a two-tone car's bonnet is in the body's colour and
// its pillar in the roof's down to its foot, and a van's second middle reads
// at a glance as another van, its load door hung or sliding by its era.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "art/car_model.h"
#include "art/car_parts.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "presentation/layout.h"
#include "presentation/picture_catalogue.h"
#include "support/every_car.h"

namespace {

using art::car::PartLog;
using art::car::PartRecord;

// A pane of the side glass, lit at its top and darker at the waist; neither
// the paint of any car nor the cream of a two-tone roof.
bool IsGlass(art::Rgb p) { return p.R < 200 && p.G > 140 && p.B > 170 && p.B > p.R + 25; }

TEST(CarSideDetails, TheClosedTwoDoorsOfTheEarlyErasHaveOneLongFrontWindow) {
    struct Closed {
        i32 Body, Era;
        int Belt;   // screen row of the waist
    };
    // Screen columns 387..414: from behind the windscreen's post to just
    // ahead of the door's pillar.
    const Closed cars[] = {{BODY_FAMILY_WAGON, ERA_1923, 136}, {BODY_FAMILY_WAGON, ERA_1938, 138},
                           {BODY_FAMILY_WAGON, ERA_1953, 152}, {BODY_FAMILY_SEDAN, ERA_1953, 152},
                           {BODY_COMPACT, ERA_1953, 144}};
    for (const Closed& car : cars) {
        const art::Canvas c = art::DrawCar(car.Body, car.Era, 1, 2, 1);
        const int y = car.Belt - 4 - kCarPieceAt[0].Y;
        int blind = 0;
        for (int x = 387; x <= 414; ++x) blind += IsGlass(c.At(x - kCarPieceAt[0].X, y)) ? 0 : 1;
        EXPECT_EQ(blind, 0) << "body " << car.Body << ", era " << car.Era << ": " << blind << " columns of the front window are not glass";
    }
}

// The top row of the named part in each screen column from `from` on (a
// large row where it does not reach).
std::vector<int> Tops(const PartLog& log, const std::string& name, int from) {
    std::vector<int> tops(static_cast<std::size_t>(art::kCarBox.Right - from + 1), 10000);
    for (const PartRecord& part : log.Parts)
        if (part.Name == name)
            for (const auto& p : part.Pixels)
                if (p.X >= from) tops[static_cast<std::size_t>(p.X - from)] = std::min(tops[static_cast<std::size_t>(p.X - from)], p.Y);
    return tops;
}

TEST(CarSideDetails, AnOpenSportsCarsRaisedTailNeverStandsAboveTheJoin) {
    constexpr int kAntiAliasing = 1;
    for (const i32 era : {ERA_1923, ERA_1938}) {
        PartLog log;
        art::DrawCar(BODY_SPORT, era, 1, 1, 3, &log);
        const std::vector<int> tops = Tops(log, "body", kCarPieceAt[2].X);
        const auto highest = std::min_element(tops.begin(), tops.end());
        EXPECT_GE(*highest, tops.front() - kAntiAliasing)
            << "era " << era << ": the tail stands " << tops.front() - *highest << " rows above the join at screen x "
            << kCarPieceAt[2].X + (highest - tops.begin());
    }
}

// The early wings are black like the tyre under them: a bumper drawn over
// one reads as drawn across the wheel.
TEST(CarSideDetails, NoRearBumperIsDrawnOverAnEarlyCarsBlackRearWing) {
    int withWings = 0;
    PartLog log;
    for (const CarChoice& c : EveryCar()) {
        if (c.Rear != 3 || c.Front != 1 || c.Middle != 1 || c.Era > ERA_1923 || c.Body == BODY_TRUCK) continue;
        log.Parts.clear();
        art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear, &log);
        std::map<std::pair<int, int>, bool> wing;
        for (const PartRecord& part : log.Parts)
            if (part.Name == "rear wing")
                for (const auto& p : part.Pixels) wing[{p.X, p.Y}] = true;
        if (wing.empty()) continue;
        ++withWings;
        int over = 0;
        for (const PartRecord& part : log.Parts)
            if (part.Name == "rear bumper")
                for (const auto& p : part.Pixels) over += wing.count({p.X, p.Y}) != 0 ? 1 : 0;
        EXPECT_EQ(over, 0) << c.Names();
    }
    EXPECT_EQ(withWings, 4);   // the wagons of 1908 and 1923, the sports and luxury cars of 1923
}

// Every pixel of the named parts, on the screen.
std::vector<art::car::Pixel> PixelsOf(const PartLog& log, const std::string& name) {
    std::vector<art::car::Pixel> pixels;
    for (const PartRecord& part : log.Parts)
        if (part.Name == name) pixels.insert(pixels.end(), part.Pixels.begin(), part.Pixels.end());
    return pixels;
}

// The top row of the body in screen column x.
int BodyTop(const PartLog& log, int x) { return Tops(log, "body", x).front(); }

TEST(CarSideDetails, EveryDoorPillarReachesTheRoof) {
    // Closed cars whose screen is raked back over the third middle's door,
    // and ones with plain screens: a pillar stops at most the roof's rail
    // and a little anti-aliasing short of the body's top above it.
    const CarChoice cars[] = {{BODY_FAMILY_SEDAN, ERA_1938, 1, 3, 1}, {BODY_FAMILY_WAGON, ERA_1983, 1, 3, 2},
                              {BODY_FAMILY_SEDAN, ERA_1938, 1, 1, 1}, {BODY_LUXURY, ERA_1953, 1, 3, 1}};
    for (const CarChoice& car : cars) {
        PartLog log;
        art::DrawCar(car.Body, car.Era, car.Front, car.Middle, car.Rear, &log);
        std::map<int, int> top;   // each pillar column's top row
        for (const auto& p : PixelsOf(log, "pillar")) top[p.X] = top.count(p.X) != 0 ? std::min(top[p.X], p.Y) : p.Y;
        ASSERT_FALSE(top.empty()) << car.Names();
        for (const auto& [x, y] : top) EXPECT_LE(y - BodyTop(log, x), 7) << car.Names() << ": the pillar at screen x " << x << " stops short";
    }
}

TEST(CarSideDetails, ATwoToneCarsPillarsAreInTheRoofsColour) {
    for (const i32 body : {BODY_FAMILY_SEDAN, BODY_LUXURY, BODY_FAMILY_WAGON}) {
        for (const i32 middle : {1, 3}) {
            PartLog log;
            const art::Canvas c = art::DrawCar(body, ERA_1953, 1, middle, 1, &log);
            const std::vector<art::car::Pixel> pillar = PixelsOf(log, "pillar");
            ASSERT_FALSE(pillar.empty()) << "body " << body << ", middle " << middle;
            int dark = 0;
            for (const auto& p : pillar) {
                const art::Rgb colour = c.At(p.X - kCarPieceAt[0].X, p.Y - kCarPieceAt[0].Y);
                dark += colour.R + colour.G + colour.B < 3 * 150 ? 1 : 0;
            }
            // Only the anti-aliased edge over the darker glass's foot.
            EXPECT_LE(dark * 10, static_cast<int>(pillar.size())) << "body " << body << ", middle " << middle;
        }
    }
}

TEST(CarSideDetails, AnEstatesTwoDoorsWindowEndsAtItsDoor) {
    // The door's shut line stands at car x 148 or 150: screen x 419..421.
    for (const i32 era : {ERA_1968, ERA_1983}) {
        PartLog log;
        art::DrawCar(BODY_FAMILY_WAGON, era, 1, 2, 1, &log);
        int atDoor = 0;
        for (const auto& p : PixelsOf(log, "pillar")) atDoor += p.X >= 417 && p.X <= 423 ? 1 : 0;
        EXPECT_GT(atDoor, 0) << "era " << era;
    }
}

TEST(CarSideDetails, AHighBootDeckEndsLevelOverTheTail) {
    struct Deck {
        i32 Body;
        int From, To;   // screen columns between the rear window's foot and the tail's corner
    };
    for (const Deck& deck : {Deck{BODY_FAMILY_SEDAN, 480, 500}, Deck{BODY_LUXURY, 490, 508}}) {
        PartLog log;
        art::DrawCar(deck.Body, ERA_1983, 1, 1, 3, &log);
        const std::vector<int> tops = Tops(log, "body", deck.From);
        const auto [low, high] = std::minmax_element(tops.begin(), tops.begin() + (deck.To - deck.From + 1));
        EXPECT_LE(*high - *low, 1) << "body " << deck.Body << ": the deck climbs " << *high - *low << " rows";
    }
}

TEST(CarSideDetails, AShortNosesBumperAndIndicatorStandClearOfTheTyre) {
    for (const i32 era : {ERA_1953, ERA_1968, ERA_1983}) {
        PartLog log;
        art::DrawCar(BODY_COMPACT, era, 2, 1, 1, &log);
        std::map<int, int> tyre;   // the front tyre's first column in each row
        for (const auto& p : PixelsOf(log, "front wheel")) tyre[p.Y] = tyre.count(p.Y) != 0 ? std::min(tyre[p.Y], p.X) : p.X;
        for (const char* part : {"bumper", "indicator"}) {
            int close = 0;
            for (const auto& p : PixelsOf(log, part)) close += tyre.count(p.Y) != 0 && tyre[p.Y] - p.X < 2 ? 1 : 0;
            EXPECT_EQ(close, 0) << "era " << era << ": the " << part << " touches the tyre";
        }
    }
}

// The shut lines darker than the paint along the screen row just under the
// waist, between car x `from` and `to`: each door shows its edges there.
// Each line's first screen column.
std::vector<int> ShutLines(const art::Canvas& c, const art::car::Car& car, double from, double to) {
    const int y = static_cast<int>(art::car::At(0, car.Belt - 6).Y) - kCarPieceAt[0].Y;
    const int first = static_cast<int>(art::car::At(from, 0).X);
    std::vector<int> row;
    for (int x = first; x <= static_cast<int>(art::car::At(to, 0).X); ++x) {
        const art::Rgb p = c.At(x - kCarPieceAt[0].X, y);
        row.push_back(p.R + p.G + p.B);
    }
    std::vector<int> sorted = row;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2), sorted.end());
    const int paint = sorted[sorted.size() / 2];
    std::vector<int> lines;
    bool in = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const bool dark = row[i] * 100 < paint * 92;   // the line's faintest half still shows
        if (dark && !in) lines.push_back(first + static_cast<int>(i));
        in = dark;
    }
    return lines;
}

// The door handles between car x `from` and `to`, each as its first and last
// screen column, in the row they stand on a little below the waist.
std::vector<std::pair<int, int>> Handles(const art::Canvas& c, const art::car::Car& car, double from, double to) {
    constexpr int kLeast = 4, kMost = 8;   // a handle is six columns long; the wall seen past the body is longer
    const int y = static_cast<int>(art::car::At(0, car.Belt - 8).Y) - kCarPieceAt[0].Y;
    std::vector<std::pair<int, int>> handles;
    int start = -1;
    for (int x = static_cast<int>(art::car::At(from, 0).X); x <= static_cast<int>(art::car::At(to, 0).X) + 1; ++x) {
        const art::Rgb p = c.At(x - kCarPieceAt[0].X, y);
        const int lo = std::min({p.R, p.G, p.B}), hi = std::max({p.R, p.G, p.B});
        const bool bright = lo >= 200 && hi - lo <= 16;
        if (bright && start < 0) start = x;
        if (bright || start < 0) continue;
        if (x - start >= kLeast && x - start <= kMost) handles.push_back({start, x - 1});
        start = -1;
    }
    return handles;
}

// No glass runs on over a door's edge: the edge goes on up through the
// window line as the window's frame.
void ExpectNoGlassOver(const CarChoice& c, const art::Canvas& picture, const art::car::Car& car, const std::vector<int>& edges) {
    const int waist = static_cast<int>(art::car::At(0, car.Belt).Y) - kCarPieceAt[0].Y;
    for (const int edge : edges) {
        int glass = 0;
        for (int y = 0; y < waist; ++y) glass += IsGlass(picture.At(edge - kCarPieceAt[0].X, y)) ? 1 : 0;
        EXPECT_EQ(glass, 0) << c.Names() << ": the glass runs on over the door's edge at screen x " << edge;
    }
}

// Each door reads as a door. A closed truck cab shows its door's front and
// rear edges on every middle, the crew cab its rear door's back edge as
// well; a four-door saloon shows the rear door's edge behind the front
// door's, and each edge goes on up through the window line as the window's
// frame, so no glass runs on over it. A door hung at its front, as on a
// working truck and a sedan, opens by a handle plainly at its back: at
// least twice as far from the edge ahead as from the one behind.
TEST(CarSideDetails, EachDoorShowsItsEdgesAndFrameAndAFrontHungDoorItsHandleAtItsBack) {
    // The number of handles that stand between two edges, each checked.
    const auto handlesAtTheBack = [](const CarChoice& c, const art::Canvas& picture, const art::car::Car& car, double from,
                                     double to, const std::vector<int>& edges) {
        int between = 0;
        for (const auto& [first, last] : Handles(picture, car, from, to)) {
            const auto behind = std::upper_bound(edges.begin(), edges.end(), last);
            if (behind == edges.begin() || behind == edges.end()) continue;   // a sedan's front door has no front edge
            ++between;
            EXPECT_LE(2 * (*behind - last), first - *(behind - 1))
                << c.Names() << ": the handle at screen x " << first << ".." << last << " in the door from " << *(behind - 1) << " to " << *behind;
        }
        return between;
    };
    for (i32 era = ERA_1923; era <= kEraCount; ++era)
        for (i32 middle = 1; middle <= kPieceVariants; ++middle) {
            const CarChoice c{BODY_TRUCK, era, 1, middle, 1};
            const art::car::Car car = art::car::MakeCar(BODY_TRUCK, era, 1, middle, 1);
            const art::Canvas picture = art::DrawCar(BODY_TRUCK, era, 1, middle, 1);
            const double from = std::max(art::car::P(car, 3).X, car.FrontWheel - car.WheelRadius) + 1, to = art::car::NodeOf(car, 7).X - 2;
            const std::vector<int> edges = ShutLines(picture, car, from, to);
            EXPECT_GE(edges.size(), middle == 2 ? 3u : 2u) << c.Names();   // the crew cab's rear door too
            EXPECT_EQ(handlesAtTheBack(c, picture, car, from, to, edges), middle == 2 ? 2 : 1) << c.Names();
            ExpectNoGlassOver(c, picture, car, edges);
        }
    const CarChoice fourDoors[] = {{BODY_FAMILY_SEDAN, ERA_1938, 1, 1, 1}, {BODY_FAMILY_SEDAN, ERA_1953, 1, 1, 1},
                                   {BODY_FAMILY_SEDAN, ERA_1968, 1, 1, 1}, {BODY_FAMILY_SEDAN, ERA_1983, 1, 1, 1},
                                   {BODY_LUXURY, ERA_1923, 1, 1, 1},       {BODY_LUXURY, ERA_1938, 1, 2, 1},
                                   {BODY_LUXURY, ERA_1968, 1, 3, 1},       {BODY_LUXURY, ERA_1938, 1, 1, 2},
                                   {BODY_LUXURY, ERA_1968, 1, 1, 2}};
    for (const CarChoice& c : fourDoors) {
        const art::car::Car car = art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        const art::Canvas picture = art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        const double from = art::car::P(car, 3).X + 1, to = car.RearWheel - car.WheelRadius - 3;
        const std::vector<int> edges = ShutLines(picture, car, from, to);
        EXPECT_GE(edges.size(), 2u) << c.Names();
        ExpectNoGlassOver(c, picture, car, edges);
        // The luxury car's rear door hangs at its back, like a limousine's,
        // its handle behind the front door's.
        if (c.Body == BODY_FAMILY_SEDAN) {
            EXPECT_EQ(handlesAtTheBack(c, picture, car, from, to, edges), 1) << c.Names();
        } else {
            EXPECT_EQ(Handles(picture, car, from, to).size(), 2u) << c.Names();
        }
    }
}

// Behind a raked screen a closed sports car's door still has a window of
// its own: ahead of the pillar over the door's rear edge, glass runs on
// unbroken for a pane's width. A sliver of glass between that pillar and
// another just ahead of it reads at 1x as one split pillar, not a window.
TEST(CarSideDetails, AClosedSportsCarsDoorHasItsOwnWindow) {
    constexpr int kPane = 8;   // columns of glass that read as a window at 1x
    for (const i32 era : {ERA_1968, ERA_1983})
        for (i32 middle = 1; middle <= kPieceVariants; ++middle) {
            const CarChoice c{BODY_SPORT, era, 1, middle, 1};
            const art::car::Car car = art::car::MakeCar(BODY_SPORT, era, 1, middle, 1);
            if (car.Roof != art::car::Top::Closed) continue;
            PartLog log;
            const art::Canvas picture = art::DrawCar(BODY_SPORT, era, 1, middle, 1, &log);
            int edge = 0;   // the door's shut line stands behind its handle
            for (const auto& p : PixelsOf(log, "door")) edge = std::max(edge, p.X);
            const int waist = static_cast<int>(art::car::At(0, car.Belt).Y) - kCarPieceAt[0].Y;
            const auto glassy = [&](int x) {
                for (int y = 0; y < waist; ++y)
                    if (IsGlass(picture.At(x - kCarPieceAt[0].X, y))) return true;
                return false;
            };
            int x = edge;
            while (x > edge - 6 && !glassy(x)) --x;   // past the pillar over the edge
            int pane = 0;
            while (glassy(x - pane)) ++pane;
            EXPECT_GE(pane, kPane) << c.Names() << ": " << pane << " columns of glass ahead of the door's edge at screen x " << edge;
        }
}

// A van's load door hangs on hinges up to 1938 and opens by a handle of its
// own; from 1953 it slides, by a pull, so only the cab's door has a handle.
TEST(CarSideDetails, AVansLoadDoorHasAHandleOnlyWhileItIsHung) {
    for (i32 era = FirstPictureEra(BODY_VAN); era <= kEraCount; ++era) {
        const art::car::Car car = art::car::MakeCar(BODY_VAN, era, 1, 2, 1);
        const art::Canvas picture = art::DrawCar(BODY_VAN, era, 1, 2, 1);
        EXPECT_EQ(Handles(picture, car, art::car::P(car, 3).X, car.RearWheel).size(), era <= ERA_1938 ? 2u : 1u) << "era " << era;
    }
}

// Swept wings wrap round the front of the chassis: nothing of the frame
// stands ahead of the front tyre, under the grille.
TEST(CarSideDetails, SweptWingsHideTheFramesFrontEnd) {
    int swept = 0;
    for (const CarChoice& c : EveryCar()) {
        if (c.Front != 1 || c.Middle != 1 || c.Rear != 1) continue;
        const art::car::Car car = art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        if (car.Style->Wings != art::car::WingKind::Swept) continue;
        ++swept;
        PartLog log;
        art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear, &log);
        const double tyre = art::car::At(car.FrontWheel - car.WheelRadius, 0).X;
        for (const auto& p : PixelsOf(log, "frame")) EXPECT_GE(p.X, tyre - 1) << c.Names() << ": the frame at screen x " << p.X;
    }
    EXPECT_GT(swept, 0);
}

// A two-tone car's second colour is the roof's: the bonnet's side above the
// shoulder line stays in the body's colour.
TEST(CarSideDetails, ATwoToneCarsBonnetIsInTheBodysColour) {
    constexpr int kSamePaint = 40;
    int twoTones = 0;
    for (const CarChoice& c : EveryCar()) {
        if (c.Middle != 1 || c.Rear != 1) continue;
        const art::car::Car car = art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        if (!car.Style->TwoTone || car.Roof != art::car::Top::Closed) continue;
        // Just ahead of the cowl, where a bonnet rising toward it stands
        // highest over the shoulder line (four below the waist).
        const double x = art::car::P(car, 3).X - 3, top = art::car::TopAt(car.Shape, x);
        if (top < car.Belt - 1) continue;   // the bonnet stays below the shoulder
        ++twoTones;
        const art::Canvas picture = art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        const auto at = [&](double h) {
            const auto s = art::car::At(x, h);
            return picture.At(static_cast<int>(s.X) - kCarPieceAt[0].X, static_cast<int>(s.Y) - kCarPieceAt[0].Y);
        };
        const art::Rgb paint = at(car.Belt - 8), bonnet = at((car.Belt - 4 + top) / 2);
        EXPECT_LE(std::max({std::abs(paint.R - bonnet.R), std::abs(paint.G - bonnet.G), std::abs(paint.B - bonnet.B)}), kSamePaint)
            << c.Names() << ": the bonnet's side above the shoulder is not in the body's colour";
    }
    EXPECT_GT(twoTones, 0);
}

// The pick-up's closed rear quarter is the cab's own paint from the door's
// glass to the cab's back: no pillar, crease or strip stands on it.
TEST(CarSideDetails, APickUpsClosedQuarterIsPlainPaint) {
    constexpr int kSamePaint = 24;
    const art::car::Car car = art::car::MakeCar(BODY_PICK_UP_TRUCK, ERA_1968, 1, 2, 1);
    const art::Canvas picture = art::DrawCar(BODY_PICK_UP_TRUCK, ERA_1968, 1, 2, 1);
    const auto at = [&](double x, double h) {
        const auto s = art::car::At(x, h);
        return picture.At(static_cast<int>(s.X) - kCarPieceAt[0].X, static_cast<int>(s.Y) - kCarPieceAt[0].Y);
    };
    const double back = art::car::EndAt(car.Shape, car.Belt + 1) - 2;
    double from = back;   // the first column behind the door's glass
    while (from > art::car::P(car, 3).X && !IsGlass(at(from, car.Belt + 4))) from -= 1;
    from += 2;
    ASSERT_LT(from, back - 4);
    const art::Rgb paint = at(from, car.Belt + 4);
    for (double x = from; x <= back; x += 1)
        for (double h = car.Belt + 1; h <= car.Belt + 8; h += 1) {
            const art::Rgb p = at(x, h);
            EXPECT_LE(std::max({std::abs(p.R - paint.R), std::abs(p.G - paint.G), std::abs(p.B - paint.B)}), kSamePaint)
                << "car x " << x << ", height " << h;
        }
}

// A door's shut line ends above a wheel: none of its pixels lies on the
// tyre, where the tyre drawn over it would leave it as a stub into the
// tyre's edge.
TEST(CarSideDetails, NoDoorsShutLineRunsIntoATyre) {
    for (const CarChoice& c : EveryCar()) {
        if (c.Front != 1 || c.Rear != 1) continue;
        PartLog log;
        const art::car::Car car = art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear, &log);
        for (const char* door : {"door front", "door", "crew door", "rear door"})
            for (const auto& p : PixelsOf(log, door))
                for (const double wheel : {car.FrontWheel, car.RearWheel}) {
                    const auto centre = art::car::At(wheel, car.WheelRadius);
                    EXPECT_GT(std::hypot(p.X - centre.X, p.Y - centre.Y), car.WheelRadius)
                        << c.Names() << ": the " << door << " line at screen " << p.X << "," << p.Y << " lies on a tyre";
                }
    }
}

// A separate front wing ends behind the bumper: none of it reaches the
// blade's lowest row, where it would show as a speck under the blade.
TEST(CarSideDetails, NoFrontWingShowsBelowTheBumper) {
    for (const i32 body : {BODY_FAMILY_WAGON, BODY_SPORT, BODY_LUXURY, BODY_FAMILY_SEDAN, BODY_VAN}) {
        PartLog log;
        art::DrawCar(body, ERA_1938, 1, 1, 1, &log);
        std::map<int, int> blade;   // the bumper's lowest row in each of its columns
        for (const auto& p : PixelsOf(log, "bumper")) blade[p.X] = std::max(blade[p.X], p.Y);
        int below = 0;
        for (const auto& p : PixelsOf(log, "front wing")) below += blade.count(p.X) != 0 && p.Y >= blade[p.X] ? 1 : 0;
        EXPECT_EQ(below, 0) << "body " << body;
    }
}

// A two-tone car's windscreen pillar is in the roof's colour down to its
// foot. Behind the front join, where the bonnet meets the pillar, the body's
// colour never climbs above its top in the join's front column: it runs
// level, or falls to the shoulder.
TEST(CarSideDetails, BehindTheFrontJoinTheBodysColourNeverClimbsThePillarsFoot) {
    constexpr int kSamePaint = 40;   // the paint's grading over a few rows stays well within it
    constexpr int kPillarFoot = 8;   // columns behind the join
    const int join = kCarPieceAt[CAR_MIDDLE].X - kCarPieceAt[0].X;   // the middle's first column
    int twoTones = 0;
    for (const CarChoice& c : EveryCar()) {
        if (c.Era != ERA_1953 || c.Rear != 1) continue;
        const art::car::Car car = art::car::MakeCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        if (car.Roof != art::car::Top::Closed) continue;
        ++twoTones;
        const art::Canvas picture = art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear);
        const art::Rgb paint = picture.At(join, static_cast<int>(art::car::At(0, car.Belt - 6).Y) - kCarPieceAt[0].Y);
        const auto top = [&](int x) {
            for (int y = 0; y < picture.Height(); ++y) {
                const art::Rgb p = picture.At(x, y);
                if (std::max({std::abs(p.R - paint.R), std::abs(p.G - paint.G), std::abs(p.B - paint.B)}) <= kSamePaint) return y;
            }
            return picture.Height();
        };
        const int atJoin = top(join - 1);
        for (int x = join; x < join + kPillarFoot; ++x)
            EXPECT_GE(top(x), atJoin) << c.Names() << ": the body's colour climbs to row " << top(x) << " in picture column " << x;
    }
    EXPECT_EQ(twoTones, 63);   // seven closed bodies, nine fronts and middles each
}

// The studio's middle arrow must show a change the player sees at 1x: more
// than a door's shut line moved along the van's blank side.
TEST(CarSideDetails, AVansSecondMiddleChangesAClearPatchOfItsSide) {
    constexpr int kSeen = 24;         // channel levels apart: plain to see at 1x
    constexpr int kAtAGlance = 300;   // pixels: a small window's worth
    for (i32 era = FirstPictureEra(BODY_VAN); era <= kEraCount; ++era) {
        const art::Canvas first = art::DrawCar(BODY_VAN, era, 1, 1, 1), second = art::DrawCar(BODY_VAN, era, 1, 2, 1);
        int changed = 0;
        for (int y = 0; y < first.Height(); ++y)
            for (int x = 0; x < first.Width(); ++x) {
                const art::Rgb a = first.At(x, y), b = second.At(x, y);
                changed += std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)}) > kSeen ? 1 : 0;
            }
        EXPECT_GE(changed, kAtAGlance) << "era " << era << ": " << changed << " pixels change";
    }
}

}  // namespace
