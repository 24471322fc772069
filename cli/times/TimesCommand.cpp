#include "TimesCommand.h"

#include <unistd.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "AnyDateReading.h"
#include "DisplayWidth.h"
#include "HijriFiles.h"
#include "Messages.h"
#include "OccasionBook.h"
#include "PlaceList.h"
#include "Quote.h"
#include "TimeOfDayNames.h"
#include "UserPlace.h"
#include "calendar/DateValue.h"
#include "calendar/SolarFormat.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr const char* Program = "tarvand-times";

std::string SeeHelp() { return Format(_(" (see '%s --help')"), Program); }

std::string Usage() {
    std::string text =
        _("Usage: tarvand-times [OPTION]... [DATE]\n"
          "Print the times of the day for a place as Iran's official calendar "
          "prints them:\n"
          "dawn, sunrise, noon, sunset, the evening call and the religious "
          "midnight.\n");
    text += '\n';
    text +=
        _("  -c, --city=NAME     the city of the list whose Latin or Persian name starts\n"
          "                        with NAME, in its own zone\n"
          "      --at=LAT,LON    the place in degrees, north and east positive, in the zone\n"
          "                        of TZ\n"
          "  -m, --month         the whole Solar month of DATE, one day a line\n"
          "      --next          the next of the six times from now, and how long until it\n"
          "      --list-cities   the list of cities: name, Persian name, LAT,LON and zone\n"
          "  -p, --persian       write digits in Persian\n"
          "  -h, --help          display this help and exit\n"
          "      --version       output version information and exit\n");
    text += '\n';
    text +=
        _("With neither --city nor --at, the place in ~/.config/tarvand/place (LAT,LON or\n"
          "a city's name on its first line), else the capital of the zone's country\n"
          "(Tehran for Asia/Tehran, Kabul for Asia/Kabul). The cities are every provincial\n"
          "capital of Iran and Afghanistan and every city of Iran of 100,000 people or\n"
          "more, from GeoNames (www.geonames.org, CC BY 4.0).\n");
    text += '\n';
    text +=
        _("DATE is read as tarvand-date -d reads it (1405/09/17, 2026-12-08, 10 Muharram\n"
          "1448, tomorrow); today by default. Dawn is the Sun 17.7 degrees below the\n"
          "horizon; sunrise and sunset, its upper edge on the horizon (its centre 0.833\n"
          "below); noon, its transit; the evening call, 4.5 degrees below after sunset;\n"
          "midnight, halfway from sunset to the next dawn. Each is rounded to the nearest\n"
          "minute, in the zone's time. Where the Sun does not go 17.7 degrees below the\n"
          "horizon (summer nights far north) there is no dawn and no midnight: they are\n"
          "shown as --:-- and the exit status is 1.\n");
    return text;
}

// Takes the output and a message; reports it, and returns the exit status of a refusal, 2.
int Report(OutputBuffer& err, const std::string& message) {
    err.Add(MessageLine(Program, message) + '\n');
    err.Flush();
    return 2;
}

// Takes a number and whether Persian digits are wanted; returns it, at least two digits.
std::string TwoDigits(int number, bool persian) {
    std::string text = (number < 10 ? "0" : "") + std::to_string(number);
    if (persian) {
        MakePersian(text);
    }
    return text;
}

// Takes a moment, the zone and the digits; returns the zone's clock then, to the nearest minute,
// "HH:MM", or "--:--" for none.
std::string ClockText(const std::optional<double>& moment, const TimeZone& zone, bool persian) {
    if (!moment) {
        return "--:--";
    }
    const auto wall = zone.ToWall({static_cast<std::int64_t>(ToNearestMinute(*moment)), 0});
    if (!wall) {
        return "--:--";
    }
    return TwoDigits(wall->secondOfDay / 3600, persian) + ':' +
           TwoDigits(wall->secondOfDay / 60 % 60, persian);
}

