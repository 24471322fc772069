#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "calendar/SolarFormat.h"
#include "calendar/SolarMonths.h"
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
    {1953y / March / 21, 3,
     "\u0634\u0646\u0628\u0647  1  \u0641\u0631\u0648\u0631\u062F\u064A\u0646  1332"},
    {2011y / March / 2, 0, "1389/12/11"},
    {2011y / March / 2, 1, "11 \u0627\u0633\u0641\u0646\u062F 1389"},
    {2011y / March / 2, 2, "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647 1389/12/11"},
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
    {2011y / September / 23, 1, "1 \u0645\u0647\u0631 1390"},
    {2011y / October / 23, 1, "1 \u0622\u0628\u0627\u0646 1390"},
    {2011y / November / 22, 1, "1 \u0622\u0630\u0631 1390"},
    {2011y / December / 22, 1, "1 \u062F\u064A 1390"},
    {2012y / January / 21, 1, "1 \u0628\u0647\u0645\u0646 1390"},
    {1950y / January / 1, 0, "1328/10/11"},
    {1799y / March / 21, 0, "1178/01/01"},  // the first day
    {2124y / March / 20, 0, "1503/01/01"},  // 1502 is common: the first correction
};

TEST(ToSolarDate, WritesEachLayoutExactly) {
    for (const auto& [date, format, expected] : Layouts) {
        const DateValue value = ToDateValue(date);
        EXPECT_EQ(expected, ToSolarDate(value, format)) << int{date.year()} << " " << format;
        EXPECT_EQ(expected, ToSolarDate(value + 0.999, format)) << "time of day ignored";
    }
    EXPECT_EQ("1389/12/11", ToSolarDate(ToDateValue(2011y / March / 2)));  // code 0 by default
}

TEST(ToSolarDate, GivesTheEmptyTextForAnUnknownCodeOrADateOutside1178To3000) {
    for (const int format : {-1, 4, 100}) {
        EXPECT_EQ("", ToSolarDate(ToDateValue(2011y / March / 2), format));
    }
    const DateValue outside[] = {FirstSolarValue() - 0.5, LastSolarValue() + 1, -700000.0, 1e7};
    for (const DateValue value : outside) {
        for (int format = 0; format < FormatCount; ++format) {
            EXPECT_EQ("", ToSolarDate(value, format)) << value;
        }
    }
    int year = -7, month = -8, day = -9;
    DaysToSolarDate(FirstSolarDay() - 1, year, month, day);
    DaysToSolarDate(LastSolarDay() + 1, year, month, day);
    EXPECT_EQ(-7 - 8 - 9, year + month + day) << "outputs left alone";
}

// Every day of the range: each layout writes what its format writes.
TEST(SolarFormat, WritesEachLayoutAsItsFormatOnEveryDay) {
    for (DateValue value = FirstSolarValue(); value <= LastSolarValue(); ++value) {
        const SolarDate date = *ToSolarFields(value);
        for (int format = 0; format < FormatCount; ++format) {
            ASSERT_EQ(ToSolarDate(value, format),
                      FormatSolarDate(date, LayoutFormats[static_cast<std::size_t>(format)]))
                << value << " " << format;
        }
    }
}

