// The lines of the holiday and event files, as people write them.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "calendar/Occasion.h"

namespace tarvand {

// Takes a line of the holidays format: Gregorian date (YYYY-MM-DD), kind (solar, lunar or
// special), status (confirmed or estimated), English name and Persian name, one tab apart (ASCII
// or Persian digits in the date); returns the holiday, or what is wrong with the line.
std::variant<Occasion, std::string> ReadHolidayLine(std::string_view line);

// A personal event: every year on a Solar month and day, or once.
struct PersonalEvent {
    int year = 0;  // 0 for every year
    int month = 0;
    int day = 0;
    std::string text;
};

// Takes a line of the events file: "MM/DD text" for every year, "YYYY/MM/DD text" for one day
// (ASCII or Persian digits, text after one or more blanks); returns the event, or what is wrong.
// A yearly day must exist in some year (30 Esfand does, in leap years).
std::variant<PersonalEvent, std::string> ReadEventLine(std::string_view line);

// Takes a line; returns true when it holds nothing to read: blank, or a comment starting with #.
bool IsCommentOrBlank(std::string_view line);

}  // namespace tarvand
