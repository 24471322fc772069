#include "OccasionLines.h"

#include <array>

#include "DateReading.h"
#include "DateText.h"
#include "Messages.h"
#include "Quote.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

// Takes a field of a line and the words it may hold; returns the word's place, or -1.
template <std::size_t N>
int WordIndex(std::string_view field, const std::array<std::string_view, N>& words) {
    for (std::size_t i = 0; i < N; ++i) {
        if (field == words[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

constexpr std::array<std::string_view, 3> Kinds{"solar", "lunar", "special"};
constexpr std::array<std::string_view, 2> Statuses{"confirmed", "estimated"};

}  // namespace

bool IsCommentOrBlank(std::string_view line) {
    line = TrimBlanks(line);
    return line.empty() || line.front() == '#';
}

std::variant<Occasion, std::string> ReadHolidayLine(std::string_view line) {
    std::array<std::string_view, 5> fields;
    std::size_t count = 0;
    // Tabs part the fields, so only blanks and a CR go from the ends of the line.
    const auto first = line.find_first_not_of(" \r");
    line = first == std::string_view::npos
               ? std::string_view{}
               : line.substr(first, line.find_last_not_of(" \r") + 1 - first);
    for (std::string_view rest = line; count < fields.size(); ++count) {
        const auto tab = rest.find('\t');
        fields[count] = TrimBlanks(rest.substr(0, tab));
        if (tab == std::string_view::npos) {
            ++count;
            break;
        }
        rest.remove_prefix(tab + 1);
        if (count + 1 == fields.size()) {
            return std::string(
                _("more than five fields (date, kind, status, English and Persian names, one "
                  "tab apart)"));
        }
    }
    if (count != fields.size()) {
        return std::string(
            _("expected five fields (date, kind, status, English and Persian names, one tab "
              "apart)"));
    }
    const auto written = ParseIsoDate(fields[0]);
    DateValue day = 0;
    if (!written) {
        return Format(_("invalid date %s (expected YYYY-MM-DD)"), Quote(fields[0]).c_str());
    }
    if (auto problem = CheckGregorianDate(fields[0], *written, day)) {
        return *problem;
    }
    if (!ToSolarFields(day)) {
        return Format(_("date %s%s"), Quote(fields[0]).c_str(), OutsideTheRange().c_str());
    }
    const int kind = WordIndex(fields[1], Kinds);
    if (kind < 0) {
        return Format(_("unknown kind %s (expected solar, lunar or special)"),
                      Quote(fields[1]).c_str());
    }
    const int status = WordIndex(fields[2], Statuses);
    if (status < 0) {
        return Format(_("unknown status %s (expected confirmed or estimated)"),
                      Quote(fields[2]).c_str());
    }
    if (fields[3].empty() && fields[4].empty()) {
        return std::string(_("no name"));
    }
    for (const std::string_view name : {fields[3], fields[4]}) {
        if (!IsPlainText(name)) {
            return Format(_("a control character or bytes that are not UTF-8 in the name %s"),
                          Quote(name).c_str());
        }
    }
    return Occasion{.day = day,
                    .kind = static_cast<Occasion::Kind>(kind),
                    .estimated = status == 1,
                    .english = std::string(fields[3]),
                    .persian = std::string(fields[4].empty() ? fields[3] : fields[4])};
}

std::variant<PersonalEvent, std::string> ReadEventLine(std::string_view line) {
    line = TrimBlanks(line);
    const auto blank = line.find_first_of(" \t\r\v\f");
    const std::string_view date = line.substr(0, blank);
    const std::string_view text =
        blank == std::string_view::npos ? std::string_view{} : TrimBlanks(line.substr(blank));
    PersonalEvent event{.year = 0, .month = 0, .day = 0, .text = std::string(text)};
    if (const auto full = ParseSolarDate(date)) {
        DateValue value = 0;
        if (auto problem = CheckSolarDate(date, *full, value)) {
            return *problem;
        }
        event.year = full->year;
        event.month = full->month;
        event.day = full->day;
    } else if (const auto yearly = ParseSolarDate("1000/" + std::string(date))) {
        event.month = yearly->month;
        event.day = yearly->day;
        if (event.month < 1 || event.month > 12) {
            return Format(_("invalid date %s: there is no month %d"), Quote(date).c_str(),
                          event.month);
        }
        // The longest each month can be: 31 days to Shahrivar, 30 after, 30 for Esfand in a
        // leap year.
        const int longest = event.month <= 6 ? 31 : 30;
        if (event.day < 1) {
            return Format(_("invalid date %s: there is no day %d"), Quote(date).c_str(), 0);
        }
        if (event.day > longest) {
            return Format(_("invalid date %s: %s has %d days"), Quote(date).c_str(),
                          MonthInMessages(MessageCalendar::Solar, event.month), longest);
        }
    } else {
        return Format(_("invalid date %s (expected MM/DD or YYYY/MM/DD, then the text)"),
                      Quote(date).c_str());
    }
    if (text.empty()) {
        return Format(_("no text after the date %s"), Quote(date).c_str());
    }
    if (!IsPlainText(text)) {
        return Format(_("a control character or bytes that are not UTF-8 in the text %s"),
                      Quote(text).c_str());
    }
    return event;
}

}  // namespace tarvand
