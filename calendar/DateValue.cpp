#include "DateValue.h"

#include <cstdio>

namespace tarvand {

using namespace std::chrono;

sys_days ToDays(DateValue value) {
    // The whole days, rounded down (a cast rounds toward zero); no call into the maths library,
    // which the command-line programs then need not load.
    auto whole = static_cast<days::rep>(value);
    whole -= static_cast<DateValue>(whole) > value ? 1 : 0;
    return DateValueEpoch + days{whole};
}

DateValue ToDateValue(year_month_day date) { return ToDateValue(sys_days{date}); }

DateValue ToDateValue(sys_days day) {
    return static_cast<DateValue>((day - DateValueEpoch).count());
}

year_month_day ToCivilDate(DateValue value) { return year_month_day{ToDays(value)}; }

std::int64_t DayDifference(DateValue from, DateValue to) {
    return (ToDays(to) - ToDays(from)).count();
}

int Weekday(DateValue value) {
    // c_encoding() counts from 0 for Sunday.
    return static_cast<int>(weekday{ToDays(value)}.c_encoding()) + 1;
}

std::string IsoText(year_month_day date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace tarvand
