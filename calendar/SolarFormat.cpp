#include "SolarFormat.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>

#include "HijriNames.h"
#include "SolarNames.h"
#include "SolarYear.h"

namespace tarvand {

namespace {

// The conversion letters AppendSolarFormat knows, and among them those of the Hijri date.
constexpr std::string_view Letters = "YyCmdejBbhAauwHkIlMSNpPZzsFTRrxXcontiJQKL%";
constexpr std::string_view HijriLetters = "iJQKL";

// Takes a character; returns true when it is one of Letters (a table: formats are read per line).
bool IsLetter(char c) {
    static constexpr auto Table = [] {
        std::array<bool, 256> table{};
        for (const char letter : Letters) {
            table[static_cast<unsigned char>(letter)] = true;
        }
        return table;
    }();
    return Table[static_cast<unsigned char>(c)];
}

// Takes a character; returns true when it is a flag.
bool IsFlag(char c) { return c == '-' || c == '_' || c == '0' || c == '^' || c == '#'; }

// UTF-8 of the Arabic yeh (U+064A) and the Persian yeh (U+06CC); Persian digits start at U+06F0,
// whose UTF-8 is DB B0, so digit d is DB (B0 + d).
constexpr std::string_view ArabicYeh = "\u064A";
constexpr std::string_view PersianYeh = "\u06CC";
constexpr char PersianDigitLead = '\xDB';
// Tuesday as the four layouts write it, two words apart, and as Persian writes it, with a
// zero-width non-joiner.
constexpr std::string_view SplitTuesday = "\u0633\u0647 \u0634\u0646\u0628\u0647";
constexpr std::string_view JoinedTuesday = "\u0633\u0647\u200C\u0634\u0646\u0628\u0647";
constexpr unsigned char PersianZeroTrail = 0xB0;

using Conversion = SolarFormatter::Conversion;

// The flags after a %: the three that pad, and ^ and # (upper case and the other case), which
// put a Latin name in upper case, as GNU date does its month names, and change nothing else here,
// since Persian letters have no case.
constexpr std::string_view Flags = "-_0^#";

// Takes a format and an index; returns the index past the flags, width, E or O modifier
// (alternative representations and digits, which change nothing here) and colons that start there.
std::size_t SkipFlagsAndWidth(std::string_view format, std::size_t i) {
    i = std::min(format.find_first_not_of(Flags, i), format.size());
    i = std::min(format.find_first_not_of("0123456789", i), format.size());
    i += i + 1 < format.size() && (format[i] == 'E' || format[i] == 'O') ? 1 : 0;
    return std::min(format.find_first_not_of(':', i), format.size());
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
    for (; i < format.size() && IsFlag(format[i]); ++i) {
        const bool caseFlag = format[i] == '^' || format[i] == '#';
        conversion.flag = caseFlag ? conversion.flag : format[i];
        conversion.upper = conversion.upper || caseFlag;
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
    for (; i < format.size() && format[i] == ':'; ++i) {
        ++conversion.colons;
    }
    if (i >= format.size() || !IsLetter(format[i]) ||
        (conversion.colons > 0 && (format[i] != 'z' || conversion.colons > 3))) {
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
    if (width > 0) {
        const int missing = width - CharacterCount(body);
        if (missing > 0) {
            text.append(static_cast<std::size_t>(missing), pad);
        }
    }
    text += body;
}

// Takes text, a conversion, a number and the pad and width it takes by itself; appends the
// number. Zeros pad after a minus sign, blanks before it.
void AppendNumber(std::string& text, const Conversion& conversion, std::int64_t number, char pad,
                  int width) {
    if (conversion.flag == 0 && conversion.width < 0 && number >= 0 && number < 10000 &&
        width <= 4) {  // the usual case, written directly: formats are written per line
        char digits[4];
        int length = 0;
        std::int64_t rest = number;
        do {
            digits[3 - length++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        while (length < width) {
            digits[3 - length++] = pad;
        }
        text.append(digits + 4 - length, static_cast<std::size_t>(length));
        return;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    std::string_view body(digits, static_cast<std::size_t>(end - digits));
    if (conversion.flag == 0 && conversion.width < 0 && static_cast<int>(body.size()) >= width) {
        text += body;  // wide enough as it is, as %s nearly always is
        return;
    }
    const bool zeros = conversion.flag == '0' || (conversion.flag == 0 && pad == '0');
    if (number < 0 && zeros) {
        text += '-';
        body.remove_prefix(1);
        width = (conversion.width >= 0 ? conversion.width : width) - 1;
        Conversion rest = conversion;
        rest.width = -1;
        return AppendPadded(text, rest, body, pad, width);
    }
    AppendPadded(text, conversion, body, pad, width);
}

// Takes a count of nanoseconds and a conversion; appends it as GNU date writes %N: nine digits,
// or as many as the width asks, cut or filled on the right with zeros; with _ the trailing zeros
// become blanks, and with - and a width they go (one digit stays).
void AppendNanoseconds(std::string& text, const Conversion& conversion, int nanosecond) {
    char digits[10];
    std::snprintf(digits, sizeof digits, "%09d", nanosecond);
    const int width = conversion.width < 0 ? 9 : conversion.width;
    std::string_view kept(digits, static_cast<std::size_t>(std::min(width, 9)));
    const bool trim = conversion.flag == '_' || (conversion.flag == '-' && conversion.width >= 0);
    while (trim && kept.size() > 1 && kept.back() == '0') {
        kept.remove_suffix(1);
    }
    text += kept;
    if (conversion.flag != '-') {
        text.append(static_cast<std::size_t>(std::max(0, width - static_cast<int>(kept.size()))),
                    conversion.flag == '_' ? ' ' : '0');
    }
}

// Takes an offset from UTC in seconds, whether it is unknown (a zone such as "-00"), and a
// conversion of %z; appends it as GNU date writes it: a sign and the hours with minutes (hhmm, or
// hh:mm, hh:mm:ss, or with three colons as briefly as it can be said exactly), zeros after the
// sign to the width (5, 6 or 9 by default), blanks before it with _, and nothing with -, which
// also leaves the hours unpadded.
void AppendOffset(std::string& text, const Conversion& conversion, int offset, bool unknown) {
    const char sign = offset < 0 || (offset == 0 && unknown) ? '-' : '+';
    offset = offset < 0 ? -offset : offset;
    const int hours = offset / 3600, minutes = offset / 60 % 60, seconds = offset % 60;
    const int colons = conversion.colons;
    char body[32];
    if (colons == 0) {
        std::snprintf(body, sizeof body, "%d", hours * 100 + minutes);
    } else if (colons == 2 || (colons == 3 && seconds != 0)) {
        std::snprintf(body, sizeof body, "%d:%02d:%02d", hours, minutes, seconds);
    } else if (colons == 1 || minutes != 0) {
        std::snprintf(body, sizeof body, "%d:%02d", hours, minutes);
    } else {
        std::snprintf(body, sizeof body, "%d", hours);
    }
    const int length = static_cast<int>(std::strlen(body)) + 1;
    // By itself the offset writes its hours in two digits: +hhmm, or +hh and what follows.
    const int own = colons == 0 ? 5 : length + (hours < 10 ? 1 : 0);
    const int width = conversion.width >= 0 ? conversion.width : own;
    const int missing = conversion.flag == '-' ? 0 : std::max(0, width - length);
    if (conversion.flag == '_') {
        text.append(static_cast<std::size_t>(missing), ' ');
    }
    text += sign;
    if (conversion.flag != '_') {
        text.append(static_cast<std::size_t>(missing), '0');
    }
    text += body;
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

// Takes a letter that stands for several fields (F, T, X, R, r, x or c), a moment and the style;
// returns what the letter writes.
std::string Composite(char letter, const SolarDate& date, const SolarClock& clock,
                      const FormatStyle& style) {
    // Each read once; the style passes on, since making text Persian twice changes nothing.
    static const SolarFormatter iso("%Y-%m-%d"), slash("%Y/%m/%d"), time("%H:%M:%S"),
        hourMinute("%H:%M"), twelveHour("%I:%M:%S %p"), full("%A %-d %B %Y %H:%M:%S");
    const SolarFormatter& formatter = letter == 'F'   ? iso
                                      : letter == 'x' ? slash
                                      : letter == 'R' ? hourMinute
                                      : letter == 'r' ? twelveHour
                                      : letter == 'c' ? full
                                                      : time;
    std::string text;
    formatter.Append(text, date, clock, style);
    return text;
}

// Takes an hour 0 to 23; returns it on the 12-hour clock, 1 to 12.
int TwelveHour(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

// Takes an hour 0 to 23, whether %P asked, and the style; returns before or after noon.
std::string_view Meridiem(int hour, bool lower, const FormatStyle& style) {
    if (style.persian) {
        return hour < 12 ? "\u0642.\u0638" : "\u0628.\u0638";  // before noon, after noon
    }
    return hour < 12 ? (lower ? "am" : "AM") : (lower ? "pm" : "PM");
}

// Takes a Solar date, its time of day, a conversion and the style; appends what the conversion
// writes.
void AppendConversion(std::string& text, const SolarDate& date, const SolarClock& clock,
                      const Conversion& conversion, const FormatStyle& style,
                      const HijriDate* hijri) {
    const auto month = static_cast<std::size_t>(date.month - 1);
    if (hijri == nullptr && HijriLetters.find(conversion.letter) != std::string_view::npos) {
        return;
    }
    switch (conversion.letter) {
        case 'L':
            return AppendNumber(text, conversion, hijri->year, '0', 4);
        case 'J':
            return AppendNumber(text, conversion, hijri->month, '0', 2);
        case 'i':
            return AppendNumber(text, conversion, hijri->day, '0', 2);
        case 'Q':
            return AppendPadded(text, conversion,
                                HijriMonthNames[static_cast<std::size_t>(hijri->month - 1)], ' ',
                                0);
        case 'K': {
            std::string name(LatinHijriMonthNames[static_cast<std::size_t>(hijri->month - 1)]);
            if (conversion.upper) {
                std::transform(name.begin(), name.end(), name.begin(), [](char c) {
                    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
                });
            }
            return AppendPadded(text, conversion, name, ' ', 0);
        }
        case 'H':
            return AppendNumber(text, conversion, clock.hour, '0', 2);
        case 'k':
            return AppendNumber(text, conversion, clock.hour, ' ', 2);
        case 'I':
            return AppendNumber(text, conversion, TwelveHour(clock.hour), '0', 2);
        case 'l':
            return AppendNumber(text, conversion, TwelveHour(clock.hour), ' ', 2);
        case 'M':
            return AppendNumber(text, conversion, clock.minute, '0', 2);
        case 'S':
            return AppendNumber(text, conversion, clock.second, '0', 2);
        case 'N':
            return AppendNanoseconds(text, conversion, clock.nanosecond);
        case 'p':
        case 'P':
            return AppendPadded(text, conversion,
                                Meridiem(clock.hour, conversion.letter == 'P', style), ' ', 0);
        case 's':
            return AppendNumber(text, conversion, clock.epochSeconds, '0', 1);
        case 'z':
            return AppendOffset(text, conversion, clock.offset, clock.zone == "-00");
        case 'Z':
            return AppendPadded(text, conversion, clock.zone, ' ', 0);
        case 'T':
        case 'X':
        case 'R':
        case 'r':
        case 'x':
        case 'c':
            return AppendPadded(text, conversion, Composite(conversion.letter, date, clock, style),
                                ' ', 0);
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
            return AppendPadded(text, conversion, Composite('F', date, clock, style), '0', 0);
        case 'n':
            return AppendPadded(text, conversion, "\n", ' ', 0);
        case 't':
            return AppendPadded(text, conversion, "\t", ' ', 0);
        default:
            return AppendPadded(text, conversion, "%", ' ', 0);
    }
}

// Takes a format whose conversions are all known and letters; returns true when one of its
// conversions is one of the letters.
bool UsesLetters(std::string_view format, std::string_view letters) {
    for (std::size_t at = format.find('%'); at != std::string_view::npos;
         at = format.find('%', at)) {
        const auto conversion = ReadConversion(format, at);
        if (!conversion) {
            return false;
        }
        if (letters.find(conversion->letter) != std::string_view::npos) {
            return true;
        }
        at += conversion->length;
    }
    return false;
}

}  // namespace

bool UsesClock(std::string_view format) { return UsesLetters(format, "HkIlMSNpPZzsTRrXc"); }

bool UsesOccasions(std::string_view format) { return UsesLetters(format, "o"); }

bool UsesHijri(std::string_view format) { return UsesLetters(format, HijriLetters); }

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
    SolarClock midnight;
    if (format.find('s') != std::string_view::npos) {  // only %s needs the moment
        const auto day = FromSolarDate(date.year, date.month, date.day);
        midnight.epochSeconds = static_cast<std::int64_t>(day.value_or(0) - UnixEpochDay) * 86400;
    }
    AppendSolarFormat(text, date, midnight, format, style);
}

SolarFormatter::SolarFormatter(std::string_view format) : numeric_(format == LayoutFormats[0]) {
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t at = format.find('%', i);
        const auto conversion =
            at == std::string_view::npos ? std::nullopt : ReadConversion(format, at);
        // An unknown conversion ends the format: the caller checks with UnknownConversion.
        pieces_.push_back({format.substr(i, at - i), conversion.value_or(Conversion{})});
        if (!conversion) {
            break;
        }
        i = at + conversion->length;
    }
}

void SolarFormatter::Append(std::string& text, const SolarDate& date, const SolarClock& clock,
                            const FormatStyle& style, std::string_view occasions,
                            const HijriDate* hijri) const {
    const std::size_t start = text.size();
    if (numeric_) {  // the first layout, as most lines of a file are written: YYYY/MM/DD
        const char digits[10] = {static_cast<char>('0' + date.year / 1000),
                                 static_cast<char>('0' + date.year / 100 % 10),
                                 static_cast<char>('0' + date.year / 10 % 10),
                                 static_cast<char>('0' + date.year % 10),
                                 '/',
                                 static_cast<char>('0' + date.month / 10),
                                 static_cast<char>('0' + date.month % 10),
                                 '/',
                                 static_cast<char>('0' + date.day / 10),
                                 static_cast<char>('0' + date.day % 10)};
        text.append(digits, sizeof digits);
        if (style.persian) {
            MakePersian(text, start);
        }
        return;
    }
    for (const Piece& piece : pieces_) {
        text += piece.literal;
        if (piece.conversion.letter == 'o') {
            AppendPadded(text, piece.conversion, occasions, ' ', 0);
        } else if (piece.conversion.letter != 0) {
            AppendConversion(text, date, clock, piece.conversion, style, hijri);
        }
    }
    if (style.persian) {
        MakePersian(text, start);
    }
}

void AppendSolarFormat(std::string& text, const SolarDate& date, const SolarClock& clock,
                       std::string_view format, const FormatStyle& style) {
    SolarFormatter(format).Append(text, date, clock, style);
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
        } else if (text.compare(i, SplitTuesday.size(), SplitTuesday) == 0) {
            persian += JoinedTuesday;
            i += SplitTuesday.size() - 1;
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
