#pragma once
// The calendar a game is played in: a new game opens in kFirstMonthPlayed,
// each turn moves it one month on, and the turn after kLastMonthPlayed is not
// played: the game is over there.

#include <cstdint>

#include "model/integers.h"
#include "model/records.h"

struct CalendarMonth {
    i32 Year;
    i32 Month;  // 1..kMonthsPerYear
};

// The years a date shows, from a new game's to the last of four digits. A
// loaded game's year is kept within them.
inline constexpr i32 kFirstYear = 1908;
inline constexpr i32 kLastYear = 9999;

inline constexpr CalendarMonth kFirstMonthPlayed = {kFirstYear, 1};
inline constexpr CalendarMonth kLastMonthPlayed = {kLastYear, kMonthsPerYear};

// Months from January of year 0, so that two calendar months subtract; 64
// bits, so that any year a record holds counts without wrapping.
constexpr std::int64_t MonthsFromYearZero(CalendarMonth month) {
    return std::int64_t{month.Year} * kMonthsPerYear + (month.Month - 1);
}

// Whether `shown` is `month` or later, by year first, whatever month a
// damaged record holds.
constexpr bool IsAtOrAfter(CalendarMonth shown, CalendarMonth month) {
    return shown.Year > month.Year || (shown.Year == month.Year && shown.Month >= month.Month);
}
