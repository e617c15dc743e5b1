// The body-type pictures of the research drawing board: the car of the
// type's first era on a card with its name; owned types carry a stamp.
#include "art/palette.h"
#include "art/scenes.h"
#include "art/widgets.h"
#include "model/records.h"
#include "presentation/picture_catalogue.h"
#include "presentation/text_layout.h"

namespace art {

Canvas DrawBodyTypeCard(int bodyType, bool owned) {
    Canvas c(150, 101, kPaper);
    const Canvas car = DrawCar(bodyType, FirstPictureEra(bodyType), 1, 1, 1).Cut({0, 14, 252, 145});
    const Canvas small = car.Scaled(140, 73);
    c.Paste(small, 5, 4);
    c.Frame({5, 4, 144, 76}, 1, kPaperLine);
    DrawTextCentred(c, {Face::SansBold, 13, kInk}, {0, 78, 149, 98}, BodyTypeName(bodyType).Text);
    if (owned) {
        c.RoundRect(92, 8, 142, 26, 4, kAction);
        DrawTextCentred(c, {Face::SansBold, 11, kButtonText}, {92, 8, 141, 25}, "owned");
    } else {
        c.RoundRect(8, 8, 72, 26, 4, {246, 240, 222}, 0.85);
        DrawTextCentred(c, {Face::Sans, 10, kMutedInk}, {8, 8, 71, 25}, "from " + std::to_string(EraYear(FirstPictureEra(bodyType))));
    }
    return c;
}

}  // namespace art
