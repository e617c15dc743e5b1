#include "platform/cursor_file.h"

#include <FreeImage.h>

#include <cstring>
#include <utility>

#include "platform/files.h"

namespace platform {

namespace {

constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;
constexpr std::size_t kBitmapHeader = 40;
constexpr std::size_t kLargestFile = 4u << 20;
constexpr std::int32_t kLargestEdge = 1024;

struct Bytes {
    const std::uint8_t* data;
    std::size_t length;

    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= length && count <= length - offset;
    }
    std::uint32_t U16(std::size_t at) const { return data[at] | std::uint32_t{data[at + 1]} << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
};

struct Entry {
    std::int32_t width;
    std::int32_t hotX;
    std::int32_t hotY;
    std::size_t offset;
    std::size_t length;
};

bool DecodePng(const Bytes& bytes, CursorImage& image) {
    FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(bytes.data), static_cast<DWORD>(bytes.length));
    if (memory == nullptr) return false;
    FIBITMAP* loaded = FreeImage_LoadFromMemory(FIF_PNG, memory, 0);
    FreeImage_CloseMemory(memory);
    if (loaded == nullptr) return false;
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (rgba == nullptr) return false;
    const auto width = static_cast<std::int32_t>(FreeImage_GetWidth(rgba));
    const auto height = static_cast<std::int32_t>(FreeImage_GetHeight(rgba));
    const bool fits = width > 0 && height > 0 && width <= kLargestEdge && height <= kLargestEdge;
    if (fits) {
        image.width = width;
        image.height = height;
        image.argb.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
        for (std::int32_t y = 0; y < height; ++y) {
            const BYTE* row = FreeImage_GetScanLine(rgba, height - 1 - y);
            for (std::int32_t x = 0; x < width; ++x) {
                const BYTE* p = row + 4 * x;
                image.argb[static_cast<std::size_t>(y) * width + x] =
                    std::uint32_t{p[FI_RGBA_ALPHA]} << 24 | std::uint32_t{p[FI_RGBA_RED]} << 16 |
                    std::uint32_t{p[FI_RGBA_GREEN]} << 8 | p[FI_RGBA_BLUE];
            }
        }
    }
    FreeImage_Unload(rgba);
    return fits;
}

// A bitmap entry: header, palette, colour rows and the 1-bit transparency
// mask, both bottom to top, rows padded to 4 bytes. The header's height
// counts both halves.
bool DecodeBitmap(const Bytes& bytes, CursorImage& image) {
    if (!bytes.Has(0, kBitmapHeader)) return false;
    const std::size_t headerSize = bytes.U32(0);
    const auto width = static_cast<std::int32_t>(bytes.U32(4));
    const auto doubleHeight = static_cast<std::int32_t>(bytes.U32(8));
    const std::uint32_t bits = bytes.U16(14);
    const std::uint32_t compression = bytes.U32(16);
    std::uint32_t paletteSize = bytes.U32(32);
    if (headerSize < kBitmapHeader || compression != 0) return false;
    if (width <= 0 || width > kLargestEdge || doubleHeight <= 0 || doubleHeight > 2 * kLargestEdge) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    const std::int32_t height = doubleHeight / 2;
    if (height == 0) return false;
    if (bits <= 8 && (paletteSize == 0 || paletteSize > (1u << bits))) paletteSize = 1u << bits;
    if (bits > 8) paletteSize = 0;

    const std::size_t paletteAt = headerSize;
    const std::size_t colourRow = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t maskRow = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
    const std::size_t colourAt = paletteAt + 4 * std::size_t{paletteSize};
    const std::size_t maskAt = colourAt + colourRow * static_cast<std::size_t>(height);
    if (!bytes.Has(paletteAt, 4 * std::size_t{paletteSize}) || !bytes.Has(colourAt, colourRow * height)) return false;
    const bool hasMask = bytes.Has(maskAt, maskRow * height);

    image.width = width;
    image.height = height;
    image.argb.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    bool anyAlpha = false;
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = colourAt + colourRow * static_cast<std::size_t>(height - 1 - y);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint32_t argb = 0;
            if (bits == 32) {
                argb = bytes.U32(row + 4 * static_cast<std::size_t>(x));
                anyAlpha = anyAlpha || (argb >> 24) != 0;
            } else if (bits == 24) {
                const std::size_t at = row + 3 * static_cast<std::size_t>(x);
                argb = 0xFF000000u | std::uint32_t{bytes.data[at + 2]} << 16 |
                       std::uint32_t{bytes.data[at + 1]} << 8 | bytes.data[at];
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const std::uint32_t byte = bytes.data[row + bit / 8];
                const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index < paletteSize) argb = 0xFF000000u | (bytes.U32(paletteAt + 4 * index) & 0xFFFFFFu);
            }
            image.argb[static_cast<std::size_t>(y) * width + x] = argb;
        }
    }
    if (bits == 32 && anyAlpha) return true;
    // Without an alpha channel the mask says what is transparent.
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = maskAt + maskRow * static_cast<std::size_t>(height - 1 - y);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint32_t& argb = image.argb[static_cast<std::size_t>(y) * width + x];
            const bool transparent = hasMask && ((bytes.data[row + x / 8] >> (7 - x % 8)) & 1u) != 0;
            argb = transparent ? 0u : (argb | 0xFF000000u);
        }
    }
    return true;
}

}  // namespace

bool DecodeCursorFile(const std::uint8_t* data, std::size_t length, std::int32_t size, CursorImage& image) {
    const Bytes bytes{data, length};
    if (!bytes.Has(0, kDirectoryHeader)) return false;
    const std::uint32_t type = bytes.U16(2);
    const std::uint32_t count = bytes.U16(4);
    if (bytes.U16(0) != 0 || (type != 1 && type != 2) || count == 0) return false;
    if (!bytes.Has(kDirectoryHeader, kDirectoryEntry * count)) return false;

    bool found = false;
    Entry best{};
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = kDirectoryHeader + kDirectoryEntry * i;
        const Entry entry{data[at] == 0 ? 256 : data[at],
                          type == 2 ? static_cast<std::int32_t>(bytes.U16(at + 4)) : 0,
                          type == 2 ? static_cast<std::int32_t>(bytes.U16(at + 6)) : 0, bytes.U32(at + 12),
                          bytes.U32(at + 8)};
        if (!bytes.Has(entry.offset, entry.length)) continue;
        const auto distance = [size](std::int32_t w) { return w > size ? w - size : size - w; };
        if (!found || distance(entry.width) < distance(best.width) ||
            (distance(entry.width) == distance(best.width) && entry.width > best.width)) {
            best = entry;
            found = true;
        }
    }
    if (!found) return false;
    const Bytes chosen{data + best.offset, best.length};
    static constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};
    const bool png = chosen.Has(0, 4) && std::memcmp(chosen.data, kPngSignature, 4) == 0;
    CursorImage decoded;
    if (!(png ? DecodePng(chosen, decoded) : DecodeBitmap(chosen, decoded))) return false;
    decoded.hotX = best.hotX < decoded.width ? best.hotX : 0;
    decoded.hotY = best.hotY < decoded.height ? best.hotY : 0;
    image = std::move(decoded);
    return true;
}

bool ReadCursorFile(const char* path, std::int32_t size, CursorImage& image) {
    std::vector<std::uint8_t> bytes(kLargestFile);
    const long length = ReadFilePrefix(path, reinterpret_cast<char*>(bytes.data()), bytes.size());
    if (length < 0) return false;
    return DecodeCursorFile(bytes.data(), static_cast<std::size_t>(length), size, image);
}

}  // namespace platform
