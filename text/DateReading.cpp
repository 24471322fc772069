#include "DateReading.h"

#include <array>
#include <cstdio>

#include "DateText.h"
#include "Messages.h"
#include "Quote.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"
#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

// The months' names in messages, in Latin letters, translated with the messages.
constexpr std::array<const char*, 12> GregorianMonthWords{
    N_("January"), N_("February"), N_("March"),     N_("April"),   N_("May"),      N_("June"),
    N_("July"),    N_("August"),   N_("September"), N_("October"), N_("November"), N_("December")};
constexpr std::array<const char*, 12> SolarMonthWords{
    N_("Farvardin"), N_("Ordibehesht"), N_("Khordad"), N_("Tir"), N_("Mordad"), N_("Shahrivar"),
    N_("Mehr"),      N_("Aban"),        N_("Azar"),    N_("Dey"), N_("Bahman"), N_("Esfand")};
constexpr std::array<const char*, 12> HijriMonthWords{
    N_("Muharram"),        N_("Safar"),           N_("Rabi' al-awwal"), N_("Rabi' al-thani"),
    N_("Jumada al-awwal"), N_("Jumada al-thani"), N_("Rajab"),          N_("Sha'ban"),
    N_("Ramadan"),         N_("Shawwal"),         N_("Dhu al-Qa'dah"),  N_("Dhu al-Hijjah")};

// Takes a written date and its month and day; returns why there is no such month or day, naming
// the month first, or nothing when both can exist.
std::optional<std::string> NoSuchMonthOrDay(std::string_view text, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return month < 1 || month > 12
                   ? Format(_("invalid date %s: there is no month %d"), Quote(text).c_str(), month)
                   : Format(_("invalid date %s: there is no day %d"), Quote(text).c_str(), day);
    }
    return std::nullopt;
}

}  // namespace

const char* MonthInMessages(MessageCalendar calendar, int month) {
    const auto index = static_cast<std::size_t>(month - 1);
    switch (calendar) {
        case MessageCalendar::Gregorian:
            return _(GregorianMonthWords[index]);
        case MessageCalendar::Solar:
            return _(SolarMonthWords[index]);
        case MessageCalendar::Hijri:
            break;
    }
    return _(HijriMonthWords[index]);
}

std::string OutsideTheRange() {
    return Format(_(" is outside %s to %s, the days that can be converted"),
                  IsoText(ToCivilDate(FirstSolarValue())).c_str(),
                  IsoText(ToCivilDate(LastSolarValue())).c_str());
}

std::optional<std::string> CheckGregorianDate(std::string_view text, const WrittenDate& written,
                                              DateValue& value) {
    const auto [year, month, day] = written;
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        const unsigned length =
            static_cast<unsigned>((date.year() / date.month() / std::chrono::last).day());
        // TRANSLATORS: the second %s is a Gregorian month's English name.
        return Format(_("invalid date %s: %s %d has %u days"), Quote(text).c_str(),
                      MonthInMessages(MessageCalendar::Gregorian, month), year, length);
    }
    value = ToDateValue(date);
    return std::nullopt;
}

std::optional<std::string> ReadGregorianDate(std::string_view text, DateValue& value) {
    const auto written = ParseIsoDate(text);
    if (!written) {
        return Format(_("invalid date %s (expected YYYY-MM-DD)"), Quote(text).c_str());
    }
    if (auto problem = CheckGregorianDate(text, *written, value)) {
        return problem;
    }
    if (!ToSolarFields(value)) {
        return Format(_("date %s%s"), Quote(text).c_str(), OutsideTheRange().c_str());
    }
    return std::nullopt;
}

std::string SolarYearsMessage(std::string_view text) {
    return Format(_("date %s is outside %d to %d, the years that can be converted"),
                  Quote(text).c_str(), FirstSolarYear, LastSolarYear);
}

std::optional<std::string> CheckSolarDate(std::string_view text, const WrittenDate& written,
                                          DateValue& value) {
    const auto [year, month, day] = written;
    if (year < FirstSolarYear || year > LastSolarYear) {
        return SolarYearsMessage(text);
    }
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    const auto converted = FromSolarDate(year, month, day);
    if (!converted) {
        const int length = SolarMonthLength(year, month);
        const std::string name = MonthInMessages(MessageCalendar::Solar, month);
        // TRANSLATORS: the second %s is a Solar month's name in Latin letters.
        return month == 12 && day == 30
                   ? Format(_("invalid date %s: %d is a common year, %s has %d days"),
                            Quote(text).c_str(), year, name.c_str(), length)
                   : Format(_("invalid date %s: %s has %d days"), Quote(text).c_str(), name.c_str(),
                            length);
    }
    value = *converted;
    return std::nullopt;
}

std::optional<std::string> CheckHijriDate(std::string_view text, const WrittenDate& written,
                                          const HijriCalendar& hijri, DateValue& value) {
    const auto [year, month, day] = written;
    if (auto problem = NoSuchMonthOrDay(text, month, day)) {
        return problem;
    }
    auto converted = hijri.FromHijri(year, month, day);
    // A 30th of a month predicted to have 29 days may well be: the day after its 29th, estimated
    // as the whole month is.
    if (!converted && day == 30 && hijri.MonthLength(year, month) == 29 &&
        !hijri.LengthKnown(year, month)) {
        if (const auto last29 = hijri.FromHijri(year, month, 29)) {
            converted = *last29 + 1;
        }
    }
    const auto first = hijri.ToHijri(FirstSolarValue()), last = hijri.ToHijri(LastSolarValue());
    if (!converted || *converted < FirstSolarValue() || *converted > LastSolarValue()) {
        const int length = hijri.MonthLength(year, month);
        if (length > 0 && day > length) {
            // TRANSLATORS: the second %s is a Hijri month's name in Latin letters.
            return Format(_("invalid date %s: %s %d has %d days"), Quote(text).c_str(),
                          MonthInMessages(MessageCalendar::Hijri, month), year, length);
        }
        const auto slashed = [](const std::optional<HijriDate>& date) {
            char numbers[16];
            std::snprintf(numbers, sizeof numbers, "%d/%02d/%02d", date->year, date->month,
                          date->day);
            return std::string(numbers);
        };
        return Format(_("date %s is outside %s to %s AH, the Hijri days that can be converted"),
                      Quote(text).c_str(), slashed(first).c_str(), slashed(last).c_str());
    }
    value = *converted;
    return std::nullopt;
}

std::optional<std::string> ReadSolarDate(std::string_view text, DateValue& value) {
    const auto date = ParseSolarDate(text);
    if (!date) {
        return Format(_("invalid date %s (expected YYYY/MM/DD)"), Quote(text).c_str());
    }
    return CheckSolarDate(text, *date, value);
}

}  // namespace tarvand
