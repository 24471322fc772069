// Quoting what the user gave for a message: one line, short, and safe on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace tarvand {

// Takes text from the user (a line, a date); returns it in single quotes, as GNU tools quote in
// the C locale: control characters as C escapes (\n, \t, \033), bytes that are not UTF-8 in
// octal (\377), a quote or backslash escaped, and characters that cannot be seen or that reorder
// or break the line (format characters such as U+200F and U+FEFF, the zero-width non-joiner of
// Persian words aside; line and paragraph separators) and spaces other than U+0020 as \u200F. Past 60 bytes the text is cut at a character's start and
// "..." follows the closing quote.
std::string Quote(std::string_view text);

// The same for a name the user must be able to tell apart from others, a file's: never cut.
std::string QuoteName(std::string_view name);

// Takes a file's name; returns it as GNU tools put it before a line number ("FILE:12: ..."):
// bare, unless it needs quoting to be safe on one line.
std::string NameBeforeLine(std::string_view name);

// Takes text from a file, to be shown or exported; returns true when it is well-formed UTF-8 with
// no control character but the tab (none of U+0000 to U+001F, U+007F, U+0080 to U+009F) and none
// of the characters that cannot be seen or that reorder or break the line, which Quote escapes
// (format characters such as U+200F, U+FEFF and the direction controls, the zero-width non-joiner
// aside; line and paragraph separators), so that it can reach a terminal or an iCalendar file as
// it is.
bool IsPlainText(std::string_view text);

}  // namespace tarvand
