#include "art/pointers.h"

#include "art/palette.h"
#include "draw/type.h"

namespace art {
namespace {

constexpr Rgb kOpaque{255, 255, 255};

void Shape(Sprite& s, const std::vector<Vec>& points, Rgb colour) {
    s.Colour.Polygon(points, colour);
    s.Alpha.Polygon(points, kOpaque);
}

void Disc(Sprite& s, double cx, double cy, double r, Rgb colour) {
    s.Colour.Ellipse(cx, cy, r, r, colour);
    s.Alpha.Ellipse(cx, cy, r, r, kOpaque);
}

Sprite Badge(int size) {
    Sprite s = EmptySprite(size);
    const double c = size / 2.0;
    Disc(s, c, c, c - 0.5, Darker(kFooterEdge, 0.3));
    Disc(s, c, c, c - size / 16.0 - 0.5, kAction);
    // A "V" made of two strokes, the game's initial.
    const double w = size * 0.11;
    s.Colour.Line({size * 0.3, size * 0.3}, {c, size * 0.72}, w, kButtonText);
    s.Colour.Line({size * 0.7, size * 0.3}, {c, size * 0.72}, w, kButtonText);
    return s;
}

}  // namespace

std::vector<Sprite> DrawIcon() { return {Badge(32), Badge(16)}; }

Sprite DrawArrowPointer() {
    Sprite s = EmptySprite(32);
    const std::vector<Vec> outline{{1, 1}, {1, 22}, {6.5, 17}, {10.5, 26}, {14, 24.5}, {10.2, 16}, {17, 16}};
    Shape(s, outline, {0, 0, 0});
    const std::vector<Vec> inner{{2.6, 4.8}, {2.6, 18.6}, {6.9, 14.6}, {11.1, 23.7}, {12, 23.2}, {7.9, 14.4}, {13.4, 14.4}};
    s.Colour.Polygon(inner, {255, 255, 255});
    return s;
}

Sprite DrawHandPointer() {
    Sprite s = EmptySprite(32);
    const Rgb outline{0, 0, 0};
    const Rgb skin{255, 255, 255};
    // The pointing finger, three folded fingers, the palm and the thumb.
    const auto finger = [&](double x, double top, double bottom, double width) {
        s.Colour.RoundRect(x - width / 2 - 1, top - 1, x + width / 2 + 1, bottom + 1, width / 2 + 1, outline);
        s.Alpha.RoundRect(x - width / 2 - 1, top - 1, x + width / 2 + 1, bottom + 1, width / 2 + 1, kOpaque);
    };
    finger(kHandHotX, kHandHotY + 1, 18, 5);
    finger(15, 11, 20, 5);
    finger(20, 12, 21, 5);
    finger(25, 13, 22, 5);
    s.Colour.RoundRect(6, 15, 28.5, 30, 5, outline);
    s.Alpha.RoundRect(6, 15, 28.5, 30, 5, kOpaque);
    s.Colour.Polygon({{6, 18}, {2, 14}, {0.5, 16}, {5, 24}, {8, 24}}, outline);
    s.Alpha.Polygon({{6, 18}, {2, 14}, {0.5, 16}, {5, 24}, {8, 24}}, kOpaque);
    // Fill inside the outlines.
    s.Colour.RoundRect(kHandHotX - 2.5 + 0.2, kHandHotY + 1.2, kHandHotX + 2.5 - 0.2, 18, 2.3, skin);
    for (double x : {15.0, 20.0, 25.0}) s.Colour.RoundRect(x - 2.3, 12.2, x + 2.3, 20, 2.3, skin);
    s.Colour.RoundRect(7.2, 16.2, 27.3, 28.8, 4, skin);
    s.Colour.Polygon({{7, 19}, {2.2, 15.6}, {1.8, 16.2}, {5.8, 22.8}, {8, 22.8}}, skin);
    return s;
}

}  // namespace art
