#include "LocalClock.h"

#include <ctime>

namespace tarvand {

using namespace std::chrono;

local_seconds LocalNow() {
    // time() rather than system_clock: the clock's nanoseconds run out in April 2262.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

DateValue LocalToday() { return ToDateValue(year_month_day{floor<days>(LocalNow())}); }

}  // namespace tarvand
