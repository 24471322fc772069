// The data files people and administrators write for the commands: read whole, line by line, and
// the folders that hold them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvand {

// Returns the user's configuration folder: $XDG_CONFIG_HOME, or $HOME/.config when that is unset
// or relative, as the XDG base directories have it.
std::string ConfigHome();

// The largest data file read: a person's or an administrator's list is a few kilobytes.
inline constexpr std::size_t DataFileLimit = 1 << 20;

// Takes a path; returns the file's text, nothing when it does not exist, and adds a message when
// it exists but cannot be read: only a regular file of at most DataFileLimit bytes is read (not a
// folder, named pipe or device), and nothing waits on it.
std::optional<std::string> ReadDataFile(const std::string& path,
                                        std::vector<std::string>& messages);

// Takes text and a function of a line's number and text; calls it for each line to read (not
// blank, not a comment), a byte order mark at the start dropped.
void ForEachDataLine(std::string_view text,
                     const std::function<void(long, std::string_view)>& read);

// Takes a folder; returns the paths in it in name order, leaving out hidden files and backups
// (names ending in ~): what is not a regular file is for ReadDataFile to refuse. A folder that does
// not exist holds nothing; a path that is not a folder, and a link in it to nothing, add a message.
std::vector<std::string> DataFilesIn(const std::string& folder, std::vector<std::string>& messages);

// Takes a path, the messages and a function that reads a line and returns what is wrong with it
// (nothing when the line is taken); reads the file, if there is one, line by line with it, and
// adds "FILE:LINE: problem" for each line refused.
void ReadDataLines(const std::string& path, std::vector<std::string>& messages,
                   const std::function<std::optional<std::string>(std::string_view)>& read);

}  // namespace tarvand
