#!/usr/bin/python3
"""The Sun and the Moon of the crescent's prediction against an independent ephemeris: PyEphem
(XEphem's libastro), seen from places in Iran at moments from 1799 to 3500 (both without
refraction). Usage: sky_against_ephem.py SKY_PROBE"""
import math
import subprocess
import sys

import ephem

# Julian day (UT), latitude, longitude, height (m): sunsets, noons and nights across the range.
MOMENTS = [
    (2378000.6, 38.08, 46.29, 1350),  # 1798, Tabriz
    (2400000.3, 30.34, 48.30, 3),  # 1858, Abadan
    (2451545.0, 35.69, 51.39, 1190),  # 2000-01-01 noon UT, Tehran
    (2461150.1, 35.69, 51.39, 1190),  # 2026, Tehran
    (2461207.1, 25.29, 60.64, 7),  # 2026-06-15, the evening before Muharram 1448, Chabahar
    (2488000.7, 25.29, 60.64, 7),  # 2099, Chabahar
    (2600000.6, 36.30, 59.60, 990),  # 2406, Mashhad
]
# Tolerances: degrees for positions and the elongation, km for distances, days for the new moon.
# Far from our time the two theories of the Moon and the two extrapolations of Delta T part.
NEAR = {"sun": 0.002, "moon": 0.005, "sun_km": 2000, "moon_km": 30, "new_moon": 30 / 86400}
FAR = {"sun": 0.005, "moon": 0.03, "sun_km": 2000, "moon_km": 60, "new_moon": 120 / 86400}
DUBLIN_OFFSET = 2415020.0  # PyEphem counts days from 1899-12-31 12:00 UT


def ephemeris(jd, lat, lon, height):
    place = ephem.Observer()
    place.lat, place.lon, place.elevation, place.pressure = str(lat), str(lon), height, 0
    place.date = ephem.Date(jd - DUBLIN_OFFSET)
    sun, moon = ephem.Sun(place), ephem.Moon(place)
    km = 149597870.7
    return [math.degrees(sun.ra), math.degrees(sun.dec), math.degrees(sun.alt), sun.earth_distance * km,
            math.degrees(moon.ra), math.degrees(moon.dec), math.degrees(moon.alt), moon.earth_distance * km,
            math.degrees(ephem.separation(sun, moon)), ephem.next_new_moon(place.date) + DUBLIN_OFFSET]


def main():
    lines = "".join("%r %r %r %r\n" % m for m in MOMENTS)
    out = subprocess.run([sys.argv[1]], input=lines, capture_output=True, text=True, check=True).stdout
    ours = [list(map(float, line.split())) for line in out.splitlines()]
    assert len(ours) == len(MOMENTS), out
    failures = 0
    names = ["sun ra", "sun dec", "sun alt", "sun km", "moon ra", "moon dec", "moon alt", "moon km",
             "elongation", "new moon"]
    for moment, got in zip(MOMENTS, ours):
        want = ephemeris(*moment)
        limit = NEAR if 2378000 < moment[0] < 2490000 else FAR
        limits = [limit["sun"]] * 3 + [limit["sun_km"]] + [limit["moon"]] * 3 + [limit["moon_km"]] + \
                 [limit["moon"], limit["new_moon"]]
        for name, a, b, tolerance in zip(names, got, want, limits):
            difference = abs(a - b) if name != "moon ra" and name != "sun ra" else \
                abs((a - b + 180) % 360 - 180) * math.cos(math.radians(want[1 if name == "sun ra" else 5]))
            if difference > tolerance:
                print("FAIL: JD %s %s: ours %.6f, PyEphem %.6f" % (moment[0], name, a, b))
                failures += 1
    print("%d passed, %d failed" % (len(MOMENTS) * len(names) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
