#include "CommandLine.h"

#include "Messages.h"
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
        const std::string letter = Quote(std::string(1, static_cast<char>(optionChar)));
        return answer == ':' ? Format(_("option requires an argument -- %s"), letter.c_str())
                             : Format(_("invalid option -- %s"), letter.c_str());
    }
    const std::string written = argument.substr(0, argument.find('='));
    const auto found = Matching(std::string_view(written).substr(2), longOptions);
    if (found.size() > 1) {
        std::string possibilities;
        for (const option* candidate : found) {
            possibilities += ' ' + Quote("--" + std::string(candidate->name));
        }
        return Format(_("option %s is ambiguous; possibilities:%s"), Quote(written).c_str(),
                      possibilities.c_str());
    }
    if (found.empty()) {
        return Format(_("unrecognized option %s"), Quote(written).c_str());
    }
    const std::string name = Quote("--" + std::string(found[0]->name));
    return answer == ':' ? Format(_("option %s requires an argument"), name.c_str())
                         : Format(_("option %s doesn't allow an argument"), name.c_str());
}

}  // namespace tarvand
