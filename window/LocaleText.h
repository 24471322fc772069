// Dates and times as the user's locale writes them.
#pragma once

#include <QDate>
#include <QString>
#include <chrono>

namespace tarvand {

// Takes a civil date; returns it as a QDate.
QDate ToQDate(std::chrono::year_month_day date);

// Takes a local date; returns it in the system locale's short date form.
QString ShortDateText(std::chrono::local_days date);

// Takes a local date and time; returns the short date, a blank and the long time.
QString DateTimeText(std::chrono::local_seconds moment);

}  // namespace tarvand
