#include "SunTimes.h"

#include <cmath>
#include <numbers>

namespace tarvand {

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double SecondsPerDay = 86400;
constexpr double J2000UnixSeconds = 946728000;  // 2000-01-01 12:00 UTC, Julian day 2451545.0
// A moment found is kept once the next step would move it less than this, in seconds: far below
// the minute it is printed to.
constexpr double Settled = 2;

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

// Where the Sun stands: its apparent place on the sky and the Earth's turn under it.
struct SunPlace {
    double declination = 0;     // degrees
    double rightAscension = 0;  // degrees, 0 to 360
    double siderealAngle = 0;   // Greenwich mean sidereal time, degrees, 0 to 360
};

// Takes a moment in seconds since 1970-01-01 00:00 UTC, from 1800 to 2700; returns where the Sun
// stands then, by Meeus's low-precision theory (Astronomical Algorithms, 2nd ed., ch. 25: within
// 0.01 degree, a few seconds of time at the horizon), and the sidereal angle (ch. 12).
SunPlace SunAt(double unixSeconds) {
    const double days = (unixSeconds - J2000UnixSeconds) / SecondsPerDay;
    const double t = days / 36525;  // Julian centuries from J2000
    // Meeus 25.2 to 25.8: the mean longitude, the mean anomaly, the equation of the centre.
    const double meanLongitude = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double anomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * Degree;
    const double sinM = std::sin(anomaly), cosM = std::cos(anomaly);
    const double sin2M = 2 * sinM * cosM, sin3M = sinM * (3 - 4 * sinM * sinM);
    const double centre = (1.914602 - t * (0.004817 + t * 0.000014)) * sinM +
                          (0.019993 - t * 0.000101) * sin2M + 0.000289 * sin3M;
    // The apparent longitude (aberration and nutation in longitude, 25.8) and the obliquity
    // corrected for nutation (22.2 and 25.8).
    const double node = (125.04 - 1934.136 * t) * Degree;
    const double longitude = (meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node)) * Degree;
    const double obliquity =
        (23.0 + (26.0 + (21.448 - t * (46.8150 + t * (0.00059 - t * 0.001813))) / 60) / 60 +
         0.00256 * std::cos(node)) *
        Degree;
    const double sinLongitude = std::sin(longitude), cosLongitude = std::cos(longitude);
    SunPlace sun;
    sun.declination = std::asin(std::sin(obliquity) * sinLongitude) / Degree;
    sun.rightAscension =
        Turned(std::atan2(std::cos(obliquity) * sinLongitude, cosLongitude) / Degree);
    // Greenwich mean sidereal time (12.4).
    sun.siderealAngle =
        Turned(280.46061837 + 360.98564736629 * days + t * t * (0.000387933 - t / 38710000));
    return sun;
}

// Takes a place and a moment; returns the Sun's local hour angle then, degrees -180 to 180 (0 at
// transit, negative before it), and its declination.
std::pair<double, double> HourAngle(const Place& place, double seconds) {
    const SunPlace sun = SunAt(seconds);
    return {Signed(sun.siderealAngle + place.longitude - sun.rightAscension), sun.declination};
}

// The Sun's hour angle and declination at a place through a day and a half, as straight lines
// through their values at a moment and a day later: the hour angle turns all but evenly, and the
// declination bends by a thousandth of a degree at most over the day (Meeus 15, interpolating),
// a fraction of a second at the horizon.
struct SunTrack {
    double start = 0;            // seconds since 1970
    double hourAngle = 0;        // degrees at start, -180 to 180
    double hourAngleRate = 0;    // degrees a second
    double declination = 0;      // degrees at start
    double declinationRate = 0;  // degrees a second
    double sinLatitude = 0, cosLatitude = 0;
};

