#include "IsoDate.h"

#include <gtest/gtest.h>

namespace tarvand {
namespace {

using namespace std::chrono;

TEST(ParseIsoDate, ReadsWellFormedDates) {
    EXPECT_EQ(2011y / March / 2, ParseIsoDate("2011-03-02"));
    EXPECT_EQ(2011y / March / 2, ParseIsoDate("2011-3-2"));
    EXPECT_EQ(2011y / March / 2, ParseIsoDate("  2011-03-02\r\n"));
    EXPECT_EQ(2000y / February / 29, ParseIsoDate("2000-02-29"));
    EXPECT_EQ(9999y / December / 31, ParseIsoDate("9999-12-31"));
    EXPECT_EQ(1950y / January / 1, ParseIsoDate("1950-01-01"));  // range is the caller's business
}

TEST(ParseIsoDate, RejectsMalformedOrImpossibleDates) {
    for (const char* text : {"",           " ",           "2011",        "2011-03",
                             "2011-03-",   "2011-3-2x",   "x2011-03-02", "2011-03-02 x",
                             "11-03-02",   "02011-03-02", "2011-003-02", "2011-03-002",
                             "2011/03/02", "2011--3-02",  "+2011-03-02", "2011-+3-02",
                             "2011-02-30", "2011-02-29",  "1900-02-29",  "2011-13-01",
                             "2011-00-10", "2011-04-31",  "2011-04-00"}) {
        EXPECT_EQ(std::nullopt, ParseIsoDate(text)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace tarvand
