#include "DateOptions.h"

#include <array>
#include <charconv>

#include "CommandLine.h"
#include "DateText.h"
#include "Messages.h"
#include "Quote.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarYear.h"

namespace tarvand {

namespace {

constexpr int VersionOption = 256;
constexpr int AfghanOption = 257;
constexpr int HolidaysOption = 258;

constexpr std::array<option, 17> LongOptions{{
    {"holidays", required_argument, nullptr, HolidaysOption},
    {"date", required_argument, nullptr, 'd'},
    {"file", required_argument, nullptr, 'f'},
    {"reference", required_argument, nullptr, 'r'},
    {"utc", no_argument, nullptr, 'u'},
    {"universal", no_argument, nullptr, 'u'},
    {"layout", required_argument, nullptr, 'l'},
    {"all", no_argument, nullptr, 'a'},
    {"to-gregorian", no_argument, nullptr, 'g'},
    {"hijri", no_argument, nullptr, 'H'},
    {"quiet", no_argument, nullptr, 'q'},
    {"persian", no_argument, nullptr, 'p'},
    {"afghan", no_argument, nullptr, AfghanOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOption},
    {nullptr, 0, nullptr, 0},
}};

// Takes the text of --layout; returns the layout 0 to 3, or -1.
int ParseLayout(const std::string& text) {
    const std::string ascii = AsciiDigits(text);
    return ascii.size() == 1 && ascii[0] >= '0' && ascii[0] <= '3' ? ascii[0] - '0' : -1;
}

// Takes an operand; records it as the output format, or returns why it cannot be one.
std::optional<UsageError> TakeOperand(const std::string& operand, DateOptions& options) {
    if (!operand.starts_with('+') || options.format) {
        return UsageError{Format(_("extra operand %s"), Quote(operand).c_str())};
    }
    const std::string_view unknown = UnknownConversion(std::string_view(operand).substr(1));
    if (!unknown.empty()) {
        // Past the % its flags, width, modifier and colons; then the letter, if any.
        const bool lettered =
            unknown.find_first_not_of("-_0^#123456789EO:", 1) != std::string::npos;
        const std::size_t width = unknown.find_first_of("123456789");
        const bool wide =
            width != std::string_view::npos &&
            std::min(unknown.find_first_not_of("0123456789", width), unknown.size()) - width > 3;
        int value = 0;
        if (!wide && width != std::string_view::npos) {
            std::from_chars(unknown.data() + width, unknown.data() + unknown.size(), value);
        }
        const std::string why = !lettered ? std::string(_(" (the conversion letter is missing)"))
                                : wide || value > MaxFormatWidth
                                    ? Format(_(" (a width goes up to %d)"), MaxFormatWidth)
                                    : std::string();
        return UsageError{Format(_("invalid conversion %s in format %s%s"), Quote(unknown).c_str(),
                                 Quote(operand).c_str(), why.c_str())};
    }
    options.format = operand.substr(1);
    return std::nullopt;
}

}  // namespace

std::variant<DateOptions, UsageError> ParseDateOptions(const std::vector<std::string>& arguments) {
    WritableArguments argv(arguments);
    const int argc = argv.Count();

    DateOptions options;
    bool layoutChosen = false;
    optind = 0;  // 0 makes glibc start a fresh scan
    opterr = 0;  // the messages are ours
    for (bool optionsEnded = false; !optionsEnded || optind < argc;) {
        // '+' stops at each operand, which is taken here; ':' reports a missing argument apart
        // from a bad option.
        const int previous = optind == 0 ? 1 : optind;
        const int c = optionsEnded ? -1
                                   : getopt_long(argc, argv.Data(), "+:d:f:r:l:agHquph",
                                                 LongOptions.data(), nullptr);
        if (c == -1) {
            optionsEnded = optionsEnded || (optind > previous && argv.At(optind - 1) == "--");
            if (optind >= argc) {
                break;
            }
            if (auto error = TakeOperand(argv.At(optind), options)) {
                return *error;
            }
            ++optind;
            continue;
        }
        switch (c) {
            case 'd':
                options.date = optarg;
                break;
            case 'f':
                options.file = optarg;
                break;
            case 'r':
                options.reference = optarg;
                break;
            case 'u':
                options.utc = true;
                break;
            case 'l':
                options.layout = ParseLayout(optarg);
                if (options.layout < 0) {
                    return UsageError{Format(_("invalid layout %s (expected 0, 1, 2 or 3)"),
                                             Quote(optarg).c_str())};
                }
                options.all = false;
                layoutChosen = true;
                break;
            case 'a':
                options.all = true;
                layoutChosen = true;
                break;
            case 'g':
                options.toGregorian = true;
                break;
            case 'H':
                options.hijri = true;
                break;
            case 'q':
                options.quiet = true;
                break;
            case 'p':
                options.persian = true;
                break;
            case AfghanOption:
                options.afghan = true;
                break;
            case HolidaysOption: {
                const auto year = ReadNumber(optarg);
                if (!year || *year < FirstSolarYear || *year > LastSolarYear) {
                    return UsageError{Format(_("invalid year %s for '--holidays' (%d to %d)"),
                                             Quote(optarg).c_str(), FirstSolarYear, LastSolarYear)};
                }
                options.holidaysOf = year;
                break;
            }
            case 'h':  // as GNU tools do, at once: what follows is not looked at
                options.action = DateOptions::Action::Help;
                return options;
            case VersionOption:
                options.action = DateOptions::Action::Version;
                return options;
            default:
                return UsageError{BadOptionMessage(arguments[static_cast<std::size_t>(previous)], c,
                                                   optopt, LongOptions.data())};
        }
    }
    if (options.date && options.file) {
        return UsageError{_("--date and --file cannot be used together")};
    }
    if (options.holidaysOf && (options.date || options.file || options.reference ||
                               options.toGregorian || options.format || layoutChosen)) {
        return UsageError{_("--holidays cannot be used with other dates or output formats")};
    }
    if (options.reference && (options.date || options.file)) {
        return UsageError{_("--reference cannot be used with --date or --file")};
    }
    if (options.format && layoutChosen) {
        return UsageError{_("multiple output formats specified")};
    }
    if (options.toGregorian && (layoutChosen || options.format)) {
        return UsageError{_("--to-gregorian cannot be used with --layout, --all or +FORMAT")};
    }
    return options;
}

std::string DateUsage() {
    std::string text;
    text +=
        /* xgettext:no-c-format */ _(
            "Usage: tarvand-date [OPTION]... [+FORMAT]\n"
            "Print a moment in the Solar Hijri (Iranian) calendar: by default now, in local\n"
            "time.\n");
    text += '\n';
    text +=
        /* xgettext:no-c-format */ _(
            "  -d, --date=STRING   show the moment STRING names instead of now\n"
            "  -f, --file=FILE     like --date, once for each line of FILE;\n"
            "                        with FILE -, read standard input\n"
            "  -r, --reference=FILE  show the last modification time of FILE\n"
            "  -u, --utc, --universal  show times in UTC rather than the local zone\n"
            "  -g, --to-gregorian  the dates given are Solar Hijri, written YYYY/MM/DD;\n"
            "                        print each as a Gregorian YYYY-MM-DD, or, when a time\n"
            "                        was given, as YYYY-MM-DDTHH:MM:SS+hh:mm\n"
            "  -H, --hijri         the dates given as YYYY/MM/DD are Iranian Hijri (lunar)\n"
            "  -q, --quiet         do not note a Hijri date whose month is predicted\n"
            "  -l, --layout=N      print layout N (0 by default):\n"
            "                        0  year/month/day, zero-padded         +%Y/%m/%d\n"
            "                        1  day, month name, year               +%-d %B %Y\n"
            "                        2  weekday name, year/month/day        +%A %Y/%-m/%-d\n"
            "                        3  weekday name, day, month name, year +%A  %-d  %B  %Y\n"
            "  -a, --all           print the four layouts, one line each\n"
            "      --holidays=YEAR list the official holidays and your events of the Solar\n"
            "                        YEAR, one a line: YYYY/MM/DD, a tab, the name; * after\n"
            "                        a lunar holiday that is estimated\n"
            "  -p, --persian       write digits in Persian (U+06F0 to U+06F9), and names with\n"
            "                        the Persian yeh (U+06CC)\n"
            "      --afghan        use the month names of Afghanistan (Hamal to Hut)\n"
            "  -h, --help          display this help and exit\n"
            "      --version       output version information and exit\n");
    text += '\n';
    text +=
        /* xgettext:no-c-format */ _(
            "STRING is made of items, blank apart, as date(1) reads them:\n"
            "  2025-03-20          a date (with -g, a Solar date: 1404/12/29; with -H, a\n"
            "                        Hijri date: 1446/09/20)\n"
            "  1448/01/10 AH  10 Muharram 1448  \u2067\u06F1\u06F0 \u0645\u062D\u0631\u0645 "
            "\u06F1\u06F4\u06F4\u06F8\u2069\n"
            "                      an Iranian Hijri date, with or without -H; a month's\n"
            "                        name in Latin or Persian letters, or a start of one\n"
            "  23:30  23:30:15.25  a time of day; 2025-03-20T23:30:15 joins both\n"
            "  Z  UTC  +03:30  +0330  -05   an offset from UTC, after a date or time\n"
            "  @1742502600         seconds since 1970-01-01 00:00 UTC (negative, fractional)\n"
            "  now  today  yesterday  tomorrow\n"
            "  +3 days  -2 weeks  1 month ago  next year  last month  +90 minutes\n"
            "Months and years count on the Solar calendar, after a Hijri date too, and a\n"
            "day the month lacks becomes its last day: 1404/06/31 +1 month is 1404/07/30.\n"
            "Days and weeks keep the time of day; hours, minutes and seconds are elapsed\n"
            "time. A Hijri date in a month not yet seen is converted by the crescent's\n"
            "prediction, and a note on stderr says so (not with -q); see \"Hijri months\" in\n"
            "tarvand-cal(1).\n");
    text += '\n';
    text +=
        /* xgettext:no-c-format */ _(
            "FORMAT controls the output, as in date(1). The conversions:\n"
            "  %%   a literal %\n"
            "  %A   weekday name; %a the same\n"
            "  %B   month name; %b and %h the same\n"
            "  %C   century: the year divided by 100 (14)\n"
            "  %c   date and time: %A %-d %B %Y %H:%M:%S\n"
            "  %d   day of the month (01)\n"
            "  %e   day of the month, blank-padded ( 1); the same as %_d\n"
            "  %F   the full date, as %Y-%m-%d\n"
            "  %H   hour (00..23)\n"
            "  %I   hour (01..12)\n"
            "  %j   day of the year (001..366)\n"
            "  %k   hour, blank-padded ( 0..23); the same as %_H\n"
            "  %l   hour, blank-padded ( 1..12); the same as %_I\n"
            "  %M   minute (00..59)\n"
            "  %m   month (01..12)\n"
            "  %N   nanoseconds (000000000..999999999); %3N milliseconds\n"
            "  %n   a newline\n"
            "  %o   the day's official holidays and your events, by their Persian names,\n"
            "         separated by \"\u060C \"; * after a lunar holiday that is estimated\n"
            "The Hijri lunar date as Iran keeps it (see \"Hijri months\" in tarvand-cal(1)):\n"
            "  %L   Hijri year   %J   Hijri month (01..12)   %i   Hijri day (01..30)\n"
            "  %Q   Hijri month name   %K   Hijri month name in Latin letters\n"
            "  %p   AM or PM (with -p, the Persian \u0642.\u0638 or \u0628.\u0638); %P am or pm\n"
            "  %R   24-hour hour and minute, as %H:%M\n"
            "  %r   12-hour time, as %I:%M:%S %p\n"
            "  %S   second (00..60)\n"
            "  %s   seconds since 1970-01-01 00:00 UTC\n"
            "  %T   time, as %H:%M:%S\n"
            "  %t   a tab\n"
            "  %u   day of the week (1..7); 1 is Saturday, the first day of the Persian week\n"
            "  %w   day of the week (0..6); 0 is Saturday\n"
            "  %X   time, as %H:%M:%S\n"
            "  %x   date, as %Y/%m/%d\n"
            "  %Y   year\n"
            "  %y   last two digits of the year (00..99)\n"
            "  %z   +hhmm offset from UTC (+0330)\n"
            "  %:z  +hh:mm (+03:30); %::z +hh:mm:ss; %:::z as short as it can be (+03:30)\n"
            "  %Z   the zone's abbreviation (+0330)\n"
            "By default numbers are padded with zeros. After the %, these flags may come:\n"
            "  -  (hyphen) do not pad the field\n"
            "  _  (underscore) pad with blanks\n"
            "  0  (zero) pad with zeros\n"
            "then a field width (up to 255) that pads the field to that many characters.\n"
            "The flags ^ and #, and E or O before the letter, are taken and change nothing.\n"
            "A % at the end of FORMAT is written as it is.\n");
    text += '\n';
    text +=
        /* xgettext:no-c-format */ _(
            "Names are in Persian and numbers in ASCII digits, written as UTF-8. Dates may be\n"
            "written in ASCII or Persian digits. Every day from 1178/01/01 to 3000/12/30\n"
            "(1799-03-21 to 3622-03-20) converts, in the astronomical calendar. Times are\n"
            "shown in the zone TZ names, or the system's; a TZ that names no zone is refused.\n"
            "Holidays and events: see tarvand-cal(1) for their files.\n"
            "In FILE, blank lines and a UTF-8 byte order mark at the start are skipped, and a\n"
            "line longer than 1024 bytes (a CR before its newline not counted) is reported\n"
            "as too long.\n");
    text += '\n';
    text +=
        /* xgettext:no-c-format */ _(
            "Exit status: 0 if all went well; 1 if some lines of FILE could not be converted;\n"
            "2 for a bad option, format, date, zone or file, or a read or write error.\n");
    return text;
}

}  // namespace tarvand
