// Months and years counted on the Solar Hijri calendar, as a user means "one month from now".
#pragma once

#include <cstdint>
#include <optional>

#include "DateValue.h"

namespace tarvand {

// Takes a Solar date that exists (1178 to 3000) and a count of months, negative to go back;
// returns the date value of the same day that many months on, or the month's last day when it is
// shorter (1404/06/31 and one month give 1404/07/30). Returns nothing when the month it lands in is
// outside 1178 to 3000.
std::optional<DateValue> AddSolarMonths(int year, int month, int day, std::int64_t months);

}  // namespace tarvand
