#pragma once
// The picture files the build generated into Data/Img, decoded once for
// every test that looks at them.

#include <gtest/gtest.h>

#include <vector>

#include "model/records.h"

struct Picture {
    i32 Width = 0;
    i32 Height = 0;
    std::vector<unsigned char> Rgb;   // top row first

    const unsigned char* At(i32 x, i32 y) const { return &Rgb[static_cast<std::size_t>((y * Width + x) * 3)]; }
};

class DecodedPictures : public testing::Test {
protected:
    // Every picture of the catalogue; a missing or unreadable file is empty.
    static const Picture& Get(i32 id);
};
