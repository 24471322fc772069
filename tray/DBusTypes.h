// The structures the StatusNotifierItem and com.canonical.dbusmenu interfaces send over D-Bus,
// with their marshalling.
#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace tarvand {

// An icon at one size, (iiay): its width, its height and its ARGB32 pixels in network byte order.
struct DBusPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};

// A tooltip, (sa(iiay)ss): an icon's name, its pixmaps, a title and a description under it.
struct DBusToolTip {
    QString iconName;
    QList<DBusPixmap> pixmaps;
    QString title;
    QString description;
};

// A menu entry and the entries under it, (ia{sv}av): its id, its properties ("label",
// "toggle-state", ...) and its children, each one of these in a variant.
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<QDBusVariant> children;
};

// An entry's properties, (ia{sv}).
struct DBusMenuProperties {
    int id = 0;
    QVariantMap properties;
};

// An event on an entry, (isvu): its id, what happened ("clicked"), data and the time.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

// Makes the structures above known to Qt's D-Bus module; call before exporting an object.
void RegisterDBusTypes();

QDBusArgument& operator<<(QDBusArgument& argument, const DBusPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusToolTip& toolTip);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuProperties& properties);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuProperties& properties);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

}  // namespace tarvand

Q_DECLARE_METATYPE(tarvand::DBusPixmap)
Q_DECLARE_METATYPE(tarvand::DBusToolTip)
Q_DECLARE_METATYPE(tarvand::DBusMenuLayout)
Q_DECLARE_METATYPE(tarvand::DBusMenuProperties)
Q_DECLARE_METATYPE(tarvand::DBusMenuEvent)
