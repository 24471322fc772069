// Solar Hijri year arithmetic: the leap rule and the walk from a day count to year, month and day.
#pragma once

#include <cstdint>

namespace tarvand {

// The Solar Hijri year in which day 0 of every day count falls (1 Farvardin 1332 = 21 March 1953).
inline constexpr int BaseYear = 1332;

// Takes a year offset from BaseYear (0 is 1332); returns true when that year has 366 days.
// Any offset whose year BaseYear + offset fits an int.
bool IsSolarLeapYear(int offset);

// Takes a day count from 1 Farvardin 1332 and sets year (1332 on), month (1 to 12) and day (1 to
// 31). A negative count is not converted: the outputs are left as they were. The walk takes one
// step per year, so counts up to a few million days (about 8,000 years) are cheap.
void DaysToSolarDate(std::int64_t days, int& year, int& month, int& day);

}  // namespace tarvand
