#include "SolarFormat.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

#include "SolarNames.h"
#include "SolarYear.h"

namespace tarvand {

namespace {

// The conversion letters AppendSolarFormat knows.
constexpr std::string_view Letters = "YyCmdejBbhAauwFnt%";

// UTF-8 of the Arabic yeh (U+064A) and the Persian yeh (U+06CC); Persian digits start at U+06F0,
// whose UTF-8 is DB B0, so digit d is DB (B0 + d).
constexpr std::string_view ArabicYeh = "\u064A";
constexpr std::string_view PersianYeh = "\u06CC";
constexpr char PersianDigitLead = '\xDB';
constexpr unsigned char PersianZeroTrail = 0xB0;

// One conversion of a format: %, flag, width and letter.
struct Conversion {
    char flag = 0;   // '-', '_', '0', or 0 for none
    int width = -1;  // -1 for the letter's own
    char letter = 0;
    std::size_t length = 0;  // characters from % to the letter, both included
};

// The flags after a %: the three that pad, and ^ and # (upper case and the other case), which
// change nothing here, since Persian letters have no case.
constexpr std::string_view Flags = "-_0^#";

// Takes a format and an index; returns the index past the flags, width and E or O modifier
// (alternative representations and digits, which change nothing here) that start there.
std::size_t SkipFlagsAndWidth(std::string_view format, std::size_t i) {
    i = std::min(format.find_first_not_of(Flags, i), format.size());
    i = std::min(format.find_first_not_of("0123456789", i), format.size());
    return i + 1 < format.size() && (format[i] == 'E' || format[i] == 'O') ? i + 1 : i;
}

// Takes a format and the index of a %; returns the conversion there, or nothing when it is not
// one of the known conversions. A % that ends the format stands for itself.
std::optional<Conversion> ReadConversion(std::string_view format, std::size_t at) {
    Conversion conversion;
    if (at + 1 == format.size()) {
        conversion.letter = '%';
        conversion.length = 1;
        return conversion;
    }
    std::size_t i = at + 1;
    for (; i < format.size() && Flags.find(format[i]) != std::string_view::npos; ++i) {
        conversion.flag = format[i] == '^' || format[i] == '#' ? conversion.flag : format[i];
    }
    if (i < format.size() && format[i] >= '1' && format[i] <= '9') {
        int width = 0;
        const auto [end, error] =
            std::from_chars(format.data() + i, format.data() + format.size(), width);
        if (error != std::errc{} || width > MaxFormatWidth) {
            return std::nullopt;
        }
        conversion.width = width;
        i = static_cast<std::size_t>(end - format.data());
    }
    if (i + 1 < format.size() && (format[i] == 'E' || format[i] == 'O')) {
        ++i;
    }
    if (i >= format.size() || Letters.find(format[i]) == std::string_view::npos) {
        return std::nullopt;
    }
    conversion.letter = format[i];
    conversion.length = i - at + 1;
    return conversion;
}

// Takes UTF-8 text; returns how many characters it holds.
int CharacterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// Takes text, a conversion, a body of ASCII digits or a name, and the pad and width that the
// letter takes by itself; appends the body padded as the conversion's flag and width ask.
void AppendPadded(std::string& text, const Conversion& conversion, std::string_view body, char pad,
                  int width) {
    if (conversion.flag == '-') {
        width = 0;
    } else {
        pad = conversion.flag == '_' ? ' ' : conversion.flag == '0' ? '0' : pad;
        width = conversion.width >= 0 ? conversion.width : width;
    }
    text.append(static_cast<std::size_t>(std::max(0, width - CharacterCount(body))), pad);
    text += body;
}

// Takes text, a conversion, a number 0 to 9999 and the pad and width it takes by itself; appends
// the number.
void AppendNumber(std::string& text, const Conversion& conversion, int number, char pad,
                  int width) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    AppendPadded(text, conversion, std::string_view(digits, static_cast<std::size_t>(end - digits)),
                 pad, width);
}

// Takes a Solar date that exists; returns its day of the year, 1 to 366.
int DayOfYear(const SolarDate& date) {
    return static_cast<int>(*SolarDateToDays(date.year, date.month, date.day) -
                            SolarYearStart(date.year)) +
           1;
}

// Takes a weekday 1 (Sunday) to 7 (Saturday); returns its place in the Persian week, which starts
// on Saturday: 0 for Saturday up to 6 for Friday.
int PersianWeekday(int weekday) { return weekday % 7; }

// Takes a Solar date, a conversion and the style; appends what the conversion writes.
void AppendConversion(std::string& text, const SolarDate& date, const Conversion& conversion,
                      const FormatStyle& style) {
    const auto month = static_cast<std::size_t>(date.month - 1);
    switch (conversion.letter) {
        case 'Y':
            return AppendNumber(text, conversion, date.year, '0', 4);
        case 'y':
            return AppendNumber(text, conversion, date.year % 100, '0', 2);
        case 'C':
            return AppendNumber(text, conversion, date.year / 100, '0', 2);
        case 'm':
            return AppendNumber(text, conversion, date.month, '0', 2);
        case 'd':
            return AppendNumber(text, conversion, date.day, '0', 2);
        case 'e':
            return AppendNumber(text, conversion, date.day, ' ', 2);
        case 'j':
            return AppendNumber(text, conversion, DayOfYear(date), '0', 3);
        case 'u':
            return AppendNumber(text, conversion, PersianWeekday(date.weekday) + 1, '0', 1);
        case 'w':
            return AppendNumber(text, conversion, PersianWeekday(date.weekday), '0', 1);
        case 'B':
        case 'b':
        case 'h':
            return AppendPadded(text, conversion,
                                style.afghan ? AfghanMonthNames[month] : MonthNames[month], ' ', 0);
        case 'A':
        case 'a':
            return AppendPadded(text, conversion,
                                DayNames[static_cast<std::size_t>(date.weekday - 1)], ' ', 0);
        case 'F':
            return AppendPadded(text, conversion, FormatSolarDate(date, "%Y-%m-%d"), '0', 0);
        case 'n':
            return AppendPadded(text, conversion, "\n", ' ', 0);
        case 't':
            return AppendPadded(text, conversion, "\t", ' ', 0);
        default:
            return AppendPadded(text, conversion, "%", ' ', 0);
    }
}

}  // namespace

