#include "date_time_text.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr int32_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Leap days in the years 1 to `year` inclusive.
int32_t LeapDaysThrough(int32_t year) { return year / 4 - year / 100 + year / 400; }

// Days of the whole years from kFirstYear up to the year before `year`.
int32_t DaysBeforeYear(int32_t year) {
    return 365 * (year - kFirstYear) + LeapDaysThrough(year - 1) - LeapDaysThrough(kFirstYear - 1);
}

int32_t DaysInYear(int32_t year) { return IsLeapYear(year) ? 366 : 365; }

// Reads at most `width` leading decimal digits; a text that does not begin
// with a digit reads as 0.
int32_t ReadDigits(const char* text, int width) {
    int32_t value = 0;
    for (int i = 0; i < width && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

void WriteDigits(char* out, int32_t value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

CalendarDate ReadDateText(const char (&field)[9]) {
    const int32_t year = std::clamp(ReadDigits(field, 4), kFirstYear, kLastYear);
    const int32_t month = std::clamp(ReadDigits(field + 4, 2), 1, 12);
    const int32_t day = std::clamp(ReadDigits(field + 6, 2), 1, DaysInMonth(year, month));
    return {year, month, day};
}

void ShiftDate(char (&field)[9], int64_t days) {
    const CalendarDate date = ReadDateText(field);
    const int64_t shifted = DayNumber(date.Year, date.Month, date.Day) + days;
    const int64_t last = DayNumber(kLastYear, 12, 31);
    WriteDateText(DateFromDayNumber(static_cast<int32_t>(std::clamp<int64_t>(shifted, 1, last))), field);
}

// Floor division, so that a negative total of minutes borrows from the date.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

int32_t ReadTimeMinutes(const char (&field)[5]) {
    const int32_t hour = std::min(ReadDigits(field, 2), 23);
    const int32_t minute = std::min(ReadDigits(field + 2, 2), 59);
    return hour * 60 + minute;
}

void ShiftTime(DateTimeText& text, int32_t minutes) {
    const int64_t total = int64_t{ReadTimeMinutes(text.Time)} + minutes;
    const int64_t days = FloorDiv(total, kMinutesPerDay);
    const auto inDay = static_cast<int32_t>(total - days * kMinutesPerDay);
    if (days != 0) ShiftDate(text.Date, days);
    WriteTimeText(inDay / 60, inDay % 60, text.Time);
}

}  // namespace

bool IsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonth(int32_t year, int32_t month) {
    if (month == 2 && IsLeapYear(year)) return 29;
    return kMonthLengths[month - 1];
}

int32_t DayNumber(int32_t year, int32_t month, int32_t day) {
    int32_t number = DaysBeforeYear(year);
    for (int32_t m = 1; m < month; ++m) number += DaysInMonth(year, m);
    return number + day;
}

CalendarDate DateFromDayNumber(int32_t dayNumber) {
    const int32_t last = DayNumber(kLastYear, 12, 31);
    int32_t d = std::clamp(dayNumber, 1, last);
    // A 400-year cycle has 146097 days; this estimate is at most one year off.
    int32_t year = kFirstYear + static_cast<int32_t>((int64_t{d} - 1) * 400 / 146097);
    while (year > kFirstYear && DaysBeforeYear(year) >= d) --year;
    while (year < kLastYear && d - DaysBeforeYear(year) > DaysInYear(year)) ++year;
    d -= DaysBeforeYear(year);
    int32_t month = 1;
    while (d > DaysInMonth(year, month)) {
        d -= DaysInMonth(year, month);
        ++month;
    }
    return {year, month, d};
}

void WriteDateText(const CalendarDate& date, char (&field)[9]) {
    WriteDigits(field, date.Year, 4);
    WriteDigits(field + 4, date.Month, 2);
    WriteDigits(field + 6, date.Day, 2);
    field[8] = '\0';
}

void WriteTimeText(int32_t hour, int32_t minute, char (&field)[5]) {
    WriteDigits(field, hour, 2);
    WriteDigits(field + 2, minute, 2);
    field[4] = '\0';
}

MinuteNumber MinuteNumberOf(const CalendarDate& date, int32_t hour, int32_t minute) {
    return (MinuteNumber{DayNumber(date.Year, date.Month, date.Day)} - 1) * kMinutesPerDay + hour * 60 + minute;
}

MinuteNumber MinuteNumberOf(const char (&date)[9], const char (&time)[5]) {
    const int32_t inDay = ReadTimeMinutes(time);
    return MinuteNumberOf(ReadDateText(date), inDay / 60, inDay % 60);
}

void WriteMinuteNumber(MinuteNumber moment, char (&date)[9], char (&time)[5]) {
    const MinuteNumber lastMinute = MinuteNumber{DayNumber(kLastYear, 12, 31)} * kMinutesPerDay - 1;
    moment = std::clamp<MinuteNumber>(moment, 0, lastMinute);
    const MinuteNumber days = FloorDiv(moment, kMinutesPerDay);
    const auto inDay = static_cast<int32_t>(moment - days * kMinutesPerDay);
    const MinuteNumber last = DayNumber(kLastYear, 12, 31);
    WriteDateText(DateFromDayNumber(static_cast<int32_t>(std::clamp<MinuteNumber>(days + 1, 1, last))), date);
    WriteTimeText(inDay / 60, inDay % 60, time);
}

int ShiftDateTime(ShiftMode mode, int32_t amount, DateTimeText* text) {
    if (text == nullptr) return 0;
    switch (mode) {
        case ShiftMode::Days:
            ShiftDate(text->Date, amount);
            return 1;
        case ShiftMode::Minutes:
            ShiftTime(*text, amount);
            return 1;
    }
    return 0;
}

}  // namespace corvane
