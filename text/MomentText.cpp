#include "MomentText.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "Messages.h"
#include "MonthNames.h"
#include "Quote.h"
#include "calendar/HijriNames.h"

namespace tarvand {

namespace {

// Takes a character; returns true for a blank between items.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The most digits of a relative count, leading zeros not counted: a trillion seconds is 31,700
// years, so more could only land outside the calendar.
constexpr std::size_t MaxCountDigits = 12;

// The most whole digits of @SECONDS, leading zeros not counted: some 30 million years, far past
// the calendar.
constexpr std::size_t MaxEpochDigits = 15;

// The largest offset from UTC that is read, as GNU date reads it: 24 hours.
constexpr int MaxOffset = 24 * 3600;

// A unit of relative items, and what one of it adds.
struct Unit {
    std::string_view name;  // singular; a trailing s is also taken
    std::int64_t WrittenMoment::*field;
    int size;
};

constexpr std::array<Unit, 10> Units{{
    {"year", &WrittenMoment::months, 12},
    {"month", &WrittenMoment::months, 1},
    {"fortnight", &WrittenMoment::days, 14},
    {"week", &WrittenMoment::days, 7},
    {"day", &WrittenMoment::days, 1},
    {"hour", &WrittenMoment::seconds, 3600},
    {"minute", &WrittenMoment::seconds, 60},
    {"min", &WrittenMoment::seconds, 60},
    {"second", &WrittenMoment::seconds, 1},
    {"sec", &WrittenMoment::seconds, 1},
}};

// Takes a word as written and a word in lower case; returns true when they are the same word.
bool SameWord(std::string_view written, std::string_view word) {
    if (written.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = written[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != word[i]) {
            return false;
        }
    }
    return true;
}

// Takes a word; returns the unit it names (day or days), or nothing.
const Unit* FindUnit(std::string_view word) {
    for (const Unit& unit : Units) {
        if (SameWord(word, unit.name) ||
            (word.size() == unit.name.size() + 1 && (word.back() == 's' || word.back() == 'S') &&
             SameWord(word.substr(0, unit.name.size()), unit.name))) {
            return &unit;
        }
    }
    return nullptr;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Takes text and the most digits to read; reads an unsigned number at its front, drops it and
// returns it with the count of its digits, or nothing when no digit is there or more than `most`.
std::optional<std::pair<std::int64_t, std::size_t>> TakeDigits(std::string_view& text,
                                                               std::size_t most) {
    std::size_t n = 0;
    std::int64_t value = 0;
    for (; n < text.size() && n <= most && IsDigit(text[n]); ++n) {  // one digit past most, at most
        value = value * 10 + (text[n] - '0');
    }
    if (n == 0 || n > most) {
        return std::nullopt;
    }
    text.remove_prefix(n);
    return std::pair{value, n};
}

// The same for a count, whose leading zeros do not count toward the most.
std::optional<std::pair<std::int64_t, std::size_t>> TakeCount(std::string_view& text,
                                                              std::size_t most) {
    std::size_t zeros = 0;
    while (zeros + 1 < text.size() && text[zeros] == '0' && IsDigit(text[zeros + 1])) {
        ++zeros;
    }
    std::string_view rest = text.substr(zeros);
    const auto count = TakeDigits(rest, most);
    if (count) {
        text = rest;
    }
    return count;
}

// Takes a date as written, Y{4} sep M{1,2} sep D{1,2}, and its separator; returns its numbers, or
// nothing when it is not of that shape.
std::optional<WrittenDate> ReadDateNumbers(std::string_view text, char separator) {
    const auto year = TakeDigits(text, 4);
    if (!year || year->second != 4 || !text.starts_with(separator)) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    const auto month = TakeDigits(text, 2);
    if (!month || !text.starts_with(separator)) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    const auto day = TakeDigits(text, 2);
    if (!day || !text.empty()) {
        return std::nullopt;
    }
    return WrittenDate{static_cast<int>(year->first), static_cast<int>(month->first),
                       static_cast<int>(day->first)};
}

// Takes a token; returns the signed count it writes (+3, -2, 15), or nothing.
std::optional<std::int64_t> ReadCount(std::string_view token) {
    const bool negative = token.starts_with('-');
    token.remove_prefix(negative || token.starts_with('+') ? 1 : 0);
    const auto digits = TakeCount(token, MaxCountDigits);
    if (!digits || !token.empty()) {
        return std::nullopt;
    }
    return negative ? -digits->first : digits->first;
}

// Takes a token such as +03:30, +0330, -05, Z, UTC or GMT; returns the offset in seconds east of
// UTC, or nothing when it is not an offset of at most 24 hours.
std::optional<int> ReadOffset(std::string_view token) {
    if (SameWord(token, "z") || SameWord(token, "utc") || SameWord(token, "gmt")) {
        return 0;
    }
    if (token.empty() || (token.front() != '+' && token.front() != '-')) {
        return std::nullopt;
    }
    const int sign = token.front() == '-' ? -1 : 1;
    token.remove_prefix(1);
    const auto hours = TakeDigits(token, 4);
    if (!hours) {
        return std::nullopt;
    }
    std::int64_t h = hours->first, m = 0;
    if (hours->second > 2) {  // +hhmm
        if (hours->second != 4) {
            return std::nullopt;
        }
        m = h % 100;
        h /= 100;
    } else if (!token.empty()) {  // +hh:mm
        token.remove_prefix(token.front() == ':' ? 1 : token.size());
        const auto minutes = TakeDigits(token, 2);
        if (!minutes || minutes->second != 2) {
            return std::nullopt;
        }
        m = minutes->first;
    }
    const std::int64_t seconds = h * 3600 + m * 60;
    if (!token.empty() || m > 59 || seconds > MaxOffset) {
        return std::nullopt;
    }
    return sign * static_cast<int>(seconds);
}

// Takes text; when it starts with a fraction of a second (. or , and digits), takes it and returns
// it in nanoseconds, digits past the ninth dropped; returns 0 when it does not start with . or ,
// and nothing for a . or , without digits.
std::optional<int> TakeFraction(std::string_view& text) {
    if (!text.starts_with('.') && !text.starts_with(',')) {
        return 0;
    }
    text.remove_prefix(1);
    if (text.empty() || !IsDigit(text.front())) {
        return std::nullopt;
    }
    int nanosecond = 0;
    for (int scale = 100'000'000; !text.empty() && IsDigit(text.front()); scale /= 10) {
        nanosecond += (text.front() - '0') * scale;  // past nine digits, scale is 0
        text.remove_prefix(1);
    }
    return nanosecond;
}

// Takes a token such as @1700000000, @-1.5; returns the moment it names, or nothing.
std::optional<Instant> ReadEpoch(std::string_view token) {
    token.remove_prefix(1);
    const bool negative = token.starts_with('-');
    token.remove_prefix(negative || token.starts_with('+') ? 1 : 0);
    const auto whole = TakeCount(token, MaxEpochDigits);
    if (!whole) {
        return std::nullopt;
    }
    const auto fraction = TakeFraction(token);
    if (!fraction || !token.empty()) {
        return std::nullopt;
    }
    const int nanosecond = *fraction;
    Instant moment{whole->first, nanosecond};
    if (negative) {  // -1.5 is 2 seconds before 1970, plus half a second
        moment.seconds = -moment.seconds - (nanosecond > 0 ? 1 : 0);
        moment.nanosecond = nanosecond > 0 ? 1'000'000'000 - nanosecond : 0;
    }
    return moment;
}

// The items of a written moment, one at a time: blank-separated tokens.
class Tokens {
public:
    explicit Tokens(std::string_view text) : rest_(text) {}

    // Returns the next token without taking it; the empty text at the end.
    std::string_view Peek() {
        while (!peeked_) {
            std::size_t start = 0;
            while (start < rest_.size() && IsBlank(rest_[start])) {
                ++start;
            }
            std::size_t end = start;
            while (end < rest_.size() && !IsBlank(rest_[end])) {
                ++end;
            }
            next_ = rest_.substr(start, end - start);
            rest_.remove_prefix(end);
            peeked_ = next_.empty() || next_.data() != skipped_;
        }
        return next_;
    }

    // Takes a token of the text; passes it over from now on.
    void Skip(std::string_view token) { skipped_ = token.data(); }

    // Returns the next token and takes it.
    std::string_view Next() {
        const auto token = Peek();
        peeked_ = false;
        return token;
    }

private:
    std::string_view rest_;  // after the token peeked at
    std::string_view next_;
    bool peeked_ = false;
    const char* skipped_ = nullptr;  // where the token passed over starts
};

// Takes a token; returns true when it marks a date as Hijri: AH, A.H., and in Persian هـ.ق, ه.ق,
// ق or قمری.
bool IsHijriMark(std::string_view token) {
    for (const std::string_view mark :
         {"ah", "a.h.", "a.h", "\u0647\u0640.\u0642", "\u0647.\u0642", "\u0647\u0640\u0642",
          "\u0642", "\u0642.", "\u0642\u0645\u0631\u06CC", "\u0642\u0645\u0631\u064A"}) {
        if (SameWord(token, mark)) {
            return true;
        }
    }
    return false;
}

// Takes a token; returns true when it has the shape of a date, digits apart by / or -.
bool LooksLikeDate(std::string_view token) {
    const auto separator = token.find_first_of("/-");
    return !token.empty() && IsDigit(token[0]) && separator != std::string_view::npos &&
           separator + 1 < token.size() && IsDigit(token[separator + 1]) &&
           token.find(':') == std::string_view::npos;
}

// Reads a written moment's items into its parts.
class MomentReader {
public:
    MomentReader(std::string_view text, DateCalendar plain)
        : tokens_(text), plain_(plain), solar_(plain != DateCalendar::Gregorian) {}

    std::variant<WrittenMoment, std::string> Read() {
        // A Hijri mark may stand anywhere (1448/01/10 12:00 AH): it marks the date YYYY/MM/DD.
        for (Tokens all = tokens_; !all.Peek().empty();) {
            if (const auto token = all.Next(); IsHijriMark(token)) {
                if (marked_) {
                    return Format(_(": a second %s"), Quote(token).c_str());
                }
                marked_ = true;
                mark_ = token;
                tokens_.Skip(token);
            }
        }
        bool first = true;
        for (auto token = tokens_.Next(); !token.empty(); token = tokens_.Next(), first = false) {
            if (auto problem = ReadItem(token, first)) {
                return *problem;
            }
        }
        if (first) {
            return Shape();
        }
        if (marked_ && moment_.calendar != DateCalendar::Hijri) {
            return Format(_(": %s marks no date written YYYY/MM/DD"), Quote(mark_).c_str());
        }
        return moment_;
    }

private:
    // The end of the message for text that is not of any shape a moment takes.
    std::string Shape() const {
        return solar_ ? _(" (expected YYYY/MM/DD)") : _(" (expected YYYY-MM-DD)");
    }

    // Takes a token, and whether it is the first; reads it, with the tokens that belong to it.
    std::optional<std::string> ReadItem(std::string_view token, bool first) {
        const char lead = token.front();
        if (lead == '@') {
            const auto epoch = ReadEpoch(token);
            if (!first || !epoch) {
                return !first ? Format(_(": %s must come first"), Quote(token).c_str())
                              : Format(_(": invalid count of seconds %s"), Quote(token).c_str());
            }
            moment_.epoch = epoch;
            moment_.showsTime = true;
            return std::nullopt;
        }
        if (moment_.date && LooksLikeDate(token)) {
            return Format(_(": a second date %s"), Quote(token).c_str());
        }
        // A Hijri date marked as one: YYYY/MM/DD AH.
        if (marked_ && IsDigit(lead) && token.find('/') < token.find(':')) {
            return ReadDate(token, '/', DateCalendar::Hijri);
        }
        // A date when its separator comes before any colon: 10:00-05:00 is a time and offset.
        if (IsDigit(lead) && token.find(solar_ ? '/' : '-') < token.find(':')) {
            return ReadDate(token, solar_ ? '/' : '-', plain_);
        }
        if (IsDigit(lead) && token.find(':') != std::string_view::npos) {
            return ReadTime(token);
        }
        if (const auto count = ReadCount(token)) {
            if (const Unit* unit = FindUnit(tokens_.Peek())) {
                tokens_.Next();
                return AddRelative(*unit, *count);
            }
            if (auto named = ReadNamedDate(token)) {
                return *named;
            }
            const auto next = tokens_.Peek();
            if (!next.empty() && IsLetter(next[0]) && !SameWord(next, "ago")) {
                return Format(_(": unknown unit %s"), Quote(next).c_str());
            }
            if (lead != '+' && lead != '-') {
                return Shape();
            }
        }
        // A count with its unit joined to it, as in +1day or 3weeks.
        const auto letters = token.find_first_not_of("+-0123456789");
        if (letters != std::string_view::npos && letters > 0) {
            const auto count = ReadCount(token.substr(0, letters));
            if (const Unit* unit = FindUnit(token.substr(letters)); count && unit) {
                return AddRelative(*unit, *count);
            }
            if (count &&
                (SameWord(token.substr(letters), "am") || SameWord(token.substr(letters), "pm"))) {
                return std::string(
                    _(": am and pm are not read; write the time as HH:MM, 00:00 to 23:59"));
            }
        }
        if ((lead == '+' || lead == '-') && token.size() == 1) {
            // + 3 days, as date(1) reads it: the sign, its count and its unit apart.
            Tokens ahead = tokens_;
            const auto number = ahead.Next();
            const auto count =
                !number.empty() && IsDigit(number[0]) ? ReadCount(number) : std::nullopt;
            if (const Unit* unit = count ? FindUnit(ahead.Peek()) : nullptr) {
                ahead.Next();
                tokens_ = ahead;
                return AddRelative(*unit, lead == '-' ? -*count : *count);
            }
            return Format(_(": the sign %s stands apart from its number"), Quote(token).c_str());
        }
        if ((lead == '+' || lead == '-') && token.size() > 1 && IsDigit(token[1]) &&
            token.find_first_not_of("0123456789", 1) == std::string_view::npos &&
            FindUnit(tokens_.Peek()) != nullptr) {
            return Format(_(": count %s is too large"), Quote(token).c_str());
        }
        if (lead == '+' || lead == '-') {
            return ReadOffsetItem(token);
        }
        if (IsLetter(lead)) {
            return ReadWord(token);
        }
        if (const char* word = PersianDayWord(token)) {
            return ReadWord(word);
        }
        // A word in Persian or Arabic letters (U+0600 to U+06FF: D8 to DB first).
        if (const auto byte = static_cast<unsigned char>(lead); byte >= 0xD8 && byte <= 0xDB) {
            return Format(_(": unknown word %s"), Quote(token).c_str());
        }
        return Shape();
    }

    // Takes a token; returns the English word for the Persian today (امروز), tomorrow (فردا) or
    // yesterday (دیروز), or nothing.
    static const char* PersianDayWord(std::string_view token) {
        if (token == "\u0627\u0645\u0631\u0648\u0632") {
            return "today";
        }
        if (token == "\u0641\u0631\u062F\u0627") {
            return "tomorrow";
        }
        if (token == "\u062F\u06CC\u0631\u0648\u0632" ||
            token == "\u062F\u064A\u0631\u0648\u0632") {
            return "yesterday";
        }
        return nullptr;
    }

    // Takes a token; returns true when it is a year of a named date: one to four digits, zeros
    // before them aside.
    static bool IsYear(std::string_view token) {
        const auto digits = token.find_first_not_of('0');
        return !token.empty() && token.find_first_not_of("0123456789") == std::string_view::npos &&
               (digits == std::string_view::npos || token.size() - digits <= 4);
    }

    // Takes a token; returns true when it has the shape of a number: digits, with a sign or not.
    static bool IsNumber(std::string_view token) {
        const auto digits = token.find_first_not_of("+-");
        return digits != std::string_view::npos && digits <= 1 &&
               token.find_first_not_of("0123456789", digits) == std::string_view::npos;
    }

    // Takes a token; returns true when it may be a day of a named date: one or two digits.
    static bool IsDay(std::string_view token) {
        return token.size() <= 2 && token.find_first_not_of("0123456789") == std::string_view::npos;
    }

    // Takes a token; returns true when it may be a word of a month's name: not a number.
    static bool IsNameWord(std::string_view token) {
        return !token.empty() && !IsDigit(token[0]) && token[0] != '+' && token[0] != '-';
    }

    // Takes a day's number; when a month's name (Hijri, else Solar) and a year follow it,
    // reads the three and returns nothing or what is wrong with them, inside (a name of no month
    // said unknown, with the names near it); returns nothing outside when they do not.
    std::optional<std::optional<std::string>> ReadNamedDate(std::string_view day) {
        if (!IsDay(day)) {
            return std::nullopt;
        }
        Tokens ahead = tokens_;
        std::string name;
        // The longest names run to two words, or three typed with blanks apart.
        for (int words = 1; words <= 3; ++words) {
            const auto word = ahead.Next();
            if (!IsNameWord(word) || FindUnit(word) != nullptr) {
                return std::nullopt;
            }
            name.append(name.empty() ? "" : " ").append(word);
            const auto year = ahead.Peek();
            // The date of a month so named, taken with its year.
            const auto take = [&](int month, DateCalendar calendar) {
                ahead.Next();
                tokens_ = ahead;
                if (moment_.date) {  // the whole date, from its day to its year
                    const std::string_view written(
                        day.data(),
                        static_cast<std::size_t>(year.data() + year.size() - day.data()));
                    return Format(_(": a second date %s"), Quote(written).c_str());
                }
                moment_.date = WrittenDate{*ReadNumber(year), month, *ReadNumber(day)};
                moment_.calendar = calendar;
                return std::string();
            };
            const auto done = [](std::string problem) {
                return problem.empty() ? std::optional<std::string>() : std::optional(problem);
            };
            const auto month = FindMonthName(name, NamedCalendar::Hijri);
            const auto* names = std::get_if<std::vector<std::string_view>>(&month);
            // A Solar month's name where it names no Hijri month: 4 Tir 1405. (Sha is Sha'ban, as
            // tarvand-cal's headers write it.)
            if (const auto solar = FindMonthName(name, NamedCalendar::Solar);
                names != nullptr && std::holds_alternative<int>(solar) && IsYear(year)) {
                return done(take(std::get<int>(solar), DateCalendar::Solar));
            }
            if (names != nullptr && names->empty() && IsNumber(year)) {
                // No month of either calendar: the names that come close, if any.
                std::vector<std::string_view> near = NearMonthNames(name, NamedCalendar::Hijri);
                for (const std::string_view solar : NearMonthNames(name, NamedCalendar::Solar)) {
                    near.push_back(solar);
                }
                return near.empty() ? Format(_(": unknown month %s"), Quote(name).c_str())
                                    : Format(_(": unknown month %s; near it: %s"),
                                             Quote(name).c_str(), ListedNames(near).c_str());
            }
            if (names != nullptr && names->size() > 1 && IsNumber(year)) {
                return Format(_(": ambiguous month %s: %s"), Quote(name).c_str(),
                              ListedNames(*names).c_str());
            }
            if (std::holds_alternative<int>(month) && IsNumber(year) && !IsYear(year)) {
                ahead.Next();
                if (FindUnit(ahead.Peek()) == nullptr) {  // not a count of days or months
                    return Format(_(": year %s of the Hijri month %s is not one of 1 to 9999"),
                                  Quote(year).c_str(), Quote(name).c_str());
                }
                return std::nullopt;
            }
            if (std::holds_alternative<int>(month) && !IsYear(year) &&
                (year.empty() || !FindUnit(year))) {
                return Format(_(": no year after the Hijri month %s"), Quote(name).c_str());
            }
            if (std::holds_alternative<int>(month) && IsYear(year)) {
                return done(take(std::get<int>(month), DateCalendar::Hijri));
            }
        }
        return std::nullopt;
    }

    // A date, with a time and offset after a T: takes its separator and its calendar.
    std::optional<std::string> ReadDate(std::string_view token, char separator,
                                        DateCalendar calendar) {
        std::size_t t = 0;  // the T before a time
        while (t < token.size() && token[t] != 'T' && token[t] != 't') {
            ++t;
        }
        t = t == token.size() ? std::string_view::npos : t;
        const auto date = ReadDateNumbers(token.substr(0, t), separator);
        if (!date) {
            return Shape();
        }
        if (moment_.date) {
            return Format(_(": a second date %s"), Quote(token).c_str());
        }
        moment_.date = date;
        moment_.calendar = calendar;
        return t == std::string_view::npos ? std::nullopt : ReadTime(token.substr(t + 1));
    }

    // A time of day, HH:MM[:SS[.fraction]], with an offset or Z after it.
    std::optional<std::string> ReadTime(std::string_view token) {
        const std::string_view written = token;
        const auto hour = TakeDigits(token, 2);
        if (!hour || !token.starts_with(':')) {
            return _(" (expected HH:MM[:SS])");
        }
        token.remove_prefix(1);
        const auto minute = TakeDigits(token, 2);
        std::optional<std::pair<std::int64_t, std::size_t>> second;
        if (minute && token.starts_with(':')) {
            token.remove_prefix(1);
            second = TakeDigits(token, 2);
            if (!second) {
                return _(" (expected HH:MM[:SS])");
            }
        }
        if (!minute || minute->second != 2 || (second && second->second != 2)) {
            return _(" (expected HH:MM[:SS])");
        }
        const auto fraction = second ? TakeFraction(token) : std::optional(0);
        if (!fraction) {
            return _(" (expected HH:MM[:SS])");
        }
        const int nanosecond = *fraction;
        if (hour->first > 23) {
            return Format(_(": hour %ld"), static_cast<long>(hour->first));
        }
        if (minute->first > 59) {
            return Format(_(": minute %ld"), static_cast<long>(minute->first));
        }
        if (second && second->first > 60) {  // 60: a leap second, read as the next minute
            return Format(_(": second %ld"), static_cast<long>(second->first));
        }
        if (moment_.secondOfDay) {
            return Format(_(": a second time %s"), Quote(written).c_str());
        }
        moment_.secondOfDay = static_cast<int>(hour->first * 3600 + minute->first * 60 +
                                               (second ? second->first : 0));
        moment_.leapSecond = second && second->first == 60;
        moment_.nanosecond = nanosecond;
        moment_.showsTime = true;
        return token.empty() ? std::nullopt : ReadOffsetItem(token);
    }

    // An offset from UTC after a date or time.
    std::optional<std::string> ReadOffsetItem(std::string_view token) {
        const auto offset = ReadOffset(token);
        if (!offset) {
            return Format(_(": offset %s"), Quote(token).c_str());
        }
        if (!moment_.date && !moment_.secondOfDay) {
            return Format(_(": offset %s without a date or time before it"), Quote(token).c_str());
        }
        if (moment_.offset) {
            return Format(_(": a second offset %s"), Quote(token).c_str());
        }
        moment_.offset = offset;
        moment_.showsTime = true;
        return std::nullopt;
    }

    // A word: now, today, yesterday, tomorrow, next/last/this and a unit, a unit, Z, UTC or GMT.
    std::optional<std::string> ReadWord(std::string_view token) {
        if (SameWord(token, "now") || SameWord(token, "today")) {
            moment_.showsTime = moment_.showsTime || SameWord(token, "now");
            return std::nullopt;
        }
        if (SameWord(token, "yesterday") || SameWord(token, "tomorrow")) {
            moment_.days += SameWord(token, "tomorrow") ? 1 : -1;
            return std::nullopt;
        }
        if (SameWord(token, "utc") || SameWord(token, "gmt") || SameWord(token, "z")) {
            return ReadOffsetItem(token);
        }
        const bool next = SameWord(token, "next"), last = SameWord(token, "last");
        if (next || last || SameWord(token, "this")) {
            const auto word = tokens_.Next();
            const Unit* unit = FindUnit(word);
            if (unit == nullptr) {
                return word.empty() ? Format(_(": no unit after %s"), Quote(token).c_str())
                                    : Format(_(": unknown unit %s"), Quote(word).c_str());
            }
            return AddRelative(*unit, next ? 1 : last ? -1 : 0);
        }
        if (const Unit* unit = FindUnit(token)) {
            return AddRelative(*unit, 1);
        }
        return Format(_(": unknown word %s"), Quote(token).c_str());
    }

    // Adds count units, negated by an "ago" after them.
    std::optional<std::string> AddRelative(const Unit& unit, std::int64_t count) {
        if (SameWord(tokens_.Peek(), "ago")) {
            tokens_.Next();
            count = -count;
        }
        moment_.*unit.field += count * unit.size;
        moment_.showsTime = moment_.showsTime || unit.field == &WrittenMoment::seconds;
        return std::nullopt;
    }

    Tokens tokens_;
    DateCalendar plain_;  // the calendar of dates written plain
    bool solar_;          // plain dates are written YYYY/MM/DD
    WrittenMoment moment_;
    bool marked_ = false;    // a Hijri mark stands in the text
    std::string_view mark_;  // the mark, as written
};

// Takes text; returns true when it holds a byte outside ASCII. Eight bytes at a time: it runs for
// every line of a file.
bool HasNonAscii(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + i, 8);
        if ((bytes & 0x8080808080808080u) != 0) {
            return true;
        }
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return true;
        }
    }
    return false;
}

