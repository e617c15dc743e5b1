#pragma once
// All 670 pictures of the catalogue, drawn in memory, indexed by PictureId.

#include <vector>

#include "draw/canvas.h"

namespace art {

std::vector<Canvas> DrawAllPictures();

}  // namespace art