TEST(SolarFormat, WritesEachConversionWithItsFlagsAndStyle) {
    const SolarDate date{1403, 9, 5, 2};  // a Monday, day 251 of the year
    const FormatStyle persian{.persian = true}, afghan{.afghan = true};
    const std::tuple<const char*, FormatStyle, const char*> cases[] = {
        {"%Y|%y|%C|%m|%d|%e|%j|%u|%w|%F|%%|%n|%t",
         {},
         "1403|03|14|09|05| 5|251|3|2|1403-09-05|%|\n|\t"},
        {"%-m %_m %0e %4d %-4d %_4Y %03u %6b", {}, "9  9 05 0005 5 1403 003    \u0622\u0630\u0631"},
        {"%a=%A %b=%h=%B",
         {},
         "\u062F\u0648\u0634\u0646\u0628\u0647=\u062F\u0648\u0634\u0646\u0628\u0647 "
         "\u0622\u0630\u0631=\u0622\u0630\u0631=\u0622\u0630\u0631"},
        {"%F %_3d %A", persian,
         "\u06F1\u06F4\u06F0\u06F3-\u06F0\u06F9-\u06F0\u06F5   \u06F5 "
         "\u062F\u0648\u0634\u0646\u0628\u0647"},
        {"%B", afghan, "\u0642\u0648\u0633"},
        // widths on every letter; ^ # E O change nothing; a % that ends the format stays
        {"%_12F|%12F|%5n|%_3t|%3%|%^#B|%Ey|%Od|%",
         {},
         "  1403-09-05|001403-09-05|    \n|  \t|  %|\u0622\u0630\u0631|03|05|%"},
    };
    for (const auto& [format, style, expected] : cases) {
        EXPECT_EQ(expected, FormatSolarDate(date, format, style)) << format;
    }
    const char* afghanNames[] = {"\u062D\u0645\u0644",
                                 "\u062B\u0648\u0631",
                                 "\u062C\u0648\u0632\u0627",
                                 "\u0633\u0631\u0637\u0627\u0646",
                                 "\u0627\u0633\u062F",
                                 "\u0633\u0646\u0628\u0644\u0647",
                                 "\u0645\u06CC\u0632\u0627\u0646",
                                 "\u0639\u0642\u0631\u0628",
                                 "\u0642\u0648\u0633",
                                 "\u062C\u062F\u06CC",
                                 "\u062F\u0644\u0648",
                                 "\u062D\u0648\u062A"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(afghanNames[month - 1], FormatSolarDate({1403, month, 1, 1}, "%B", afghan));
    }
    // Persian letters: the Arabic yeh of the names becomes the Persian one.
    EXPECT_EQ("\u0634\u0647\u0631\u06CC\u0648\u0631 \u06CC\u06A9\u0634\u0646\u0628\u0647",
              FormatSolarDate({1403, 6, 1, 1}, "%B %A", persian));
    // A Saturday early in the year; the widest width.
    EXPECT_EQ("004 1 0", FormatSolarDate({1403, 1, 4, 7}, "%j %u %w"));
    EXPECT_EQ(std::string(254, '0') + "5", FormatSolarDate(date, "%255d"));
    const std::pair<const char*, const char*> unknown[] = {
        {"%Y%v", "%v"},     {"%-", "%-"},           {"%_5q", "%_5q"},
        {"%256d", "%256d"}, {"%\u00E9", "%\u00E9"}, {"%Y %% %", ""},
        {"%E", "%E"},       {"%:H", "%:H"},         {"%::::z", "%::::z"}};
    for (const auto& [format, expected] : unknown) EXPECT_EQ(expected, UnknownConversion(format));
    // The Hijri letters, with flags, widths and the Persian style; nothing without a Hijri date.
    const HijriDate ashura{1448, 1, 10, true};
    for (const auto& [format, style, expected] : {
             std::tuple{"%L/%J/%i %K|%-J|%_3i|%Q", FormatStyle{},
                        "1448/01/10 Muharram|1| 10|\u0645\u062D\u0631\u0645"},
             std::tuple{"%-i %Q %L", persian,
                        "\u06F1\u06F0 \u0645\u062D\u0631\u0645 \u06F1\u06F4\u06F4\u06F8"},
         }) {
        std::string text;
        SolarFormatter(format).Append(text, date, {}, style, {}, &ashura);
        EXPECT_EQ(expected, text) << format;
    }
    EXPECT_EQ("|", FormatSolarDate(date, "%L|%Q"));
}

