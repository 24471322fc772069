#include "LocalClock.h"

#include <ctime>

namespace tarvand {

using namespace std::chrono;

local_seconds LocalNow() {
    // time() rather than system_clock: the clock's nanoseconds run out in April 2262.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    const bool written = localtime_r(&now, &local) != nullptr;
    const long long civilYear = local.tm_year + 1900LL;
    if (!written || civilYear > int{year::max()} || civilYear < int{year::min()}) {
        // Past the years a civil date holds: the last (or first) moment it can.
        const bool late = written ? civilYear > 0 : now > 0;
        return late
                   ? local_days{year::max() / December / 31} + hours{23} + minutes{59} + seconds{59}
                   : local_days{year::min() / January / 1};
    }
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

DateValue LocalToday() { return ToDateValue(year_month_day{floor<days>(LocalNow())}); }

}  // namespace tarvand
