#include "art/showroom.h"

#include "art/palette.h"

namespace art {

void Showroom(Canvas& c) {
    c.FillVertical({kCarBox.Left, kCarBox.Top, kCarBox.Right, kCarGround - 12}, Lighter(kShowroom, 0.3), kShowroom);
    c.FillVertical({kCarBox.Left, kCarGround - 11, kCarBox.Right, kCarBox.Bottom}, {190, 198, 204}, {168, 176, 184});
    c.Fill({kCarBox.Left, kCarGround - 12, kCarBox.Right, kCarGround - 12}, {160, 170, 178});
}

}  // namespace art
