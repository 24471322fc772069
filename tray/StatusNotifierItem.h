// The indicator as a StatusNotifierItem on the session bus, for the panels that host items over
// D-Bus (KDE, Xfce, waybar, GNOME's AppIndicator extension): its icon at every size drawn, a
// tooltip whose title is its first line and whose description the rest, and its menu through
// com.canonical.dbusmenu. It registers with the StatusNotifierWatcher, and again whenever a
// watcher appears (a panel restarted).
#pragma once

#include <QDBusObjectPath>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

#include "DBusTypes.h"

class QMenu;

namespace tarvand {

class DBusMenu;

class StatusNotifierItem : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category MEMBER category_ CONSTANT)
    Q_PROPERTY(QString Id MEMBER id_ CONSTANT)
    Q_PROPERTY(QString Title MEMBER title_ CONSTANT)
    Q_PROPERTY(QString Status MEMBER status_ CONSTANT)
    Q_PROPERTY(int WindowId MEMBER windowId_ CONSTANT)
    Q_PROPERTY(QString IconName MEMBER noName_ CONSTANT)
    Q_PROPERTY(QList<tarvand::DBusPixmap> IconPixmap READ Pixmaps)
    Q_PROPERTY(QString OverlayIconName MEMBER noName_ CONSTANT)
    Q_PROPERTY(QList<tarvand::DBusPixmap> OverlayIconPixmap MEMBER noPixmaps_ CONSTANT)
    Q_PROPERTY(QString AttentionIconName MEMBER noName_ CONSTANT)
    Q_PROPERTY(QList<tarvand::DBusPixmap> AttentionIconPixmap MEMBER noPixmaps_ CONSTANT)
    Q_PROPERTY(QString AttentionMovieName MEMBER noName_ CONSTANT)
    Q_PROPERTY(tarvand::DBusToolTip ToolTip READ ToolTipShown)
    Q_PROPERTY(bool ItemIsMenu MEMBER itemIsMenu_ CONSTANT)
    Q_PROPERTY(QDBusObjectPath Menu MEMBER menuPath_ CONSTANT)

public:
    // Takes the menu to offer (it must outlive the item) and whether it reads right to left.
    StatusNotifierItem(QMenu* menu, bool rightToLeft, QObject* parent = nullptr);

    // Puts the item and its menu on the session bus and registers it with the watcher; returns
    // false when there is no session bus or the item cannot be put there.
    bool Register();

    // Takes the icon; offers it at each of its sizes.
    void SetIcon(const QIcon& icon);
    // Takes the tooltip's first line and the lines under it (plain text; the description is
    // sent escaped, as hosts read it as markup).
    void SetToolTip(const QString& title, const QString& description);

    // What is offered, as a host reads it.
    const DBusToolTip& ToolTipShown() const { return toolTip_; }
    const QList<DBusPixmap>& Pixmaps() const { return pixmaps_; }

    // What a host asks: a click (the month view), a middle click (the window), the menu at a
    // place, a scroll (nothing).
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString& orientation);

signals:
    // To hosts: read the icon or the tooltip again.
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewToolTip();

    // To the indicator: the host's click, at the place the host gives.
    void activated(QPoint place);
    void secondaryActivated(QPoint place);

private:
    // Takes how many times to ask; tells the watcher of the item, if there is one now.
    void TellWatcher(int tries = 20);

    QMenu* contextMenu_;
    DBusMenu* menu_;
    QString service_;
    QString category_ = QStringLiteral("ApplicationStatus");
    QString id_ = QStringLiteral("tarvand");
    QString title_ = QStringLiteral("Tarvand");
    QString status_ = QStringLiteral("Active");
    int windowId_ = 0;
    QString noName_;
    QList<DBusPixmap> pixmaps_;
    QList<DBusPixmap> noPixmaps_;
    DBusToolTip toolTip_;
    bool itemIsMenu_ = false;
    QDBusObjectPath menuPath_{QStringLiteral("/MenuBar")};
};

}  // namespace tarvand
