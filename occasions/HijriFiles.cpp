#include "HijriFiles.h"

#include "DataFiles.h"
#include "DateReading.h"
#include "Quote.h"

namespace tarvand {

std::optional<std::string> ReadHijriLine(std::string_view line, HijriCalendar& calendar) {
    line = TrimBlanks(line.substr(0, line.find('#')));
    if (line.starts_with('*')) {
        line.remove_prefix(1);
    }
    const auto blank = line.find_first_of(" \t");
    const auto slash = line.find('/');
    if (blank == std::string_view::npos || slash == std::string_view::npos || slash > blank) {
        return "expected YEAR/MONTH YYYY-MM-DD, as in 1448/1 2026-06-16";
    }
    const auto year = ReadNumber(line.substr(0, slash));
    const auto month = ReadNumber(line.substr(slash + 1, blank - slash - 1));
    if (!year || !month) {
        return "expected a Hijri year and month, as in 1448/1, not " + Quote(line.substr(0, blank));
    }
    // Any real day: the months held reach a little past the days the Solar calendar converts.
    const std::string_view date = TrimBlanks(line.substr(blank));
    const auto written = ParseIsoDate(date);
    if (!written) {
        return "invalid date " + Quote(date) + " (expected YYYY-MM-DD)";
    }
    DateValue first = 0;
    if (auto problem = CheckGregorianDate(date, *written, first)) {
        return problem;
    }
    return calendar.Correct(*year, *month, first);
}

HijriCalendar ReadHijriCalendar(const std::string& folder, const std::string& userFile,
                                std::vector<std::string>& messages) {
    HijriCalendar calendar;
    std::vector<std::string> paths = DataFilesIn(folder, messages);
    paths.push_back(userFile);
    for (const std::string& path : paths) {
        ReadDataLines(path, messages,
                      [&](std::string_view line) { return ReadHijriLine(line, calendar); });
    }
    return calendar;
}

}  // namespace tarvand
