// Drawing the car's parts in scopes, and recording what each covers.
#include "art/car_parts.h"

#include "art/car_model.h"
#include "art/showroom.h"

namespace art::car {

void Part(Canvas& c, const Car& car, const std::string& name, Relation is, const std::string& host,
          const std::function<void(Canvas&)>& draw) {
    draw(c);
    PartLog* log = car.Log;
    if (log == nullptr || log->Recording) return;
    // Drawn again on black and on white: a pixel the part covers at all
    // changes on at least one of them, whatever the part's colour.
    if (log->Black.Width() != c.Width() || log->Black.Height() != c.Height()) {
        log->Black = Canvas(c.Width(), c.Height(), {0, 0, 0});
        log->White = Canvas(c.Width(), c.Height(), {255, 255, 255});
    }
    log->Recording = true;
    draw(log->Black);
    draw(log->White);
    log->Recording = false;
    PartRecord record{name, is, host, {}};
    constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
    for (int y = kCarBox.Top; y <= kCarBox.Bottom; ++y)
        for (int x = kCarBox.Left; x <= kCarBox.Right; ++x)
            if (!(log->Black.At(x, y) == kBlack) || !(log->White.At(x, y) == kWhite)) record.Pixels.push_back({x, y});
    // Only the car box is read; a part never leaves it.
    log->Black.Fill(kCarBox, kBlack);
    log->White.Fill(kCarBox, kWhite);
    log->Parts.push_back(std::move(record));
}

}  // namespace art::car
