#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>

#include "ConfirmedHolidays.h"
#include "DateReading.h"
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
    // Each holiday from its first year: all of a leap year's today in 1358 (leap too) but
    // 14 Khordad, which came in 1368.
    const auto names = [](int year) {
        std::set<std::string> named;
        for (const Occasion& holiday : SolarHolidays(year)) named.insert(holiday.english);
        return named;
    };
    std::set<std::string> from1358 = names(1403);
    from1358.erase("Death of Imam Khomeini");
    EXPECT_EQ(from1358, names(1358));
    EXPECT_TRUE(names(1368).contains("Death of Imam Khomeini"));
    EXPECT_FALSE(names(1367).contains("Death of Imam Khomeini"));
}

// The holidays the list declares once are those of any span of it: each year, and a single day.
TEST(SpecialHolidays, AreTheConfirmedOnesOfAnySpan) {
    std::vector<std::string> messages;
    const OccasionBook book(OccasionFiles{}, messages);
    std::set<Entry> listed, found;
    for (const Occasion& holiday : ConfirmedList()) {
        if (holiday.kind == Occasion::Kind::Special) {
            listed.insert({holiday.day, holiday.english, holiday.persian});
            EXPECT_EQ(1u, book.Between(holiday.day, holiday.day, false).size()) << holiday.english;
        }
    }
    for (int year = 1379; year <= 1405; ++year) {
        for (const Occasion& holiday :
             book.Between(*FromSolarDate(year, 1, 1), *FromSolarDate(year + 1, 1, 1) - 1, false)) {
            if (holiday.kind == Occasion::Kind::Special) {
                found.insert({holiday.day, holiday.english, holiday.persian});
            }
        }
    }
    EXPECT_FALSE(listed.empty());
    EXPECT_EQ(listed, found);
}

TEST(LunarHolidays, FallOnTheirHijriDaysOfTheRecord) {
    const HijriCalendar hijri;
    std::set<std::pair<DateValue, std::string>> computed;
    for (const Occasion& holiday :
         LunarHolidays(hijri, FirstConfirmedDay() - 31, LastConfirmedDay() + 31)) {
        EXPECT_FALSE(holiday.estimated) << holiday.english << " " << holiday.day;
        computed.insert({holiday.day, holiday.english});
    }
    int lunar = 0, same = 0;
    for (const Occasion& holiday : ConfirmedList()) {
        if (holiday.kind == Occasion::Kind::Lunar) {
            ++lunar;
            const bool on = computed.contains({holiday.day, holiday.english});
            same += on ? 1 : 0;
            if (!on) {
                std::cout << "announced apart from its Hijri day: "
                          << IsoText(ToCivilDate(holiday.day)) << " " << holiday.english
                          << " (Hijri " << hijri.ToHijri(holiday.day)->year << "/"
                          << hijri.ToHijri(holiday.day)->month << "/"
                          << hijri.ToHijri(holiday.day)->day << ")\n";
            }
        }
    }
    EXPECT_EQ(436, lunar);
    std::cout << same << " of " << lunar << " announced lunar holidays on their Hijri days\n";
    EXPECT_GE(same, 430);
}

// A lunar holiday is sure where its day is: months on record stay so after a correction, and a
// month's last day is sure only once the next month's start is known too.
TEST(LunarHolidays, AreEstimatedWhereTheirDayIsNotKnown) {
    using namespace std::chrono;
    const auto on = [](const HijriCalendar& hijri, year_month_day day) {
        const auto holidays = LunarHolidays(hijri, ToDateValue(day), ToDateValue(day));
        return holidays.size() == 1 ? std::optional(holidays[0]) : std::nullopt;
    };
    HijriCalendar hijri, longSafar;
    ASSERT_FALSE(hijri.Correct(1448, 1, ToDateValue(2026y / June / 17)));
    ASSERT_FALSE(hijri.Correct(1448, 2, ToDateValue(2026y / July / 16)));
    EXPECT_FALSE(on(hijri, 2026y / March / 21)->estimated);  // Eid al-Fitr 1447, on record
    EXPECT_FALSE(on(hijri, 2026y / June / 26)->estimated);   // Ashura 1448
    // Safar 1448 known from its start, 29 days by the prediction: its last day is not sure.
    EXPECT_EQ("Martyrdom of Ali al-Rida", on(hijri, 2026y / August / 13)->english);
    EXPECT_TRUE(on(hijri, 2026y / August / 13)->estimated);
    // 30 days from a day earlier: its 30th day is predicted, and the holiday on it too.
    ASSERT_FALSE(longSafar.Correct(1448, 2, ToDateValue(2026y / July / 15)));
    EXPECT_EQ(30, longSafar.ToHijri(ToDateValue(2026y / August / 13))->day);
    EXPECT_TRUE(longSafar.ToHijri(ToDateValue(2026y / August / 13))->predicted);
    EXPECT_TRUE(on(longSafar, 2026y / August / 13)->estimated);
    ASSERT_FALSE(hijri.Correct(1448, 3, ToDateValue(2026y / August / 14)));
    EXPECT_FALSE(on(hijri, 2026y / August / 13)->estimated);
}

}  // namespace
}  // namespace tarvand
