#include "SolarMonths.h"

#include <algorithm>

#include "SolarYear.h"
#include "ToSolarDate.h"

namespace tarvand {

std::optional<DateValue> AddSolarMonths(int year, int month, int day, std::int64_t months) {
    // Months counted from 1 Farvardin of the first year; the range holds them all many times over.
    constexpr std::int64_t Span = std::int64_t{LastSolarYear - FirstSolarYear + 1} * 12;
    const std::int64_t from = std::int64_t{year - FirstSolarYear} * 12 + (month - 1);
    if (months < -Span || months > Span || from + months < 0 || from + months >= Span) {
        return std::nullopt;
    }
    const auto to = from + months;
    const int newYear = FirstSolarYear + static_cast<int>(to / 12);
    const int newMonth = static_cast<int>(to % 12) + 1;
    return FromSolarDate(newYear, newMonth, std::min(day, SolarMonthLength(newYear, newMonth)));
}

}  // namespace tarvand
