#include "MonthNames.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <utility>

#include "Messages.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"

namespace tarvand {

namespace {

// Takes text and a place in it; returns the length of the UTF-8 character there that a name is
// read without (Arabic vowel marks and shadda, the superscript alef, the tatweel, the zero-width
// non-joiner, the marks of ayn and hamza in Latin transliteration, quotation marks), or 0.
std::size_t Unread(std::string_view rest) {
    for (const std::string_view mark :
         {"\u064B", "\u064C", "\u064D", "\u064E", "\u064F", "\u0650", "\u0651", "\u0652", "\u0670",
          "\u0640", "\u200C", "\u02BF", "\u02BE", "\u02BB", "\u2018", "\u2019"}) {
        if (rest.starts_with(mark)) {
            return mark.size();
        }
    }
    return 0;
}

// Takes text at a letter; returns the letter as names are compared, with its length, or nothing.
std::optional<std::pair<std::string_view, std::size_t>> Alike(std::string_view rest) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> Letters{{
        {"\u06F1", "1"},  // Persian digits one and two, as in the short forms
        {"\u06F2", "2"},
        {"\u0661", "1"},  // Arabic-Indic ones
        {"\u0662", "2"},
        {"\u064A", "\u06CC"},  // Arabic yeh, as Persian types it
        {"\u0649", "\u06CC"},  // alef maksura
        {"\u0643", "\u06A9"},  // Arabic kaf
        {"\u0629", "\u0647"},  // teh marbuta, as heh
        {"\u0623", "\u0627"},  // alef with hamza above
        {"\u0625", "\u0627"},  // alef with hamza below
        {"\u0622", "\u0627"},  // alef with madda
        {"\u06C0", "\u0647"},  // heh with yeh above
    }};
    for (const auto& [written, read] : Letters) {
        if (rest.starts_with(written)) {
            return std::pair(read, written.size());
        }
    }
    return std::nullopt;
}

// Other spellings of the Hijri months that people write, Latin and Persian or Arabic: Iran's
// Persian forms, the Arabic ones, and common transliterations; one list a month.
constexpr std::array<std::array<std::string_view, 4>, 12> HijriSpellings{{
    {"Moharram", "Muharrem", "", ""},
    {"Safer", "", "", ""},
    {"Rabi al-Awwal", "Rabi I",
     "\u0631\u0628\u06CC\u0639\u200C\u0627\u0644\u0627\u0648\u0644\u06CC", ""},
    {"Rabi al-Akhir", "Rabi II", "Rabi al-Thani",
     "\u0631\u0628\u06CC\u0639\u200C\u0627\u0644\u0622\u062E\u0631"},
    {"Jumada al-Ula", "Jumada I",
     "\u062C\u0645\u0627\u062F\u06CC\u200C\u0627\u0644\u0627\u0648\u0644\u06CC", ""},
    {"Jumada al-Akhirah", "Jumada II",
     "\u062C\u0645\u0627\u062F\u06CC\u200C\u0627\u0644\u0622\u062E\u0631",
     "\u062C\u0645\u0627\u062F\u06CC\u200C\u0627\u0644\u062B\u0627\u0646\u06CC\u0647"},
    {"Rajjab", "", "", ""},
    {"Shaban", "", "", ""},
    {"Ramazan", "Ramadhan", "", ""},
    {"Shavval", "", "", ""},
    {"Dhul-Qadah", "Dhu al-Qi'dah", "Zulqadah", "\u0630\u0648\u0627\u0644\u0642\u0639\u062F\u0647"},
    {"Dhul-Hijjah", "Dhu al-Hijja", "Zulhijjah", "\u0630\u0648\u0627\u0644\u062D\u062C\u0647"},
}};

}  // namespace

