#include "platform/number_text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace platform {
namespace {

// Copies `text` of `length` bytes into out[0..capacity) with a NUL after it
// when there is room.
std::size_t Emit(const char* text, std::size_t length, char* out, std::size_t capacity) {
    std::memcpy(out, text, length < capacity ? length : capacity);
    if (length < capacity) out[length] = '\0';
    return length;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::size_t FormatInteger(std::int32_t value, char* out, std::size_t capacity) {
    // Straight into a buffer that holds any number and its NUL: saved games
    // write some three thousand numbers at a time.
    if (capacity > kIntegerTextMax) {
        char* const end = std::to_chars(out, out + capacity, value).ptr;
        *end = '\0';
        return static_cast<std::size_t>(end - out);
    }
    char text[kIntegerTextMax + 1];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return Emit(text, static_cast<std::size_t>(result.ptr - text), out, capacity);
}

std::size_t FormatMoney(double value, char* out, std::size_t capacity) {
    if (!std::isfinite(value)) value = 0.0;
    char text[kMoneyTextMax + 8];
    std::size_t length = 0;
    if (value == 0.0) {
        text[length++] = '0';
        text[length++] = '.';
        return Emit(text, length, out, capacity);
    }
    // Ten significant digits, rounded once by the C library.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.9e", value);
    const char* cursor = scientific;
    const bool negative = *cursor == '-';
    if (negative) ++cursor;
    char digits[10];
    digits[0] = *cursor++;
    ++cursor;  // the point
    for (int i = 1; i < 10; ++i) digits[i] = *cursor++;
    ++cursor;  // 'e'
    const int exponent = std::atoi(cursor);
    int significant = 10;
    while (significant > 1 && digits[significant - 1] == '0') --significant;

    if (negative) text[length++] = '-';
    if (exponent >= -1 && exponent < 10) {
        if (exponent == -1) {
            text[length++] = '0';
            text[length++] = '.';
            for (int i = 0; i < significant; ++i) text[length++] = digits[i];
        } else {
            const int integerDigits = exponent + 1;
            for (int i = 0; i < integerDigits; ++i) text[length++] = digits[i];
            if (integerDigits < 10) {
                text[length++] = '.';
                for (int i = integerDigits; i < significant; ++i) text[length++] = digits[i];
            }
        }
    } else {
        text[length++] = digits[0];
        text[length++] = '.';
        for (int i = 1; i < significant; ++i) text[length++] = digits[i];
        length += static_cast<std::size_t>(
            std::snprintf(text + length, sizeof text - length, "e%c%03d",
                          exponent < 0 ? '-' : '+', std::abs(exponent)));
    }
    return Emit(text, length, out, capacity);
}

std::int32_t ParseInteger(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < length && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;  // saturate, keep reading digits
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

bool IsPlainInteger(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && text[i] == ' ') ++i;
    if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t firstDigit = i;
    while (i < length && IsDigit(text[i])) ++i;
    if (i == firstDigit) return false;
    while (i < length && text[i] == ' ') ++i;
    return i == length;
}

double ParseReal(const char* text, std::size_t length) {
    // Copy the longest prefix that has the shape of a decimal number, so that
    // the C library never sees bytes past the field or words like "inf".
    char number[64];
    std::size_t used = 0;
    std::size_t i = 0;
    auto take = [&](char c) {
        if (used + 1 < sizeof number) number[used++] = c;
    };
    while (i < length && IsSpace(text[i])) ++i;
    if (i < length && (text[i] == '+' || text[i] == '-')) take(text[i++]);
    bool anyDigit = false;
    for (; i < length && IsDigit(text[i]); ++i, anyDigit = true) take(text[i]);
    if (i < length && text[i] == '.') {
        take(text[i++]);
        for (; i < length && IsDigit(text[i]); ++i, anyDigit = true) take(text[i]);
    }
    if (!anyDigit) return 0.0;
    if (i + 1 < length && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < length && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < length && IsDigit(text[j])) {
            for (; i < j; ++i) take(text[i]);
            for (; i < length && IsDigit(text[i]); ++i) take(text[i]);
        }
    }
    number[used] = '\0';
    const double value = std::strtod(number, nullptr);
    if (!std::isfinite(value)) return value < 0 ? -DBL_MAX : DBL_MAX;
    return value;
}

}  // namespace platform
