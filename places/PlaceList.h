// The places the times of the day can be asked for by name: every provincial capital of Iran and
// of Afghanistan and every city of Iran of 100,000 people or more, from GeoNames.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calendar/SunTimes.h"

namespace tarvand {

// A place of the list.
struct KnownPlace {
    std::string_view name;     // as GeoNames writes it in Latin letters: "Bandar Abbas"
    std::string_view persian;  // as Iran or Afghanistan writes it: "بندرعباس"
    Place place;
    std::string_view zone;     // its time zone: "Asia/Tehran"
    std::string_view country;  // "IR" or "AF"
};

// Returns every place of the list, Iran's first, each country's by name.
const std::vector<KnownPlace>& KnownPlaces();

// Takes a name as written (Latin or Persian letters, in any case, with or without blanks, hyphens,
// apostrophes and non-joiners); returns the place it names, a whole name or the start of one
// place's names only; otherwise the names of the places it starts (none when it starts none).
std::variant<const KnownPlace*, std::vector<std::string_view>> FindPlace(std::string_view written);

// Takes a zone's name ("Asia/Tehran"); returns the capital of its country when the list has it
// (Tehran for Asia/Tehran, Kabul for Asia/Kabul), or nothing.
const KnownPlace* CapitalOfZone(std::string_view zone);

}  // namespace tarvand
