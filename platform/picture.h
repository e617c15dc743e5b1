#pragma once
// A decoded picture in the canvas's pixel format, rows top to bottom. A
// picture whose file could not be read is empty (no pixels) and draws
// nothing.

#include <cstdint>

#include "platform/canvas.h"

namespace platform {

struct Picture {
    Pixel* pixels = nullptr;   // width * height, owned
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline bool IsEmpty(const Picture& picture) { return picture.pixels == nullptr; }

// Decodes a JPEG file into `picture` (which must be empty). A file that is
// missing or not a JPEG leaves it empty; returns whether it loaded.
bool LoadJpegPicture(const char* path, Picture& picture);

// Makes `picture` (which must be empty) a width x height block of one
// colour; returns false, leaving it empty, for a size of 0 or less.
bool FillPicture(Picture& picture, std::int32_t width, std::int32_t height, Pixel colour);

// Gives back the pixels; the picture is empty afterwards.
void FreePicture(Picture& picture);

// Writes the canvas as a PNG file (for tests and screenshots).
bool WriteCanvasPng(const Canvas& canvas, const char* path);

}  // namespace platform
