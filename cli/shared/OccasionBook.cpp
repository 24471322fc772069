#include "OccasionBook.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "ConfirmedHolidays.h"
#include "DateReading.h"
#include "Quote.h"
#include "calendar/LunarHolidays.h"
#include "calendar/SolarHolidays.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

using namespace std::chrono;

namespace {

// How far a correction may move an estimated lunar holiday: sighting moves it a day or two.
constexpr DateValue CorrectionReach = 3;

// Takes holidays and an estimated one; returns true when one of them is the same holiday (by its
// English name) within CorrectionReach days, which the estimate then gives way to.
bool SameHolidayNear(const std::vector<Occasion>& holidays, const Occasion& estimate) {
    return std::any_of(holidays.begin(), holidays.end(), [&](const Occasion& holiday) {
        return holiday.english == estimate.english &&
               std::abs(holiday.day - estimate.day) <= CorrectionReach;
    });
}

// Takes text and a function of a line's number and text; calls it for each line to read (not
// blank, not a comment), a byte order mark at the start dropped.
template <typename Read>
void ForEachLine(std::string_view text, Read read) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    long number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!IsCommentOrBlank(line)) {
            read(number, line);
        }
    }
}

// Takes a path; returns the file's text, nothing when it does not exist, and adds a message when
// it exists but cannot be read.
std::optional<std::string> ReadFile(const std::string& path, std::vector<std::string>& messages) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (errno != ENOENT) {
            messages.push_back("cannot read " + QuoteName(path) + ": " + std::strerror(errno));
        }
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        messages.push_back("cannot read " + QuoteName(path) + ": " + std::strerror(errno));
        return std::nullopt;
    }
    return text;
}

// Takes a path, the holidays read so far and the messages; reads the file's holidays.
void ReadHolidayFile(const std::string& path, std::vector<Occasion>& holidays,
                     std::vector<std::string>& messages) {
    const auto text = ReadFile(path, messages);
    if (!text) {
        return;
    }
    ForEachLine(*text, [&](long number, std::string_view line) {
        auto read = ReadHolidayLine(line);
        if (auto* holiday = std::get_if<Occasion>(&read)) {
            holidays.push_back(std::move(*holiday));
        } else {
            messages.push_back(NameBeforeLine(path) + ":" + std::to_string(number) + ": " +
                               std::get<std::string>(read));
        }
    });
}

// Takes a day; returns its Solar year.
int SolarYearOf(DateValue day) { return ToSolarFields(day)->year; }

// Takes a personal event, a first and last day; adds its days between them to the occasions.
void AddEvent(const PersonalEvent& event, DateValue first, DateValue last,
              std::vector<Occasion>& occasions) {
    for (int year = SolarYearOf(first); year <= SolarYearOf(last); ++year) {
        if (event.year != 0 && event.year != year) {
            continue;
        }
        // 30 Esfand, every year: 29 Esfand in common years.
        const auto day = FromSolarDate(year, event.month,
                                       std::min(event.day, SolarMonthLength(year, event.month)));
        if (day && *day >= first && *day <= last) {
            occasions.push_back({.day = *day,
                                 .kind = Occasion::Kind::Event,
                                 .estimated = false,
                                 .english = {},
                                 .persian = event.text});
        }
    }
}

}  // namespace

DateValue FirstConfirmedDay() { return ToDateValue(2001y / January / 1); }
DateValue LastConfirmedDay() { return ToDateValue(2025y / December / 31); }

OccasionFiles OccasionFiles::FromEnvironment() {
    OccasionFiles files;
    const char* system = std::getenv("TARVAND_HOLIDAYS_DIR");
    files.systemDirectory =
        system != nullptr && *system != '\0' ? system : "/etc/tarvand/holidays.d";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    // As the XDG base directories have it, a relative XDG_CONFIG_HOME is ignored.
    const std::string base = config != nullptr && config[0] == '/'
                                 ? std::string(config)
                                 : std::string(home != nullptr ? home : "") + "/.config";
    files.userHolidays = base + "/tarvand/holidays";
    files.userEvents = base + "/tarvand/events";
    return files;
}

namespace {

// Takes a first and a last day; returns the lunar and special holidays of the confirmed list from
// the first to the last. Only the lines in that span are read: their dates, written YYYY-MM-DD,
// sort as text.
std::vector<Occasion> ConfirmedBetween(DateValue first, DateValue last) {
    std::vector<Occasion> holidays;
    if (last < FirstConfirmedDay() || first > LastConfirmedDay()) {
        return holidays;
    }
    const std::string from = IsoText(ToCivilDate(first)), to = IsoText(ToCivilDate(last));
    ForEachLine(ConfirmedHolidayLines, [&](long, std::string_view line) {
        const std::string_view date = line.substr(0, from.size());
        if (date < from || date > to) {
            return;
        }
        auto read = ReadHolidayLine(line);
        auto* holiday = std::get_if<Occasion>(&read);
        if (holiday != nullptr && holiday->kind != Occasion::Kind::Solar) {
            holidays.push_back(std::move(*holiday));
        }
    });
    return holidays;
}

}  // namespace

OccasionBook::OccasionBook(const OccasionFiles& files, std::vector<std::string>& messages) {
    std::error_code error;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(files.systemDirectory, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with('.') && !name.ends_with('~') && entry.is_regular_file(error)) {
            paths.push_back(entry.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    paths.push_back(files.userHolidays);
    for (const std::string& path : paths) {
        ReadHolidayFile(path, corrections_, messages);
    }
    if (const auto text = ReadFile(files.userEvents, messages)) {
        ForEachLine(*text, [&](long number, std::string_view line) {
            auto read = ReadEventLine(line);
            if (auto* event = std::get_if<PersonalEvent>(&read)) {
                events_.push_back(std::move(*event));
            } else {
                messages.push_back(NameBeforeLine(files.userEvents) + ":" + std::to_string(number) +
                                   ": " + std::get<std::string>(read));
            }
        });
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
    // Near the list's ends, what it holds just outside the days asked for.
    const std::vector<Occasion> confirmed =
        ConfirmedBetween(first - CorrectionReach, last + CorrectionReach);
    for (const Occasion& holiday : confirmed) {
        if (holiday.day >= first && holiday.day <= last) {
            holidays.push_back(holiday);
        }
    }
    for (Occasion& estimate : EstimatedLunarHolidays(first, last)) {
        const bool announced =
            estimate.day >= FirstConfirmedDay() && estimate.day <= LastConfirmedDay();
        if (!announced && !SameHolidayNear(confirmed, estimate)) {
            holidays.push_back(std::move(estimate));
        }
    }
    // The corrections: each replaces what is known on its day, and moves an estimate.
    std::set<DateValue> corrected;
    for (const Occasion& correction : corrections_) {
        corrected.insert(correction.day);
    }
    std::erase_if(holidays, [&](const Occasion& holiday) {
        return corrected.contains(holiday.day) ||
               (holiday.estimated && SameHolidayNear(corrections_, holiday));
    });
    for (const Occasion& correction : corrections_) {
        if (correction.day >= first && correction.day <= last) {
            holidays.push_back(correction);
        }
    }
    if (withEvents) {
        for (const PersonalEvent& event : events_) {
            AddEvent(event, first, last, holidays);
        }
    }
    std::stable_sort(holidays.begin(), holidays.end(), [](const Occasion& a, const Occasion& b) {
        return a.day != b.day ? a.day < b.day : IsHoliday(a) && !IsHoliday(b);
    });
    return holidays;
}

}  // namespace tarvand
