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

}  // namespace art
