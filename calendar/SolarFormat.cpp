#include "SolarFormat.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

#include "SolarNames.h"
#include "SolarYear.h"

namespace tarvand {

namespace {

// The widest padding a conversion may ask for; a date is short.
constexpr int MaxWidth = 255;

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

// Takes a format and the index of a %; returns the conversion there, or nothing when it is not
// one of the known conversions.
std::optional<Conversion> ReadConversion(std::string_view format, std::size_t at) {
    Conversion conversion;
    std::size_t i = at + 1;
    for (; i < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0'); ++i) {
        conversion.flag = format[i];
    }
    if (i < format.size() && format[i] >= '1' && format[i] <= '9') {
        int width = 0;
        const auto [end, error] =
            std::from_chars(format.data() + i, format.data() + format.size(), width);
        if (error != std::errc{} || width > MaxWidth) {
            return std::nullopt;
        }
        conversion.width = width;
        i = static_cast<std::size_t>(end - format.data());
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
            return AppendSolarFormat(text, date, "%Y-%m-%d", {.persian = false, .afghan = false});
        case 'n':
            text += '\n';
            return;
        case 't':
            text += '\t';
            return;
        default:
            text += '%';
            return;
    }
}

// Takes text written from a given index on; rewrites that part in Persian digits and letters.
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

}  // namespace

std::string_view UnknownConversion(std::string_view format) {
    for (std::size_t at = format.find('%'); at != std::string_view::npos;
         at = format.find('%', at)) {
        const auto conversion = ReadConversion(format, at);
        if (!conversion) {
            // Flags and width, and the letter after them, so that the message names what was meant.
            const std::size_t letter = format.find_first_not_of("-_0123456789", at + 1);
            return format.substr(at, letter == std::string_view::npos ? letter : letter - at + 1);
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

std::string FormatSolarDate(const SolarDate& date, std::string_view format,
                            const FormatStyle& style) {
    std::string text;
    text.reserve(64);
    AppendSolarFormat(text, date, format, style);
    return text;
}

}  // namespace tarvand
