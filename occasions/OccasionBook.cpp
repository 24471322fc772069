#include "OccasionBook.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <set>

#include "ConfirmedHolidays.h"
#include "DataFiles.h"
#include "DateReading.h"
#include "HijriFiles.h"
#include "Quote.h"
#include "calendar/LunarHolidayList.h"
#include "calendar/LunarHolidays.h"
#include "calendar/SolarHolidays.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

using namespace std::chrono;

namespace {

// How far a correction may move an estimated lunar holiday: sighting moves it a day or two.
constexpr DateValue CorrectionReach = 3;

// Takes corrections and a holiday; returns true when one of them replaces it: the same holiday
// (by its English name, or its Persian one when neither has an English name) on its day, or
// within CorrectionReach days of it when it is estimated.
bool Replaced(const std::vector<Occasion>& corrections, const Occasion& holiday) {
    return std::any_of(corrections.begin(), corrections.end(), [&](const Occasion& correction) {
        const bool same = correction.english.empty() && holiday.english.empty()
                              ? correction.persian == holiday.persian
                              : correction.english == holiday.english;
        const DateValue apart = std::abs(correction.day - holiday.day);
        return same && (apart == 0 || (holiday.estimated && apart <= CorrectionReach));
    });
}

// Takes what reading a line gave and where to keep it; keeps it, or returns what is wrong.
template <typename Read>
std::optional<std::string> Keep(std::variant<Read, std::string> read, std::vector<Read>& into) {
    if (auto* problem = std::get_if<std::string>(&read)) {
        return std::move(*problem);
    }
    into.push_back(std::get<Read>(std::move(read)));
    return std::nullopt;
}

// Takes the name of an environment variable and a path; returns the variable's value, or the path
// where it is unset or empty.
std::string EnvironmentOr(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : otherwise;
}

// Takes a day; returns its Solar year.
int SolarYearOf(DateValue day) { return ToSolarFields(day)->year; }

}  // namespace

DateValue FirstConfirmedDay() { return ToDateValue(2001y / January / 1); }
DateValue LastConfirmedDay() { return ToDateValue(2025y / December / 31); }

OccasionFiles OccasionFiles::FromEnvironment() {
    OccasionFiles files;
    files.systemDirectory = EnvironmentOr("TARVAND_HOLIDAYS_DIR", "/etc/tarvand/holidays.d");
    files.systemHijriDirectory = EnvironmentOr("TARVAND_HIJRI_DIR", "/etc/tarvand/hijri.d");
    const std::string base = ConfigHome();
    files.userHolidays = base + "/tarvand/holidays";
    files.userEvents = base + "/tarvand/events";
    files.userHijri = base + "/tarvand/hijri";
    return files;
}

namespace {

// Takes a date as YYYY-MM-DD; returns where the first line of the confirmed list on that day or
// after it starts. The lines after the list's opening comments are sorted: a binary search finds
// it without going through them.
std::size_t ConfirmedLineFrom(std::string_view day) {
    const std::string_view text = ConfirmedHolidayLines;
    const auto after = [&](std::size_t at) {  // where the line after the one at `at` starts
        const std::size_t end = text.find('\n', at);
        return end == std::string_view::npos ? text.size() : end + 1;
    };
    std::size_t low = 0, high = text.size();
    while (low < high && (text[low] == '#' || text[low] == '\n')) {
        low = after(low);
    }
    while (low < high) {  // low and the line at high are the bounds, each a line's start
        const std::size_t middle = low + (high - low) / 2;
        const std::size_t previous =
            middle == 0 ? std::string_view::npos : text.rfind('\n', middle - 1);
        const std::size_t line =
            previous == std::string_view::npos || previous + 1 < low ? low : previous + 1;
        if (text.substr(line, day.size()) < day) {
            low = after(line);
        } else {
            high = line;
        }
    }
    return low;
}

// Takes a first and a last day; returns the special holidays (declared once) of the confirmed list
// from the first to the last. Only the lines of that span are read.
std::vector<Occasion> ConfirmedBetween(DateValue first, DateValue last) {
    std::vector<Occasion> holidays;
    if (last < FirstConfirmedDay() || first > LastConfirmedDay()) {
        return holidays;
    }
    const std::string to = IsoText(ToCivilDate(last));
    const std::string_view text = ConfirmedHolidayLines;
    for (std::size_t at = ConfirmedLineFrom(IsoText(ToCivilDate(first))); at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (line.substr(0, to.size()) > std::string_view(to)) {
            break;
        }
        auto read = ReadHolidayLine(line);
        auto* holiday = std::get_if<Occasion>(&read);
        if (holiday != nullptr && holiday->kind == Occasion::Kind::Special) {
            holidays.push_back(std::move(*holiday));
        }
        at = end + 1;
    }
    return holidays;
}

}  // namespace

