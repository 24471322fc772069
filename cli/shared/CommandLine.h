// Reading a command line with getopt_long, as both commands do.
#pragma once

#include <getopt.h>

#include <string>
#include <vector>

namespace tarvand {

// The arguments as getopt_long wants them: writable C strings, ended by a null pointer. getopt
// may reorder them; the copies are the program's own.
class WritableArguments {
public:
    // Takes the arguments, program name first.
    explicit WritableArguments(const std::vector<std::string>& arguments);

    int Count() const { return static_cast<int>(copies_.size()); }
    char** Data() { return pointers_.data(); }
    // Takes an index below Count(); returns that argument as getopt has left it.
    std::string At(int index) const { return pointers_[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::string> copies_;
    std::vector<char*> pointers_;
};

// A command line that cannot be run, with the message that says why.
struct UsageError {
    std::string message;
};

// Takes the argument getopt stopped at, getopt's answer (':' or '?'), the option character it
// reports and the long options (ended by an entry without a name); returns the message for the
// user, in GNU getopt's words, naming the possibilities of an ambiguous abbreviation.
std::string BadOptionMessage(const std::string& argument, int answer, int optionChar,
                             const option* longOptions);

}  // namespace tarvand
