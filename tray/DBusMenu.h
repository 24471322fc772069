// A QMenu offered over D-Bus as com.canonical.dbusmenu, for the panels that draw an indicator's
// menu themselves (the StatusNotifierItem hosts of KDE, Xfce, waybar, GNOME's AppIndicator).
// Entries are numbered as they are first offered; a click on one triggers its action; any change
// to the menu's entries is announced as a new layout.
#pragma once

#include <QDBusVariant>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "DBusTypes.h"

class QAction;
class QMenu;

namespace tarvand {

class DBusMenu : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version MEMBER version_ CONSTANT)
    Q_PROPERTY(QString TextDirection MEMBER direction_ CONSTANT)
    Q_PROPERTY(QString Status MEMBER status_ CONSTANT)
    Q_PROPERTY(QStringList IconThemePath MEMBER iconThemePath_ CONSTANT)

public:
    // Takes the menu to offer (it must outlive this) and whether it reads right to left.
    DBusMenu(QMenu* menu, bool rightToLeft, QObject* parent = nullptr);

    // Takes an entry's id (0, the menu itself), how many levels under it to give (-1, all) and
    // the properties wanted (empty, all); returns the layout's revision and the entry's layout.
    Q_SCRIPTABLE uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                tarvand::DBusMenuLayout& layout);
    // Takes ids and property names (empty, all); returns the properties of the entries known.
    Q_SCRIPTABLE QList<tarvand::DBusMenuProperties> GetGroupProperties(
        const QList<int>& ids, const QStringList& propertyNames);
    Q_SCRIPTABLE QDBusVariant GetProperty(int id, const QString& name);
    // Takes an entry's id and what happened to it; a click triggers the entry's action.
    Q_SCRIPTABLE void Event(int id, const QString& eventId, const QDBusVariant& data,
                            uint timestamp);
    // The same for many events; returns the ids not known.
    Q_SCRIPTABLE QList<int> EventGroup(const QList<tarvand::DBusMenuEvent>& events);
    // The menu is about to be shown: nothing to update, since every change is announced.
    Q_SCRIPTABLE bool AboutToShow(int id);
    Q_SCRIPTABLE QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    Q_SCRIPTABLE void LayoutUpdated(uint revision, int parent);
    Q_SCRIPTABLE void ItemActivationRequested(int id, uint timestamp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Takes an action; returns its id, numbering it when first met.
    int IdOf(QAction* action);
    // Takes an id; returns its action (nullptr for the menu itself, or an id not known).
    QAction* ActionOf(int id) const;
    // Takes an id known and the names wanted; returns the entry's properties.
    QVariantMap Properties(int id, const QStringList& names);
    // Takes an id known, the depth to go and the names wanted; returns its layout.
    DBusMenuLayout Layout(int id, int depth, const QStringList& names);
    // Announces a new layout, once for all the changes made together.
    void Changed();

    QMenu* menu_;
    uint version_ = 3;
    QString direction_;
    QString status_ = QStringLiteral("normal");
    QStringList iconThemePath_;
    uint revision_ = 1;
    bool announcing_ = false;
    QHash<QAction*, int> ids_;
    QList<QPointer<QAction>> actions_;  // by id less one
};

}  // namespace tarvand
