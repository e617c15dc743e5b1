#pragma once
// What each part of the car drawing belongs to. Every detail is drawn inside
// a named scope that says how it sits on its host: on it (a trim line, a
// window: every pixel over the host's) or hanging on it (a lamp, a bumper, a
// spare wheel: touching the host). When a car is drawn with a log, each
// scope also records which pixels of the car box it covers, whatever its
// colour, so a test can check every part against its host; drawn without
// one, a scope only draws.

#include <functional>
#include <string>
#include <vector>

#include "draw/canvas.h"

namespace art::car {

struct Car;

enum class Relation {
    Host,      // stands for itself (the body, a wheel)
    On,        // lies wholly on its host
    HangsOn,   // touches its host
};

struct Pixel {
    int X, Y;   // on the screen
};

struct PartRecord {
    std::string Name;
    Relation Is;
    std::string Host;
    std::vector<Pixel> Pixels;   // every pixel it covers at all, inside the car box
};

struct PartLog {
    std::vector<PartRecord> Parts;
    // While a scope records, scopes inside it only draw.
    bool Recording = false;
    Canvas Black, White;
};

// Draws `draw` on the canvas as the part `name`, and records it in the car's log.
void Part(Canvas& c, const Car& car, const std::string& name, Relation is, const std::string& host,
          const std::function<void(Canvas&)>& draw);
inline void Host(Canvas& c, const Car& car, const std::string& name, const std::function<void(Canvas&)>& draw) {
    Part(c, car, name, Relation::Host, {}, draw);
}
inline void On(Canvas& c, const Car& car, const std::string& name, const std::string& host,
               const std::function<void(Canvas&)>& draw) {
    Part(c, car, name, Relation::On, host, draw);
}
inline void HangsOn(Canvas& c, const Car& car, const std::string& name, const std::string& host,
                    const std::function<void(Canvas&)>& draw) {
    Part(c, car, name, Relation::HangsOn, host, draw);
}

}  // namespace art::car
