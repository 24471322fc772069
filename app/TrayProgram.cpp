#include "TrayProgram.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <iostream>
#include <string>
#include <vector>

#include "OccasionBook.h"
#include "TrayHost.h"
#include "TrayIndicator.h"

namespace tarvand {

int RunTray(int waitSeconds) {
    QApplication::setQuitOnLastWindowClosed(false);  // the month view and the window come and go
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvand.tarvand-tray"));
    std::vector<std::string> messages;
    const OccasionBook book(OccasionFiles::FromEnvironment(), messages);
    for (const std::string& message : messages) {
        std::cerr << "tarvand: " << message << '\n';
    }
    if (!WaitForTray(waitSeconds) || !QSystemTrayIcon::isSystemTrayAvailable()) {
        std::cerr << "tarvand: no system tray appeared within " << waitSeconds
                  << " seconds; on GNOME, the AppIndicator extension "
                     "(gnome-shell-extension-appindicator) provides one\n";
        return 1;
    }
    TrayIndicator indicator(book);
    indicator.Show();
    return QApplication::exec();
}

}  // namespace tarvand
