#include "TimeNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QStringList>
#include <QVariantMap>

#include "PlaceTimes.h"
#include "TimeOfDayNames.h"
#include "TraySettings.h"

namespace tarvand {

namespace {

// The times ticked, by their English names, and the last minute told, in tray.ini.
const QString TickedKey = QStringLiteral("times/notify");
const QString ToldKey = QStringLiteral("times/lastNotified");
// A minute long past when the machine wakes is not told: it would come as a surprise.
constexpr qint64 Lateness = 15 * 60;

}  // namespace

TimeNotifier::TimeNotifier(bool persian, Sender send, QObject* parent)
    : QObject(parent), persian_(persian), send_(send ? std::move(send) : Sender(&SendOverDBus)) {
    QSettings settings = TraySettings();
    const QStringList ticked = settings.value(TickedKey).toStringList();
    for (std::size_t i = 0; i < TimeOfDayNames.size(); ++i) {
        ticked_[i] = ticked.contains(QString::fromLatin1(TimeOfDayNames[i]));
    }
    lastTold_ = settings.value(ToldKey, 0).toLongLong();
}

void TimeNotifier::SetTicked(int time, bool on) {
    ticked_[static_cast<std::size_t>(time)] = on;
    QStringList ticked;
    for (std::size_t i = 0; i < TimeOfDayNames.size(); ++i) {
        if (ticked_[i]) {
            ticked << QString::fromLatin1(TimeOfDayNames[i]);
        }
    }
    TraySettings().setValue(TickedKey, ticked);
}

std::optional<qint64> TimeNotifier::Check(qint64 now) {
    if (!place_ || std::none_of(ticked_.begin(), ticked_.end(), [](bool on) { return on; })) {
        return std::nullopt;
    }
    // The times from yesterday's (a midnight after 00:00) to the day after tomorrow's.
    const QDate today = QDateTime::fromSecsSinceEpoch(now, ZoneOf(*place_)).date();
    std::optional<qint64> next;
    for (int offset = -1; offset <= 2; ++offset) {
        const PrintedTimes times = PrintedTimesOn(*place_, today.addDays(offset), persian_);
        for (std::size_t i = 0; i < times.size(); ++i) {
            if (!ticked_[i] || !times[i].minute) {
                continue;
            }
            const qint64 minute = *times[i].minute;
            if (minute <= now && now < minute + Lateness && minute > lastTold_) {
                lastTold_ = minute;
                TraySettings().setValue(ToldKey, lastTold_);
                send_(times[i].text, QString::fromStdString(place_->name));
            } else if (minute > now && (!next || minute < *next)) {
                next = minute;
            }
        }
    }
    return next;
}

void TimeNotifier::SendOverDBus(const QString& summary, const QString& body) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Tarvand") << 0u << QStringLiteral("org.tarvand.tarvand") << summary
         << body << QStringList() << QVariantMap() << -1;
    // No answer is awaited, and none is said: without a server the call just fails.
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

}  // namespace tarvand
