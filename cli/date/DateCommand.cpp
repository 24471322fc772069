#include "DateCommand.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "DateReading.h"
#include "DateText.h"
#include "HijriFiles.h"
#include "LineReader.h"
#include "Messages.h"
#include "MomentReading.h"
#include "OccasionBook.h"
#include "Quote.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr std::string_view Program = "tarvand-date";

// Takes the options; returns the formats of the lines each moment prints: +FORMAT, or the layouts.
std::vector<SolarFormatter> Formats(const DateOptions& options) {
    std::vector<SolarFormatter> formats;
    const int first = options.all ? 0 : options.layout;
    const int last = options.all ? FormatCount - 1 : options.layout;
    for (int layout = first; layout <= last; ++layout) {
        formats.emplace_back(options.format ? std::string_view(*options.format)
                                            : LayoutFormats[static_cast<std::size_t>(layout)]);
    }
    return formats;
}

// Where the conversion writes, and how.
struct Output {
    const DateOptions& options;
    OutputBuffer& out;
    OutputBuffer& err;
    const TimeZone& zone;
    Instant now;
    FormatStyle style{.persian = options.persian, .afghan = options.afghan};
    // Whether the output shows more than the date, so that a date alone needs its moment.
    bool needsClock = options.toGregorian || (options.format && UsesClock(*options.format));
    std::vector<SolarFormatter> formats = Formats(options);  // read once, written per line
    const OccasionBook* book = nullptr;                      // for %o and the Hijri letters
    std::optional<HijriCalendar> hijri =
        std::nullopt;  // for Hijri dates read, when there is no book
    // The calendar of dates written plain, YYYY/MM/DD or YYYY-MM-DD.
    DateCalendar plain = options.hijri         ? DateCalendar::Hijri
                         : options.toGregorian ? DateCalendar::Solar
                                               : DateCalendar::Gregorian;
    bool showsOccasions = options.format && UsesOccasions(*options.format);
    // Whether a plain date on a line may take the short way (see ConvertPlainDate): the date
    // alone is shown, with no occasions or Hijri date to look up; and whether it is shown in the
    // first layout alone, in ASCII digits.
    bool plainDatesShort =
        plain != DateCalendar::Hijri && (!needsClock || options.toGregorian) &&
        !(options.format && (UsesOccasions(*options.format) || UsesHijri(*options.format)));
    bool firstLayoutOnly = !options.toGregorian && !options.persian && formats.size() == 1 &&
                           formats.front().Numeric();
    std::int64_t firstDay = FirstSolarDay(), lastDay = LastSolarDay();  // the range, looked up once
};

// Takes occasions; returns their Persian names (or the events' texts), "، " apart, with " *"
// after an estimated one.
std::string OccasionNames(const std::vector<Occasion>& occasions) {
    std::string names;
    for (const Occasion& occasion : occasions) {
        names += names.empty() ? "" : "\u060C ";
        names += occasion.persian;
        names += occasion.estimated ? " *" : "";
    }
    return names;
}

// Takes the output and a message; writes "tarvand-date: " and the message as one line, at once, so
// that a failed write is seen before the next line is read.
void Report(Output& output, std::string_view message) {
    std::string line = MessageLine(Program, message);
    line += '\n';
    output.err.Add(line);
    output.err.Flush();
}

// Takes a wall time, the text after its date and whether to write the offset; appends the
// Gregorian date and time in ISO 8601, as date -d reads it back: 2026-03-21T18:00:00+03:30, with
// the nanoseconds when there are any.
void AppendIsoDateTime(std::string& text, const WallTime& wall, int nanosecond) {
    text += IsoText(std::chrono::year_month_day{wall.day});
    const int offset = wall.offset < 0 ? -wall.offset : wall.offset;
    char time[48];
    int length = std::snprintf(time, sizeof time, "T%02d:%02d:%02d", wall.secondOfDay / 3600,
                               wall.secondOfDay / 60 % 60, wall.Second());
    if (nanosecond != 0) {
        length += std::snprintf(time + length, sizeof time - static_cast<std::size_t>(length),
                                ".%09d", nanosecond);
        while (time[length - 1] == '0') {
            --length;
        }
    }
    std::snprintf(time + length, sizeof time - static_cast<std::size_t>(length), "%c%02d:%02d",
                  wall.offset < 0 ? '-' : '+', offset / 3600, offset / 60 % 60);
    text += time;
}

