#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/HijriCalendar.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

// A month start of one of the data files, read here apart from the build's own reading.
struct MonthStart {
    int year, month;
    DateValue first;
};

DateValue Day(const std::string& iso) {
    int y = 0;
    unsigned m = 0, d = 0;
    char dash = 0;
    std::istringstream(iso) >> y >> dash >> m >> dash >> d;
    return ToDateValue(year{y} / month{m} / day{d});
}

// Takes a data file of the calendar folder; returns its lines, comments and blank lines left out,
// a leading * (a month observed apart from the printed calendar) dropped.
std::vector<std::istringstream> DataLines(const std::string& name) {
    std::ifstream file(TARVAND_SOURCE_DIR "/calendar/" + name);
    std::vector<std::istringstream> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.emplace_back(line[0] == '*' ? line.substr(1) : line);
        }
    }
    return lines;
}

// The record: "YEAR/MONTH YYYY-MM-DD # source".
std::vector<MonthStart> Record() {
    std::vector<MonthStart> months;
    for (auto& in : DataLines("iran-hijri-months-1265-1447.txt")) {
        MonthStart start{};
        char slash = 0;
        std::string date;
        in >> start.year >> slash >> start.month >> date;
        start.first = Day(date);
        months.push_back(start);
    }
    return months;
}

// The prediction, one month a start: "YEAR YYYY-MM-DD L1 ... L12".
std::vector<MonthStart> Prediction() {
    std::vector<MonthStart> months;
    for (auto& in : DataLines("iran-hijri-months-predicted.txt")) {
        int year = 0;
        std::string date;
        in >> year >> date;
        DateValue first = Day(date);
        for (int month = 1, length = 0; month <= 12 && in >> length; ++month) {
            months.push_back({year, month, first});
            first += length;
        }
    }
    return months;
}

TEST(HijriCalendar, ReadsEveryMonthOfTheRecordBack) {
    const HijriCalendar hijri;
    const auto record = Record();
    ASSERT_EQ(2194u, record.size());
    for (std::size_t i = 0; i < record.size(); ++i) {
        const auto& [year, month, first] = record[i];
        const auto date = hijri.ToHijri(first);
        ASSERT_TRUE(date);
        EXPECT_EQ(year, date->year);
        EXPECT_EQ(month, date->month);
        EXPECT_EQ(1, date->day) << year << "/" << month;
        EXPECT_FALSE(date->predicted);
        EXPECT_EQ(first, hijri.FromHijri(year, month, 1));
        if (i > 0) {  // the day before is the last of the month before, 29 or 30
            const auto before = hijri.ToHijri(first - 1);
            const int length = static_cast<int>(first - record[i - 1].first);
            EXPECT_TRUE(length == 29 || length == 30) << year << "/" << month;
            EXPECT_EQ(length, before->day);
            EXPECT_EQ(record[i - 1].month, before->month);
            EXPECT_EQ(length, hijri.MonthLength(before->year, before->month));
            EXPECT_EQ(first - 1, hijri.FromHijri(before->year, before->month, 0));
        }
    }
}

