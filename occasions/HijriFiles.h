// The files that add or correct the starts of Hijri months: the Calendar Center's months of a
// year not yet on record, or a start that the sighting moved.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/HijriCalendar.h"

namespace tarvand {

// Takes a line of the record's format, "YEAR/MONTH YYYY-MM-DD" (a leading * and a comment after
// # allowed; ASCII or Persian digits); returns the month start it gives, or what is wrong with it.
std::variant<HijriMonthStart, std::string> ReadHijriLine(std::string_view line);

// Takes why a month start was not taken and the calendar; returns it in words, in the messages'
// language: "month 1448/2 would be 31 days long, not 29 or 30".
std::string HijriProblemText(const HijriCorrectionProblem& problem, const HijriCalendar& calendar);

// Takes the administrator's folder and the user's file; returns the Hijri calendar with the month
// starts of the folder's files (in name order) and then of the user's file, joined to the
// prediction once they are all read; where two lines give one month different starts, the later
// counts. Adds a message "FILE:LINE: problem" for each line it cannot take, and for each that
// replaces an earlier one; the other lines still count.
HijriCalendar ReadHijriCalendar(const std::string& folder, const std::string& userFile,
                                std::vector<std::string>& messages);

}  // namespace tarvand
