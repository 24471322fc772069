#include "LunarHolidays.h"

#include "LunarHolidayList.h"

namespace tarvand {

std::vector<Occasion> LunarHolidays(const HijriCalendar& calendar, DateValue first,
                                    DateValue last) {
    std::vector<Occasion> holidays;
    // The Hijri years of the two days, or the months held as far as they reach.
    const auto from = calendar.ToHijri(first), to = calendar.ToHijri(last);
    const int fromYear = from ? from->year : calendar.FirstYear();
    const int toYear = to ? to->year : calendar.LastYear();
    for (int year = fromYear; year <= toYear; ++year) {
        for (const LunarHoliday& holiday : LunarHolidayList) {
            const auto day = calendar.FromHijri(year, holiday.month, holiday.day);
            if (day && *day >= first && *day <= last) {
                // A month's last day moves with the next month's start.
                const bool estimated =
                    calendar.ToHijri(*day)->predicted ||
                    (holiday.day == 0 && !calendar.LengthKnown(year, holiday.month));
                holidays.push_back({.day = *day,
                                    .kind = Occasion::Kind::Lunar,
                                    .estimated = estimated,
                                    .english = std::string(holiday.english),
                                    .persian = std::string(holiday.persian)});
            }
        }
    }
    return holidays;  // the list runs through the year in order
}

}  // namespace tarvand
