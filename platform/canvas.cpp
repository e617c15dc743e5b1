#include "platform/canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/picture.h"

namespace platform {

void FillCanvas(Canvas& canvas, Pixel colour) {
    std::fill(&canvas.pixels[0][0], &canvas.pixels[0][0] + kCanvasWidth * kCanvasHeight, colour);
}

void CopyPicture(Canvas& canvas, const Picture& picture, std::int32_t x, std::int32_t y) {
    if (IsEmpty(picture)) return;
    // Work in 64 bits: positions come from game records and may be far off.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + picture.width, kCanvasWidth);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + picture.height, kCanvasHeight);
    if (left >= right || top >= bottom) return;
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * sizeof(Pixel);
    for (std::int64_t row = top; row < bottom; ++row) {
        const Pixel* source = picture.pixels + (row - y) * picture.width + (left - x);
        std::memcpy(&canvas.pixels[row][left], source, rowBytes);
    }
}

Pixel CanvasPixel(const Canvas& canvas, std::int32_t x, std::int32_t y) {
    if (x < 0 || y < 0 || x >= kCanvasWidth || y >= kCanvasHeight) return 0;
    return canvas.pixels[y][x];
}

}  // namespace platform
