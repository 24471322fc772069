#include "Accessibility.h"

#include <QAccessible>

#include "ClickableAccessible.h"
#include "ReadOnlyTextAccessible.h"

namespace tarvand {

void InstallAccessibleFactories() {
    static const bool installed = [] {
        QAccessible::installFactory(&ClickableAccessibleFactory);
        QAccessible::installFactory(&ReadOnlyTextAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void RenewAccessible(QObject* control) {
    if (QAccessibleInterface* before = QAccessible::queryAccessibleInterface(control)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
    }
}

}  // namespace tarvand
