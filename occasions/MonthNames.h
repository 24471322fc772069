// Month names as people type them: in any case, Persian with the Arabic or the Persian yeh and
// kaf, Latin with or without the apostrophes, hyphens and blanks of its spelling (Rabi' al-awwal,
// rabi al awwal, rabialawwal), or any start of a name that names a single month.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvand {

// Twelve names of one kind, the first month's first.
using MonthNameList = std::array<std::string_view, 12>;

// Takes text; returns it as names are compared: ASCII letters in lower case, the Arabic yeh and
// kaf as Persian types them (U+06CC, U+06A9), without apostrophes, hyphens, blanks and zero-width
// non-joiners.
std::string FoldedName(std::string_view text);

// Takes a name as written and the lists of names to look in; returns its month, 1 to 12, when it
// is a name or the start of names of one month only; otherwise the names it starts, empty when
// none (unknown) and more than one month's when it is ambiguous.
std::variant<int, std::vector<std::string_view>> FindMonthName(
    std::string_view text, std::initializer_list<const MonthNameList*> lists);

// Takes names; returns them listed for a message: "A", "A or B", "A, B or C".
std::string ListedNames(const std::vector<std::string_view>& names);

}  // namespace tarvand
