// The Hijri lunar calendar as Iran keeps it: each month begins on the day after the new crescent is
// seen. Its months are known from the record (1265-1447) and from the files of the administrator
// and the user; before and after them they are predicted from the crescent's visibility.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "DateValue.h"

namespace tarvand {

// A day of the Hijri lunar calendar.
struct HijriDate {
    int year = 0;            // 1213 to 3092
    int month = 0;           // 1 (Muharram) to 12 (Dhu al-Hijja)
    int day = 0;             // 1 to 30
    bool predicted = false;  // the day's place in its month comes from the crescent's prediction
};

// The first day of a Hijri month, as a month file gives it.
struct HijriMonthStart {
    int year = 0;
    int month = 0;
    DateValue first = 0;
};

// Why a month start is not taken; the words are the caller's.
struct HijriCorrectionProblem {
    enum class Kind {
        NoSuchMonth,      // the month is not among those held
        FarFromExpected,  // more than two days from the start expected
        WrongLength,      // a month, or a span of months, would not have 29 or 30 days each
    };
    Kind kind = Kind::NoSuchMonth;
    int year = 0;  // the month given; for WrongLength, the span's first month
    int month = 0;
    DateValue expected = 0;  // FarFromExpected: the start expected
    DateValue given = 0;     // FarFromExpected: the start given
    int months = 0;          // WrongLength: the months the span holds
    int days = 0;            // WrongLength: the days they would hold
};

class HijriCalendar {
public:
    // The record and the prediction around it. Costs nothing: the lists are built in.
    HijriCalendar() = default;

    // Takes month starts; makes each in turn a known month start (a later one of the same month
    // replaces an earlier one) and then joins the predicted months to them once. Returns those it
    // does not take, each by its index with why: there is no such month here, it is more than two
    // days from the start expected, or a month beside it would not have 29 or 30 days.
    std::vector<std::pair<std::size_t, HijriCorrectionProblem>> Correct(
        const std::vector<HijriMonthStart>& starts);

    // The same for one month start.
    std::optional<HijriCorrectionProblem> Correct(int year, int month, DateValue first);

    // Takes a date value (its time of day is ignored); returns its Hijri date, or nothing outside
    // the months held (which cover 21 March 1799 to 20 March 3622).
    std::optional<HijriDate> ToHijri(DateValue value) const;

    // Takes a Hijri year, month and day (day 0 is the month's last); returns its date value, or
    // nothing when there is no such day here.
    std::optional<DateValue> FromHijri(int year, int month, int day) const;

    // Takes a Hijri year and month; returns its length, 29 or 30 days, or 0 when not held.
    int MonthLength(int year, int month) const;

    // Takes a Hijri year and month; returns true when its length is sure: its start and the next
    // month's are both from the record or a correction.
    bool LengthKnown(int year, int month) const;

    // The first and last Hijri years held.
    int FirstYear() const;
    int LastYear() const;

private:
    // Takes a Hijri year and month; returns its index in the lists, or nothing when not held.
    std::optional<std::size_t> Index(int year, int month) const;
    // The month starts: the built-in ones, or this calendar's own once corrected.
    const std::int32_t* Starts() const;
    std::size_t Count() const;  // months held, with one more for the end of the last
    // Takes an index; returns true when that month's start is from the record or a correction.
    bool Known(std::size_t index) const;
    // Takes a month start; makes it known without joining the months around it, or returns why
    // it cannot be.
    std::optional<HijriCorrectionProblem> MakeKnown(const HijriMonthStart& start);
    // Takes an index and a direction (-1 or 1); returns the nearest known month that way, or
    // nothing. Logarithmic in the corrections, so that a file of them costs as it is long.
    std::optional<std::size_t> NearestKnown(std::size_t index, int direction) const;

    // Empty until the first correction: until then the built-in lists, worked out at compile time.
    std::vector<std::int32_t> starts_;
    std::vector<bool> known_;
    std::set<std::size_t> corrected_;  // the indices corrected, outside the record or in it
};

}  // namespace tarvand
