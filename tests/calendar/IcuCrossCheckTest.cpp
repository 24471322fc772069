// The conversion against an independent one: ICU's Persian calendar, which keeps the same
// 33-year arithmetic leap rule, day by day.
#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <string>

#include "calendar/SolarNames.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

class IcuCrossCheck : public ::testing::Test {
protected:
    void SetUp() override {
        UErrorCode status = U_ZERO_ERROR;
        persian_.reset(icu::Calendar::createInstance(
            icu::TimeZone::createTimeZone("UTC"), icu::Locale("fa_IR@calendar=persian"), status));
        ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        ASSERT_STREQ("persian", persian_->getType());
    }

    // Takes a day; returns ICU's date for it in layout 2: weekday name, year/month/day.
    std::string IcuLayout2(sys_days day) {
        UErrorCode status = U_ZERO_ERROR;
        persian_->setTime(
            static_cast<UDate>(duration_cast<milliseconds>(day.time_since_epoch()).count()),
            status);
        const int weekday = persian_->get(UCAL_DAY_OF_WEEK, status);  // 1 for Sunday
        std::string text = std::string{DayNames.at(static_cast<std::size_t>(weekday - 1))} + " " +
                           std::to_string(persian_->get(UCAL_EXTENDED_YEAR, status)) + "/" +
                           std::to_string(persian_->get(UCAL_MONTH, status) + 1) + "/" +
                           std::to_string(persian_->get(UCAL_DATE, status));
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        return text;
    }

    // Takes the first and last day and a stride; checks the days between; returns how many.
    int CheckDays(sys_days first, sys_days last, days stride) {
        int checked = 0;
        for (sys_days day = first; day <= last; day += stride, ++checked) {
            const std::string ours = ToSolarDate(ToDateValue(year_month_day{day}), 2);
            if (ours != IcuLayout2(day)) {
                ADD_FAILURE() << "day " << (day - sys_days{1953y / March / 21}).count()
                              << " from the first: ours " << ours << ", ICU " << IcuLayout2(day);
                break;
            }
        }
        return checked;
    }

    std::unique_ptr<icu::Calendar> persian_;
};

TEST_F(IcuCrossCheck, AgreesOnEveryDayFrom1953To2256) {
    EXPECT_EQ(110'668,
              CheckDays(sys_days{1953y / March / 21}, sys_days{2256y / March / 19}, days{1}));
}

TEST_F(IcuCrossCheck, AgreesOnSpreadDaysUpTo9999) {
    CheckDays(sys_days{2256y / March / 20}, sys_days{9999y / December / 31}, days{97});
    CheckDays(sys_days{9999y / December / 31}, sys_days{9999y / December / 31}, days{1});
}

}  // namespace
}  // namespace tarvand
