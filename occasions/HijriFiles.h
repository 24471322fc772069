// The files that add or correct the starts of Hijri months: the Calendar Center's months of a
// year not yet on record, or a start that the sighting moved.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/HijriCalendar.h"

namespace tarvand {

// Takes a line of the record's format, "YEAR/MONTH YYYY-MM-DD" (a leading * and a comment after
// # allowed; ASCII or Persian digits), and the calendar; makes the month start known, or returns
// what is wrong with the line.
std::optional<std::string> ReadHijriLine(std::string_view line, HijriCalendar& calendar);

// Takes the administrator's folder and the user's file; returns the Hijri calendar with the month
// starts of the folder's files (in name order) and then of the user's file. Adds a message
// "FILE:LINE: problem" for each line it cannot take; the other lines still count.
HijriCalendar ReadHijriCalendar(const std::string& folder, const std::string& userFile,
                                std::vector<std::string>& messages);

}  // namespace tarvand
