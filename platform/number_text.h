#pragma once
// Numbers as text and text as numbers, in the forms the game draws and saves.

#include <cstddef>
#include <cstdint>

namespace platform {

// Longest text FormatInteger can produce ("-2147483648"), without terminator.
inline constexpr std::size_t kIntegerTextMax = 11;
// Longest text FormatMoney can produce ("-1.234567891e+100" is 17), without
// terminator; exponents never exceed three digits for a double.
inline constexpr std::size_t kMoneyTextMax = 17;

// Base-10 text of `value` into `out`, followed by a NUL when it fits.
// Writes at most `capacity` bytes; returns the text's length (without NUL).
std::size_t FormatInteger(std::int32_t value, char* out, std::size_t capacity);

// Money with 10 significant digits: "100000." for a whole amount below
// 10^9, "1234567890" for ten integer digits, "0.5" below one, and the
// exponent form "1.e+010" from 10^10 up and below 0.1. A NUL follows when
// it fits. Writes at most `capacity` bytes and returns the full text's
// length, which exceeds `capacity` when the text was cut.
std::size_t FormatMoney(double value, char* out, std::size_t capacity);

// Decimal integer at the start of text[0..length): leading white space,
// optional sign, digits up to the first other byte or a NUL. No digits give
// 0. Never reads past `length` and saturates at the 32-bit limits instead of
// wrapping.
std::int32_t ParseInteger(const char* text, std::size_t length);

// Whether text[0..length) is a number and nothing else: blanks, an optional
// sign, at least one digit, blanks. Only the space counts as a blank here.
bool IsPlainInteger(const char* text, std::size_t length);

// Decimal real number at the start of text[0..length): white space, sign,
// digits, an optional point and fraction, an optional exponent. No digits
// give 0. Never reads past `length`; the result is always finite.
double ParseReal(const char* text, std::size_t length);

}  // namespace platform
