// Occasions as an iCalendar file (RFC 5545), for calendar applications to import.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/HijriCalendar.h"
#include "calendar/Occasion.h"

namespace tarvand {

// Takes occasions in the order of their days, the moment of the export (seconds since 1970, UTC),
// the program's name and version and the Hijri calendar; returns an iCalendar file: one all-day
// event each, on its Gregorian day, with a UID made from what the occasion is (a holiday's name
// and its Hijri or Solar year, an event's text and day), so that importing again updates rather
// than duplicates, whatever else changed. Estimated holidays are TENTATIVE. Lines end in CR LF
// and are folded at 75 octets.
std::string IcsCalendar(const std::vector<Occasion>& occasions, std::int64_t stamp,
                        std::string_view product, const HijriCalendar& hijri);

// Takes text; returns it escaped as an iCalendar TEXT value: backslash, semicolon, comma and
// newline.
std::string IcsText(std::string_view text);

// Takes a content line without its end; returns it folded, CR LF and a blank before each 75
// octets after the first, never inside a UTF-8 character, and ended with CR LF.
std::string IcsFold(std::string_view line);

}  // namespace tarvand
