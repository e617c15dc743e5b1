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

TEST(MoneyText, TenSignificantDigitsPlainOrInExponentForm) {
    const struct { double value; const char* text; } cases[] = {
        {100000.0, "100000."},        {0.0, "0."},
        {-25.5, "-25.5"},             {0.5, "0.5"},
        {1234567890.0, "1234567890"}, {-2147483648.0, "-2147483648"},   // ten digits, no point
        {123456.789, "123456.789"},   {1.0 / 3.0, "0.3333333333"},
        {1e10, "1.e+010"},            {9999999999.6, "1.e+010"},        // rounds up into the exponent form
        {0.05, "5.e-002"},            {-12345678912.0, "-1.234567891e+010"},
        {1e300, "1.e+300"},           {std::numeric_limits<double>::infinity(), "0."},
    };
    for (const auto& c : cases) EXPECT_EQ(Money(c.value), c.text);
    // Never past its buffer: the length it needed, the text cut.
    char text[8];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(platform::FormatMoney(-12345678912.0, text, 4), 17u);
    EXPECT_EQ(std::string(text, 4), "-1.2");
    EXPECT_EQ(text[4], '#');
}

TEST(IntegerText, Base10WithSignAndTerminator) {
    EXPECT_EQ(Integer(0), "0");
    EXPECT_EQ(Integer(1908), "1908");
    EXPECT_EQ(Integer(INT_MIN), "-2147483648");
    char text[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(platform::FormatInteger(12345, text, 3), 5u);
    EXPECT_EQ(text[3], '#');
}

TEST(ParseNumbers, SkipBlanksStopAtOtherBytesReadOnlyTheFieldAndSaturate) {
    const struct { const char* text; std::size_t length; int value; } integers[] = {
        {"  750", 5, 750},       {"750  ", 5, 750},       {"\n -7x", 5, -7},
        {"12abc", 5, 12},        {"abc", 3, 0},           {"", 0, 0},
        {"99999999999", 11, INT_MAX}, {"-99999999999999", 15, INT_MIN},
        {"2147483648", 10, INT_MAX},  {"-2147483648", 11, INT_MIN},
        {"100005", 5, 10000},    {"12\0" "34", 5, 12},
    };
    for (const auto& c : integers) EXPECT_EQ(platform::ParseInteger(c.text, c.length), c.value) << c.text;
    const struct { const char* text; std::size_t length; double value; } reals[] = {
        {"100000.", 7, 100000.0}, {"-25.5", 5, -25.5}, {"2.5e+002", 8, 250.0}, {"1.e+010", 7, 1e10},
        {"7e", 2, 7.0},           {"inf", 3, 0.0},     {"1e999", 5, DBL_MAX},  {"12345", 3, 123.0},
    };
    for (const auto& c : reals) EXPECT_DOUBLE_EQ(platform::ParseReal(c.text, c.length), c.value) << c.text;
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