TEST(SolarFormat, WritesTheTimeOfDayInItsZone) {
    const SolarDate date{1403, 12, 30, 5};  // Thursday 20 March 2025
    const SolarClock evening{.hour = 23,
                             .minute = 5,
                             .second = 9,
                             .nanosecond = 12'345'000,
                             .offset = 12'600,
                             .zone = "+0330",
                             .epochSeconds = 1'742'499'309};
    const SolarClock morning{.hour = 0,
                             .minute = 30,
                             .second = 0,
                             .nanosecond = 0,
                             .offset = -(4 * 3600 + 56 * 60 + 2),
                             .zone = "LMT",
                             .epochSeconds = -5'364'662'400};
    // A zone whose offset is unknown, as tzdata writes "-00".
    const SolarClock unknown{.hour = 0,
                             .minute = 0,
                             .second = 0,
                             .nanosecond = 0,
                             .offset = 0,
                             .zone = "-00",
                             .epochSeconds = 0};
    const FormatStyle persian{.persian = true};
    const std::tuple<SolarClock, const char*, FormatStyle, const char*> cases[] = {
        {evening, "%H|%k|%I|%l|%M|%S|%p|%P|%s", {}, "23|23|11|11|05|09|PM|pm|1742499309"},
        {morning, "%H|%k|%I|%l|%-M|%_S|%p|%P|%s", {}, "00| 0|12|12|30| 0|AM|am|-5364662400"},
        {evening, "%N|%3N|%-N|%12N|%_12N", {}, "012345000|012|012345000|012345000000|012345      "},
        {evening, "%-3N|%_3N|%-6N|%_N|%05N", {}, "012|012|012345|012345   |01234"},
        {morning, "%-3N|%_3N|%3N", {}, "0|0  |000"},
        {evening,
         "%09z|%-z|%_z|%_10:z|%3z|%-:::z",
         {},
         "+00000330|+330| +330|     +3:30|+330|+3:30"},
        {morning, "%010::z|%-:z", {}, "-004:56:02|-4:56"},
        {unknown, "%z|%:z|%Z", {}, "-0000|-00:00|-00"},
        {evening, "%z|%:z|%::z|%:::z|%Z|%_8Z", {}, "+0330|+03:30|+03:30:00|+03:30|+0330|   +0330"},
        {morning, "%z|%:z|%::z|%:::z|%Z", {}, "-0456|-04:56|-04:56:02|-04:56:02|LMT"},
        {evening, "%T|%R|%r|%X|%x", {}, "23:05:09|23:05|11:05:09 PM|23:05:09|1403/12/30"},
        {evening,
         "%c",
         {},
         "\u067E\u0646\u062C\u0634\u0646\u0628\u0647 30 \u0627\u0633\u0641\u0646\u062F 1403 "
         "23:05:09"},
        {morning, "%p %r", persian,
         "\u0642.\u0638 \u06F1\u06F2:\u06F3\u06F0:\u06F0\u06F0 \u0642.\u0638"},
        {evening, "%P %_6s", persian,
         "\u0628.\u0638 \u06F1\u06F7\u06F4\u06F2\u06F4\u06F9\u06F9\u06F3\u06F0\u06F9"},
        {morning, "%012s|%_13s", {}, "-05364662400|  -5364662400"},
    };
    for (const auto& [clock, format, style, expected] : cases) {
        std::string text;
        AppendSolarFormat(text, date, clock, format, style);
        EXPECT_EQ(expected, text) << format;
    }
    // A date alone is at midnight UTC.
    EXPECT_EQ("1742428800 00:00:00 +0000 UTC", FormatSolarDate(date, "%s %T %z %Z"));
    EXPECT_FALSE(UsesClock("%Y/%m/%d %A %B %j %F %%H"));
    for (const char* format : {"%H", "%_3k", "%s", "%:z", "%Z", "%c", "%X", "%N", "%r"}) {
        EXPECT_TRUE(UsesClock(format)) << format;
    }
}

TEST(AddSolarMonths, KeepsTheDayOrClampsItToTheMonthsLastDay) {
    struct Case {
        int year, month, day;
        std::int64_t months;
        std::optional<std::tuple<int, int, int>> expected;
    };
    const Case cases[] = {
        {1404, 6, 31, 1, {{1404, 7, 30}}},     {1404, 6, 31, -1, {{1404, 5, 31}}},
        {1403, 12, 30, 12, {{1404, 12, 29}}},  {1403, 11, 30, 1, {{1403, 12, 30}}},
        {1404, 11, 30, 1, {{1404, 12, 29}}},   {1404, 1, 15, -13, {{1402, 12, 15}}},
        {1404, 1, 31, 0, {{1404, 1, 31}}},     {1178, 1, 1, -1, std::nullopt},
        {3000, 12, 1, 1, std::nullopt},        {3000, 12, 30, -21'875, {{1178, 1, 30}}},
        {1404, 1, 1, INT64_MAX, std::nullopt}, {1404, 1, 1, INT64_MIN, std::nullopt},
    };
    for (const auto& [year, month, day, months, expected] : cases) {
        const auto value = AddSolarMonths(year, month, day, months);
        ASSERT_EQ(expected.has_value(), value.has_value()) << year << "/" << month << " " << months;
        if (value) {
            const SolarDate got = *ToSolarFields(*value);
            EXPECT_EQ(*expected, std::tuple(got.year, got.month, got.day))
                << year << "/" << month << "/" << day << " " << months;
        }
    }
    // Over the whole range, from the last day of every month: there and back lands on the day the
    // shorter of the two months allows.
    for (int year = FirstSolarYear; year <= LastSolarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int last = SolarMonthLength(year, month);
            const auto there = AddSolarMonths(year, month, last, 7);
            if (!there) {
                ASSERT_GE(year * 12 + month + 7, LastSolarYear * 12 + 13) << year << "/" << month;
                continue;
            }
            const SolarDate to = *ToSolarFields(*there);
            ASSERT_EQ(std::min(last, SolarMonthLength(to.year, to.month)), to.day);
            ASSERT_EQ((to.year * 12 + to.month) - (year * 12 + month), 7);
        }
    }
}

// Takes a path from the source tree; returns its lines that are not comments.
std::vector<std::string> DataLines(const std::string& path) {
    std::ifstream file(std::string{TARVAND_SOURCE_DIR} + "/" + path);
    EXPECT_TRUE(file) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

// The official first days of 1206 to 1498, year by year.
TEST(SolarCalendar, StartsEachYearOnTheOfficialDay) {
    const auto lines = DataLines("tests/calendar/data/year-starts-1206-1498.txt");
    ASSERT_EQ(1498 - 1206 + 1, lines.size());
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        int year = 0, y = 0;
        unsigned m = 0, d = 0;
        char dash = 0;
        fields >> year >> y >> dash >> m >> dash >> d;
        const DateValue start = ToDateValue(std::chrono::year{y} / m / d);
        EXPECT_EQ(start, FromSolarDate(year, 1, 1)) << line;
        EXPECT_EQ(std::to_string(year) + "/01/01", ToSolarDate(start)) << line;
    }
}

// Every year from 1178 to 3000, walked one year length at a time from the first day, with the
// leap years that the 33-year rule and the corrections file give.
TEST(SolarCalendar, FollowsTheCorrectionsFrom1502To3000) {
    std::set<int> corrections;
    for (const std::string& line : DataLines("calendar/leap-corrections-1178-3000.txt")) {
        corrections.insert(std::stoi(line));
    }
    ASSERT_EQ(78, corrections.size());
    DateValue start = ToDateValue(1799y / March / 21);
    for (int year = FirstSolarYear; year <= LastSolarYear; ++year) {
        const bool rule = (25 * year + 11) % 33 < 8;
        const bool leap = corrections.contains(year)       ? false
                          : corrections.contains(year - 1) ? true
                                                           : rule;
        EXPECT_EQ(leap, IsSolarLeapYear(year - BaseYear)) << year;
        EXPECT_EQ(start, FromSolarDate(year, 1, 1)) << year;
        const DateValue last = start + (leap ? 365 : 364);
        EXPECT_EQ(std::to_string(year) + (leap ? "/12/30" : "/12/29"), ToSolarDate(last)) << year;
        start = last + 1;
    }
    EXPECT_EQ(start, LastSolarValue() + 1);
}

// Every day of the range: to Solar and back is the identity, and each day follows the one before.
TEST(SolarCalendar, RoundTripsAndCountsOnEveryDay) {
    SolarDate before{1177, 12, 29, 4};
    for (DateValue value = FirstSolarValue(); value <= LastSolarValue(); ++value) {
        const auto date = ToSolarFields(value);
        ASSERT_TRUE(date) << value;
        ASSERT_EQ(value, FromSolarDate(date->year, date->month, date->day)) << value;
        const bool nextDay =
            date->year == before.year && date->month == before.month && date->day == before.day + 1;
        const bool nextMonth =
            date->day == 1 && before.day >= 29 &&
            (date->month == before.month + 1 ||
             (date->month == 1 && before.month == 12 && date->year == before.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << date->year << "/" << date->month << "/" << date->day;
        ASSERT_EQ(before.weekday % 7 + 1, date->weekday);
        before = *date;
    }
    EXPECT_EQ(std::nullopt, FromSolarDate(1404, 12, 30));  // a common year
    EXPECT_EQ(std::nullopt, FromSolarDate(1404, 7, 31));
    EXPECT_EQ(std::nullopt, FromSolarDate(1404, 13, 1));
    EXPECT_EQ(std::nullopt, FromSolarDate(3001, 1, 1));
}

}  // namespace
}  // namespace tarvand
