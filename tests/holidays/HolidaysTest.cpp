#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>

#include "ConfirmedHolidays.h"
#include "OccasionBook.h"
#include "calendar/LunarHolidays.h"
#include "calendar/SolarHolidays.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

// The confirmed list's holidays, read as the program reads them.
std::vector<Occasion> ConfirmedList() {
    std::vector<Occasion> list;
    std::string_view text = ConfirmedHolidayLines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!IsCommentOrBlank(line)) {
            list.push_back(std::get<Occasion>(ReadHolidayLine(line)));
        }
    }
    return list;
}

using Entry = std::tuple<DateValue, std::string, std::string>;

TEST(SolarHolidays, AreTheConfirmedOnesYearByYear) {
    std::map<int, std::set<Entry>> confirmed, computed;
    for (const Occasion& holiday : ConfirmedList()) {
        if (holiday.kind == Occasion::Kind::Solar) {
            confirmed[ToSolarFields(holiday.day)->year].insert(
                {holiday.day, holiday.english, holiday.persian});
        }
    }
    ASSERT_EQ(26u, confirmed.size());  // 1379 to 1404, in part at both ends
    for (const auto& [year, holidays] : confirmed) {
        for (const Occasion& holiday : SolarHolidays(year)) {
            if (holiday.day >= FirstConfirmedDay() && holiday.day <= LastConfirmedDay()) {
                computed[year].insert({holiday.day, holiday.english, holiday.persian});
            }
        }
        EXPECT_EQ(holidays, computed[year]) << year;
    }
    // Before 1358, Nowruz and 13 Farvardin only; 14 Khordad from 1368; 30 Esfand in leap years.
    EXPECT_EQ(5u, SolarHolidays(1357).size());
    EXPECT_EQ(9u, SolarHolidays(1367).size());   // common, before 14 Khordad
    EXPECT_EQ(11u, SolarHolidays(1403).size());  // a leap year
    EXPECT_EQ(10u, SolarHolidays(1404).size());
    EXPECT_EQ(11u, SolarHolidays(3000).size());
}

TEST(LunarHolidays, AreEstimatedWithinTwoDaysOfTheConfirmedOnes) {
    const auto estimates = EstimatedLunarHolidays(FirstConfirmedDay() - 3, LastConfirmedDay() + 3);
    int lunar = 0, same = 0;
    std::map<int, int> offsets;
    for (const Occasion& holiday : ConfirmedList()) {
        if (holiday.kind != Occasion::Kind::Lunar) {
            continue;
        }
        ++lunar;
        int best = 99;
        for (const Occasion& estimate : estimates) {
            if (estimate.english == holiday.english && estimate.persian == holiday.persian &&
                std::abs(estimate.day - holiday.day) < std::abs(best)) {
                best = static_cast<int>(estimate.day - holiday.day);
            }
        }
        ++offsets[best];
        same += best == 0 ? 1 : 0;
        EXPECT_LE(std::abs(best), 2) << holiday.english << " " << holiday.day;
    }
    EXPECT_EQ(436, lunar);
    // The agreement is a figure to report, not a bar to pass.
    std::string figure = std::to_string(same) + " of " + std::to_string(lunar) + " on the day;";
    for (const auto& [offset, count] : offsets) {
        figure += " " + std::to_string(offset) + ": " + std::to_string(count);
    }
    RecordProperty("agreement", figure);
    std::cout << "estimated lunar holidays against the confirmed ones: " << figure << "\n";
}

}  // namespace
}  // namespace tarvand
