// Every part of every car sits where it belongs: drawn through the picture
// generator with a log, each part that lies on its host (a trim line, a
// window) covers nothing outside it, each part that hangs on its host (a
// lamp, a bumper, a spare wheel) touches it, and nothing but a wheel's own
// wing is drawn over a road wheel. The test that composes the generated
// pieces only sees one touching patch; a lamp hanging from a bumper or a
// spare wheel standing on a road wheel passes there and fails here.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "art/car_model.h"
#include "art/car_parts.h"
#include "art/scenes.h"
#include "art/showroom.h"
#include "presentation/picture_catalogue.h"
#include "support/every_car.h"

namespace {

using art::Canvas;
using art::Vec;
using art::car::PartLog;
using art::car::PartRecord;
using art::car::Relation;

// Which pixels of the car box a set of parts covers.
class Cover {
public:
    void Add(const PartRecord& part) {
        for (const auto& p : part.Pixels) covered_[Index(p.X, p.Y)] = 1;
    }
    bool Has(int x, int y) const {
        return x >= art::kCarBox.Left && x <= art::kCarBox.Right && y >= art::kCarBox.Top && y <= art::kCarBox.Bottom &&
               covered_[Index(x, y)] != 0;
    }
    bool Near(int x, int y) const {   // on it or touching it, side or corner
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Has(x + dx, y + dy)) return true;
        return false;
    }

private:
    static std::size_t Index(int x, int y) {
        return static_cast<std::size_t>((y - art::kCarBox.Top) * kWidth + x - art::kCarBox.Left);
    }
    static constexpr int kWidth = art::kCarBox.Right - art::kCarBox.Left + 1;
    std::vector<char> covered_ = std::vector<char>(static_cast<std::size_t>(kWidth * (art::kCarBox.Bottom - art::kCarBox.Top + 1)), 0);
};

std::string Where(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// A wheel's crown may show a pixel or two of a neighbour's edge; a part
// standing on it covers far more.
constexpr int kWheelOverlap = 6;

// What is wrong with the parts in the log, one line each.
std::vector<std::string> Misplaced(const PartLog& log) {
    std::map<std::string, Cover> hosts;
    for (const PartRecord& part : log.Parts) hosts[part.Name].Add(part);
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < log.Parts.size(); ++i) {
        const PartRecord& part = log.Parts[i];
        if (part.Pixels.empty()) continue;
        if (part.Is != Relation::Host) {
            const auto host = hosts.find(part.Host);
            if (host == hosts.end()) {
                faults.push_back(part.Name + ": its host, the " + part.Host + ", is not drawn");
                continue;
            }
            if (part.Is == Relation::On) {
                int outside = 0;
                std::string first;
                // A pixel at the host's very edge may be a trace of anti-aliasing.
                for (const auto& p : part.Pixels)
                    if (!host->second.Near(p.X, p.Y) && outside++ == 0) first = Where(p.X, p.Y);
                if (outside > 0)
                    faults.push_back(part.Name + ": " + std::to_string(outside) + " pixels off the " + part.Host + ", the first at " + first);
            } else {
                bool touches = false;
                for (const auto& p : part.Pixels) touches = touches || host->second.Near(p.X, p.Y);
                if (!touches)
                    faults.push_back(part.Name + ": does not touch the " + part.Host + "; it covers " + Where(part.Pixels.front().X, part.Pixels.front().Y) +
                                     " to " + Where(part.Pixels.back().X, part.Pixels.back().Y));
            }
        }
        // Over a road wheel drawn before it, only what is fixed to the wheel.
        for (std::size_t w = 0; w < i; ++w) {
            const PartRecord& wheel = log.Parts[w];
            if (wheel.Name != "front wheel" && wheel.Name != "rear wheel") continue;
            if (part.Host == wheel.Name || part.Name == wheel.Name) continue;
            Cover cover;
            cover.Add(wheel);
            int over = 0;
            std::string first;
            for (const auto& p : part.Pixels)
                if (cover.Has(p.X, p.Y) && over++ == 0) first = Where(p.X, p.Y);
            if (over > kWheelOverlap)
                faults.push_back(part.Name + ": " + std::to_string(over) + " pixels over the " + wheel.Name + ", the first at " + first);
        }
    }
    return faults;
}

TEST(CarParts, EveryPartOfEveryCarSitsOnWhatItBelongsTo) {
    int cars = 0;
    PartLog log;   // one for all, so its drawing canvases are made once
    for (const CarChoice& c : EveryCar()) {
        log.Parts.clear();
        art::DrawCar(c.Body, c.Era, c.Front, c.Middle, c.Rear, &log);
        ASSERT_FALSE(log.Parts.empty());
        for (const std::string& fault : Misplaced(log)) ADD_FAILURE() << c.Names() << ": " << fault;
        ++cars;
    }
    EXPECT_EQ(cars, 1026);   // 38 bodies and eras, 27 choices each
}

// The check itself: on a test canvas, a lamp a few pixels below the body, a
// trim line running off it and a spare wheel drawn over a road wheel are
// each found; the same parts where they belong are not.
TEST(CarParts, TheCheckFindsALooseLampATrimOffTheBodyAndAPartOnAWheel) {
    art::car::Car car = art::car::MakeCar(BODY_FAMILY_SEDAN, ERA_1953, 1, 1, 1);
    const auto draw = [&](double lampY, double trimTo, Vec spare) {
        PartLog log;
        car.Log = &log;
        Canvas c(800, 600, {200, 200, 200});
        art::car::Host(c, car, "body", [](Canvas& on) { on.Fill({300, 150, 400, 180}, {120, 30, 30}); });
        art::car::Host(c, car, "rear wheel", [](Canvas& on) { on.Ellipse(380, 190, 12, 12, {28, 28, 30}); });
        art::car::HangsOn(c, car, "headlamp", "body", [&](Canvas& on) { on.Ellipse(300, lampY, 3, 3, {250, 236, 170}); });
        art::car::On(c, car, "shoulder line", "body", [&](Canvas& on) { on.Line({310, 160}, {trimTo, 160}, 1.0, {60, 20, 20}); });
        art::car::HangsOn(c, car, "spare wheel", "body", [&](Canvas& on) { on.Ellipse(spare.X, spare.Y, 4, 8, {28, 28, 30}); });
        return Misplaced(log);
    };
    EXPECT_TRUE(draw(170, 390, {404, 165}).empty());
    const std::vector<std::string> loose = draw(190, 420, {392, 178});
    ASSERT_EQ(loose.size(), 3u);
    EXPECT_EQ(loose[0].rfind("headlamp: does not touch the body", 0), 0u) << loose[0];
    EXPECT_EQ(loose[1].rfind("shoulder line: ", 0), 0u) << loose[1];
    EXPECT_EQ(loose[2].rfind("spare wheel: ", 0), 0u) << loose[2];
    EXPECT_NE(loose[2].find("over the rear wheel"), std::string::npos) << loose[2];
}

}  // namespace
