// Gregorian date values to Solar Hijri dates and text in one of four layouts, and back.
#pragma once

#include <optional>
#include <string>

#include "DateValue.h"

namespace tarvand {

// Day 0 of the Solar day counts: 21 March 1953, 1 Farvardin 1332.
inline constexpr DateValue SolarEpoch = 19439;

// A Solar Hijri date with its weekday.
struct SolarDate {
    int year = 0;     // 1178 to 3000
    int month = 0;    // 1 to 12
    int day = 0;      // 1 to 31
    int weekday = 0;  // 1 for Sunday up to 7 for Saturday
};

// The first and last date values that convert: 21 March 1799 (1 Farvardin 1178) and 20 March
// 3622 (29 Esfand 3000).
DateValue FirstSolarValue();
DateValue LastSolarValue();

// Takes a date value (its time of day is ignored); returns its Solar Hijri date, or nothing
// outside FirstSolarValue() to LastSolarValue().
std::optional<SolarDate> ToSolarFields(DateValue value);

// Takes a Solar Hijri year, month and day; returns the date value of that day at midnight, or
// nothing when no such day exists from 1178 to 3000.
std::optional<DateValue> FromSolarDate(int year, int month, int day);

// The layouts, by format code:
//   0  year/month/day, month and day with a leading zero below 10   1389/12/11
//   1  day month-name year                                          11 Esfand 1389
//   2  weekday-name year/month/day                                  Wednesday 1389/12/11
//   3  weekday-name, day, month-name and year, two blanks apart     Wednesday  11  Esfand  1389
// (names in Persian, numbers in ASCII digits, parts in logical order).
inline constexpr int FormatCount = 4;

// Takes a date value (its time of day is ignored) and a format code; returns the Solar Hijri date
// as UTF-8 text in that layout. Returns the empty text for a code other than 0 to 3 and for a
// date outside FirstSolarValue() to LastSolarValue().
std::string ToSolarDate(DateValue value, int format = 0);

}  // namespace tarvand
