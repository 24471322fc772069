#include "HijriFiles.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "DataFiles.h"
#include "DateReading.h"
#include "Messages.h"
#include "Quote.h"

namespace tarvand {

std::variant<HijriMonthStart, std::string> ReadHijriLine(std::string_view line) {
    line = TrimBlanks(line.substr(0, line.find('#')));
    if (line.starts_with('*')) {
        line.remove_prefix(1);
    }
    const auto blank = line.find_first_of(" \t");
    const auto slash = line.find('/');
    if (blank == std::string_view::npos || slash == std::string_view::npos || slash > blank) {
        return std::string(_("expected YEAR/MONTH YYYY-MM-DD, as in 1448/1 2026-06-16"));
    }
    const auto year = ReadNumber(line.substr(0, slash));
    const auto month = ReadNumber(line.substr(slash + 1, blank - slash - 1));
    if (!year || !month) {
        return Format(_("expected a Hijri year and month, as in 1448/1, not %s"),
                      Quote(line.substr(0, blank)).c_str());
    }
    // Any real day: the months held reach a little past the days the Solar calendar converts.
    const std::string_view date = TrimBlanks(line.substr(blank));
    const auto written = ParseIsoDate(date);
    if (!written) {
        return Format(_("invalid date %s (expected YYYY-MM-DD)"), Quote(date).c_str());
    }
    DateValue first = 0;
    if (auto problem = CheckGregorianDate(date, *written, first)) {
        return *problem;
    }
    return HijriMonthStart{.year = *year, .month = *month, .first = first};
}

std::string HijriProblemText(const HijriCorrectionProblem& problem, const HijriCalendar& calendar) {
    using Kind = HijriCorrectionProblem::Kind;
    switch (problem.kind) {
        case Kind::NoSuchMonth:
            return Format(_("there is no Hijri month %d/%d from %d to %d"), problem.year,
                          problem.month, calendar.FirstYear(), calendar.LastYear());
        case Kind::FarFromExpected:
            return Format(_("month %d/%d is expected to begin on %s, not %s (two days either way "
                            "at the most)"),
                          problem.year, problem.month,
                          IsoText(ToCivilDate(problem.expected)).c_str(),
                          IsoText(ToCivilDate(problem.given)).c_str());
        case Kind::WrongLength:
            break;
    }
    if (problem.months == 1) {
        return Format(_("month %d/%d would be %d days long, not 29 or 30"), problem.year,
                      problem.month, problem.days);
    }
    return Format(_("%d months from %d/%d would be %d days long, not %d to %d"), problem.months,
                  problem.year, problem.month, problem.days, problem.months * 29,
                  problem.months * 30);
}

HijriCalendar ReadHijriCalendar(const std::string& folder, const std::string& userFile,
                                std::vector<std::string>& messages) {
    // Messages by their place among the files' messages and lines: a month start's own is known
    // only once all are taken. Kept small, for a file may hold some 20,000 lines.
    std::vector<std::pair<std::size_t, std::string>> said;
    struct Line {
        std::uint32_t file;
        std::uint32_t number;
        std::uint32_t order;  // its place among the messages
    };
    std::vector<HijriMonthStart> starts;
    std::vector<Line> lines;  // each start's
    std::vector<std::string> more;
    std::vector<std::string> paths = DataFilesIn(folder, more);
    paths.push_back(userFile);
    std::vector<std::string> names;  // each file's name before a line number
    std::size_t order = 0;
    for (const std::string& path : paths) {
        names.push_back(NameBeforeLine(path));
        const auto text = ReadDataFile(path, more);
        for (std::string& message : more) {
            said.emplace_back(order++, std::move(message));
        }
        more.clear();
        if (!text) {
            continue;
        }
        ForEachDataLine(*text, [&](long number, std::string_view line) {
            auto read = ReadHijriLine(line);
            if (auto* problem = std::get_if<std::string>(&read)) {
                said.emplace_back(order++,
                                  FileLine(names.back(), number) + ": " + *problem);
                return;
            }
            starts.push_back(std::get<HijriMonthStart>(read));
            lines.push_back({.file = static_cast<std::uint32_t>(names.size() - 1),
                             .number = static_cast<std::uint32_t>(number),
                             .order = static_cast<std::uint32_t>(order++)});
        });
    }
    const auto place = [&](std::size_t i) {  // FILE:LINE of a start
        return FileLine(names[lines[i].file], lines[i].number);
    };
    HijriCalendar calendar;
    const auto refused = calendar.Correct(starts);
    auto next = refused.begin();
    // The start of each month that counts, by the month's place among those held.
    std::vector<std::int32_t> taken(
        starts.empty()
            ? 0
            : static_cast<std::size_t>(calendar.LastYear() - calendar.FirstYear() + 1) * 12,
        -1);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (next != refused.end() && next->first == i) {
            said.emplace_back(lines[i].order,
                              place(i) + ": " + HijriProblemText(next->second, calendar));
            ++next;
            continue;
        }
        const HijriMonthStart& start = starts[i];
        auto& earlier = taken[static_cast<std::size_t>((start.year - calendar.FirstYear()) * 12 +
                                                       start.month - 1)];
        if (earlier >= 0 && starts[static_cast<std::size_t>(earlier)].first != start.first) {
            said.emplace_back(
                lines[i].order,
                place(i) + ": " +
                    Format(_("month %d/%d began on %s at %s; this line's %s counts instead"),
                           start.year, start.month,
                           IsoText(ToCivilDate(starts[static_cast<std::size_t>(earlier)].first))
                               .c_str(),
                           place(static_cast<std::size_t>(earlier)).c_str(),
                           IsoText(ToCivilDate(start.first)).c_str()));
        }
        earlier = static_cast<std::int32_t>(i);
    }
    std::stable_sort(said.begin(), said.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [at, message] : said) {
        messages.push_back(std::move(message));
    }
    return calendar;
}

}  // namespace tarvand