std::string FoldedName(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        // The first or the second of a pair, as short forms write it: Rab I, Jum II, ربیع ۱.
        const auto numeral = [&rest](std::string_view roman) {
            return rest.starts_with(roman) &&
                   (rest.size() == roman.size() || rest[roman.size()] == ' ');
        };
        if (numeral(" II")) {
            folded += '2';
            i += 3;
        } else if (numeral(" I")) {
            folded += '1';
            i += 2;
        } else if (const std::size_t skipped = Unread(rest)) {
            i += skipped;
        } else if (const auto letter = Alike(rest)) {
            folded += letter->first;
            i += letter->second;
        } else if (const char c = text[i++];
                   c != '\'' && c != '-' && c != ' ' && c != '`' && c != '.') {
            folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return folded;
}

std::variant<int, std::vector<std::string_view>> FindMonthName(std::string_view text,
                                                               NamedCalendar calendar) {
    using Names = std::array<std::string_view, 12>;
    static constexpr std::array<const Names*, 4> Solar{&LatinMonthNames, &LatinAfghanMonthNames,
                                                       &PersianMonthNames, &AfghanMonthNames};
    static constexpr std::array<const Names*, 4> Hijri{
        &LatinHijriMonthNames, &HijriMonthNames, &ShortLatinHijriMonthNames, &ShortHijriMonthNames};
    const std::span<const Names* const> lists = calendar == NamedCalendar::Solar
                                                    ? std::span<const Names* const>(Solar)
                                                    : std::span<const Names* const>(Hijri);
    const std::string wanted = FoldedName(text);
    std::vector<std::string_view> started;
    int startedMonth = 0;
    bool oneMonth = true;
    for (int month = 1; month <= 12; ++month) {
        std::vector<std::string_view> names;
        for (const Names* list : lists) {
            names.push_back((*list)[static_cast<std::size_t>(month - 1)]);
        }
        if (calendar == NamedCalendar::Hijri) {  // other spellings, read as exactly
            for (const std::string_view other :
                 HijriSpellings[static_cast<std::size_t>(month - 1)]) {
                if (!other.empty() && !wanted.empty() && FoldedName(other) == wanted) {
                    return month;
                }
            }
        }
        for (const std::string_view name : names) {
            const std::string folded = FoldedName(name);
            if (!wanted.empty() && folded == wanted) {
                return month;
            }
            if (!wanted.empty() && std::string_view(folded).starts_with(wanted)) {
                oneMonth = oneMonth && (startedMonth == 0 || startedMonth == month);
                // A month's short form is not listed beside its name.
                const bool shortForm = name == ShortLatinHijriMonthNames[month - 1] ||
                                       name == ShortHijriMonthNames[month - 1];
                if (!shortForm || startedMonth != month || started.empty()) {
                    started.push_back(name);
                }
                startedMonth = month;
            }
        }
    }
    if (!started.empty() && oneMonth) {
        return startedMonth;
    }
    return started;
}

std::vector<std::string_view> NearMonthNames(std::string_view text, NamedCalendar calendar) {
    // Takes two texts; returns how many letters (bytes) one must change, add or drop to make one
    // the other.
    const auto distance = [](std::string_view a, std::string_view b) {
        std::vector<std::size_t> row(b.size() + 1);
        for (std::size_t j = 0; j <= b.size(); ++j) {
            row[j] = j;
        }
        for (std::size_t i = 1; i <= a.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= b.size(); ++j) {
                const std::size_t above = row[j];
                row[j] = std::min(
                    {row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
                diagonal = above;
            }
        }
        return row[b.size()];
    };
    const std::string wanted = FoldedName(text);
    using Names = std::array<std::string_view, 12>;
    const Names& latin = calendar == NamedCalendar::Hijri ? LatinHijriMonthNames : LatinMonthNames;
    const Names& own = calendar == NamedCalendar::Hijri ? HijriMonthNames : PersianMonthNames;
    std::vector<std::string_view> near;
    for (std::size_t month = 0; month < 12; ++month) {
        for (const std::string_view name : {latin[month], own[month]}) {
            const std::string folded = FoldedName(name);
            // A letter or two apart, or a few in a long name; and never one name for another.
            const std::size_t most = std::max<std::size_t>(2, folded.size() / 4);
            if (!wanted.empty() && distance(wanted, folded) <= most) {
                near.push_back(latin[month]);
                break;
            }
        }
    }
    return near;
}

std::string ListedNames(const std::vector<std::string_view>& names) {
    std::string listed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // TRANSLATORS: between the last two names of a list, "A, B or C".
        listed += i == 0 ? "" : i + 1 == names.size() ? _(" or ") : _(", ");
        // TRANSLATORS: a name in such a list; a language written right to left may isolate it
        // (U+2068 ... U+2069), as the name may be in Latin letters.
        listed += Format(C_("a name in a list", "%s"), std::string(names[i]).c_str());
    }
    return listed;
}

}  // namespace tarvand