bool IsOwnHolidayName(std::string_view english) {
    static const std::set<std::string, std::less<>> names = [] {
        std::set<std::string, std::less<>> own;
        for (const LunarHoliday& holiday : LunarHolidayList) {
            own.emplace(holiday.english);
        }
        for (const Occasion& holiday : SolarHolidays(LastSolarYear)) {
            own.insert(holiday.english);
        }
        ForEachDataLine(ConfirmedHolidayLines, [&](long, std::string_view line) {
            const auto read = ReadHolidayLine(line);
            if (const auto* holiday = std::get_if<Occasion>(&read)) {
                own.insert(holiday->english);
            }
        });
        return own;
    }();
    return names.contains(english);
}

OccasionBook::OccasionBook(const OccasionFiles& files, std::vector<std::string>& messages)
    : hijri_(ReadHijriCalendar(files.systemHijriDirectory, files.userHijri, messages)) {
    std::vector<std::string> paths = DataFilesIn(files.systemDirectory, messages);
    paths.push_back(files.userHolidays);
    for (const std::string& path : paths) {
        ReadDataLines(path, messages, [&](std::string_view line) {
            return Keep(ReadHolidayLine(line), corrections_);
        });
    }
    ReadDataLines(files.userEvents, messages,
                  [&](std::string_view line) { return Keep(ReadEventLine(line), events_); });
    eventsOn_.resize(12 * 31);
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const PersonalEvent& event = events_[i];
        eventsOn_[static_cast<std::size_t>((event.month - 1) * 31 + event.day - 1)].push_back(
            static_cast<std::uint32_t>(i));
    }
}

void OccasionBook::ForEachEventOn(DateValue day,
                                  const std::function<void(const std::string&)>& take) const {
    const SolarDate date = *ToSolarFields(day);
    const auto& on = eventsOn_[static_cast<std::size_t>((date.month - 1) * 31 + date.day - 1)];
    // 30 Esfand's events fall on 29 Esfand in common years.
    const bool lastOfShortEsfand =
        date.month == 12 && date.day == 29 && SolarMonthLength(date.year, 12) == 29;
    std::vector<std::uint32_t> merged;
    if (lastOfShortEsfand) {
        const auto& thirtieth = eventsOn_[12 * 31 - 2];
        std::merge(on.begin(), on.end(), thirtieth.begin(), thirtieth.end(),
                   std::back_inserter(merged));
    }
    for (const std::uint32_t i : lastOfShortEsfand ? merged : on) {
        const PersonalEvent& event = events_[i];
        if (event.year == 0 || event.year == date.year) {
            take(event.text);
        }
    }
}

std::vector<Occasion> OccasionBook::Between(DateValue first, DateValue last,
                                            bool withEvents) const {
    std::vector<Occasion> holidays;
    for (int year = SolarYearOf(first); year <= SolarYearOf(last); ++year) {
        for (Occasion& holiday : SolarHolidays(year)) {
            if (holiday.day >= first && holiday.day <= last) {
                holidays.push_back(std::move(holiday));
            }
        }
    }
    for (Occasion& holiday : LunarHolidays(hijri_, first, last)) {
        holidays.push_back(std::move(holiday));
    }
    for (Occasion& holiday : ConfirmedBetween(first, last)) {
        holidays.push_back(std::move(holiday));
    }
    // The corrections: each replaces the same holiday, on its day or an estimate nearby, or is
    // added beside the others.
    std::erase_if(holidays,
                  [&](const Occasion& holiday) { return Replaced(corrections_, holiday); });
    for (const Occasion& correction : corrections_) {
        if (correction.day >= first && correction.day <= last) {
            holidays.push_back(correction);
        }
    }
    std::stable_sort(holidays.begin(), holidays.end(),
                     [](const Occasion& a, const Occasion& b) { return a.day < b.day; });
    if (!withEvents || events_.empty()) {
        return holidays;
    }
    // Each day's holidays, then its events.
    const std::vector<Occasion> events = EventsBetween(first, last);
    std::vector<Occasion> occasions;
    occasions.reserve(holidays.size() + events.size());
    std::merge(std::make_move_iterator(holidays.begin()), std::make_move_iterator(holidays.end()),
               events.begin(), events.end(), std::back_inserter(occasions),
               [](const Occasion& a, const Occasion& b) { return a.day < b.day; });
    return occasions;
}

std::vector<Occasion> OccasionBook::EventsBetween(DateValue first, DateValue last) const {
    std::vector<Occasion> events;
    for (DateValue day = std::ceil(first); day <= last; ++day) {
        ForEachEventOn(day, [&](const std::string& text) {
            events.push_back({.day = day,
                              .kind = Occasion::Kind::Event,
                              .estimated = false,
                              .english = {},
                              .persian = text});
        });
    }
    return events;
}

}  // namespace tarvand
