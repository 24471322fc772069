// Reading a Gregorian date written as YYYY-MM-DD.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace tarvand {

// Takes text such as "2011-03-02" (four-digit year, one- or two-digit month and day, blanks around
// allowed); returns the date, or nothing when the text is malformed or names no real day.
std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text);

}  // namespace tarvand
