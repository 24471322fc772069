#include "DBusMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace tarvand {

namespace {

// Takes an action's text; returns it as dbusmenu writes labels: the mnemonic's "&" as "_", a
// literal "_" doubled, a literal "&&" as one "&".
QString Label(const QString& text) {
    QString label;
    label.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'_') {
            label += QStringLiteral("__");
        } else if (c == u'&' && at + 1 < text.size()) {
            const QChar next = text[++at];
            label += next == u'&' ? QString(next) : QString(u'_') + next;
        } else {
            label += c;
        }
    }
    return label;
}

}  // namespace

DBusMenu::DBusMenu(QMenu* menu, bool rightToLeft, QObject* parent)
    : QObject(parent), menu_(menu), direction_(rightToLeft ? "rtl" : "ltr") {
    menu_->installEventFilter(this);
}

int DBusMenu::IdOf(QAction* action) {
    if (const auto known = ids_.constFind(action); known != ids_.constEnd()) {
        return *known;
    }
    actions_ << action;
    const auto id = static_cast<int>(actions_.size());
    ids_.insert(action, id);
    connect(action, &QObject::destroyed, this, [this, action] { ids_.remove(action); });
    if (action->menu() != nullptr) {
        action->menu()->installEventFilter(this);
    }
    return id;
}

QAction* DBusMenu::ActionOf(int id) const {
    return id >= 1 && id <= actions_.size() ? actions_[id - 1].data() : nullptr;
}

QVariantMap DBusMenu::Properties(int id, const QStringList& names) {
    QVariantMap properties;
    const QAction* action = ActionOf(id);
    if (action == nullptr) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        properties.insert(QStringLiteral("label"), Label(action->text()));
        if (action->isCheckable()) {
            const bool radio =
                action->actionGroup() != nullptr && action->actionGroup()->isExclusive();
            properties.insert(QStringLiteral("toggle-type"),
                              radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
            properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
        }
        if (action->menu() != nullptr) {
            properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        }
    }
    if (action != nullptr && !action->isEnabled()) {
        properties.insert(QStringLiteral("enabled"), false);
    }
    if (action != nullptr && !action->isVisible()) {
        properties.insert(QStringLiteral("visible"), false);
    }
    if (!names.isEmpty()) {
        for (auto it = properties.begin(); it != properties.end();) {
            it = names.contains(it.key()) ? std::next(it) : properties.erase(it);
        }
    }
    return properties;
}

DBusMenuLayout DBusMenu::Layout(int id, int depth, const QStringList& names) {
    DBusMenuLayout layout;
    layout.id = id;
    layout.properties = Properties(id, names);
    const QAction* action = ActionOf(id);
    const QMenu* menu = action == nullptr ? menu_ : action->menu();
    if (menu == nullptr || depth == 0) {
        return layout;
    }
    for (QAction* child : menu->actions()) {
        layout.children << QDBusVariant(
            QVariant::fromValue(Layout(IdOf(child), depth < 0 ? depth : depth - 1, names)));
    }
    return layout;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                         DBusMenuLayout& layout) {
    // An id not known gives the menu itself, as hosts that ask for a stale id would be left with
    // nothing otherwise.
    layout = Layout(ActionOf(parentId) != nullptr ? parentId : 0, recursionDepth, propertyNames);
    return revision_;
}

QList<DBusMenuProperties> DBusMenu::GetGroupProperties(const QList<int>& ids,
                                                       const QStringList& propertyNames) {
    QList<DBusMenuProperties> found;
    for (const int id : ids) {
        if (id == 0 || ActionOf(id) != nullptr) {
            found << DBusMenuProperties{id, Properties(id, propertyNames)};
        }
    }
    return found;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name) {
    return QDBusVariant(Properties(id, {name}).value(name));
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant& /*data*/,
                     uint /*timestamp*/) {
    QAction* action = ActionOf(id);
    if (eventId == QLatin1String("clicked") && action != nullptr && action->isEnabled()) {
        // After the call has been answered: an action may open a window or end the program.
        QTimer::singleShot(0, action, &QAction::trigger);
    }
}

QList<int> DBusMenu::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (event.id != 0 && ActionOf(event.id) == nullptr) {
            unknown << event.id;
        } else {
            Event(event.id, event.eventId, event.data, event.timestamp);
        }
    }
    return unknown;
}

bool DBusMenu::AboutToShow(int /*id*/) { return false; }

QList<int> DBusMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    idErrors.clear();
    for (const int id : ids) {
        if (id != 0 && ActionOf(id) == nullptr) {
            idErrors << id;
        }
    }
    return {};
}

bool DBusMenu::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
        case QEvent::ActionRemoved:
            Changed();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void DBusMenu::Changed() {
    if (announcing_) {
        return;
    }
    announcing_ = true;
    QTimer::singleShot(0, this, [this] {
        announcing_ = false;
        emit LayoutUpdated(++revision_, 0);
    });
}

}  // namespace tarvand
