#include <gtest/gtest.h>

#include <sstream>

#include "CalOptions.h"
#include "MonthGrid.h"
#include "calendar/DateValue.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

// Every month from 1178 to 3000: day 1 under its weekday (Saturday the first column), the days
// running on to the month's last, and each row's week number one more than the row before; the
// header names the Hijri months of its first and last days, within the grid's width.
TEST(MonthGrid, PutsEveryMonthsDaysUnderTheirWeekdays) {
    const HijriCalendar hijri;
    for (int year = FirstSolarYear; year <= LastSolarYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const DateValue last = *FromSolarDate(year, month, SolarMonthLength(year, month));
            const auto from = *hijri.ToHijri(*FromSolarDate(year, month, 1));
            const auto to = *hijri.ToHijri(last);
            const std::string latin = MonthHeader(year, month, {}, hijri).hijri.text;
            ASSERT_TRUE(latin.starts_with(ShortLatinHijriMonthNames[from.month - 1u])) << latin;
            ASSERT_TRUE(latin.ends_with(std::string(ShortLatinHijriMonthNames[to.month - 1u]) +
                                        " " + std::to_string(to.year)))
                << latin;
            ASSERT_LE(MonthHeader(year, month, {.persian = true}, hijri).hijri.width, 20) << latin;
            ASSERT_LE(MonthHeader(year, month, {}, hijri).hijri.width, 20) << latin;
            const auto rows = MonthRows(year, month, std::nullopt, {.weekNumbers = true});
            ASSERT_EQ(7U, rows.size());
            const DateValue first = *FromSolarDate(year, month, 1);
            const std::size_t one = rows[1].text.find_first_not_of(' ', 3);
            ASSERT_EQ(Weekday(first) % 7, static_cast<int>(one - 3) / 3) << year << "/" << month;
            int expected = 1, week = 0;
            for (std::size_t r = 1; r < rows.size(); ++r) {
                std::istringstream cells(rows[r].text);
                int number = 0;
                if (!(cells >> number)) continue;
                if (week != 0) {
                    ASSERT_EQ(week + 1, number) << year << "/" << month;
                }
                week = number;
                while (cells >> number) ASSERT_EQ(expected++, number) << year << "/" << month;
            }
            ASSERT_EQ(SolarMonthLength(year, month) + 1, expected) << year << "/" << month;
        }
        // Week 1 holds 1 Farvardin; the last day is in week 53, or 54 when 1 Farvardin is a Friday
        // of a leap year.
        EXPECT_EQ(1, WeekOfYear(year, SolarYearStart(year)));
        const int last = WeekOfYear(year, SolarYearStart(year + 1) - 1);
        const bool friday = Weekday(*FromSolarDate(year, 1, 1)) == 6;
        EXPECT_EQ(friday && IsSolarLeapYear(year - BaseYear) ? 54 : 53, last) << year;
    }
}

// In Persian a month from Dhu al-Hijjah into Muharram names both Hijri years in exactly the grid's
// 20 columns; one from Dhu al-Qa'dah needs 21, and the first year goes.
TEST(MonthGrid, NamesBothHijriYearsWhereTheyFitTheGrid) {
    const HijriCalendar hijri;
    const auto persian = [&](int year, int month) {
        return MonthHeader(year, month, {.persian = true}, hijri).hijri;
    };
    EXPECT_EQ(20, persian(1404, 4).width);
    EXPECT_NE(std::string::npos, persian(1404, 4).text.find("\u06F1\u06F4\u06F4\u06F6"));  // 1446
    EXPECT_EQ(std::string::npos, persian(1212, 2).text.find("\u06F1\u06F2\u06F4\u06F8"));  // 1248
    EXPECT_NE(std::string::npos, persian(1212, 2).text.find("\u06F1\u06F2\u06F4\u06F9"));
}

TEST(CalOptions, ReadsMonthsByNumberOrAnyStartOfAName) {
    const std::pair<const char*, int> months[] = {{"7", 7},
                                                  {"۱۲", 12},
                                                  {"mehr", 7},
                                                  {"Meh", 7},
                                                  {"ESF", 12},
                                                  {"\u0645\u0647\u0631", 7},
                                                  {"\u062F\u064A", 10},  // Dey, Arabic yeh
                                                  {"hut", 12},
                                                  {"\u062D\u0645\u0644", 1},
                                                  {"Kh", 3}};
    for (const auto& [text, month] : months) {
        const auto read = ReadMonth(text);
        ASSERT_TRUE(std::holds_alternative<int>(read)) << text << ": " << std::get<1>(read);
        EXPECT_EQ(month, std::get<int>(read)) << text;
    }
    for (const char* bad : {"0", "13", "m", "zzz", ""}) {
        EXPECT_TRUE(std::holds_alternative<std::string>(ReadMonth(bad))) << bad;
    }
}

}  // namespace
}  // namespace tarvand