// Takes a day, the zone; returns the zone's offset at its noon, in seconds.
int NoonOffset(std::chrono::sys_days day, const TimeZone& zone) {
    const auto noon = zone.FromWall(day, 12 * 3600, 0);
    const auto wall = noon ? zone.ToWall(*noon) : std::nullopt;
    return wall ? wall->offset : 0;
}

// Takes a day, the Hijri calendar and the digits; returns it in the three calendars:
// "1405/09/17, 2026-12-08, 1448/06/17 AH".
std::string ThreeDates(std::chrono::sys_days day, const HijriCalendar& hijri, bool persian) {
    const DateValue value = ToDateValue(day);
    std::string hijriText = "-";
    if (const auto date = hijri.ToHijri(value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%d/%02d/%02d", date->year, date->month, date->day);
        hijriText = text;
    }
    std::string text = Format(_("%s, %s, %s AH"), ToSolarDate(value, 0).c_str(),
                              IsoText(std::chrono::year_month_day(day)).c_str(), hijriText.c_str());
    if (persian) {
        MakePersian(text);
    }
    return text;
}

// Takes the Hijri calendar's files; returns the calendar, their problems said on err.
HijriCalendar ReadHijri(OutputBuffer& err) {
    std::vector<std::string> messages;
    const OccasionFiles files = OccasionFiles::FromEnvironment();
    HijriCalendar hijri = ReadHijriCalendar(files.systemHijriDirectory, files.userHijri, messages);
    for (const std::string& message : messages) {
        err.Add(MessageLine(Program, message) + '\n');
    }
    return hijri;
}

}  // namespace

std::variant<TimesOptions, UsageError> ParseTimesOptions(
    const std::vector<std::string>& arguments) {
    enum : int { At = 256, Next, List, Version };
    static const option longOptions[] = {{"at", required_argument, nullptr, At},
                                         {"city", required_argument, nullptr, 'c'},
                                         {"list-cities", no_argument, nullptr, List},
                                         {"month", no_argument, nullptr, 'm'},
                                         {"next", no_argument, nullptr, Next},
                                         {"persian", no_argument, nullptr, 'p'},
                                         {"help", no_argument, nullptr, 'h'},
                                         {"version", no_argument, nullptr, Version},
                                         {nullptr, 0, nullptr, 0}};
    WritableArguments writable(arguments);
    TimesOptions options;
    opterr = 0;
    optind = 0;
    int previous = 1;
    for (int c;
         (c = getopt_long(writable.Count(), writable.Data(), ":c:mph", longOptions, nullptr)) != -1;
         previous = optind) {
        switch (c) {
            case 'c':
                options.city = optarg;
                break;
            case List:
                options.action = TimesOptions::Action::List;
                break;
            case At:
                options.place = ReadPlace(optarg);
                if (!options.place) {
                    return UsageError{
                        Format(_("invalid place %s (expected LAT,LON in degrees, north "
                                 "and east positive, as in 35.69,51.42)"),
                               Quote(optarg).c_str()) +
                        SeeHelp()};
                }
                break;
            case 'm':
                options.action = TimesOptions::Action::Month;
                break;
            case Next:
                options.action = TimesOptions::Action::Next;
                break;
            case 'p':
                options.persianDigits = true;
                break;
            case 'h':
                options.action = TimesOptions::Action::Help;
                return options;
            case Version:
                options.action = TimesOptions::Action::Version;
                return options;
            default:
                return UsageError{BadOptionMessage(writable.At(previous), c, optopt, longOptions) +
                                  SeeHelp()};
        }
    }
    if (options.place && options.city) {
        return UsageError{std::string(_("--city and --at cannot be used together")) + SeeHelp()};
    }
    // DATE may come in several words, as a shell splits "10 Muharram 1448" unquoted.
    for (int i = optind; i < writable.Count(); ++i) {
        options.date = options.date ? *options.date + ' ' + writable.At(i) : writable.At(i);
    }
    return options;
}

