#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/cursor_file.h"
#include "platform/headless_window.h"
#include "platform/pointer_shape.h"
#include "support/game_folder.h"

using namespace platform;

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One bitmap entry of `size` x `size` in a file of `type` (1 icon, 2 cursor).
// 32 bits: pixel (x, y) is 0x80RRGGBB with RR = x, GG = y. 1 bit: a palette
// of black and white, pixel set where x == y, the mask transparent where
// x + y is odd.
std::vector<std::uint8_t> MakeFile(std::uint32_t type, std::uint32_t size, std::uint32_t bits,
                                   std::uint32_t hotX, std::uint32_t hotY) {
    std::vector<std::uint8_t> image;
    Put32(image, 40);
    Put32(image, size);
    Put32(image, size * 2);
    Put16(image, 1);
    Put16(image, bits);
    for (int i = 0; i < 6; ++i) Put32(image, 0);
    if (bits == 1) {
        Put32(image, 0x000000);
        Put32(image, 0xFFFFFF);
    }
    const std::uint32_t colourRow = ((size * bits + 31) / 32) * 4;
    const std::uint32_t maskRow = ((size + 31) / 32) * 4;
    for (std::uint32_t row = 0; row < size; ++row) {
        const std::uint32_t y = size - 1 - row;   // rows are stored bottom up
        std::vector<std::uint8_t> line(colourRow, 0);
        for (std::uint32_t x = 0; x < size; ++x) {
            if (bits == 32) {
                const std::uint32_t argb = 0x80000000u | x << 16 | y << 8;
                for (int b = 0; b < 4; ++b) line[4 * x + b] = static_cast<std::uint8_t>(argb >> (8 * b));
            } else if (x == y) {
                line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        image.insert(image.end(), line.begin(), line.end());
    }
    for (std::uint32_t row = 0; row < size; ++row) {
        const std::uint32_t y = size - 1 - row;
        std::vector<std::uint8_t> line(maskRow, 0);
        for (std::uint32_t x = 0; x < size; ++x)
            if ((x + y) % 2 == 1) line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), line.begin(), line.end());
    }
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, type);
    Put16(file, 1);
    file.push_back(static_cast<std::uint8_t>(size));
    file.push_back(static_cast<std::uint8_t>(size));
    file.push_back(0);
    file.push_back(0);
    Put16(file, hotX);
    Put16(file, hotY);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

}  // namespace

TEST(CursorFile, ReadsAColourCursorWithItsHotSpot) {
    const auto file = MakeFile(2, 32, 32, 5, 7);
    CursorImage image;
    ASSERT_TRUE(DecodeCursorFile(file.data(), file.size(), 32, image));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.hotX, 5);
    EXPECT_EQ(image.hotY, 7);
    EXPECT_EQ(image.argb[3 * 32 + 9], 0x80090300u);   // x 9, y 3: top row first
}

TEST(CursorFile, ReadsAPalettedIconThroughItsMask) {
    const auto file = MakeFile(1, 16, 1, 9, 9);
    CursorImage image;
    ASSERT_TRUE(DecodeCursorFile(file.data(), file.size(), 32, image));
    EXPECT_EQ(image.hotX, 0);   // icons have no hot spot
    EXPECT_EQ(image.argb[2 * 16 + 2], 0xFFFFFFFFu);   // set, opaque
    EXPECT_EQ(image.argb[2 * 16 + 4], 0xFF000000u);   // clear, opaque
    EXPECT_EQ(image.argb[2 * 16 + 3], 0u);            // transparent
}

TEST(CursorFile, RefusesDamagedFilesWithoutReadingPastThem) {
    const auto file = MakeFile(2, 32, 32, 0, 0);
    CursorImage image;
    for (std::size_t cut : {std::size_t{0}, std::size_t{5}, std::size_t{21}, std::size_t{40}, file.size() - 1}) {
        EXPECT_FALSE(DecodeCursorFile(file.data(), cut, 32, image)) << cut;
    }
    auto wrongType = file;
    wrongType[2] = 3;
    EXPECT_FALSE(DecodeCursorFile(wrongType.data(), wrongType.size(), 32, image));
    auto hugeWidth = file;
    hugeWidth[22 + 5] = 0x7F;   // bitmap width far beyond any cursor
    EXPECT_FALSE(DecodeCursorFile(hugeWidth.data(), hugeWidth.size(), 32, image));
    EXPECT_FALSE(ReadCursorFile("no-such-cursor.cur", 32, image));
}

TEST(PointerShape, AHoverShapeLastsUntilThePointerMoves) {
    GameFolder folder(GameFolder::Empty);
    const auto file = MakeFile(2, 32, 32, 1, 1);
    const char* path = "pointer_shape_test.cur";
    FILE* out = std::fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);

    Window* window = OpenHeadlessWindow(nullptr);
    const PointerShape hover = LoadPointerShape(path, 32);
    std::remove(path);
    ASSERT_NE(hover.id, 0);
    SetPointerShape(hover);
    EXPECT_EQ(window->pointerShown, hover.id);
    PostMouseMove(window, 3, 3);
    RunMessages(window);
    EXPECT_EQ(window->pointerShown, 0);

    // A missing file gives an empty shape, which leaves the pointer alone.
    const PointerShape missing = LoadPointerShape("no-such-pointer.cur", 32);
    EXPECT_EQ(missing.id, 0);
    SetPointerShape(hover);
    SetPointerShape(missing);
    EXPECT_EQ(window->pointerShown, hover.id);
}
