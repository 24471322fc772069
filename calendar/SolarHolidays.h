// Iran's official holidays fixed in the Solar Hijri calendar, year by year.
#pragma once

#include <vector>

#include "Occasion.h"

namespace tarvand {

// The year of today's list of official holidays (1979), the year 14 Khordad joined it (1989).
inline constexpr int RevolutionYear = 1358;
inline constexpr int FourteenKhordadYear = 1368;

// Takes a year 1178 to 3000; returns its official Solar holidays in the order of their days. From
// 1358: 1 to 4 Farvardin, 12 and 13 Farvardin, 14 Khordad (from 1368), 15 Khordad, 22 Bahman,
// 29 Esfand and, in leap years, 30 Esfand. Before 1358, whose lists are not known here, Nowruz
// (1 to 4 Farvardin) and 13 Farvardin only.
std::vector<Occasion> SolarHolidays(int year);

}  // namespace tarvand
