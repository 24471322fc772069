// Lines from a file descriptor, each at most a set length, in constant memory.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace tarvand {

class LineReader {
public:
    // What Next found.
    enum class Result { Line, TooLong, End, Error };

    // Takes an open file descriptor (not owned), the longest line kept, and what to do before each
    // read that may wait for more input (such as flushing what was written so far).
    LineReader(int fd, std::size_t maxLength, void (*beforeRead)(void*) = nullptr,
               void* context = nullptr);

    // Reads the next line: Line sets line (without its newline; a UTF-8 byte order mark at the
    // start of the input is dropped); TooLong means a line longer than maxLength, which is skipped
    // to its end; End means no more input; Error means a read failed, with errno set.
    Result Next(std::string_view& line) {
        // The usual case, inline: past the start, a whole line of no more than maxLength waits.
        if (!atStart_) {
            const char* first = buffer_.data() + begin_;
            if (const auto* newline =
                    static_cast<const char*>(std::memchr(first, '\n', end_ - begin_))) {
                const auto length = static_cast<std::size_t>(newline - first);
                if (length <= maxLength_) {
                    begin_ += length + 1;
                    line = std::string_view(first, length);
                    return Result::Line;
                }
            }
        }
        return NextAfterReading(line);
    }

private:
    // Next, for all cases: the start, a line that is too long or not yet read whole.
    Result NextAfterReading(std::string_view& line);

    // Reads more input after the unread part; returns the bytes read, 0 at the end, -1 on error.
    long Fill();

    int fd_;
    std::size_t maxLength_;
    void (*beforeRead_)(void*);
    void* context_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the first unread byte
    std::size_t end_ = 0;    // one past the last byte read
    bool atStart_ = true;
    bool atEnd_ = false;
};

}  // namespace tarvand
