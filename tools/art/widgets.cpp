#include "art/widgets.h"

#include <algorithm>
#include <cmath>

#include "art/palette.h"

namespace art {
namespace {

Rgb KindColour(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::Action: return kAction;
    case ButtonKind::Quiet: return kQuiet;
    case ButtonKind::Off: return kOff;
    }
    return kAction;
}

void ButtonBase(Canvas& canvas, Rect box, ButtonKind kind) {
    const Rgb base = KindColour(kind);
    const double l = box.Left, t = box.Top, r = box.Right + 1.0, b = box.Bottom + 1.0;
    const double radius = std::min(5.0, std::min(box.Width(), box.Height()) / 4.0);
    canvas.RoundRect(l, t, r, b, radius, Darker(base, 0.45));
    canvas.RoundRectVertical(l + 1, t + 1, r - 1, b - 1, std::max(0.5, radius - 1), Lighter(base, 0.16),
                             Darker(base, 0.14));
    if (box.Height() > 12) canvas.Line({l + radius, t + 1.6}, {r - radius, t + 1.6}, 1.0, Lighter(base, 0.32), 0.7);
}

// The smallest word size a player reads at the game's own resolution.
constexpr int kLegibleSize = 11;

// The size, from `size` down to `least`, at which the text first fits in
// `width` (`least` when none does).
int ShrunkToFit(const std::string& text, Face face, int size, int least, int width) {
    while (size > least && TextWidth({face, size, kInk}, text) > width) --size;
    return size;
}

int FittingSize(const std::string& label, Rect box, Face face) {
    return ShrunkToFit(label, face, std::clamp(box.Height() * 11 / 20, kLegibleSize, 16), 8, box.Width() - 8);
}

// The word with a faint shadow under it that lifts it from the button.
void ButtonWord(Canvas& canvas, Rect box, const std::string& word, int size, ButtonKind kind) {
    const Face face = Face::SansBold;
    const Rgb ink = kind == ButtonKind::Off ? Lighter(kOff, 0.45) : kButtonText;
    Rect shadow = box;
    shadow.Top += 1;
    shadow.Bottom += 1;
    DrawTextCentred(canvas, {face, size, Darker(KindColour(kind), 0.5)}, shadow, word);
    DrawTextCentred(canvas, {face, size, ink}, box, word);
}

}  // namespace

void Button(Canvas& canvas, Rect box, const std::string& label, ButtonKind kind) {
    ButtonBase(canvas, box, kind);
    const Face face = Face::SansBold;
    int size = FittingSize(label, box, face);
    const std::size_t space = label.find(' ');
    // A label too long for a narrow button goes on two lines where the
    // button is tall enough, rather than shrinking below a legible size.
    if (size < kLegibleSize && space != std::string::npos && box.Height() >= 4 * kLegibleSize) {
        const std::string first = label.substr(0, space);
        const std::string second = label.substr(space + 1);
        size = std::min(FittingSize(first, box, face), FittingSize(second, box, face));
        size = std::min(size, box.Height() * 3 / 10);
        const int middle = (box.Top + box.Bottom) / 2;
        const int gap = size / 6;
        ButtonWord(canvas, {box.Left, box.Top + gap, box.Right, middle}, first, size, kind);
        ButtonWord(canvas, {box.Left, middle + 1, box.Right, box.Bottom - gap}, second, size, kind);
        return;
    }
    ButtonWord(canvas, box, label, size, kind);
}

void ArrowButton(Canvas& canvas, Rect box, Arrow arrow, ButtonKind kind) {
    ButtonBase(canvas, box, kind);
    const double cx = CentreX(box);
    const double cy = CentreY(box);
    // Small arrow buttons (the factory's destinations) take a larger share
    // of their face, so that the head reads at a glance.
    const int side = std::min(box.Width(), box.Height());
    const double s = std::max(2.5, side * (side < 10 ? 0.48 : side < 14 ? 0.4 : 0.3));
    std::vector<Vec> head;
    switch (arrow) {
    case Arrow::Left: head = {{cx - s * 0.8, cy}, {cx + s * 0.6, cy - s}, {cx + s * 0.6, cy + s}}; break;
    case Arrow::Right: head = {{cx + s * 0.8, cy}, {cx - s * 0.6, cy - s}, {cx - s * 0.6, cy + s}}; break;
    case Arrow::Up: head = {{cx, cy - s * 0.8}, {cx - s, cy + s * 0.6}, {cx + s, cy + s * 0.6}}; break;
    case Arrow::Down: head = {{cx, cy + s * 0.8}, {cx - s, cy - s * 0.6}, {cx + s, cy - s * 0.6}}; break;
    }
    canvas.Polygon(head, kButtonText);
}

