#include "OccasionList.h"

#include "calendar/ToSolarDate.h"

namespace tarvand {

std::string OccasionList(const std::vector<Occasion>& occasions, const GridStyle& style) {
    // The widest month name in the list, so that the names line up.
    int width = 0;
    for (const Occasion& occasion : occasions) {
        width = std::max(width, DisplayWidth(MonthName(ToSolarFields(occasion.day)->month, style)));
    }
    std::string text;
    for (const Occasion& occasion : occasions) {
        const SolarDate date = *ToSolarFields(occasion.day);
        TextLine line;
        if (style.persian) {
            line.Add(LeftToRightMark, 0);
        }
        const std::string day = Digits(date.day, style);
        line.Pad(2 - DisplayWidth(day));
        line.Add(day);
        line.Pad(1);
        const std::string_view month = MonthName(date.month, style);
        line.Add(month);
        line.Pad(width - DisplayWidth(month) + 2);
        std::string name =
            style.persian || !IsHoliday(occasion) ? occasion.persian : occasion.english;
        name += occasion.estimated ? " *" : "";
        if (style.colour && IsHoliday(occasion)) {
            name = "\x1B[31m" + name + "\x1B[39m";
        }
        text += line.text + name + '\n';
    }
    return text;
}

}  // namespace tarvand
