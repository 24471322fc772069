#include "HijriCalendar.h"

#include <algorithm>

#include "calendar/HijriMonthData.h"  // generated

namespace tarvand {

namespace {

constexpr int ShortestMonth = 29, LongestMonth = 30;

std::int32_t DayOf(int year, int month, int day) {
    return static_cast<std::int32_t>(ToDateValue(
        std::chrono::year{year} / static_cast<unsigned>(month) / static_cast<unsigned>(day)));
}

}  // namespace

HijriCalendar::HijriCalendar() {
    firstYear_ = HijriPrediction[0].year;
    for (const PredictedHijriYear& year : HijriPrediction) {
        std::int32_t start = DayOf(year.gregorianYear, year.gregorianMonth, year.gregorianDay);
        for (const int length : year.lengths) {
            sky_.push_back(start);
            start += length;
        }
        if (&year == &std::end(HijriPrediction)[-1]) {
            sky_.push_back(start);
        }
    }
    starts_ = sky_;
    known_.assign(sky_.size(), false);
    for (const RecordedHijriMonth& month : HijriRecord) {
        const std::size_t at = *Index(month.year, month.month);
        starts_[at] = DayOf(month.gregorianYear, month.gregorianMonth, month.gregorianDay);
        known_[at] = true;
    }
    Rechain();
}

std::optional<std::size_t> HijriCalendar::Index(int year, int month) const {
    const long index = (static_cast<long>(year) - firstYear_) * 12 + month - 1;
    if (month < 1 || month > 12 || index < 0 || index + 1 >= static_cast<long>(starts_.size())) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

void HijriCalendar::Rechain() {
    const std::size_t count = starts_.size();
    const auto firstKnown =
        static_cast<std::size_t>(std::find(known_.begin(), known_.end(), true) - known_.begin());
    if (firstKnown == count) {
        return;
    }
    // Before the first known month, backward from it.
    for (std::size_t i = firstKnown; i-- > 0;) {
        starts_[i] =
            std::clamp(sky_[i], starts_[i + 1] - LongestMonth, starts_[i + 1] - ShortestMonth);
    }
    // After it, forward, each month also kept within reach of the next known one.
    std::size_t nextKnown = firstKnown;
    for (std::size_t i = firstKnown + 1; i < count; ++i) {
        if (nextKnown < i) {
            nextKnown = i;
            while (nextKnown < count && !known_[nextKnown]) {
                ++nextKnown;
            }
        }
        if (known_[i]) {
            continue;
        }
        std::int32_t low = starts_[i - 1] + ShortestMonth, high = starts_[i - 1] + LongestMonth;
        if (nextKnown < count) {
            const auto between = static_cast<std::int32_t>(nextKnown - i);
            low = std::max(low, starts_[nextKnown] - between * LongestMonth);
            high = std::min(high, starts_[nextKnown] - between * ShortestMonth);
        }
        starts_[i] = std::clamp(sky_[i], low, std::max(low, high));
    }
}

std::optional<std::string> HijriCalendar::Correct(int year, int month, DateValue first) {
    const auto at = Index(year, month);
    if (!at) {
        return "there is no Hijri month " + std::to_string(year) + "/" + std::to_string(month) +
               " from " + std::to_string(FirstYear()) + " to " + std::to_string(LastYear());
    }
    const auto day = static_cast<std::int32_t>(first);
    // The nearest known months on either side, which this one must stay within reach of.
    for (const int direction : {-1, 1}) {
        for (auto i = static_cast<long>(*at) + direction;
             i >= 0 && i < static_cast<long>(known_.size()); i += direction) {
            const auto other = static_cast<std::size_t>(i);
            if (!known_[other]) {
                continue;
            }
            const auto months = static_cast<std::int32_t>(std::abs(i - static_cast<long>(*at)));
            const std::int32_t apart = direction < 0 ? day - starts_[other] : starts_[other] - day;
            if (apart >= months * ShortestMonth && apart <= months * LongestMonth) {
                break;
            }
            const std::size_t before = direction < 0 ? other : *at;
            const std::string name = std::to_string(firstYear_ + static_cast<int>(before / 12)) +
                                     "/" + std::to_string(before % 12 + 1);
            if (months == 1) {
                return "month " + name + " would be " + std::to_string(apart) +
                       " days long, not 29 or 30";
            }
            return std::to_string(months) + " months from " + name + " would be " +
                   std::to_string(apart) + " days long, not " + std::to_string(months * 29) +
                   " to " + std::to_string(months * 30);
        }
    }
    starts_[*at] = day;
    known_[*at] = true;
    Rechain();
    return std::nullopt;
}

std::optional<HijriDate> HijriCalendar::ToHijri(DateValue value) const {
    const auto day = static_cast<std::int32_t>(ToDays(value).time_since_epoch().count() -
                                               DateValueEpoch.time_since_epoch().count());
    if (day < starts_.front() || day >= starts_.back()) {
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), day) -
                                             starts_.begin() - 1);
    HijriDate date{.year = firstYear_ + static_cast<int>(at / 12),
                   .month = static_cast<int>(at % 12) + 1,
                   .day = static_cast<int>(day - starts_[at]) + 1,
                   .predicted = false};
    date.predicted = !known_[at] || (date.day > ShortestMonth && !known_[at + 1]);
    return date;
}

std::optional<DateValue> HijriCalendar::FromHijri(int year, int month, int day) const {
    const int length = MonthLength(year, month);
    if (length == 0 || day < 0 || day > length) {
        return std::nullopt;
    }
    return starts_[*Index(year, month)] + (day == 0 ? length : day) - 1;
}

int HijriCalendar::MonthLength(int year, int month) const {
    const auto at = Index(year, month);
    return at ? static_cast<int>(starts_[*at + 1] - starts_[*at]) : 0;
}

}  // namespace tarvand
