#include "controls/common/day_number.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct Date {
    int month, day, year;
};

int32_t Number(Date d) { return DayNumber(d.month, d.day, d.year); }

TEST(DayNumber, CountsFromFirstOfJanuaryOfYearOne) {
    EXPECT_EQ(0, Number({1, 1, 1}));
    EXPECT_EQ(365, Number({1, 1, 2}));
    EXPECT_EQ(4 * 365 + 1, Number({1, 1, 5}));  // year 4 is a Julian leap year
    EXPECT_EQ(4 * 365 + 2, Number({1, 2, 5}));
    // The date edit's day count is relative to 1 January 1900.
    EXPECT_EQ(-1, Number({12, 31, 1899}) - Number({1, 1, 1900}));
    EXPECT_EQ(36524, Number({1, 1, 2000}) - Number({1, 1, 1900}));
    EXPECT_EQ(1, Number({9, 14, 1752}) - Number({9, 2, 1752}));
    EXPECT_EQ(355, Number({1, 1, 1753}) - Number({1, 1, 1752}));  // leap year less 11 days
}

TEST(DayNumber, MonthLengthsFollowTheOldAndTheNewLeapRule) {
    struct Case {
        int year;
        bool leap;
    } cases[] = {{1600, true},  {1700, true}, {1752, true},  {1753, false}, {1800, false},
                 {1900, false}, {2000, true}, {2001, false}, {2004, true},  {2100, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.leap, IsLeapYear(c.year)) << c.year;
        int lengths[12];
        MonthLengths(c.year, lengths);
        EXPECT_EQ(c.leap ? 29 : 28, lengths[1]) << c.year;
        EXPECT_EQ(31, lengths[0]);
        EXPECT_EQ(30, lengths[10]);
        int total = 0;
        for (int n : lengths) total += n;
        EXPECT_EQ(c.leap ? 366 : 365, total);
    }
    EXPECT_EQ(0, MonthLength(0, 2000));
    EXPECT_EQ(0, MonthLength(13, 2000));
}

TEST(DayNumber, KnownWeekdays) {
    struct Case {
        Date date;
        int weekday;  // 0 = Sunday
    } cases[] = {
        {{1, 1, 1900}, 1},  {{1, 1, 2000}, 6},  {{3, 31, 2000}, 5}, {{12, 8, 2026}, 2},
        {{9, 2, 1752}, 3},  {{9, 14, 1752}, 4}, {{9, 1, 1752}, 2},  {{7, 4, 1776}, 4},
        {{2, 29, 1600}, 5}, {{1, 1, 1}, 6},  // 1600 counts by the Julian rule
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.weekday, WeekdayOf(c.date.month, c.date.day, c.date.year))
            << c.date.month << "/" << c.date.day << "/" << c.date.year;
}

TEST(DayNumber, InverseRoundTripsEveryRealDay) {
    int32_t expected = Number({1, 1, 1});
    for (int year : {1, 4, 1600, 1700, 1751, 1752, 1753, 1900, 2000, 9999}) {
        expected = Number({1, 1, year});
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= MonthLength(month, year); ++day) {
                if (!IsRealDate(month, day, year)) continue;
                ASSERT_EQ(expected, Number({month, day, year}));
                DayDate back = DateFromDayNumber(expected);
                ASSERT_EQ(month, back.month);
                ASSERT_EQ(day, back.day);
                ASSERT_EQ(year, back.year);
                ++expected;
            }
        }
    }
    DayDate first = DateFromDayNumber(-500);
    EXPECT_EQ(1, first.year);
    EXPECT_EQ(1, first.month);
    DayDate last = DateFromDayNumber(INT32_MAX);
    EXPECT_EQ(99999, last.year);
    EXPECT_EQ(12, last.month);
    EXPECT_EQ(31, last.day);
}

TEST(DayNumber, ValidityCheck) {
    struct Case {
        Date date;
        bool real;
    } cases[] = {
        {{2, 29, 1700}, true},  {{2, 29, 1600}, true},  {{2, 29, 1900}, false},
        {{2, 29, 2000}, true},  {{9, 10, 1752}, false}, {{9, 3, 1752}, false},
        {{9, 13, 1752}, false}, {{9, 2, 1752}, true},   {{9, 14, 1752}, true},
        {{9, 10, 1753}, true},  {{0, 1, 2000}, false},  {{13, 1, 2000}, false},
        {{4, 31, 2000}, false}, {{4, 0, 2000}, false},  {{1, 1, 0}, false},
        {{12, 31, 9999}, true}, {{1, 1, 10000}, false}, {{65535, 65535, 65535}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.real, IsRealDate(c.date.month, c.date.day, c.date.year))
            << c.date.month << "/" << c.date.day << "/" << c.date.year;
}

TEST(DayNumber, AbsurdInputsGiveDefinedCounts) {
    // Empty fields of the date edit hold 0xFFFF; the count must not read past its tables.
    EXPECT_EQ(Number({1, 1, 2001}), Number({65535, 1, 2000}));
    EXPECT_EQ(Number({1, 1, 2000}), Number({0, 1, 2000}));
    EXPECT_EQ(Number({1, 1, 2000}) - 1, Number({1, 0, 2000}));
    EXPECT_LT(Number({0, 0, 0}), 0);
    EXPECT_GE(WeekdayOf(0, 0, 0), 0);
    EXPECT_LT(WeekdayOf(0, 0, 0), 7);
    EXPECT_GE(WeekdayOf(1, 1, -400), 0);
}

TEST(DayNumber, StepsStayInTheMonthAndCrossTheGap) {
    struct Case {
        Date from;
        int delta;
        int day;
    } cases[] = {
        {{9, 2, 1752}, 1, 14},  {{9, 14, 1752}, -1, 2},  {{9, 1, 1752}, 2, 14},
        {{1, 31, 2000}, 1, 31}, {{1, 1, 2000}, -1, 1},   {{2, 27, 2000}, 5, 29},
        {{2, 27, 1900}, 5, 28}, {{4, 35, 2000}, -1, 30}, {{4, 0, 2000}, 1, 1},
        {{6, 10, 2000}, -3, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.day, StepDayInMonth(c.from.month, c.from.day, c.from.year, c.delta))
            << c.from.month << "/" << c.from.day << "/" << c.from.year << " by " << c.delta;
    EXPECT_EQ(7, StepDayInMonth(13, 7, 2000, 1));  // no such month: unchanged
    for (int day = 3; day <= 13; ++day) EXPECT_TRUE(IsInReformGap(9, day, 1752));
    EXPECT_FALSE(IsInReformGap(9, 2, 1752));
    EXPECT_FALSE(IsInReformGap(9, 5, 1753));
}

}  // namespace
}  // namespace tw
