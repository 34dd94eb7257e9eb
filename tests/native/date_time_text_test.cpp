#include "date_time_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "schedule_test_support.h"

namespace corvane {
namespace {

DateTimeText Text(const char* date, const char* time) {
    DateTimeText text{};
    testing::SetField(text.Date, date);
    testing::SetField(text.Time, time);
    return text;
}

struct ShiftCase {
    const char* date;
    const char* time;
    ShiftMode mode;
    int32_t amount;
    const char* wantDate;
    const char* wantTime;
};

void ExpectShift(const ShiftCase& c) {
    DateTimeText text = Text(c.date, c.time);
    EXPECT_EQ(ShiftDateTime(c.mode, c.amount, &text), 1);
    EXPECT_STREQ(text.Date, c.wantDate) << c.date << " " << c.time << " + " << c.amount;
    EXPECT_STREQ(text.Time, c.wantTime) << c.date << " " << c.time << " + " << c.amount;
}

TEST(ShiftDateTime, DaysAcrossMonthAndYearEnds) {
    const ShiftCase cases[] = {
        {"20031231", "", ShiftMode::Days, 1, "20040101", ""},
        {"20030131", "", ShiftMode::Days, 1, "20030201", ""},
        {"20030330", "", ShiftMode::Days, 1, "20030331", ""},
        {"20041129", "", ShiftMode::Days, 1, "20041130", ""},
        {"20030128", "", ShiftMode::Days, 7, "20030204", ""},
        {"20031229", "", ShiftMode::Days, 7, "20040105", ""},
        {"20030301", "", ShiftMode::Days, -1, "20030228", ""},
        {"20040301", "", ShiftMode::Days, -1, "20040229", ""},
        {"20040101", "1234", ShiftMode::Days, -1, "20031231", "1234"},
    };
    for (const auto& c : cases) ExpectShift(c);
}

TEST(ShiftDateTime, DaysThroughLeapFebruaries) {
    const ShiftCase cases[] = {
        {"20030228", "", ShiftMode::Days, 1, "20030301", ""},
        {"20040228", "", ShiftMode::Days, 1, "20040229", ""},
        {"20000228", "", ShiftMode::Days, 1, "20000229", ""},
        {"21000228", "", ShiftMode::Days, 1, "21000301", ""},
        {"19000228", "", ShiftMode::Days, 1, "19000301", ""},
        {"20040229", "", ShiftMode::Days, 365, "20050228", ""},
    };
    for (const auto& c : cases) ExpectShift(c);
}

TEST(ShiftDateTime, MinutesCarryIntoTheDate) {
    const ShiftCase cases[] = {
        {"20030615", "0800", ShiftMode::Minutes, 5, "20030615", "0805"},
        {"20030615", "0855", ShiftMode::Minutes, 5, "20030615", "0900"},
        {"20030615", "2358", ShiftMode::Minutes, 5, "20030616", "0003"},
        {"20030615", "0800", ShiftMode::Minutes, 1440, "20030616", "0800"},
        {"20031231", "2330", ShiftMode::Minutes, 45, "20040101", "0015"},
        {"20041231", "2358", ShiftMode::Minutes, 5, "20050101", "0003"},
        {"20030615", "0000", ShiftMode::Minutes, 3 * 1440 + 61, "20030618", "0101"},
    };
    for (const auto& c : cases) ExpectShift(c);
}

TEST(ShiftDateTime, NegativeMinutesBorrowFromTheDate) {
    ExpectShift({"20040101", "0010", ShiftMode::Minutes, -15, "20031231", "2355"});
    ExpectShift({"20040101", "0010", ShiftMode::Minutes, -10, "20040101", "0000"});
}

TEST(ShiftDateTime, MinuteShiftWithinTheDayLeavesTheDateAlone) {
    // The date is neither read nor rewritten when no day is carried.
    DateTimeText text = Text("2026xx99", "0800");
    ShiftDateTime(ShiftMode::Minutes, 30, &text);
    EXPECT_STREQ(text.Date, "2026xx99");
    EXPECT_STREQ(text.Time, "0830");
}

TEST(ShiftDateTime, RefusesNullTextAndUnknownMode) {
    EXPECT_EQ(ShiftDateTime(ShiftMode::Days, 1, nullptr), 0);
    DateTimeText text = Text("20030101", "0800");
    EXPECT_EQ(ShiftDateTime(static_cast<ShiftMode>(7), 1, &text), 0);
    EXPECT_STREQ(text.Date, "20030101");
    EXPECT_STREQ(text.Time, "0800");
}

TEST(ShiftDateTime, InvalidTextsAreBroughtIntoRange) {
    const ShiftCase cases[] = {
        {"", "", ShiftMode::Days, 0, "19000101", ""},
        {"00000000", "", ShiftMode::Days, 1, "19000102", ""},
        {"abcdefgh", "", ShiftMode::Days, 0, "19000101", ""},
        {"20031399", "", ShiftMode::Days, 0, "20031231", ""},
        {"20030231", "", ShiftMode::Days, 1, "20030301", ""},
        {"2003", "", ShiftMode::Days, 0, "20030101", ""},
        {"20031231", "9999", ShiftMode::Minutes, 1, "20040101", "0000"},
        {"20031231", "ab", ShiftMode::Minutes, 5, "20031231", "0005"},
        {"99991231", "", ShiftMode::Days, 1, "99991231", ""},
        {"19000101", "", ShiftMode::Days, -1, "19000101", ""},
        {"20030101", "", ShiftMode::Days, INT32_MAX, "99991231", ""},
        {"20030101", "", ShiftMode::Days, INT32_MIN, "19000101", ""},
    };
    for (const auto& c : cases) ExpectShift(c);
}

TEST(ShiftDateTime, UnterminatedTextsKeepTheirWidths) {
    DateTimeText text;
    std::memset(&text, '9', sizeof text);
    ShiftDateTime(ShiftMode::Minutes, 1, &text);
    EXPECT_EQ(std::string(text.Date, sizeof text.Date), std::string("99991231\0", 9));
    EXPECT_EQ(std::string(text.Time, sizeof text.Time), std::string("0000\0", 5));
}

// The day numbers and their inverse agree with the standard library's civil
// calendar over the whole range the texts can hold.
TEST(DayNumber, AgreesWithCivilCalendarOverTheWholeRange) {
    using namespace std::chrono;
    const sys_days epoch = sys_days{year{1900} / January / 1} - days{1};
    const sys_days last = sys_days{year{9999} / December / 31};
    for (sys_days d = epoch + days{1}; d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const auto y = static_cast<int32_t>(static_cast<int>(ymd.year()));
        const auto m = static_cast<int32_t>(static_cast<unsigned>(ymd.month()));
        const auto dd = static_cast<int32_t>(static_cast<unsigned>(ymd.day()));
        const auto number = static_cast<int32_t>((d - epoch).count());
        ASSERT_EQ(DayNumber(y, m, dd), number) << y << "-" << m << "-" << dd;
        const CalendarDate back = DateFromDayNumber(number);
        ASSERT_EQ(back.Year, y);
        ASSERT_EQ(back.Month, m);
        ASSERT_EQ(back.Day, dd);
    }
}

TEST(DayNumber, ShiftAgreesWithCivilCalendarForEveryStep) {
    using namespace std::chrono;
    const int32_t steps[] = {-400, -31, -7, -1, 0, 1, 7, 30, 366, 1461};
    for (sys_days d = sys_days{year{1999} / January / 1}; d <= sys_days{year{2101} / December / 31}; d += days{13}) {
        for (const int32_t step : steps) {
            const year_month_day from{d};
            const year_month_day to{d + days{step}};
            char date[16];
            std::snprintf(date, sizeof date, "%04d%02u%02u", static_cast<int>(from.year()),
                          static_cast<unsigned>(from.month()), static_cast<unsigned>(from.day()));
            char want[16];
            std::snprintf(want, sizeof want, "%04d%02u%02u", static_cast<int>(to.year()),
                          static_cast<unsigned>(to.month()), static_cast<unsigned>(to.day()));
            DateTimeText text = Text(date, "");
            ShiftDateTime(ShiftMode::Days, step, &text);
            ASSERT_STREQ(text.Date, want) << date << " + " << step;
        }
    }
}

TEST(DayNumber, StartsAtOneOnFirstJanuary1900) {
    EXPECT_EQ(DayNumber(1900, 1, 1), 1);
    EXPECT_EQ(DayNumber(1900, 12, 31), 365);
    EXPECT_EQ(DayNumber(1901, 1, 1), 366);
    const CalendarDate first = DateFromDayNumber(1);
    EXPECT_EQ(first.Year, 1900);
    EXPECT_EQ(first.Month, 1);
    EXPECT_EQ(first.Day, 1);
}

}  // namespace
}  // namespace corvane
