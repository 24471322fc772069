#include "StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QImage>
#include <QMenu>
#include <QTimer>
#include <QtEndian>

#include "DBusMenu.h"

namespace tarvand {

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString ItemPath = QStringLiteral("/StatusNotifierItem");
constexpr int RetryDelay = 250;  // milliseconds

// Takes a pixmap; returns its pixels as ARGB32 in network byte order, as the item's icons are
// sent.
DBusPixmap ToDBus(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    DBusPixmap sent{image.width(), image.height(), {}};
    sent.argb.resize(static_cast<qsizetype>(image.width()) * image.height() * 4);
    auto* out = reinterpret_cast<uchar*>(sent.argb.data());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, out += 4) {
            qToBigEndian(line[x], out);
        }
    }
    return sent;
}

}  // namespace

StatusNotifierItem::StatusNotifierItem(QMenu* menu, bool rightToLeft, QObject* parent)
    : QObject(parent), contextMenu_(menu), menu_(new DBusMenu(menu, rightToLeft, this)) {
    RegisterDBusTypes();
    // One name an item, as the protocol asks: the process and a count.
    static int count = 0;
    service_ = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                   .arg(QCoreApplication::applicationPid())
                   .arg(++count);
}

bool StatusNotifierItem::Register() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerObject(
            ItemPath, this,
            QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties) ||
        !bus.registerObject(
            menuPath_.path(), menu_,
            QDBusConnection::ExportScriptableContents | QDBusConnection::ExportAllProperties) ||
        !bus.registerService(service_)) {
        return false;
    }
    auto* watcher = new QDBusServiceWatcher(WatcherService, bus,
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { TellWatcher(); });
    TellWatcher();
    return true;
}

void StatusNotifierItem::TellWatcher(int tries) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(WatcherService, QStringLiteral("/StatusNotifierWatcher"),
                                       WatcherService, "RegisterStatusNotifierItem");
    call << service_;
    auto* pending =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, tries] {
        pending->deleteLater();
        // A watcher just started may own its name before it answers on it: ask again a little
        // later, for a few seconds.
        if (pending->isError() && tries > 1) {
            QTimer::singleShot(RetryDelay, this, [this, tries] { TellWatcher(tries - 1); });
        }
    });
}

void StatusNotifierItem::SetIcon(const QIcon& icon) {
    pixmaps_.clear();
    for (const QSize& size : icon.availableSizes()) {
        pixmaps_ << ToDBus(icon.pixmap(size, 1.0));  // device pixels, whatever the scale
    }
    emit NewIcon();
}

void StatusNotifierItem::SetToolTip(const QString& title, const QString& description) {
    toolTip_.title = title;
    toolTip_.description = description.toHtmlEscaped();
    emit NewToolTip();
}

void StatusNotifierItem::Activate(int x, int y) { emit activated(QPoint(x, y)); }

void StatusNotifierItem::SecondaryActivate(int x, int y) { emit secondaryActivated(QPoint(x, y)); }

void StatusNotifierItem::ContextMenu(int x, int y) { contextMenu_->popup(QPoint(x, y)); }

void StatusNotifierItem::Scroll(int /*delta*/, const QString& /*orientation*/) {}

}  // namespace tarvand
