#include "ToSolarDate.h"

#include <cstddef>

#include "SolarNames.h"
#include "SolarYear.h"

namespace tarvand {

namespace {

// Takes a number 0 to 99; returns it in two digits.
std::string TwoDigits(int number) {
    std::string digits = std::to_string(number);
    if (number < 10) {
        digits.insert(digits.begin(), '0');
    }
    return digits;
}

// Takes a month 1 to 12; returns its name.
std::string_view MonthName(int month) { return MonthNames[static_cast<std::size_t>(month - 1)]; }

// Takes a weekday 1 (Sunday) to 7; returns its name.
std::string_view DayName(int weekday) { return DayNames[static_cast<std::size_t>(weekday - 1)]; }

}  // namespace

std::string ToSolarDate(DateValue value, int format) {
    const std::int64_t days = DayDifference(SolarEpoch, value);
    if (days < 0 || format < 0 || format >= FormatCount) {
        return {};
    }
    int year = 0;
    int month = 0;
    int day = 0;
    DaysToSolarDate(days, year, month, day);
    const std::string y = std::to_string(year);
    const std::string m = std::to_string(month);
    const std::string d = std::to_string(day);
    switch (format) {
        case 0:
            return y + "/" + TwoDigits(month) + "/" + TwoDigits(day);
        case 1:
            return d + " " + std::string{MonthName(month)} + " " + y;
        case 2:
            return std::string{DayName(Weekday(value))} + " " + y + "/" + m + "/" + d;
        case 3:
            return std::string{DayName(Weekday(value))} + "  " + d + "  " +
                   std::string{MonthName(month)} + "  " + y;
    }
    return {};
}

}  // namespace tarvand
