// How wide text stands on a terminal, for the commands' columns.
#pragma once

#include <string_view>

namespace tarvand {

// The Persian marks: U+200E, the left-to-right mark.
inline constexpr std::string_view LeftToRightMark = "\u200E";

// Takes UTF-8 text without escapes; returns the columns a terminal gives it: one a character, none
// for the left-to-right mark and the zero-width non-joiner.
int DisplayWidth(std::string_view text);

}  // namespace tarvand
