#include "DisplayGuard.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tarvand {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;  // the handler before the guard's, while it holds
QList<HeldMessage> held;

// Holds back the platform's messages; ends the program cleanly on a fatal one.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArrayView category(context.category ? context.category : "");
    if (type == QtFatalMsg) {
        QString reason =
            (held.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : held.constFirst().text)
                .trimmed();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            reason += QStringLiteral(" (neither DISPLAY nor WAYLAND_DISPLAY is set)");
        }
        std::fprintf(stderr, "tarvand: cannot open a display: %s\n", qPrintable(reason));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (category.startsWith("qt.qpa")) {
        held.append({type, category.toByteArray(), message});
        return;
    }
    passOn(type, context, message);
}

}  // namespace

DisplayGuard::DisplayGuard() { passOn = qInstallMessageHandler(Hold); }

void DisplayGuard::Opened() {
    const QtMessageHandler previous = std::exchange(passOn, nullptr);
    if (previous == nullptr) {
        return;
    }
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous(message.type, context, message.text);
    }
}

DisplayGuard::~DisplayGuard() { Opened(); }

}  // namespace tarvand
