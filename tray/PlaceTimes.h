// The times of the day of the place set for the user, as the month view and the tooltip say them,
// in the place's own zone: "Fajr 05:32", "اذان صبح ۰۵:۳۲".
#pragma once

#include <QDate>
#include <QString>
#include <QTimeZone>
#include <QtGlobal>
#include <array>
#include <optional>

#include "UserPlace.h"
#include "calendar/DateValue.h"

namespace tarvand {

// Takes a place; returns the zone its times are printed in: the city's own, else the system's.
QTimeZone ZoneOf(const NamedPlace& place);

// A time of the day as printed: the moment its minute begins, and its name and clock.
struct PrintedTime {
    std::optional<qint64> minute;  // seconds since 1970; none where the Sun does not reach it
    QString text;                  // "Maghrib 17:13", or "Maghrib --:--"
};
using PrintedTimes = std::array<PrintedTime, TimesOfDayCount>;

// Takes a place, a civil day of its zone and the language; returns the day's six times as
// printed.
PrintedTimes PrintedTimesOn(const NamedPlace& place, QDate day, bool persian);

// Takes a place, a date value and the language (Persian names and digits); returns the day's six
// times, name and time each, "--:--" for one the Sun does not reach there.
QString TimesOfDayLine(const NamedPlace& place, DateValue day, bool persian);

// The next of the six times from a moment.
struct NextTimeOfDay {
    QString text;  // "Maghrib 17:13"
    qint64 until;  // seconds since 1970 when another becomes next: the end of its printed minute
};

// Takes a place, a moment in seconds since 1970 and the language; returns the next of the six times
// whose printed minute has not passed (today's or tomorrow's), or nothing where none comes within
// two days (a polar night or day).
std::optional<NextTimeOfDay> NextTimeAfter(const NamedPlace& place, qint64 now, bool persian);

}  // namespace tarvand
