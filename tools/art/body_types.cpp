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
    c.Paste(car.Scaled(128, 66), 11, 16);
    c.Frame({10, 15, 139, 82}, 1, kPaperLine);
    Words(c, "from " + std::to_string(EraYear(FirstPictureEra(bodyType))), 11, 12, 11, Align::Left, kMutedInk);
    if (owned) {
        // Clear of the board's frame above the card and of the picture's below.
        c.RoundRect(93, 2, 139, 14, 3, kAction);
        DrawTextCentred(c, {Face::SansBold, 11, kButtonText}, {93, 2, 138, 13}, "owned");
    }
    DrawTextCentred(c, {Face::SansBold, 13, kInk}, {0, 83, 149, 100}, BodyTypeName(bodyType).Text);
    return c;
}

}  // namespace art
