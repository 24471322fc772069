// Gregorian date value to Solar Hijri text, in one of four layouts.
#pragma once

#include <string>

#include "DateValue.h"

namespace tarvand {

// The first day the conversion handles: 21 March 1953, 1 Farvardin 1332.
inline constexpr DateValue SolarEpoch = 19439;

// The layouts, by format code:
//   0  year/month/day, month and day with a leading zero below 10   1389/12/11
//   1  day month-name year                                          11 Esfand 1389
//   2  weekday-name year/month/day                                  Wednesday 1389/12/11
//   3  weekday-name, day, month-name and year, two blanks apart     Wednesday  11  Esfand  1389
// (names in Persian, numbers in ASCII digits, parts in logical order).
inline constexpr int FormatCount = 4;

// Takes a date value (its time of day is ignored) and a format code; returns the Solar Hijri date
// as UTF-8 text in that layout. Returns the empty text for a code other than 0 to 3 and for a
// date before SolarEpoch.
std::string ToSolarDate(DateValue value, int format = 0);

}  // namespace tarvand
