// Written moments made into moments: their dates checked on their calendar, their wall times read
// in their offset or the output's zone, their relative items applied.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "TimeZone.h"
#include "calendar/DateValue.h"

namespace tarvand {

// A moment read from a written text.
struct Moment {
    Instant instant;                    // when dateOnly is set, not yet known
    bool showsTime = false;             // the text named a time (see WrittenMoment)
    bool showsFraction = false;         // it named a fraction of a second
    std::optional<DateValue> dateOnly;  // a date and nothing else: that day, which converts
};

// Takes a written moment, whether its dates are Solar, the current moment and the output's zone;
// returns the moment it names, or the message that says why it cannot be read. Relative months and
// years count on the Solar calendar, clamped to the month's last day; days keep the wall time;
// hours, minutes and seconds are elapsed time.
std::variant<Moment, std::string> ReadMoment(std::string_view text, bool solar, Instant now,
                                             const TimeZone& zone);

// Takes a wall time, or none where the C library could not tell it; returns its date value when it
// falls on a day that converts (1799-03-21 to 3622-03-20), else nothing.
std::optional<DateValue> ConvertibleDay(const std::optional<WallTime>& wall);

// Takes the text a moment was read from (empty for the current moment) and whether it is Solar;
// returns the message for a moment outside the days that convert.
std::string OutsideMessage(std::string_view text, bool solar, const std::optional<WallTime>& wall);

}  // namespace tarvand
