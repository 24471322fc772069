#include "DayTexts.h"

#include <QDate>
#include <QLocale>
#include <array>

#include "calendar/HijriNames.h"
#include "calendar/SolarNames.h"

namespace tarvand {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Persian two-letter weekdays, Sunday first: the first letter of each name.
constexpr std::array<const char*, 7> PersianShortDays{"\u06CC", "\u062F", "\u0633", "\u0686",
                                                      "\u067E", "\u062C", "\u0634"};

}  // namespace

bool PersianLocale() { return QLocale::system().language() == QLocale::Persian; }

QString Say(const char* english, const char* persian, bool inPersian) {
    return QString::fromUtf8(inPersian ? persian : english);
}

QString Digits(long long number, bool persian) {
    QString text = QString::number(number);
    if (persian) {
        for (QChar& c : text) {
            if (c.isDigit()) {
                c = QChar(0x06F0 + c.digitValue());
            }
        }
    }
    return text;
}

QString SolarMonthName(int month, bool persian) {
    const auto index = static_cast<std::size_t>(month - 1);
    return FromView(persian ? MonthNames[index] : LatinMonthNames[index]);
}

QString WeekdayName(int weekday, bool persian, bool shortName) {
    const auto sunday0 = static_cast<std::size_t>(weekday - 1);
    if (persian) {
        return shortName ? QString::fromUtf8(PersianShortDays[sunday0])
                         : FromView(DayNames[sunday0]);
    }
    // Qt counts Monday 1 to Sunday 7.
    const int qtDay = weekday == 1 ? 7 : weekday - 1;
    const QLocale locale = QLocale::system();
    return shortName ? locale.standaloneDayName(qtDay, QLocale::ShortFormat).left(2)
                     : locale.dayName(qtDay, QLocale::LongFormat);
}

QString HijriText(const HijriDate& date, bool persian) {
    const auto index = static_cast<std::size_t>(date.month - 1);
    return Digits(date.day, persian) + u' ' +
           FromView(persian ? HijriMonthNames[index] : LatinHijriMonthNames[index]) + u' ' +
           Digits(date.year, persian);
}

QString GregorianText(DateValue value) {
    const std::chrono::year_month_day civil = ToCivilDate(value);
    const QDate date(int{civil.year()}, static_cast<int>(unsigned{civil.month()}),
                     static_cast<int>(unsigned{civil.day()}));
    return QLocale::system().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString OccasionName(const Occasion& occasion, bool persian) {
    QString name = QString::fromStdString(persian || occasion.english.empty() ? occasion.persian
                                                                              : occasion.english);
    if (occasion.estimated) {
        name += QStringLiteral(" *");
    }
    return name;
}

QString FullDayText(DateValue value, const std::vector<Occasion>& occasions,
                    const HijriCalendar& hijri, bool persian) {
    const std::optional<SolarDate> solar = ToSolarFields(value);
    if (!solar) {
        return {};
    }
    const QString comma = persian ? QStringLiteral("\u060C ") : QStringLiteral(", ");
    QString text = WeekdayName(solar->weekday, persian) + u' ' + Digits(solar->day, persian) +
                   u' ' + SolarMonthName(solar->month, persian) + u' ' +
                   Digits(solar->year, persian) + comma + GregorianText(value);
    if (const std::optional<HijriDate> lunar = hijri.ToHijri(value)) {
        text += comma + HijriText(*lunar, persian);
    }
    QString separator = QStringLiteral(": ");
    for (const Occasion& occasion : occasions) {
        text += separator + QString::fromStdString(persian || occasion.english.empty()
                                                       ? occasion.persian
                                                       : occasion.english);
        if (IsHoliday(occasion)) {
            text += comma + Say("holiday", "\u062A\u0639\u0637\u06CC\u0644", persian);
            if (occasion.estimated) {
                text += comma + Say("estimated", "\u067E\u06CC\u0634\u200C\u0628\u06CC\u0646\u06CC",
                                    persian);
            }
        }
        separator = persian ? QStringLiteral("\u061B ") : QStringLiteral("; ");
    }
    return text;
}

}  // namespace tarvand
