#include "support/every_car.h"

i32 CarChoice::Piece(i32 piece) const {
    const i32 variant[kCarPieces] = {Front, Middle, Rear};
    return CarPiecePicture(Body, Era, piece, variant[piece]);
}

std::string CarChoice::Names() const {
    return std::string(PictureName(Piece(CAR_FRONT))) + " " + PictureName(Piece(CAR_MIDDLE)) + " " +
           PictureName(Piece(CAR_REAR));
}

std::vector<CarChoice> EveryCar() {
    std::vector<CarChoice> cars;
    for (i32 body = 1; body <= kBodyTypeCount; ++body)
        for (i32 era = FirstPictureEra(body); era <= kEraCount; ++era)
            for (i32 f = 1; f <= kPieceVariants; ++f)
                for (i32 m = 1; m <= kPieceVariants; ++m)
                    for (i32 r = 1; r <= kPieceVariants; ++r) cars.push_back({body, era, f, m, r});
    return cars;
}
