// Moments as people write them for date -d: a date, a time of day, an offset, @SECONDS, the words
// now, today, yesterday and tomorrow, and relative items such as "+3 days" or "1 month ago".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "DateText.h"
#include "TimeZone.h"

namespace tarvand {

// The calendar of a written date.
enum class DateCalendar { Gregorian, Solar, Hijri };

// The parts of a written moment, not yet checked against a calendar or a zone.
struct WrittenMoment {
    std::optional<WrittenDate> date;  // YYYY-MM-DD, or YYYY/MM/DD for Solar and Hijri dates
    DateCalendar calendar = DateCalendar::Gregorian;  // the date's
    std::optional<int> secondOfDay;                   // a time of day: HH:MM[:SS[.fraction]]
    bool leapSecond = false;                          // its second was written 60
    int nanosecond = 0;                               // the fraction of that time's second
    std::optional<int> offset;     // seconds east of UTC: Z, UTC, +hh, +hhmm, +hh:mm
    std::optional<Instant> epoch;  // @SECONDS
    std::int64_t months = 0;       // relative months, years counting 12
    std::int64_t days = 0;         // relative days, weeks counting 7
    std::int64_t seconds = 0;      // relative hours, minutes and seconds
    bool showsTime = false;        // a time, an offset, @SECONDS, "now" or a clock unit
};

// Takes a written moment (ASCII, Persian or Arabic-Indic digits; words in any case, items blank
// apart) and the calendar of its plain dates: Gregorian (YYYY-MM-DD), Solar or Hijri
// (YYYY/MM/DD). A Hijri date may also be written in any of them as YYYY/MM/DD AH, or as DAY MONTH
// YEAR with a Hijri month's name ("10 Muharram 1448", "۱۰ محرم ۱۴۴۸"). Returns its parts, or the
// end of a message that says what is wrong, such as ": hour 25", ": unknown word 'tomorow'" or
// " (expected YYYY-MM-DD)", to follow "invalid date 'TEXT'".
std::variant<WrittenMoment, std::string> ParseMoment(std::string_view text, DateCalendar plain);

}  // namespace tarvand
