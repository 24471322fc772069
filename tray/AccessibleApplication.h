// The application as assistive technology sees it: its windows, and the popups that name
// themselves. Qt leaves every popup out of the application's children, menus and the month view
// alike, so a screen reader walking the tree from the application would never find the month
// view; menus, which have no name of their own, stay out.
#pragma once

#include <QAccessibleObject>
#include <QList>

class QWidget;

namespace tarvand {

class AccessibleApplication : public QAccessibleApplication {
public:
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Makes this the application's interface from now on, in place of Qt's.
    static void Install();

private:
    // The visible popups with an accessible name.
    static QList<QWidget*> NamedPopups();
};

}  // namespace tarvand
