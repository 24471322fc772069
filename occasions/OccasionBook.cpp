#include "OccasionBook.h"

#include <algorithm>
#include <cstdlib>

#include "ConfirmedHolidays.h"
#include "DataFiles.h"
#include "DateReading.h"
#include "HijriFiles.h"
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
    files.systemDirectory = EnvironmentOr("TARVAND_HOLIDAYS_DIR", "/etc/tarvand/holidays.d");
    files.systemHijriDirectory = EnvironmentOr("TARVAND_HIJRI_DIR", "/etc/tarvand/hijri.d");
    const std::string base = ConfigHome();
    files.userHolidays = base + "/tarvand/holidays";
    files.userEvents = base + "/tarvand/events";
    files.userHijri = base + "/tarvand/hijri";
    return files;
}

namespace {

// Takes a first and a last day; returns the special holidays (declared once) of the confirmed list
// from the first to the last. Only the lines in that span are read: their dates, written
// YYYY-MM-DD, sort as text.
std::vector<Occasion> ConfirmedBetween(DateValue first, DateValue last) {
    std::vector<Occasion> holidays;
    if (last < FirstConfirmedDay() || first > LastConfirmedDay()) {
        return holidays;
    }
    const std::string from = IsoText(ToCivilDate(first)), to = IsoText(ToCivilDate(last));
    ForEachDataLine(ConfirmedHolidayLines, [&](long, std::string_view line) {
        const std::string_view date = line.substr(0, from.size());
        if (date < from || date > to) {
            return;
        }
        auto read = ReadHolidayLine(line);
        auto* holiday = std::get_if<Occasion>(&read);
        if (holiday != nullptr && holiday->kind == Occasion::Kind::Special) {
            holidays.push_back(std::move(*holiday));
        }
    });
    return holidays;
}

}  // namespace

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
