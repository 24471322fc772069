#include "SolarYear.h"

namespace tarvand {

namespace {

// The 33-year arithmetic leap rule: 8 leap years in every 33, spread as evenly as they go.
// A year Y is leap when (25·Y + 11) mod 33 < 8. It matches the astronomical calendar for every year
// from 1178 to 1501.
constexpr int LeapCycleYears = 33;
constexpr int LeapYearsPerCycle = 8;
constexpr int LeapCycleStep = 25;
constexpr int LeapCyclePhase = 11;

// Months 1 to 6 have 31 days, months 7 to 11 have 30, month 12 has 29 (30 in a leap year).
constexpr int LongMonthDays = 31;
constexpr int ShortMonthDays = 30;
constexpr int LongMonths = 6;
constexpr int DaysInLongMonths = LongMonths * LongMonthDays;  // 186

// Takes any integer and a positive divisor; returns the remainder with the sign of the divisor.
constexpr std::int64_t FlooredMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

// Takes a year offset; returns its length in days, 365 or 366.
int YearLength(int offset) { return IsSolarLeapYear(offset) ? 366 : 365; }

}  // namespace

bool IsSolarLeapYear(int offset) {
    const std::int64_t year = std::int64_t{BaseYear} + offset;
    return FlooredMod(LeapCycleStep * year + LeapCyclePhase, LeapCycleYears) < LeapYearsPerCycle;
}

void DaysToSolarDate(std::int64_t days, int& year, int& month, int& day) {
    if (days < 0) {
        return;
    }
    int offset = 0;
    for (int length = YearLength(offset); days >= length; length = YearLength(offset)) {
        days -= length;
        ++offset;
    }
    // days is now the 0-based day of the year, 0 to 365.
    const int dayOfYear = static_cast<int>(days);
    year = BaseYear + offset;
    if (dayOfYear < DaysInLongMonths) {
        month = 1 + dayOfYear / LongMonthDays;
        day = 1 + dayOfYear % LongMonthDays;
    } else {
        const int rest = dayOfYear - DaysInLongMonths;
        month = LongMonths + 1 + rest / ShortMonthDays;
        day = 1 + rest % ShortMonthDays;
    }
}

}  // namespace tarvand
