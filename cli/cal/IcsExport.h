// Occasions as an iCalendar file (RFC 5545), for calendar applications to import.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "OccasionBook.h"
#include "calendar/HijriCalendar.h"
#include "calendar/Occasion.h"

namespace tarvand {

// Takes the occasions' book (nothing for none), a first and a last day, the moment of the export
// (seconds since 1970, UTC), the program's name and version, the Hijri calendar and where to
// write; writes an iCalendar file through it: one all-day event an occasion, in the order of their
// days, on its Gregorian day, with a UID made from what the occasion is (a holiday's name and its
// Hijri or Solar year, an event's text and day), so that importing again updates rather than
// duplicates, whatever else changed. Estimated holidays are TENTATIVE. Lines end in CR LF and are
// folded at 75 octets. The user's events go out a Solar year at a time, so that memory does not
// grow with the span; a write that fails (write returns false) ends it.
void WriteIcsCalendar(const OccasionBook* book, DateValue first, DateValue last, std::int64_t stamp,
                      std::string_view product, const HijriCalendar& hijri,
                      const std::function<bool(std::string_view)>& write);

// Takes text; returns it escaped as an iCalendar TEXT value: backslash, semicolon, comma and
// newline.
std::string IcsText(std::string_view text);

// Takes a content line without its end; returns it folded, CR LF and a blank before each 75
// octets after the first, never inside a UTF-8 character, and ended with CR LF.
std::string IcsFold(std::string_view line);

}  // namespace tarvand
