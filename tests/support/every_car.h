#pragma once
// Every car the design studio can show: each body type in each era it has
// pictures for, with every choice of front, middle and rear piece.

#include <string>
#include <vector>

#include "presentation/picture_catalogue.h"

struct CarChoice {
    i32 Body;
    i32 Era;
    i32 Front;    // the chosen variant of each piece, 1..3
    i32 Middle;
    i32 Rear;

    i32 Piece(i32 piece) const;   // the picture of CAR_FRONT, CAR_MIDDLE or CAR_REAR
    std::string Names() const;    // the three pictures' names, for failure messages
};

std::vector<CarChoice> EveryCar();
