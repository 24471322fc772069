#include "DataFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Messages.h"
#include "OccasionLines.h"
#include "Quote.h"

namespace tarvand {

std::string ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return config != nullptr && config[0] == '/'
               ? std::string(config)
               : std::string(home != nullptr ? home : "") + "/.config";
}

std::optional<std::string> ReadDataFile(const std::string& path,
                                        std::vector<std::string>& messages) {
    const auto refuse = [&](std::string_view why) {
        messages.push_back(
            Format(_("cannot read %s: %s"), QuoteName(path).c_str(), std::string(why).c_str()));
        return std::nullopt;
    };
    // Without blocking: a named pipe with no writer must not hold the program.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // No file is no file; but a link to nothing is said, as a file that was meant.
        struct stat link {};
        if (errno == ENOENT && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            return refuse(_("a link to nothing"));
        }
        return errno == ENOENT ? std::nullopt : refuse(SystemError(errno));
    }
    struct stat status {};
    std::string text;
    const char* kind = nullptr;
    if (fstat(fd, &status) != 0) {
        kind = SystemError(errno);
    } else if (S_ISDIR(status.st_mode)) {
        kind = _("a folder, not a file");
    } else if (!S_ISREG(status.st_mode)) {
        kind = S_ISFIFO(status.st_mode)   ? _("a named pipe, not a regular file")
               : S_ISSOCK(status.st_mode) ? _("a socket, not a regular file")
                                          : _("a device, not a regular file");
    } else if (status.st_size > static_cast<off_t>(DataFileLimit)) {
        kind = _("larger than 1 MiB");
    } else {
        text.reserve(static_cast<std::size_t>(status.st_size));
        char buffer[65536];
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0 && text.size() <= DataFileLimit) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        kind = got < 0                       ? SystemError(errno)
               : text.size() > DataFileLimit ? _("larger than 1 MiB")
                                             : nullptr;
    }
    close(fd);
    if (kind != nullptr) {
        return refuse(kind);
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

std::vector<std::string> DataFilesIn(const std::string& folder,
                                     std::vector<std::string>& messages) {
    std::vector<std::string> paths;
    std::error_code error;
    const auto kind = std::filesystem::status(folder, error).type();
    if (kind == std::filesystem::file_type::not_found) {
        return paths;
    }
    if (kind != std::filesystem::file_type::directory) {
        messages.push_back(Format(_("cannot read %s: %s"), QuoteName(folder).c_str(),
                                  error ? error.message().c_str() : _("not a folder")));
        return paths;
    }
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (name.starts_with('.') || name.ends_with('~')) {
            continue;
        }
        // What is not a regular file is refused by the reader, as in the user's own places; only
        // a link to nothing is said here (a file gone since the folder was listed is not).
        std::error_code problem;
        if (entries->status(problem).type() != std::filesystem::file_type::not_found) {
            paths.push_back(entries->path().string());
        } else if (entries->is_symlink(problem)) {
            messages.push_back(Format(_("cannot read %s: %s"),
                                      QuoteName(entries->path().string()).c_str(),
                                      _("a link to nothing")));
        }
    }
    if (error) {
        messages.push_back(
            Format(_("cannot read %s: %s"), QuoteName(folder).c_str(), error.message().c_str()));
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

void ReadDataLines(const std::string& path, std::vector<std::string>& messages,
                   const std::function<std::optional<std::string>(std::string_view)>& read) {
    if (const auto text = ReadDataFile(path, messages)) {
        ForEachDataLine(*text, [&](long number, std::string_view line) {
            if (const auto problem = read(line)) {
                messages.push_back(FileLine(NameBeforeLine(path), number) + ": " +
                                   *problem);
            }
        });
    }
}

}  // namespace tarvand
