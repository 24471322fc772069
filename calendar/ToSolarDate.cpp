#include "ToSolarDate.h"

#include <charconv>
#include <cstddef>
#include <string_view>

#include "SolarNames.h"
#include "SolarYear.h"

namespace tarvand {

namespace {

// Takes text and a number 0 to 9999; appends the number's digits, with a leading zero below
// 10 when zeroPad is set.
void AppendNumber(std::string& text, int number, bool zeroPad = false) {
    char digits[8];
    if (zeroPad && number < 10) {
        text += '0';
    }
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
}

// Takes a month 1 to 12; returns its name.
std::string_view MonthName(int month) { return MonthNames[static_cast<std::size_t>(month - 1)]; }

// Takes a weekday 1 (Sunday) to 7; returns its name.
std::string_view DayName(int weekday) { return DayNames[static_cast<std::size_t>(weekday - 1)]; }

// Takes a Solar date and text; appends year/month/day, the parts zero-padded when zeroPad is set.
void AppendNumeric(std::string& text, const SolarDate& date, bool zeroPad) {
    AppendNumber(text, date.year);
    text += '/';
    AppendNumber(text, date.month, zeroPad);
    text += '/';
    AppendNumber(text, date.day, zeroPad);
}

}  // namespace

DateValue FirstSolarValue() { return SolarEpoch + static_cast<DateValue>(FirstSolarDay()); }

DateValue LastSolarValue() { return SolarEpoch + static_cast<DateValue>(LastSolarDay()); }

std::optional<SolarDate> ToSolarFields(DateValue value) {
    const std::int64_t days = DayDifference(SolarEpoch, value);
    if (days < FirstSolarDay() || days > LastSolarDay()) {
        return std::nullopt;
    }
    SolarDate date;
    DaysToSolarDate(days, date.year, date.month, date.day);
    date.weekday = Weekday(value);
    return date;
}

std::optional<DateValue> FromSolarDate(int year, int month, int day) {
    const auto days = SolarDateToDays(year, month, day);
    if (!days) {
        return std::nullopt;
    }
    return SolarEpoch + static_cast<DateValue>(*days);
}

std::string ToSolarDate(DateValue value, int format) {
    if (format < 0 || format >= FormatCount) {
        return {};
    }
    const auto date = ToSolarFields(value);
    if (!date) {
        return {};
    }
    std::string text;
    text.reserve(64);
    switch (format) {
        case 0:
            AppendNumeric(text, *date, true);
            break;
        case 1:
            AppendNumber(text, date->day);
            text.append(" ").append(MonthName(date->month)).append(" ");
            AppendNumber(text, date->year);
            break;
        case 2:
            text.append(DayName(date->weekday)).append(" ");
            AppendNumeric(text, *date, false);
            break;
        case 3:
            text.append(DayName(date->weekday)).append("  ");
            AppendNumber(text, date->day);
            text.append("  ").append(MonthName(date->month)).append("  ");
            AppendNumber(text, date->year);
            break;
    }
    return text;
}

}  // namespace tarvand
