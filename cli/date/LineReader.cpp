#include "LineReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvand {

namespace {

// How much one read asks for.
constexpr std::size_t ReadSize = 64 * 1024;

// The UTF-8 byte order mark.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(int fd, std::size_t maxLength, void (*beforeRead)(void*), void* context)
    : fd_(fd),
      maxLength_(maxLength),
      beforeRead_(beforeRead),
      context_(context),
      buffer_(ReadSize + maxLength + 1) {}

long LineReader::Fill() {
    if (begin_ > 0) {  // keep the unread part at the front
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (beforeRead_ != nullptr) {
        beforeRead_(context_);
    }
    for (;;) {
        const ssize_t got = read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got >= 0 || errno != EINTR) {
            end_ += got > 0 ? static_cast<std::size_t>(got) : 0;
            return got;
        }
    }
}

LineReader::Result LineReader::NextAfterReading(std::string_view& line) {
    bool tooLong = false;
    for (;;) {
        const char* first = buffer_.data() + begin_;
        const auto* newline = static_cast<const char*>(std::memchr(first, '\n', end_ - begin_));
        const std::size_t length =
            newline ? static_cast<std::size_t>(newline - first) : end_ - begin_;
        if (atStart_ && (length >= ByteOrderMark.size() || newline || atEnd_)) {
            atStart_ = false;
            if (std::string_view(first, end_ - begin_).starts_with(ByteOrderMark)) {
                begin_ += ByteOrderMark.size();
                continue;
            }
        }
        // A line ending in CR LF may hold one byte more: the CR is not part of it.
        const bool crlf = length == maxLength_ + 1 && first[maxLength_] == '\r';
        if (length > maxLength_ && !crlf) {
            tooLong = true;  // drop what there is, keep looking for the end of the line
            begin_ += length;
            continue;
        }
        if (newline || (atEnd_ && length > 0)) {
            begin_ += length + (newline ? 1 : 0);
            if (tooLong) {
                return Result::TooLong;
            }
            line = std::string_view(first, length);
            return Result::Line;
        }
        if (atEnd_) {
            return tooLong ? Result::TooLong : Result::End;
        }
        const long got = Fill();
        if (got < 0) {
            return Result::Error;
        }
        atEnd_ = got == 0;
    }
}

}  // namespace tarvand
