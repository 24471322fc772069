#include "TrayHost.h"

#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <string>

namespace tarvand {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

}  // namespace

bool StatusNotifierHostPresent() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(WatcherService)) {
        return false;
    }
    QDBusInterface watcher(WatcherService, QStringLiteral("/StatusNotifierWatcher"), WatcherService,
                           bus);
    return watcher.property("IsStatusNotifierHostRegistered").toBool();
}

bool XEmbedTrayPresent() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    // The default screen's number, as the display's name gives it (":0.1" is screen 1).
    int screen = 0;
    const QByteArray display = qgetenv("DISPLAY");
    if (const qsizetype dot = display.lastIndexOf('.'); dot > display.lastIndexOf(':')) {
        screen = display.mid(dot + 1).toInt();
    }
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr);
    if (atom == nullptr) {
        return false;
    }
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) {  // nobody ever made the atom: no tray
        return false;
    }
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner != nullptr && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}

bool WaitForTray(int seconds) {
    const QDeadlineTimer deadline(std::chrono::seconds{seconds});
    while (!StatusNotifierHostPresent() && !XEmbedTrayPresent()) {
        if (deadline.hasExpired()) {
            return false;
        }
        // Look again in half a second, events served meanwhile.
        QEventLoop wait;
        QTimer::singleShot(std::min<qint64>(500, deadline.remainingTime()), &wait,
                           &QEventLoop::quit);
        wait.exec();
    }
    return true;
}

}  // namespace tarvand
