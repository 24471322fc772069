// The yardstick for the window's start-up and memory: a bare Qt window with one label, built
// with the same flags as tarvand.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare"));
    label.setWindowTitle(QStringLiteral("Bare"));
    label.resize(312, 254);
    label.show();
    return QApplication::exec();
}
