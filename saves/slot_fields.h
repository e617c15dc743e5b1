#pragma once
// One field of a slot file: 15 bytes holding a whole number, an amount of
// money or a name. Numbers are decimal text ended by a NUL; the bytes after
// the NUL are zeros. Readers take a number's text from the field's own 15
// bytes and never beyond.

#include <cstddef>

#include "model/records.h"

inline constexpr std::size_t kFieldSize = 15;
// Bytes of a name that a field carries; the sixteenth stays in the record.
inline constexpr std::size_t kNameFieldBytes = kFieldSize;

// "-2147483648" at the longest.
void EncodeIntegerField(i32 value, char* field);

// Ten significant digits: "100000.", "1234567890", "1.e+010". An amount
// whose usual text would not leave room for the NUL (from 10^10 with nine or
// more significant digits) is written as the same ten-digit value with a
// whole-number mantissa ("123456789e2"), which every reader of decimal text
// takes back unchanged.
void EncodeMoneyField(double value, char* field);

// Reads the number at the start of field[0..available), available <= 15:
// white space, sign, digits; saturates at the 32-bit limits.
i32 DecodeIntegerField(const char* field, std::size_t available = kFieldSize);

// Reads a decimal real (sign, digits, point, exponent) from the field; the
// result is always finite.
double DecodeMoneyField(const char* field);
