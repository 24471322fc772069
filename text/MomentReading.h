// Written moments made into moments: their dates checked on their calendar, their wall times read
// in their offset or the output's zone, their relative items applied.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "MomentText.h"
#include "TimeZone.h"
#include "calendar/DateValue.h"
#include "calendar/HijriCalendar.h"

namespace tarvand {

// A moment read from a written text.
struct Moment {
    Instant instant;                    // when dateOnly is set, not yet known
    bool showsTime = false;             // the text named a time (see WrittenMoment)
    bool showsFraction = false;         // it named a fraction of a second
    std::optional<DateValue> dateOnly;  // a date and nothing else: that day, which converts
    bool predictedHijri = false;        // written as a Hijri date in a month that is predicted
};

// Where a Hijri date is looked up: the calendar with the month files, read when first asked for.
using HijriSource = std::function<const HijriCalendar&()>;

// Takes a written moment, the calendar of its plain dates, the current moment, the output's zone
// and the Hijri calendar; returns the moment it names, or the message that says why it cannot be
// read. Relative months and years count on the Solar calendar, whatever the calendar of the date
// they follow, clamped to the month's last day; days keep the wall time; hours, minutes and
// seconds are elapsed time.
std::variant<Moment, std::string> ReadMoment(std::string_view text, DateCalendar plain, Instant now,
                                             const TimeZone& zone, const HijriSource& hijri);

// Takes a wall time, or none where the C library could not tell it; returns its date value when it
// falls on a day that converts (1799-03-21 to 3622-03-20), else nothing.
std::optional<DateValue> ConvertibleDay(const std::optional<WallTime>& wall);

// Takes the text of a date that converts and the calendar it was written in; returns the message
// for the relative items after it that move it outside the days that convert.
std::string MovedOutsideMessage(std::string_view text, DateCalendar calendar);

// Takes the text a moment was read from (empty for the current moment) and the calendar of its
// date; returns the message for a moment outside the days that convert.
std::string OutsideMessage(std::string_view text, DateCalendar calendar,
                           const std::optional<WallTime>& wall);

}  // namespace tarvand
