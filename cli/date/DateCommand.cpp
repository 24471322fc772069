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
    std::string line;
    line.reserve(Program.size() + message.size() + 3);
    line.append(Program).append(": ").append(message) += '\n';
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
            output.err.Add(std::string(Program) + ": " + message + '\n');
        }
    }
    return *output.hijri;
}

// Takes a written moment, where it was read (empty for --date, "FILE:LINE: " in a file) and the
// output; writes it, or returns why it cannot be read.
std::optional<std::string> ConvertText(std::string_view text, std::string_view where,
                                       Output& output) {
    auto moment = ReadMoment(text, output.plain, output.now, output.zone,
                             [&output]() -> const HijriCalendar& { return HijriOf(output); });
    if (auto* problem = std::get_if<std::string>(&moment)) {
        return std::move(*problem);
    }
    if (std::get<Moment>(moment).predictedHijri && !output.options.quiet) {
        Report(output, std::string(where) +
                           Format(_("note: %s is in a Hijri month not yet seen: its day is "
                                    "estimated"),
                                  Quote(text).c_str()));
    }
    return PrintMoment(std::get<Moment>(moment), text, output);
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
    std::string_view line;
    for (long number = 1;; ++number) {
        const auto result = reader.Next(line);
        if (result == LineReader::Result::End || output.out.Error() != 0) {
            break;
        }
        if (result == LineReader::Result::Error) {
            Report(output, Format(_("%s: read error: %s"), name.c_str(), std::strerror(errno)));
            return ExitTrouble;
        }
        std::optional<std::string> problem;
        if (result == LineReader::Result::TooLong) {
            problem = Format(_("line too long (over %ld bytes)"), static_cast<long>(MaxLineLength));
        } else if (!IsBlank(line)) {
            problem = ConvertText(line, name + ":" + std::to_string(number) + ": ", output);
        }
        if (problem) {
            Report(output, name + ":" + std::to_string(number) + ": " + *problem);
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
        return ConvertLines(in, "standard input", output);
    }
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Report(output,
               Format(_("cannot read %s: %s"), QuoteName(name).c_str(), std::strerror(errno)));
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
        problem = ConvertText(*options.date, {}, output);
    } else if (options.reference) {
        struct stat status {};
        if (stat(options.reference->c_str(), &status) != 0) {
            problem = Format(_("cannot stat %s: %s"), QuoteName(*options.reference).c_str(),
                             std::strerror(errno));
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
            out.Add(DateUsage());
            break;
        case DateOptions::Action::Version:
            out.Add(std::string(Program) + ' ' + TARVAND_VERSION + '\n');
            break;
        case DateOptions::Action::Convert: {
            auto chosen = TimeZone::Choose(options.utc, tz);
            if (const auto* problem = std::get_if<std::string>(&chosen)) {
                err.Add(std::string(Program) + ": " + *problem + '\n');
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
                    err.Add(std::string(Program) + ": " + message + '\n');
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
        err.Add(std::string(Program) + ": " +
                Format(_("write error: %s"), std::strerror(out.Error())) + '\n');
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
        err.Add(std::string(Program) + ": " + error->message +
                Format(_(" (see '%s --help')"), std::string(Program).c_str()) + '\n');
        return ExitTrouble;
    }
    timespec clock{};
    clock_gettime(CLOCK_REALTIME, &clock);
    return RunDateCommand(std::get<DateOptions>(parsed), STDIN_FILENO, out, err,
                          Instant{clock.tv_sec, static_cast<int>(clock.tv_nsec)},
                          std::getenv("TZ"));
}

}  // namespace tarvand
