#pragma once
// The window's picture: 800 x 600 pixels of 32 bits (0x00RRGGBB). It is the
// game's only drawing surface and it persists between paints: nothing is
// cleared unless someone draws over it.

#include <cstdint>

namespace platform {

inline constexpr std::int32_t kCanvasWidth = 800;
inline constexpr std::int32_t kCanvasHeight = 600;

using Pixel = std::uint32_t;   // 0x00RRGGBB

struct Picture;

struct Canvas {
    Pixel pixels[kCanvasHeight][kCanvasWidth];
};

// Paints every pixel with one colour.
void FillCanvas(Canvas& canvas, Pixel colour);

// Copies a whole picture with its top-left corner at (x, y): opaque, not
// scaled, clipped to the canvas. An empty picture changes nothing.
void CopyPicture(Canvas& canvas, const Picture& picture, std::int32_t x, std::int32_t y);

// The pixel at (x, y); 0 outside the canvas.
Pixel CanvasPixel(const Canvas& canvas, std::int32_t x, std::int32_t y);

}  // namespace platform
