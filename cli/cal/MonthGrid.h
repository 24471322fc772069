// One month of the Solar Hijri calendar as cal draws it: a header, the weekday columns from
// Saturday to Friday, and six rows of weeks.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DisplayWidth.h"
#include "calendar/HijriCalendar.h"

namespace tarvand {

// How the months are drawn.
struct GridStyle {
    bool persian = false;  // Persian names and digits, with marks that keep the columns in order
    bool afghan = false;   // the month names of Afghanistan
    bool julian = false;   // days numbered through the year
    bool weekNumbers = false;  // a column of week numbers before the days
    bool colour = false;       // the marked day in reverse video, Fridays in red
    bool yearInTitle =
        true;            // "Azar 1404" rather than "Azar" (the year view has a title of its own)
    bool ascii = false;  // a terminal without UTF-8: "-" for the dash and the dot between parts

    // The dash between the two ends of a span, and what stands between two parts of a title.
    std::string_view Dash() const { return ascii && !persian ? "-" : "\u2013"; }
    // In Persian the Persian comma, since a middle dot there reads as the Persian zero (۰).
    std::string_view Dot() const { return persian ? "\u060C " : ascii ? " - " : " \u00B7 "; }
};

// A line on a terminal: its bytes, and how many columns it takes.
struct TextLine {
    std::string text;
    int width = 0;

    // Takes text and the columns it takes; appends them.
    void Add(std::string_view more, int columns);
    // Takes UTF-8 text without escapes; appends it, counting its columns.
    void Add(std::string_view more);
    // Takes a count; appends that many blanks.
    void Pad(int columns);
};

// Takes a number and the style; returns it in the style's digits.
std::string Digits(std::int64_t number, const GridStyle& style);

// Takes a month, 1 to 12, and the style; returns its name: Latin or Persian letters, Iranian or
// Afghan.
std::string_view MonthName(int month, const GridStyle& style);

// The parts of a month's header.
struct MonthHeading {
    TextLine title;      // "Azar 1404"
    TextLine gregorian;  // "Nov–Dec 2025", or "Dec 2025–Jan 2026"
    TextLine hijri;      // "Jum I–Jum II 1447", or "Dhu H 1447–Muh 1448"
};

// Takes a Solar year and month (1178 to 3000, 1 to 12), the style and the Hijri calendar; returns
// the parts of its header. Each part is at most 20 columns wide, as the grid.
MonthHeading MonthHeader(int year, int month, const GridStyle& style, const HijriCalendar& hijri);

// Takes the style; returns the columns the weekday row and the week rows take.
int GridWidth(const GridStyle& style);

// Holidays by day count: true for one that is estimated.
using HolidayDays = std::map<std::int64_t, bool>;

// Days marked in the grid, by day count: the first and the last.
struct MarkedDays {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

// Takes a Solar year and month, the days marked (or none), the style and the holidays; returns the
// weekday row and the six week rows, each GridWidth(style) columns wide. In colour, marked days are
// in reverse video, holidays red as Fridays are, and estimated ones underlined too.
std::vector<TextLine> MonthRows(int year, int month, std::optional<MarkedDays> marked,
                                const GridStyle& style, const HolidayDays& holidays = {});

// Takes a Solar year, 1178 to 3000, and a day count in it; returns its week of the year: weeks
// start on Saturday, and week 1 holds 1 Farvardin.
int WeekOfYear(int year, std::int64_t days);

}  // namespace tarvand
