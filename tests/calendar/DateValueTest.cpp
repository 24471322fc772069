#include "calendar/DateValue.h"

#include <gtest/gtest.h>

namespace tarvand {
namespace {

using namespace std::chrono;

struct CivilCase {
    year_month_day date;
    DateValue value;
    int weekday;  // 1 Sunday .. 7 Saturday
};

class DateValueCivil : public ::testing::TestWithParam<CivilCase> {};

TEST_P(DateValueCivil, CountsDaysFromTheEndOf1899) {
    EXPECT_EQ(GetParam().value, ToDateValue(GetParam().date));
}

TEST_P(DateValueCivil, RoundTripsToTheSameCivilDate) {
    EXPECT_EQ(GetParam().date, ToCivilDate(GetParam().value));
    EXPECT_EQ(GetParam().date, ToCivilDate(GetParam().value + 0.999));
}

TEST_P(DateValueCivil, NumbersWeekdaysFromSunday) {
    EXPECT_EQ(GetParam().weekday, Weekday(GetParam().value));
    EXPECT_EQ(GetParam().weekday, Weekday(GetParam().value + 0.75));
}

INSTANTIATE_TEST_SUITE_P(
    KnownDays, DateValueCivil,
    ::testing::Values(CivilCase{1899y / December / 30, 0, 7},      // day 0, a Saturday
                      CivilCase{1899y / December / 29, -1, 6},     // before day 0
                      CivilCase{1900y / January / 1, 2, 2},        //
                      CivilCase{1953y / March / 21, 19439, 7},     // 1 Farvardin 1332
                      CivilCase{2000y / February / 29, 36585, 3},  // a leap day
                      CivilCase{2011y / March / 2, 40604, 4},      //
                      CivilCase{2059y / March / 21, 58155, 6},     //
                      CivilCase{9999y / December / 31, 2958465, 6}));

TEST(DateValue, KeepsTheTimeOfDayAsTheFraction) {
    const local_seconds noon = local_days{2011y / March / 2} + 12h;
    EXPECT_DOUBLE_EQ(40604.5, ToDateValue(noon));
    EXPECT_DOUBLE_EQ(40604.0 + 18.0 / 24.0, ToDateValue(noon + 6h));
    EXPECT_DOUBLE_EQ(-0.75, ToDateValue(local_days{1899y / December / 29} + 6h));
}

TEST(DayDifference, CountsMidnightsAndIgnoresTheTimeOfDay) {
    EXPECT_EQ(0, DayDifference(40604.0, 40604.99));
    EXPECT_EQ(1, DayDifference(40604.99, 40605.01));
    EXPECT_EQ(-1, DayDifference(40605.01, 40604.99));
    EXPECT_EQ(1, DayDifference(-0.75, 0.0));
    EXPECT_EQ(21165, DayDifference(19439, 40604));
}

}  // namespace
}  // namespace tarvand
