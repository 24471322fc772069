// tarvand-date's work once its command line is read: convert, print, report.
#pragma once

#include <string>
#include <vector>

#include "DateOptions.h"
#include "OutputBuffer.h"
#include "TimeZone.h"

namespace tarvand {

// Exit statuses.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitSomeLinesFailed = 1;  // --file: some lines were not converted
inline constexpr int ExitTrouble = 2;  // bad option, bad date, unreadable file, read or write error

// The longest line of a file that is read as a date; a date is short.
inline constexpr std::size_t MaxLineLength = 1024;

// Takes the options, standard input's file descriptor, the outputs, the current moment and the
// value of TZ (nothing when unset); prints what the options ask for and returns the exit status.
// Messages go to err, one line each, starting with "tarvand-date: ".
int RunDateCommand(const DateOptions& options, int in, OutputBuffer& out, OutputBuffer& err,
                   Instant now, const char* tz);

// Takes the arguments, program name first; parses them and runs the command on the real standard
// input, output and error and the local clock. Returns the exit status.
int RunDateCommandLine(const std::vector<std::string>& arguments);

}  // namespace tarvand
