// Reading dates as people write them: Gregorian YYYY-MM-DD and Solar Hijri YYYY/MM/DD, in ASCII,
// Persian (U+06F0 to U+06F9) or Arabic-Indic (U+0660 to U+0669) digits.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tarvand {

// Takes UTF-8 text; returns it with Persian and Arabic-Indic digits replaced by ASCII ones.
std::string AsciiDigits(std::string_view text);

// Takes text of ASCII or Persian digits; returns the whole number it writes, or nothing for any
// other text (a sign, a blank, a number past an int).
std::optional<int> ReadNumber(std::string_view text);

// Takes text; returns it without the blanks around it (space, tab, CR, LF, VT, FF).
std::string_view TrimBlanks(std::string_view text);

// A date as written, not yet checked against its calendar.
struct WrittenDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Takes text such as "2011-03-02" (four-digit year, one- or two-digit month and day, blanks around
// allowed); returns its numbers, or nothing when the text is not of that shape.
std::optional<WrittenDate> ParseIsoDate(std::string_view text);

// The same for a Solar Hijri date such as "1389/12/11".
std::optional<WrittenDate> ParseSolarDate(std::string_view text);

}  // namespace tarvand
