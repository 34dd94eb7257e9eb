#include "schedule_display.h"

namespace corvane {
namespace {

int32_t ReadDigits(const char* text, int width) {
    int32_t value = 0;
    for (int i = 0; i < width && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

ShownTime ShownTimeOf(const char (&syncTime)[5]) {
    const int32_t hour = ReadDigits(syncTime, 2);
    const int32_t minute = ReadDigits(syncTime + 2, 2);
    return {hour > 23 ? 8 : hour, minute > 59 ? 0 : minute};
}

CalendarDate ShownDateOf(const char (&syncDate)[9], const CalendarDate& today) {
    const CalendarDate stored{ReadDigits(syncDate, 4), ReadDigits(syncDate + 4, 2), ReadDigits(syncDate + 6, 2)};
    const bool valid = stored.Year >= kFirstYear && stored.Year <= kLastYear && stored.Month >= 1 &&
                       stored.Month <= 12 && stored.Day >= 1 && stored.Day <= DaysInMonth(stored.Year, stored.Month);
    return valid ? stored : today;
}

}  // namespace corvane
