#include "calendar/ToSolarDate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/SolarNames.h"

namespace tarvand {
namespace {

using namespace std::chrono;

// Takes code points; returns their UTF-8 text (only the two- and one-byte forms these names use).
std::string Utf8(const std::vector<char32_t>& codePoints) {
    std::string text;
    for (const char32_t c : codePoints) {
        if (c < 0x80) {
            text += static_cast<char>(c);
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

TEST(SolarNames, SpellTheMonthsWithTheArabicYeh) {
    const std::vector<std::vector<char32_t>> expected{
        {0x0641, 0x0631, 0x0648, 0x0631, 0x062F, 0x064A, 0x0646},
        {0x0627, 0x0631, 0x062F, 0x064A, 0x0628, 0x0647, 0x0634, 0x062A},
        {0x062E, 0x0631, 0x062F, 0x0627, 0x062F},
        {0x062A, 0x064A, 0x0631},
        {0x0645, 0x0631, 0x062F, 0x0627, 0x062F},
        {0x0634, 0x0647, 0x0631, 0x064A, 0x0648, 0x0631},
        {0x0645, 0x0647, 0x0631},
        {0x0622, 0x0628, 0x0627, 0x0646},
        {0x0622, 0x0630, 0x0631},
        {0x062F, 0x064A},
        {0x0628, 0x0647, 0x0645, 0x0646},
        {0x0627, 0x0633, 0x0641, 0x0646, 0x062F}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Utf8(expected[i]), MonthNames[i]) << "month " << i + 1;
    }
}

TEST(SolarNames, SpellTheWeekdaysFromSunday) {
    const std::vector<std::vector<char32_t>> expected{
        {0x064A, 0x06A9, 0x0634, 0x0646, 0x0628, 0x0647},
        {0x062F, 0x0648, 0x0634, 0x0646, 0x0628, 0x0647},
        {0x0633, 0x0647, 0x0020, 0x0634, 0x0646, 0x0628, 0x0647},
        {0x0686, 0x0647, 0x0627, 0x0631, 0x0634, 0x0646, 0x0628, 0x0647},
        {0x067E, 0x0646, 0x062C, 0x0634, 0x0646, 0x0628, 0x0647},
        {0x062C, 0x0645, 0x0639, 0x0647},
        {0x0634, 0x0646, 0x0628, 0x0647}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Utf8(expected[i]), DayNames[i]) << "weekday " << i;
    }
}

// The names, checked above, by their usual Latin spelling.
const std::string Farvardin{MonthNames[0]};
const std::string Esfand{MonthNames[11]};
const std::string Tuesday{DayNames[2]};
const std::string Wednesday{DayNames[3]};
const std::string Thursday{DayNames[4]};
const std::string Friday{DayNames[5]};
const std::string Saturday{DayNames[6]};

struct LayoutCase {
    year_month_day date;
    std::string code0, code1, code2, code3;
};

class ToSolarDateLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ToSolarDateLayouts, WritesEachLayoutExactly) {
    const DateValue value = ToDateValue(GetParam().date);
    EXPECT_EQ(GetParam().code0, ToSolarDate(value, 0));
    EXPECT_EQ(GetParam().code1, ToSolarDate(value, 1));
    EXPECT_EQ(GetParam().code2, ToSolarDate(value, 2));
    EXPECT_EQ(GetParam().code3, ToSolarDate(value, 3));
}

TEST_P(ToSolarDateLayouts, IgnoresTheTimeOfDay) {
    const DateValue lateEvening = ToDateValue(GetParam().date) + (23.0 * 60 + 59) / (24 * 60);
    EXPECT_EQ(GetParam().code0, ToSolarDate(lateEvening, 0));
    EXPECT_EQ(GetParam().code3, ToSolarDate(lateEvening, 3));
}

TEST_P(ToSolarDateLayouts, UsesLayoutZeroWhenNoCodeIsGiven) {
    EXPECT_EQ(GetParam().code0, ToSolarDate(ToDateValue(GetParam().date)));
}

INSTANTIATE_TEST_SUITE_P(
    KnownDays, ToSolarDateLayouts,
    ::testing::Values(
        LayoutCase{1953y / March / 21, "1332/01/01", "1 " + Farvardin + " 1332",
                   Saturday + " 1332/1/1", Saturday + "  1  " + Farvardin + "  1332"},
        LayoutCase{2011y / March / 2, "1389/12/11", "11 " + Esfand + " 1389",
                   Wednesday + " 1389/12/11", Wednesday + "  11  " + Esfand + "  1389"},
        LayoutCase{2011y / March / 29, "1390/01/09", "9 " + Farvardin + " 1390",
                   Tuesday + " 1390/1/9", Tuesday + "  9  " + Farvardin + "  1390"},
        LayoutCase{2011y / September / 22, "1390/06/31",
                   "31 " + std::string{MonthNames[5]} + " 1390", Thursday + " 1390/6/31",
                   Thursday + "  31  " + std::string{MonthNames[5]} + "  1390"},
        LayoutCase{2011y / September / 23, "1390/07/01",
                   "1 " + std::string{MonthNames[6]} + " 1390", Friday + " 1390/7/1",
                   Friday + "  1  " + std::string{MonthNames[6]} + "  1390"},
        LayoutCase{2013y / March / 20, "1391/12/30", "30 " + Esfand + " 1391",
                   Wednesday + " 1391/12/30", Wednesday + "  30  " + Esfand + "  1391"},
        LayoutCase{2013y / March / 21, "1392/01/01", "1 " + Farvardin + " 1392",
                   Thursday + " 1392/1/1", Thursday + "  1  " + Farvardin + "  1392"},
        LayoutCase{2059y / March / 20, "1437/12/29", "29 " + Esfand + " 1437",
                   Thursday + " 1437/12/29", Thursday + "  29  " + Esfand + "  1437"},
        LayoutCase{2059y / March / 21, "1438/01/01", "1 " + Farvardin + " 1438",
                   Friday + " 1438/1/1", Friday + "  1  " + Farvardin + "  1438"}));

TEST(ToSolarDate, GivesTheEmptyTextForAnUnknownCode) {
    const DateValue value = ToDateValue(2011y / March / 2);
    for (const int code : {-1, 4, 5, 100}) {
        EXPECT_EQ("", ToSolarDate(value, code)) << code;
    }
}

TEST(ToSolarDate, GivesTheEmptyTextBeforeTheFirstDay) {
    for (const DateValue value : {SolarEpoch - 1, SolarEpoch - 0.25, 0.0, -700000.0}) {
        for (int code = 0; code < FormatCount; ++code) {
            EXPECT_EQ("", ToSolarDate(value, code)) << value << " code " << code;
        }
    }
}

}  // namespace
}  // namespace tarvand
