#include "AccessibleApplication.h"

#include <QApplication>
#include <QWidget>

namespace tarvand {

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (object == qApp && className == QLatin1String("QApplication")) {
        return new AccessibleApplication;
    }
    return nullptr;
}

}  // namespace

QList<QWidget*> AccessibleApplication::NamedPopups() {
    QList<QWidget*> popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() == Qt::Popup && widget->isVisible() &&
            !widget->accessibleName().isEmpty()) {
            popups << widget;
        }
    }
    return popups;
}

int AccessibleApplication::childCount() const {
    return QAccessibleApplication::childCount() + static_cast<int>(NamedPopups().size());
}

QAccessibleInterface* AccessibleApplication::child(int index) const {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows) {
        return QAccessibleApplication::child(index);
    }
    const QList<QWidget*> popups = NamedPopups();
    return index - windows < popups.size()
               ? QAccessible::queryAccessibleInterface(popups[index - windows])
               : nullptr;
}

int AccessibleApplication::indexOfChild(const QAccessibleInterface* child) const {
    if (const int index = QAccessibleApplication::indexOfChild(child); index >= 0) {
        return index;
    }
    const auto at =
        child != nullptr ? NamedPopups().indexOf(qobject_cast<QWidget*>(child->object())) : -1;
    return at >= 0 ? QAccessibleApplication::childCount() + static_cast<int>(at) : -1;
}

void AccessibleApplication::Install() {
    QAccessible::installFactory(&Factory);
    // An interface Qt made for the application before, dropped so that the next asking gets this
    // one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(qApp);
        made != nullptr && dynamic_cast<AccessibleApplication*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace tarvand
