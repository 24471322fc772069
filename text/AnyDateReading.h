// A date in any of the three calendars, as people type it into a field that goes to a day:
// 1405/04/04 (Solar), 2026-06-25 (Gregorian), 1448/01/10 AH, 10 Muharram 1448 or ۱۰ محرم ۱۴۴۸
// (Hijri), 4 Tir 1405 (Solar, by its month's name).
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calendar/DateValue.h"
#include "calendar/HijriCalendar.h"

namespace tarvand {

// Takes text (ASCII, Persian or Arabic-Indic digits; month names in Latin or Persian letters,
// Iranian or Afghan, or any start of one that names a single month, Solar names before Hijri ones)
// and the Hijri calendar; returns the day it names within 1178 to 3000, or the message that says
// why it names none: it cannot be read, there is no such day, or the day is outside.
std::variant<DateValue, std::string> ReadAnyDate(std::string_view text, const HijriCalendar& hijri);

}  // namespace tarvand
