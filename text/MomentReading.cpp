#include "MomentReading.h"

#include "DateReading.h"
#include "Messages.h"
#include "MomentText.h"
#include "Quote.h"
#include "calendar/SolarMonths.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

using namespace std::chrono;

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// The most days a relative item may move a date: more than the calendar holds.
constexpr std::int64_t MaxDayShift = 1'000'000;

}  // namespace

std::optional<DateValue> ConvertibleDay(const std::optional<WallTime>& wall) {
    if (!wall || wall->year < 1799 || wall->year > 3622) {  // the day is set within ±32767
        return std::nullopt;
    }
    const auto value = ToDateValue(wall->day);
    return value >= FirstSolarValue() && value <= LastSolarValue() ? std::optional(value)
                                                                   : std::nullopt;
}

std::string MovedOutsideMessage(std::string_view text, DateCalendar calendar) {
    const bool solar = calendar == DateCalendar::Solar;
    return Format(_("date %s is moved outside %s to %s, the days that can be converted"),
                  Quote(text).c_str(), solar ? "1178/01/01" : "1799-03-21",
                  solar ? "3000/12/30" : "3622-03-20");
}

std::string OutsideMessage(std::string_view text, DateCalendar calendar,
                           const std::optional<WallTime>& wall) {
    if (!text.empty()) {
        return calendar == DateCalendar::Solar
                   ? SolarYearsMessage(text)
                   : Format(_("date %s%s"), Quote(text).c_str(), OutsideTheRange().c_str());
    }
    const bool edge = !wall || wall->year > int{year::max()} || wall->year < int{year::min()};
    const bool late = wall ? wall->year > 0 : true;
    const std::string day =
        edge ? std::string(late ? _("(the year 32767 or after)") : _("(the year -32767 or before)"))
             : Quote(IsoText(year_month_day{wall->day}));
    return Format(_("today's date %s%s"), day.c_str(), OutsideTheRange().c_str());
}

std::variant<Moment, std::string> ReadMoment(std::string_view text, DateCalendar plain, Instant now,
                                             const TimeZone& zone, const HijriSource& hijri) {
    auto parsed = ParseMoment(text, plain);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return Format(_("invalid date %s%s"), Quote(text).c_str(), problem->c_str());
    }
    const auto& written = std::get<WrittenMoment>(parsed);
    Moment moment{.instant = now,
                  .showsTime = written.showsTime,
                  .showsFraction =
                      written.nanosecond != 0 || (written.epoch && written.epoch->nanosecond != 0),
                  .dateOnly = std::nullopt};

    std::optional<DateValue> date;
    if (written.date) {
        DateValue value = 0;
        std::optional<std::string> problem;
        switch (written.calendar) {
            case DateCalendar::Gregorian:
                problem = CheckGregorianDate(text, *written.date, value);
                break;
            case DateCalendar::Solar:
                problem = CheckSolarDate(text, *written.date, value);
                break;
            case DateCalendar::Hijri:
                problem = CheckHijriDate(text, *written.date, hijri(), value);
                moment.predictedHijri = !problem && hijri().ToHijri(value)->predicted;
                break;
        }
        if (problem) {
            return *problem;
        }
        date = value;
    }
    const DateCalendar calendar = written.date ? written.calendar : plain;  // for messages
    // A date alone, moved by days or months only, stays a date: no zone plays a part.
    if (date && !written.secondOfDay && !written.offset && written.seconds == 0) {
        const auto inRange = [](DateValue value) {
            return value >= FirstSolarValue() && value <= LastSolarValue();
        };
        const bool shiftable = written.days >= -MaxDayShift && written.days <= MaxDayShift;
        std::optional<DateValue> day = shiftable && inRange(*date) ? date : std::nullopt;
        if (day && written.months != 0) {
            const SolarDate start = *ToSolarFields(*day);
            day = AddSolarMonths(start.year, start.month, start.day, written.months);
        }
        if (day) {
            *day += static_cast<double>(written.days);
        }
        if (!day || !inRange(*day)) {
            // The date written converts: it is where the items move it that does not.
            return inRange(*date) ? MovedOutsideMessage(text, calendar)
                                  : OutsideMessage(text, calendar, std::nullopt);
        }
        moment.dateOnly = day;
        return moment;
    }

    if (written.epoch) {
        moment.instant = *written.epoch;
    } else if (date || written.secondOfDay || written.offset) {
        sys_days day;
        if (date) {
            day = ToDays(*date);
        } else {
            const auto today = ConvertibleDay(zone.ToWall(now));
            if (!today) {
                return OutsideMessage({}, calendar, zone.ToWall(now));
            }
            day = ToDays(*today);
        }
        const int second = written.secondOfDay.value_or(0);
        if (written.offset) {
            moment.instant = {zone.FromUtc(day.time_since_epoch().count() * SecondsPerDay + second -
                                               *written.offset,
                                           written.leapSecond),
                              written.nanosecond};
        } else if (const auto local =
                       zone.FromWall(day, second, written.nanosecond, written.leapSecond)) {
            moment.instant = *local;
        } else {
            return OutsideMessage(text, calendar, std::nullopt);
        }
    }

    if (written.months != 0 || written.days != 0) {
        const auto wall = zone.ToWall(moment.instant);
        const auto from = ConvertibleDay(wall);
        if (!from) {
            return OutsideMessage(text, calendar, std::nullopt);
        }
        if (written.days < -MaxDayShift || written.days > MaxDayShift) {
            return MovedOutsideMessage(text, calendar);
        }
        std::optional<DateValue> to = from;
        if (written.months != 0) {
            const SolarDate start = *ToSolarFields(*from);
            to = AddSolarMonths(start.year, start.month, start.day, written.months);
        }
        // The wall time as written, when it was: a time that a change of clocks skipped on the
        // first day may well exist on the last.
        const bool asWritten = !written.epoch && !written.offset && (date || written.secondOfDay);
        // A leap second as it is written: second 60 of its minute, which the clock may not have on
        // the last day.
        const int second = asWritten ? written.secondOfDay.value_or(0)
                                     : wall->secondOfDay % 86400 + (wall->leapSecond ? 1 : 0);
        const auto local =
            to ? zone.FromWall(ToDays(*to) + days{written.days}, second, moment.instant.nanosecond,
                               asWritten ? written.leapSecond : wall->leapSecond)
               : std::nullopt;
        if (!local || !ConvertibleDay(zone.ToWall(*local))) {
            return MovedOutsideMessage(text, calendar);
        }
        moment.instant = *local;
    }
    moment.instant.seconds += written.seconds;
    return moment;
}

}  // namespace tarvand
