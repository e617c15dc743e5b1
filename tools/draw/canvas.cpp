#include "draw/canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {
namespace {

std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

struct Edge {
    double X0, Y0, X1, Y1;
    int Winding;
};

constexpr int kSubRows = 5;

// Fills the union of closed contours with the non-zero rule, anti-aliased by
// sub-scanlines with exact horizontal coverage.
void FillContours(Canvas& canvas, const std::vector<std::vector<Vec>>& contours, Rgb c, double alpha,
                  Rgb bottom = {0, 0, 0}, bool graded = false) {
    std::vector<Edge> edges;
    double minY = 1e9, maxY = -1e9, minX = 1e9, maxX = -1e9;
    for (const auto& contour : contours) {
        const std::size_t n = contour.size();
        if (n < 3) continue;
        for (std::size_t i = 0; i < n; ++i) {
            const Vec a = contour[i];
            const Vec b = contour[(i + 1) % n];
            minY = std::min(minY, a.Y);
            maxY = std::max(maxY, a.Y);
            minX = std::min(minX, a.X);
            maxX = std::max(maxX, a.X);
            if (a.Y == b.Y) continue;
            if (a.Y < b.Y) edges.push_back({a.X, a.Y, b.X, b.Y, 1});
            else edges.push_back({b.X, b.Y, a.X, a.Y, -1});
        }
    }
    if (edges.empty()) return;
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(canvas.Height() - 1, static_cast<int>(std::ceil(maxY)));
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(canvas.Width() - 1, static_cast<int>(std::ceil(maxX)));
    if (x0 > x1) return;
    std::vector<double> cover(static_cast<std::size_t>(x1 - x0 + 2), 0.0);
    std::vector<std::pair<double, int>> crossings;
    for (int y = y0; y <= y1; ++y) {
        std::fill(cover.begin(), cover.end(), 0.0);
        bool any = false;
        for (int s = 0; s < kSubRows; ++s) {
            const double sy = y + (s + 0.5) / kSubRows;
            crossings.clear();
            for (const Edge& e : edges) {
                if (sy < e.Y0 || sy >= e.Y1) continue;
                const double t = (sy - e.Y0) / (e.Y1 - e.Y0);
                crossings.push_back({e.X0 + t * (e.X1 - e.X0), e.Winding});
            }
            if (crossings.empty()) continue;
            std::sort(crossings.begin(), crossings.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                if (winding == 0) continue;
                const double a = std::max(crossings[i].first, static_cast<double>(x0));
                const double b = std::min(crossings[i + 1].first, static_cast<double>(x1 + 1));
                if (b <= a) continue;
                any = true;
                const int ia = static_cast<int>(std::floor(a));
                const int ib = static_cast<int>(std::floor(b));
                if (ia == ib) {
                    cover[static_cast<std::size_t>(ia - x0)] += (b - a) / kSubRows;
                    continue;
                }
                cover[static_cast<std::size_t>(ia - x0)] += (ia + 1 - a) / kSubRows;
                for (int x = ia + 1; x < ib; ++x) cover[static_cast<std::size_t>(x - x0)] += 1.0 / kSubRows;
                if (ib <= x1) cover[static_cast<std::size_t>(ib - x0)] += (b - ib) / kSubRows;
            }
        }
        if (!any) continue;
        const Rgb row = graded ? Mix(c, bottom, std::clamp((y + 0.5 - minY) / std::max(1.0, maxY - minY), 0.0, 1.0)) : c;
        for (int x = x0; x <= x1; ++x) {
            const double k = std::min(1.0, cover[static_cast<std::size_t>(x - x0)]);
            if (k > 0.0) canvas.Blend(x, y, row, k * alpha);
        }
    }
}

std::vector<Vec> Capsule(Vec a, Vec b, double width) {
    const double r = width / 2.0;
    const double angle = std::atan2(b.Y - a.Y, b.X - a.X) * 180.0 / std::numbers::pi;
    std::vector<Vec> points = ArcPoints(b.X, b.Y, r, r, angle - 90.0, angle + 90.0, 8);
    const std::vector<Vec> tail = ArcPoints(a.X, a.Y, r, r, angle + 90.0, angle + 270.0, 8);
    points.insert(points.end(), tail.begin(), tail.end());
    return points;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {Channel(a.R + (b.R - a.R) * t), Channel(a.G + (b.G - a.G) * t), Channel(a.B + (b.B - a.B) * t)};
}
Rgb Darker(Rgb c, double amount) { return Mix(c, {0, 0, 0}, amount); }
Rgb Lighter(Rgb c, double amount) { return Mix(c, {255, 255, 255}, amount); }

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Canvas::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0) return;
    Rgb& p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    p = alpha >= 1.0 ? c : Mix(p, c, alpha);
}

