#include "SunTimes.h"

#include <cmath>
#include <numbers>

namespace tarvand {

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double SecondsPerDay = 86400;
constexpr double J2000UnixSeconds = 946728000;  // 2000-01-01 12:00 UTC, Julian day 2451545.0
// How far the Sun's hour angle turns in a second: 360.98564736629 degrees a day (Meeus 12.4).
constexpr double HourAngleRate = 360.98564736629 / SecondsPerDay;

// Takes an angle in degrees; returns it within 0 to 360.
double Turned(double degrees) {
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

// Takes an angle in degrees; returns it within -180 to 180.
double Signed(double degrees) {
    const double turned = Turned(degrees);
    return turned > 180 ? turned - 360 : turned;
}

// Takes a place and a moment; returns the Sun's local hour angle then, degrees -180 to 180 (0 at
// transit, negative before it), and its declination.
std::pair<double, double> HourAngle(const Place& place, double seconds) {
    const SunPlace sun = SunAt(seconds);
    return {Signed(sun.siderealAngle + place.longitude - sun.rightAscension), sun.declination};
}

}  // namespace

SunPlace SunAt(double unixSeconds) {
    const double days = (unixSeconds - J2000UnixSeconds) / SecondsPerDay;
    const double t = days / 36525;  // Julian centuries from J2000
    // Meeus 25.2 to 25.8: the mean longitude, the mean anomaly, the equation of the centre.
    const double meanLongitude = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double anomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * Degree;
    const double centre = (1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(anomaly) +
                          (0.019993 - t * 0.000101) * std::sin(2 * anomaly) +
                          0.000289 * std::sin(3 * anomaly);
    // The apparent longitude (aberration and nutation in longitude, 25.8) and the obliquity
    // corrected for nutation (22.2 and 25.8).
    const double node = (125.04 - 1934.136 * t) * Degree;
    const double longitude = (meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node)) * Degree;
    const double obliquity =
        (23.0 + (26.0 + (21.448 - t * (46.8150 + t * (0.00059 - t * 0.001813))) / 60) / 60 +
         0.00256 * std::cos(node)) *
        Degree;
    SunPlace sun;
    sun.declination = std::asin(std::sin(obliquity) * std::sin(longitude)) / Degree;
    sun.rightAscension =
        Turned(std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)) / Degree);
    // Greenwich mean sidereal time (12.4).
    sun.siderealAngle =
        Turned(280.46061837 + 360.98564736629 * days + t * t * (0.000387933 - t / 38710000));
    return sun;
}

double SunTransit(const Place& place, double nearSeconds) {
    double t = nearSeconds;
    for (int round = 0; round < 6; ++round) {
        const double step = -HourAngle(place, t).first / HourAngleRate;
        t += step;
        if (std::abs(step) < 0.5) {
            break;
        }
    }
    return t;
}

std::optional<double> SunReaches(const Place& place, double nearSeconds, double altitude,
                                 bool morning) {
    // The hour angle at which the Sun stands at that altitude (Meeus 15.1), from its declination
    // at the moment found so far, and the moment that hour angle comes, until it holds.
    const double sinLatitude = std::sin(place.latitude * Degree);
    const double cosLatitude = std::cos(place.latitude * Degree);
    double t = nearSeconds;
    for (int round = 0; round < 8; ++round) {
        const auto [hourAngle, declination] = HourAngle(place, t);
        const double cosTarget =
            (std::sin(altitude * Degree) - sinLatitude * std::sin(declination * Degree)) /
            (cosLatitude * std::cos(declination * Degree));
        if (!(cosTarget >= -1 && cosTarget <= 1)) {
            return std::nullopt;  // always above or always below that altitude
        }
        const double target = std::acos(cosTarget) / Degree * (morning ? -1 : 1);
        const double step = Signed(target - hourAngle) / HourAngleRate;
        t += step;
        if (std::abs(step) < 0.5) {
            return t;
        }
    }
    return t;
}

DayTimes TimesOfDayFor(const Place& place, std::chrono::sys_days day, int noonOffsetSeconds) {
    // Start from the place's mean noon that civil day (its longitude's, which its zone's clock only
    // approximates), or from the clock's noon where the two are half a day apart (a zone across
    // the date line from its longitude).
    const double midnight = static_cast<double>(day.time_since_epoch().count()) * SecondsPerDay;
    const double civilNoon = midnight + SecondsPerDay / 2 - noonOffsetSeconds;
    const double meanNoon = midnight + SecondsPerDay / 2 - place.longitude / 15 * 3600;
    const double noon = SunTransit(
        place, std::abs(meanNoon - civilNoon) < SecondsPerDay / 2 ? meanNoon : civilNoon);
    DayTimes times;
    const auto at = [&](TimeOfDay time) -> std::optional<double>& {
        return times[static_cast<std::size_t>(time)];
    };
    at(TimeOfDay::Fajr) = SunReaches(place, noon - SecondsPerDay / 4, FajrAltitude, true);
    at(TimeOfDay::Sunrise) = SunReaches(place, noon - SecondsPerDay / 4, HorizonAltitude, true);
    at(TimeOfDay::Dhuhr) = noon;
    at(TimeOfDay::Sunset) = SunReaches(place, noon + SecondsPerDay / 4, HorizonAltitude, false);
    at(TimeOfDay::Maghrib) = SunReaches(place, noon + SecondsPerDay / 4, MaghribAltitude, false);
    const double nextNoon = SunTransit(place, noon + SecondsPerDay);
    const auto nextFajr = SunReaches(place, nextNoon - SecondsPerDay / 4, FajrAltitude, true);
    if (at(TimeOfDay::Sunset) && nextFajr) {
        at(TimeOfDay::Midnight) = (*at(TimeOfDay::Sunset) + *nextFajr) / 2;
    }
    return times;
}

double ToNearestMinute(double seconds) { return std::floor(seconds / 60 + 0.5) * 60; }

}  // namespace tarvand
