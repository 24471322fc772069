#include "DateValue.h"

#include <cmath>

namespace tarvand {

using namespace std::chrono;

namespace {

// Takes a date value; returns the day it falls on, as a whole day number.
sys_days DayOf(DateValue value) {
    return DateValueEpoch + days{static_cast<days::rep>(std::floor(value))};
}

}  // namespace

DateValue ToDateValue(year_month_day date) {
    return static_cast<DateValue>((sys_days{date} - DateValueEpoch).count());
}

year_month_day ToCivilDate(DateValue value) { return year_month_day{DayOf(value)}; }

std::int64_t DayDifference(DateValue from, DateValue to) {
    return (DayOf(to) - DayOf(from)).count();
}

int Weekday(DateValue value) {
    // c_encoding() counts from 0 for Sunday.
    return static_cast<int>(weekday{DayOf(value)}.c_encoding()) + 1;
}

}  // namespace tarvand
