// The conversion against an independent one: ICU's Persian calendar, which keeps the same
// 33-year arithmetic leap rule.
#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <memory>
#include <string>

#include "calendar/SolarYear.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

struct SolarFields {
    int year, month, day, weekday;
};

// ICU's Persian calendar in UTC, so that a day is a day.
class IcuPersian {
public:
    IcuPersian() {
        UErrorCode status = U_ZERO_ERROR;
        calendar_.reset(icu::Calendar::createInstance(
            icu::TimeZone::createTimeZone("UTC"), icu::Locale("fa_IR@calendar=persian"), status));
        if (U_FAILURE(status) || calendar_ == nullptr) {
            throw std::runtime_error(std::string{"ICU calendar: "} + u_errorName(status));
        }
    }

    // Takes a civil day; returns ICU's Persian year, month (1 to 12), day and weekday (1 Sunday).
    SolarFields Fields(sys_days day) {
        UErrorCode status = U_ZERO_ERROR;
        const auto millis = duration_cast<milliseconds>(day.time_since_epoch()).count();
        calendar_->setTime(static_cast<UDate>(millis), status);
        SolarFields fields{
            calendar_->get(UCAL_EXTENDED_YEAR, status), calendar_->get(UCAL_MONTH, status) + 1,
            calendar_->get(UCAL_DATE, status), calendar_->get(UCAL_DAY_OF_WEEK, status)};
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        return fields;
    }

    std::string Type() const { return calendar_->getType(); }

private:
    std::unique_ptr<icu::Calendar> calendar_;
};

// Takes a civil day; returns our year, month, day and weekday for it, through ToSolarDate's
// layouts.
SolarFields OurFields(sys_days day) {
    const DateValue value = ToDateValue(year_month_day{day});
    SolarFields fields{0, 0, 0, Weekday(value)};
    const std::string numeric = ToSolarDate(value, 0);
    EXPECT_EQ(3, std::sscanf(numeric.c_str(), "%d/%d/%d", &fields.year, &fields.month, &fields.day))
        << numeric;
    return fields;
}

// Takes a day; checks that both calendars agree on it, and returns false at the first difference.
bool Agrees(IcuPersian& icu, sys_days day) {
    const SolarFields theirs = icu.Fields(day);
    const SolarFields ours = OurFields(day);
    const bool same = theirs.year == ours.year && theirs.month == ours.month &&
                      theirs.day == ours.day && theirs.weekday == ours.weekday;
    const year_month_day date{day};
    EXPECT_TRUE(same) << int{date.year()} << "-" << unsigned{date.month()} << "-"
                      << unsigned{date.day()} << ": ICU " << theirs.year << "/" << theirs.month
                      << "/" << theirs.day << " weekday " << theirs.weekday << ", ours "
                      << ours.year << "/" << ours.month << "/" << ours.day << " weekday "
                      << ours.weekday;
    return same;
}

TEST(IcuCrossCheck, UsesIcusPersianCalendar) { EXPECT_EQ("persian", IcuPersian{}.Type()); }

TEST(IcuCrossCheck, AgreesOnEveryDayFrom1953To2256) {
    IcuPersian icu;
    const sys_days first{1953y / March / 21};
    const sys_days last{2256y / March / 19};
    int checked = 0;
    for (sys_days day = first; day <= last; day += days{1}) {
        ASSERT_TRUE(Agrees(icu, day));
        ++checked;
    }
    EXPECT_EQ((last - first).count() + 1, checked);
}

TEST(IcuCrossCheck, AgreesOnSpreadDaysUpTo9999) {
    IcuPersian icu;
    const sys_days last{9999y / December / 31};
    for (sys_days day{2256y / March / 19}; day <= last; day += days{97}) {
        ASSERT_TRUE(Agrees(icu, day));
    }
    EXPECT_TRUE(Agrees(icu, last));
}

}  // namespace
}  // namespace tarvand
