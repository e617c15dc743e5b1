#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <string>

#include "saves/slot_fields.h"

namespace {

// Encodes into a field followed by a guard byte that must stay untouched.
template <class Value>
std::string Encoded(void (*encode)(Value, char*), Value value) {
    char field[kFieldSize + 1];
    std::memset(field, '#', sizeof field);
    encode(value, field);
    EXPECT_EQ(field[kFieldSize], '#') << "wrote past the field";
    return std::string(field, kFieldSize);
}

// `text`, its NUL and zero filler to 15 bytes.
std::string Padded(const std::string& text) { return text + std::string(kFieldSize - text.size(), '\0'); }

TEST(SlotFields, NumbersAreTextWithANulAndZeroFiller) {
    const struct { i32 value; const char* text; } integers[] = {
        {0, "0"}, {-1, "-1"}, {1908, "1908"}, {INT_MIN, "-2147483648"}, {INT_MAX, "2147483647"},
    };
    for (const auto& c : integers) EXPECT_EQ(Encoded(EncodeIntegerField, c.value), Padded(c.text)) << c.text;
    const struct { double value; const char* text; } money[] = {
        {100000.0, "100000."}, {1234567890.0, "1234567890"}, {1e10, "1.e+010"}, {-25.5, "-25.5"}, {0.0, "0."},
    };
    for (const auto& c : money) {
        EXPECT_EQ(Encoded(EncodeMoneyField, c.value), Padded(c.text)) << c.text;
        EXPECT_EQ(DecodeMoneyField(Padded(c.text).c_str()), c.value) << c.text;
    }
}

TEST(SlotFields, LargeMoneyStillEndsInsideItsFieldAndReadsBack) {
    // Their usual texts ("-1.234567891e+015") would run to 15 bytes and more.
    const struct {
        double saved;
        double read;  // the saved value to ten significant digits where they fit
    } cases[] = {
        {12345678901.0, 12345678900.0},
        {-12345678912.0, -12345678910.0},
        {-1234567891234567.0, -1234567891000000.0},
        {-9.9e12, -9.9e12},
        {0.0123456789, 0.0123456789},
        {DBL_MAX, DBL_MAX},
        // Where even ten digits with a whole mantissa are too long, fewer.
        {-1.234567891e-300, -1.2345679e-300},
        {-DBL_MAX, -1.79769313e308},
    };
    for (const auto& c : cases) {
        const std::string field = Encoded(EncodeMoneyField, c.saved);
        const std::size_t end = field.find('\0');
        ASSERT_NE(end, std::string::npos) << c.saved;
        EXPECT_EQ(field.find_first_not_of('\0', end), std::string::npos) << c.saved;
        EXPECT_EQ(DecodeMoneyField(field.data()), c.read) << field.c_str();
    }
}

TEST(SlotFields, ReadingStopsAtTheEndOfTheNumberAndOfTheField) {
    // Fifteen bytes are read at most, and values saturate instead of wrapping.
    const struct { const char* field; i32 value; } integers[] = {
        {"42\0" "17\0\0\0\0\0\0\0\0\0\0", 42}, {"  -7\0\0\0\0\0\0\0\0\0\0\0", -7},
        {"+12\0\0\0\0\0\0\0\0\0\0\0\0", 12},   {"12abc\0\0\0\0\0\0\0\0\0\0", 12},
        {"\0" "99\0\0\0\0\0\0\0\0\0\0\0\0", 0}, {"               ", 0},
        {"0000000000001239999", 123},          {"999999999999999", INT_MAX},
        {"-00000000000004", -4},               {"4294967297\0\0\0\0\0", INT_MAX},
        {"75.5\0\0\0\0\0\0\0\0\0\0\0", 75},
    };
    for (const auto& c : integers) EXPECT_EQ(DecodeIntegerField(c.field), c.value) << c.field;
    const struct { const char* field; double value; } money[] = {
        {"               ", 0.0}, {"2.5e+002\0\0\0\0\0\0\0", 250.0}, {"75.5\0\0\0\0\0\0\0\0\0\0\0", 75.5},
        {"123456789012345" "e5", 123456789012345.0}, {"inf\0\0\0\0\0\0\0\0\0\0\0\0", 0.0},
    };
    for (const auto& c : money) EXPECT_EQ(DecodeMoneyField(c.field), c.value) << c.field;
    // Part of a field, as at the end of a short file.
    EXPECT_EQ(DecodeIntegerField("1234", 2), 12);
    EXPECT_EQ(DecodeIntegerField("1234", 0), 0);
}

}  // namespace
