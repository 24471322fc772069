#include "SolarHolidays.h"

#include <array>
#include <string_view>

#include "SolarYear.h"
#include "ToSolarDate.h"

namespace tarvand {

namespace {

// A holiday on a fixed Solar day, with the first year it is kept; names as Iran's official list
// gives them (see iran-holidays-2001-2025.txt).
struct FixedHoliday {
    int month;
    int day;
    int since;  // the first year it is kept
    std::string_view english;
    std::string_view persian;
};

constexpr std::array<FixedHoliday, 11> FixedHolidays{{
    {1, 1, FirstSolarYear, "Nowruz", "\u062C\u0634\u0646 \u0646\u0648\u0631\u0648\u0632"},
    {1, 2, FirstSolarYear, "Nowruz Holiday", "\u0639\u06CC\u062F\u0646\u0648\u0631\u0648\u0632"},
    {1, 3, FirstSolarYear, "Nowruz Holiday", "\u0639\u06CC\u062F\u0646\u0648\u0631\u0648\u0632"},
    {1, 4, FirstSolarYear, "Nowruz Holiday", "\u0639\u06CC\u062F\u0646\u0648\u0631\u0648\u0632"},
    {1, 12, RevolutionYear, "Islamic Republic Day",
     "\u0631\u0648\u0632 \u062C\u0645\u0647\u0648\u0631\u06CC "
     "\u0627\u0633\u0644\u0627\u0645\u06CC"},
    {1, 13, FirstSolarYear, "Nature's Day", "\u0631\u0648\u0632 \u0637\u0628\u06CC\u0639\u062A"},
    {3, 14, FourteenKhordadYear, "Death of Imam Khomeini",
     "\u0631\u062D\u0644\u062A \u062D\u0636\u0631\u062A \u0627\u0645\u0627\u0645 "
     "\u062E\u0645\u06CC\u0646\u06CC"},
    {3, 15, RevolutionYear, "15 Khordad Uprising",
     "\u0642\u06CC\u0627\u0645 15 \u062E\u0631\u062F\u0627\u062F"},
    {11, 22, RevolutionYear, "Islamic Revolution Day",
     "\u067E\u06CC\u0631\u0648\u0632\u06CC \u0627\u0646\u0642\u0644\u0627\u0628 "
     "\u0627\u0633\u0644\u0627\u0645\u06CC"},
    {12, 29, RevolutionYear, "Iranian Oil Industry Nationalization Day",
     "\u0631\u0648\u0632 \u0645\u0644\u06CC \u0634\u062F\u0646 \u0635\u0646\u0639\u062A "
     "\u0646\u0641\u062A \u0627\u06CC\u0631\u0627\u0646"},
    {12, 30, RevolutionYear, "Last Day of Year",
     "\u0622\u062E\u0631\u06CC\u0646 \u0631\u0648\u0632 \u0633\u0627\u0644"},
}};

}  // namespace

std::vector<Occasion> SolarHolidays(int year) {
    std::vector<Occasion> holidays;
    for (const FixedHoliday& holiday : FixedHolidays) {
        const auto day = FromSolarDate(year, holiday.month, holiday.day);  // no 30 Esfand: none
        if (year >= holiday.since && day) {
            holidays.push_back({.day = *day,
                                .kind = Occasion::Kind::Solar,
                                .estimated = false,
                                .english = std::string(holiday.english),
                                .persian = std::string(holiday.persian)});
        }
    }
    return holidays;
}

}  // namespace tarvand
