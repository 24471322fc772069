// The computer's local clock: the one place where the calendar code reads the time.
#pragma once

#include <chrono>

#include "DateValue.h"

namespace tarvand {

// Returns the current local date and time, whole seconds, in the time zone the C library uses (TZ);
// a clock past the years -32767 to 32767 gives the first or last second of that range.
std::chrono::local_seconds LocalNow();

// Returns today's local date as a date value, time of day 0.
DateValue LocalToday();

}  // namespace tarvand
