#include "LunarHolidays.h"

#include <algorithm>

#include "LunarHolidayList.h"
#include "calendar/UmmAlQuraDays.h"  // generated

namespace tarvand {

std::vector<Occasion> EstimatedLunarHolidays(DateValue first, DateValue last) {
    std::vector<Occasion> holidays;
    for (const auto& year : UmmAlQuraDays) {
        if (year.back() + SightingDelay < first || year.front() + SightingDelay > last) {
            continue;  // each year's list runs from 9 Muharram to 18 Dhu al-Hijja
        }
        for (std::size_t i = 0; i < year.size(); ++i) {
            const DateValue day = year[i] + SightingDelay;
            if (day >= first && day <= last) {
                const LunarHoliday& holiday = LunarHolidayList[i];
                holidays.push_back({.day = day,
                                    .kind = Occasion::Kind::Lunar,
                                    .estimated = true,
                                    .english = std::string(holiday.english),
                                    .persian = std::string(holiday.persian)});
            }
        }
    }
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const Occasion& a, const Occasion& b) { return a.day < b.day; });
    return holidays;
}

}  // namespace tarvand
