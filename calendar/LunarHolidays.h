// Iran's official holidays fixed in the Hijri lunar calendar, on their days as Iran keeps it.
#pragma once

#include <vector>

#include "HijriCalendar.h"
#include "Occasion.h"

namespace tarvand {

// Takes the Hijri calendar and a first and a last day (date values within 1178 to 3000); returns
// the official lunar holidays between them in the order of their days, each on its Hijri day and
// marked estimated where that day is predicted (for a month's last day, where its length is).
std::vector<Occasion> LunarHolidays(const HijriCalendar& calendar, DateValue first, DateValue last);

}  // namespace tarvand
