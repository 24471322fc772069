// Where the Sun and the Moon stand in the sky of a place: positions from libnova's series
// (VSOP87 and ELP 2000-82B), brought to the true equator and equinox of the date and seen from the
// place, as Meeus's Astronomical Algorithms (2nd ed.) does it.
#pragma once

namespace tarvand::crescent {

// A place on the Earth.
struct Place {
    const char* name;
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
    double height;     // metres above the sea
};

// Apparent equatorial coordinates of the true equator and equinox of the date.
struct Equatorial {
    double rightAscension;  // degrees, 0 to 360
    double declination;     // degrees
    double distance;        // kilometres from the Earth's centre (or from the place)
};

// The Sun and the Moon as seen from a place at one moment, refraction left out.
struct SkyView {
    Equatorial sun;           // topocentric
    Equatorial moon;          // topocentric
    double sunAltitude;       // degrees above the horizon, of the centre
    double moonAltitude;      // degrees above the horizon, of the centre
    double elongation;        // degrees between the centres (ARCL)
    double moonSemidiameter;  // arcminutes, topocentric
};

// Julian days in Universal Time (UT1): 2451545.0 is 2000-01-01 12:00 UT.
using JulianDay = double;

// The mean synodic month, new moon to new moon, in days (Meeus ch. 49).
inline constexpr double SynodicMonth = 29.530588861;

// Takes a Julian day in UT, 1700 to about 4000; returns Terrestrial Time minus UT in seconds: the
// historical record to 2005, then its extrapolation (a parabola in the centuries ahead).
double DeltaT(JulianDay ut);

// Takes a Julian day in UT; returns the apparent geocentric position of the Sun.
Equatorial SunPosition(JulianDay ut);

// The same for the Moon.
Equatorial MoonPosition(JulianDay ut);

// Takes a Julian day in UT; returns the apparent geocentric ecliptic longitude of the Moon minus
// that of the Sun, in degrees from -180 to 180 (0 at the new moon).
double MoonSunLongitude(JulianDay ut);

// Takes a moment and a place; returns the Sun and the Moon as seen from there.
SkyView ViewFrom(const Place& place, JulianDay ut);

// Takes a Julian day in UT; returns the first new moon (geocentric conjunction in ecliptic
// longitude) at or after it, within a minute.
JulianDay NewMoonAfter(JulianDay ut);

}  // namespace tarvand::crescent
