#include "calendar/SolarYear.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tarvand {
namespace {

// The leap years from 1332 to 1441: every fourth year, with a five-year gap where the 33-year
// cycle turns (1337-1342, 1370-1375, 1403-1408, 1436-1441).
constexpr std::array LeapYears1332To1441{1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362, 1366,
                                         1370, 1375, 1379, 1383, 1387, 1391, 1395, 1399, 1403,
                                         1408, 1412, 1416, 1420, 1424, 1428, 1432, 1436, 1441};

TEST(IsSolarLeapYear, MatchesTheKnownLeapYears1332To1441) {
    for (int year = 1332; year <= 1441; ++year) {
        const bool expected =
            std::ranges::find(LeapYears1332To1441, year) != LeapYears1332To1441.end();
        EXPECT_EQ(expected, IsSolarLeapYear(year - BaseYear)) << year;
    }
}

TEST(IsSolarLeapYear, TakesAnOffsetFromTheBaseYear) {
    EXPECT_FALSE(IsSolarLeapYear(0));    // 1332
    EXPECT_TRUE(IsSolarLeapYear(1));     // 1333
    EXPECT_FALSE(IsSolarLeapYear(9));    // 1341
    EXPECT_TRUE(IsSolarLeapYear(10));    // 1342
    EXPECT_TRUE(IsSolarLeapYear(104));   // 1436
    EXPECT_FALSE(IsSolarLeapYear(105));  // 1437: never two leap years in a row
    EXPECT_TRUE(IsSolarLeapYear(-3));    // 1329, before the base year
}

TEST(IsSolarLeapYear, HasEightLeapYearsInEvery33AndNeverTwoInARow) {
    for (int first = -2000; first < 10000; ++first) {
        int leapYears = 0;
        for (int offset = first; offset < first + 33; ++offset) {
            leapYears += IsSolarLeapYear(offset) ? 1 : 0;
        }
        ASSERT_EQ(8, leapYears) << "33 years from " << BaseYear + first;
        ASSERT_FALSE(IsSolarLeapYear(first) && IsSolarLeapYear(first + 1)) << BaseYear + first;
    }
}

struct DayCountCase {
    std::int64_t days;
    int year;
    int month;
    int day;
};

class DaysToSolarDateCase : public ::testing::TestWithParam<DayCountCase> {};

TEST_P(DaysToSolarDateCase, SplitsTheCountIntoYearMonthAndDay) {
    int year = 0;
    int month = 0;
    int day = 0;
    DaysToSolarDate(GetParam().days, year, month, day);
    EXPECT_EQ(GetParam().year, year);
    EXPECT_EQ(GetParam().month, month);
    EXPECT_EQ(GetParam().day, day);
}

INSTANTIATE_TEST_SUITE_P(
    MonthAndYearEdges, DaysToSolarDateCase,
    ::testing::Values(DayCountCase{0, 1332, 1, 1},        // the first day
                      DayCountCase{30, 1332, 1, 31},      // a 31-day month
                      DayCountCase{185, 1332, 6, 31},     // the last 31-day month ends
                      DayCountCase{186, 1332, 7, 1},      // the first 30-day month
                      DayCountCase{215, 1332, 7, 30},     //
                      DayCountCase{216, 1332, 8, 1},      //
                      DayCountCase{364, 1332, 12, 29},    // a common year ends on Esfand 29
                      DayCountCase{365, 1333, 1, 1},      //
                      DayCountCase{730, 1333, 12, 30},    // a leap year ends on Esfand 30
                      DayCountCase{731, 1334, 1, 1},      //
                      DayCountCase{38715, 1437, 12, 29},  // 20 March 2059
                      DayCountCase{38716, 1438, 1, 1}));  // 21 March 2059

TEST(DaysToSolarDate, LeavesTheOutputsAloneForANegativeCount) {
    int year = -7;
    int month = -8;
    int day = -9;
    DaysToSolarDate(-1, year, month, day);
    EXPECT_EQ(-7, year);
    EXPECT_EQ(-8, month);
    EXPECT_EQ(-9, day);
}

TEST(DaysToSolarDate, AdvancesOneDayAtATimeThroughEveryMonthEnd) {
    int year = BaseYear;
    int month = 1;
    int day = 1;
    for (std::int64_t count = 1; count < 120'000; ++count) {
        const int lastDay = month <= 6                         ? 31
                            : month <= 11                      ? 30
                            : IsSolarLeapYear(year - BaseYear) ? 30
                                                               : 29;
        const bool newMonth = day == lastDay;
        const int expectedYear = newMonth && month == 12 ? year + 1 : year;
        const int expectedMonth = newMonth ? month % 12 + 1 : month;
        const int expectedDay = newMonth ? 1 : day + 1;
        DaysToSolarDate(count, year, month, day);
        ASSERT_EQ(expectedYear, year) << count;
        ASSERT_EQ(expectedMonth, month) << count;
        ASSERT_EQ(expectedDay, day) << count;
    }
}

}  // namespace
}  // namespace tarvand
