// Dates as the user writes them, checked against their calendars, with the messages that say
// what is wrong: both commands read them the same way.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "DateText.h"
#include "calendar/DateValue.h"
#include "calendar/HijriCalendar.h"

namespace tarvand {

// The calendars whose months messages name.
enum class MessageCalendar { Gregorian, Solar, Hijri };

// Takes a calendar and a month, 1 to 12; returns the month's name in messages: Latin letters, or
// the messages' language.
const char* MonthInMessages(MessageCalendar calendar, int month);

// Returns the end of a message for a Gregorian date outside the days that convert:
// " is outside 1799-03-21 to 3622-03-20, the days that can be converted".
std::string OutsideTheRange();

// Takes a written Gregorian date (YYYY-MM-DD, ASCII or Persian digits); sets its date value, or
// returns why it cannot be converted, naming the part that is wrong.
std::optional<std::string> ReadGregorianDate(std::string_view text, DateValue& value);

// The same for a Solar Hijri date (YYYY/MM/DD).
std::optional<std::string> ReadSolarDate(std::string_view text, DateValue& value);

// Takes the text a Gregorian date was read from and its numbers; sets its date value, or returns
// why no such day exists. Any year 0 to 9999: the days that convert are not checked.
std::optional<std::string> CheckGregorianDate(std::string_view text, const WrittenDate& date,
                                              DateValue& value);

// Takes the text a Solar date was read from and its numbers; sets its date value, or returns why
// no such day exists in 1178 to 3000.
std::optional<std::string> CheckSolarDate(std::string_view text, const WrittenDate& date,
                                          DateValue& value);

// Takes the text a Hijri date was read from, its numbers and the Hijri calendar; sets its date
// value, or returns why no such day exists or converts (its Solar day outside 1178 to 3000).
std::optional<std::string> CheckHijriDate(std::string_view text, const WrittenDate& date,
                                          const HijriCalendar& hijri, DateValue& value);

// Takes a written Solar date outside the years that convert; returns the message that says so.
std::string SolarYearsMessage(std::string_view text);

}  // namespace tarvand
