#include "UserPlace.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Messages.h"
#include "PlaceList.h"
#include "Quote.h"

namespace tarvand {

namespace {

// Takes text; returns the number it is, decimal with an optional sign, or nothing.
std::optional<double> ReadDegrees(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || text.empty() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Takes a city of the list; returns it named in the language asked for, in its own zone.
NamedPlace Named(const KnownPlace& known, bool persianNames) {
    return {known.place, std::string(persianNames ? known.persian : known.name),
            std::string(known.zone)};
}

}  // namespace

std::optional<Place> ReadPlace(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    const auto latitude = ReadDegrees(text.substr(0, comma));
    const auto longitude = ReadDegrees(text.substr(comma + 1));
    if (!latitude || !longitude || std::abs(*latitude) > 90 || std::abs(*longitude) > 180) {
        return std::nullopt;
    }
    return Place{*latitude, *longitude};
}

std::string CoordinatesName(const Place& place) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f%c %.4f%c", std::abs(place.latitude),
                  place.latitude < 0 ? 'S' : 'N', std::abs(place.longitude),
                  place.longitude < 0 ? 'W' : 'E');
    return text;
}

PlaceChoice PlaceWritten(std::string_view written, bool persianNames) {
    if (const auto place = ReadPlace(written)) {
        return NamedPlace{*place, CoordinatesName(*place), ""};
    }
    const auto found = FindPlace(written);
    if (const auto* known = std::get_if<const KnownPlace*>(&found)) {
        return Named(**known, persianNames);
    }
    const auto& names = std::get<std::vector<std::string_view>>(found);
    const std::string quoted = Quote(std::string(written));
    if (names.empty()) {
        return Format(_("unknown city %s (see --list-cities)"), quoted.c_str());
    }
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += std::string(i == 0                  ? ""
                            : i + 1 == names.size() ? _(" or ")
                                                    : _(", ")) +
                Quote(std::string(names[i]));
    }
    return Format(_("ambiguous city %s: %s"), quoted.c_str(), list.c_str());
}

std::string UserPlaceFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path folder =
        config != nullptr && *config == '/'
            ? std::filesystem::path(config)
            : std::filesystem::path(home != nullptr ? home : "") / ".config";
    return (folder / "tarvand" / "place").string();
}

PlaceChoice UserPlace(const std::string& file, bool persianNames) {
    std::ifstream in(file);
    std::string line;
    if (in && std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        // LAT,LON may be followed by a name, for the reader of the file.
        if (const auto place = ReadPlace(line.substr(0, line.find_first_of(" \t")))) {
            return NamedPlace{*place, CoordinatesName(*place), ""};
        }
        return PlaceWritten(line, persianNames);
    }
    std::string zone;
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        zone = tz[0] == ':' ? tz + 1 : tz;
    } else {
        std::error_code error;
        zone = std::filesystem::read_symlink("/etc/localtime", error).string();
    }
    for (const std::string_view capitalZone : {"Asia/Tehran", "Asia/Kabul"}) {
        if (zone.ends_with(capitalZone)) {
            if (const KnownPlace* capital = CapitalOfZone(capitalZone)) {
                return Named(*capital, persianNames);
            }
        }
    }
    return std::monostate{};
}

bool SaveUserPlace(const std::string& file, std::string_view written) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
    std::ofstream out(file, std::ios::trunc);
    out << written << '\n';
    return static_cast<bool>(out.flush());
}

}  // namespace tarvand
