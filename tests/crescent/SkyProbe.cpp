// Prints where the Sun and the Moon stand, as the crescent's prediction sees them, for each
// "JULIAN-DAY LATITUDE LONGITUDE HEIGHT" line of its input, so that a test can hold them against
// an independent ephemeris: the topocentric right ascension, declination and altitude (degrees) and
// distance (km) of the Sun, then of the Moon, then the elongation; last, the next new moon.
#include <cstdio>

#include "calendar/crescent/Sky.h"

int main() {
    using namespace tarvand::crescent;
    double jd = 0;
    Place place{"", 0, 0, 0};
    while (std::scanf("%lf %lf %lf %lf", &jd, &place.latitude, &place.longitude, &place.height) ==
           4) {
        const SkyView view = ViewFrom(place, jd);
        std::printf("%.6f %.6f %.6f %.1f %.6f %.6f %.6f %.1f %.6f %.6f\n", view.sun.rightAscension,
                    view.sun.declination, view.sunAltitude, view.sun.distance,
                    view.moon.rightAscension, view.moon.declination, view.moonAltitude,
                    view.moon.distance, view.elongation, NewMoonAfter(jd));
    }
    return 0;
}
