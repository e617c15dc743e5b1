#include "draw/icon_files.h"

#include <cstdint>
#include <fstream>

namespace art {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, (v >> 16) & 0xFFFF);
}

// The device-independent bitmap of one image: header, BGRA rows bottom-up,
// then the AND mask (1 = transparent), rows padded to 32 bits.
std::vector<std::uint8_t> ImageData(const Sprite& s) {
    const int w = s.Colour.Width();
    const int h = s.Colour.Height();
    const int maskRow = ((w + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(w));
    Put32(out, static_cast<unsigned>(2 * h));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<unsigned>(w * h * 4 + maskRow * h));
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb c = s.Colour.At(x, y);
            const std::uint8_t a = s.Alpha.At(x, y).R;
            // Stored premultiplied-free, as Windows expects for 32-bit icons.
            out.push_back(c.B);
            out.push_back(c.G);
            out.push_back(c.R);
            out.push_back(a);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < w; ++x)
            if (s.Alpha.At(x, y).R < 128) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool WriteFile(const std::string& path, int type, const std::vector<Sprite>& sprites, int hotX, int hotY) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(type));
    Put16(out, static_cast<unsigned>(sprites.size()));
    std::vector<std::vector<std::uint8_t>> images;
    for (const Sprite& s : sprites) images.push_back(ImageData(s));
    unsigned offset = static_cast<unsigned>(6 + 16 * sprites.size());
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const int w = sprites[i].Colour.Width();
        const int h = sprites[i].Colour.Height();
        out.push_back(static_cast<std::uint8_t>(w >= 256 ? 0 : w));
        out.push_back(static_cast<std::uint8_t>(h >= 256 ? 0 : h));
        out.push_back(0);
        out.push_back(0);
        // Icons: planes and bits per pixel. Cursors: the hot spot.
        Put16(out, type == 1 ? 1u : static_cast<unsigned>(hotX));
        Put16(out, type == 1 ? 32u : static_cast<unsigned>(hotY));
        Put32(out, static_cast<unsigned>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace

Sprite EmptySprite(int size) { return {Canvas(size, size, {0, 0, 0}), Canvas(size, size, {0, 0, 0})}; }

bool WriteIconFile(const std::string& path, const std::vector<Sprite>& sprites) {
    return WriteFile(path, 1, sprites, 0, 0);
}

bool WriteCursorFile(const std::string& path, const Sprite& sprite, int hotX, int hotY) {
    return WriteFile(path, 2, {sprite}, hotX, hotY);
}

}  // namespace art
