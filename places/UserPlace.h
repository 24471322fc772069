// The place the times of the day are for: one named on a command line, the one set for the user
// (~/.config/tarvand/place, which the indicator writes too), or the capital of the zone's country.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calendar/SunTimes.h"

namespace tarvand {

// A place the times are for, and the name they are headed with.
struct NamedPlace {
    Place place;
    std::string name;  // the city's, in the language asked for; else its coordinates
    std::string zone;  // its own zone, for a city of the list; empty for the local zone's
};

// A place found, none (std::monostate), or the message that says why a name names none.
using PlaceChoice = std::variant<std::monostate, NamedPlace, std::string>;

// Takes text written as LAT,LON (degrees, decimal, north and east positive); returns the place,
// or nothing when it is not one (a latitude past 90 or a longitude past 180 included).
std::optional<Place> ReadPlace(std::string_view text);

// Takes a place; returns the name its coordinates give it, "35.6944N 51.4215E".
std::string CoordinatesName(const Place& place);

// Takes what names a place (LAT,LON, or any start of a city's Latin or Persian name) and whether
// to name cities in Persian; returns the place, or why the text names none.
PlaceChoice PlaceWritten(std::string_view written, bool persianNames);

// Returns the file the user's place is kept in: $XDG_CONFIG_HOME/tarvand/place, or
// $HOME/.config/tarvand/place.
std::string UserPlaceFile();

// Takes the user's place file and whether to name cities in Persian; returns the place on its
// first line; without the file, the capital of the local zone's country (Tehran for Asia/Tehran,
// Kabul for Asia/Kabul, the zone read from TZ or /etc/localtime); else none.
PlaceChoice UserPlace(const std::string& file, bool persianNames);

// Takes the user's place file and what names a place, as PlaceWritten reads it; writes it as the
// file's only line, its folder made if need be. Returns false when it cannot be written.
bool SaveUserPlace(const std::string& file, std::string_view written);

}  // namespace tarvand
