#include "DateCommand.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "DateText.h"
#include "calendar/LocalClock.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr std::string_view Program = "tarvand-date";

// The English names of the Solar months, for messages.
constexpr std::array<std::string_view, 12> MonthNamesInEnglish{
    "Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
    "Mehr",      "Aban",        "Azar",    "Dey", "Bahman", "Esfand"};

// Takes a civil date; returns it written YYYY-MM-DD.
std::string IsoText(std::chrono::year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Takes a written date; returns it quoted for a message.
std::string Quoted(std::string_view text) { return "'" + std::string{text} + "'"; }

// Returns the message's end for a Gregorian date outside the range.
std::string OutsideTheRange() {
    return " is outside " + IsoText(ToCivilDate(FirstSolarValue())) + " to " +
           IsoText(ToCivilDate(LastSolarValue())) + ", the days that can be converted";
}

// Takes a date value and the options; writes its conversion, one line a layout.
void PrintDate(DateValue value, const DateOptions& options, std::ostream& out) {
    if (options.toGregorian) {
        out << IsoText(ToCivilDate(value)) << '\n';
    } else if (options.all) {
        for (int format = 0; format < FormatCount; ++format) {
            out << ToSolarDate(value, format) << '\n';
        }
    } else {
        out << ToSolarDate(value, options.layout) << '\n';
    }
}

// Takes a written Gregorian date; sets its date value, or returns why it cannot be converted.
std::optional<std::string> ReadGregorian(std::string_view text, DateValue& value) {
    const auto date = ParseIsoDate(text);
    if (!date) {
        return "invalid date " + Quoted(text) + " (expected YYYY-MM-DD)";
    }
    value = ToDateValue(*date);
    if (!ToSolarFields(value)) {
        return "date " + Quoted(text) + OutsideTheRange();
    }
    return std::nullopt;
}

// Takes a written Solar date; sets its date value, or returns why it cannot be converted.
std::optional<std::string> ReadSolar(std::string_view text, DateValue& value) {
    const auto date = ParseSolarDate(text);
    if (!date) {
        return "invalid date " + Quoted(text) + " (expected YYYY/MM/DD)";
    }
    const auto [year, month, day] = *date;
    if (year < FirstSolarYear || year > LastSolarYear) {
        return "date " + Quoted(text) + " is outside " + std::to_string(FirstSolarYear) + " to " +
               std::to_string(LastSolarYear) + ", the years that can be converted";
    }
    if (month < 1 || month > 12 || day < 1) {
        return "invalid date " + Quoted(text) + ": there is no " +
               (day < 1 ? "day " + std::to_string(day) : "month " + std::to_string(month));
    }
    const auto converted = FromSolarDate(year, month, day);
    if (!converted) {
        const int length = SolarMonthLength(year, month);
        const std::string name{MonthNamesInEnglish[static_cast<std::size_t>(month - 1)]};
        const std::string common =
            month == 12 && day == 30 ? std::to_string(year) + " is a common year, " : "";
        return "invalid date " + Quoted(text) + ": " + common + name + " has " +
               std::to_string(length) + " days";
    }
    value = *converted;
    return std::nullopt;
}

// Takes a written date and the options; writes its conversion, or returns why it cannot be done.
std::optional<std::string> ConvertText(std::string_view text, const DateOptions& options,
                                       std::ostream& out) {
    DateValue value = 0;
    auto problem = options.toGregorian ? ReadSolar(text, value) : ReadGregorian(text, value);
    if (!problem) {
        PrintDate(value, options, out);
    }
    return problem;
}

// Takes a stream of dates and its name; prints each date's conversion, reports each bad line, and
// returns the exit status.
int ConvertLines(std::istream& lines, const std::string& name, const DateOptions& options,
                 std::ostream& out, std::ostream& err) {
    int status = ExitSuccess;
    std::string line;
    for (long number = 1; std::getline(lines, line); ++number) {
        if (const auto problem = ConvertText(line, options, out)) {
            err << Program << ": " << name << ':' << number << ": " << *problem << '\n';
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

// Takes the options and today's date value; converts the one date they name.
int ConvertOne(const DateOptions& options, std::ostream& out, std::ostream& err, DateValue today) {
    if (options.date) {
        if (const auto problem = ConvertText(*options.date, options, out)) {
            err << Program << ": " << *problem << '\n';
            return ExitTrouble;
        }
    } else if (!ToSolarFields(today)) {
        err << Program << ": today's date " << Quoted(IsoText(ToCivilDate(today)))
            << OutsideTheRange() << '\n';
        return ExitTrouble;
    } else {
        PrintDate(today, options, out);
    }
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
