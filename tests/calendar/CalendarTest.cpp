#include <gtest/gtest.h>

#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

// Each month's name, and each weekday's, once, with the exact code points of the output.
struct LayoutCase {
    year_month_day date;
    int format;
    const char* expected;
};
const LayoutCase Layouts[] = {
    {1953y / March / 21, 0, "1332/01/01"},  // day 0, a Saturday
    {1953y / March / 21, 1, "1 \u0641\u0631\u0648\u0631\u062F\u064A\u0646 1332"},
    {1953y / March / 21, 2, "\u0634\u0646\u0628\u0647 1332/1/1"},
    {1953y / March / 21, 3,
     "\u0634\u0646\u0628\u0647  1  \u0641\u0631\u0648\u0631\u062F\u064A\u0646  1332"},
    {2011y / March / 2, 0, "1389/12/11"},
    {2011y / March / 2, 1, "11 \u0627\u0633\u0641\u0646\u062F 1389"},
    {2011y / March / 2, 2, "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647 1389/12/11"},
    {2011y / March / 2, 3,
     "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647  11  \u0627\u0633\u0641\u0646\u062F  1389"},
    {2011y / March / 29, 0, "1390/01/09"},
    {2011y / March / 29, 2, "\u0633\u0647 \u0634\u0646\u0628\u0647 1390/1/9"},
    {2011y / April / 25, 1, "5 \u0627\u0631\u062F\u064A\u0628\u0647\u0634\u062A 1390"},
    {2011y / May / 23, 3,
     "\u062F\u0648\u0634\u0646\u0628\u0647  2  \u062E\u0631\u062F\u0627\u062F  1390"},
    {2011y / June / 23, 3,
     "\u067E\u0646\u062C\u0634\u0646\u0628\u0647  2  \u062A\u064A\u0631  1390"},
    {2011y / July / 24, 3,
     "\u064A\u06A9\u0634\u0646\u0628\u0647  2  \u0645\u0631\u062F\u0627\u062F  1390"},
    {2011y / August / 26, 3,
     "\u062C\u0645\u0639\u0647  4  \u0634\u0647\u0631\u064A\u0648\u0631  1390"},
    {2011y / September / 22, 0, "1390/06/31"},
    {2011y / September / 23, 1, "1 \u0645\u0647\u0631 1390"},
    {2011y / October / 23, 1, "1 \u0622\u0628\u0627\u0646 1390"},
    {2011y / November / 22, 1, "1 \u0622\u0630\u0631 1390"},
    {2011y / December / 22, 1, "1 \u062F\u064A 1390"},
    {2012y / January / 21, 1, "1 \u0628\u0647\u0645\u0646 1390"},
    {2013y / March / 20, 0, "1391/12/30"},  // 1391 is a leap year
    {2013y / March / 21, 0, "1392/01/01"},
    {2059y / March / 20, 0, "1437/12/29"},  // 1437 is not: no two leap years in a row
    {2059y / March / 21, 0, "1438/01/01"},
};

TEST(ToSolarDate, WritesEachLayoutExactly) {
    for (const auto& [date, format, expected] : Layouts) {
        const DateValue value = ToDateValue(date);
        EXPECT_EQ(expected, ToSolarDate(value, format)) << int{date.year()} << " " << format;
        EXPECT_EQ(expected, ToSolarDate(value + 0.999, format)) << "time of day ignored";
    }
    EXPECT_EQ("1389/12/11", ToSolarDate(ToDateValue(2011y / March / 2)));  // code 0 by default
}

TEST(ToSolarDate, GivesTheEmptyTextForAnUnknownCodeOrADateBefore1953) {
    for (const int format : {-1, 4, 100}) {
        EXPECT_EQ("", ToSolarDate(ToDateValue(2011y / March / 2), format));
    }
    for (const DateValue value : {SolarEpoch - 0.5, 0.0, -700000.0}) {
        for (int format = 0; format < FormatCount; ++format) {
            EXPECT_EQ("", ToSolarDate(value, format)) << value;
        }
    }
}

TEST(DaysToSolarDate, LeavesTheOutputsAloneForANegativeCount) {
    int year = -7, month = -8, day = -9;
    DaysToSolarDate(-1, year, month, day);
    EXPECT_EQ(-7, year);
    EXPECT_EQ(-8, month);
    EXPECT_EQ(-9, day);
}

}  // namespace
}  // namespace tarvand
