#include "OutputBuffer.h"

#include <unistd.h>

#include <cerrno>

namespace tarvand {

OutputBuffer::OutputBuffer(int fd, std::size_t gather) : fd_(fd), gather_(gather) {
    pending_.reserve(gather + 256);
}

OutputBuffer::~OutputBuffer() { Flush(); }

bool OutputBuffer::Add(std::string_view lines) {
    if (pending_.size() + lines.size() > gather_ && !Flush()) {
        return false;
    }
    pending_ += lines;
    return Added();
}

bool OutputBuffer::Added() { return pending_.size() < gather_ || Flush(); }

bool OutputBuffer::Flush() {
    std::size_t written = 0;
    while (error_ == 0 && written < pending_.size()) {
        const ssize_t done = write(fd_, pending_.data() + written, pending_.size() - written);
        if (done >= 0) {
            written += static_cast<std::size_t>(done);
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    pending_.clear();
    return error_ == 0;
}

}  // namespace tarvand
