#pragma once
// Writing pictures to disk: JPEG for the game's catalogue (highest quality,
// no chroma subsampling, so flat colours stay flat), PNG for contact sheets.

#include <string>

#include "draw/canvas.h"

namespace art {

// Both create the file's folder when missing; false when writing fails.
bool WriteJpeg(const Canvas& canvas, const std::string& path);
bool WritePng(const Canvas& canvas, const std::string& path);

}  // namespace art
