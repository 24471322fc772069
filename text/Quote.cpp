#include "Quote.h"

#include <cstdio>

#include "Messages.h"

namespace tarvand {

namespace {

// How much of the text a message quotes.
constexpr std::size_t QuotedBytes = 60;

// Takes a lead byte; returns the length of the UTF-8 sequence it starts, or 0 when it starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Takes text and an index; returns the length of the well-formed UTF-8 character there, or 0.
std::size_t CharacterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text[at + 1 < text.size() ? at + 1 : at]);
    const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    const bool outside = (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);
    const bool control = lead == 0xC2 && second < 0xA0;  // U+0080 to U+009F, the C1 controls
    return length > 1 && (overlong || outside || control) ? 0 : length;
}

// Takes a byte; returns its C escape letter, or 0 when it has none.
char EscapeLetter(unsigned char byte) {
    switch (byte) {
        case '\a':
            return 'a';
        case '\b':
            return 'b';
        case '\f':
            return 'f';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\t':
            return 't';
        case '\v':
            return 'v';
        case '\\':
            return '\\';
        case '\'':
            return '\'';
        default:
            return 0;
    }
}

// Takes a well-formed UTF-8 character; returns its code point.
char32_t CodePoint(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead;
    }
    char32_t point = lead & (0x7F >> character.size());
    for (std::size_t i = 1; i < character.size(); ++i) {
        point = (point << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    }
    return point;
}

// Takes a code point; returns true for those that cannot be seen, or that reorder or break the
// line: Unicode's format characters (general category Cf) but the zero-width non-joiner, which
// Persian words are written with, and the line and paragraph separators and noncharacters. Text
// from the user's files that holds one is not shown as it is, and a message quotes it escaped.
bool IsUnseen(char32_t c) {
    return c == 0xAD || c == 0x61C || c == 0x6DD || c == 0x70F || c == 0x180E ||
           (c >= 0x600 && c <= 0x605) || c == 0x200B || (c >= 0x200D && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) ||
           c == 0xFFFE || c == 0xFFFF || c == 0x110BD || c == 0x110CD ||
           (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A) || c == 0xE0001 ||
           (c >= 0xE0020 && c <= 0xE007F);
}

// Takes a code point; returns true for the spaces other than U+0020, which a message shows
// escaped so that they can be told apart from it.
bool IsOtherSpace(char32_t c) {
    return c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Takes text, how many of its bytes to quote at the most and whether to use the quotation marks
// of the messages' language (plain single quotes otherwise); returns it quoted.
std::string QuoteUpTo(std::string_view text, std::size_t most, bool translated = true) {
    // TRANSLATORS: the marks around what the user wrote; a language written right to left may
    // put a first-strong isolate (U+2068) inside, and a pop (U+2069) before the closing mark.
    std::string quoted = translated ? C_("opening quotation mark", "'") : "'";
    std::size_t at = 0;
    while (at < text.size() && at < most) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = CharacterAt(text, at);
        if (const char letter = EscapeLetter(byte)) {
            quoted += '\\';
            quoted += letter;
        } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", byte);
            quoted += octal;
        } else {
            const char32_t point = CodePoint(text.substr(at, length));
            if (IsUnseen(point) || IsOtherSpace(point)) {
                char escape[16];
                std::snprintf(escape, sizeof escape, point > 0xFFFF ? "\\U%08X" : "\\u%04X",
                              static_cast<unsigned>(point));
                quoted += escape;
            } else {
                quoted.append(text.substr(at, length));
            }
            at += length;
            continue;
        }
        ++at;
    }
    quoted += translated ? C_("closing quotation mark", "'") : "'";
    if (at < text.size()) {
        quoted += "...";
    }
    return quoted;
}

}  // namespace

std::string Quote(std::string_view text) { return QuoteUpTo(text, QuotedBytes); }

std::string QuoteName(std::string_view name) { return QuoteUpTo(name, name.size()); }

std::string NameBeforeLine(std::string_view name) {
    const std::string quoted = QuoteUpTo(name, name.size(), false);
    const bool plain =
        quoted.size() == name.size() + 2 && quoted.compare(1, name.size(), name) == 0;
    return plain ? std::string(name) : QuoteName(name);
}

bool IsPlainText(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = CharacterAt(text, at);
        if (length == 0 || (byte < 0x20 && byte != '\t') || byte == 0x7F ||
            (length > 1 && IsUnseen(CodePoint(text.substr(at, length))))) {
            return false;
        }
        at += length;
    }
    return true;
}

}  // namespace tarvand
