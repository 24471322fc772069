// A desktop notification at each time of the day the user ticks (none by default), through
// org.freedesktop.Notifications: at its printed minute, never before it and never twice, and not
// at all when the minute is long past (a machine that slept through it). Quiet where no
// notification server runs.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "UserPlace.h"

namespace tarvand {

class TimeNotifier : public QObject {
    Q_OBJECT

public:
    // How a notification is sent: its summary ("Maghrib 17:13") and body (the place's name).
    using Sender = std::function<void(const QString& summary, const QString& body)>;

    // Takes the language and how to send (by default over the session bus); reads the ticked
    // times and the last one told from $XDG_CONFIG_HOME/tarvand/tray.ini.
    explicit TimeNotifier(bool persian, Sender send = {}, QObject* parent = nullptr);

    // Takes the place the times are for, or none (then nothing is told).
    void SetPlace(const std::optional<NamedPlace>& place) { place_ = place; }

    // Which of the six times are ticked, Fajr first.
    const std::array<bool, TimesOfDayCount>& Ticked() const { return ticked_; }
    // Takes a time, 0 (Fajr) to 5 (Midnight), and whether it is ticked; keeps the choice.
    void SetTicked(int time, bool on);

    // Takes the moment now, in seconds since 1970; tells the ticked times whose printed minute
    // has come within the last quarter of an hour and that were not told yet, and returns when
    // the next ticked time's minute comes (nothing when none is ticked or there is no place).
    std::optional<qint64> Check(qint64 now);

private:
    // Takes a summary and a body; sends them as a notification, not waiting for an answer.
    static void SendOverDBus(const QString& summary, const QString& body);

    bool persian_;
    Sender send_;
    std::optional<NamedPlace> place_;
    std::array<bool, TimesOfDayCount> ticked_{};
    qint64 lastTold_ = 0;  // the printed minute last told, so that none is told twice
};

}  // namespace tarvand
