// The names of the Hijri lunar months as UTF-8 text, Muharram first.
#pragma once

#include <array>
#include <string_view>

namespace tarvand {

// As Iran writes them: the Persian yeh (U+06CC), and a zero-width non-joiner (U+200C) inside the
// names of two words.
inline constexpr std::array<std::string_view, 12> HijriMonthNames{
    "\u0645\u062D\u0631\u0645",                                                  // Muharram
    "\u0635\u0641\u0631",                                                        // Safar
    "\u0631\u0628\u06CC\u0639\u200C\u0627\u0644\u0627\u0648\u0644",              // Rabi' al-awwal
    "\u0631\u0628\u06CC\u0639\u200C\u0627\u0644\u062B\u0627\u0646\u06CC",        // Rabi' al-thani
    "\u062C\u0645\u0627\u062F\u06CC\u200C\u0627\u0644\u0627\u0648\u0644",        // Jumada al-awwal
    "\u062C\u0645\u0627\u062F\u06CC\u200C\u0627\u0644\u062B\u0627\u0646\u06CC",  // Jumada al-thani
    "\u0631\u062C\u0628",                                                        // Rajab
    "\u0634\u0639\u0628\u0627\u0646",                                            // Sha'ban
    "\u0631\u0645\u0636\u0627\u0646",                                            // Ramadan
    "\u0634\u0648\u0627\u0644",                                                  // Shawwal
    "\u0630\u06CC\u200C\u0627\u0644\u0642\u0639\u062F\u0647",                    // Dhu al-Qa'dah
    "\u0630\u06CC\u200C\u0627\u0644\u062D\u062C\u0647",                          // Dhu al-Hijjah
};

// The same in Latin letters.
inline constexpr std::array<std::string_view, 12> LatinHijriMonthNames{
    "Muharram", "Safar",   "Rabi' al-awwal", "Rabi' al-thani", "Jumada al-awwal", "Jumada al-thani",
    "Rajab",    "Sha'ban", "Ramadan",        "Shawwal",        "Dhu al-Qa'dah",   "Dhu al-Hijjah"};

// Short forms, for headers where a month of the Solar calendar is as wide as its grid: the names of
// two words cut to their first, with a digit for the first or the second of a pair; Dhu al-Qa'dah
// and Dhu al-Hijjah as Iran writes them short.
inline constexpr std::array<std::string_view, 12> ShortHijriMonthNames{
    HijriMonthNames[0],                            // Muharram
    HijriMonthNames[1],                            // Safar
    "\u0631\u0628\u06CC\u0639 \u06F1",             // Rabi' 1
    "\u0631\u0628\u06CC\u0639 \u06F2",             // Rabi' 2
    "\u062C\u0645\u0627\u062F\u06CC \u06F1",       // Jumada 1
    "\u062C\u0645\u0627\u062F\u06CC \u06F2",       // Jumada 2
    HijriMonthNames[6],                            // Rajab
    HijriMonthNames[7],                            // Sha'ban
    HijriMonthNames[8],                            // Ramadan
    HijriMonthNames[9],                            // Shawwal
    "\u0630\u06CC\u200C\u0642\u0639\u062F\u0647",  // Dhu al-Qa'dah, ذی‌قعده
    "\u0630\u06CC\u200C\u062D\u062C\u0647",        // Dhu al-Hijjah, ذی‌حجه
};
inline constexpr std::array<std::string_view, 12> ShortLatinHijriMonthNames{
    "Muh", "Saf", "Rab I", "Rab II", "Jum I", "Jum II",
    "Raj", "Sha", "Ram",   "Shaw",   "Dhu Q", "Dhu H"};

}  // namespace tarvand
