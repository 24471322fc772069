// What the indicator and the month view say of a day: in Persian in a Persian locale, in Latin
// letters otherwise.
#pragma once

#include <QLocale>
#include <QString>
#include <vector>

#include "calendar/HijriCalendar.h"
#include "calendar/Occasion.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

// Returns true when messages are in Persian, as gettext chooses their language: the indicator
// then speaks Persian, right to left.
bool PersianLocale();

// Takes a text in English and whether to speak Persian; returns it, or its Persian translation
// from the catalogue built into the program (the English where it has none).
QString Say(const char* english, bool inPersian);

// Takes whether to speak Persian; returns the word that marks an estimated holiday or Hijri date,
// as tarvand-cal writes it.
QString EstimatedText(bool persian);

// Takes a number and whether to write Persian digits; returns it in those digits.
QString Digits(long long number, bool persian);

// Takes a Solar month, 1 to 12; returns its name in Persian or in Latin letters.
QString SolarMonthName(int month, bool persian);

// Takes a weekday of a SolarDate, 1 (Sunday) to 7 (Saturday); returns its name, whole or in two
// letters ("Sa"), in Persian or in the locale's language.
QString WeekdayName(int weekday, bool persian, bool shortName = false);

// Takes a Hijri month, 1 (Muharram) to 12; returns its name in Persian or in Latin letters.
QString HijriMonthName(int month, bool persian);

// Takes a Hijri date; returns it as "7 Shawwal 1447" (in Persian: day, month name, year).
QString HijriText(const HijriDate& date, bool persian);

// Takes whether to speak Persian; returns the locale Gregorian dates and weekdays are written in:
// Persian, or the user's unless it is Persian (then C's English), so that no view is half Persian.
QLocale GregorianLocale(bool persian);

// Takes a date value within 1178 to 3000 and whether to speak Persian; returns its Gregorian date
// in full ("27 March 2026", "۲۷ مارس ۲۰۲۶").
QString GregorianText(DateValue value, bool persian);

// Takes a count of what a list leaves out; returns "and N more", or the same in Persian.
QString MoreText(long long count, bool persian);

// Takes whether to speak Persian; returns what stands between the dates of one line: " · ", or in
// Persian the Persian comma, since a middle dot there reads as the Persian zero (۰).
QString DatesSeparator(bool persian);

// Takes a line of text; returns it embedded in its own direction, right to left where its first
// strong letter reads so and left to right otherwise, so that it reads in order as a line of a
// tooltip or a menu entry whatever the direction around it.
QString InOwnDirection(const QString& line);

// Takes an occasion; returns its name as shown: English, or Persian (or the event's text) in
// Persian, with " *" after an estimated holiday.
QString OccasionName(const Occasion& occasion, bool persian);

// Takes a date value within 1178 to 3000, the Hijri calendar and the language; returns its three
// dates in one line, Solar, Hijri (estimated where predicted) and Gregorian: "Thursday 4 Tir 1405
// · 10 Muharram 1448 (estimated) · 25 June 2026".
QString ThreeDatesText(DateValue value, const HijriCalendar& hijri, bool persian);

// Takes a date value within 1178 to 3000, its occasions, the Hijri calendar and the language;
// returns the day as a screen reader should hear it: "Saturday 1 Farvardin 1405, 21 March 2026,
// 1 Shawwal 1447: Nowruz, holiday; Eid al-Fitr, holiday, estimated".
QString FullDayText(DateValue value, const std::vector<Occasion>& occasions,
                    const HijriCalendar& hijri, bool persian);

}  // namespace tarvand
