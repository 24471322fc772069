#include "DataFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "OccasionLines.h"
#include "Quote.h"

namespace tarvand {

std::optional<std::string> ReadDataFile(const std::string& path,
                                        std::vector<std::string>& messages) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (errno != ENOENT) {
            messages.push_back("cannot read " + QuoteName(path) + ": " + std::strerror(errno));
        }
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        messages.push_back("cannot read " + QuoteName(path) + ": " + std::strerror(errno));
        return std::nullopt;
    }
    return text;
}

void ForEachDataLine(std::string_view text,
                     const std::function<void(long, std::string_view)>& read) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    long number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!IsCommentOrBlank(line)) {
            read(number, line);
        }
    }
}

std::vector<std::string> DataFilesIn(const std::string& folder) {
    std::error_code error;
    std::vector<std::string> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with('.') && !name.ends_with('~') && entry.is_regular_file(error)) {
            paths.push_back(entry.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string LineMessage(const std::string& path, long number, std::string_view problem) {
    return NameBeforeLine(path) + ":" + std::to_string(number) + ": " + std::string(problem);
}

}  // namespace tarvand
