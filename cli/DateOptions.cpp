#include "DateOptions.h"

#include <getopt.h>

#include <array>

namespace tarvand {

namespace {

constexpr int VersionOption = 256;

constexpr std::array<option, 8> LongOptions{{
    {"date", required_argument, nullptr, 'd'},
    {"file", required_argument, nullptr, 'f'},
    {"layout", required_argument, nullptr, 'l'},
    {"all", no_argument, nullptr, 'a'},
    {"to-gregorian", no_argument, nullptr, 'g'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOption},
    {nullptr, 0, nullptr, 0},
}};

// Takes the text of --layout; returns the layout 0 to 3, or -1.
int ParseLayout(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '3' ? text[0] - '0' : -1;
}

// Takes the argument getopt stopped at, getopt's answer (':' or '?') and the option character it
// reports; returns the message for the user.
std::string BadOptionMessage(const std::string& argument, int answer, int optionChar) {
    if (answer == ':') {
        return "option '" + argument + "' requires an argument";
    }
    if (argument.rfind("--", 0) == 0) {
        return "unrecognized option '" + argument + "'";
    }
    return "invalid option -- '" + std::string(1, static_cast<char>(optionChar)) + "'";
}

}  // namespace

std::variant<DateOptions, UsageError> ParseDateOptions(const std::vector<std::string>& arguments) {
    // getopt_long wants writable C strings, so it works on copies.
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (auto& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const int argc = static_cast<int>(copies.size());

    DateOptions options;
    bool layoutChosen = false;
    optind = 0;  // 0 makes glibc start a fresh scan
    opterr = 0;  // the messages are ours
    for (;;) {
        // '+' stops at the first operand; ':' reports a missing argument apart from a bad option.
        const int previous = optind == 0 ? 1 : optind;
        const int c = getopt_long(argc, argv.data(), "+:d:f:l:agh", LongOptions.data(), nullptr);
        if (c == -1) {
            break;
        }
        switch (c) {
            case 'd':
                options.date = optarg;
                break;
            case 'f':
                options.file = optarg;
                break;
            case 'l':
                options.layout = ParseLayout(optarg);
                if (options.layout < 0) {
                    return UsageError{"invalid layout '" + std::string{optarg} +
                                      "' (expected 0, 1, 2 or 3)"};
                }
                options.all = false;
                layoutChosen = true;
                break;
            case 'a':
                options.all = true;
                layoutChosen = true;
                break;
            case 'g':
                options.toGregorian = true;
                break;
            case 'h':
                options.action = DateOptions::Action::Help;
                break;
            case VersionOption:
                options.action = DateOptions::Action::Version;
                break;
            default:
                return UsageError{
                    BadOptionMessage(arguments[static_cast<std::size_t>(previous)], c, optopt)};
        }
    }
    if (optind < argc) {
        return UsageError{"extra operand '" + std::string{argv[static_cast<std::size_t>(optind)]} +
                          "'"};
    }
    if (options.date && options.file) {
        return UsageError{"--date and --file cannot be used together"};
    }
    if (options.toGregorian && layoutChosen) {
        return UsageError{"--to-gregorian cannot be used with --layout or --all"};
    }
    return options;
}

std::string DateUsage() {
    return R"(Usage: tarvand-date [OPTION]...
Print a date in the Solar Hijri (Iranian) calendar; by default today's local date.

  -d, --date=DATE     convert DATE, written YYYY-MM-DD, instead of today
  -f, --file=FILE     convert each date in FILE, one a line;
                        with FILE -, read standard input
  -g, --to-gregorian  the dates given are Solar Hijri, written YYYY/MM/DD;
                        print each as a Gregorian YYYY-MM-DD
  -l, --layout=N      print layout N:
                        0  year/month/day, zero-padded (the default)
                        1  day, month name, year
                        2  weekday name, year/month/day
                        3  weekday name, day, month name, year
  -a, --all           print the four layouts, one line each
  -h, --help          display this help and exit
      --version       output version information and exit

Names are in Persian and numbers in ASCII digits, written as UTF-8. Dates may be
written in ASCII or Persian digits. Every day from 1178/01/01 to 3000/12/30
(1799-03-21 to 3622-03-20) converts, in the astronomical calendar.

Exit status: 0 if all went well; 1 if some lines of FILE could not be converted;
2 for a bad option, a bad date or a file that cannot be read.
)";
}

}  // namespace tarvand
