// The two drawing operations and the numbers-as-text rule.

#include <cstring>

#include "platform/number_text.h"
#include "presentation/paint.h"

void Paint::Drawing(platform::Canvas& canvas, i32 picture, i32 x, i32 y) {
    platform::CopyPicture(canvas, PhotoOf(picture), x, y);
}

void Paint::DrawTextA(platform::Canvas& canvas, i32 x, i32 y, char axis, i32 step, i32 count, char dir,
                      char font, TextSpan text, i32 first) {
    if (count <= 0) return;
    const i32 textStep = dir == DIR_FORWARD ? 1 : dir == DIR_BACKWARD ? -1 : 0;
    if (textStep == 0) {
        // Neither text nor pen moves: every cell is the same opaque copy.
        if (first >= 0 && first < text.size) Drawing(canvas, GlyphPicture(font, text.data[first]), x, y);
        return;
    }
    const i32 penStep = textStep * step;   // wraps like the game's other 32-bit sums
    i32 at = first;
    for (i32 cell = 0; cell < count; ++cell) {
        if (at >= 0 && at < text.size) Drawing(canvas, GlyphPicture(font, text.data[at]), x, y);
        at += textStep;
        if (axis == AXIS_X) x += penStep;
        if (axis == AXIS_Y) y += penStep;
        // Past the end of the text in the direction of the run: all blank.
        if (textStep > 0 ? at >= text.size : at < 0) break;
    }
}

namespace {

// A painter's number buffer: spaces, then the number's text from the first
// character with a NUL after it. It is wide enough for every money text,
// so no amount overflows it.
constexpr std::size_t kBufferRoom = platform::kMoneyTextMax + 1;
static_assert(platform::kIntegerTextMax < kBufferRoom);
struct NumberBuffer {
    char text[kBufferRoom];
    i32 length;
};

void DrawNumberText(platform::Canvas& canvas, i32 x, i32 y, i32 step, i32 cells, char font,
                    const NumberBuffer& number, TextAlign align) {
    const TextSpan text(number.text, static_cast<i32>(kBufferRoom));
    if (align == ALIGN_LEFT) {
        Paint::DrawTextA(canvas, x, y, AXIS_X, step, cells, DIR_FORWARD, font, text, 0);
    } else {
        Paint::DrawTextA(canvas, x, y, AXIS_X, step, cells, DIR_BACKWARD, font, text, number.length - 1);
    }
}

}  // namespace

void Paint::DrawInteger(platform::Canvas& canvas, i32 x, i32 y, i32 step, i32 cells, char font, i32 value,
                        TextAlign align) {
    NumberBuffer number;
    std::memset(number.text, ' ', sizeof number.text);
    number.length = static_cast<i32>(platform::FormatInteger(value, number.text, sizeof number.text));
    DrawNumberText(canvas, x, y, step, cells, font, number, align);
}

void Paint::DrawMoney(platform::Canvas& canvas, i32 x, i32 y, i32 step, i32 cells, char font, double value,
                      TextAlign align) {
    NumberBuffer number;
    std::memset(number.text, ' ', sizeof number.text);
    const std::size_t length = platform::FormatMoney(value, number.text, sizeof number.text);
    number.length = static_cast<i32>(length < sizeof number.text ? length : sizeof number.text);
    DrawNumberText(canvas, x, y, step, cells, font, number, align);
}

void Paint::DrawInteger(platform::Canvas& canvas, const TextAnchor& at, i32 value) {
    DrawInteger(canvas, at.X, at.Y, at.Step, at.Cells, at.Font, value, at.Align);
}

void Paint::DrawMoney(platform::Canvas& canvas, const TextAnchor& at, double value) {
    DrawMoney(canvas, at.X, at.Y, at.Step, at.Cells, at.Font, value, at.Align);
}

void Paint::DrawText(platform::Canvas& canvas, const TextAnchor& at, TextSpan text) {
    DrawTextA(canvas, at.X, at.Y, at.Axis, at.Step, at.Cells, DIR_FORWARD, at.Font, text);
}

void Paint::DrawWord(platform::Canvas& canvas, const TextAnchor& at, const PlacedWord& word) {
    if (word.Text == nullptr) return;
    const auto letters = static_cast<i32>(std::strlen(word.Text));
    const i32 cells = at.Cells > 0 ? at.Cells : letters;
    DrawTextA(canvas, at.X != 0 ? at.X : word.X, at.Y, at.Axis, at.Step, cells, DIR_FORWARD, at.Font,
              TextSpan(word.Text, letters));
}

void Paint::DrawWord(platform::Canvas& canvas, const TextAnchor& at, const char* word) {
    DrawWord(canvas, at, PlacedWord{word, at.X});
}
