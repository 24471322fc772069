#include "Crescent.h"

#include <cmath>
#include <numbers>

namespace tarvand::crescent {

namespace {

// Refraction at the horizon, degrees (Meeus ch. 15).
constexpr double HorizonRefraction = 34.0 / 60;
// The Sun's mean semidiameter, degrees.
constexpr double SunSemidiameter = 16.0 / 60;

// Takes a function of time that falls through zero near a guess; returns where it is zero, by the
// secant method (altitudes near the horizon change almost linearly).
template <typename Function>
JulianDay Root(Function height, JulianDay guess) {
    JulianDay a = guess, b = guess + 1.0 / 48;
    double fa = height(a), fb = height(b);
    for (int round = 0; round < 12 && std::abs(b - a) > 1.0 / 86400 && fb != fa; ++round) {
        const JulianDay next = b - fb * (b - a) / (fb - fa);
        a = b;
        fa = fb;
        b = next;
        fb = height(b);
    }
    return b;
}

}  // namespace

JulianDay Sunset(const Place& place, JulianDay midnight) {
    // Local noon plus six hours, then the secant method.
    const JulianDay guess = midnight + 0.5 - place.longitude / 360 + 0.25;
    return Root(
        [&](JulianDay t) {
            return ViewFrom(place, t).sunAltitude + HorizonRefraction + SunSemidiameter;
        },
        guess);
}

JulianDay MoonsetAfter(const Place& place, JulianDay sunset) {
    const auto height = [&](JulianDay t) {
        const SkyView view = ViewFrom(place, t);
        return view.moonAltitude + HorizonRefraction + view.moonSemidiameter / 60;
    };
    if (height(sunset) <= 0) {
        return sunset;
    }
    return Root(height, sunset + 1.0 / 24);
}

double OdehV(const Place& place, JulianDay midnight) {
    const JulianDay sunset = Sunset(place, midnight);
    const JulianDay moonset = MoonsetAfter(place, sunset);
    if (moonset <= sunset) {
        return -100;
    }
    const SkyView view = ViewFrom(place, sunset + 4.0 / 9 * (moonset - sunset));
    const double arcv = view.moonAltitude - view.sunAltitude;
    const double w =
        view.moonSemidiameter * (1 - std::cos(view.elongation * std::numbers::pi / 180));
    return arcv - (7.1651 - 6.3226 * w + 0.7319 * w * w - 0.1018 * w * w * w);
}

JulianDay MonthStartAfter(JulianDay newMoon, std::span<const Place> places, double threshold) {
    for (JulianDay midnight = std::floor(newMoon - 0.5) + 0.5;; midnight += 1) {
        for (const Place& place : places) {
            if (Sunset(place, midnight) > newMoon && OdehV(place, midnight) >= threshold) {
                return midnight + 1;
            }
        }
    }
}

}  // namespace tarvand::crescent
