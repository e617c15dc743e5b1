#include "support/decoded_pictures.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "presentation/picture_catalogue.h"

Picture DecodePicture(i32 id) {
    Picture p;
    const char* path = PicturePath(id);
    if (FreeImage_GetFileType(path, 0) != FIF_JPEG) return p;
    FIBITMAP* loaded = FreeImage_Load(FIF_JPEG, path, JPEG_ACCURATE);
    if (loaded == nullptr) return p;
    FIBITMAP* rgb = FreeImage_ConvertTo24Bits(loaded);
    FreeImage_Unload(loaded);
    p.Width = static_cast<i32>(FreeImage_GetWidth(rgb));
    p.Height = static_cast<i32>(FreeImage_GetHeight(rgb));
    p.Rgb.resize(static_cast<std::size_t>(p.Width * p.Height * 3));
    for (i32 y = 0; y < p.Height; ++y) {
        const BYTE* line = FreeImage_GetScanLine(rgb, p.Height - 1 - y);
        for (i32 x = 0; x < p.Width; ++x) {
            unsigned char* out = &p.Rgb[static_cast<std::size_t>((y * p.Width + x) * 3)];
            out[0] = line[x * 3 + FI_RGBA_RED];
            out[1] = line[x * 3 + FI_RGBA_GREEN];
            out[2] = line[x * 3 + FI_RGBA_BLUE];
        }
    }
    FreeImage_Unload(rgb);
    return p;
}

bool Differs(const unsigned char* a, const unsigned char* b) {
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 60;
}

Extent InkWithin(const Picture& p, i32 left, i32 top, i32 right, i32 bottom, const unsigned char* paper) {
    Extent e;
    for (i32 y = top; y <= bottom; ++y)
        for (i32 x = left; x <= right; ++x)
            if (Differs(p.At(x, y), paper)) {
                e.Left = std::min(e.Left, x);
                e.Right = std::max(e.Right, x);
                e.Top = std::min(e.Top, y);
                e.Bottom = std::max(e.Bottom, y);
            }
    return e;
}

const Picture& WithPixels(const Picture& p, i32 id) {
    if (p.Rgb.empty())
        throw std::runtime_error(std::string(PicturePath(id)) +
                                 " is missing, empty or no JPEG (the game_pictures target draws it)");
    return p;
}

const Picture& DecodedPictures::Get(i32 id) {
    // Decoded on first use and kept for the whole test run.
    static const std::vector<Picture> pictures = [] {
        std::vector<Picture> all;
        for (i32 i = 0; i < kPictureCount; ++i) all.push_back(DecodePicture(i));
        return all;
    }();
    return WithPixels(pictures.at(static_cast<std::size_t>(id)), id);
}
