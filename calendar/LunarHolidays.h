// Iran's official holidays fixed in the Hijri lunar calendar, estimated ahead of their
// announcement from the Umm al-Qura calendar.
#pragma once

#include <vector>

#include "Occasion.h"

namespace tarvand {

// Iran's day usually comes one after Umm al-Qura's: its months begin by sighting the moon.
inline constexpr int SightingDelay = 1;

// Takes a first and a last day (date values within 1178 to 3000); returns the official lunar
// holidays between them in the order of their days, each marked estimated: on its day in ICU's
// Umm al-Qura calendar (islamic-umalqura), taken at build time, SightingDelay days later.
std::vector<Occasion> EstimatedLunarHolidays(DateValue first, DateValue last);

}  // namespace tarvand
