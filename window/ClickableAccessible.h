// What assistive technology sees of a label that a ClickWatcher makes clickable (the close mark):
// a button with a press action that clicks it, under the same rule as the mouse.
#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace tarvand {

class ClickableAccessible : public QAccessibleWidget {
public:
    explicit ClickableAccessible(QLabel* label);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

// Takes a class name and an object; returns a ClickableAccessible for a label with a ClickWatcher,
// or nothing for anything else. For QAccessible::installFactory.
QAccessibleInterface* ClickableAccessibleFactory(const QString& className, QObject* object);

}  // namespace tarvand
