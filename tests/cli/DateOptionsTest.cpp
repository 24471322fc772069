#include "DateOptions.h"

#include <gtest/gtest.h>

namespace tarvand {
namespace {

// Takes the arguments after the program name; returns the parsed options, failing on an error.
DateOptions Parsed(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "tarvand-date");
    auto result = ParseDateOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&result)) {
        ADD_FAILURE() << "unexpected error: " << error->message;
        return {};
    }
    return std::get<DateOptions>(result);
}

// Takes the arguments after the program name; returns the error message, failing on success.
std::string Error(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "tarvand-date");
    auto result = ParseDateOptions(arguments);
    if (const auto* error = std::get_if<UsageError>(&result)) {
        return error->message;
    }
    ADD_FAILURE() << "no error";
    return {};
}

TEST(ParseDateOptions, DefaultsToTodayInLayoutZero) {
    const DateOptions options = Parsed({});
    EXPECT_EQ(DateOptions::Action::Convert, options.action);
    EXPECT_EQ(0, options.layout);
    EXPECT_FALSE(options.all);
    EXPECT_EQ(std::nullopt, options.date);
    EXPECT_EQ(std::nullopt, options.file);
}

TEST(ParseDateOptions, ReadsShortLongAndAttachedForms) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"-l", "2", "-d", "2011-03-02"},
                                               {"-l2", "-d2011-03-02"},
                                               {"--layout", "2", "--date", "2011-03-02"},
                                               {"--layout=2", "--date=2011-03-02"},
                                               {"--lay=2", "--da=2011-03-02"}}) {
        const DateOptions options = Parsed(arguments);
        EXPECT_EQ(2, options.layout) << arguments[0];
        EXPECT_EQ("2011-03-02", options.date.value_or("")) << arguments[0];
    }
    EXPECT_EQ("-", Parsed({"--file", "-"}).file.value_or(""));
    EXPECT_EQ("dates.txt", Parsed({"-f", "dates.txt"}).file.value_or(""));
    EXPECT_EQ("", Parsed({"--date="}).date.value_or("unset"));
}

TEST(ParseDateOptions, LetsTheLaterOfLayoutAndAllWin) {
    EXPECT_TRUE(Parsed({"-l", "1", "-a"}).all);
    EXPECT_FALSE(Parsed({"-a", "-l", "1"}).all);
    EXPECT_EQ(1, Parsed({"-a", "-l", "1"}).layout);
    EXPECT_TRUE(Parsed({"--all"}).all);
}

TEST(ParseDateOptions, RecognisesHelpAndVersion) {
    EXPECT_EQ(DateOptions::Action::Help, Parsed({"-h"}).action);
    EXPECT_EQ(DateOptions::Action::Help, Parsed({"--help"}).action);
    EXPECT_EQ(DateOptions::Action::Version, Parsed({"--version"}).action);
}

TEST(ParseDateOptions, NamesTheBadArgument) {
    EXPECT_EQ("invalid layout '4' (expected 0, 1, 2 or 3)", Error({"-l", "4"}));
    EXPECT_EQ("invalid layout '-1' (expected 0, 1, 2 or 3)", Error({"--layout=-1"}));
    EXPECT_EQ("invalid layout '01' (expected 0, 1, 2 or 3)", Error({"-l", "01"}));
    EXPECT_EQ("invalid layout '' (expected 0, 1, 2 or 3)", Error({"--layout="}));
    EXPECT_EQ("unrecognized option '--frobnicate'", Error({"--frobnicate"}));
    EXPECT_EQ("invalid option -- 'x'", Error({"-x"}));
    EXPECT_EQ("option '--date' requires an argument", Error({"--date"}));
    EXPECT_EQ("option '-l' requires an argument", Error({"-l"}));
    EXPECT_EQ("extra operand '2011-03-02'", Error({"2011-03-02"}));
    EXPECT_EQ("--date and --file cannot be used together", Error({"-d", "2011-03-02", "-f", "-"}));
}

TEST(ParseDateOptions, CanBeCalledAgainAfterAnError) {
    EXPECT_EQ("invalid option -- 'x'", Error({"-x"}));
    EXPECT_EQ(3, Parsed({"-l", "3"}).layout);
}

}  // namespace
}  // namespace tarvand
