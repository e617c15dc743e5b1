#pragma once
// The date and time texts of a save stamp, from the local clock.

#include <ctime>

namespace platform {

inline constexpr int kClockTextSize = 9;  // 8 characters and a NUL

// "MM/DD/YY" of `when` (local time).
void FormatDate(const std::tm& when, char (&out)[kClockTextSize]);
// "HH:MM:SS" on the 24-hour clock.
void FormatTime(const std::tm& when, char (&out)[kClockTextSize]);

// The local date and time now.
std::tm LocalNow();

}  // namespace platform
