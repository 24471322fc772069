#include "SolarYear.h"

#include <algorithm>
#include <array>

#include "calendar/LeapCorrections.h"

namespace tarvand {

namespace {

// The 33-year arithmetic leap rule: 8 leap years in every 33, spread as evenly as they go.
// A year Y is leap when (25·Y + 11) mod 33 < 8. Equivalently, the leap years before Y number
// floor((8·Y + 21) / 33) up to a constant, which gives year starts in closed form.
constexpr int LeapCycleYears = 33;
constexpr int LeapYearsPerCycle = 8;
constexpr int LeapCycleStep = 25;
constexpr int LeapCyclePhase = 11;
constexpr int LeapCountPhase = 21;
constexpr int CommonYearDays = 365;
constexpr int CycleDays = LeapCycleYears * CommonYearDays + LeapYearsPerCycle;  // 12,053

// Months 1 to 6 have 31 days, months 7 to 11 have 30, month 12 has 29 (30 in a leap year).
constexpr int LongMonthDays = 31;
constexpr int ShortMonthDays = 30;
constexpr int LongMonths = 6;
constexpr int DaysInLongMonths = LongMonths * LongMonthDays;  // 186

// Takes any integer and a positive divisor; returns the quotient rounded down.
constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// Takes any integer and a positive divisor; returns the remainder with the sign of the divisor.
constexpr std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    return value - FloorDiv(value, divisor) * divisor;
}

// Takes a year; returns true when the 33-year rule makes it leap.
constexpr bool RuleLeap(std::int64_t year) {
    return FloorMod(LeapCycleStep * year + LeapCyclePhase, LeapCycleYears) < LeapYearsPerCycle;
}

// Takes a year; returns the rule's count of leap years before it, from a fixed origin.
constexpr std::int64_t RuleLeapsBefore(std::int64_t year) {
    return FloorDiv(LeapYearsPerCycle * year + LeapCountPhase, LeapCycleYears);
}

static_assert(RuleLeapsBefore(1334) - RuleLeapsBefore(1333) == 1 && RuleLeap(1333));
static_assert(RuleLeapsBefore(1333) - RuleLeapsBefore(1332) == 0 && !RuleLeap(1332));

// The correction years as a set indexed from FirstSolarYear, for a lookup in constant time.
constexpr std::size_t CorrectedYears = LastSolarYear - FirstSolarYear + 1;
constexpr std::array<bool, CorrectedYears> MakeCorrectionSet() {
    std::array<bool, CorrectedYears> set{};
    for (const int year : LeapCorrections) {
        set[static_cast<std::size_t>(year - FirstSolarYear)] = true;
    }
    return set;
}
constexpr bool CorrectionsAreUsable() {
    for (std::size_t i = 0; i < LeapCorrections.size(); ++i) {
        const int year = LeapCorrections[i];
        if (year < FirstSolarYear || year > LastSolarYear || !RuleLeap(year) ||
            RuleLeap(year + 1) || (i > 0 && year <= LeapCorrections[i - 1] + 1)) {
            return false;
        }
    }
    return true;
}
static_assert(CorrectionsAreUsable(), "each correction is a rule leap year before a common one");
constexpr std::array<bool, CorrectedYears> CorrectionSet = MakeCorrectionSet();

// Takes any year; returns true when it is one of the corrections.
constexpr bool IsCorrection(std::int64_t year) {
    return year >= FirstSolarYear && year <= LastSolarYear &&
           CorrectionSet[static_cast<std::size_t>(year - FirstSolarYear)];
}

// Takes a 0-based day of the year, 0 to 365, and sets month and day.
void SplitDayOfYear(int dayOfYear, int& month, int& day) {
    if (dayOfYear < DaysInLongMonths) {
        month = 1 + dayOfYear / LongMonthDays;
        day = 1 + dayOfYear % LongMonthDays;
    } else {
        const int rest = dayOfYear - DaysInLongMonths;
        month = LongMonths + 1 + rest / ShortMonthDays;
        day = 1 + rest % ShortMonthDays;
    }
}

// Takes any year; returns its start as a day count (the rule's, moved a day earlier after a
// correction year, which has a day less).
constexpr std::int64_t YearStart(std::int64_t year) {
    return CommonYearDays * (year - BaseYear) + RuleLeapsBefore(year) - RuleLeapsBefore(BaseYear) -
           (IsCorrection(year - 1) ? 1 : 0);
}

// The first and last day count the calendar converts.
constexpr std::int64_t FirstDay = YearStart(FirstSolarYear);
constexpr std::int64_t LastDay = YearStart(LastSolarYear + 1) - 1;

}  // namespace

bool IsSolarLeapYear(int offset) {
    const std::int64_t year = std::int64_t{BaseYear} + offset;
    return RuleLeap(year) != (IsCorrection(year) || IsCorrection(year - 1));
}

std::int64_t SolarYearStart(int year) { return YearStart(year); }

int SolarMonthLength(int year, int month) {
    if (month <= LongMonths) {
        return LongMonthDays;
    }
    if (month < 12 || IsSolarLeapYear(year - BaseYear)) {
        return ShortMonthDays;
    }
    return ShortMonthDays - 1;
}

std::int64_t FirstSolarDay() { return FirstDay; }

std::int64_t LastSolarDay() { return LastDay; }

void DaysToSolarDate(std::int64_t days, int& year, int& month, int& day) {
    if (days < FirstDay || days > LastDay) {
        return;
    }
    // The mean year is CycleDays / 33 days; a year start strays from it by a day or two at most.
    std::int64_t guess = BaseYear + FloorDiv(LeapCycleYears * days, CycleDays);
    guess = std::clamp<std::int64_t>(guess, FirstSolarYear, LastSolarYear);
    std::int64_t start = YearStart(guess);
    while (start > days) {
        start = YearStart(--guess);
    }
    for (std::int64_t next = YearStart(guess + 1); next <= days; next = YearStart(guess + 1)) {
        ++guess;
        start = next;
    }
    year = static_cast<int>(guess);
    SplitDayOfYear(static_cast<int>(days - start), month, day);
}

std::optional<std::int64_t> SolarDateToDays(int year, int month, int day) {
    if (year < FirstSolarYear || year > LastSolarYear || month < 1 || month > 12 || day < 1 ||
        day > SolarMonthLength(year, month)) {
        return std::nullopt;
    }
    const int before = month <= LongMonths
                           ? (month - 1) * LongMonthDays
                           : DaysInLongMonths + (month - LongMonths - 1) * ShortMonthDays;
    return YearStart(year) + before + day - 1;
}

}  // namespace tarvand
