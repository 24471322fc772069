#include "DateText.h"

#include <charconv>

namespace tarvand {

namespace {

constexpr std::string_view Blanks = " \t\r\n\v\f";

// Takes text and the allowed count of digits; reads the number at its front, drops it from the
// text and returns its value, or nothing when the front holds no number of that many digits.
std::optional<int> TakeNumber(std::string_view& text, std::size_t minDigits,
                              std::size_t maxDigits) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;  // from_chars would take a sign
    }
    int value = 0;
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

// Takes text and a separator; reads year, month and day written Y{4} sep M{1,2} sep D{1,2}.
std::optional<WrittenDate> ParseThreeNumbers(std::string_view text, char separator) {
    const std::string ascii = AsciiDigits(text);
    text = TrimBlanks(ascii);
    const auto year = TakeNumber(text, 4, 4);
    if (!year || !TakeChar(text, separator)) {
        return std::nullopt;
    }
    const auto month = TakeNumber(text, 1, 2);
    if (!month || !TakeChar(text, separator)) {
        return std::nullopt;
    }
    const auto day = TakeNumber(text, 1, 2);
    if (!day || !text.empty()) {
        return std::nullopt;
    }
    return WrittenDate{*year, *month, *day};
}

}  // namespace

std::string AsciiDigits(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        // U+06F0..U+06F9 are DB B0..DB B9 in UTF-8; U+0660..U+0669 are D9 A0..D9 A9.
        if (lead == 0xDB && next >= 0xB0 && next <= 0xB9) {
            ascii += static_cast<char>('0' + (next - 0xB0));
            ++i;
        } else if (lead == 0xD9 && next >= 0xA0 && next <= 0xA9) {
            ascii += static_cast<char>('0' + (next - 0xA0));
            ++i;
        } else {
            ascii += text[i];
        }
    }
    return ascii;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::optional<int> ReadNumber(std::string_view text) {
    const std::string ascii = AsciiDigits(text);
    std::string_view rest = ascii;
    const auto number = TakeNumber(rest, 1, ascii.size());
    return rest.empty() ? number : std::nullopt;
}

std::optional<WrittenDate> ParseIsoDate(std::string_view text) {
    return ParseThreeNumbers(text, '-');
}

std::optional<WrittenDate> ParseSolarDate(std::string_view text) {
    return ParseThreeNumbers(text, '/');
}

}  // namespace tarvand
