#include "saves/slot_fields.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/number_text.h"

namespace {

constexpr int kMoneyDigits = 10;

// `value` rounded to `digits` significant digits as "[-]DDDe[-]X" with the
// mantissa's trailing zeros dropped. Returns the text's length.
std::size_t WholeMantissaText(double value, int digits, char* out, std::size_t capacity) {
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    const char* cursor = scientific;
    const bool negative = *cursor == '-';
    if (negative) ++cursor;
    char mantissa[kMoneyDigits];
    int count = 0;
    for (; *cursor != 'e'; ++cursor)
        if (*cursor != '.') mantissa[count++] = *cursor;
    const int exponent = std::atoi(cursor + 1);
    while (count > 1 && mantissa[count - 1] == '0') --count;
    return static_cast<std::size_t>(std::snprintf(out, capacity, "%s%.*se%d", negative ? "-" : "",
                                                  count, mantissa, exponent - (count - 1)));
}

}  // namespace

void EncodeIntegerField(i32 value, char* field) {
    std::memset(field, 0, kFieldSize);
    platform::FormatInteger(value, field, kFieldSize);
}

void EncodeMoneyField(double value, char* field) {
    std::memset(field, 0, kFieldSize);
    char text[platform::kMoneyTextMax + 1];
    const std::size_t length = platform::FormatMoney(value, text, sizeof text);
    if (length < kFieldSize) {
        std::memcpy(field, text, length);
        return;
    }
    // Keep ten digits where they fit (up to about 10^109); past that, fewer.
    for (int digits = kMoneyDigits; digits >= 1; --digits) {
        char compact[32];
        const std::size_t compactLength = WholeMantissaText(value, digits, compact, sizeof compact);
        if (compactLength < kFieldSize) {
            std::memcpy(field, compact, compactLength);
            return;
        }
    }
}

i32 DecodeIntegerField(const char* field, std::size_t available) {
    return platform::ParseInteger(field, available < kFieldSize ? available : kFieldSize);
}

double DecodeMoneyField(const char* field) {
    return platform::ParseReal(field, kFieldSize);
}
