#include "FirstIndicator.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>

#include "Messages.h"

namespace tarvand {

namespace {

// What a later indicator asks of the first.
constexpr std::string_view AskMonthView = "month\n";

// Takes a path; returns its socket address, or nothing when the path is too long for one.
std::optional<sockaddr_un> AddressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

}  // namespace

FirstIndicator::FirstIndicator(QObject* parent) : QObject(parent) {}

FirstIndicator::~FirstIndicator() {
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(path_.constData());
    }
}

QString FirstIndicator::SocketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tarvand-tray");
}

bool FirstIndicator::Claim() {
    const QByteArray path = SocketPath().toLocal8Bit();
    const auto refuse = [&path](int error) {
        std::cerr << MessageLine(
                         "tarvand",
                         Format(
                             _("%s: %s; a second indicator started later would not find this one"),
                             path.constData(), SystemError(error)))
                  << '\n';
        return true;
    };
    const auto address = AddressOf(path);
    if (!address) {
        return refuse(ENAMETOOLONG);
    }
    const auto* named = reinterpret_cast<const sockaddr*>(&*address);
    // One that answers on the socket runs already: it is asked for its month view.
    if (const int first = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0); first >= 0) {
        const bool asked = ::connect(first, named, sizeof *address) == 0 &&
                           ::send(first, AskMonthView.data(), AskMonthView.size(), MSG_NOSIGNAL) ==
                               static_cast<ssize_t>(AskMonthView.size());
        ::close(first);
        if (asked) {
            return false;
        }
    }
    // Nobody answers: a socket left behind by an indicator that did not end goes, and this one
    // listens in its place, for the user alone.
    ::unlink(path.constData());
    listening_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listening_ < 0 || ::bind(listening_, named, sizeof *address) != 0 ||
        ::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(listening_, 8) != 0) {
        const int error = errno;
        if (listening_ >= 0) {
            ::close(listening_);
            listening_ = -1;
        }
        return refuse(error);
    }
    path_ = path;
    auto* waiting = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
    connect(waiting, &QSocketNotifier::activated, this, &FirstIndicator::Answer);
    return true;
}

void FirstIndicator::Answer() {
    for (int later;
         (later = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
        // What it asks comes with its connection or just after: read once it is there.
        auto* asking = new QSocketNotifier(later, QSocketNotifier::Read, this);
        connect(asking, &QSocketNotifier::activated, this, [this, asking, later] {
            char asked[16];
            const ssize_t got = ::recv(later, asked, sizeof asked, 0);
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                return;
            }
            asking->setEnabled(false);
            asking->deleteLater();
            ::close(later);
            if (got > 0 &&
                std::string_view(asked, static_cast<std::size_t>(got)).starts_with(AskMonthView)) {
                emit monthViewAsked();
            }
        });
    }
}

}  // namespace tarvand
