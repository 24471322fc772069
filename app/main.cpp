#include <QApplication>

#include "DisplayGuard.h"
#include "Form1.h"
#include "Options.h"
#include "TrayProgram.h"

int main(int argc, char* argv[]) {
    tarvand::DisplayGuard guard;
    QApplication app(argc, argv);
    guard.Opened();
    QApplication::setApplicationName(QStringLiteral("Tarvand"));
    QApplication::setApplicationVersion(QStringLiteral(TARVAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvand.tarvand"));
    if (const tarvand::Options options = tarvand::ReadOptions(app); options.tray) {
        return tarvand::RunTray(options.waitSeconds);
    }
    tarvand::Form1 form;
    form.show();
    return QApplication::exec();
}
