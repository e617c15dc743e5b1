#include "platform/picture.h"

#include <FreeImage.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

// Pixels of the loaded pictures. The catalogue is loaded once and freed
// all at once, so its pictures are taken one after another from one block
// in static storage, which is reused once every picture in it has been
// freed; a picture that does not fit takes memory of its own. Pictures are
// decoded on several threads at once, so the store's books are kept under a
// lock.
constexpr std::size_t kStorePixels = std::size_t{24} << 20;   // 96 MB, the catalogue needs about 65
Pixel Store[kStorePixels];
std::size_t StoreUsed = 0;
std::size_t StorePictures = 0;
std::mutex StoreLock;

bool InStore(const Pixel* pixels) { return pixels >= Store && pixels < Store + kStorePixels; }

Pixel* TakePixels(std::int32_t width, std::int32_t height) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::lock_guard<std::mutex> lock(StoreLock);
    if (count <= kStorePixels - StoreUsed) {
        Pixel* pixels = Store + StoreUsed;
        StoreUsed += count;
        ++StorePictures;
        return pixels;
    }
    return static_cast<Pixel*>(std::malloc(count * sizeof(Pixel)));
}

void GivePixelsBack(Pixel* pixels) {
    if (pixels == nullptr) return;
    if (!InStore(pixels)) {
        std::free(pixels);
        return;
    }
    const std::lock_guard<std::mutex> lock(StoreLock);
    if (--StorePictures == 0) StoreUsed = 0;
}

static_assert(FI_RGBA_BLUE == 0 && FI_RGBA_GREEN == 1 && FI_RGBA_RED == 2, "bitmaps are stored B, G, R");

// Copies a 24-bit FreeImage bitmap (rows bottom to top, bytes B, G, R, so
// four bytes read little-endian are 0x..RRGGBB) into canvas pixels (rows
// top to bottom).
void CopyRows(FIBITMAP* image, Picture& picture) {
    const auto width = picture.width;
    const auto height = picture.height;
    for (std::int32_t y = 0; y < height; ++y) {
        const BYTE* source = FreeImage_GetScanLine(image, height - 1 - y);
        Pixel* target = picture.pixels + static_cast<std::size_t>(y) * width;
        // Every pixel but the last can be read as four bytes within the row.
        for (std::int32_t x = 0; x + 1 < width; ++x) {
            std::uint32_t bytes;
            std::memcpy(&bytes, source + 3 * x, sizeof bytes);
            target[x] = bytes & 0xFFFFFFu;
        }
        const BYTE* last = source + 3 * (width - 1);
        target[width - 1] = Pixel{last[FI_RGBA_RED]} << 16 | Pixel{last[FI_RGBA_GREEN]} << 8 | Pixel{last[FI_RGBA_BLUE]};
    }
}

}  // namespace

// The accurate decoder: the fast one leaves faint blocks around the sharp
// edges of the drawn pictures, at little gain in the one load of the game.
bool LoadJpegPicture(const char* path, Picture& picture) {
    FIBITMAP* image = FreeImage_Load(FIF_JPEG, path, JPEG_ACCURATE);
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
        Pixel* pixels = TakePixels(width, height);
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
    Pixel* pixels = TakePixels(width, height);
    if (pixels == nullptr) return false;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (std::size_t i = 0; i < count; ++i) pixels[i] = colour;
    picture.pixels = pixels;
    picture.width = width;
    picture.height = height;
    return true;
}

void FreePicture(Picture& picture) {
    GivePixelsBack(picture.pixels);
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
