// Tells when today may have become another day: at local midnight (on the wall clock, so also on
// waking from a suspend that slept through it), when the clock is set, and when the time zone
// changes. It sleeps in between: no polling.
#pragma once

#include <QObject>
#include <cstdint>

class QFileSystemWatcher;
class QSocketNotifier;

namespace tarvand {

class DayWatch : public QObject {
    Q_OBJECT

public:
    // Starts watching from the local clock's now.
    explicit DayWatch(QObject* parent = nullptr);
    ~DayWatch() override;

    // Reads the time zone again and arms the wake-up for the next local midnight; then tells.
    void Check();

    // Takes a moment in seconds since 1970; tells at it too (on the wall clock, as midnight), when
    // it comes before the next midnight. A later call replaces it.
    void WakeAlsoAt(std::int64_t moment);

signals:
    // Today may be another day, or a moment asked for has come.
    void dayMayHaveChanged();

private:
    // Arms the timer for the next local midnight of the C library's zone.
    void Arm();

    int timer_ = -1;  // a timerfd on the wall clock, or -1 where there is none
    QSocketNotifier* notifier_ = nullptr;
    QFileSystemWatcher* zoneWatcher_ = nullptr;
    QString zone_;           // where /etc/localtime led when last read
    std::int64_t also_ = 0;  // a moment to tell at besides midnight, or 0
};

}  // namespace tarvand
