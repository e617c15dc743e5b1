#pragma once
// The picture files the build generates, decoded for tests that look at
// what a player sees: pixels, and the extent of what stands out from a
// background colour.

#include <vector>

#include <gtest/gtest.h>

#include "model/records.h"

struct Picture {
    i32 Width = 0;
    i32 Height = 0;
    std::vector<unsigned char> Rgb;   // top row first

    const unsigned char* At(i32 x, i32 y) const {
        return &Rgb[static_cast<std::size_t>((y * Width + x) * 3)];
    }
};

// The picture file of a PictureId, decoded with the accurate decoder so that
// what is compared is the file and not the rounding of the fast one; empty
// when the file is missing or no JPEG.
Picture DecodePicture(i32 id);

// Whether a decoded pixel differs plainly from a reference colour, beyond
// JPEG noise.
bool Differs(const unsigned char* a, const unsigned char* b);

// An inclusive box of pixels; empty (Right < Left) when nothing was found.
struct Extent {
    i32 Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1;
    i32 Width() const { return Right - Left + 1; }
    i32 Height() const { return Bottom - Top + 1; }
};

// Pixels of a picture inside a box (picture coordinates) that differ from
// `paper`, as one bounding box.
Extent InkWithin(const Picture& p, i32 left, i32 top, i32 right, i32 bottom, const unsigned char* paper);

// `p`, the decoded picture of `id`, when it has pixels to index; when its
// file was missing, empty or no JPEG, an exception naming the file, which
// fails the test reading it instead of letting it read past an empty buffer.
const Picture& WithPixels(const Picture& p, i32 id);

// Tests that look at the generated pictures: every picture of the catalogue,
// decoded once for the whole run. Getting one whose file was missing or
// unreadable fails the test, naming the file.
class DecodedPictures : public testing::Test {
public:
    static const Picture& Get(i32 id);
};
