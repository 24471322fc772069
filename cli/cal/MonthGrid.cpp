#include "MonthGrid.h"

#include <string>

#include "CalNames.h"
#include "calendar/DateValue.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

// Escapes that switch the marked day's reverse video and Friday's red on and off.
constexpr std::string_view MarkOn = "\x1B[7m", MarkOff = "\x1B[27m";
constexpr std::string_view FridayOn = "\x1B[31m", FridayOff = "\x1B[39m";
// And an estimated holiday's underline.
constexpr std::string_view EstimatedOn = "\x1B[4m", EstimatedOff = "\x1B[24m";

// Takes a day count; returns its column, 0 for Saturday up to 6 for Friday.
int Column(std::int64_t days) { return Weekday(SolarEpoch + static_cast<double>(days)) % 7; }

// Takes a name and the style; returns it as the line holds it: a Persian name followed by a mark,
// so that a terminal that reorders right-to-left text keeps it in its column.
std::string Name(std::string_view name, const GridStyle& style) {
    return style.persian ? std::string(name) + std::string(LeftToRightMark) : std::string(name);
}

// Takes a Gregorian month (1 to 12) and the style; returns its name.
std::string_view GregorianName(unsigned month, const GridStyle& style) {
    return (style.persian ? PersianGregorianMonths : LatinGregorianMonths)[month - 1];
}

}  // namespace

std::string Digits(std::int64_t number, const GridStyle& style) {
    std::string digits = std::to_string(number);
    if (style.persian) {
        MakePersian(digits);
    }
    return digits;
}

void TextLine::Add(std::string_view more, int columns) {
    text += more;
    width += columns;
}

void TextLine::Add(std::string_view more) { Add(more, DisplayWidth(more)); }

void TextLine::Pad(int columns) {
    if (columns > 0) {
        Add(std::string(static_cast<std::size_t>(columns), ' '), columns);
    }
}

std::string_view MonthName(int month, const GridStyle& style) {
    const auto& names = style.afghan ? (style.persian ? AfghanMonthNames : LatinAfghanMonthNames)
                                     : (style.persian ? PersianMonthNames : LatinMonthNames);
    return names[static_cast<std::size_t>(month - 1)];
}

MonthHeading MonthHeader(int year, int month, const GridStyle& style, const HijriCalendar& hijri) {
    // Each part is one phrase, which a terminal that reorders right-to-left text shows as Persian
    // is read; a mark after it keeps it from the month beside it.
    const std::string end = style.persian ? std::string(LeftToRightMark) : "";
    TextLine title;
    title.Add(std::string(MonthName(month, style)) +
              (style.yearInTitle ? " " + Digits(year, style) : "") + end);
    const std::int64_t first = *SolarDateToDays(year, month, 1);
    const auto from = ToCivilDate(SolarEpoch + static_cast<double>(first));
    const auto to =
        ToCivilDate(SolarEpoch + static_cast<double>(first + SolarMonthLength(year, month) - 1));
    TextLine span;
    span.Add(std::string(GregorianName(static_cast<unsigned>(from.month()), style)) +
             (from.year() != to.year() ? " " + Digits(int{from.year()}, style) : "") +
             std::string(style.Dash()) +
             std::string(GregorianName(static_cast<unsigned>(to.month()), style)) + " " +
             Digits(int{to.year()}, style) + end);
    // The Hijri months, in short forms: a Solar month can touch three of them.
    const auto& names = style.persian ? ShortHijriMonthNames : ShortLatinHijriMonthNames;
    const auto hijriFrom = hijri.ToHijri(SolarEpoch + static_cast<double>(first));
    const auto hijriTo =
        hijri.ToHijri(SolarEpoch + static_cast<double>(first + SolarMonthLength(year, month) - 1));
    TextLine lunar;
    if (hijriFrom && hijriTo) {
        const auto name = [&](int m) {
            return std::string(names[static_cast<std::size_t>(m - 1)]);
        };
        const bool one = hijriFrom->month == hijriTo->month && hijriFrom->year == hijriTo->year;
        const std::string last = name(hijriTo->month) + " " + Digits(hijriTo->year, style) + end;
        const std::string firstYear =
            hijriFrom->year != hijriTo->year ? " " + Digits(hijriFrom->year, style) : "";
        // Rarely (Dhu al-Qa'dah to Muharram, in Persian) both years pass the grid's 20 columns;
        // then the first goes, since the months run in order.
        const std::string dash(style.Dash());
        const std::string full = name(hijriFrom->month) + firstYear + dash + last;
        lunar.Add(one                        ? last
                  : DisplayWidth(full) <= 20 ? full
                                             : name(hijriFrom->month) + dash + last);
    }
    return {title, span, lunar};
}

int GridWidth(const GridStyle& style) {
    return 7 * (style.julian ? 4 : 3) - 1 + (style.weekNumbers ? 3 : 0);
}

int WeekOfYear(int year, std::int64_t days) {
    const std::int64_t start = SolarYearStart(year);
    return static_cast<int>((days - start + Column(start)) / 7) + 1;
}

std::vector<TextLine> MonthRows(int year, int month, std::optional<MarkedDays> marked,
                                const GridStyle& style, const HolidayDays& holidays) {
    const int cell = style.julian ? 3 : 2;
    std::vector<TextLine> rows(7);
    if (style.weekNumbers) {
        rows[0].Pad(3);
    }
    const auto& weekdays = style.persian ? PersianWeekdays : LatinWeekdays;
    for (std::size_t column = 0; column < 7; ++column) {
        rows[0].Pad((column > 0 ? 1 : 0) + cell - DisplayWidth(weekdays[column]));
        rows[0].Add(Name(weekdays[column], style));
    }
    const std::int64_t first = *SolarDateToDays(year, month, 1);
    const int length = SolarMonthLength(year, month);
    const std::int64_t yearStart = SolarYearStart(year);
    std::size_t row = 1;
    int column = Column(first);
    for (int day = 1; day <= length; ++day) {
        const std::int64_t days = first + day - 1;
        TextLine& line = rows[row];
        if (line.width == 0 && style.weekNumbers) {
            const std::string week = Digits(WeekOfYear(year, days), style);
            line.Pad(2 - DisplayWidth(week));
            line.Add(week);
            line.Pad(1);
        }
        const std::string number = Digits(style.julian ? days - yearStart + 1 : day, style);
        line.Pad((style.weekNumbers ? 3 : 0) + column * (cell + 1) + cell - DisplayWidth(number) -
                 line.width);
        std::string text = number;
        const auto holiday = holidays.find(days);
        if (style.colour && holiday != holidays.end() && holiday->second) {
            text = std::string(EstimatedOn) + text + std::string(EstimatedOff);
        }
        if (style.colour && (column == 6 || holiday != holidays.end())) {
            text = std::string(FridayOn) + text + std::string(FridayOff);
        }
        if (style.colour && marked && days >= marked->first && days <= marked->last) {
            text = std::string(MarkOn) + text + std::string(MarkOff);
        }
        line.Add(text, DisplayWidth(number));
        if (++column == 7) {
            column = 0;
            ++row;
        }
    }
    for (TextLine& line : rows) {
        line.Pad(GridWidth(style) - line.width);
    }
    return rows;
}

}  // namespace tarvand
