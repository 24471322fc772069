// The yardstick for the window's start-up and memory: a bare Qt window with one label, with the
// same window flags and size as tarvand's. With --sized the label is sized to its text before the
// window shows, as tarvand's self-sizing labels are, which needs the font database first.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(312, 44);
    QLabel label(QStringLiteral("Bare"), &window);
    if (QApplication::arguments().contains(QStringLiteral("--sized"))) {
        label.adjustSize();
    }
    window.show();
    return QApplication::exec();
}
