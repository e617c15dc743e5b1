#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>
#include <string>

#include "saves/slot_fields.h"

namespace {

std::string IntegerField(i32 value) {
    char field[kFieldSize + 1];
    std::memset(field, '#', sizeof field);
    EncodeIntegerField(value, field);
    EXPECT_EQ(field[kFieldSize], '#') << "wrote past the field";
    return std::string(field, kFieldSize);
}

std::string MoneyField(double value) {
    char field[kFieldSize + 1];
    std::memset(field, '#', sizeof field);
    EncodeMoneyField(value, field);
    EXPECT_EQ(field[kFieldSize], '#') << "wrote past the field";
    return std::string(field, kFieldSize);
}

// `text`, its NUL and zero filler to 15 bytes.
std::string Padded(const std::string& text) { return text + std::string(kFieldSize - text.size(), '\0'); }

}  // namespace

TEST(SlotFields, IntegersAreDecimalTextWithZeroFiller) {
    EXPECT_EQ(IntegerField(0), Padded("0"));
    EXPECT_EQ(IntegerField(-1), Padded("-1"));
    EXPECT_EQ(IntegerField(1908), Padded("1908"));
    EXPECT_EQ(IntegerField(INT_MIN), Padded("-2147483648"));  // its NUL in byte 11
    EXPECT_EQ(IntegerField(INT_MAX), Padded("2147483647"));
}

TEST(SlotFields, MoneyKeepsTenSignificantDigitsInTheGamesForms) {
    EXPECT_EQ(MoneyField(100000.0), Padded("100000."));  // NUL in byte 7
    EXPECT_EQ(MoneyField(1234567890.0), Padded("1234567890"));
    EXPECT_EQ(MoneyField(1e10), Padded("1.e+010"));
    EXPECT_EQ(MoneyField(-25.5), Padded("-25.5"));
    EXPECT_EQ(MoneyField(0.0), Padded("0."));
    EXPECT_EQ(DecodeMoneyField(Padded("1.e+010").c_str()), 1e10);
}

TEST(SlotFields, LargeMoneyStillEndsInsideItsFieldAndReadsBack) {
    // Their usual texts ("1.23456789e+010", "-9.9e+012" is short enough but
    // "-1.234567891e+015" is not) would run to 15 bytes and more.
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
        const std::string field = MoneyField(c.saved);
        ASSERT_NE(field.find('\0'), std::string::npos) << c.saved;
        EXPECT_EQ(DecodeMoneyField(field.data()), c.read) << field.c_str();
    }
    // The bytes after the NUL are zeros too.
    const std::string field = MoneyField(-12345678912.0);
    EXPECT_EQ(field.substr(field.find('\0')), std::string(kFieldSize - field.find('\0'), '\0'));
}

TEST(SlotFields, ReadingStopsAtTheEndOfTheNumberAndOfTheField) {
    EXPECT_EQ(DecodeIntegerField("42\0" "17\0\0\0\0\0\0\0\0\0\0"), 42);
    EXPECT_EQ(DecodeIntegerField("  -7\0\0\0\0\0\0\0\0\0\0\0"), -7);
    EXPECT_EQ(DecodeIntegerField("+12\0\0\0\0\0\0\0\0\0\0\0\0"), 12);
    EXPECT_EQ(DecodeIntegerField("12abc\0\0\0\0\0\0\0\0\0\0"), 12);
    EXPECT_EQ(DecodeIntegerField("\0" "99\0\0\0\0\0\0\0\0\0\0\0\0"), 0);
    EXPECT_EQ(DecodeIntegerField("               "), 0);
    EXPECT_EQ(DecodeMoneyField("               "), 0.0);
    // Fifteen digits and then more digits beyond the field: only the field counts,
    // and the value saturates instead of wrapping.
    EXPECT_EQ(DecodeIntegerField("0000000000001239999"), 123);
    EXPECT_EQ(DecodeIntegerField("999999999999999"), INT_MAX);
    EXPECT_EQ(DecodeIntegerField("-00000000000004"), -4);
    EXPECT_EQ(DecodeIntegerField("4294967297\0\0\0\0\0"), INT_MAX);
    EXPECT_EQ(DecodeMoneyField("100000.\0\0\0\0\0\0\0\0"), 100000.0);
    EXPECT_EQ(DecodeMoneyField("-25.5\0\0\0\0\0\0\0\0\0\0"), -25.5);
    EXPECT_EQ(DecodeMoneyField("2.5e+002\0\0\0\0\0\0\0"), 250.0);
    EXPECT_EQ(DecodeMoneyField("75.5\0\0\0\0\0\0\0\0\0\0\0"), 75.5);
    EXPECT_EQ(DecodeIntegerField("75.5\0\0\0\0\0\0\0\0\0\0\0"), 75);
    EXPECT_EQ(DecodeMoneyField("123456789012345" "e5"), 123456789012345.0);
    EXPECT_EQ(DecodeMoneyField("inf\0\0\0\0\0\0\0\0\0\0\0\0"), 0.0);
    // Part of a field, as at the end of a short file.
    EXPECT_EQ(DecodeIntegerField("1234", 2), 12);
    EXPECT_EQ(DecodeIntegerField("1234", 0), 0);
}
