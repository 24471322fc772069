// Iran's official holidays fixed in the Hijri lunar calendar: their days and names.
#pragma once

#include <array>
#include <string_view>

namespace tarvand {

// A holiday on a fixed Hijri day; day 0 is the month's last day. Names as Iran's official list
// gives them (see iran-holidays-2001-2025.txt).
struct LunarHoliday {
    int month;  // 1 (Muharram) to 12 (Dhu al-Hijja)
    int day;
    std::string_view english;
    std::string_view persian;
};

inline constexpr std::array<LunarHoliday, 17> LunarHolidayList{{
    {1, 9, "Tasua", "\u062A\u0627\u0633\u0648\u0639\u0627\u06CC \u062D\u0633\u06CC\u0646\u06CC"},
    {1, 10, "Ashura", "\u0639\u0627\u0634\u0648\u0631\u0627\u06CC \u062D\u0633\u06CC\u0646\u06CC"},
    {2, 20, "Arbaeen", "\u0627\u0631\u0628\u0639\u06CC\u0646 \u062D\u0633\u06CC\u0646\u06CC"},
    {2, 28, "Death of Prophet Muhammad and Martyrdom of Hasan ibn Ali",
     "\u0631\u062D\u0644\u062A \u0631\u0633\u0648\u0644 \u0627\u06A9\u0631\u0645\u061B"
     "\u0634\u0647\u0627\u062F\u062A \u0627\u0645\u0627\u0645 \u062D\u0633\u0646 \u0645"
     "\u062C\u062A\u0628\u06CC \u0639\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627"
     "\u0645"},
    {2, 0, "Martyrdom of Ali al-Rida",
     "\u0634\u0647\u0627\u062F\u062A \u0627\u0645\u0627\u0645 \u0631\u0636\u0627 \u0639"
     "\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627\u0645"},
    {3, 8, "Martyrdom of Hasan al-Askari",
     "\u0634\u0647\u0627\u062F\u062A \u0627\u0645\u0627\u0645 \u062D\u0633\u0646 \u0639"
     "\u0633\u06A9\u0631\u06CC \u0639\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627"
     "\u0645"},
    {3, 17, "Birthday of Muhammad and Imam Ja'far al-Sadiq",
     "\u0645\u06CC\u0644\u0627\u062F \u0631\u0633\u0648\u0644 \u0627\u06A9\u0631\u0645 "
     "\u0648 \u0627\u0645\u0627\u0645 \u062C\u0639\u0641\u0631 \u0635\u0627\u062F\u0642 "
     "\u0639\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627\u0645"},
    {6, 3, "Martyrdom of Fatima",
     "\u0634\u0647\u0627\u062F\u062A \u062D\u0636\u0631\u062A \u0641\u0627\u0637\u0645"
     "\u0647 \u0632\u0647\u0631\u0627 \u0633\u0644\u0627\u0645 \u0627\u0644\u0644\u0647 "
     "\u0639\u0644\u06CC\u0647\u0627"},
    {7, 13, "Birthday of Imam Ali",
     "\u0648\u0644\u0627\u062F\u062A \u0627\u0645\u0627\u0645 \u0639\u0644\u06CC \u0639"
     "\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627\u0645 \u0648 \u0631\u0648\u0632 "
     "\u067E\u062F\u0631"},
    {7, 27, "Isra' and Mi'raj",
     "\u0645\u0628\u0639\u062B \u0631\u0633\u0648\u0644 \u0627\u06A9\u0631\u0645 (\u0635)"},
    {8, 15, "Birthday of Mahdi",
     "\u0648\u0644\u0627\u062F\u062A \u062D\u0636\u0631\u062A \u0642\u0627\u0626\u0645 "
     "\u0639\u062C\u0644 \u0627\u0644\u0644\u0647 \u062A\u0639\u0627\u0644\u06CC \u0641"
     "\u0631\u062C\u0647 \u0648 \u062C\u0634\u0646 \u0646\u06CC\u0645\u0647 \u0634\u0639"
     "\u0628\u0627\u0646"},
    {9, 21, "Martyrdom of Imam Ali",
     "\u0634\u0647\u0627\u062F\u062A \u062D\u0636\u0631\u062A \u0639\u0644\u06CC \u0639"
     "\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627\u0645"},
    {10, 1, "Eid al-Fitr", "\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u0641\u0637\u0631"},
    {10, 2, "Eid al-Fitr Holiday",
     "\u062A\u0639\u0637\u06CC\u0644 \u0628\u0647 \u0645\u0646\u0627\u0633\u0628\u062A "
     "\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u0641\u0637\u0631"},
    {10, 25, "Martyrdom of Imam Ja'far al-Sadiq",
     "\u0634\u0647\u0627\u062F\u062A \u0627\u0645\u0627\u0645 \u062C\u0639\u0641\u0631 "
     "\u0635\u0627\u062F\u0642 \u0639\u0644\u06CC\u0647 \u0627\u0644\u0633\u0644\u0627"
     "\u0645"},
    {12, 10, "Eid al-Adha",
     "\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u0642\u0631\u0628\u0627\u0646"},
    {12, 18, "Eid al-Ghadeer",
     "\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u063A\u062F\u06CC\u0631 \u062E\u0645"},
}};

}  // namespace tarvand
