#pragma once
// A plain RGB picture in memory and the drawing operations the picture
// generator is made of: flat and graded fills, anti-aliased polygons,
// ellipses and strokes, copies between pictures. Coordinates are pixels with
// (0, 0) at the top left; shapes take double coordinates for sub-pixel edges.

#include <cstdint>
#include <vector>

#include "presentation/rect.h"

namespace art {

struct Rgb {
    std::uint8_t R;
    std::uint8_t G;
    std::uint8_t B;

    friend constexpr bool operator==(Rgb a, Rgb b) { return a.R == b.R && a.G == b.G && a.B == b.B; }
};

// Linear mix: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Darker(Rgb c, double amount);    // towards black
Rgb Lighter(Rgb c, double amount);   // towards white

struct Vec {
    double X;
    double Y;
};

// The rectangle's centre, in the double coordinates shapes are drawn in.
constexpr double CentreX(const Rect& r) { return (r.Left + r.Right + 1) / 2.0; }
constexpr double CentreY(const Rect& r) { return (r.Top + r.Bottom + 1) / 2.0; }
// The rectangle moved out by `by` pixels on every side (in, when negative).
constexpr Rect Grown(const Rect& r, int by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect Bounds() const { return {0, 0, width_ - 1, height_ - 1}; }
    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const std::vector<Rgb>& Pixels() const { return pixels_; }

    // Pixels outside the canvas are ignored.
    void Set(int x, int y, Rgb c);
    void Blend(int x, int y, Rgb c, double alpha);

    void Fill(Rect b, Rgb c);
    void FillVertical(Rect b, Rgb top, Rgb bottom);     // top colour at Top, bottom at Bottom
    void FillHorizontal(Rect b, Rgb left, Rgb right);
    void Frame(Rect b, int thickness, Rgb c);          // border inside the box

    // Anti-aliased shapes. A polygon is filled with the non-zero rule.
    void Polygon(const std::vector<Vec>& points, Rgb c, double alpha = 1.0);
    void Ellipse(double cx, double cy, double rx, double ry, Rgb c, double alpha = 1.0);
    void RoundRect(double left, double top, double right, double bottom, double radius, Rgb c,
                   double alpha = 1.0);
    // The same shapes graded from `top` at their highest point to `bottom` at their lowest.
    void PolygonVertical(const std::vector<Vec>& points, Rgb top, Rgb bottom, double alpha = 1.0);
    void RoundRectVertical(double left, double top, double right, double bottom, double radius, Rgb c,
                           Rgb lower, double alpha = 1.0);
    void Line(Vec a, Vec b, double width, Rgb c, double alpha = 1.0);   // round caps
    void Polyline(const std::vector<Vec>& points, double width, Rgb c, double alpha = 1.0);
    void Ring(double cx, double cy, double r, double width, Rgb c, double alpha = 1.0);

    // Copies `source` with its top-left at (x, y) (clipped).
    void Paste(const Canvas& source, int x, int y);
    // The part of this picture inside the box.
    Canvas Cut(Rect b) const;
    // A smaller copy (area average); used for body-type pictures and icons.
    Canvas Scaled(int width, int height) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Points of an ellipse or an arc (angles in degrees, 0 = right, clockwise on screen).
std::vector<Vec> EllipsePoints(double cx, double cy, double rx, double ry, int segments = 48);
std::vector<Vec> ArcPoints(double cx, double cy, double rx, double ry, double from, double to,
                           int segments = 24);

// A polygon graded from `top` at row topY to `bottom` at row bottomY; the
// rows may lie beyond the polygon (they are not clipped to it).
void PolygonGraded(Canvas& canvas, const std::vector<Vec>& points, double topY, Rgb top, double bottomY, Rgb bottom);

}  // namespace art
