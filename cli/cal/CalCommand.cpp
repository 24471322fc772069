#include "CalCommand.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <optional>

#include "DateReading.h"
#include "IcsExport.h"
#include "Messages.h"
#include "MonthGrid.h"
#include "OccasionList.h"
#include "Quote.h"
#include "calendar/HijriNames.h"
#include "calendar/LocalClock.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

#ifndef TARVAND_VERSION
#error "the build defines TARVAND_VERSION"
#endif

namespace tarvand {

namespace {

constexpr std::string_view Program = "tarvand-cal";

// Months side by side, and the blanks between them, as cal draws them: three, or two where three
// would pass the terminal's 80 columns.
constexpr int MonthsInARow = 3;
constexpr int Gap = 2;
constexpr int TerminalWidth = 80;

// A month, counted from Farvardin 1178 (month 0).
int MonthIndex(int year, int month) { return (year - FirstSolarYear) * 12 + month - 1; }
constexpr int LastMonthIndex = (LastSolarYear - FirstSolarYear + 1) * 12 - 1;

// Takes the -d text and whether it is Solar; returns its day count, or the message that says why
// it has none.
std::variant<std::int64_t, std::string> ReadDate(const std::string& text, bool solar) {
    DateValue value = 0;
    if (auto problem = solar ? ReadSolarDate(text, value) : ReadGregorianDate(text, value)) {
        return *problem;
    }
    return static_cast<std::int64_t>(value - SolarEpoch);
}

// Takes text and a width; returns a line with the text centred in that many columns.
TextLine Centred(const TextLine& text, int width) {
    TextLine line;
    line.Pad((width - text.width) / 2);
    line.Add(text.text, text.width);
    line.Pad(width - line.width);
    return line;
}

// Takes the lines of the months of one row, each as wide as the others, and the style; appends the
// row to text, the months two blanks apart, each line without trailing blanks.
void AppendRow(std::string& text, const std::vector<std::vector<TextLine>>& months,
               const GridStyle& style) {
    for (std::size_t i = 0; i < months.front().size(); ++i) {
        std::string line = style.persian ? std::string(LeftToRightMark) : std::string();
        for (std::size_t m = 0; m < months.size(); ++m) {
            line += std::string(m > 0 ? Gap : 0, ' ');
            line += months[m][i].text;
        }
        // No trailing blanks, nor marks that only follow them.
        while (line.ends_with(' ') || line.ends_with(LeftToRightMark)) {
            line.erase(line.size() - (line.ends_with(' ') ? 1 : LeftToRightMark.size()));
        }
        text += line;
        text += '\n';
    }
}

// The months to show: the first, how many, and a word on those cut at the calendar's ends.
struct Chosen {
    int first = 0;
    int count = 0;
    std::string cut;  // empty when none was cut
};

// Takes the options and today's day count; returns the months to show.
Chosen ChosenMonths(const CalOptions& options, std::int64_t around) {
    int year = 0, month = 0, day = 0;
    DaysToSolarDate(around, year, month, day);
    year = options.year.value_or(year);
    month = options.month.value_or(options.year ? 1 : month);
    int first = MonthIndex(year, month);
    int count = options.months;
    if (options.wholeYear) {
        first = MonthIndex(year, 1);
        count = 12;
    } else if (options.around) {
        first -= 1;
    }
    Chosen chosen;
    const int wanted = first + count - 1;
    const int last = std::min(wanted, LastMonthIndex);
    if (first < 0) {
        chosen.cut = Format(_("the months before Farvardin %d are outside the calendar: %d not "
                              "shown"),
                            FirstSolarYear, -first);
    } else if (wanted > last) {
        chosen.cut = Format(_("the months after Esfand %d are outside the calendar: %d not shown"),
                            LastSolarYear, wanted - last);
    }
    chosen.first = std::max(first, 0);
    chosen.count = last - chosen.first + 1;
    return chosen;
}

// Takes the days of a Hijri month; returns the Solar months that hold them.
Chosen SpannedMonths(const MarkedDays& days) {
    int year = 0, month = 0, day = 0;
    DaysToSolarDate(days.first, year, month, day);
    const int first = MonthIndex(year, month);
    DaysToSolarDate(days.last, year, month, day);
    return {first, MonthIndex(year, month) - first + 1, {}};
}

// A Hijri month and its days.
struct HijriMonth {
    int year = 0;
    int month = 0;
    MarkedDays days;  // those within the calendar
    int length = 0;   // all its days
};

// Takes the options (a Hijri MONTH and YEAR, this Hijri year's MONTH, or neither for this month),
// the Hijri calendar and today; returns the month with its first and last days, or why it has
// none that can be shown.
std::variant<HijriMonth, std::string> FindHijriMonth(const CalOptions& options,
                                                     const HijriCalendar& hijri, DateValue today) {
    HijriMonth found{options.year.value_or(0), options.month.value_or(0), {}};
    if (!options.year) {
        const auto now = hijri.ToHijri(today);
        if (!now) {
            return std::string(_("today's date is outside the Hijri months held; name a YEAR"));
        }
        found.year = now->year;
        found.month = options.month.value_or(now->month);
    }
    const auto first = hijri.FromHijri(found.year, found.month, 1);
    const auto last = hijri.FromHijri(found.year, found.month, 0);
    // A month at either end of the calendar is shown by its days within it.
    if (!first || !last || *last < FirstSolarValue() || *first > LastSolarValue()) {
        const auto from = hijri.ToHijri(FirstSolarValue()), to = hijri.ToHijri(LastSolarValue());
        return Format(_("Hijri month %d/%d is outside the months that can be shown (%d/%d to "
                        "%d/%d)"),
                      found.year, found.month, from->year, from->month, to->year, to->month);
    }
    found.days = {static_cast<std::int64_t>(std::max(*first, FirstSolarValue()) - SolarEpoch),
                  static_cast<std::int64_t>(std::min(*last, LastSolarValue()) - SolarEpoch)};
    found.length = static_cast<int>(*last - *first) + 1;
    return found;
}

// Takes a Hijri month, the style and the Hijri calendar; returns the line under the grids that
// says its days: "Muharram 1448: 1405/03/27 to 1405/04/25, 30 days, estimated".
std::string HijriMonthLine(const HijriMonth& lunar, const GridStyle& style,
                           const HijriCalendar& hijri) {
    const auto solar = [&](std::int64_t day) {
        std::string text =
            FormatSolarDate(*ToSolarFields(SolarEpoch + static_cast<double>(day)), "%Y/%m/%d");
        if (style.persian) {
            MakePersian(text);
        }
        return text;
    };
    const auto names = style.persian ? HijriMonthNames : LatinHijriMonthNames;
    const std::string length = Digits(lunar.length, style);
    const bool estimated = !hijri.LengthKnown(lunar.year, lunar.month);
    const std::string name = std::string(names[static_cast<std::size_t>(lunar.month - 1)]) + " " +
                             Digits(lunar.year, style);
    if (style.persian) {
        // As the list under the grid: a mark before the line and after each Persian phrase.
        const std::string mark(LeftToRightMark);
        return mark + name + mark + ": " + solar(lunar.days.first) + " \u062A\u0627" + mark + " " +
               solar(lunar.days.last) + "\u060C " + length + " \u0631\u0648\u0632" + mark +
               (estimated ? "\u060C \u062A\u062E\u0645\u06CC\u0646\u06CC" + mark : "");
    }
    return name + ": " + solar(lunar.days.first) + " to " + solar(lunar.days.last) + ", " + length +
           " days" + (estimated ? ", estimated" : "");
}

// Takes the context; returns the Hijri calendar with the month files read, or the built-in one.
const HijriCalendar& HijriOf(const CalContext& context) {
    static const HijriCalendar builtIn;
    return context.occasions != nullptr ? context.occasions->Hijri() : builtIn;
}

// Takes the names of environment variables, in the order the C library reads a locale category;
// returns the value of the first that is set and not empty, or the empty text.
std::string_view FirstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

// Takes the output and a message; reports it, and returns the exit status of a refusal, 2.
int Report(OutputBuffer& err, std::string_view message) {
    err.Add(MessageLine(Program, message) + "\n");
    return 2;
}

}  // namespace

int RunCalCommand(const CalOptions& options, OutputBuffer& out, OutputBuffer& err,
                  const CalContext& context) {
    const DateValue today = context.today;
    const bool colourByDefault = context.colourByDefault;
    if (options.action == CalOptions::Action::Help) {
        out.Add(HelpLines(CalUsage()));
    } else if (options.action == CalOptions::Action::Version) {
        out.Add(std::string(Program) + ' ' + TARVAND_VERSION + '\n');
    } else if (options.ics) {
        const int thisYear = ToSolarFields(today) ? ToSolarFields(today)->year : LastSolarYear;
        const auto [firstYear, lastYear] = options.icsYears.value_or(
            std::pair{options.year.value_or(thisYear),
                      options.year.value_or(std::min(thisYear + 9, LastSolarYear))});
        WriteIcsCalendar(context.occasions,
                         SolarEpoch + static_cast<double>(SolarYearStart(firstYear)),
                         SolarEpoch + static_cast<double>(SolarYearStart(lastYear + 1) - 1),
                         context.now, std::string(Program) + ' ' + TARVAND_VERSION,
                         HijriOf(context), [&out](std::string_view text) { return out.Add(text); });
    } else {
        std::optional<MarkedDays> marked;
        std::optional<HijriMonth> hijriMonth;  // with --hijri
        if (options.hijri) {
            auto month = FindHijriMonth(options, HijriOf(context), today);
            if (const auto* problem = std::get_if<std::string>(&month)) {
                return Report(err, *problem);
            }
            hijriMonth = std::get<HijriMonth>(month);
            marked = hijriMonth->days;
        } else if (options.date) {
            const auto date = ReadDate(*options.date, options.solarDate);
            if (const auto* problem = std::get_if<std::string>(&date)) {
                return Report(err, *problem);
            }
            marked = MarkedDays{std::get<std::int64_t>(date), std::get<std::int64_t>(date)};
        } else if (ToSolarFields(today)) {
            const auto day = static_cast<std::int64_t>(today - SolarEpoch);
            marked = MarkedDays{day, day};
        } else if (!options.year) {
            return Report(err, _("today's date is outside 1799-03-21 to 3622-03-20, the days that "
                                 "can be shown; name a YEAR"));
        }
        const GridStyle style{
            .persian = options.persian,
            .afghan = options.afghan,
            .julian = options.julian,
            .weekNumbers = options.weekNumbers,
            .colour = options.colour == CalOptions::Colour::Always ||
                      (options.colour == CalOptions::Colour::Auto && colourByDefault),
            .yearInTitle = !options.wholeYear,
            .ascii = context.ascii};
        const auto [first, count, cut] =
            options.hijri
                ? SpannedMonths(*marked)
                : ChosenMonths(options, marked ? marked->first : SolarYearStart(*options.year));
        if (!cut.empty()) {
            err.Add(MessageLine(Program, cut) + "\n");
        }
        // The holidays and events of the months shown.
        std::vector<Occasion> occasions;
        HolidayDays holidays;
        if (context.occasions != nullptr) {
            const int lastIndex = first + count - 1;
            const auto firstDay = *SolarDateToDays(FirstSolarYear + first / 12, first % 12 + 1, 1);
            const int lastYear = FirstSolarYear + lastIndex / 12, lastMonth = lastIndex % 12 + 1;
            const auto lastDay =
                *SolarDateToDays(lastYear, lastMonth, SolarMonthLength(lastYear, lastMonth));
            occasions = context.occasions->Between(SolarEpoch + static_cast<double>(firstDay),
                                                   SolarEpoch + static_cast<double>(lastDay));
            for (const Occasion& occasion : occasions) {
                if (IsHoliday(occasion)) {
                    const auto day = static_cast<std::int64_t>(occasion.day - SolarEpoch);
                    // Underlined as estimated only when nothing sure falls on the day.
                    const auto known = holidays.find(day);
                    holidays[day] =
                        occasion.estimated && (known == holidays.end() || known->second);
                }
            }
        }
        // Every month as wide as the widest header; one month alone has its title and Gregorian
        // span on one line.
        const HijriCalendar& hijri = HijriOf(context);
        std::vector<MonthHeading> headers;
        int width = GridWidth(style);
        for (int index = first; index < first + count; ++index) {
            headers.push_back(
                MonthHeader(FirstSolarYear + index / 12, index % 12 + 1, style, hijri));
            if (count == 1) {  // one phrase: "Azar 1404 · Nov–Dec 2025"
                auto& [title, span, lunar] = headers.back();
                std::string joined = title.text;
                if (joined.ends_with(LeftToRightMark)) {
                    joined.resize(joined.size() - LeftToRightMark.size());
                }
                title = TextLine{};
                title.Add(joined + std::string(style.Dot()) + span.text);
            }
            // One month alone keeps the grid's width, its header centred over it as cal does.
            if (count > 1) {
                width = std::max({width, headers.back().title.width, headers.back().gregorian.width,
                                  headers.back().hijri.width});
            }
        }
        const int inARow =
            MonthsInARow * width + (MonthsInARow - 1) * Gap <= TerminalWidth ? MonthsInARow : 2;
        std::string text;
        if (options.wholeYear) {
            const int year = FirstSolarYear + first / 12;
            const auto civil = [&](int y) {  // the Gregorian year of 1 Farvardin
                return Digits(
                    int{ToCivilDate(SolarEpoch + static_cast<double>(SolarYearStart(y))).year()},
                    style);
            };
            // And the Hijri years its first and last days fall in.
            const auto lunar = [&](std::int64_t day) {
                const auto date = hijri.ToHijri(SolarEpoch + static_cast<double>(day));
                return date ? Digits(date->year, style) : std::string();
            };
            TextLine title;
            title.Add(Digits(year, style) + std::string(style.Dot()) + civil(year) +
                      std::string(style.Dash()) + civil(year + 1) + std::string(style.Dot()) +
                      lunar(SolarYearStart(year)) + std::string(style.Dash()) +
                      lunar(SolarYearStart(year + 1) - 1));
            AppendRow(text, {{Centred(title, inARow * width + (inARow - 1) * Gap)}}, style);
            text += '\n';
        }
        for (int row = 0; row * inARow < count; ++row) {
            std::vector<std::vector<TextLine>> months;
            for (int i = row * inARow; i < std::min(count, (row + 1) * inARow); ++i) {
                const int index = first + i;
                const auto& [title, span, lunar] = headers[static_cast<std::size_t>(i)];
                std::vector<TextLine> lines{Centred(title, width)};
                if (count > 1) {
                    lines.push_back(Centred(span, width));
                }
                lines.push_back(Centred(lunar, width));
                for (const TextLine& grid : MonthRows(FirstSolarYear + index / 12, index % 12 + 1,
                                                      marked, style, holidays)) {
                    lines.push_back(Centred(grid, width));
                }
                months.push_back(std::move(lines));
            }
            text += row > 0 ? "\n" : "";
            AppendRow(text, months, style);
        }
        if (hijriMonth) {
            text += (text.ends_with("\n\n") ? "" : "\n") +
                    HijriMonthLine(*hijriMonth, style, HijriOf(context)) + "\n";
        }
        if (options.events && !occasions.empty()) {
            text += (text.ends_with("\n\n") ? "" : "\n") + OccasionList(occasions, style);
        }
        out.Add(text);
    }
    if (!out.Flush()) {
        Report(err, Format(_("write error: %s"), SystemError(out.Error())));
        err.Flush();
        return 2;
    }
    return err.Flush() ? 0 : 2;  // messages that could not be written are a write error too
}

int RunCalCommandLine(const std::vector<std::string>& arguments) {
    UseTranslations();
    OutputBuffer out(STDOUT_FILENO, 64 * 1024);
    OutputBuffer err(STDERR_FILENO, PIPE_BUF);
    // A Persian locale, as the environment names it, whether or not the machine has it.
    const std::string_view locale = FirstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    const auto parsed = ParseCalOptions(arguments, locale.starts_with("fa"));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return Report(err, error->message);
    }
    const char* noColour = std::getenv("NO_COLOR");
    const bool colour = isatty(STDOUT_FILENO) == 1 && (noColour == nullptr || *noColour == '\0');
    const CalOptions& options = std::get<CalOptions>(parsed);
    std::optional<OccasionBook> book;
    if (options.action == CalOptions::Action::Show) {
        std::vector<std::string> messages;
        book.emplace(OccasionFiles::FromEnvironment(), messages);
        for (const std::string& message : messages) {
            Report(err, message);
        }
    }
    // A terminal without UTF-8, as the locale's variables say: ASCII punctuation in the headers.
    std::string lower(FirstSet({"LC_ALL", "LC_CTYPE", "LANG"}));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool ascii =
        lower.find("utf-8") == std::string::npos && lower.find("utf8") == std::string::npos;
    return RunCalCommand(options, out, err,
                         {.today = LocalToday(),
                          .colourByDefault = colour,
                          .ascii = ascii,
                          .occasions = book ? &*book : nullptr,
                          .now = static_cast<std::int64_t>(std::time(nullptr))});
}

}  // namespace tarvand
