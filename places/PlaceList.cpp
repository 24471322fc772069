#include "PlaceList.h"

#include <charconv>

#include "KnownPlaces.h"
#include "MonthNames.h"

namespace tarvand {

namespace {

// Takes a line of the list; returns its fields, a tab apart.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

// Takes a number as the list writes it; returns it.
double Number(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

const std::vector<KnownPlace>& KnownPlaces() {
    static const std::vector<KnownPlace> places = [] {
        std::vector<KnownPlace> read;
        std::string_view lines = KnownPlaceLines;
        while (!lines.empty()) {
            const std::size_t end = std::min(lines.find('\n'), lines.size());
            const std::string_view line = lines.substr(0, end);
            lines.remove_prefix(std::min(end + 1, lines.size()));
            if (line.empty() || line.front() == '#') {
                continue;
            }
            const auto fields = Fields(line);
            if (fields.size() == 8) {
                read.push_back({.name = fields[1],
                                .persian = fields[2],
                                .place = {Number(fields[3]), Number(fields[4])},
                                .zone = fields[5],
                                .country = fields[6]});
            }
        }
        return read;
    }();
    return places;
}

std::variant<const KnownPlace*, std::vector<std::string_view>> FindPlace(std::string_view written) {
    const std::string folded = FoldedName(written);
    std::vector<const KnownPlace*> starting;
    if (folded.empty()) {
        return std::vector<std::string_view>{};
    }
    // A name is folded whole only where its first letter, folded, may begin what was written.
    const auto mayStart = [&folded](std::string_view name) {
        std::size_t length = 1;
        while (length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string first = FoldedName(name.substr(0, length));
        return first.empty() || folded.starts_with(first) || first.starts_with(folded);
    };
    for (const KnownPlace& known : KnownPlaces()) {
        const bool byName = mayStart(known.name), byPersian = mayStart(known.persian);
        if (!byName && !byPersian) {
            continue;
        }
        const std::string name = byName ? FoldedName(known.name) : std::string();
        const std::string persian = byPersian ? FoldedName(known.persian) : std::string();
        if ((byName && name == folded) || (byPersian && persian == folded)) {
            return &known;  // a whole name is meant even where it starts others ("Sari", "Sarab")
        }
        if ((byName && name.starts_with(folded)) || (byPersian && persian.starts_with(folded))) {
            starting.push_back(&known);
        }
    }
    if (starting.size() == 1) {
        return starting.front();
    }
    std::vector<std::string_view> names;
    for (const KnownPlace* known : starting) {
        names.push_back(known->name);
    }
    return names;
}

const KnownPlace* CapitalOfZone(std::string_view zone) {
    const std::string_view capital = zone == "Asia/Tehran"  ? "Tehran"
                                     : zone == "Asia/Kabul" ? "Kabul"
                                                            : "";
    for (const KnownPlace& known : KnownPlaces()) {
        if (!capital.empty() && known.name == capital) {
            return &known;
        }
    }
    return nullptr;
}

}  // namespace tarvand
