#include <gtest/gtest.h>

#include <cstring>

#include "decimal_text.h"
#include "schedule_display.h"

namespace corvane {
namespace {

TEST(ParseDecimal, ReadsTheWholeTextOrGivesZero) {
    const struct {
        const char* text;
        int32_t value;
    } rows[] = {
        {"5", 5},        {"-3", -3},   {"70000", 70000}, {"0", 0},         {"", 0},
        {"abc", 0},      {"12abc", 0}, {"-", 0},         {" 5", 0},        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},    {"2147483648", 0}, {"99999999999999999999", 0},
    };
    for (const auto& row : rows) EXPECT_EQ(ParseDecimal(row.text), row.value) << row.text;
    EXPECT_EQ(ParseDecimal(nullptr), 0);
}

TEST(ScheduleDisplay, TimesOutOfRangeShowAsEightOrZero) {
    const struct {
        const char* text;
        int32_t hour, minute;
    } rows[] = {{"0930", 9, 30}, {"2500", 8, 0}, {"0875", 8, 0}, {"2359", 23, 59}, {"ab", 0, 0}, {"9999", 8, 0}};
    for (const auto& row : rows) {
        char field[5] = {};
        std::memcpy(field, row.text, std::strlen(row.text));
        const ShownTime shown = ShownTimeOf(field);
        EXPECT_EQ(shown.Hour, row.hour) << row.text;
        EXPECT_EQ(shown.Minute, row.minute) << row.text;
    }
}

TEST(ScheduleDisplay, InvalidDatesShowAsToday) {
    const CalendarDate today{2026, 12, 7};
    const struct {
        const char* text;
        int32_t year, month, day;
    } rows[] = {
        {"20260229", 2026, 12, 7}, {"20280229", 2028, 2, 29}, {"20261301", 2026, 12, 7},
        {"00000000", 2026, 12, 7}, {"", 2026, 12, 7},         {"20030101", 2003, 1, 1},
    };
    for (const auto& row : rows) {
        char field[9] = {};
        std::memcpy(field, row.text, std::strlen(row.text));
        const CalendarDate shown = ShownDateOf(field, today);
        EXPECT_EQ(shown.Year, row.year) << row.text;
        EXPECT_EQ(shown.Month, row.month) << row.text;
        EXPECT_EQ(shown.Day, row.day) << row.text;
    }
}

}  // namespace
}  // namespace corvane
