#include "CommandLine.h"

#include "Quote.h"

namespace tarvand {

namespace {

// Takes a long option as written, without its dashes and any "=value"; returns the options whose
// names start with it.
std::vector<const option*> Matching(std::string_view name, const option* longOptions) {
    std::vector<const option*> found;
    for (const option* candidate = longOptions; candidate->name != nullptr; ++candidate) {
        if (std::string_view(candidate->name).starts_with(name)) {
            if (name == candidate->name) {
                return {candidate};
            }
            found.push_back(candidate);
        }
    }
    return found;
}

}  // namespace

WritableArguments::WritableArguments(const std::vector<std::string>& arguments)
    : copies_(arguments) {
    for (auto& argument : copies_) {
        pointers_.push_back(argument.data());
    }
    pointers_.push_back(nullptr);
}

std::string BadOptionMessage(const std::string& argument, int answer, int optionChar,
                             const option* longOptions) {
    if (!argument.starts_with("--")) {
        return answer == ':'
                   ? "option requires an argument -- " +
                         Quote(std::string(1, static_cast<char>(optionChar)))
                   : "invalid option -- " + Quote(std::string(1, static_cast<char>(optionChar)));
    }
    const std::string written = argument.substr(0, argument.find('='));
    const auto found = Matching(std::string_view(written).substr(2), longOptions);
    if (found.size() > 1) {
        std::string message = "option " + Quote(written) + " is ambiguous; possibilities:";
        for (const option* candidate : found) {
            message += " '--" + std::string(candidate->name) + "'";
        }
        return message;
    }
    if (found.empty()) {
        return "unrecognized option " + Quote(written);
    }
    const std::string name = "'--" + std::string(found[0]->name) + "'";
    return answer == ':' ? "option " + name + " requires an argument"
                         : "option " + name + " doesn't allow an argument";
}

}  // namespace tarvand