void Canvas::Fill(Rect b, Rgb c) {
    for (int y = std::max(0, b.Top); y <= std::min(height_ - 1, b.Bottom); ++y)
        for (int x = std::max(0, b.Left); x <= std::min(width_ - 1, b.Right); ++x)
            pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Canvas::FillVertical(Rect b, Rgb top, Rgb bottom) {
    const int h = std::max(1, b.Height() - 1);
    for (int y = b.Top; y <= b.Bottom; ++y)
        Fill({b.Left, y, b.Right, y}, Mix(top, bottom, static_cast<double>(y - b.Top) / h));
}

void Canvas::FillHorizontal(Rect b, Rgb left, Rgb right) {
    const int w = std::max(1, b.Width() - 1);
    for (int x = b.Left; x <= b.Right; ++x)
        Fill({x, b.Top, x, b.Bottom}, Mix(left, right, static_cast<double>(x - b.Left) / w));
}

void Canvas::Frame(Rect b, int thickness, Rgb c) {
    Fill({b.Left, b.Top, b.Right, b.Top + thickness - 1}, c);
    Fill({b.Left, b.Bottom - thickness + 1, b.Right, b.Bottom}, c);
    Fill({b.Left, b.Top, b.Left + thickness - 1, b.Bottom}, c);
    Fill({b.Right - thickness + 1, b.Top, b.Right, b.Bottom}, c);
}

void Canvas::Polygon(const std::vector<Vec>& points, Rgb c, double alpha) {
    FillContours(*this, {points}, c, alpha);
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, Rgb c, double alpha) {
    const int segments = std::clamp(static_cast<int>(std::max(rx, ry) * 2.0), 16, 160);
    FillContours(*this, {EllipsePoints(cx, cy, rx, ry, segments)}, c, alpha);
}

void Canvas::RoundRect(double left, double top, double right, double bottom, double radius, Rgb c,
                       double alpha) {
    RoundRectVertical(left, top, right, bottom, radius, c, c, alpha);
}

void Canvas::PolygonVertical(const std::vector<Vec>& points, Rgb top, Rgb bottom, double alpha) {
    FillContours(*this, {points}, top, alpha, bottom, true);
}

void Canvas::RoundRectVertical(double left, double top, double right, double bottom, double radius, Rgb c,
                               Rgb lower, double alpha) {
    radius = std::min({radius, (right - left) / 2.0, (bottom - top) / 2.0});
    if (radius <= 0.0) {
        FillContours(*this, {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}}, c, alpha, lower, true);
        return;
    }
    std::vector<Vec> p;
    const auto corner = [&](double cx, double cy, double from) {
        const auto arc = ArcPoints(cx, cy, radius, radius, from, from + 90.0, 6);
        p.insert(p.end(), arc.begin(), arc.end());
    };
    corner(right - radius, top + radius, 270.0);
    corner(right - radius, bottom - radius, 0.0);
    corner(left + radius, bottom - radius, 90.0);
    corner(left + radius, top + radius, 180.0);
    FillContours(*this, {p}, c, alpha, lower, true);
}

