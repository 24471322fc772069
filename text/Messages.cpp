#include "Messages.h"

#include <libintl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

#ifndef TARVAND_LOCALEDIR
#error "the build defines TARVAND_LOCALEDIR, where the catalogues are installed"
#endif

namespace tarvand {

namespace {

constexpr const char* Domain = "tarvand";
constexpr const char* HeaderEntry = "";  // the message whose translation is the header

// Whether the program uses translations, and whether the catalogue has been bound yet: that
// waits for the first message, so that a run that says nothing (most runs) pays nothing for it.
bool wanted = false;
bool bound = false;

// Returns where the catalogues are for this program, found from its own place: share/locale
// beside the folder it is installed in (/usr/bin/../share/locale, ~/.local/bin/../share/locale),
// else the build tree's locale folder beside the program's own; else where it was configured to
// be installed.
std::string CatalogueFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        for (const char* beside : {"../share/locale", "../locale"}) {
            const std::filesystem::path folder = program.parent_path() / beside;
            if (std::filesystem::is_directory(folder, error)) {
                return folder.lexically_normal().string();
            }
        }
    }
    return TARVAND_LOCALEDIR;
}

// Binds the catalogue the first time a message is looked up, when the program uses translations.
void Bind() {
    if (bound || !wanted) {
        return;
    }
    bound = true;
    std::setlocale(LC_MESSAGES, "");
    const char* folder = std::getenv("TARVAND_LOCALEDIR");
    const std::string found = folder != nullptr && *folder != '\0' ? folder : CatalogueFolder();
    bindtextdomain(Domain, found.c_str());
    bind_textdomain_codeset(Domain, "UTF-8");
}

// Whether the messages' language is written right to left.
bool RightToLeft() {
    static const bool rightToLeft = [] {
        const std::string language = MessagesLanguage().substr(0, 2);
        return language == "fa" || language == "ar" || language == "he" || language == "ur";
    }();
    return rightToLeft;
}

// Takes UTF-8 text; returns whether it holds a letter of a script written right to left (Hebrew,
// Arabic and Persian, U+05D0 to U+06FF: lead bytes 0xD7 to 0xDB).
bool HasRightToLeftLetter(std::string_view text) {
    for (const char c : text) {
        if (const auto byte = static_cast<unsigned char>(c); byte >= 0xD7 && byte <= 0xDB) {
            return true;
        }
    }
    return false;
}

// Takes a line of help; returns whether a terminal with bidi lays it out right to left: whether
// its first strong letter, outside isolates, is Hebrew or Arabic script (or a right-to-left mark)
// rather than Latin (or a left-to-right mark).
bool LaidRightToLeft(std::string_view line) {
    int isolates = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::string_view rest = line.substr(i);
        if (rest.starts_with("\u2066") || rest.starts_with("\u2067") ||
            rest.starts_with("\u2068")) {
            ++isolates;
        } else if (rest.starts_with("\u2069")) {
            isolates = isolates > 0 ? isolates - 1 : 0;
        } else if (isolates == 0 && rest.starts_with("\u200e")) {
            return false;
        } else if (isolates == 0 && rest.starts_with("\u200f")) {
            return true;
        } else if (isolates == 0 && std::isalpha(static_cast<unsigned char>(line[i])) != 0) {
            return false;
        } else if (isolates == 0 && HasRightToLeftLetter(rest.substr(0, 1))) {
            return true;
        }
    }
    return false;
}

// Takes a line of help laid out left to right; returns it with each of its columns (the parts
// apart by two blanks or more) that has right-to-left letters as a right-to-left isolate.
std::string IsolateColumns(std::string_view line) {
    std::string out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        out.append(line.substr(at, start == std::string_view::npos ? line.npos : start - at));
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find("  ", start);
        end = end == std::string_view::npos ? line.size() : end;
        const std::string_view column = line.substr(start, end - start);
        if (HasRightToLeftLetter(column)) {
            out.append("\u2067").append(column).append("\u2069");  // RLI ... PDI
        } else {
            out.append(column);
        }
        at = end;
    }
    return out;
}

