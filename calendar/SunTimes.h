// The times of the day Iran's official calendar prints for a place: dawn, sunrise, noon, sunset,
// the evening call and the religious midnight, by the method of the Institute of Geophysics of
// the University of Tehran. Moments only: the clock and the zone stay with the caller.
#pragma once

#include <array>
#include <chrono>
#include <optional>

namespace tarvand {

// A place on the Earth, at sea level.
struct Place {
    double latitude = 0;   // degrees, north positive, -90 to 90
    double longitude = 0;  // degrees, east positive, -180 to 180
};

// The six times, in the order the calendar prints them.
enum class TimeOfDay { Fajr, Sunrise, Dhuhr, Sunset, Maghrib, Midnight };
inline constexpr int TimesOfDayCount = 6;

// The Sun's altitude at each time that depends on it, in degrees: its centre 17.7 below the
// horizon at dawn, its upper edge on the horizon with standard refraction (the centre 0.833
// below) at sunrise and sunset, 4.5 below after sunset for the evening call.
inline constexpr double FajrAltitude = -17.7;
inline constexpr double HorizonAltitude = -0.833;
inline constexpr double MaghribAltitude = -4.5;

// The six times of one day, in seconds since 1970 (UTC); each missing when the Sun does not reach
// its altitude (and midnight when either of its ends is missing).
using DayTimes = std::array<std::optional<double>, TimesOfDayCount>;

// Takes a place, a civil day and the place's offset from UTC at that day's noon in seconds;
// returns the day's six times, midnight halfway from the day's sunset to the next day's dawn.
DayTimes TimesOfDayFor(const Place& place, std::chrono::sys_days day, int noonOffsetSeconds);

// Takes a moment in seconds; returns it rounded to the nearest minute, as the calendar prints it.
double ToNearestMinute(double seconds);

}  // namespace tarvand