void SignButton(Canvas& canvas, Rect box, bool plus, ButtonKind kind) {
    ButtonBase(canvas, box, kind);
    const double cx = CentreX(box);
    const double cy = CentreY(box);
    const double s = std::max(3.0, std::min(box.Width(), box.Height()) * 0.28);
    canvas.Line({cx - s, cy}, {cx + s, cy}, 2.2, kButtonText);
    if (plus) canvas.Line({cx, cy - s}, {cx, cy + s}, 2.2, kButtonText);
}

void DrawControl(Canvas& canvas, i32 control, ButtonKind kind) {
    const Control& c = ControlAt(control);
    const Rect box = c.Box;
    const std::string label = c.Label;
    if (label.empty()) Field(canvas, box);
    else if (label == "<") ArrowButton(canvas, box, Arrow::Left, kind);
    else if (label == ">") ArrowButton(canvas, box, Arrow::Right, kind);
    else if (label == "-") SignButton(canvas, box, false, kind);
    else if (label == "+") SignButton(canvas, box, true, kind);
    else Button(canvas, box, label, kind);
}

void Field(Canvas& canvas, Rect box) {
    canvas.Fill(box, kPaperLine);
    canvas.Fill(Grown(box, -1), kPaper);
}

void ChosenField(Canvas& canvas, Rect box, int left, int top, int right, int bottom) {
    canvas.Fill(box, kHighlight);
    canvas.Fill({box.Left + left, box.Top + top, box.Right - right, box.Bottom - bottom}, kPaper);
}

void Card(Canvas& canvas, Rect box, const std::string& title, int band, int edge) {
    canvas.Fill(box, kCardEdge);
    canvas.Fill(Grown(box, -edge), kPaper);
    if (band <= 0) return;
    const Rect head{box.Left + edge, box.Top + edge, box.Right - edge, box.Top + edge - 1 + band};
    canvas.FillVertical(head, {104, 80, 60}, {80, 60, 44});
    canvas.Fill({head.Left, head.Bottom + 1, head.Right, head.Bottom + 1}, kFooterEdge);
    const int size = std::min(18, band - 8);
    DrawTextCentred(canvas, {Face::SerifBold, size, kButtonText}, head, title);
}

void Words(Canvas& canvas, const std::string& text, double x, int baseline, int size, Align align,
           Rgb colour, Face face) {
    const TextStyle style{face, size, colour};
    switch (align) {
    case Align::Left: DrawText(canvas, style, x, baseline, text); break;
    case Align::Centre: DrawText(canvas, style, std::round(x - TextWidth(style, text) / 2.0), baseline, text); break;
    case Align::Right: DrawTextRight(canvas, style, x, baseline, text); break;
    }
}

void Heading(Canvas& canvas, const std::string& text, double x, int baseline, int size, Align align, Rgb colour) {
    Words(canvas, text, x, baseline, size, align, colour, Face::SerifBold);
}

void Sign(Canvas& canvas, Rect box, const std::string& text, Rgb plate, Rgb ink) {
    canvas.RoundRect(box.Left, box.Top, box.Right + 1.0, box.Bottom + 1.0, 2.0, Darker(plate, 0.4));
    canvas.RoundRect(box.Left + 1.0, box.Top + 1.0, box.Right, box.Bottom, 1.5, plate);
    const int size = ShrunkToFit(text, Face::SansBold, std::clamp(box.Height() - 6, kLegibleSize, 18), 7, box.Width() - 6);
    DrawTextCentred(canvas, {Face::SansBold, size, ink}, box, text);
}

void EnamelPlate(Canvas& canvas, Rect box, const std::string& text) {
    const Rgb enamel{30, 48, 92};
    const Rgb rim{236, 226, 196};
    const double l = box.Left, t = box.Top, r = box.Right + 1.0, b = box.Bottom + 1.0;
    canvas.RoundRect(l, t, r, b, 3.0, Darker(enamel, 0.5));
    canvas.RoundRect(l + 1, t + 1, r - 1, b - 1, 2.5, enamel);
    canvas.RoundRect(l + 2.5, t + 2.5, r - 2.5, b - 2.5, 2.0, rim);
    canvas.RoundRect(l + 3.5, t + 3.5, r - 3.5, b - 3.5, 1.5, enamel);
    const int size = ShrunkToFit(text, Face::SerifBold, std::clamp(box.Height() - 8, kLegibleSize, 14), kLegibleSize,
                                 box.Width() - 12);
    // The screws sit in the margin the letters leave at each end, where there is one.
    if (box.Width() - TextWidth({Face::SerifBold, size, rim}, text) >= 24) {
        const double cy = CentreY(box);
        for (const double x : {l + 6.0, r - 6.0}) {
            canvas.Ellipse(x, cy, 1.6, 1.6, rim);
            canvas.Line({x - 1.0, cy}, {x + 1.0, cy}, 0.7, Darker(enamel, 0.3));
        }
    }
    DrawTextCentred(canvas, {Face::SerifBold, size, rim}, box, text);
}

}  // namespace art
