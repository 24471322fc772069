// Month names as people type them: in any case, Persian with the Arabic or the Persian yeh and
// kaf, Latin with or without the apostrophes, hyphens and blanks of its spelling (Rabi' al-awwal,
// rabi al awwal, rabialawwal), or any start of a name that names a single month.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvand {

// The calendars whose months are named: the Solar months, Iranian or Afghan, and the Hijri ones.
enum class NamedCalendar { Solar, Hijri };

// Takes text; returns it as names are compared: ASCII letters in lower case, the Arabic yeh and
// kaf as Persian types them (U+06CC, U+06A9), the Arabic forms of alef, yeh and heh as Persian
// writes them, without Arabic vowel marks and shadda, apostrophes and the marks of ayn and hamza,
// hyphens, dots, blanks and zero-width non-joiners.
std::string FoldedName(std::string_view text);

// Takes a name as written and its calendar (the Solar months' names in Latin and Persian letters,
// Iranian and Afghan; the Hijri months' in Latin and Persian letters); returns its month, 1 to 12,
// when it is a name or the start of names of one month only; otherwise the names it starts,
// empty when none (unknown) and more than one month's when it is ambiguous.
std::variant<int, std::vector<std::string_view>> FindMonthName(std::string_view text,
                                                               NamedCalendar calendar);

// Takes a name as written that names no month, and its calendar; returns the months' names (in
// Latin letters) that come close to it, a letter or two apart: none when none does.
std::vector<std::string_view> NearMonthNames(std::string_view text, NamedCalendar calendar);

// Takes names; returns them listed for a message: "A", "A or B", "A, B or C".
std::string ListedNames(const std::vector<std::string_view>& names);

}  // namespace tarvand
