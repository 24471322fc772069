#include "PlaceTimes.h"

#include <QDateTime>
#include <QTimeZone>
#include <array>

#include "DayTexts.h"
#include "LocaleText.h"
#include "TimeOfDayNames.h"

namespace tarvand {

QTimeZone ZoneOf(const NamedPlace& place) {
    return place.zone.empty() ? QTimeZone::systemTimeZone()
                              : QTimeZone(QByteArray::fromStdString(place.zone));
}

namespace {

// Takes a place, its zone and a civil day; returns the day's six times in seconds since 1970.
DayTimes TimesOn(const NamedPlace& place, const QTimeZone& zone, QDate day) {
    const QDateTime noon(day, QTime(12, 0), zone);
    const auto days = std::chrono::sys_days(std::chrono::year_month_day(
        std::chrono::year(day.year()), std::chrono::month(static_cast<unsigned>(day.month())),
        std::chrono::day(static_cast<unsigned>(day.day()))));
    return TimesOfDayFor(place.place, days, zone.offsetFromUtc(noon));
}

// Takes a moment, the zone and the language; returns the zone's clock then, to the nearest
// minute, "HH:MM", or "--:--" for none.
QString Clock(const std::optional<double>& moment, const QTimeZone& zone, bool persian) {
    if (!moment) {
        return QStringLiteral("--:--");
    }
    const QDateTime at =
        QDateTime::fromSecsSinceEpoch(static_cast<qint64>(ToNearestMinute(*moment)), zone);
    const auto twoDigits = [persian](int number) {
        return (number < 10 ? Digits(0, persian) : QString()) + Digits(number, persian);
    };
    return twoDigits(at.time().hour()) + u':' + twoDigits(at.time().minute());
}

}  // namespace

PrintedTimes PrintedTimesOn(const NamedPlace& place, QDate day, bool persian) {
    const QTimeZone zone = ZoneOf(place);
    const DayTimes times = TimesOn(place, zone, day);
    PrintedTimes printed;
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (times[i]) {
            printed[i].minute = static_cast<qint64>(ToNearestMinute(*times[i]));
        }
        printed[i].text = Say(TimeOfDayNames[i], persian) + u' ' + Clock(times[i], zone, persian);
    }
    return printed;
}

QString TimesOfDayLine(const NamedPlace& place, DateValue day, bool persian) {
    QStringList parts;
    for (const PrintedTime& time : PrintedTimesOn(place, ToQDate(ToCivilDate(day)), persian)) {
        parts << time.text;
    }
    return parts.join(persian ? QStringLiteral("، ") : QStringLiteral(", "));
}

std::optional<NextTimeOfDay> NextTimeAfter(const NamedPlace& place, qint64 now, bool persian) {
    const QDate today = QDateTime::fromSecsSinceEpoch(now, ZoneOf(place)).date();
    for (const QDate day : {today, today.addDays(1), today.addDays(2)}) {
        for (const auto& time : PrintedTimesOn(place, day, persian)) {
            if (time.minute && *time.minute + 60 > now) {
                return NextTimeOfDay{time.text, *time.minute + 60};
            }
        }
    }
    return std::nullopt;
}

}  // namespace tarvand
