#include "DayTexts.h"

#include <QLocale>
#include <QTranslator>
#include <array>
#include <iostream>

#include "LocaleText.h"
#include "Messages.h"
#include "calendar/HijriNames.h"
#include "calendar/SolarFormat.h"
#include "calendar/SolarNames.h"

namespace tarvand {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Takes an occasion; returns its name: English, or Persian (or the event's text) in Persian.
QString PlainOccasionName(const Occasion& occasion, bool persian) {
    if (!persian) {
        return QString::fromStdString(occasion.english.empty() ? occasion.persian
                                                               : occasion.english);
    }
    std::string name = occasion.persian;
    MakePersian(name);  // its digits as the view's ("قیام ۱۵ خرداد")
    return QString::fromStdString(name);
}

// Persian two-letter weekdays, Sunday first: the first letter of each name.
constexpr std::array<const char*, 7> PersianShortDays{"\u06CC", "\u062F", "\u0633", "\u0686",
                                                      "\u067E", "\u062C", "\u0634"};

// Takes a name of the four layouts' spelling; returns it as Persian writes it elsewhere, with the
// Persian yeh, as %B and tarvand-cal -p write it.
QString PersianLetters(std::string_view name) {
    std::string text(name);
    MakePersian(text);
    return QString::fromStdString(text);
}

}  // namespace

bool PersianLocale() { return MessagesLanguage().starts_with("fa"); }

QString Say(const char* english, bool inPersian) {
    if (inPersian) {
        // The Persian catalogue, converted for Qt and built in: a view may speak Persian whatever
        // language the process's messages are in.
        static const QTranslator* const persian = [] {
            auto* translator = new QTranslator;
            if (!translator->load(QStringLiteral(":/translations/tarvand_fa.qm"))) {
                std::cerr << "tarvand: the built-in Persian translations cannot be read\n";
            }
            return translator;
        }();
        if (const QString translated = persian->translate("", english); !translated.isEmpty()) {
            return translated;
        }
    }
    return QString::fromUtf8(english);
}

QString EstimatedText(bool persian) { return Say("estimated", persian); }

QString Digits(long long number, bool persian) {
    std::string text = std::to_string(number);
    if (persian) {
        MakePersian(text);
    }
    return QString::fromStdString(text);
}

QString SolarMonthName(int month, bool persian) {
    const auto index = static_cast<std::size_t>(month - 1);
    return FromView(persian ? PersianMonthNames[index] : LatinMonthNames[index]);
}

QString WeekdayName(int weekday, bool persian, bool shortName) {
    const auto sunday0 = static_cast<std::size_t>(weekday - 1);
    if (persian) {
        return shortName ? QString::fromUtf8(PersianShortDays[sunday0])
                         : PersianLetters(DayNames[sunday0]);
    }
    // Qt counts Monday 1 to Sunday 7.
    const int qtDay = weekday == 1 ? 7 : weekday - 1;
    const QLocale locale = GregorianLocale(false);
    return shortName ? locale.standaloneDayName(qtDay, QLocale::ShortFormat).left(2)
                     : locale.dayName(qtDay, QLocale::LongFormat);
}

QString HijriMonthName(int month, bool persian) {
    const auto index = static_cast<std::size_t>(month - 1);
    return FromView(persian ? HijriMonthNames[index] : LatinHijriMonthNames[index]);
}

QString HijriText(const HijriDate& date, bool persian) {
    return Digits(date.day, persian) + u' ' + HijriMonthName(date.month, persian) + u' ' +
           Digits(date.year, persian);
}

QLocale GregorianLocale(bool persian) {
    if (persian) {
        return QLocale(QLocale::Persian, QLocale::Iran);
    }
    // Not Persian is not Persian anywhere: a Persian system locale whose messages are English
    // (no catalogue, or LANGUAGE=en) gives English names, not Persian ones among English words.
    const QLocale system = QLocale::system();
    return system.language() == QLocale::Persian ? QLocale::c() : system;
}

QString GregorianText(DateValue value, bool persian) {
    return GregorianLocale(persian).toString(ToQDate(ToCivilDate(value)),
                                             QStringLiteral("d MMMM yyyy"));
}

QString MoreText(long long count, bool persian) {
    // TRANSLATORS: %1 is a count of lines left out of a list.
    return Say("and %1 more", persian).arg(Digits(count, persian));
}

QString InOwnDirection(const QString& line) {
    // The embeddings RLE or LRE, and PDF after the line.
    return QChar(line.isRightToLeft() ? 0x202B : 0x202A) + line + QChar(0x202C);
}

QString OccasionName(const Occasion& occasion, bool persian) {
    QString name = PlainOccasionName(occasion, persian);
    if (occasion.estimated) {
        name += QStringLiteral(" *");
    }
    return name;
}

namespace {

// Takes a date value within 1178 to 3000 and the language; returns its Solar date in full,
// "Thursday 4 Tir 1405".
QString SolarText(DateValue value, bool persian) {
    const SolarDate solar = *ToSolarFields(value);
    return WeekdayName(solar.weekday, persian) + u' ' + Digits(solar.day, persian) + u' ' +
           SolarMonthName(solar.month, persian) + u' ' + Digits(solar.year, persian);
}

// Takes a date value, the Hijri calendar and the language; returns its Hijri date, with
// "(estimated)" where its month is predicted, as the tooltip says it; empty outside the months
// held.
QString HijriDayText(DateValue value, const HijriCalendar& hijri, bool persian) {
    const std::optional<HijriDate> lunar = hijri.ToHijri(value);
    if (!lunar) {
        return {};
    }
    return HijriText(*lunar, persian) +
           (lunar->predicted ? QStringLiteral(" (") + EstimatedText(persian) + u')' : QString());
}

}  // namespace

QString DatesSeparator(bool persian) {
    return persian ? QStringLiteral("\u060C ") : QStringLiteral(" \u00B7 ");
}

QString ThreeDatesText(DateValue value, const HijriCalendar& hijri, bool persian) {
    if (!ToSolarFields(value)) {
        return {};
    }
    const QString dot = DatesSeparator(persian);
    const QString lunar = HijriDayText(value, hijri, persian);
    return SolarText(value, persian) + (lunar.isEmpty() ? QString() : dot + lunar) + dot +
           GregorianText(value, persian);
}

QString FullDayText(DateValue value, const std::vector<Occasion>& occasions,
                    const HijriCalendar& hijri, bool persian) {
    if (!ToSolarFields(value)) {
        return {};
    }
    const QString comma = persian ? QStringLiteral("\u060C ") : QStringLiteral(", ");
    QString text = SolarText(value, persian) + comma + GregorianText(value, persian);
    if (const QString lunar = HijriDayText(value, hijri, persian); !lunar.isEmpty()) {
        text += comma + lunar;
    }
    QString separator = QStringLiteral(": ");
    for (const Occasion& occasion : occasions) {
        text += separator + PlainOccasionName(occasion, persian);
        if (IsHoliday(occasion)) {
            text += comma + Say("holiday", persian);
            if (occasion.estimated) {
                text += comma + EstimatedText(persian);
            }
        }
        separator = persian ? QStringLiteral("\u061B ") : QStringLiteral("; ");
    }
    return text;
}

}  // namespace tarvand