void Canvas::Line(Vec a, Vec b, double width, Rgb c, double alpha) {
    FillContours(*this, {Capsule(a, b, width)}, c, alpha);
}

void Canvas::Polyline(const std::vector<Vec>& points, double width, Rgb c, double alpha) {
    std::vector<std::vector<Vec>> capsules;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) capsules.push_back(Capsule(points[i], points[i + 1], width));
    FillContours(*this, capsules, c, alpha);
}

void Canvas::Ring(double cx, double cy, double r, double width, Rgb c, double alpha) {
    const int segments = std::clamp(static_cast<int>(r * 2.0), 16, 160);
    std::vector<Vec> inner = EllipsePoints(cx, cy, r - width / 2.0, r - width / 2.0, segments);
    std::reverse(inner.begin(), inner.end());
    FillContours(*this, {EllipsePoints(cx, cy, r + width / 2.0, r + width / 2.0, segments), inner}, c, alpha);
}

void Canvas::Paste(const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.height_; ++sy)
        for (int sx = 0; sx < source.width_; ++sx) Set(x + sx, y + sy, source.At(sx, sy));
}

Canvas Canvas::Cut(Rect b) const {
    Canvas out(b.Width(), b.Height(), {0, 0, 0});
    for (int y = 0; y < out.height_; ++y)
        for (int x = 0; x < out.width_; ++x) {
            const int sx = std::clamp(b.Left + x, 0, width_ - 1);
            const int sy = std::clamp(b.Top + y, 0, height_ - 1);
            out.Set(x, y, At(sx, sy));
        }
    return out;
}

Canvas Canvas::Scaled(int width, int height) const {
    Canvas out(width, height, {0, 0, 0});
    const double fx = static_cast<double>(width_) / width;
    const double fy = static_cast<double>(height_) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double sx0 = x * fx, sx1 = (x + 1) * fx, sy0 = y * fy, sy1 = (y + 1) * fy;
            double r = 0, g = 0, b = 0, total = 0;
            for (int iy = static_cast<int>(sy0); iy < std::min(height_, static_cast<int>(std::ceil(sy1))); ++iy) {
                const double wy = std::min(sy1, iy + 1.0) - std::max(sy0, static_cast<double>(iy));
                for (int ix = static_cast<int>(sx0); ix < std::min(width_, static_cast<int>(std::ceil(sx1))); ++ix) {
                    const double w = wy * (std::min(sx1, ix + 1.0) - std::max(sx0, static_cast<double>(ix)));
                    const Rgb p = At(ix, iy);
                    r += p.R * w;
                    g += p.G * w;
                    b += p.B * w;
                    total += w;
                }
            }
            if (total > 0) out.Set(x, y, {Channel(r / total), Channel(g / total), Channel(b / total)});
        }
    }
    return out;
}

std::vector<Vec> EllipsePoints(double cx, double cy, double rx, double ry, int segments) {
    std::vector<Vec> p;
    p.reserve(static_cast<std::size_t>(segments));
    for (int i = 0; i < segments; ++i) {
        const double a = 2.0 * std::numbers::pi * i / segments;
        p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return p;
}

std::vector<Vec> ArcPoints(double cx, double cy, double rx, double ry, double from, double to, int segments) {
    std::vector<Vec> p;
    for (int i = 0; i <= segments; ++i) {
        const double a = (from + (to - from) * i / segments) * std::numbers::pi / 180.0;
        p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return p;
}

// The grading runs over the rows given, not over the shape's own extent, so
// shapes that differ in height share one grading where they overlap.
void PolygonGraded(Canvas& canvas, const std::vector<Vec>& points, double topY, Rgb top, double bottomY, Rgb bottom) {
    if (points.empty()) return;
    const Vec at = points.front();
    const std::vector<Vec> first(3, Vec{at.X, topY});
    const std::vector<Vec> last(3, Vec{at.X, bottomY});
    FillContours(canvas, {points, first, last}, top, 1.0, bottom, true);
}

}  // namespace art
