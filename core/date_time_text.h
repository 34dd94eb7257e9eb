// Calendar arithmetic on the date and time texts of the schedules.
//
// A date is eight digits YYYYMMDD and a time four digits HHMM, each with a
// terminating zero; byte-wise comparison of either orders them in time. Day
// numbers count from 1 January 1900, which is day 1, in the Gregorian calendar.
#pragma once

#include <cstdint>

namespace corvane {

// The working copy of a schedule's date and time that `ShiftDateTime` changes.
struct DateTimeText {
    char Date[9];  // YYYYMMDD and a terminating zero
    char Time[5];  // HHMM and a terminating zero
};
static_assert(sizeof(DateTimeText) == 14, "DateTimeText is 14 bytes");

enum class ShiftMode { Days, Minutes };

struct CalendarDate {
    int32_t Year;
    int32_t Month;  // 1 to 12
    int32_t Day;    // 1 to the month's length
};

// The dates the arithmetic can write as eight digits: 1 January 1900 to
// 31 December 9999. Results beyond them stop at the nearer end.
inline constexpr int32_t kFirstYear = 1900;
inline constexpr int32_t kLastYear = 9999;

bool IsLeapYear(int32_t year);
int32_t DaysInMonth(int32_t year, int32_t month);

// Day number of a valid date (kFirstYear to kLastYear).
int32_t DayNumber(int32_t year, int32_t month, int32_t day);

// Date of a day number; numbers outside the writable range give its nearer end.
CalendarDate DateFromDayNumber(int32_t dayNumber);

// Shifts `text` in place: Days adds `amount` days to the date and leaves the
// time alone; Minutes adds `amount` minutes to the time and carries whole days
// into the date. Returns 1 when shifted, 0 when `text` is null or the mode is
// unknown.
//
// Texts that are not valid (an edited schedule file) are read digit by digit
// up to their width, stopping at the first non-digit, and each part is then
// brought into range (year 1900 to 9999, month 1 to 12, day 1 to the month's
// length, hour 0 to 23, minute 0 to 59) before the arithmetic. The written
// texts always keep their widths; a date that a minute shift does not carry
// into is left exactly as it was.
int ShiftDateTime(ShiftMode mode, int32_t amount, DateTimeText* text);

// Writes `date` as YYYYMMDD with its terminator into a 9-byte field.
void WriteDateText(const CalendarDate& date, char (&field)[9]);

// Writes hour and minute as HHMM with its terminator into a 5-byte field.
void WriteTimeText(int32_t hour, int32_t minute, char (&field)[5]);

// Minutes since 00:00 on 1 January 1900: one number for a moment, so that
// moments compare and subtract across day, month and year ends.
using MinuteNumber = int64_t;
inline constexpr MinuteNumber kMinutesPerDay = 24 * 60;

MinuteNumber MinuteNumberOf(const CalendarDate& date, int32_t hour, int32_t minute);
// The moment of a date and a time text, read and brought into range as
// ShiftDateTime reads them.
MinuteNumber MinuteNumberOf(const char (&date)[9], const char (&time)[5]);
// Writes a moment as date and time texts; moments beyond the writable range
// stop at its nearer end.
void WriteMinuteNumber(MinuteNumber moment, char (&date)[9], char (&time)[5]);

}  // namespace corvane
