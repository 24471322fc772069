// Lines from a file descriptor, each at most a set length, in constant memory.
#pragma once

#include <cstddef>
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
    Result Next(std::string_view& line);

private:
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
