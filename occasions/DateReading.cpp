#include "DateReading.h"

#include <array>
#include <cstdio>

#include "DateText.h"
#include "Quote.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

// The English names of the Gregorian months, for messages.
constexpr std::array<std::string_view, 12> GregorianMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Takes a written date and its month and day; returns why there is no such month or day, naming
// the month first, or nothing when both can exist.
std::optional<std::string> NoSuchMonthOrDay(std::string_view text, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return "invalid date " + Quote(text) + ": there is no " +
               (month < 1 || month > 12 ? "month " + std::to_string(month)
                                        : "day " + std::to_string(day));
    }
    return std::nullopt;
}

}  // namespace

std::string OutsideTheRange() {
    return " is outside " + IsoText(ToCivilDate(FirstSolarValue())) + " to " +
           IsoText(ToCivilDate(LastSolarValue())) + ", the days that can be converted";
}

std::optional<std::string> CheckGregorianDate(std::string_view text, const WrittenDate& written,
                                              DateValue& value) {
    const auto [year, month, day] = written;
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        const unsigned length =
            static_cast<unsigned>((date.year() / date.month() / std::chrono::last).day());
        return "invalid date " + Quote(text) + ": " +
               std::string(GregorianMonthNames[static_cast<std::size_t>(month - 1)]) + " " +
               std::to_string(year) + " has " + std::to_string(length) + " days";
    }
    value = ToDateValue(date);
    return std::nullopt;
}

std::optional<std::string> ReadGregorianDate(std::string_view text, DateValue& value) {
    const auto written = ParseIsoDate(text);
    if (!written) {
        return "invalid date " + Quote(text) + " (expected YYYY-MM-DD)";
    }
    if (auto problem = CheckGregorianDate(text, *written, value)) {
        return problem;
    }
    if (!ToSolarFields(value)) {
        return "date " + Quote(text) + OutsideTheRange();
    }
    return std::nullopt;
}

std::string SolarYearsMessage(std::string_view text) {
    return "date " + Quote(text) + " is outside " + std::to_string(FirstSolarYear) + " to " +
           std::to_string(LastSolarYear) + ", the years that can be converted";
}

std::optional<std::string> CheckSolarDate(std::string_view text, const WrittenDate& written,
                                          DateValue& value) {
    const auto [year, month, day] = written;
    if (year < FirstSolarYear || year > LastSolarYear) {
        return SolarYearsMessage(text);
    }
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    const auto converted = FromSolarDate(year, month, day);
    if (!converted) {
        const int length = SolarMonthLength(year, month);
        const std::string name{LatinMonthNames[static_cast<std::size_t>(month - 1)]};
        const std::string common =
            month == 12 && day == 30 ? std::to_string(year) + " is a common year, " : "";
        return "invalid date " + Quote(text) + ": " + common + name + " has " +
               std::to_string(length) + " days";
    }
    value = *converted;
    return std::nullopt;
}

std::optional<std::string> CheckHijriDate(std::string_view text, const WrittenDate& written,
                                          const HijriCalendar& hijri, DateValue& value) {
    const auto [year, month, day] = written;
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    const auto converted = hijri.FromHijri(year, month, day);
    const auto first = hijri.ToHijri(FirstSolarValue()), last = hijri.ToHijri(LastSolarValue());
    if (!converted || *converted < FirstSolarValue() || *converted > LastSolarValue()) {
        const int length = hijri.MonthLength(year, month);
        if (length > 0 && day > length) {
            return "invalid date " + Quote(text) + ": " +
                   std::string(LatinHijriMonthNames[static_cast<std::size_t>(month - 1)]) + " " +
                   std::to_string(year) + " has " + std::to_string(length) + " days";
        }
        const auto slashed = [](const std::optional<HijriDate>& date) {
            char numbers[16];
            std::snprintf(numbers, sizeof numbers, "%d/%02d/%02d", date->year, date->month,
                          date->day);
            return std::string(numbers);
        };
        return "date " + Quote(text) + " is outside " + slashed(first) + " to " + slashed(last) +
               " AH, the Hijri days that can be converted";
    }
    value = *converted;
    return std::nullopt;
}

std::optional<std::string> ReadSolarDate(std::string_view text, DateValue& value) {
    const auto date = ParseSolarDate(text);
    if (!date) {
        return "invalid date " + Quote(text) + " (expected YYYY/MM/DD)";
    }
    return CheckSolarDate(text, *date, value);
}

}  // namespace tarvand
