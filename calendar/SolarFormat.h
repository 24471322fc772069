// Solar Hijri dates written through a format, with the conversions of GNU date's letters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HijriCalendar.h"
#include "ToSolarDate.h"

namespace tarvand {

// How a format writes numbers and names.
struct FormatStyle {
    bool persian = false;  // Persian digits (U+06F0 to U+06F9) and the Persian yeh (U+06CC)
    bool afghan = false;   // the month names used in Afghanistan
};

// A moment's time of day in the zone it is shown in, beside its Solar date.
struct SolarClock {
    int hour = 0;                   // 0 to 23
    int minute = 0;                 // 0 to 59
    int second = 0;                 // 0 to 60 (60 for a leap second)
    int nanosecond = 0;             // 0 to 999,999,999
    int offset = 0;                 // the zone's offset from UTC, seconds east
    std::string_view zone = "UTC";  // the zone's abbreviation
    std::int64_t epochSeconds = 0;  // seconds since 1970-01-01 00:00 UTC, whole seconds down
};

// The layouts of ToSolarDate, by format code, as formats: in the default style each writes the
// same text as ToSolarDate with that code.
inline constexpr std::array<std::string_view, 4> LayoutFormats{"%Y/%m/%d", "%-d %B %Y",
                                                               "%A %Y/%-m/%-d", "%A  %-d  %B  %Y"};

// The widest padding a conversion may ask for; a date is short.
inline constexpr int MaxFormatWidth = 255;

// Takes a format whose conversions are all known; returns true when one of them writes more than
// the date (a time, an offset, a zone or seconds since 1970).
bool UsesClock(std::string_view format);

// The same for %o, the day's occasions.
bool UsesOccasions(std::string_view format);

// The same for the Hijri letters %i %J %Q %K %L.
bool UsesHijri(std::string_view format);

// Takes a format; returns the first conversion in it that FormatSolarDate does not know (such as
// "%Q", or "%256d"), or the empty text when it knows them all.
std::string_view UnknownConversion(std::string_view format);

// Takes a Solar date that exists (as ToSolarFields gives it), its time of day, a format whose
// conversions are all known, a style and text; appends the moment written through the format.
// The conversions, each as %[flag][width]letter:
//   %Y year   %y year in two digits   %C century   %m month 01-12   %d day 01-31
//   %e day, blank-padded   %j day of the year 001-366   %B, %b, %h month name
//   %A, %a weekday name   %u weekday 1-7, Saturday 1   %w weekday 0-6, Saturday 0
//   %H hour 00-23   %k hour, blank-padded   %I hour 01-12   %l hour 1-12, blank-padded
//   %M minute   %S second   %N nanoseconds (a width keeps that many digits)
//   %p AM or PM (Persian in the persian style)   %P am or pm   %s seconds since 1970 UTC
//   %z +hhmm   %:z +hh:mm   %::z +hh:mm:ss   %:::z +hh, with :mm or :ss where needed
//   %Z the zone's abbreviation
//   %F %Y-%m-%d   %T %H:%M:%S   %R %H:%M   %r %I:%M:%S %p
//   %x %Y/%m/%d   %X %H:%M:%S   %c %A %-d %B %Y %H:%M:%S
//   %L Hijri year   %J Hijri month 01-12   %i Hijri day 01-30   %Q Hijri month name
//   %K Hijri month name in Latin letters (the Hijri letters write nothing without a Hijri date)
//   %o the day's occasions, as given   %n newline   %t tab   %% a %
// Flags: - no padding, _ pad with blanks, 0 pad with zeros; ^ and # change nothing. A width, up to
// MaxFormatWidth, pads to that many characters (the texts of several fields with blanks, or zeros
// for %F). The modifiers E and O change nothing. A % that ends the format is written as it is.
void AppendSolarFormat(std::string& text, const SolarDate& date, const SolarClock& clock,
                       std::string_view format, const FormatStyle& style);

// The same for a date alone: its time letters give midnight UTC.
void AppendSolarFormat(std::string& text, const SolarDate& date, std::string_view format,
                       const FormatStyle& style);

// A format read once, to write many moments through it.
class SolarFormatter {
public:
    // One conversion of a format: %, flag, width, colons and letter.
    struct Conversion {
        char flag = 0;       // '-', '_', '0', or 0 for none
        bool upper = false;  // ^ or #: Latin letters in upper case
        int width = -1;      // -1 for the letter's own
        int colons = 0;      // before z: %:z, %::z, %:::z
        char letter = 0;
        std::size_t length = 0;  // characters from % to the letter, both included
    };

    // Takes a format whose conversions are all known (see UnknownConversion); keeps a view of it,
    // which must outlive the formatter.
    explicit SolarFormatter(std::string_view format);

    // Appends a moment written through the format, as AppendSolarFormat does, with the day's
    // occasions for %o and its Hijri date for the Hijri letters.
    void Append(std::string& text, const SolarDate& date, const SolarClock& clock,
                const FormatStyle& style, std::string_view occasions = {},
                const HijriDate* hijri = nullptr) const;

    // Returns true when the format is the first layout's, %Y/%m/%d.
    bool Numeric() const { return numeric_; }

private:
    // Text written as it is, then a conversion (none after the last text).
    struct Piece {
        std::string_view literal;
        Conversion conversion;
    };
    std::vector<Piece> pieces_;
    bool numeric_ = false;  // the format is the first layout's, %Y/%m/%d (years of four digits)
};

// Takes text and an index in it; rewrites the text from there on with Persian digits (U+06F0 to
// U+06F9), the Persian yeh (U+06CC) and Tuesday joined by a zero-width non-joiner (سه‌شنبه), as
// the persian style writes.
void MakePersian(std::string& text, std::size_t from = 0);

// The same, as a new text.
std::string FormatSolarDate(const SolarDate& date, std::string_view format,
                            const FormatStyle& style = {});

}  // namespace tarvand