int RunTimesCommand(const TimesOptions& options, OutputBuffer& out, OutputBuffer& err,
                    const TimesContext& context) {
    if (options.action == TimesOptions::Action::Help) {
        out.Add(HelpLines(Usage()));
        return out.Flush() ? 0 : 2;
    }
    if (options.action == TimesOptions::Action::Version) {
        out.Add(std::string(Program) + ' ' + TARVAND_VERSION + '\n');
        return out.Flush() ? 0 : 2;
    }
    if (options.action == TimesOptions::Action::List) {
        const bool persianNames = MessagesLanguage().starts_with("fa");
        std::string text;
        for (const KnownPlace& known : KnownPlaces()) {
            char coordinates[64];
            std::snprintf(coordinates, sizeof coordinates, "%.4f,%.4f", known.place.latitude,
                          known.place.longitude);
            text += std::string(persianNames ? known.persian : known.name) + '\t' +
                    std::string(persianNames ? known.name : known.persian) + '\t' + coordinates +
                    '\t' + std::string(known.zone) + '\n';
        }
        out.Add(text);
        return out.Flush() ? 0 : 2;
    }
    if (const auto* why = std::get_if<std::string>(&context.place)) {
        return Report(err, *why);
    }
    const auto* chosen = std::get_if<NamedPlace>(&context.place);
    if (chosen == nullptr) {
        return Report(err, Format(_("no place is set: name one with --city=NAME or --at=LAT,LON, "
                                    "or write either in %s"),
                                  Quote(context.userPlaceFile).c_str()));
    }
    const Place* place = &chosen->place;
    const TimeZone& zone = *context.zone;
    const HijriCalendar hijri = ReadHijri(err);
    const bool persian = options.persianDigits;
    std::chrono::sys_days day;
    if (options.date) {
        const auto read = ReadDayAsMeant(*options.date, hijri, zone, context.now);
        if (const auto* why = std::get_if<std::string>(&read)) {
            return Report(err, *why);
        }
        const DayRead& dayRead = std::get<DayRead>(read);
        if (!dayRead.note.empty()) {
            err.Add(MessageLine(Program, Format(_("note: %s"), dayRead.note.c_str())) + '\n');
        }
        day = ToDays(dayRead.day);
    } else if (const auto wall = zone.ToWall(context.now)) {
        day = wall->day;
    } else {
        return Report(err, _("cannot tell today's date"));
    }
    bool missing = false;
    const auto timesOf = [&](std::chrono::sys_days of) {
        const DayTimes times = TimesOfDayFor(*place, of, NoonOffset(of, zone));
        for (const auto& time : times) {
            missing = missing || !time;
        }
        return times;
    };
    std::string text;
    if (options.action == TimesOptions::Action::Next) {
        // The first of the six whose printed minute is not yet past: today's, then tomorrow's.
        const double now = static_cast<double>(context.now.seconds);
        for (std::chrono::sys_days of : {day, day + std::chrono::days(1)}) {
            const DayTimes times = timesOf(of);
            for (int i = 0; i < TimesOfDayCount && text.empty(); ++i) {
                const auto& time = times[static_cast<std::size_t>(i)];
                if (time && ToNearestMinute(*time) > now - 60) {
                    const auto minutes = static_cast<long>(
                        std::max(0.0, std::ceil((ToNearestMinute(*time) - now) / 60)));
                    std::string until = std::to_string(minutes / 60) + ':' +
                                        (minutes % 60 < 10 ? "0" : "") +
                                        std::to_string(minutes % 60);
                    if (persian) {
                        MakePersian(until);
                    }
                    text = Format(_("%s %s, in %s"), _(TimeOfDayNames[static_cast<std::size_t>(i)]),
                                  ClockText(time, zone, persian).c_str(), until.c_str()) +
                           '\n';
                }
            }
            if (!text.empty()) {
                break;
            }
        }
        missing = false;  // the next time that exists is what was asked for
    } else if (options.action == TimesOptions::Action::Month) {
        const auto solar = ToSolarFields(ToDateValue(day));
        if (!solar) {
            return Report(err, _("the date is outside the Solar calendar"));
        }
        const auto first = FromSolarDate(solar->year, solar->month, 1);
        // A table: the date, then a column a time, as wide as its name or its "HH:MM".
        const std::string mark = MessagesLanguage().starts_with("fa") ? "\u200E" : "";
        std::array<int, TimesOfDayCount> widths{};
        text += chosen->name + '\n' + mark + std::string(10, ' ');
        for (int i = 0; i < TimesOfDayCount; ++i) {
            const std::string name = _(TimeOfDayNames[static_cast<std::size_t>(i)]);
            widths[static_cast<std::size_t>(i)] = std::max(5, DisplayWidth(name));
            text += "  " + name + mark +
                    std::string(static_cast<std::size_t>(widths[static_cast<std::size_t>(i)] -
                                                         DisplayWidth(name)),
                                ' ');
        }
        while (text.ends_with(' ')) {
            text.pop_back();
        }
        text += '\n';
        for (DateValue value = *first;
             ToSolarFields(value) && ToSolarFields(value)->month == solar->month; value += 1) {
            const std::chrono::sys_days of = ToDays(value);
            std::string line = ToSolarDate(value, 0);
            if (persian) {
                MakePersian(line);
            }
            line = mark + line;
            const DayTimes times = timesOf(of);
            for (int i = 0; i < TimesOfDayCount; ++i) {
                line +=
                    "  " + ClockText(times[static_cast<std::size_t>(i)], zone, persian) +
                    (i + 1 < TimesOfDayCount
                         ? std::string(
                               static_cast<std::size_t>(widths[static_cast<std::size_t>(i)] - 5),
                               ' ')
                         : std::string());
            }
            text += line + '\n';
        }
    } else {
        text += chosen->name + ": " + ThreeDates(day, hijri, persian) + '\n';
        const DayTimes times = timesOf(day);
        for (int i = 0; i < TimesOfDayCount; ++i) {
            text += std::string(_(TimeOfDayNames[static_cast<std::size_t>(i)])) + ' ' +
                    ClockText(times[static_cast<std::size_t>(i)], zone, persian) + '\n';
        }
    }
    out.Add(text);
    if (missing) {
        err.Add(MessageLine(Program, _("the Sun does not go 17.7 degrees below the horizon on "
                                       "some nights here: no dawn, and no midnight, for them")) +
                '\n');
    }
    if (!out.Flush()) {
        Report(err, Format(_("write error: %s"), SystemError(out.Error())));
        return 2;
    }
    return err.Flush() ? (missing ? 1 : 0) : 2;
}

