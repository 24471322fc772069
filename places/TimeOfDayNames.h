// The names of the six times of the day, in English as the catalogue keys them; the indicator
// keeps the ticked ones by these names too.
#pragma once

#include <array>

#include "calendar/SunTimes.h"

namespace tarvand {

// Fajr first, in the order the times are printed; looked up in the catalogue where they are shown
// (Iran's calendar's own names in Persian).
extern const std::array<const char*, TimesOfDayCount> TimeOfDayNames;

}  // namespace tarvand
