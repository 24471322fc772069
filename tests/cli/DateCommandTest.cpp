#include "DateCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Takes the arguments after the program name, standard input and today; runs the command.
Outcome RunCommand(std::vector<std::string> arguments, const std::string& input = "",
                   DateValue today = ToDateValue(2011y / March / 2)) {
    arguments.insert(arguments.begin(), "tarvand-date");
    const auto parsed = ParseDateOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<DateOptions>(parsed));
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDateCommand(std::get<DateOptions>(parsed), in, out, err, today);
    return {status, out.str(), err.str()};
}

// Takes a date and a layout; returns the line the command prints for it.
std::string Line(year_month_day date, int layout) {
    return ToSolarDate(ToDateValue(date), layout) + "\n";
}

std::string AllLines(year_month_day date) {
    return Line(date, 0) + Line(date, 1) + Line(date, 2) + Line(date, 3);
}

TEST(DateCommand, PrintsTodayInLayoutZero) {
    const Outcome outcome = RunCommand({}, "", ToDateValue(2013y / March / 20) + 0.9);
    EXPECT_EQ(0, outcome.status);
    EXPECT_EQ("1391/12/30\n", outcome.out);
    EXPECT_EQ("", outcome.err);
}

TEST(DateCommand, PrintsTheChosenLayoutOfTheGivenDate) {
    for (int layout = 0; layout < FormatCount; ++layout) {
        const Outcome outcome = RunCommand({"-l", std::to_string(layout), "-d", "2011-03-02"});
        EXPECT_EQ(0, outcome.status);
        EXPECT_EQ(Line(2011y / March / 2, layout), outcome.out);
    }
}

TEST(DateCommand, PrintsAllFourLayoutsInOrder) {
    const Outcome outcome = RunCommand({"--all", "--date", "2011-03-02"});
    EXPECT_EQ(0, outcome.status);
    EXPECT_EQ(AllLines(2011y / March / 2), outcome.out);
}

TEST(DateCommand, RefusesABadDateWithNothingOnStandardOutput) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"2011-02-30", "tarvand-date: invalid date '2011-02-30' (expected YYYY-MM-DD)\n"},
        {"2011-3-2x", "tarvand-date: invalid date '2011-3-2x' (expected YYYY-MM-DD)\n"},
        {"", "tarvand-date: invalid date '' (expected YYYY-MM-DD)\n"},
        {"1953-03-20",
         "tarvand-date: date '1953-03-20' is before 1953-03-21, the first day that can be "
         "converted\n"}};
    for (const auto& [date, message] : cases) {
        const Outcome outcome = RunCommand({"-a", "-d", date});
        EXPECT_EQ(2, outcome.status) << date;
        EXPECT_EQ("", outcome.out) << date;
        EXPECT_EQ(message, outcome.err);
    }
}

TEST(DateCommand, SaysSoWhenTodayIsBeforeTheFirstDay) {
    const Outcome outcome = RunCommand({}, "", ToDateValue(1950y / January / 1));
    EXPECT_EQ(2, outcome.status);
    EXPECT_EQ("", outcome.out);
    EXPECT_EQ(
        "tarvand-date: today's date '1950-01-01' is before 1953-03-21, the first day that can be "
        "converted\n",
        outcome.err);
}

TEST(DateCommand, ConvertsEveryGoodLineAndReportsEachBadOne) {
    const Outcome outcome = RunCommand(
        {"-l", "0", "-f", "-"}, "2011-03-02\nnonsense\n2013-03-21\r\n\n1900-01-01\n2059-03-21");
    EXPECT_EQ(1, outcome.status);
    EXPECT_EQ("1389/12/11\n1392/01/01\n1438/01/01\n", outcome.out);
    EXPECT_EQ(
        "tarvand-date: standard input:2: invalid date 'nonsense' (expected YYYY-MM-DD)\n"
        "tarvand-date: standard input:4: invalid date '' (expected YYYY-MM-DD)\n"
        "tarvand-date: standard input:5: date '1900-01-01' is before 1953-03-21, the first day "
        "that can be converted\n",
        outcome.err);
}

TEST(DateCommand, ReadsANamedFile) {
    const auto path = std::filesystem::temp_directory_path() / "tarvand-date-test-dates.txt";
    std::ofstream(path) << "2011-03-02\n2013-03-20\n";
    const Outcome outcome = RunCommand({"--all", "--file", path.string()});
    std::filesystem::remove(path);
    EXPECT_EQ(0, outcome.status);
    EXPECT_EQ(AllLines(2011y / March / 2) + AllLines(2013y / March / 20), outcome.out);
    EXPECT_EQ("", outcome.err);
}

TEST(DateCommand, RefusesAFileThatCannotBeRead) {
    const auto missing = std::filesystem::temp_directory_path() / "tarvand-no-such-file";
    const auto folder = std::filesystem::temp_directory_path();
    const Outcome noFile = RunCommand({"-f", missing.string()});
    EXPECT_EQ(2, noFile.status);
    EXPECT_EQ("", noFile.out);
    EXPECT_EQ("tarvand-date: cannot read '" + missing.string() + "': No such file or directory\n",
              noFile.err);
    const Outcome directory = RunCommand({"-f", folder.string()});
    EXPECT_EQ(2, directory.status);
    EXPECT_EQ("tarvand-date: cannot read '" + folder.string() + "': Is a directory\n",
              directory.err);
}

TEST(DateCommand, PrintsHelpAndVersion) {
    const Outcome help = RunCommand({"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ(DateUsage(), help.out);
    EXPECT_NE(std::string::npos, help.out.find("--layout=N"));
    const Outcome version = RunCommand({"--version"});
    EXPECT_EQ(0, version.status);
    EXPECT_EQ("tarvand-date 1.00\n", version.out);
}

TEST(DateCommand, ReportsAFailedWrite) {
    const auto parsed = ParseDateOptions({"tarvand-date", "-d", "2011-03-02"});
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(2, RunDateCommand(std::get<DateOptions>(parsed), in, out, err, 0));
    EXPECT_EQ("tarvand-date: write error on standard output\n", err.str());
}

}  // namespace
}  // namespace tarvand
