// The command line of tarvand-date.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "CommandLine.h"

namespace tarvand {

// What the command line asks for.
struct DateOptions {
    enum class Action { Convert, Help, Version };
    Action action = Action::Convert;
    int layout = 0;                        // 0 to 3; ignored when all or format is set
    bool all = false;                      // print the four layouts
    std::optional<std::string> format;     // +FORMAT, without its +; its conversions are all known
    bool toGregorian = false;              // -g: the dates are Solar Hijri; print them as Gregorian
    bool hijri = false;                    // -H: dates written YYYY/MM/DD are Iranian Hijri
    bool quiet = false;                    // -q: no note for a Hijri date in a predicted month
    bool persian = false;                  // -p: Persian digits and letters
    bool afghan = false;                   // --afghan: the month names used in Afghanistan
    std::optional<std::string> date;       // -d: a date instead of today (not checked here)
    std::optional<std::string> file;       // -f: a file of dates, "-" for standard input
    std::optional<std::string> reference;  // -r: the last modification time of this file
    bool utc = false;                      // -u: times in UTC rather than the local zone
    std::optional<int> holidaysOf;         // --holidays: list the occasions of this Solar year
};

// Takes the arguments, program name first; returns the options, or the error in the first bad one.
// Options and the one +FORMAT operand may come in any order; later options override earlier ones
// (-l and -a too). --date, --file and --reference exclude each other; -l, -a and +FORMAT exclude
// each other, and
// --to-gregorian excludes them all.
std::variant<DateOptions, UsageError> ParseDateOptions(const std::vector<std::string>& arguments);

// Returns the --help text.
std::string DateUsage();

}  // namespace tarvand
