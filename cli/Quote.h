// Quoting what the user gave for a message: one line, short, and safe on a terminal.
#pragma once

#include <string>
#include <string_view>

namespace tarvand {

// Takes text from the user (a line, a date, a file name); returns it in single quotes, as GNU
// tools quote in the C locale: control characters as C escapes (\n, \t, \033), bytes that are not
// UTF-8 in octal (\377), a quote or backslash escaped. Past 60 bytes the text is cut at a
// character's start and "..." follows the closing quote.
std::string Quote(std::string_view text);

}  // namespace tarvand
