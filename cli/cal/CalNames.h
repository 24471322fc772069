// The names tarvand-cal shows and reads: Solar months in Latin letters and in Persian (with the
// Persian yeh and keheh, as Persian text is typed), the weekday columns, and the Gregorian months.
#pragma once

#include <array>
#include <string_view>

#include "calendar/SolarNames.h"

namespace tarvand {

// Index 0 is Farvardin. The Iranian and Afghan names in Latin letters are LatinMonthNames and
// LatinAfghanMonthNames.
inline constexpr std::array<std::string_view, 12> PersianMonthNames{
    "\u0641\u0631\u0648\u0631\u062F\u06CC\u0646",        // Farvardin
    "\u0627\u0631\u062F\u06CC\u0628\u0647\u0634\u062A",  // Ordibehesht
    "\u062E\u0631\u062F\u0627\u062F",                    // Khordad
    "\u062A\u06CC\u0631",                                // Tir
    "\u0645\u0631\u062F\u0627\u062F",                    // Mordad
    "\u0634\u0647\u0631\u06CC\u0648\u0631",              // Shahrivar
    "\u0645\u0647\u0631",                                // Mehr
    "\u0622\u0628\u0627\u0646",                          // Aban
    "\u0622\u0630\u0631",                                // Azar
    "\u062F\u06CC",                                      // Dey
    "\u0628\u0647\u0645\u0646",                          // Bahman
    "\u0627\u0633\u0641\u0646\u062F",                    // Esfand
};

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
