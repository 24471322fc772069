#include <QApplication>

#include "Form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvand"));
    QApplication::setApplicationVersion(QStringLiteral(TARVAND_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvand.tarvand"));
    tarvand::Form1 form;
    form.show();
    return QApplication::exec();
}
