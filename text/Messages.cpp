#include "Messages.h"

#include <libintl.h>

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
    static const bool rightToLeft = [] {
        const std::string language = MessagesLanguage().substr(0, 2);
        return language == "fa" || language == "ar" || language == "he" || language == "ur";
    }();
    if (rightToLeft) {
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

}  // namespace tarvand