// Takes a moment, the text it was read from (empty for now) and the output; writes it, one line a
// layout, or returns why it cannot.
std::optional<std::string> PrintMoment(const Moment& moment, std::string_view written,
                                       Output& output) {
    const DateOptions& options = output.options;
    DateValue value = moment.dateOnly.value_or(0);
    Instant instant = moment.instant;
    std::optional<WallTime> wall;
    if (!moment.dateOnly || output.needsClock) {
        if (moment.dateOnly) {
            const auto midnight = output.zone.FromWall(ToDays(value), 0, 0);
            instant = midnight.value_or(Instant{});
        }
        wall = output.zone.ToWall(instant);
        if (!moment.dateOnly) {  // a date alone stays itself, whatever its midnight is in the zone
            const auto day = ConvertibleDay(wall);
            if (!day) {
                return OutsideMessage(written, output.plain, wall);
            }
            value = *day;
        }
    }
    std::string& text = output.out.Pending();
    const std::size_t start = text.size();
    if (options.toGregorian) {
        if (moment.showsTime) {
            AppendIsoDateTime(text, *wall, moment.showsFraction ? instant.nanosecond : 0);
        } else {
            text += IsoText(ToCivilDate(value));
        }
        if (options.persian) {
            MakePersian(text, start);
        }
        text += '\n';
    } else {
        const SolarDate date = *ToSolarFields(value);
        SolarClock clock;
        if (wall) {
            clock = {.hour = wall->secondOfDay / 3600,
                     .minute = wall->secondOfDay / 60 % 60,
                     .second = wall->Second(),
                     .nanosecond = instant.nanosecond,
                     .offset = wall->offset,
                     .zone = wall->zone,
                     .epochSeconds = instant.seconds};
        }
        std::string occasions;
        if (output.book != nullptr && output.showsOccasions) {
            // The holidays, then the events, each text taken as it stands.
            occasions = OccasionNames(output.book->Between(value, value, false));
            output.book->ForEachEventOn(std::floor(value), [&](const std::string& event) {
                occasions.append(occasions.empty() ? "" : "\u060C ").append(event);
            });
        }
        const auto hijri =
            output.book != nullptr ? output.book->Hijri().ToHijri(value) : std::nullopt;
        for (const SolarFormatter& format : output.formats) {
            format.Append(text, date, clock, output.style, occasions, hijri ? &*hijri : nullptr);
            text += '\n';
        }
    }
    output.out.Added();
    return std::nullopt;
}

// Takes the output; returns the Hijri calendar with the month files, read the first time.
const HijriCalendar& HijriOf(Output& output) {
    if (output.book != nullptr) {
        return output.book->Hijri();
    }
    if (!output.hijri) {
        std::vector<std::string> messages;
        const OccasionFiles files = OccasionFiles::FromEnvironment();
        output.hijri = ReadHijriCalendar(files.systemHijriDirectory, files.userHijri, messages);
        for (const std::string& message : messages) {
            output.err.Add(MessageLine(Program, message) + '\n');
        }
    }
    return *output.hijri;
}

