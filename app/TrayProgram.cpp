#include "TrayProgram.h"

#include <QApplication>
#include <QStringList>
#include <QSystemTrayIcon>
#include <iostream>
#include <string>
#include <vector>

#include "AccessibleApplication.h"
#include "FirstIndicator.h"
#include "Messages.h"
#include "OccasionBook.h"
#include "TrayHost.h"
#include "TrayIndicator.h"

namespace tarvand {

int RunTray(int waitSeconds) {
    QApplication::setQuitOnLastWindowClosed(false);  // the month view and the window come and go
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvand.tarvand-tray"));
    AccessibleApplication::Install();  // the month view reachable by a screen reader
    FirstIndicator first;
    if (!first.Claim()) {
        return 0;  // the indicator already running opens its month view
    }
    std::vector<std::string> messages;
    const OccasionBook book(OccasionFiles::FromEnvironment(), messages);
    QStringList problems;
    for (const std::string& message : messages) {
        std::cerr << MessageLine("tarvand", message) << '\n';
        problems << QString::fromStdString(message);
    }
    if (!WaitForTray(waitSeconds) || !QSystemTrayIcon::isSystemTrayAvailable()) {
        std::cerr << MessageLine(
                         "tarvand",
                         Format(_("no system tray appeared within %d seconds; on GNOME, the "
                                  "AppIndicator extension (gnome-shell-extension-appindicator) "
                                  "provides one"),
                                waitSeconds))
                  << '\n';
        return 1;
    }
    TrayIndicator indicator(book);
    indicator.SetFileProblems(problems);
    QObject::connect(&first, &FirstIndicator::monthViewAsked, &indicator,
                     &TrayIndicator::OpenMonthView);
    indicator.Show();
    return QApplication::exec();
}

}  // namespace tarvand
