#include "OccasionList.h"

#include "calendar/SolarFormat.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

std::string OccasionList(const std::vector<Occasion>& occasions, const GridStyle& style) {
    // The widest month name in the list, so that the names line up.
    int width = 0;
    for (const Occasion& occasion : occasions) {
        width = std::max(width, DisplayWidth(MonthName(ToSolarFields(occasion.day)->month, style)));
    }
    std::string text;
    bool estimated = false;
    // As in the grid, a mark before each line and after each Persian phrase keeps it in its place
    // on a terminal that reorders right-to-left text: the month before the name, the * after it.
    const std::string mark = style.persian ? std::string(LeftToRightMark) : "";
    for (const Occasion& occasion : occasions) {
        const SolarDate date = *ToSolarFields(occasion.day);
        TextLine line;
        line.Add(mark, 0);
        const std::string day = Digits(date.day, style);
        line.Pad(2 - DisplayWidth(day));
        line.Add(day);
        line.Pad(1);
        const std::string_view month = MonthName(date.month, style);
        line.Add(month);
        line.Add(mark, 0);
        line.Pad(width - DisplayWidth(month) + 2);
        // The name, or the Persian one where a holiday file gave no English name.
        std::string name = style.persian || !IsHoliday(occasion) || occasion.english.empty()
                               ? occasion.persian
                               : occasion.english;
        if (style.persian) {
            MakePersian(name);  // its digits too, as the dates beside it ("قیام ۱۵ خرداد")
        }
        name += mark + (occasion.estimated ? " *" : "");
        estimated = estimated || occasion.estimated;
        if (style.colour && IsHoliday(occasion)) {
            name = "\x1B[31m" + name + "\x1B[39m";
        }
        text += line.text + name + '\n';
    }
    if (estimated) {  // what the * means
        text += mark + (style.persian ? "* \u062A\u062E\u0645\u06CC\u0646\u06CC" : "* estimated") +
                '\n';
    }
    return text;
}

}  // namespace tarvand
