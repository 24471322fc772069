#include "Messages.h"

#include <libintl.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifndef TARVAND_LOCALEDIR
#error "the build defines TARVAND_LOCALEDIR, where the catalogues are installed"
#endif

namespace tarvand {

namespace {

constexpr const char* Domain = "tarvand";
constexpr const char* HeaderEntry = "";  // the message whose translation is the header

}  // namespace

void UseTranslations() {
    std::setlocale(LC_MESSAGES, "");
    const char* folder = std::getenv("TARVAND_LOCALEDIR");
    bindtextdomain(Domain, folder != nullptr && *folder != '\0' ? folder : TARVAND_LOCALEDIR);
    bind_textdomain_codeset(Domain, "UTF-8");
}

const char* Translated(const char* english) { return dgettext(Domain, english); }

const char* TranslatedIn(const char* keyed, const char* english) {
    const char* translated = dgettext(Domain, keyed);
    return translated == keyed ? english : translated;
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

std::string MessagesLanguage() {
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
