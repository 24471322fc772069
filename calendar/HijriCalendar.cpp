#include "HijriCalendar.h"

#include <algorithm>
#include <iterator>

#include "calendar/HijriMonthData.h"  // generated

namespace tarvand {

namespace {

constexpr int ShortestMonth = 29, LongestMonth = 30;

// How far a month file's start may lie from the one expected (the record joined to the
// prediction): since 1300 AH every month on record began at most a day from its prediction. This
// keeps every day of the Solar calendar's range within the months held, which reach months past
// it on both sides.
constexpr std::int32_t MostFromExpected = 2;

constexpr std::int32_t DayOf(int year, int month, int day) {
    using namespace std::chrono;
    return static_cast<std::int32_t>(
        (sys_days{std::chrono::year{year} / static_cast<unsigned>(month) /
                  static_cast<unsigned>(day)} -
         DateValueEpoch)
            .count());
}

// The first Hijri year held, and the months held with one more for the end of the last.
constexpr int FirstHeldYear = HijriPrediction[0].year;
constexpr std::size_t MonthCount = std::size(HijriPrediction) * 12 + 1;

// Where the record lies among the months held.
constexpr std::size_t RecordFirst =
    static_cast<std::size_t>((HijriRecord[0].year - FirstHeldYear) * 12 + HijriRecord[0].month - 1);
constexpr std::size_t RecordEnd = RecordFirst + std::size(HijriRecord);

// Each month's start as the crescent predicts it alone.
constexpr std::array<std::int32_t, MonthCount> Sky = [] {
    std::array<std::int32_t, MonthCount> sky{};
    std::size_t at = 0;
    std::int32_t start = 0;
    for (const PredictedHijriYear& year : HijriPrediction) {
        start = DayOf(year.gregorianYear, year.gregorianMonth, year.gregorianDay);
        for (const int length : year.lengths) {
            sky[at++] = start;
            start += length;
        }
    }
    sky[at] = start;
    return sky;
}();

// Takes the month starts, which months are known, and the sky; joins the predicted months to the
// known ones: backward from the first known, then forward, each month of 29 or 30 days and within
// reach of the next known one.
template <typename Starts, typename IsKnown>
constexpr void Join(Starts& starts, IsKnown known) {
    const std::size_t count = starts.size();
    std::size_t firstKnown = 0;
    while (firstKnown < count && !known(firstKnown)) {
        ++firstKnown;
    }
    if (firstKnown == count) {
        return;
    }
    for (std::size_t i = firstKnown; i-- > 0;) {
        starts[i] = std::clamp(Sky[i], starts[i + 1] - LongestMonth, starts[i + 1] - ShortestMonth);
    }
    std::size_t nextKnown = firstKnown;
    for (std::size_t i = firstKnown + 1; i < count; ++i) {
        if (nextKnown < i) {
            nextKnown = i;
            while (nextKnown < count && !known(nextKnown)) {
                ++nextKnown;
            }
        }
        if (known(i)) {
            continue;
        }
        std::int32_t low = starts[i - 1] + ShortestMonth, high = starts[i - 1] + LongestMonth;
        if (nextKnown < count) {
            const auto between = static_cast<std::int32_t>(nextKnown - i);
            low = std::max(low, starts[nextKnown] - between * LongestMonth);
            high = std::min(high, starts[nextKnown] - between * ShortestMonth);
        }
        starts[i] = std::clamp(Sky[i], low, std::max(low, high));
    }
}

// The record with the prediction joined to it.
constexpr std::array<std::int32_t, MonthCount> BuiltIn = [] {
    std::array<std::int32_t, MonthCount> starts = Sky;
    for (std::size_t i = 0; i < std::size(HijriRecord); ++i) {
        const RecordedHijriMonth& month = HijriRecord[i];
        starts[RecordFirst + i] =
            DayOf(month.gregorianYear, month.gregorianMonth, month.gregorianDay);
    }
    Join(starts, [](std::size_t i) { return i >= RecordFirst && i < RecordEnd; });
    return starts;
}();

}  // namespace

const std::int32_t* HijriCalendar::Starts() const {
    return starts_.empty() ? BuiltIn.data() : starts_.data();
}

std::size_t HijriCalendar::Count() const { return MonthCount; }

bool HijriCalendar::Known(std::size_t index) const {
    return known_.empty() ? index >= RecordFirst && index < RecordEnd : known_[index];
}

int HijriCalendar::FirstYear() const { return FirstHeldYear; }

int HijriCalendar::LastYear() const {
    return FirstHeldYear + static_cast<int>(MonthCount / 12) - 1;
}

std::optional<std::size_t> HijriCalendar::Index(int year, int month) const {
    const long index = (static_cast<long>(year) - FirstHeldYear) * 12 + month - 1;
    if (month < 1 || month > 12 || index < 0 || index + 1 >= static_cast<long>(Count())) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

std::optional<HijriCorrectionProblem> HijriCalendar::MakeKnown(const HijriMonthStart& start) {
    HijriCorrectionProblem problem{.year = start.year, .month = start.month};
    const auto at = Index(start.year, start.month);
    if (!at) {
        return problem;
    }
    const auto day = static_cast<std::int32_t>(start.first);
    if (std::abs(day - BuiltIn[*at]) > MostFromExpected &&
        std::abs(day - Sky[*at]) > MostFromExpected) {
        problem.kind = HijriCorrectionProblem::Kind::FarFromExpected;
        problem.expected = BuiltIn[*at];
        problem.given = day;
        return problem;
    }
    // The nearest known months on either side, which this one must stay within reach of.
    const std::int32_t* starts = Starts();
    for (const int direction : {-1, 1}) {
        const std::optional<std::size_t> other = NearestKnown(*at, direction);
        if (!other) {
            continue;
        }
        const auto months =
            static_cast<std::int32_t>(std::abs(static_cast<long>(*other) - static_cast<long>(*at)));
        const std::int32_t apart = direction < 0 ? day - starts[*other] : starts[*other] - day;
        if (apart >= months * ShortestMonth && apart <= months * LongestMonth) {
            continue;
        }
        const std::size_t before = direction < 0 ? *other : *at;
        problem.kind = HijriCorrectionProblem::Kind::WrongLength;
        problem.year = FirstHeldYear + static_cast<int>(before / 12);
        problem.month = static_cast<int>(before % 12) + 1;
        problem.months = months;
        problem.days = apart;
        return problem;
    }
    if (starts_.empty()) {  // the first correction: this calendar's own lists from now on
        starts_.assign(BuiltIn.begin(), BuiltIn.end());
        known_.resize(Count());
        for (std::size_t i = RecordFirst; i < RecordEnd; ++i) {
            known_[i] = true;
        }
    }
    starts_[*at] = day;
    known_[*at] = true;
    corrected_.insert(*at);
    return std::nullopt;
}

std::optional<std::size_t> HijriCalendar::NearestKnown(std::size_t index, int direction) const {
    // The record's months, known as one run, and the corrections beside them, kept in order.
    std::optional<std::size_t> nearest;
    if (direction < 0) {
        if (index > RecordFirst) {
            nearest = std::min(index - 1, RecordEnd - 1);
        }
        if (auto after = corrected_.lower_bound(index); after != corrected_.begin()) {
            nearest = std::max(nearest.value_or(0), *std::prev(after));
        }
    } else {
        if (index + 1 < RecordEnd) {
            nearest = std::max(index + 1, RecordFirst);
        }
        if (auto after = corrected_.upper_bound(index); after != corrected_.end()) {
            nearest = std::min(nearest.value_or(*after), *after);
        }
    }
    return nearest;
}

std::vector<std::pair<std::size_t, HijriCorrectionProblem>> HijriCalendar::Correct(
    const std::vector<HijriMonthStart>& starts) {
    std::vector<std::pair<std::size_t, HijriCorrectionProblem>> problems;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (auto problem = MakeKnown(starts[i])) {
            problems.emplace_back(i, *problem);
        }
    }
    if (!starts_.empty()) {
        Join(starts_, [this](std::size_t i) { return static_cast<bool>(known_[i]); });
    }
    return problems;
}

std::optional<HijriCorrectionProblem> HijriCalendar::Correct(int year, int month, DateValue first) {
    const auto problems = Correct({{.year = year, .month = month, .first = first}});
    return problems.empty() ? std::nullopt : std::optional(problems.front().second);
}

std::optional<HijriDate> HijriCalendar::ToHijri(DateValue value) const {
    const auto day = static_cast<std::int32_t>((ToDays(value) - DateValueEpoch).count());
    const std::int32_t* starts = Starts();
    if (day < starts[0] || day >= starts[Count() - 1]) {
        return std::nullopt;
    }
    const auto at =
        static_cast<std::size_t>(std::upper_bound(starts, starts + Count(), day) - starts - 1);
    HijriDate date{.year = FirstHeldYear + static_cast<int>(at / 12),
                   .month = static_cast<int>(at % 12) + 1,
                   .day = static_cast<int>(day - starts[at]) + 1,
                   .predicted = false};
    date.predicted = !Known(at) || (date.day > ShortestMonth && !Known(at + 1));
    return date;
}

std::optional<DateValue> HijriCalendar::FromHijri(int year, int month, int day) const {
    const int length = MonthLength(year, month);
    if (length == 0 || day < 0 || day > length) {
        return std::nullopt;
    }
    return Starts()[*Index(year, month)] + (day == 0 ? length : day) - 1;
}

int HijriCalendar::MonthLength(int year, int month) const {
    const auto at = Index(year, month);
    return at ? static_cast<int>(Starts()[*at + 1] - Starts()[*at]) : 0;
}

bool HijriCalendar::LengthKnown(int year, int month) const {
    const auto at = Index(year, month);
    return at && Known(*at) && Known(*at + 1);
}

}  // namespace tarvand