TEST(HijriCalendar, CountsDayByDayOverTheWholeSolarRange) {
    const HijriCalendar hijri;
    auto previous = *hijri.ToHijri(FirstSolarValue() - 1);
    for (DateValue day = FirstSolarValue(); day <= LastSolarValue(); ++day) {
        const auto date = hijri.ToHijri(day);
        ASSERT_TRUE(date) << day;
        if (date->day == 1) {
            ASSERT_TRUE(previous.day == 29 || previous.day == 30) << day;
            ASSERT_EQ(previous.month % 12 + 1, date->month) << day;
            ASSERT_EQ(previous.year + (previous.month == 12 ? 1 : 0), date->year) << day;
        } else {
            ASSERT_EQ(previous.day + 1, date->day) << day;
        }
        ASSERT_EQ(day, hijri.FromHijri(date->year, date->month, date->day));
        previous = *date;
    }
    // The months held end on both sides on a day without a Hijri date.
    const DateValue first = *hijri.FromHijri(hijri.FirstYear(), 1, 1);
    const DateValue last = *hijri.FromHijri(hijri.LastYear(), 12, 0);
    EXPECT_FALSE(hijri.ToHijri(first - 1));
    EXPECT_EQ(hijri.FirstYear(), hijri.ToHijri(first)->year);
    EXPECT_EQ(hijri.MonthLength(hijri.LastYear(), 12), hijri.ToHijri(last)->day);
    EXPECT_FALSE(hijri.ToHijri(last + 1));
    EXPECT_FALSE(hijri.FromHijri(hijri.FirstYear() - 1, 12, 0));
    EXPECT_FALSE(hijri.FromHijri(hijri.LastYear() + 1, 1, 1));
    EXPECT_FALSE(hijri.FromHijri(1448, 13, 1));
    EXPECT_FALSE(hijri.FromHijri(1448, 1, 31));
}

TEST(HijriCalendar, MarksPredictedWhatTheRecordDoesNotHold) {
    const HijriCalendar hijri;
    // Shawwal 1447, the record's last month, began on 2026-03-21: its 29 days are sure.
    EXPECT_FALSE(hijri.ToHijri(ToDateValue(2026y / April / 18))->predicted);
    EXPECT_TRUE(hijri.ToHijri(ToDateValue(2026y / June / 25))->predicted);
    EXPECT_TRUE(hijri.ToHijri(ToDateValue(1848y / November / 27))->predicted);  // before 1265
    EXPECT_FALSE(hijri.ToHijri(ToDateValue(1848y / November / 28))->predicted);
    // Ashura 1448, as the official calendar of 1405 has it: 2026-06-25.
    EXPECT_EQ(ToDateValue(2026y / June / 25), hijri.FromHijri(1448, 1, 10));
}

// The prediction from the sky alone against the record: the first days of the Calendar Center's
// months (1423-1447) and of the newspapers' (1300-1422).
TEST(HijriCalendar, PredictsTheRecordedMonthStarts) {
    const auto prediction = Prediction();
    const int first = prediction.front().year;
    struct Span {
        int from, to;
        double floor;
    };
    for (const auto& [from, to, floor] : {Span{1423, 1447, 0.93}, Span{1300, 1422, 0.85}}) {
        int months = 0, exact = 0, far = 0;
        for (const auto& [year, month, recorded] : Record()) {
            if (year < from || year > to) {
                continue;
            }
            const auto predicted =
                prediction[static_cast<std::size_t>((year - first) * 12 + month - 1)];
            ASSERT_EQ(year, predicted.year);
            ++months;
            exact += predicted.first == recorded ? 1 : 0;
            far += std::abs(predicted.first - recorded) > 1 ? 1 : 0;
        }
        std::cout << from << "-" << to << ": " << exact << " of " << months
                  << " month starts predicted exactly, " << far << " more than a day off\n";
        EXPECT_GE(exact, floor * months) << from;
        EXPECT_EQ(0, far) << from;
    }
}

