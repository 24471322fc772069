// The Persian month and weekday names, as UTF-8 text.
//
// They are spelt with the Arabic yeh (U+064A) where Persian text usually has the Farsi yeh
// (U+06CC), the Sunday name with keheh (U+06A9), and the Tuesday name with a blank between its two
// words. The exact code points are part of the output and are kept as escapes so no editor can
// alter them.
#pragma once

#include <array>
#include <string_view>

namespace tarvand {

// Index 0 is the first month, Farvardin.
inline constexpr std::array<std::string_view, 12> MonthNames{
    "\u0641\u0631\u0648\u0631\u062F\u064A\u0646",        // Farvardin
    "\u0627\u0631\u062F\u064A\u0628\u0647\u0634\u062A",  // Ordibehesht
    "\u062E\u0631\u062F\u0627\u062F",                    // Khordad
    "\u062A\u064A\u0631",                                // Tir
    "\u0645\u0631\u062F\u0627\u062F",                    // Mordad
    "\u0634\u0647\u0631\u064A\u0648\u0631",              // Shahrivar
    "\u0645\u0647\u0631",                                // Mehr
    "\u0622\u0628\u0627\u0646",                          // Aban
    "\u0622\u0630\u0631",                                // Azar
    "\u062F\u064A",                                      // Dey
    "\u0628\u0647\u0645\u0646",                          // Bahman
    "\u0627\u0633\u0641\u0646\u062F",                    // Esfand
};

// The month names as Persian is typed and written outside the four layouts: the Persian yeh.
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

// The same in Latin letters, for messages and for those who read no Persian.
inline constexpr std::array<std::string_view, 12> LatinMonthNames{
    "Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
    "Mehr",      "Aban",        "Azar",    "Dey", "Bahman", "Esfand"};

// The month names used in Afghanistan (Dari), Hamal to Hut, with the Persian yeh (U+06CC).
inline constexpr std::array<std::string_view, 12> AfghanMonthNames{
    "\u062D\u0645\u0644",              // Hamal
    "\u062B\u0648\u0631",              // Sawr
    "\u062C\u0648\u0632\u0627",        // Jawza
    "\u0633\u0631\u0637\u0627\u0646",  // Saratan
    "\u0627\u0633\u062F",              // Asad
    "\u0633\u0646\u0628\u0644\u0647",  // Sonbola
    "\u0645\u06CC\u0632\u0627\u0646",  // Mizan
    "\u0639\u0642\u0631\u0628",        // Aqrab
    "\u0642\u0648\u0633",              // Qaws
    "\u062C\u062F\u06CC",              // Jadi
    "\u062F\u0644\u0648",              // Dalw
    "\u062D\u0648\u062A",              // Hut
};

// The same in Latin letters.
inline constexpr std::array<std::string_view, 12> LatinAfghanMonthNames{
    "Hamal", "Sawr",  "Jawza", "Saratan", "Asad", "Sonbola",
    "Mizan", "Aqrab", "Qaws",  "Jadi",    "Dalw", "Hut"};

// Index 0 is Sunday.
inline constexpr std::array<std::string_view, 7> DayNames{
    "\u064A\u06A9\u0634\u0646\u0628\u0647",              // Sunday
    "\u062F\u0648\u0634\u0646\u0628\u0647",              // Monday
    "\u0633\u0647 \u0634\u0646\u0628\u0647",             // Tuesday
    "\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647",  // Wednesday
    "\u067E\u0646\u062C\u0634\u0646\u0628\u0647",        // Thursday
    "\u062C\u0645\u0639\u0647",                          // Friday
    "\u0634\u0646\u0628\u0647",                          // Saturday
};

}  // namespace tarvand
