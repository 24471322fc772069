// The names tarvand-cal shows beside the Solar months' (calendar/SolarNames.h): the weekday
// columns, and the Gregorian months, in Latin letters and in Persian.
#pragma once

#include <array>
#include <string_view>

#include "calendar/SolarNames.h"

namespace tarvand {

// The weekday columns, Saturday first: Shanbeh to Jomeh.
inline constexpr std::array<std::string_view, 7> LatinWeekdays{"Sh", "Ye", "Do", "Se",
                                                               "Ch", "Pa", "Jo"};
inline constexpr std::array<std::string_view, 7> PersianWeekdays{
    "\u0634", "\u06CC", "\u062F", "\u0633", "\u0686", "\u067E", "\u062C"};

// Index 0 is January.
inline constexpr std::array<std::string_view, 12> LatinGregorianMonths{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr std::array<std::string_view, 12> PersianGregorianMonths{
    "\u0698\u0627\u0646\u0648\u06CC\u0647",        // January
    "\u0641\u0648\u0631\u06CC\u0647",              // February
    "\u0645\u0627\u0631\u0633",                    // March
    "\u0622\u0648\u0631\u06CC\u0644",              // April
    "\u0645\u0647",                                // May
    "\u0698\u0648\u0626\u0646",                    // June
    "\u0698\u0648\u0626\u06CC\u0647",              // July
    "\u0627\u0648\u062A",                          // August
    "\u0633\u067E\u062A\u0627\u0645\u0628\u0631",  // September
    "\u0627\u06A9\u062A\u0628\u0631",              // October
    "\u0646\u0648\u0627\u0645\u0628\u0631",        // November
    "\u062F\u0633\u0627\u0645\u0628\u0631",        // December
};

}  // namespace tarvand
