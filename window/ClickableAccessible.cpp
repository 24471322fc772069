#include "ClickableAccessible.h"

#include <QLabel>

#include "ClickWatcher.h"

namespace tarvand {

namespace {

// Takes a widget; returns the ClickWatcher that watches it, or null.
ClickWatcher* WatcherOf(const QObject* widget) {
    return widget->findChild<ClickWatcher*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

ClickableAccessible::ClickableAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::Button) {}

QStringList ClickableAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ClickableAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        WatcherOf(widget())->Click();
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QAccessibleInterface* ClickableAccessibleFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    return label && WatcherOf(label) ? new ClickableAccessible(label) : nullptr;
}

}  // namespace tarvand
