// The occasions of any days: Iran's official holidays, as confirmed or estimated, corrected by the
// administrator's and the user's files, and the user's own events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "OccasionLines.h"
#include "calendar/HijriCalendar.h"
#include "calendar/Occasion.h"

namespace tarvand {

// The first and last days of the confirmed list, 2001-01-01 and 2025-12-31: the special holidays
// in them come from the list.
DateValue FirstConfirmedDay();
DateValue LastConfirmedDay();

// Takes a holiday's English name; returns true when it is a name Tarvand gives a holiday itself:
// one of its Solar or lunar holidays, or one of the confirmed list.
bool IsOwnHolidayName(std::string_view english);

// Where the files are.
struct OccasionFiles {
    std::string systemDirectory;       // holiday files of the administrator, read in name order
    std::string userHolidays;          // the user's holiday file
    std::string userEvents;            // the user's events
    std::string systemHijriDirectory;  // Hijri month starts of the administrator, in name order
    std::string userHijri;             // the user's Hijri month starts

    // Returns the usual places: /etc/tarvand/holidays.d (or $TARVAND_HOLIDAYS_DIR),
    // /etc/tarvand/hijri.d (or $TARVAND_HIJRI_DIR), and holidays, events and hijri in
    // $XDG_CONFIG_HOME/tarvand ($HOME/.config/tarvand when unset).
    static OccasionFiles FromEnvironment();
};

class OccasionBook {
public:
    // Takes the files; reads the Hijri month starts and the holidays and events of the files that
    // exist. Adds a message, as "FILE:LINE: problem" or "cannot read FILE: reason", for each line
    // or file it cannot read; the other lines still count.
    OccasionBook(const OccasionFiles& files, std::vector<std::string>& messages);

    // Takes a first and a last day (date values within 1178 to 3000) and whether to include the
    // user's events; returns the occasions from the first to the last, in the order of their days,
    // each day's official holidays before its events: the Solar holidays, the lunar ones on their
    // Hijri days (estimated where the month is predicted) and the special ones of the list. A
    // holiday file's line replaces the same holiday (by its English name) on its day, or estimated
    // up to three days away (a correction of the estimate); otherwise it is added beside the
    // day's others.
    std::vector<Occasion> Between(DateValue first, DateValue last, bool withEvents = true) const;

    // Takes a first and a last day as Between; returns the user's events alone from the first to
    // the last, in the order of their days and, on one day, of the file.
    std::vector<Occasion> EventsBetween(DateValue first, DateValue last) const;

    // Takes a day (a date value within 1178 to 3000, without a time of day); calls take with the
    // text of each of the user's events on it, in the order of the file.
    void ForEachEventOn(DateValue day, const std::function<void(const std::string&)>& take) const;

    // The Hijri calendar with the month starts of the files.
    const HijriCalendar& Hijri() const { return hijri_; }

private:
    HijriCalendar hijri_;
    std::vector<Occasion> corrections_;
    std::vector<PersonalEvent> events_;
    // The events by their month and day, (month - 1) * 31 + day - 1, each list in file order.
    std::vector<std::vector<std::uint32_t>> eventsOn_;
};

}  // namespace tarvand
