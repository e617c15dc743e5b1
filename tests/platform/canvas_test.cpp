#include <gtest/gtest.h>

#include <FreeImage.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/canvas.h"
#include "platform/picture.h"
#include "support/game_folder.h"

using namespace platform;

namespace {

struct CanvasTest : ::testing::Test {
    GameFolder folder{GameFolder::Empty};   // runs side by side never share the files written here
    std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
    Picture picture;
    void SetUp() override { FillCanvas(*canvas, 0x123456); }
    void TearDown() override { FreePicture(picture); }
};

// A 3 x 2 picture whose every pixel differs: 0xRR00CC with row RR, column CC.
void MakeNumberedPicture(Picture& picture) {
    ASSERT_TRUE(FillPicture(picture, 3, 2, 0));
    for (std::int32_t y = 0; y < 2; ++y)
        for (std::int32_t x = 0; x < 3; ++x) picture.pixels[y * 3 + x] = Pixel(y + 1) << 16 | Pixel(x + 1);
}

}  // namespace

TEST_F(CanvasTest, CopiesOpaqueAndClipsAtEveryEdge) {
    MakeNumberedPicture(picture);
    CopyPicture(*canvas, picture, 10, 20);
    EXPECT_EQ(CanvasPixel(*canvas, 10, 20), 0x010001u);
    EXPECT_EQ(CanvasPixel(*canvas, 12, 21), 0x020003u);
    EXPECT_EQ(CanvasPixel(*canvas, 13, 21), 0x123456u);
    EXPECT_EQ(CanvasPixel(*canvas, 10, 22), 0x123456u);

    // Negative corner: only the picture's bottom-right pixel lands, at (0,0).
    CopyPicture(*canvas, picture, -2, -1);
    EXPECT_EQ(CanvasPixel(*canvas, 0, 0), 0x020003u);
    EXPECT_EQ(CanvasPixel(*canvas, 1, 0), 0x123456u);

    // Past the right and bottom edges: only the top-left pixel lands.
    CopyPicture(*canvas, picture, kCanvasWidth - 1, kCanvasHeight - 1);
    EXPECT_EQ(CanvasPixel(*canvas, kCanvasWidth - 1, kCanvasHeight - 1), 0x010001u);
}

TEST_F(CanvasTest, FarOffCanvasAndEmptyPicturesChangeNothing) {
    MakeNumberedPicture(picture);
    const auto before = std::make_unique<Canvas>(*canvas);
    const std::int32_t far[][2] = {{-3, 0}, {0, -2}, {800, 0}, {0, 600}, {-2147483647 - 1, 5},
                                   {2147483647, 2147483647}, {-14, -36}};
    for (const auto& at : far) CopyPicture(*canvas, picture, at[0], at[1]);
    Picture empty;
    CopyPicture(*canvas, empty, 0, 0);
    EXPECT_EQ(std::memcmp(before.get(), canvas.get(), sizeof(Canvas)), 0);
    EXPECT_EQ(CanvasPixel(*canvas, -1, 0), 0u);
}

TEST_F(CanvasTest, LoadsJpegIntoCanvasPixelsAndMissingFilesStayEmpty) {
    // A 4 x 2 JPEG: left half red, right half blue, top to bottom the same.
    FIBITMAP* image = FreeImage_Allocate(4, 2, 24);
    for (unsigned y = 0; y < 2; ++y) {
        BYTE* row = FreeImage_GetScanLine(image, y);
        for (unsigned x = 0; x < 4; ++x) {
            row[3 * x + FI_RGBA_RED] = x < 2 ? 255 : 0;
            row[3 * x + FI_RGBA_GREEN] = 0;
            row[3 * x + FI_RGBA_BLUE] = x < 2 ? 0 : 255;
        }
    }
    const char* path = "canvas_test_picture.jpg";
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, image, path, JPEG_QUALITYSUPERB | JPEG_SUBSAMPLING_444));
    FreeImage_Unload(image);

    ASSERT_TRUE(LoadJpegPicture(path, picture));
    std::remove(path);
    EXPECT_EQ(picture.width, 4);
    EXPECT_EQ(picture.height, 2);
    const auto red = [](Pixel p) { return (p >> 16) & 0xFF; };
    const auto blue = [](Pixel p) { return p & 0xFF; };
    EXPECT_GT(red(picture.pixels[0]), 200u);
    EXPECT_LT(blue(picture.pixels[0]), 60u);
    EXPECT_GT(blue(picture.pixels[7]), 200u);
    EXPECT_EQ(picture.pixels[0] >> 24, 0u);

    Picture missing;
    EXPECT_FALSE(LoadJpegPicture("no/such/picture.jpg", missing));
    EXPECT_TRUE(IsEmpty(missing));
    FILE* notJpeg = std::fopen("canvas_test_not.jpg", "wb");
    std::fputs("not a picture", notJpeg);
    std::fclose(notJpeg);
    EXPECT_FALSE(LoadJpegPicture("canvas_test_not.jpg", missing));
    EXPECT_TRUE(IsEmpty(missing));
    std::remove("canvas_test_not.jpg");
}

TEST_F(CanvasTest, WritesTheCanvasAsPng) {
    canvas->pixels[599][799] = 0xFF8000;
    const char* path = "canvas_test_shot.png";
    ASSERT_TRUE(WriteCanvasPng(*canvas, path));
    FIBITMAP* image = FreeImage_Load(FIF_PNG, path, 0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(image), 800u);
    RGBQUAD colour;
    FreeImage_GetPixelColor(image, 799, 0, &colour);   // FreeImage rows run bottom up
    EXPECT_EQ(colour.rgbRed, 0xFF);
    EXPECT_EQ(colour.rgbGreen, 0x80);
    FreeImage_GetPixelColor(image, 0, 599, &colour);
    EXPECT_EQ(colour.rgbBlue, 0x56);
    FreeImage_Unload(image);
    std::remove(path);
}
