#include "CalOptions.h"

#include <array>

#include "CalNames.h"
#include "CommandLine.h"
#include "DateText.h"
#include "Messages.h"
#include "MonthNames.h"
#include "Quote.h"
#include "calendar/HijriCalendar.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"

namespace tarvand {

namespace {

enum LongOnly { AfghanOption = 256, ColorOption, VersionOption, NoEventsOption, IcsOption };

constexpr std::array<option, 19> LongOptions{{
    {"no-events", no_argument, nullptr, NoEventsOption},
    {"ics", optional_argument, nullptr, IcsOption},
    {"one", no_argument, nullptr, '1'},
    {"three", no_argument, nullptr, '3'},
    {"year", no_argument, nullptr, 'y'},
    {"months", required_argument, nullptr, 'n'},
    {"julian", no_argument, nullptr, 'j'},
    {"week", no_argument, nullptr, 'w'},
    {"date", required_argument, nullptr, 'd'},
    {"solar", no_argument, nullptr, 'g'},
    {"hijri", no_argument, nullptr, 'H'},
    {"persian", no_argument, nullptr, 'p'},
    {"afghan", no_argument, nullptr, AfghanOption},
    {"color", optional_argument, nullptr, ColorOption},
    {"colour", optional_argument, nullptr, ColorOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOption},
    {nullptr, 0, nullptr, 0},
}};

// The forms the operands take, for messages.
std::string Forms() {
    return _("(expected [[MONTH] YEAR]: MONTH 1 to 12 or a month name, YEAR 1178 to 3000)");
}

// The same for a Hijri MONTH and YEAR, in the Hijri years held.
std::string HijriForms() {
    const HijriCalendar hijri;
    return Format(_("(expected MONTH YEAR: MONTH 1 to 12 or a Hijri month's name, YEAR %d to %d)"),
                  hijri.FirstYear(), hijri.LastYear());
}

// What option messages end with.
std::string SeeHelp() { return Format(_(" (see '%s --help')"), "tarvand-cal"); }

// Takes a month as written; returns true when it names no month of the calendar asked for, nor
// starts the name of one.
bool UnknownMonth(const std::string& text, bool hijri) {
    if (ReadNumber(text)) {
        return false;
    }
    const auto found = FindMonthName(text, hijri ? NamedCalendar::Hijri : NamedCalendar::Solar);
    const auto* names = std::get_if<std::vector<std::string_view>>(&found);
    return names != nullptr && names->empty();
}

// Takes a Hijri year as written; returns it, or the message that says why it is none.
std::variant<int, std::string> ReadHijriYear(const std::string& text) {
    const auto year = ReadNumber(text);
    if (!year) {
        return Format(_("invalid year %s %s"), Quote(text).c_str(), HijriForms().c_str());
    }
    const HijriCalendar hijri;
    if (*year < hijri.FirstYear() || *year > hijri.LastYear()) {
        return Format(_("Hijri year %s is outside %d to %d"), Quote(text).c_str(),
                      hijri.FirstYear(), hijri.LastYear());
    }
    return *year;
}

// Takes a year as written; returns it, or the message that says why it cannot be shown.
std::variant<int, std::string> ReadYear(const std::string& text) {
    const auto year = ReadNumber(text);
    if (!year) {
        return Format(_("invalid year %s %s"), Quote(text).c_str(), Forms().c_str());
    }
    if (*year < FirstSolarYear || *year > LastSolarYear) {
        return Format(_("year %s is outside the years that can be shown %s"), Quote(text).c_str(),
                      Forms().c_str());
    }
    return *year;
}

// Takes a range of Solar years as written, YEAR or YEAR-YEAR; returns its first and last year, or
// nothing when it is not one within 1178 to 3000.
std::optional<std::pair<int, int>> ReadYearRange(const std::string& text) {
    const std::string ascii = AsciiDigits(text);
    const auto dash = ascii.find('-');
    const auto first = ReadNumber(ascii.substr(0, dash));
    const auto last = dash == std::string::npos ? first : ReadNumber(ascii.substr(dash + 1));
    if (!first || !last || *first < FirstSolarYear || *last > LastSolarYear || *first > *last) {
        return std::nullopt;
    }
    return std::pair{*first, *last};
}

// Takes the operands; sets the month and year they give, or returns why they cannot be shown.
std::optional<std::string> TakeOperands(const std::vector<std::string>& operands,
                                        CalOptions& options) {
    if (operands.size() > 2) {
        return Format(_("extra operand %s %s"), Quote(operands[2]).c_str(), Forms().c_str());
    }
    if (operands.size() == 2) {
        const auto first = ReadNumber(operands[0]);
        if (first && *first > 12 && operands[0].size() >= 4 && ReadNumber(operands[1])) {
            return Format(_("two years given, %s and %s %s"), Quote(operands[0]).c_str(),
                          Quote(operands[1]).c_str(), Forms().c_str());
        }
    }
    const bool digits = operands.size() == 1 &&
                        AsciiDigits(operands[0]).find_first_of("0123456789") != std::string::npos;
    // The month first: a name found among the Hijri months only makes MONTH and YEAR Hijri.
    if (operands.size() == 2 || (operands.size() == 1 && !digits)) {
        auto month = ReadMonth(operands[0], options.hijri);
        if (std::holds_alternative<std::string>(month) && !options.hijri &&
            !ReadNumber(operands[0])) {
            // Unknown among the Solar months: the Hijri reading, ambiguous or not.
            const auto lunar = ReadMonth(operands[0], true);
            if (UnknownMonth(operands[0], false) && !UnknownMonth(operands[0], true)) {
                options.hijri = std::holds_alternative<int>(lunar);
                options.hijriByName = options.hijri;
                month = lunar;
            }
        }
        if (const auto* problem = std::get_if<std::string>(&month)) {
            return *problem;
        }
        options.month = std::get<int>(month);
    }
    if (operands.size() == 1 && !digits) {  // a month name alone: this year's
        return std::nullopt;
    }
    if (!operands.empty()) {
        if (options.hijri && operands.size() == 1) {
            return std::string(
                _("a Hijri YEAR needs its MONTH (expected MONTH YEAR: 1 to 12 or a "
                  "Hijri month's name, and a Hijri year)"));
        }
        const auto year =
            options.hijri ? ReadHijriYear(operands.back()) : ReadYear(operands.back());
        if (const auto* problem = std::get_if<std::string>(&year)) {
            return *problem;
        }
        options.year = std::get<int>(year);
    }
    return std::nullopt;
}

}  // namespace

std::variant<int, std::string> ReadMonth(const std::string& text, bool hijri) {
    if (const auto number = ReadNumber(text)) {
        if (*number < 1 || *number > 12) {
            return Format(_("there is no month %d %s"), *number,
                          (hijri ? HijriForms() : Forms()).c_str());
        }
        return *number;
    }
    const auto found = FindMonthName(text, hijri ? NamedCalendar::Hijri : NamedCalendar::Solar);
    if (const int* month = std::get_if<int>(&found)) {
        return *month;
    }
    const auto& names = std::get<std::vector<std::string_view>>(found);
    if (names.empty()) {
        return Format(_("unknown month %s %s"), Quote(text).c_str(), Forms().c_str());
    }
    return Format(_("ambiguous month %s: %s %s"), Quote(text).c_str(), ListedNames(names).c_str(),
                  Forms().c_str());
}

std::variant<CalOptions, UsageError> ParseCalOptions(const std::vector<std::string>& arguments,
                                                     bool persianLocale) {
    WritableArguments argv(arguments);
    const int argc = argv.Count();

    CalOptions options;
    options.persian = persianLocale;
    optind = 0;
    opterr = 0;
    bool countGiven = false;  // -1, -3 or -n came after any -y
    for (;;) {
        const int previous = optind == 0 ? 1 : optind;
        const int c = getopt_long(argc, argv.Data(), ":13yn:jwd:gHph", LongOptions.data(), nullptr);
        if (c == -1) {
            break;
        }
        switch (c) {
            case '1':
                options.months = 1;
                options.around = options.wholeYear = false;
                countGiven = true;
                break;
            case '3':
                options.months = 3;
                options.around = true;
                options.wholeYear = false;
                countGiven = true;
                break;
            case 'y':
                options.wholeYear = true;
                countGiven = false;
                break;
            case 'n': {
                const auto count = ReadNumber(optarg);
                if (!count || *count < 1 || *count > 12 * (LastSolarYear - FirstSolarYear + 1)) {
                    return UsageError{
                        Format(_("invalid number of months %s"), Quote(optarg).c_str()) +
                        SeeHelp()};
                }
                options.months = *count;
                options.around = options.wholeYear = false;
                countGiven = true;
                break;
            }
            case 'j':
                options.julian = true;
                break;
            case 'w':
                options.weekNumbers = true;
                break;
            case 'd':
                options.date = optarg;
                break;
            case 'g':
                options.solarDate = true;
                break;
            case 'H':
                options.hijri = true;
                break;
            case 'p':
                options.persian = true;
                break;
            case AfghanOption:
                options.afghan = true;
                break;
            case ColorOption: {
                const std::string when = optarg ? optarg : "always";
                if (when == "always" || when == "yes" || when == "force") {
                    options.colour = CalOptions::Colour::Always;
                } else if (when == "never" || when == "no" || when == "none") {
                    options.colour = CalOptions::Colour::Never;
                } else if (when == "auto" || when == "tty" || when == "if-tty") {
                    options.colour = CalOptions::Colour::Auto;
                } else {
                    return UsageError{
                        Format(_("invalid argument %s for '--color' (expected auto, always or "
                                 "never)"),
                               Quote(when).c_str()) +
                        SeeHelp()};
                }
                break;
            }
            case NoEventsOption:
                options.events = false;
                break;
            case IcsOption:
                options.ics = true;
                if (optarg != nullptr) {
                    options.icsYears = ReadYearRange(optarg);
                    if (!options.icsYears) {
                        return UsageError{
                            Format(_("invalid range %s for '--ics' (expected YEAR or YEAR-YEAR, "
                                     "%d to %d)"),
                                   Quote(optarg).c_str(), FirstSolarYear, LastSolarYear) +
                            SeeHelp()};
                    }
                }
                break;
            case 'h':
                options.action = CalOptions::Action::Help;
                return options;
            case VersionOption:
                options.action = CalOptions::Action::Version;
                return options;
            default:
                return UsageError{BadOptionMessage(arguments[static_cast<std::size_t>(previous)], c,
                                                   optopt, LongOptions.data()) +
                                  SeeHelp()};
        }
    }
    std::vector<std::string> operands;
    for (int i = optind; i < argc; ++i) {
        operands.push_back(argv.At(i));
    }
    if (auto problem = TakeOperands(operands, options)) {
        return UsageError{*problem};
    }
    if (options.date && (options.year || options.month)) {
        return UsageError{_("--date cannot be used with a MONTH or YEAR") + SeeHelp()};
    }
    if (options.hijri && (options.ics || options.date || options.wholeYear || options.around ||
                          options.months != 1)) {
        if (options.hijriByName) {  // not --hijri, which was not given: the month's name
            return UsageError{Format(_("a Hijri month such as %s is shown alone; it cannot be "
                                       "used with --ics, --date, -3, -n or -y"),
                                     Quote(operands[0]).c_str()) +
                              SeeHelp()};
        }
        return UsageError{_("--hijri shows one Hijri month; it cannot be used with --ics, --date, "
                            "-3, -n or -y") +
                          SeeHelp()};
    }
    if (options.year && !options.month && operands.size() == 1 && !countGiven) {
        options.wholeYear = true;  // a YEAR alone, as cal shows it, unless -1, -3 or -n came last
    }
    return options;
}

std::string CalUsage() {
    std::string text =
        _("Usage: tarvand-cal [OPTION]... [[MONTH] YEAR]\n"
          "Show a month of the Solar Hijri (Iranian) calendar; by default this "
          "month.\n"
          "With YEAR alone, the whole year. Weeks start on Saturday; Friday is the "
          "last\n"
          "column.\n");
    text += '\n';
    text +=
        _("  -1, --one           show one month (the default)\n"
          "  -3, --three         show the month before, this month and the month after\n"
          "  -y, --year          show the whole year\n"
          "  -n, --months=N      show N months from this one\n"
          "  -j, --julian        number the days through the year (1 to 366)\n"
          "  -w, --week          show week numbers: week 1 holds 1 Farvardin\n"
          "  -d, --date=DATE     show the month of DATE, written YYYY-MM-DD, and mark it\n"
          "  -g, --solar         the DATE of --date is Solar Hijri, written YYYY/MM/DD\n"
          "  -H, --hijri         MONTH and YEAR are Iranian Hijri: show the Solar months\n"
          "                        that hold that Hijri month, its days marked\n"
          "  -p, --persian       Persian names and digits (the default in a Persian "
          "locale)\n"
          "      --afghan        the month names of Afghanistan (Hamal to Hut)\n"
          "      --color[=WHEN]  mark today, Fridays and holidays: WHEN is auto (on a\n"
          "                        terminal, the default), always or never; NO_COLOR set\n"
          "                        turns auto off\n"
          "      --no-events     leave out the list of holidays and events under the grid\n"
          "      --ics[=RANGE]   write the official holidays and your events as an\n"
          "                        iCalendar (.ics) file instead: RANGE is a Solar YEAR or\n"
          "                        YEAR-YEAR, by default this year and the next nine\n"
          "  -h, --help          display this help and exit\n"
          "      --version       output version information and exit\n");
    text += '\n';
    text +=
        _("MONTH is a number 1 to 12 or a month name in Latin or Persian letters, "
          "Iranian\n"
          "or Afghan, or any start of one that names a single month: mehr, Meh, "
          "\u0645\u0647\u0631. A\n"
          "Hijri month's name (muharram, ramadan, \u0645\u062D\u0631\u0645) needs no -H: "
          "tarvand-cal muharram\n"
          "1448. Digits may be ASCII or Persian. Every month from 1178 to 3000 can be\n"
          "shown, in the astronomical calendar. Each month's header names the Gregorian\n"
          "months it spans.\n");
    text += '\n';
    text +=
        _("Under the grid come the shown months' official holidays of Iran and your own\n"
          "events. Holidays fixed in the Hijri lunar calendar are taken from Iran's\n"
          "announcements up to 2025, and estimated after that (marked *): they can move "
          "by\n"
          "a day when the month is sighted. Files in /etc/tarvand/holidays.d and\n"
          "$XDG_CONFIG_HOME/tarvand/holidays correct or add holidays, and\n"
          "$XDG_CONFIG_HOME/tarvand/events holds your events, \"MM/DD text\" every year "
          "or\n"
          "\"YYYY/MM/DD text\" once; see tarvand-cal(1).\n");
    text += '\n';
    text +=
        _("Exit status: 0 if all went well; 2 for a bad option, month, year or date, or a\n"
          "write error.\n");
    return text;
}

}  // namespace tarvand