// The numbers 00 to 99, two digits each, for writing a date without dividing digit by digit.
constexpr std::array<char, 200> TwoDigits = [] {
    std::array<char, 200> digits{};
    for (int i = 0; i < 100; ++i) {
        digits[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        digits[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return digits;
}();

// Where a text was read: a line of a file, or --date (no file). Its words are made only for a
// message, never for a line that converts.
struct Place {
    std::string_view file;  // as it stands before a line number; empty for --date
    long line = 0;

    // Returns "FILE:LINE: ", or nothing for --date.
    std::string Text() const { return file.empty() ? std::string() : Location(file, line); }
    static std::string Location(std::string_view file, long line) {
        return FileLine(file, line) + ": ";
    }
};

// Takes a written moment, where it was read, the Hijri calendar's source and the output; writes
// it, or returns why it cannot be read.
std::optional<std::string> ConvertText(std::string_view text, const Place& place,
                                       const HijriSource& hijri, Output& output) {
    auto moment = ReadMoment(text, output.plain, output.now, output.zone, hijri);
    if (auto* problem = std::get_if<std::string>(&moment)) {
        return std::move(*problem);
    }
    if (std::get<Moment>(moment).predictedHijri && !output.options.quiet) {
        Report(output,
               place.Text() + Format(_("note: %s is in a Hijri month not yet seen: its day is "
                                       "estimated"),
                                     Quote(text).c_str()));
    }
    return PrintMoment(std::get<Moment>(moment), text, output);
}

// Takes a line and the output; when the line is a plain date of the calendar plain dates are
// read in (YYYY-MM-DD, or YYYY/MM/DD for Solar ones), valid and within the range, and the output
// shows the date alone, writes it as the general reader would and returns true. Returns false
// for any other line, which the general reader then reads (and says what is wrong with). Most
// lines of a file are such dates: this allocates nothing and writes straight into the output.
bool ConvertPlainDate(std::string_view line, Output& output) {
    if (!output.plainDatesShort) {
        return false;
    }
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    const char separator = output.plain == DateCalendar::Gregorian ? '-' : '/';
    if (line.size() != 10 || line[4] != separator || line[7] != separator) {
        return false;
    }
    const auto digit = [&line](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(line[at])) - '0';
    };
    const unsigned d0 = digit(0), d1 = digit(1), d2 = digit(2), d3 = digit(3), d5 = digit(5),
                   d6 = digit(6), d8 = digit(8), d9 = digit(9);
    // A digit plus 6 stays below 16; anything else, wrapped round or not, does not.
    if (((d0 + 6) | (d1 + 6) | (d2 + 6) | (d3 + 6) | (d5 + 6) | (d6 + 6) | (d8 + 6) | (d9 + 6)) >
        15) {
        return false;
    }
    const auto year = static_cast<int>(d0 * 1000 + d1 * 100 + d2 * 10 + d3);
    const unsigned month = d5 * 10 + d6, day = d8 * 10 + d9;
    std::int64_t days = 0;  // from 1 Farvardin 1332, as the Solar arithmetic counts
    if (separator == '-') {
        using namespace std::chrono;
        const year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                  std::chrono::day{day}};
        if (!date.ok()) {
            return false;
        }
        constexpr sys_days SolarDayZero{1953y / March / 21};
        days = (sys_days{date} - SolarDayZero).count();
    } else if (const auto counted =
                   SolarDateToDays(year, static_cast<int>(month), static_cast<int>(day))) {
        days = *counted;
    } else {
        return false;
    }
    if (days < output.firstDay || days > output.lastDay) {
        return false;
    }
    if (!output.firstLayoutOnly) {  // any other output, as for any date alone
        PrintMoment(Moment{.instant = output.now,
                           .showsTime = false,
                           .showsFraction = false,
                           .dateOnly = SolarEpoch + static_cast<DateValue>(days)},
                    line, output);
        return true;
    }
    std::string& text = output.out.Pending();
    int y = 0, m = 0, d = 0;
    DaysToSolarDate(days, y, m, d);
    const auto pair = [](int number) { return TwoDigits.data() + 2 * number; };
    char written[11] = {0, 0, 0, 0, '/', 0, 0, '/', 0, 0, '\n'};
    std::memcpy(written, pair(y / 100), 2);
    std::memcpy(written + 2, pair(y % 100), 2);
    std::memcpy(written + 5, pair(m), 2);
    std::memcpy(written + 8, pair(d), 2);
    text.append(written, sizeof written);
    output.out.Added();
    return true;
}

// Takes text; returns true when it holds nothing but blanks.
bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

// Flushes the output before a read that may wait, so that a program feeding dates one at a time
// sees each answer before it sends the next.
void FlushBeforeRead(void* output) {
    auto* o = static_cast<Output*>(output);
    o->out.Flush();
    o->err.Flush();
}

// Takes an open file descriptor and its name for messages; converts each line, reports each bad
// one, and returns the exit status. Stops at once when the output or the messages cannot be
// written.
int ConvertLines(int fd, const std::string& name, Output& output) {
    int status = ExitSuccess;
    LineReader reader(fd, MaxLineLength, FlushBeforeRead, &output);
    const HijriSource hijri = [&output]() -> const HijriCalendar& { return HijriOf(output); };
    std::string_view line;
    for (long number = 1;; ++number) {
        const auto result = reader.Next(line);
        if (result == LineReader::Result::End || output.out.Error() != 0) {
            break;
        }
        if (result == LineReader::Result::Line && ConvertPlainDate(line, output)) {
            continue;
        }
        if (line.ends_with('\r')) {  // a line of a file written with CR LF, said without its CR
            line.remove_suffix(1);
        }
        if (result == LineReader::Result::Error) {
            Report(output, Format(_("%s: read error: %s"), name.c_str(), SystemError(errno)));
            return ExitTrouble;
        }
        std::optional<std::string> problem;
        if (result == LineReader::Result::TooLong) {
            problem = Format(_("line too long (over %ld bytes)"), static_cast<long>(MaxLineLength));
        } else if (!IsBlank(line)) {
            problem = ConvertText(line, Place{name, number}, hijri, output);
        }
        if (problem) {
            Report(output, Place::Location(name, number) + *problem);
            status = ExitSomeLinesFailed;
            if (output.err.Error() != 0) {
                return ExitTrouble;  // nowhere to say what goes wrong
            }
        }
    }
    return status;
}

// Takes the --file argument; converts the file's lines, or says why it cannot be read.
int ConvertFile(int in, Output& output) {
    const std::string& name = *output.options.file;
    if (name == "-") {
        return ConvertLines(in, _("standard input"), output);
    }
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Report(output,
               Format(_("cannot read %s: %s"), QuoteName(name).c_str(), SystemError(errno)));
        return ExitTrouble;
    }
    const int status = ConvertLines(fd, NameBeforeLine(name), output);
    close(fd);
    return status;
}

