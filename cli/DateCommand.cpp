#include "DateCommand.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "IsoDate.h"
#include "calendar/LocalClock.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr std::string_view Program = "tarvand-date";

// Takes a date value and the options; writes its layouts, one line each.
void PrintDate(DateValue value, const DateOptions& options, std::ostream& out) {
    if (options.all) {
        for (int format = 0; format < FormatCount; ++format) {
            out << ToSolarDate(value, format) << '\n';
        }
    } else {
        out << ToSolarDate(value, options.layout) << '\n';
    }
}

// The ways a written date can fail to convert.
enum class DateProblem { None, Malformed, TooEarly };

// Takes a written date; returns its date value, or the problem with it.
DateProblem ReadDate(std::string_view text, DateValue& value) {
    const auto date = ParseIsoDate(text);
    if (!date) {
        return DateProblem::Malformed;
    }
    value = ToDateValue(*date);
    return value < SolarEpoch ? DateProblem::TooEarly : DateProblem::None;
}

// Takes a date problem and the written date; returns the message for it.
std::string ProblemMessage(DateProblem problem, std::string_view text) {
    const std::string quoted = "'" + std::string{text} + "'";
    if (problem == DateProblem::TooEarly) {
        return "date " + quoted + " is before 1953-03-21, the first day that can be converted";
    }
    return "invalid date " + quoted + " (expected YYYY-MM-DD)";
}

// Takes a stream of dates and its name; prints each date's layouts, reports each bad line, and
// returns the exit status.
int ConvertLines(std::istream& lines, const std::string& name, const DateOptions& options,
                 std::ostream& out, std::ostream& err) {
    int status = ExitSuccess;
    std::string line;
    for (long number = 1; std::getline(lines, line); ++number) {
        DateValue value = 0;
        const DateProblem problem = ReadDate(line, value);
        if (problem == DateProblem::None) {
            PrintDate(value, options, out);
        } else {
            err << Program << ": " << name << ':' << number << ": " << ProblemMessage(problem, line)
                << '\n';
            status = ExitSomeLinesFailed;
        }
    }
    if (lines.bad()) {
        err << Program << ": " << name << ": read error\n";
        return ExitTrouble;
    }
    return status;
}

// Takes the --file argument; converts the file's lines, or says why it cannot be read.
int ConvertFile(const DateOptions& options, std::istream& in, std::ostream& out,
                std::ostream& err) {
    if (*options.file == "-") {
        return ConvertLines(in, "standard input", options, out, err);
    }
    std::error_code ignored;
    const std::string& name = *options.file;
    if (std::filesystem::is_directory(name, ignored)) {
        err << Program << ": cannot read '" << name << "': Is a directory\n";
        return ExitTrouble;
    }
    std::ifstream file(name);
    if (!file) {
        err << Program << ": cannot read '" << name
            << "': " << std::generic_category().message(errno) << '\n';
        return ExitTrouble;
    }
    return ConvertLines(file, name, options, out, err);
}

// Takes a civil date; returns it written YYYY-MM-DD.
std::string IsoText(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Takes the options and today's date value; converts the one date they name.
int ConvertOne(const DateOptions& options, std::ostream& out, std::ostream& err, DateValue today) {
    DateValue value = today;
    if (options.date) {
        const DateProblem problem = ReadDate(*options.date, value);
        if (problem != DateProblem::None) {
            err << Program << ": " << ProblemMessage(problem, *options.date) << '\n';
            return ExitTrouble;
        }
    } else if (today < SolarEpoch) {
        err << Program << ": today's "
            << ProblemMessage(DateProblem::TooEarly, IsoText(ToCivilDate(today))) << '\n';
        return ExitTrouble;
    }
    PrintDate(value, options, out);
    return ExitSuccess;
}

}  // namespace

int RunDateCommand(const DateOptions& options, std::istream& in, std::ostream& out,
                   std::ostream& err, DateValue today) {
    int status = ExitSuccess;
    switch (options.action) {
        case DateOptions::Action::Help:
            out << DateUsage();
            break;
        case DateOptions::Action::Version:
            out << Program << ' ' << TARVAND_VERSION << '\n';
            break;
        case DateOptions::Action::Convert:
            status = options.file ? ConvertFile(options, in, out, err)
                                  : ConvertOne(options, out, err, today);
            break;
    }
    out.flush();
    if (!out) {
        err << Program << ": write error on standard output\n";
        return ExitTrouble;
    }
    return status;
}

int RunDateCommandLine(const std::vector<std::string>& arguments) {
    std::ios::sync_with_stdio(false);
    const auto parsed = ParseDateOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        std::cerr << Program << ": " << error->message << " (see '" << Program << " --help')\n";
        return ExitTrouble;
    }
    return RunDateCommand(std::get<DateOptions>(parsed), std::cin, std::cout, std::cerr,
                          LocalToday());
}

}  // namespace tarvand
