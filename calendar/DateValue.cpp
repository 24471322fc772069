#include "DateValue.h"

namespace tarvand {

using namespace std::chrono;

namespace {

// Takes a date value; returns the day it falls on, as a whole day number.
sys_days DayOf(DateValue value) {
    // The whole days, rounded down (a cast rounds toward zero); no call into the maths library,
    // which the command-line programs then need not load.
    auto whole = static_cast<days::rep>(value);
    whole -= static_cast<DateValue>(whole) > value ? 1 : 0;
    return DateValueEpoch + days{whole};
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
