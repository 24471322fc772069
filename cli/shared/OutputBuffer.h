// Output to a file descriptor, gathered so that each write holds whole lines only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvand {

class OutputBuffer {
public:
    // Takes an open file descriptor (not owned) and how much to gather before writing. At most
    // PIPE_BUF (4096 bytes on Linux), a write to a pipe is atomic, so that lines of two programs
    // sharing it never mix.
    OutputBuffer(int fd, std::size_t gather);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Takes whole lines of text and adds them; writes what was gathered first when they would not
    // fit. Returns false once a write has failed (and writes nothing more).
    bool Add(std::string_view lines);

    // Writes what was gathered; returns false once a write has failed.
    bool Flush();

    // The pending text, to append whole lines to in place; call Added() after appending.
    std::string& Pending() { return pending_; }
    bool Added();

    // The errno of the write that failed, or 0.
    int Error() const { return error_; }

private:
    int fd_;
    std::size_t gather_;
    std::string pending_;
    int error_ = 0;
};

}  // namespace tarvand
