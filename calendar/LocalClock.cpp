#include "LocalClock.h"

#include <ctime>

namespace tarvand {

using namespace std::chrono;

local_seconds LocalNow() {
    const std::time_t now = system_clock::to_time_t(system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    return local_days{date} + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

DateValue LocalToday() { return ToDateValue(year_month_day{floor<days>(LocalNow())}); }

}  // namespace tarvand