// Takes UTF-8 text; returns it with the marks and spaces that pasted Persian text carries (the
// left-to-right and right-to-left marks, the Arabic letter mark, no-break and narrow spaces) as
// blanks.
std::string MarksAsBlanks(std::string_view text) {
    static constexpr std::string_view Marks[] = {"\u200E", "\u200F", "\u061C", "\u00A0",
                                                 "\u202F", "\u2007", "\u2009"};
    std::string blanked;
    for (std::size_t i = 0; i < text.size();) {
        const auto mark = std::find_if(std::begin(Marks), std::end(Marks), [&](std::string_view m) {
            return text.substr(i).starts_with(m);
        });
        if (mark != std::end(Marks)) {
            blanked += ' ';
            i += mark->size();
        } else {
            blanked += text[i++];
        }
    }
    return blanked;
}

// Takes text and where two digits stand in it; returns their number, or -1 when either is not a
// digit.
int TwoDigits(std::string_view text, std::size_t at) {
    return IsDigit(text[at]) && IsDigit(text[at + 1]) ? (text[at] - '0') * 10 + (text[at + 1] - '0')
                                                      : -1;
}

// Takes text; when it is a date, or a date-time of ISO 8601 as machines write it
// (YYYY-MM-DD[THH:MM[:SS]][Z|+hh[:mm]|+hhmm], a space for the T, or YYYY/MM/DD for Solar dates),
// returns its parts without the general reader; nothing otherwise, and then the general reader
// reads it (and names what is wrong). Most lines of a file are of this form.
std::optional<WrittenMoment> ReadIsoMoment(std::string_view text, bool solar) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    const char separator = solar ? '/' : '-';
    if (text.size() < 10 || text[4] != separator || text[7] != separator) {
        return std::nullopt;
    }
    const int century = TwoDigits(text, 0), year = TwoDigits(text, 2), month = TwoDigits(text, 5),
              day = TwoDigits(text, 8);
    if (century < 0 || year < 0 || month < 0 || day < 0) {
        return std::nullopt;
    }
    WrittenMoment moment;
    moment.date = WrittenDate{century * 100 + year, month, day};
    text.remove_prefix(10);
    if (text.empty()) {
        return moment;
    }
    if (text.size() < 6 || (text[0] != 'T' && text[0] != ' ') || text[3] != ':') {
        return std::nullopt;
    }
    const int hour = TwoDigits(text, 1), minute = TwoDigits(text, 4);
    int second = 0;
    text.remove_prefix(6);
    if (!text.empty() && text[0] == ':') {
        second = text.size() >= 3 ? TwoDigits(text, 1) : -1;
        text.remove_prefix(std::min<std::size_t>(3, text.size()));
    }
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    moment.secondOfDay = hour * 3600 + minute * 60 + second;
    moment.showsTime = true;
    if (text.empty()) {
        return moment;
    }
    if (text == "Z" || text == "z") {
        moment.offset = 0;
        return moment;
    }
    if ((text[0] != '+' && text[0] != '-') || text.size() < 3) {
        return std::nullopt;
    }
    const int hours = TwoDigits(text, 1);
    int minutes = 0;
    if (text.size() == 6 && text[3] == ':') {
        minutes = TwoDigits(text, 4);
    } else if (text.size() == 5) {
        minutes = TwoDigits(text, 3);
    } else if (text.size() != 3) {
        return std::nullopt;
    }
    const int offset = hours * 3600 + minutes * 60;
    if (hours < 0 || minutes < 0 || minutes > 59 || offset > MaxOffset) {
        return std::nullopt;
    }
    moment.offset = text[0] == '-' ? -offset : offset;
    return moment;
}

}  // namespace

std::variant<WrittenMoment, std::string> ParseMoment(std::string_view text, DateCalendar plain) {
    if (auto iso = ReadIsoMoment(text, plain != DateCalendar::Gregorian)) {
        iso->calendar = plain;
        return *iso;
    }
    if (HasNonAscii(text)) {
        const std::string ascii = AsciiDigits(MarksAsBlanks(text));
        return MomentReader(ascii, plain).Read();
    }
    return MomentReader(text, plain).Read();
}

}  // namespace tarvand
