#pragma once
// Reading the icon (.ico) and cursor (.cur) file formats: a directory of
// images, each a PNG or a device-independent bitmap with a 1-bit mask.

#include <cstdint>
#include <vector>

namespace platform {

struct CursorImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t hotX = 0;            // cursor files only; 0 for icons
    std::int32_t hotY = 0;
    std::vector<std::uint32_t> argb;  // width * height, rows top to bottom
};

// Picks the image whose width is closest to `size` (the largest on a tie)
// and decodes it. False for a missing, truncated or unknown file.
bool ReadCursorFile(const char* path, std::int32_t size, CursorImage& image);

// The same, from bytes already in memory.
bool DecodeCursorFile(const std::uint8_t* bytes, std::size_t length, std::int32_t size, CursorImage& image);

}  // namespace platform
