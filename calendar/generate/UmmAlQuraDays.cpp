// Writes, as a C++ header, the day each lunar holiday falls on in ICU's Umm al-Qura calendar
// (islamic-umalqura), for every Hijri year that touches the Solar years 1178 to 3000. It runs at
// build time, so that the programs need no ICU when they run.
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "calendar/DateValue.h"
#include "calendar/LunarHolidayList.h"

namespace {

// A day in ICU's milliseconds.
constexpr double MillisecondsPerDay = 86'400'000;

// The first and last days of the Solar range: 1799-03-21 and 3622-03-20.
constexpr double FirstDay = -36'808;
constexpr double LastDay = 629'028;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::freopen(argv[1], "w", stdout) == nullptr) {
        std::fprintf(stderr, "usage: UmmAlQuraDays OUTPUT\n");
        return 2;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> hijri(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), icu::Locale("en@calendar=islamic-umalqura"), status));
    const auto yearOf = [&](double day) {
        hijri->setTime((day - tarvand::UnixEpochDay) * MillisecondsPerDay, status);
        return hijri->get(UCAL_EXTENDED_YEAR, status);
    };
    const int first = U_SUCCESS(status) ? yearOf(FirstDay) - 1 : 0;
    const int last = U_SUCCESS(status) ? yearOf(LastDay) : 0;
    std::printf(
        "// Generated at build time from ICU's islamic-umalqura calendar (ICU %s): for each Hijri\n"
        "// year from UmmAlQuraFirstYear, the day (days from 1899-12-30) of each holiday of\n"
        "// LunarHolidayList, in its order.\n#pragma once\n\n#include <array>\n#include "
        "<cstdint>\n\nnamespace tarvand {\n\ninline constexpr int UmmAlQuraFirstYear = %d;\n"
        "inline constexpr std::array<std::array<std::int32_t, %zu>, %d> UmmAlQuraDays{{\n",
        U_ICU_VERSION, first, tarvand::LunarHolidayList.size(), last - first + 1);
    for (int year = first; year <= last && U_SUCCESS(status); ++year) {
        std::printf("    {{");
        for (const auto& holiday : tarvand::LunarHolidayList) {
            hijri->clear();
            hijri->set(UCAL_EXTENDED_YEAR, year);
            hijri->set(UCAL_MONTH, holiday.month - 1);
            hijri->set(UCAL_DATE, 1);
            const int day =
                holiday.day > 0 ? holiday.day : hijri->getActualMaximum(UCAL_DATE, status);
            hijri->set(UCAL_DATE, day);
            const double value =
                tarvand::UnixEpochDay + std::floor(hijri->getTime(status) / MillisecondsPerDay);
            std::printf("%s%.0f", &holiday == &tarvand::LunarHolidayList[0] ? "" : ", ", value);
        }
        std::printf("}},\n");
    }
    std::printf("}};\n\n}  // namespace tarvand\n");
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "UmmAlQuraDays: ICU: %s\n", u_errorName(status));
        return 1;
    }
    return 0;
}
