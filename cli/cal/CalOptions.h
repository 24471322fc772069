// The command line of tarvand-cal.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "CommandLine.h"

namespace tarvand {

// What the command line asks for.
struct CalOptions {
    enum class Action { Show, Help, Version };
    enum class Colour { Auto, Always, Never };
    Action action = Action::Show;
    std::optional<int> year;          // the YEAR operand, 1178 to 3000
    std::optional<int> month;         // the MONTH operand, 1 to 12
    int months = 1;                   // months shown: -1, -3, -n
    bool around = false;              // -3: the month before the chosen one comes first
    bool wholeYear = false;           // -y, or a YEAR alone
    bool julian = false;              // -j: days numbered through the year
    bool weekNumbers = false;         // -w
    std::optional<std::string> date;  // -d: the month of this date, which is marked
    bool solarDate = false;           // -g: the -d date is Solar Hijri
    bool hijri = false;               // -H, or a Hijri month's name: MONTH and YEAR are Hijri
    bool hijriByName = false;         // a Hijri month's name, without -H
    bool persian = false;             // -p: Persian names and digits
    bool afghan = false;              // --afghan
    Colour colour = Colour::Auto;     // --color
    bool events = true;               // the list of holidays and events under the grid
    bool ics = false;                 // --ics: an iCalendar file instead of the grid
    std::optional<std::pair<int, int>> icsYears;  // --ics=RANGE: its first and last Solar year
};

// Takes the arguments, program name first, and whether the locale is Persian; returns the
// options, or the error in the first bad one. Operands: [[MONTH] YEAR], MONTH a number 1 to 12
// or a month name, Latin or Persian, Iranian or Afghan, or any unambiguous start of one; YEAR
// 1178 to 3000; digits ASCII or Persian.
std::variant<CalOptions, UsageError> ParseCalOptions(const std::vector<std::string>& arguments,
                                                     bool persianLocale);

// Takes a month as written and whether it is Hijri; returns its number 1 to 12, or the message
// that says why it is none.
std::variant<int, std::string> ReadMonth(const std::string& text, bool hijri = false);

// Returns the --help text.
std::string CalUsage();

}  // namespace tarvand
