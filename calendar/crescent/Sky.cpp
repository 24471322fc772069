#include "Sky.h"

#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvand::crescent {

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double Arcsecond = Degree / 3600;
constexpr JulianDay J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525;
constexpr double KilometresPerAu = 149'597'870.7;
// The Earth's equatorial radius and flattening's axis ratio (IAU 1976, Meeus ch. 11).
constexpr double EarthRadius = 6378.14;
constexpr double EarthAxisRatio = 0.99664719;
// The Moon's mean radius in kilometres (IAU).
constexpr double MoonRadius = 1737.4;
// libnova's series to about a second of arc: the full ELP 2000-82B takes fifty times as long.
constexpr double LunarSeriesPrecision = 1e-5;
// The constant of aberration (Meeus ch. 25), arcseconds.
constexpr double Aberration = 20.4898;

// A direction on the ecliptic, radians, with a distance in kilometres.
struct Ecliptic {
    double longitude;
    double latitude;
    double distance;
};

// Takes a position on the mean ecliptic and equinox of J2000 and a Julian ephemeris day; returns
// it on the mean ecliptic and equinox of that day (Meeus 21.5 and 21.7, from J2000).
Ecliptic PrecessFromJ2000(const Ecliptic& at, double jde) {
    const double t = (jde - J2000) / DaysPerCentury;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * Arcsecond;
    const double pi = 174.876384 * Degree + (-869.8089 * t + 0.03536 * t * t) * Arcsecond;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * Arcsecond;
    const double a = std::cos(eta) * std::cos(at.latitude) * std::sin(pi - at.longitude) -
                     std::sin(eta) * std::sin(at.latitude);
    const double b = std::cos(at.latitude) * std::cos(pi - at.longitude);
    const double c = std::cos(eta) * std::sin(at.latitude) +
                     std::sin(eta) * std::cos(at.latitude) * std::sin(pi - at.longitude);
    return {p + pi - std::atan2(a, b), std::asin(c), at.distance};
}

// Takes a Julian ephemeris day; returns the Sun's apparent ecliptic position of the date.
Ecliptic ApparentSun(double jde, const ln_nutation& nutation) {
    ln_helio_posn sun;  // geocentric, on the ecliptic of J2000, in libnova's VSOP87
    ln_get_solar_geom_coords(jde, &sun);
    Ecliptic of = PrecessFromJ2000({sun.L * Degree, sun.B * Degree, sun.R * KilometresPerAu}, jde);
    of.longitude += nutation.longitude * Degree - Aberration / sun.R * Arcsecond;
    return of;
}

// The same for the Moon.
Ecliptic ApparentMoon(double jde, const ln_nutation& nutation) {
    ln_rect_posn moon;  // geocentric, kilometres, on the ecliptic of J2000
    ln_get_lunar_geo_posn(jde, &moon, LunarSeriesPrecision);
    const double distance = std::hypot(moon.X, moon.Y, moon.Z);
    Ecliptic of =
        PrecessFromJ2000({std::atan2(moon.Y, moon.X), std::asin(moon.Z / distance), distance}, jde);
    of.longitude += nutation.longitude * Degree;
    return of;
}

// Takes an ecliptic position and the nutation; returns it on the true equator.
Equatorial ToEquatorial(const Ecliptic& at, const ln_nutation& nutation) {
    const double obliquity = (nutation.ecliptic + nutation.obliquity) * Degree;
    const double ra = std::atan2(
        std::sin(at.longitude) * std::cos(obliquity) - std::tan(at.latitude) * std::sin(obliquity),
        std::cos(at.longitude));
    const double dec =
        std::asin(std::sin(at.latitude) * std::cos(obliquity) +
                  std::cos(at.latitude) * std::sin(obliquity) * std::sin(at.longitude));
    return {std::fmod(ra / Degree + 360, 360), dec / Degree, at.distance};
}

// A vector on the true equator of the date, in kilometres.
struct Vector {
    double x, y, z;
};

Vector ToVector(const Equatorial& at) {
    const double ra = at.rightAscension * Degree, dec = at.declination * Degree;
    return {at.distance * std::cos(dec) * std::cos(ra), at.distance * std::cos(dec) * std::sin(ra),
            at.distance * std::sin(dec)};
}

Equatorial FromVector(const Vector& v) {
    const double distance = std::hypot(v.x, v.y, v.z);
    return {std::fmod(std::atan2(v.y, v.x) / Degree + 360, 360), std::asin(v.z / distance) / Degree,
            distance};
}

