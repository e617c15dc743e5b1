#pragma once
// Text without a font engine: each character cell is the glyph picture of
// one byte, and the pen moves a fixed step per cell along one axis.

#include <cstddef>

#include "model/records.h"
#include "presentation/fonts.h"

enum TextAxis : char {
    AXIS_X = 'x',
    AXIS_Y = 'y',
};

enum TextDirection : char {
    DIR_FORWARD = '+',
    DIR_BACKWARD = '-',
};

// The characters a text run may read: `size` bytes from `data`. A cell that
// falls outside them is blank, so a run never reads past either end. Built
// from a character array it takes the array's whole size (the terminating
// NUL of a literal is blank anyway); there is no terminator search.
struct TextSpan {
    const char* data;
    i32 size;

    constexpr TextSpan(const char* text, i32 length) : data(text), size(text == nullptr ? 0 : length) {}
    template <std::size_t N>
    constexpr TextSpan(const char (&text)[N]) : data(text), size(static_cast<i32>(N)) {}
    template <std::size_t N>
    constexpr TextSpan(char (&text)[N]) : data(text), size(static_cast<i32>(N)) {}
};