// Corrections as the month files make them: a month beside a known one must stay 29 or 30 days.
TEST(HijriCalendar, TakesCorrectionsThatKeepMonthsOf29Or30Days) {
    // Each refusal names its kind and the months and days it is about; the words are the
    // callers' (the commands' tests read them).
    using Kind = HijriCorrectionProblem::Kind;
    struct Case {
        int year, month;
        year_month_day first;
        std::optional<Kind> kind;  // none when taken
        int namedYear, namedMonth, months, days;
    };
    const Case cases[] = {
        {1447, 11, 2026y / April / 20, std::nullopt, 0, 0, 0, 0},
        {1447, 11, 2026y / April / 21, Kind::WrongLength, 1447, 10, 1, 31},
        {1447, 11, 2026y / April / 18, Kind::WrongLength, 1447, 10, 1, 28},
        {1448, 1, 2026y / June / 14, Kind::WrongLength, 1447, 10, 3, 85},
        {1448, 1, 2026y / June / 19, Kind::FarFromExpected, 1448, 1, 0, 0},
        {2500, 1, 3030y / January / 1, Kind::FarFromExpected, 2500, 1, 0, 0},
        {1448, 13, 2026y / June / 16, Kind::NoSuchMonth, 1448, 13, 0, 0},
        {1100, 1, 1688y / June / 16, Kind::NoSuchMonth, 1100, 1, 0, 0},
        {1446, 9, 2025y / March / 3, Kind::WrongLength, 1446, 8, 1, 31},
    };
    for (const auto& [year, month, first, kind, namedYear, namedMonth, months, days] : cases) {
        HijriCalendar hijri;
        const auto said = hijri.Correct(year, month, ToDateValue(first));
        ASSERT_EQ(kind.has_value(), said.has_value()) << year << "/" << month;
        if (!said) continue;
        EXPECT_EQ(*kind, said->kind) << year << "/" << month;
        EXPECT_EQ(namedYear * 12 + namedMonth, said->year * 12 + said->month)
            << year << "/" << month;
        EXPECT_EQ(months * 1000 + days, said->months * 1000 + said->days) << year << "/" << month;
        if (*kind == Kind::FarFromExpected) {  // the start expected, and the one given
            EXPECT_EQ(ToDateValue(first), said->given);
            EXPECT_EQ(*HijriCalendar().FromHijri(year, month, 1), said->expected);
        }
    }
    EXPECT_EQ(ToDateValue(2026y / June / 16),
              HijriCalendar().Correct(1448, 1, ToDateValue(2026y / June / 19))->expected);
    // Within two days of the record or of the prediction: Muharram 1265 began on 28 November 1848
    // by the record, the 27th by the prediction; the 30th is taken once the months after it have
    // moved a day, each in turn within reach of its neighbours.
    EXPECT_TRUE(HijriCalendar()
                    .Correct({{1265, 1, ToDateValue(1848y / November / 29)},
                              {1265, 3, ToDateValue(1849y / January / 27)},
                              {1265, 2, ToDateValue(1848y / December / 29)},
                              {1265, 1, ToDateValue(1848y / November / 30)}})
                    .empty());
    // Month files can move the first and last months held so little that every day of the Solar
    // calendar keeps its Hijri date.
    const HijriCalendar builtIn;
    HijriCalendar edges;
    EXPECT_FALSE(edges.Correct(1213, 1, *builtIn.FromHijri(1213, 1, 1) + 2));
    EXPECT_FALSE(edges.Correct(3092, 12, *builtIn.FromHijri(3092, 12, 1) - 2));
    EXPECT_TRUE(edges.ToHijri(FirstSolarValue()) && edges.ToHijri(LastSolarValue()));
    // A new year of official months, and the prediction after it joined to them.
    HijriCalendar hijri;
    EXPECT_FALSE(hijri.Correct(1447, 11, ToDateValue(2026y / April / 20)));
    EXPECT_FALSE(hijri.Correct(1448, 1, ToDateValue(2026y / June / 17)));
    EXPECT_FALSE(hijri.ToHijri(ToDateValue(2026y / June / 17))->predicted);
    EXPECT_EQ(ToDateValue(2026y / June / 26), hijri.FromHijri(1448, 1, 10));
    EXPECT_EQ(30, hijri.MonthLength(1447, 10));
    EXPECT_EQ(29, hijri.MonthLength(1447, 11));  // 58 days left for two months
    EXPECT_EQ(29, hijri.MonthLength(1447, 12));
    EXPECT_TRUE(hijri.ToHijri(ToDateValue(2026y / May / 20))->predicted);
}

}  // namespace
}  // namespace tarvand