// Takes the output; converts the one moment the options name: --date, --reference, or now.
int ConvertOne(Output& output) {
    const DateOptions& options = output.options;
    std::optional<std::string> problem;
    if (options.date) {
        problem = ConvertText(
            *options.date, Place{}, [&output]() -> const HijriCalendar& { return HijriOf(output); },
            output);
    } else if (options.reference) {
        struct stat status {};
        if (stat(options.reference->c_str(), &status) != 0) {
            problem = Format(_("cannot stat %s: %s"), QuoteName(*options.reference).c_str(),
                             SystemError(errno));
        } else {
            const Moment moment{
                .instant = {status.st_mtim.tv_sec, static_cast<int>(status.st_mtim.tv_nsec)},
                .showsTime = true,
                .dateOnly = std::nullopt};
            problem = PrintMoment(moment, *options.reference, output);
        }
    } else {
        problem = PrintMoment(Moment{.instant = output.now,
                                     .showsTime = false,
                                     .showsFraction = false,
                                     .dateOnly = std::nullopt},
                              {}, output);
    }
    if (problem) {
        Report(output, *problem);
        return ExitTrouble;
    }
    return ExitSuccess;
}

// Takes the options, the book and the output; lists the occasions of the --holidays year.
int ListOccasions(const DateOptions& options, const OccasionBook& book, OutputBuffer& out) {
    const int year = *options.holidaysOf;
    const auto first = FromSolarDate(year, 1, 1);
    const auto last = FromSolarDate(year, 12, SolarMonthLength(year, 12));
    std::string& text = out.Pending();
    for (const Occasion& occasion : book.Between(*first, *last)) {
        const std::size_t start = text.size();
        text += FormatSolarDate(*ToSolarFields(occasion.day), "%Y/%m/%d");
        text += '\t';
        text += occasion.persian;
        text += occasion.estimated ? " *" : "";
        if (options.persian) {
            MakePersian(text, start);
        }
        text += '\n';
        out.Added();
    }
    return ExitSuccess;
}

}  // namespace

int RunDateCommand(const DateOptions& options, int in, OutputBuffer& out, OutputBuffer& err,
                   Instant now, const char* tz) {
    int status = ExitSuccess;
    switch (options.action) {
        case DateOptions::Action::Help:
            out.Add(HelpLines(DateUsage()));
            break;
        case DateOptions::Action::Version:
            out.Add(std::string(Program) + ' ' + TARVAND_VERSION + '\n');
            break;
        case DateOptions::Action::Convert: {
            auto chosen = TimeZone::Choose(options.utc, tz);
            if (const auto* problem = std::get_if<std::string>(&chosen)) {
                err.Add(MessageLine(Program, *problem) + '\n');
                err.Flush();
                return ExitTrouble;
            }
            // The holidays, events and Hijri months, read only when they are shown.
            std::optional<OccasionBook> book;
            if (options.holidaysOf || (options.format && (UsesOccasions(*options.format) ||
                                                          UsesHijri(*options.format)))) {
                std::vector<std::string> messages;
                book.emplace(OccasionFiles::FromEnvironment(), messages);
                for (const std::string& message : messages) {
                    err.Add(MessageLine(Program, message) + '\n');
                }
            }
            if (options.holidaysOf) {
                status = ListOccasions(options, *book, out);
                break;
            }
            Output output{options, out, err, std::get<TimeZone>(chosen), now};
            output.book = book ? &*book : nullptr;
            status = options.file ? ConvertFile(in, output) : ConvertOne(output);
            break;
        }
    }
    if (!out.Flush()) {
        err.Add(MessageLine(Program, Format(_("write error: %s"), SystemError(out.Error()))) +
                '\n');
        status = ExitTrouble;
    }
    // Messages that could not be written are a write error too.
    return err.Flush() ? status : ExitTrouble;
}

int RunDateCommandLine(const std::vector<std::string>& arguments) {
    UseTranslations();
    OutputBuffer out(STDOUT_FILENO, 64 * 1024);
    OutputBuffer err(STDERR_FILENO, PIPE_BUF);
    const auto parsed = ParseDateOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err.Add(MessageLine(Program, error->message + Format(_(" (see '%s --help')"),
                                                             std::string(Program).c_str())) +
                '\n');
        return ExitTrouble;
    }
    timespec clock{};
    clock_gettime(CLOCK_REALTIME, &clock);
    return RunDateCommand(std::get<DateOptions>(parsed), STDIN_FILENO, out, err,
                          Instant{clock.tv_sec, static_cast<int>(clock.tv_nsec)},
                          std::getenv("TZ"));
}

}  // namespace tarvand