// Takes a place and the local sidereal angle (radians); returns the place's position from the
// Earth's centre (Meeus ch. 11).
Vector PlaceVector(const Place& place, double siderealAngle) {
    const double latitude = place.latitude * Degree;
    const double u = std::atan(EarthAxisRatio * std::tan(latitude));
    const double heightRatio = place.height / 1000 / EarthRadius;
    const double rhoSin = EarthAxisRatio * std::sin(u) + heightRatio * std::sin(latitude);
    const double rhoCos = std::cos(u) + heightRatio * std::cos(latitude);
    return {EarthRadius * rhoCos * std::cos(siderealAngle),
            EarthRadius * rhoCos * std::sin(siderealAngle), EarthRadius * rhoSin};
}

// A moment in the ephemeris' time scale, with the nutation then.
struct Ephemeris {
    double jde;  // Julian ephemeris day (Terrestrial Time)
    ln_nutation nutation;
};

// Takes a Julian day in UT; returns it in Terrestrial Time, with the nutation.
Ephemeris At(JulianDay ut) {
    Ephemeris at{.jde = ut + DeltaT(ut) / 86400, .nutation = {}};
    ln_get_nutation(at.jde, &at.nutation);
    return at;
}

// Takes a topocentric position, a place and the local sidereal angle; returns its altitude.
double Altitude(const Equatorial& at, const Place& place, double siderealAngle) {
    const double latitude = place.latitude * Degree, dec = at.declination * Degree;
    const double hourAngle = siderealAngle - at.rightAscension * Degree;
    return std::asin(std::sin(latitude) * std::sin(dec) +
                     std::cos(latitude) * std::cos(dec) * std::cos(hourAngle)) /
           Degree;
}

}  // namespace

double DeltaT(JulianDay ut) {
    // Espenak and Meeus's polynomials (NASA's Five Millennium Canon of Solar Eclipses, 2006), by
    // the decimal year.
    const double y = 2000 + (ut - J2000) / 365.25;
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t -
               t * t * t * t / 1'174'000;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 +
                         t * (0.0041116 +
                              t * (-0.00037436 + t * (0.0000121272 +
                                                      t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 +
                           t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233'174))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - (y < 2150 ? 0.5628 * (2150 - y) : 0);
}

Equatorial SunPosition(JulianDay ut) {
    const Ephemeris at = At(ut);
    return ToEquatorial(ApparentSun(at.jde, at.nutation), at.nutation);
}

Equatorial MoonPosition(JulianDay ut) {
    const Ephemeris at = At(ut);
    return ToEquatorial(ApparentMoon(at.jde, at.nutation), at.nutation);
}

double MoonSunLongitude(JulianDay ut) {
    const double jde = ut + DeltaT(ut) / 86400;
    const ln_nutation none{};
    const double difference =
        (ApparentMoon(jde, none).longitude - ApparentSun(jde, none).longitude) / Degree;
    return std::remainder(difference, 360.0);
}

SkyView ViewFrom(const Place& place, JulianDay ut) {
    const double sidereal = (ln_get_apparent_sidereal_time(ut) * 15 + place.longitude) * Degree;
    const Vector here = PlaceVector(place, sidereal);
    const auto seen = [&](const Equatorial& geocentric) {
        const Vector v = ToVector(geocentric);
        return FromVector({v.x - here.x, v.y - here.y, v.z - here.z});
    };
    SkyView view{};
    const Ephemeris at = At(ut);  // one moment for both
    view.sun = seen(ToEquatorial(ApparentSun(at.jde, at.nutation), at.nutation));
    view.moon = seen(ToEquatorial(ApparentMoon(at.jde, at.nutation), at.nutation));
    view.sunAltitude = Altitude(view.sun, place, sidereal);
    view.moonAltitude = Altitude(view.moon, place, sidereal);
    const Vector s = ToVector(view.sun), m = ToVector(view.moon);
    const double cosine =
        (s.x * m.x + s.y * m.y + s.z * m.z) / (view.sun.distance * view.moon.distance);
    view.elongation = std::acos(std::clamp(cosine, -1.0, 1.0)) / Degree;
    view.moonSemidiameter = std::asin(MoonRadius / view.moon.distance) / Degree * 60;
    return view;
}

JulianDay NewMoonAfter(JulianDay ut) {
    // The Moon gains on the Sun 12.19 degrees a day on average: a step of Newton's method with
    // that rate, from the mean lunation, lands within a minute in a few rounds.
    constexpr double MeanGain = 360 / SynodicMonth;
    JulianDay t = ut;
    const double behind = MoonSunLongitude(t);
    t += (behind < 0 ? -behind : 360 - behind) / MeanGain;
    for (int round = 0; round < 8; ++round) {
        const double step = -MoonSunLongitude(t) / MeanGain;
        t += step;
        if (std::abs(step) < 1.0 / 1440 / 4) {
            break;
        }
    }
    return t < ut ? NewMoonAfter(ut + 1) : t;
}

}  // namespace tarvand::crescent
