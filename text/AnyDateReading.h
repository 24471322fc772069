// A date in any of the three calendars, as people type it into a field that goes to a day:
// 1405/04/04 (Solar), 2026-06-25 (Gregorian), 1448/01/10 AH, 10 Muharram 1448 or ۱۰ محرم ۱۴۴۸
// (Hijri), 4 Tir 1405 (Solar, by its month's name).
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "TimeZone.h"
#include "calendar/DateValue.h"
#include "calendar/HijriCalendar.h"

namespace tarvand {

// Takes text (ASCII, Persian or Arabic-Indic digits; month names in Latin or Persian letters,
// Iranian or Afghan, or any start of one that names a single month, Solar names before Hijri ones)
// and the Hijri calendar; returns the day it names within 1178 to 3000, or the message that says
// why it names none: it cannot be read, there is no such day, or the day is outside.
std::variant<DateValue, std::string> ReadAnyDate(std::string_view text, const HijriCalendar& hijri);

// A day read, and how it was read where the text could mean another day.
struct DayRead {
    DateValue day = 0;
    std::string note;  // empty unless two calendars could mean the text
};

// Takes text as typed into a field that goes to a day, the Hijri calendar, the zone and the current
// moment; returns the day it names, or the message that says why it names none. Reads what
// ReadAnyDate reads, and whatever tarvand-date -d reads (today, امروز, tomorrow, +3 days, ...),
// plain YYYY/MM/DD as Solar. A date two calendars could mean is never taken silently: YYYY/MM/DD
// that is also a Gregorian date, and YYYY-MM-DD of a year 1178 to 1500, are read as Solar, with a
// note that says so and how to write the other.
std::variant<DayRead, std::string> ReadDayAsMeant(std::string_view text, const HijriCalendar& hijri,
                                                  const TimeZone& zone, Instant now);

}  // namespace tarvand
