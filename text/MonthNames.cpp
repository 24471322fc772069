#include "MonthNames.h"

#include <array>
#include <span>

#include "Messages.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"

namespace tarvand {

std::string FoldedName(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\u064A")) {  // Arabic yeh
            folded += "\u06CC";
            ++i;
        } else if (rest.starts_with("\u0643")) {  // Arabic kaf
            folded += "\u06A9";
            ++i;
        } else if (rest.starts_with("\u200C") || rest.starts_with("\u2019")) {
            i += 2;  // zero-width non-joiner, right single quotation mark: three bytes each
        } else if (const char c = text[i]; c != '\'' && c != '-' && c != ' ' && c != '`') {
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
    static constexpr std::array<const Names*, 2> Hijri{&LatinHijriMonthNames, &HijriMonthNames};
    const std::span<const Names* const> lists = calendar == NamedCalendar::Solar
                                                    ? std::span<const Names* const>(Solar)
                                                    : std::span<const Names* const>(Hijri);
    const std::string wanted = FoldedName(text);
    std::vector<std::string_view> started;
    int startedMonth = 0;
    bool oneMonth = true;
    for (int month = 1; month <= 12; ++month) {
        for (const Names* list : lists) {
            const std::string_view name = (*list)[static_cast<std::size_t>(month - 1)];
            const std::string folded = FoldedName(name);
            if (!wanted.empty() && folded == wanted) {
                return month;
            }
            if (!wanted.empty() && std::string_view(folded).starts_with(wanted)) {
                oneMonth = oneMonth && (startedMonth == 0 || startedMonth == month);
                startedMonth = month;
                started.push_back(name);
            }
        }
    }
    if (!started.empty() && oneMonth) {
        return startedMonth;
    }
    return started;
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
