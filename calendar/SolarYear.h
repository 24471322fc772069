// Solar Hijri year arithmetic: the leap years, year starts, and day counts to and from dates.
//
// The calendar is the astronomical one from 1 Farvardin 1178 to the last day of 3000: the 33-year
// arithmetic rule, which it follows from 1178 to 1501, with the corrections of
// leap-corrections-1178-3000.txt from 1502 on. Day counts are days from 1 Farvardin 1332
// (21 March 1953, day 0); earlier days count negative.
#pragma once

#include <cstdint>
#include <optional>

namespace tarvand {

// The Solar Hijri year in which day 0 of every day count falls (1 Farvardin 1332 = 21 March 1953).
inline constexpr int BaseYear = 1332;

// The years the calendar converts: the corrections are known for these.
inline constexpr int FirstSolarYear = 1178;
inline constexpr int LastSolarYear = 3000;

// Takes a year offset from BaseYear (0 is 1332); returns true when that year has 366 days.
// Astronomical for 1178 to 3000; outside that, the 33-year rule. Any offset whose year fits an int.
bool IsSolarLeapYear(int offset);

// Takes a year 1178 to 3001; returns the day count of its 1 Farvardin (3001's ends the range).
std::int64_t SolarYearStart(int year);

// Takes a year 1178 to 3000 and a month 1 to 12; returns the month's length, 29 to 31 days.
int SolarMonthLength(int year, int month);

// The range of day counts that DaysToSolarDate converts: 1 Farvardin 1178 to the last of 3000.
std::int64_t FirstSolarDay();
std::int64_t LastSolarDay();

// Takes a day count and sets year (1178 to 3000), month (1 to 12) and day (1 to 31). A count
// outside FirstSolarDay() to LastSolarDay() is not converted: the outputs are left as they were.
// Constant time: an estimate from the mean year, corrected by at most a step or two.
void DaysToSolarDate(std::int64_t days, int& year, int& month, int& day);

// Takes a year, month and day; returns its day count, or nothing when no such day exists in 1178
// to 3000 (month outside 1 to 12, day outside the month, year outside the range).
std::optional<std::int64_t> SolarDateToDays(int year, int month, int day);

}  // namespace tarvand
