// tarvand-times: the times of the day, as Iran's official calendar prints them, for a place.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "CommandLine.h"
#include "OutputBuffer.h"
#include "TimeZone.h"
#include "UserPlace.h"

namespace tarvand {

// What the command line asks for.
struct TimesOptions {
    enum class Action { Day, Month, Next, List, Help, Version };
    Action action = Action::Day;
    std::optional<std::string> date;  // the operand, as written; none for today
    std::optional<Place> place;       // --at
    std::optional<std::string> city;  // --city, as written
    bool persianDigits = false;       // -p
};

// Takes the arguments, program name first; returns the options, or the message that says why
// they cannot be run.
std::variant<TimesOptions, UsageError> ParseTimesOptions(const std::vector<std::string>& arguments);

// What the times are printed with besides the options: the zone, the moment now, and the place:
// --at's or --city's, else the one set for the user (the first line of ~/.config/tarvand/place,
// LAT,LON or a name of the list), else the capital of the zone's country; none when there is none,
// or why the name given names none.
struct TimesContext {
    const TimeZone* zone = nullptr;
    Instant now;
    PlaceChoice place;
    std::string userPlaceFile;  // where the user's place is kept, to say so when there is none
};

// Takes the options, the outputs and the context; prints the times and returns the exit status,
// 0, 1 (some times do not exist there, as a dawn on a summer night far north) or 2.
int RunTimesCommand(const TimesOptions& options, OutputBuffer& out, OutputBuffer& err,
                    const TimesContext& context);

// Takes the arguments, program name first; runs the command on the real outputs, the clock, TZ
// and the user's files. Returns the exit status.
int RunTimesCommandLine(const std::vector<std::string>& arguments);

}  // namespace tarvand
