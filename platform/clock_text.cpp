#include "platform/clock_text.h"

namespace platform {
namespace {

// "aa?bb?cc" with two digits each and `separator` between them.
void TwoDigitTriple(int a, int b, int c, char separator, char (&out)[kClockTextSize]) {
    const int values[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        const int value = ((values[i] % 100) + 100) % 100;
        out[3 * i] = static_cast<char>('0' + value / 10);
        out[3 * i + 1] = static_cast<char>('0' + value % 10);
        if (i < 2) out[3 * i + 2] = separator;
    }
    out[8] = '\0';
}

}  // namespace

void FormatDate(const std::tm& when, char (&out)[kClockTextSize]) {
    TwoDigitTriple(when.tm_mon + 1, when.tm_mday, (when.tm_year + 1900) % 100, '/', out);
}

void FormatTime(const std::tm& when, char (&out)[kClockTextSize]) {
    TwoDigitTriple(when.tm_hour, when.tm_min, when.tm_sec, ':', out);
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace platform