std::string_view UnknownConversion(std::string_view format) {
    for (std::size_t at = format.find('%'); at != std::string_view::npos;
         at = format.find('%', at)) {
        const auto conversion = ReadConversion(format, at);
        if (!conversion) {
            // Flags, width and the whole character after them, so that the message names what
            // was meant.
            std::size_t end = SkipFlagsAndWidth(format, at + 1);
            end += end < format.size() ? 1 : 0;
            while (end < format.size() &&
                   (static_cast<unsigned char>(format[end]) & 0xC0) == 0x80) {
                ++end;
            }
            return format.substr(at, end - at);
        }
        at += conversion->length;
    }
    return {};
}

void AppendSolarFormat(std::string& text, const SolarDate& date, std::string_view format,
                       const FormatStyle& style) {
    const std::size_t start = text.size();
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t at = format.find('%', i);
        text.append(format.substr(i, at - i));
        if (at == std::string_view::npos) {
            break;
        }
        const auto conversion = ReadConversion(format, at);
        if (!conversion) {  // not written: the caller checks with UnknownConversion
            break;
        }
        AppendConversion(text, date, *conversion, style);
        i = at + conversion->length;
    }
    if (style.persian) {
        MakePersian(text, start);
    }
}

void MakePersian(std::string& text, std::size_t from) {
    std::string persian;
    persian.reserve(2 * (text.size() - from));
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            persian += PersianDigitLead;
            persian += static_cast<char>(PersianZeroTrail + (c - '0'));
        } else if (text.compare(i, ArabicYeh.size(), ArabicYeh) == 0) {
            persian += PersianYeh;
            i += ArabicYeh.size() - 1;
        } else {
            persian += c;
        }
    }
    text.replace(from, std::string::npos, persian);
}

std::string FormatSolarDate(const SolarDate& date, std::string_view format,
                            const FormatStyle& style) {
    std::string text;
    text.reserve(64);
    AppendSolarFormat(text, date, format, style);
    return text;
}

}  // namespace tarvand