int RunTimesCommandLine(const std::vector<std::string>& arguments) {
    UseTranslations();
    OutputBuffer out(STDOUT_FILENO, 64 * 1024);
    OutputBuffer err(STDERR_FILENO, PIPE_BUF);
    const auto parsed = ParseTimesOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return Report(err, error->message);
    }
    const TimesOptions& options = std::get<TimesOptions>(parsed);
    TimesContext context;
    context.userPlaceFile = UserPlaceFile();
    const bool persianNames = MessagesLanguage().starts_with("fa");
    context.place =
        options.place ? PlaceChoice(NamedPlace{*options.place, CoordinatesName(*options.place), ""})
        : options.city ? PlaceWritten(*options.city, persianNames)
                       : UserPlace(context.userPlaceFile, persianNames);
    // A place of the list is shown in its own zone; any other in TZ's.
    if (const auto* chosen = std::get_if<NamedPlace>(&context.place);
        chosen != nullptr && !chosen->zone.empty()) {
        setenv("TZ", chosen->zone.c_str(), 1);
    }
    auto zone = TimeZone::Choose(false, std::getenv("TZ"));
    if (const auto* why = std::get_if<std::string>(&zone)) {
        return Report(err, *why);
    }
    context.zone = &std::get<TimeZone>(zone);
    context.now = {static_cast<std::int64_t>(std::time(nullptr)), 0};
    return RunTimesCommand(options, out, err, context);
}

}  // namespace tarvand
