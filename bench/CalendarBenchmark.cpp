// The conversion per call, beside ICU's Persian calendar working out the same days' fields; and
// a year of the times of the day.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "calendar/LocalClock.h"
#include "calendar/SolarYear.h"
#include "calendar/SunTimes.h"
#include "calendar/ToSolarDate.h"

namespace {

using namespace std::chrono;
using tarvand::DateValue;

// Returns 4096 date values spread evenly at random over the whole range, 1178 to 3000.
const std::vector<DateValue>& SpreadDays() {
    static const std::vector<DateValue> values = [] {
        std::mt19937 random(1405);
        std::uniform_int_distribution<int> day(static_cast<int>(tarvand::FirstSolarValue()),
                                               static_cast<int>(tarvand::LastSolarValue()));
        std::vector<DateValue> v(4096);
        for (auto& value : v) value = day(random);
        return v;
    }();
    return values;
}

// Takes the benchmark's range: 0 for today, 1 for the spread days; returns the days to convert.
std::vector<DateValue> Days(const benchmark::State& state) {
    return state.range(0) == 0 ? std::vector<DateValue>{tarvand::LocalToday()} : SpreadDays();
}

void ToSolarDate(benchmark::State& state) {
    const auto days = Days(state);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvand::ToSolarDate(days[i++ % days.size()], 3));
    }
}

void DaysToSolarDate(benchmark::State& state) {
    const auto days = Days(state);
    std::size_t i = 0;
    for (auto _ : state) {
        int year = 0, month = 0, day = 0;
        tarvand::DaysToSolarDate(
            tarvand::DayDifference(tarvand::SolarEpoch, days[i++ % days.size()]), year, month, day);
        benchmark::DoNotOptimize(year + month + day);
    }
}

void IcuPersianFields(benchmark::State& state) {
    const auto days = Days(state);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> persian(icu::Calendar::createInstance(
        icu::TimeZone::createTimeZone("UTC"), icu::Locale("fa_IR@calendar=persian"), status));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto day =
            tarvand::DateValueEpoch + std::chrono::days{static_cast<int>(days[i++ % days.size()])};
        persian->setTime(
            static_cast<UDate>(duration_cast<milliseconds>(day.time_since_epoch()).count()),
            status);
        benchmark::DoNotOptimize(
            persian->get(UCAL_EXTENDED_YEAR, status) + persian->get(UCAL_MONTH, status) +
            persian->get(UCAL_DATE, status) + persian->get(UCAL_DAY_OF_WEEK, status));
    }
    if (U_FAILURE(status)) state.SkipWithError(u_errorName(status));
}

// A Solar year of the six times of the day at Tehran (1405: 365 days from 21 March 2026), the
// arithmetic alone: what tarvand-times -m does twelve times and the month view once a day.
void YearOfTimesOfDay(benchmark::State& state) {
    const sys_days first = sys_days{year{2026} / March / 21};
    for (auto _ : state) {
        for (int day = 0; day < 365; ++day) {
            benchmark::DoNotOptimize(
                tarvand::TimesOfDayFor({35.6944, 51.4215}, first + days{day}, 12600));
        }
    }
}

BENCHMARK(ToSolarDate)->ArgName("spread")->Arg(0)->Arg(1);
BENCHMARK(YearOfTimesOfDay)->Unit(benchmark::kMillisecond);
BENCHMARK(DaysToSolarDate)->ArgName("spread")->Arg(0)->Arg(1);
BENCHMARK(IcuPersianFields)->ArgName("spread")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
