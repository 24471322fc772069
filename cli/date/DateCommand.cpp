#include "DateCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "DateReading.h"
#include "DateText.h"
#include "LineReader.h"
#include "Quote.h"
#include "calendar/LocalClock.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr std::string_view Program = "tarvand-date";

// Where the conversion writes, and how.
struct Output {
    const DateOptions& options;
    OutputBuffer& out;
    OutputBuffer& err;
    FormatStyle style{.persian = options.persian, .afghan = options.afghan};
};

// Takes the output and a message; writes "tarvand-date: " and the message as one line.
void Report(Output& output, std::string_view message) {
    std::string line;
    line.reserve(Program.size() + message.size() + 3);
    line.append(Program).append(": ").append(message) += '\n';
    output.err.Add(line);
}

// Takes a date value that converts and the output; writes its conversion, one line a layout.
void PrintDate(DateValue value, Output& output) {
    std::string& text = output.out.Pending();
    const DateOptions& options = output.options;
    if (options.toGregorian) {
        const std::size_t start = text.size();
        text += IsoText(ToCivilDate(value));
        if (options.persian) {
            MakePersian(text, start);
        }
        text += '\n';
    } else {
        const SolarDate date = *ToSolarFields(value);
        const int first = options.all ? 0 : options.layout;
        const int last = options.all ? FormatCount - 1 : options.layout;
        for (int layout = first; layout <= last; ++layout) {
            const auto format = options.format ? std::string_view(*options.format)
                                               : LayoutFormats[static_cast<std::size_t>(layout)];
            AppendSolarFormat(text, date, format, output.style);
            text += '\n';
        }
    }
    output.out.Added();
}

// Takes a written date and the output; writes its conversion, or returns why it cannot be done.
std::optional<std::string> ConvertText(std::string_view text, Output& output) {
    DateValue value = 0;
    auto problem =
        output.options.toGregorian ? ReadSolarDate(text, value) : ReadGregorianDate(text, value);
    if (!problem) {
        PrintDate(value, output);
    }
    return problem;
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
            Report(output, name + ": read error: " + std::strerror(errno));
            return ExitTrouble;
        }
        std::optional<std::string> problem;
        if (result == LineReader::Result::TooLong) {
            problem = "line too long (over " + std::to_string(MaxLineLength) + " bytes)";
        } else if (!IsBlank(line)) {
            problem = ConvertText(line, output);
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
        Report(output, "cannot read " + QuoteName(name) + ": " + std::strerror(errno));
        return ExitTrouble;
    }
    // As GNU tools name a file before a line number: bare, unless it needs quoting to be safe.
    const std::string quoted = QuoteName(name);
    const bool plain =
        quoted.size() == name.size() + 2 && quoted.compare(1, name.size(), name) == 0;
    const int status = ConvertLines(fd, plain ? name : quoted, output);
    close(fd);
    return status;
}

// Takes the output and today's date value; converts the one date the options name.
int ConvertOne(Output& output, DateValue today) {
    if (output.options.date) {
        if (const auto problem = ConvertText(*output.options.date, output)) {
            Report(output, *problem);
            return ExitTrouble;
        }
    } else if (!ToSolarFields(today)) {
        const auto civil = ToCivilDate(today);
        const bool edge = civil.year() == std::chrono::year::max() ||
                          civil.year() == std::chrono::year::min();  // the clock is past them
        Report(output,
               "today's date " +
                   (edge ? "(the year " + std::to_string(int{civil.year()}) +
                               (civil.year() > std::chrono::year{0} ? " or after)" : " or before)")
                         : Quote(IsoText(civil))) +
                   OutsideTheRange());
        return ExitTrouble;
    } else {
        PrintDate(today, output);
    }
    return ExitSuccess;
}

}  // namespace

int RunDateCommand(const DateOptions& options, int in, OutputBuffer& out, OutputBuffer& err,
                   DateValue today) {
    Output output{options, out, err};
    int status = ExitSuccess;
    switch (options.action) {
        case DateOptions::Action::Help:
            out.Add(DateUsage());
            break;
        case DateOptions::Action::Version:
            out.Add(std::string(Program) + ' ' + TARVAND_VERSION + '\n');
            break;
        case DateOptions::Action::Convert:
            status = options.file ? ConvertFile(in, output) : ConvertOne(output, today);
            break;
    }
    if (!out.Flush()) {
        Report(output, std::string("write error: ") + std::strerror(out.Error()));
        status = ExitTrouble;
    }
    err.Flush();
    return status;
}

int RunDateCommandLine(const std::vector<std::string>& arguments) {
    OutputBuffer out(STDOUT_FILENO, 64 * 1024);
    OutputBuffer err(STDERR_FILENO, PIPE_BUF);
    const auto parsed = ParseDateOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err.Add(std::string(Program) + ": " + error->message + " (see '" + std::string(Program) +
                " --help')\n");
        return ExitTrouble;
    }
    return RunDateCommand(std::get<DateOptions>(parsed), STDIN_FILENO, out, err, LocalToday());
}

}  // namespace tarvand
