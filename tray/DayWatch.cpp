#include "DayWatch.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>

#include "calendar/LocalClock.h"

namespace tarvand {

using namespace std::chrono;

namespace {

// The zone file the C library reads when TZ is unset; timedatectl and the desktops' settings
// replace the link, so its folder is watched.
const QString ZoneFile = QStringLiteral("/etc/localtime");

}  // namespace

DayWatch::DayWatch(QObject* parent) : QObject(parent) {
    timer_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_ >= 0) {
        notifier_ = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            // ECANCELED: the clock was set. Either way today may be another day.
            while (read(timer_, &expirations, sizeof expirations) < 0 && errno == EINTR) {
            }
            Check();
        });
    }
    zoneWatcher_ = new QFileSystemWatcher({QFileInfo(ZoneFile).absolutePath()}, this);
    zone_ = QFileInfo(ZoneFile).symLinkTarget();
    connect(zoneWatcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        const QString zone = QFileInfo(ZoneFile).symLinkTarget();
        if (zone != zone_) {
            zone_ = zone;
            Check();
        }
    });
    Arm();
}

DayWatch::~DayWatch() {
    if (timer_ >= 0) {
        close(timer_);
    }
}

void DayWatch::Check() {
    tzset();  // the C library reads a changed zone only when asked
    Arm();
    emit dayMayHaveChanged();
}

void DayWatch::WakeAlsoAt(std::int64_t moment) {
    also_ = moment;
    Arm();
}

void DayWatch::Arm() {
    if (timer_ < 0) {
        return;
    }
    // The next midnight in the zone, as a moment: mktime finds the offset, summer time included.
    const local_days next = floor<days>(LocalNow()) + days{1};
    const year_month_day date{next};
    std::tm midnight{};
    midnight.tm_year = int{date.year()} - 1900;
    midnight.tm_mon = static_cast<int>(unsigned{date.month()}) - 1;
    midnight.tm_mday = static_cast<int>(unsigned{date.day()});
    midnight.tm_isdst = -1;
    std::time_t at = std::mktime(&midnight);
    if (at == -1) {
        return;
    }
    if (also_ > std::time(nullptr) && also_ < at) {
        at = static_cast<std::time_t>(also_);
    }
    itimerspec when{};
    when.it_value.tv_sec = at;
    timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

}  // namespace tarvand
