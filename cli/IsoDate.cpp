#include "IsoDate.h"

#include <charconv>

namespace tarvand {

namespace {

constexpr std::string_view Blanks = " \t\r\n\v\f";

// Takes text; returns it without leading and trailing blanks.
std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// Takes text and the allowed count of digits; reads the number at its front, drops it from the
// text and returns its value, or nothing when the front holds no number of that many digits.
std::optional<unsigned> TakeNumber(std::string_view& text, std::size_t minDigits,
                                   std::size_t maxDigits) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const auto digits = static_cast<std::size_t>(end - text.data());
    if (error != std::errc{} || digits < minDigits || digits > maxDigits) {
        return std::nullopt;
    }
    text.remove_prefix(digits);
    return value;
}

// Takes text and a character; drops the character from the front and returns true if it is there.
bool TakeChar(std::string_view& text, char expected) {
    if (text.empty() || text.front() != expected) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<std::chrono::year_month_day> ParseIsoDate(std::string_view text) {
    text = Trim(text);
    const auto year = TakeNumber(text, 4, 4);
    if (!year || !TakeChar(text, '-')) {
        return std::nullopt;
    }
    const auto month = TakeNumber(text, 1, 2);
    if (!month || !TakeChar(text, '-')) {
        return std::nullopt;
    }
    const auto day = TakeNumber(text, 1, 2);
    if (!day || !text.empty()) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(*year)},
                                           std::chrono::month{*month}, std::chrono::day{*day}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

}  // namespace tarvand
