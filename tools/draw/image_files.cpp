#include "draw/image_files.h"

#include <filesystem>

#include <FreeImage.h>

namespace art {
namespace {

FIBITMAP* ToBitmap(const Canvas& canvas) {
    FIBITMAP* bitmap = FreeImage_Allocate(canvas.Width(), canvas.Height(), 24);
    if (bitmap == nullptr) return nullptr;
    for (int y = 0; y < canvas.Height(); ++y) {
        // FreeImage keeps the bottom row first.
        BYTE* line = FreeImage_GetScanLine(bitmap, canvas.Height() - 1 - y);
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb p = canvas.At(x, y);
            line[FI_RGBA_RED] = p.R;
            line[FI_RGBA_GREEN] = p.G;
            line[FI_RGBA_BLUE] = p.B;
            line += 3;
        }
    }
    return bitmap;
}

bool Save(const Canvas& canvas, const std::string& path, FREE_IMAGE_FORMAT format, int flags) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    FIBITMAP* bitmap = ToBitmap(canvas);
    if (bitmap == nullptr) return false;
    const bool ok = FreeImage_Save(format, bitmap, path.c_str(), flags) != 0;
    FreeImage_Unload(bitmap);
    return ok;
}

}  // namespace

bool WriteJpeg(const Canvas& canvas, const std::string& path) {
    return Save(canvas, path, FIF_JPEG, JPEG_QUALITYSUPERB | JPEG_SUBSAMPLING_444 | JPEG_OPTIMIZE | JPEG_BASELINE);
}

bool WritePng(const Canvas& canvas, const std::string& path) {
    return Save(canvas, path, FIF_PNG, PNG_Z_BEST_SPEED);
}

Canvas ReadPicture(const std::string& path) {
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) return {};
    // The accurate decoder: the default fast one rings by up to 18 levels at sharp edges.
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), format == FIF_JPEG ? JPEG_ACCURATE : 0);
    if (loaded == nullptr) return {};
    FIBITMAP* rgb = FreeImage_ConvertTo24Bits(loaded);
    FreeImage_Unload(loaded);
    if (rgb == nullptr) return {};
    const int w = static_cast<int>(FreeImage_GetWidth(rgb));
    const int h = static_cast<int>(FreeImage_GetHeight(rgb));
    Canvas canvas(w, h, {0, 0, 0});
    for (int y = 0; y < h; ++y) {
        const BYTE* line = FreeImage_GetScanLine(rgb, h - 1 - y);
        for (int x = 0; x < w; ++x, line += 3)
            canvas.Set(x, y, {line[FI_RGBA_RED], line[FI_RGBA_GREEN], line[FI_RGBA_BLUE]});
    }
    FreeImage_Unload(rgb);
    return canvas;
}

}  // namespace art
