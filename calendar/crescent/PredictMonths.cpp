// Writes the first day of every Hijri month that touches the Solar years 1178 to 3000, as the new
// crescent predicts it for Iran (Crescent.h), one Hijri year a line:
//   YEAR YYYY-MM-DD L1 L2 ... L12
// the Gregorian day on which Muharram begins, then the twelve months' lengths in days. Each month
// is predicted from the sky alone, apart from its neighbours, so a length can be 28 or 31 where
// two predictions disagree; the calendar joins them into months of 29 or 30 days.
//
// Usage: hijri_months_prediction [FIRST-YEAR LAST-YEAR]   (all years, with the header, by default)
// Work is shared among the machine's cores.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "Crescent.h"

namespace {

using namespace tarvand::crescent;
using namespace std::chrono;

// 1 Muharram 1265 began in Iran on 28 November 1848 (the record): the new moons are counted from
// the one before it.
constexpr int AnchorYear = 1265;
constexpr sys_days AnchorStart = sys_days{1848y / November / 28};
// The Hijri years whose months touch 1 Farvardin 1178 (21 March 1799) to 29 Esfand 3000 (20 March
// 3622): Muharram 1213 began in June 1798, and 3622-03-20 falls in 3092.
constexpr int FirstYear = 1213;
constexpr int LastYear = 3092;

constexpr double UnixEpochJulianDay = 2440587.5;

JulianDay ToJulianDay(sys_days day) {
    return static_cast<double>(day.time_since_epoch().count()) + UnixEpochJulianDay;
}

sys_days ToDays(JulianDay midnight) {
    return sys_days{days{static_cast<int>(std::lround(midnight - UnixEpochJulianDay))}};
}

// Takes a Hijri year and month; returns the first day of that month as the crescent predicts it.
sys_days PredictedStart(int year, int month) {
    static const JulianDay anchorNewMoon = NewMoonAfter(ToJulianDay(AnchorStart) - 4);
    const int lunations = (year - AnchorYear) * 12 + month - 1;
    const JulianDay newMoon = NewMoonAfter(anchorNewMoon + lunations * SynodicMonth - 2);
    return ToDays(MonthStartAfter(newMoon));
}

}  // namespace

int main(int argc, char** argv) {
    const bool whole = argc == 1;
    if (!whole && argc != 3) {
        std::fprintf(stderr, "usage: %s [FIRST-YEAR LAST-YEAR]\n", argv[0]);
        return 2;
    }
    const int first = whole ? FirstYear : std::atoi(argv[1]);
    const int last = whole ? LastYear : std::atoi(argv[2]);
    // Each year's Muharram and the next year's, so that its Dhu al-Hijja has a length.
    const int months = (last - first + 1) * 12 + 1;
    std::vector<sys_days> starts(static_cast<std::size_t>(months));
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (int i = static_cast<int>(w); i < months; i += static_cast<int>(workers)) {
                starts[static_cast<std::size_t>(i)] = PredictedStart(first + i / 12, i % 12 + 1);
            }
        });
    }
    threads.clear();  // joins
    if (whole) {
        std::printf(
            "# The first day of each Hijri month in Iran as the new crescent predicts it, %d to "
            "%d:\n"
            "# for each month, the day after the first evening after the new moon on which Odeh's\n"
            "# V reaches %.2f at Tehran, Mashhad, Tabriz or Chabahar. Written by\n"
            "# calendar/crescent/PredictMonths.cpp; do not edit.\n"
            "#\n"
            "# Format: YEAR YYYY-MM-DD L1 ... L12: the Gregorian day on which Muharram begins, "
            "then\n"
            "# the lengths of the twelve months in days.\n",
            first, last, VisibleFrom);
    }
    for (int year = first; year <= last; ++year) {
        const auto index = static_cast<std::size_t>((year - first) * 12);
        const year_month_day muharram{starts[index]};
        std::printf("%d %04d-%02u-%02u", year, int{muharram.year()}, unsigned{muharram.month()},
                    unsigned{muharram.day()});
        for (std::size_t m = 0; m < 12; ++m) {
            std::printf(" %d",
                        static_cast<int>((starts[index + m + 1] - starts[index + m]).count()));
        }
        std::printf("\n");
    }
    return 0;
}