// Takes a line of help laid out right to left; returns it with each run of its words in Latin
// letters (a program's path, say) as a left-to-right isolate, so that its slashes stay with it.
std::string IsolateLatinWords(std::string_view line) {
    const auto latin = [](std::string_view word) {
        return !word.empty() && !HasRightToLeftLetter(word) && word.find("\u2066") == word.npos &&
               word.find("\u2067") == word.npos && word.find("\u2068") == word.npos &&
               word.find("\u2069") == word.npos &&
               std::any_of(word.begin(), word.end(),
                           [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
    };
    std::string out;
    bool within = false;
    int depth = 0;  // isolates open before the word: a word inside one is left as it is
    while (true) {
        const std::size_t end = std::min(line.find(' '), line.size());
        const std::string_view word = line.substr(0, end);
        const bool isLatin = depth == 0 && latin(word);
        for (std::size_t at = 0; at + 3 <= word.size(); ++at) {
            const std::string_view mark = word.substr(at, 3);
            depth += mark == "\u2066" || mark == "\u2067" || mark == "\u2068" ? 1 : 0;
            depth -= mark == "\u2069" && depth > 0 ? 1 : 0;
        }
        if (isLatin && !within) {
            out += "\u2066";  // LRI
        } else if (!isLatin && within) {
            out.insert(out.size() - 1, "\u2069");  // PDI, before the blank
        }
        within = isLatin;
        out.append(word);
        if (end == line.size()) {
            break;
        }
        out += ' ';
        line.remove_prefix(end + 1);
    }
    if (within) {
        out += "\u2069";
    }
    return out;
}

}  // namespace

void UseTranslations() { wanted = true; }

const char* Translated(const char* english) {
    Bind();
    return dgettext(Domain, english);
}

const char* TranslatedIn(const char* keyed, const char* english) {
    Bind();
    const char* translated = dgettext(Domain, keyed);
    return translated == keyed ? english : translated;
}

const char* SystemError(int number) {
    // The system's words for what goes wrong with a file a user names, from the catalogue where it
    // has them (the C library has no Persian); else, and for any other, as the C library words
    // them in the messages' locale.
    const char* english = nullptr;
    switch (number) {
        case ENOENT:
            english = N_("No such file or directory");
            break;
        case EACCES:
            english = N_("Permission denied");
            break;
        case EISDIR:
            english = N_("Is a directory");
            break;
        case ENOTDIR:
            english = N_("Not a directory");
            break;
        case ELOOP:
            english = N_("Too many levels of symbolic links");
            break;
        default:
            break;
    }
    if (english != nullptr) {
        if (const char* translated = Translated(english); translated != english) {
            return translated;
        }
    }
    Bind();
    return std::strerror(number);
}

std::string Format(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

std::string MessageLine(std::string_view program, std::string_view message) {
    std::string line(program);
    line += ": ";
    if (RightToLeft()) {
        line.append("\u2067").append(message).append("\u2069");  // RLI ... PDI
    } else {
        line += message;
    }
    return line;
}

std::string MessagesLanguage() {
    Bind();
    // The empty message gives the catalogue's header, with a line "Language: fa".
    const std::string_view header = dgettext(Domain, HeaderEntry);
    const std::size_t at = header.find("Language: ");
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = header.substr(at + 10);
    return std::string(rest.substr(0, rest.find('\n')));
}

std::string FileLine(std::string_view file, long line) {
    std::string text;
    if (RightToLeft()) {
        text += "\u2066";  // LRI
    }
    text.append(file).append(":").append(std::to_string(line));
    if (RightToLeft()) {
        text += "\u2069";  // PDI
    }
    return text;
}

std::string HelpLines(std::string_view text) {
    if (!RightToLeft()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        out.append(LaidRightToLeft(line) ? IsolateLatinWords(line) : IsolateColumns(line));
        if (end < text.size()) {
            out += '\n';
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return out;
}

}  // namespace tarvand
