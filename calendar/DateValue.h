// Date values: a day number with the time of day as its fraction, and the few services the
// conversion needs on them. Civil dates come from <chrono>'s calendar; nothing here reads a clock.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace tarvand {

// Days since 30 December 1899 (day 0); the fraction is the time of day (0.5 is noon).
// The fraction is never negative: 29 December 1899 at 06:00 is -0.75.
using DateValue = double;

// Day 0 of every date value.
inline constexpr std::chrono::sys_days DateValueEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

// 1 January 1970, where Unix time starts, as a date value.
inline constexpr DateValue UnixEpochDay = 25569;

// Takes a civil date; returns its date value at midnight. Whole chrono range, about ±32767 years.
DateValue ToDateValue(std::chrono::year_month_day date);

// The same for a day count of <chrono>'s system clock.
DateValue ToDateValue(std::chrono::sys_days day);

// Takes a date value; returns the day it falls on, its time of day ignored.
std::chrono::sys_days ToDays(DateValue value);

// Takes a date value; returns the civil date it falls on, its time of day ignored.
std::chrono::year_month_day ToCivilDate(DateValue value);

// Takes two date values; returns the midnights crossed from the first to the second (negative when
// the second is earlier). Times of day play no part.
std::int64_t DayDifference(DateValue from, DateValue to);

// Takes a date value; returns its weekday, 1 for Sunday up to 7 for Saturday.
int Weekday(DateValue value);

// Takes a civil date; returns it written YYYY-MM-DD.
std::string IsoText(std::chrono::year_month_day date);

}  // namespace tarvand
