#include "LocaleText.h"

#include <QDateTime>
#include <QLocale>

namespace tarvand {

using namespace std::chrono;

QDate ToQDate(year_month_day date) {
    return {int{date.year()}, static_cast<int>(unsigned{date.month()}),
            static_cast<int>(unsigned{date.day()})};
}

QString ShortDateText(local_days date) {
    return QLocale::system().toString(ToQDate(year_month_day{date}), QLocale::ShortFormat);
}

QString DateTimeText(local_seconds moment) {
    const local_days date = floor<days>(moment);
    const hh_mm_ss time{moment - date};
    const QDateTime local(
        ToQDate(year_month_day{date}),
        QTime(static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
              static_cast<int>(time.seconds().count())),
        Qt::LocalTime);
    const QLocale locale = QLocale::system();
    return locale.toString(local, locale.dateFormat(QLocale::ShortFormat) + QLatin1Char(' ') +
                                      locale.timeFormat(QLocale::LongFormat));
}

}  // namespace tarvand
