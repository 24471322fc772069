// The new crescent's visibility after sunset by Odeh's criterion (M. Odeh, "New Criterion for
// Lunar Crescent Visibility", Experimental Astronomy 18, 2004), and the first day of a Hijri month
// that follows from it for Iran.
#pragma once

#include <array>
#include <span>

#include "Sky.h"

namespace tarvand::crescent {

// Places from which the crescent is looked for: the capital, where the Calendar Center works, and
// three corners of the country. On the record of 1423-1447 the north-west (Tabriz) and the
// south-east (Chabahar, the southernmost town, where the Moon stays longest after the Sun) decide
// every month; any other place of the country's west or south (Qasr-e Shirin, Abadan, Bushehr,
// Bandar Abbas) put in their stead agreed less often with the record.
inline constexpr std::array<Place, 4> IranPlaces{{
    {"Tehran", 35.69, 51.39, 1190},
    {"Mashhad", 36.30, 59.60, 990},
    {"Tabriz", 38.08, 46.29, 1350},
    {"Chabahar", 25.29, 60.64, 7},
}};

// Odeh's V at or above which the crescent counts as seen. Odeh's zones: V >= 5.65 visible to the
// naked eye; 2 <= V < 5.65 visible with optical aid and perhaps to the naked eye; -0.96 <= V < 2
// visible with optical aid only. Iran's record of 1423-1447 agrees best with 0.85, in the zone of
// optical aid: the Center counts telescopes. Chosen on the record: 278 of its 298 month starts
// exact and none off by more than a day (0.80 to 0.85 give the same; 1.0 loses one).
inline constexpr double VisibleFrom = 0.85;

// Takes a place and the Julian day of 0h UT of a civil day; returns that day's sunset (upper limb
// on the horizon, refraction of 34') in UT.
JulianDay Sunset(const Place& place, JulianDay midnight);

// Takes a place and a sunset; returns the next moonset after the sunset, or the sunset itself when
// the Moon is below the horizon then.
JulianDay MoonsetAfter(const Place& place, JulianDay sunset);

// Takes a place and the Julian day of 0h UT of a civil day; returns Odeh's V for the crescent that
// evening at the best time (sunset plus 4/9 of the Moon's lag), or -100 when the Moon sets first.
double OdehV(const Place& place, JulianDay midnight);

// Takes a new moon, the places and a threshold of V; returns the Julian day of 0h UT of the day
// after the first evening, after the new moon, on which the crescent's V reaches the threshold at
// one of the places: the day its month begins.
JulianDay MonthStartAfter(JulianDay newMoon, std::span<const Place> places = IranPlaces,
                          double threshold = VisibleFrom);

}  // namespace tarvand::crescent