// Takes a place and a moment; returns the Sun's track there from that moment on.
SunTrack TrackFrom(const Place& place, double start) {
    const auto [hourAngle, declination] = HourAngle(place, start);
    const auto [laterHourAngle, laterDeclination] = HourAngle(place, start + SecondsPerDay);
    SunTrack track;
    track.start = start;
    track.hourAngle = hourAngle;
    track.hourAngleRate = (Signed(laterHourAngle - hourAngle) + 360) / SecondsPerDay;
    track.declination = declination;
    track.declinationRate = (laterDeclination - declination) / SecondsPerDay;
    track.sinLatitude = std::sin(place.latitude * Degree);
    track.cosLatitude = std::cos(place.latitude * Degree);
    return track;
}

// Takes a track and a moment near a transit; returns the transit's moment.
double Transit(const SunTrack& track, double near) {
    const double hourAngle = track.hourAngle + track.hourAngleRate * (near - track.start);
    return near - Signed(hourAngle) / track.hourAngleRate;
}

// Takes a track, a moment near the event, the Sun's altitude and whether it rises through it;
// returns the moment its centre is there, or nothing when it does not get there that day.
std::optional<double> Reaches(const SunTrack& track, double near, double altitude, bool morning) {
    // The hour angle at which the Sun stands at that altitude (Meeus 15.1), from its declination
    // at the moment found so far, and the moment that hour angle comes, until it holds.
    const double sinAltitude = std::sin(altitude * Degree);
    double t = near;
    for (int round = 0; round < 8; ++round) {
        const double declination =
            (track.declination + track.declinationRate * (t - track.start)) * Degree;
        const double cosTarget = (sinAltitude - track.sinLatitude * std::sin(declination)) /
                                 (track.cosLatitude * std::cos(declination));
        if (!(cosTarget >= -1 && cosTarget <= 1)) {
            return std::nullopt;  // always above or always below that altitude
        }
        const double target = std::acos(cosTarget) / Degree * (morning ? -1 : 1);
        const double hourAngle = track.hourAngle + track.hourAngleRate * (t - track.start);
        const double step = Signed(target - hourAngle) / track.hourAngleRate;
        t += step;
        if (std::abs(step) < Settled) {
            return t;
        }
    }
    return t;
}

}  // namespace

DayTimes TimesOfDayFor(const Place& place, std::chrono::sys_days day, int noonOffsetSeconds) {
    // Start from the place's mean noon that civil day (its longitude's, which its zone's clock only
    // approximates), or from the clock's noon where the two are half a day apart (a zone across
    // the date line from its longitude); the track runs from there to the next noon.
    const double midnight = static_cast<double>(day.time_since_epoch().count()) * SecondsPerDay;
    const double civilNoon = midnight + SecondsPerDay / 2 - noonOffsetSeconds;
    const double meanNoon = midnight + SecondsPerDay / 2 - place.longitude / 15 * 3600;
    const double estimate =
        std::abs(meanNoon - civilNoon) < SecondsPerDay / 2 ? meanNoon : civilNoon;
    const SunTrack track = TrackFrom(place, estimate);
    const double noon = Transit(track, estimate);
    DayTimes times;
    const auto at = [&](TimeOfDay time) -> std::optional<double>& {
        return times[static_cast<std::size_t>(time)];
    };
    at(TimeOfDay::Fajr) = Reaches(track, noon - SecondsPerDay / 4, FajrAltitude, true);
    at(TimeOfDay::Sunrise) = Reaches(track, noon - SecondsPerDay / 4, HorizonAltitude, true);
    at(TimeOfDay::Dhuhr) = noon;
    at(TimeOfDay::Sunset) = Reaches(track, noon + SecondsPerDay / 4, HorizonAltitude, false);
    at(TimeOfDay::Maghrib) = Reaches(track, noon + SecondsPerDay / 4, MaghribAltitude, false);
    const auto nextFajr =
        Reaches(track, noon + SecondsPerDay * 3 / 4, FajrAltitude, true);  // the next morning
    if (at(TimeOfDay::Sunset) && nextFajr) {
        at(TimeOfDay::Midnight) = (*at(TimeOfDay::Sunset) + *nextFajr) / 2;
    }
    return times;
}

double ToNearestMinute(double seconds) { return std::floor(seconds / 60 + 0.5) * 60; }

}  // namespace tarvand
