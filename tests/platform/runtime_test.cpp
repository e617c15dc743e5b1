#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <limits>
#include <cstring>
#include <string>

#include "platform/clock_text.h"
#include "platform/number_text.h"
#include "platform/random.h"

namespace {

std::string Money(double value) {
    char text[32];
    const std::size_t length = platform::FormatMoney(value, text, sizeof text);
    return std::string(text, length);
}

std::string Integer(int value) {
    char text[16];
    return std::string(text, platform::FormatInteger(value, text, sizeof text));
}

}  // namespace

TEST(MoneyText, PlainFormsKeepTenSignificantDigits) {
    EXPECT_EQ(Money(100000.0), "100000.");
    EXPECT_EQ(Money(0.0), "0.");
    EXPECT_EQ(Money(-25.5), "-25.5");
    EXPECT_EQ(Money(0.5), "0.5");
    EXPECT_EQ(Money(1234567890.0), "1234567890");
    EXPECT_EQ(Money(-2147483648.0), "-2147483648");  // ten digits, no point
    EXPECT_EQ(Money(123456.789), "123456.789");
    EXPECT_EQ(Money(1.0 / 3.0), "0.3333333333");
}

TEST(MoneyText, ExponentFormFromTenBillionAndBelowOneTenth) {
    EXPECT_EQ(Money(1e10), "1.e+010");
    EXPECT_EQ(Money(9999999999.6), "1.e+010");  // rounds up into the exponent form
    EXPECT_EQ(Money(-12345678912.0), "-1.234567891e+010");
    EXPECT_EQ(Money(0.05), "5.e-002");
    EXPECT_EQ(Money(1e300), "1.e+300");
}

TEST(MoneyText, NeverWritesPastItsBuffer) {
    char text[8];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(platform::FormatMoney(-12345678912.0, text, 4), 17u);
    EXPECT_EQ(std::string(text, 4), "-1.2");
    EXPECT_EQ(text[4], '#');
    EXPECT_EQ(Money(std::numeric_limits<double>::infinity()), "0.");
}

TEST(IntegerText, Base10WithSignAndTerminator) {
    EXPECT_EQ(Integer(0), "0");
    EXPECT_EQ(Integer(1908), "1908");
    EXPECT_EQ(Integer(INT_MIN), "-2147483648");
    char text[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(platform::FormatInteger(12345, text, 3), 5u);
    EXPECT_EQ(text[3], '#');
}

TEST(ParseInteger, SkipsBlanksStopsAtOtherBytesAndSaturates) {
    EXPECT_EQ(platform::ParseInteger("  750", 5), 750);
    EXPECT_EQ(platform::ParseInteger("750  ", 5), 750);
    EXPECT_EQ(platform::ParseInteger("\n -7x", 5), -7);
    EXPECT_EQ(platform::ParseInteger("12abc", 5), 12);
    EXPECT_EQ(platform::ParseInteger("abc", 3), 0);
    EXPECT_EQ(platform::ParseInteger("", 0), 0);
    EXPECT_EQ(platform::ParseInteger("99999999999", 11), INT_MAX);
    EXPECT_EQ(platform::ParseInteger("-99999999999999", 15), INT_MIN);
    EXPECT_EQ(platform::ParseInteger("2147483648", 10), INT_MAX);
    EXPECT_EQ(platform::ParseInteger("-2147483648", 11), INT_MIN);
    // Only the given length is read: the sixth digit is outside the field.
    EXPECT_EQ(platform::ParseInteger("100005", 5), 10000);
    EXPECT_EQ(platform::ParseInteger("12\0" "34", 5), 12);
}

TEST(ParseReal, ReadsTheMoneyFormsBack) {
    EXPECT_DOUBLE_EQ(platform::ParseReal("100000.", 7), 100000.0);
    EXPECT_DOUBLE_EQ(platform::ParseReal("-25.5", 5), -25.5);
    EXPECT_DOUBLE_EQ(platform::ParseReal("2.5e+002", 8), 250.0);
    EXPECT_DOUBLE_EQ(platform::ParseReal("1.e+010", 7), 1e10);
    EXPECT_DOUBLE_EQ(platform::ParseReal("7e", 2), 7.0);
    EXPECT_DOUBLE_EQ(platform::ParseReal("inf", 3), 0.0);
    EXPECT_DOUBLE_EQ(platform::ParseReal("1e999", 5), DBL_MAX);
    EXPECT_DOUBLE_EQ(platform::ParseReal("12345", 3), 123.0);
}

TEST(Random, FixedSequenceFromEveryStart) {
    platform::ResetRandom();
    // The classic generator's first draws from its fixed start.
    EXPECT_EQ(platform::Rand(), 41);
    EXPECT_EQ(platform::Rand(), 18467);
    EXPECT_EQ(platform::Rand(), 6334);
    platform::ResetRandom();
    EXPECT_EQ(platform::Rand(), 41);
    for (int i = 0; i < 100000; ++i) {
        const int value = platform::Rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, platform::kRandomMax);
    }
}

TEST(ClockText, StampTextsHaveTwoDigitFields) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 7;
    when.tm_min = 5;
    when.tm_sec = 9;
    char date[platform::kClockTextSize];
    char time[platform::kClockTextSize];
    platform::FormatDate(when, date);
    platform::FormatTime(when, time);
    EXPECT_STREQ(date, "12/06/26");
    EXPECT_STREQ(time, "07:05:09");
}
