#include "AnyDateReading.h"

#include <cmath>
#include <vector>

#include "DateReading.h"
#include "DateText.h"
#include "Messages.h"
#include "MomentReading.h"
#include "MonthNames.h"
#include "Quote.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

std::string Forms() {
    return _(" (expected 1405/04/04, 2026-06-25, 1448/01/10 AH, 10 Muharram 1448 or 4 Tir 1405)");
}

// Takes text; returns its blank-apart words.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// Takes a found month (see FindMonthName) and the name as written; returns the message for an
// ambiguous one, or nothing.
std::optional<std::string> Ambiguous(const std::variant<int, std::vector<std::string_view>>& found,
                                     std::string_view written) {
    const auto* names = std::get_if<std::vector<std::string_view>>(&found);
    if (names == nullptr || names->empty()) {
        return std::nullopt;
    }
    return Format(_("ambiguous month %s: %s"), Quote(written).c_str(), ListedNames(*names).c_str());
}

}  // namespace

std::variant<DateValue, std::string> ReadAnyDate(std::string_view text,
                                                 const HijriCalendar& hijri) {
    const std::string ascii = AsciiDigits(TrimBlanks(text));
    DateValue value = 0;
    const auto result =
        [&](std::optional<std::string> problem) -> std::variant<DateValue, std::string> {
        if (problem) {
            return *problem;
        }
        return value;
    };
    if (const auto gregorian = ParseIsoDate(ascii)) {
        return result(ReadGregorianDate(ascii, value));
    }
    const std::vector<std::string_view> words = Words(ascii);
    // YYYY/MM/DD AH: Hijri; YYYY/MM/DD alone: Solar.
    if (!words.empty() && words.size() <= 2) {
        const auto numbers = ParseSolarDate(words[0]);
        const bool hijriMark = words.size() == 2 && FoldedName(words[1]) == "ah";
        if (numbers && hijriMark) {
            return result(CheckHijriDate(text, *numbers, hijri, value));
        }
        if (numbers && words.size() == 1) {
            return result(CheckSolarDate(text, *numbers, value));
        }
    }
    // DAY MONTH YEAR, the month's name of one word or more.
    if (words.size() >= 3) {
        const auto day = ReadNumber(words.front()), year = ReadNumber(words.back());
        const std::string_view name(
            words[1].data(),
            static_cast<std::size_t>(words[words.size() - 2].data() +
                                     words[words.size() - 2].size() - words[1].data()));
        if (day && year) {
            const auto solar = FindMonthName(name, NamedCalendar::Solar);
            if (const int* month = std::get_if<int>(&solar)) {
                return result(CheckSolarDate(text, {*year, *month, *day}, value));
            }
            const auto lunar = FindMonthName(name, NamedCalendar::Hijri);
            if (const int* month = std::get_if<int>(&lunar)) {
                return result(CheckHijriDate(text, {*year, *month, *day}, hijri, value));
            }
            if (auto problem = Ambiguous(solar, name)) {
                return *problem;
            }
            if (auto problem = Ambiguous(lunar, name)) {
                return *problem;
            }
            return Format(_("unknown month %s%s"), Quote(name).c_str(), Forms().c_str());
        }
    }
    return Format(_("cannot read %s%s"), Quote(text).c_str(), Forms().c_str());
}

std::variant<DayRead, std::string> ReadDayAsMeant(std::string_view text, const HijriCalendar& hijri,
                                                  const TimeZone& zone, Instant now) {
    const std::string ascii = AsciiDigits(TrimBlanks(text));
    DateValue solar = 0, gregorian = 0;
    // YYYY/MM/DD that is a Solar date and a Gregorian one within the range.
    if (const auto numbers = ParseSolarDate(ascii)) {
        if (!CheckSolarDate(text, *numbers, solar) &&
            !CheckGregorianDate(text, *numbers, gregorian) && gregorian >= FirstSolarValue() &&
            gregorian <= LastSolarValue()) {
            const std::string iso = IsoText(ToCivilDate(gregorian));
            return DayRead{solar, Format(_("read as the Solar date %s; for the Gregorian date, "
                                           "write %s"),
                                         ascii.c_str(), iso.c_str())};
        }
    }
    // YYYY-MM-DD of a year that is surely Solar.
    if (const auto numbers = ParseIsoDate(ascii); numbers && numbers->year >= FirstSolarYear &&
                                                  numbers->year <= 1500 &&
                                                  !CheckSolarDate(text, *numbers, solar)) {
        const std::string written = FormatSolarDate(*ToSolarFields(solar), "%Y/%m/%d");
        return DayRead{solar, Format(_("read as the Solar date %s, since Gregorian dates begin in "
                                       "1799; Solar dates are written %s"),
                                     written.c_str(), written.c_str())};
    }
    auto read = ReadAnyDate(text, hijri);
    if (const auto* day = std::get_if<DateValue>(&read)) {
        return DayRead{*day, {}};
    }
    // Whatever tarvand-date -d reads, with plain dates Solar.
    const auto moment = ReadMoment(text, DateCalendar::Solar, now, zone,
                                   [&hijri]() -> const HijriCalendar& { return hijri; });
    if (const auto* read_ = std::get_if<Moment>(&moment)) {
        const std::optional<DateValue> day =
            read_->dateOnly ? read_->dateOnly : ConvertibleDay(zone.ToWall(read_->instant));
        if (day) {
            return DayRead{std::floor(*day), {}};
        }
    }
    return std::get<std::string>(read);
}

}  // namespace tarvand
