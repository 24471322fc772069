#!/usr/bin/python3
"""Checks tarvand-times against an independent computation of the Sun: PyEphem (libastro's
VSOP87 Sun), for 21 places across Iran and Afghanistan and every day of the Solar year 1405.

For each printed time, the moment the Sun's centre reaches its altitude (no refraction: the
altitudes already hold it) must lie within a minute; the printed minutes, rounded to the
nearest, must lean neither way (a time floored, or computed a minute off, would); and midnight
must lie within a minute of halfway from that day's sunset to the next dawn.

Usage: times_against_ephem.py TARVAND-TIMES
"""
import datetime
import subprocess
import sys
import zoneinfo

import ephem

PLACES = [  # name, latitude, longitude, zone
    ("Tehran", 35.69, 51.42, "Asia/Tehran"), ("Mashhad", 36.30, 59.61, "Asia/Tehran"),
    ("Isfahan", 32.65, 51.67, "Asia/Tehran"), ("Tabriz", 38.08, 46.29, "Asia/Tehran"),
    ("Shiraz", 29.61, 52.53, "Asia/Tehran"), ("Ahvaz", 31.32, 48.67, "Asia/Tehran"),
    ("Kermanshah", 34.31, 47.07, "Asia/Tehran"), ("Rasht", 37.28, 49.58, "Asia/Tehran"),
    ("Zahedan", 29.50, 60.86, "Asia/Tehran"), ("Bandar Abbas", 27.19, 56.27, "Asia/Tehran"),
    ("Chabahar", 25.29, 60.64, "Asia/Tehran"), ("Urmia", 37.55, 45.08, "Asia/Tehran"),
    ("Gorgan", 36.84, 54.43, "Asia/Tehran"), ("Yazd", 31.90, 54.37, "Asia/Tehran"),
    ("Kerman", 30.28, 57.08, "Asia/Tehran"), ("Bushehr", 28.97, 50.84, "Asia/Tehran"),
    ("Kabul", 34.53, 69.17, "Asia/Kabul"), ("Herat", 34.35, 62.20, "Asia/Kabul"),
    ("Mazar-i-Sharif", 36.71, 67.11, "Asia/Kabul"), ("Kandahar", 31.61, 65.71, "Asia/Kabul"),
    ("Jalalabad", 34.43, 70.45, "Asia/Kabul"),
]
# 1405/01/01 is 2026-03-21; the year has 365 days
FIRST_DAY = datetime.date(2026, 3, 21)
ALTITUDES = {"Fajr": "-17.7", "Sunrise": "-0.833", "Sunset": "-0.833", "Maghrib": "-4.5"}
NAMES = ["Fajr", "Sunrise", "Dhuhr", "Sunset", "Maghrib", "Midnight"]


def sun_event(observer, name, around):
    """The moment (UTC datetime) the Sun reaches its altitude for the named time, nearest after
    `around` (the day's start for the morning, its noon for the evening)."""
    observer.date = ephem.Date(around)
    sun = ephem.Sun()
    if name == "Dhuhr":
        return observer.next_transit(sun).datetime()
    observer.horizon = ALTITUDES[name]
    if name in ("Fajr", "Sunrise"):
        return observer.next_rising(sun, use_center=True).datetime()
    return observer.next_setting(sun, use_center=True).datetime()


def main():
    program = sys.argv[1]
    worst, differences, checked = 0.0, [], 0
    bad = []
    for place, latitude, longitude, zone_name in PLACES:
        zone = zoneinfo.ZoneInfo(zone_name)
        observer = ephem.Observer()
        observer.lat, observer.lon = str(latitude), str(longitude)
        observer.elevation, observer.pressure = 0, 0
        printed = {}
        for month in range(1, 13):
            out = subprocess.run([program, "-m", f"--at={latitude},{longitude}", f"1405/{month:02}/01"],
                                 env={"TZ": zone_name, "LC_ALL": "C"}, capture_output=True,
                                 text=True, check=True).stdout.splitlines()
            assert out[1].split() == NAMES, out[1]
            for line in out[2:]:
                date, *times = line.split()
                printed[date] = times
        if len(printed) != 365:
            sys.exit(f"{place}: {len(printed)} days printed")
        for n, (date, times) in enumerate(sorted(printed.items())):
            day = FIRST_DAY + datetime.timedelta(days=n)
            local_midnight = datetime.datetime.combine(day, datetime.time(), zone)
            start = local_midnight.astimezone(datetime.timezone.utc).replace(tzinfo=None)
            noon = start + datetime.timedelta(hours=12)
            moments = {}
            for name, text in zip(NAMES, times):
                hour, minute = map(int, text.split(":"))
                shown = datetime.datetime.combine(day, datetime.time(hour, minute), zone)
                if name == "Midnight" and hour < 12:
                    shown += datetime.timedelta(days=1)
                shown = shown.astimezone(datetime.timezone.utc).replace(tzinfo=None)
                if name == "Midnight":
                    next_fajr = sun_event(observer, "Fajr", start + datetime.timedelta(days=1))
                    true = moments["Sunset"] + (next_fajr - moments["Sunset"]) / 2
                else:
                    true = sun_event(observer, name, start if name in ("Fajr", "Sunrise") else
                                     noon - datetime.timedelta(hours=2) if name == "Dhuhr" else noon)
                    moments[name] = true
                difference = (shown - true).total_seconds()
                differences.append(difference)
                worst = max(worst, abs(difference))
                checked += 1
                if abs(difference) > 60:
                    bad.append(f"{place} {date} {name}: printed {text}, the Sun there at "
                               f"{true.replace(tzinfo=datetime.timezone.utc).astimezone(zone):%H:%M:%S}")
    mean = sum(differences) / len(differences)
    print(f"{checked} times checked; the farthest {worst:.1f} s from the Sun; mean {mean:+.1f} s")
    if bad or abs(mean) > 5 or checked != len(PLACES) * 365 * 6:
        sys.exit("\n".join(bad[:20]) or f"the printed minutes lean {mean:+.1f} s one way")


main()
