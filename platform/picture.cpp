#include "platform/picture.h"

#include <FreeImage.h>

#include <cstdlib>

namespace platform {

namespace {

// Copies a 24-bit FreeImage bitmap (rows bottom to top, bytes B, G, R) into
// canvas pixels (rows top to bottom).
void CopyRows(FIBITMAP* image, Picture& picture) {
    const auto width = picture.width;
    const auto height = picture.height;
    for (std::int32_t y = 0; y < height; ++y) {
        const BYTE* source = FreeImage_GetScanLine(image, height - 1 - y);
        Pixel* target = picture.pixels + static_cast<std::size_t>(y) * width;
        for (std::int32_t x = 0; x < width; ++x, source += 3) {
            target[x] = Pixel{source[FI_RGBA_RED]} << 16 | Pixel{source[FI_RGBA_GREEN]} << 8 |
                        Pixel{source[FI_RGBA_BLUE]};
        }
    }
}

}  // namespace

bool LoadJpegPicture(const char* path, Picture& picture) {
    FIBITMAP* image = FreeImage_Load(FIF_JPEG, path, 0);
    if (image == nullptr) return false;
    if (FreeImage_GetBPP(image) != 24 || FreeImage_GetImageType(image) != FIT_BITMAP) {
        // Grey or CMYK files: bring them to the common 24-bit layout first.
        FIBITMAP* converted = FreeImage_ConvertTo24Bits(image);
        FreeImage_Unload(image);
        image = converted;
        if (image == nullptr) return false;
    }
    const auto width = static_cast<std::int32_t>(FreeImage_GetWidth(image));
    const auto height = static_cast<std::int32_t>(FreeImage_GetHeight(image));
    if (width > 0 && height > 0) {
        auto* pixels = static_cast<Pixel*>(
            std::malloc(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * sizeof(Pixel)));
        if (pixels != nullptr) {
            picture.pixels = pixels;
            picture.width = width;
            picture.height = height;
            CopyRows(image, picture);
        }
    }
    FreeImage_Unload(image);
    return !IsEmpty(picture);
}

bool FillPicture(Picture& picture, std::int32_t width, std::int32_t height, Pixel colour) {
    if (width <= 0 || height <= 0) return false;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    auto* pixels = static_cast<Pixel*>(std::malloc(count * sizeof(Pixel)));
    if (pixels == nullptr) return false;
    for (std::size_t i = 0; i < count; ++i) pixels[i] = colour;
    picture.pixels = pixels;
    picture.width = width;
    picture.height = height;
    return true;
}

void FreePicture(Picture& picture) {
    std::free(picture.pixels);
    picture = Picture{};
}

bool WriteCanvasPng(const Canvas& canvas, const char* path) {
    FIBITMAP* image = FreeImage_Allocate(kCanvasWidth, kCanvasHeight, 24);
    if (image == nullptr) return false;
    for (std::int32_t y = 0; y < kCanvasHeight; ++y) {
        BYTE* target = FreeImage_GetScanLine(image, kCanvasHeight - 1 - y);
        for (std::int32_t x = 0; x < kCanvasWidth; ++x, target += 3) {
            const Pixel p = canvas.pixels[y][x];
            target[FI_RGBA_RED] = static_cast<BYTE>(p >> 16);
            target[FI_RGBA_GREEN] = static_cast<BYTE>(p >> 8);
            target[FI_RGBA_BLUE] = static_cast<BYTE>(p);
        }
    }
    const bool written = FreeImage_Save(FIF_PNG, image, path, PNG_DEFAULT) != 0;
    FreeImage_Unload(image);
    return written;
}

}  // namespace platform
