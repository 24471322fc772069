#include "DisplayGuard.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "Messages.h"

namespace tarvand {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;  // the handler before the guard's, while it holds
QList<HeldMessage> held;

// Takes the name of an environment variable; returns its value, or the empty text.
QString Env(const char* name) { return qEnvironmentVariable(name); }

// Returns which displays the platform could have tried, from the environment, such as
// "WAYLAND_DISPLAY 'wayland-1', socket /run/user/1000/wayland-1; DISPLAY ':0'".
QString DisplaysTried() {
    QStringList tried;
    const QString wayland = Env("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        const QString socket = wayland.startsWith(QLatin1Char('/'))
                                   ? wayland
                                   : Env("XDG_RUNTIME_DIR") + u'/' + wayland;
        tried << QStringLiteral("WAYLAND_DISPLAY '%1', socket %2").arg(wayland, socket);
    }
    if (!Env("DISPLAY").isEmpty()) {
        tried << QStringLiteral("DISPLAY '%1'").arg(Env("DISPLAY"));
    }
    if (tried.isEmpty()) {
        return QString::fromUtf8(_("neither DISPLAY nor WAYLAND_DISPLAY is set"));
    }
    return QString::fromStdString(
        Format(_("tried %s"), tried.join(QStringLiteral("; ")).toStdString().c_str()));
}

// Holds back every message until the display is open; ends the program cleanly on a fatal one,
// with the first message held as the reason.
void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt's own words (English, as the C library's are), and what was tried in the program's.
        const std::string reason =
            (held.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : held.constFirst().text)
                .trimmed()
                .toStdString();
        const bool displays = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                              Env("QT_QPA_PLATFORM").startsWith(QStringLiteral("wayland")) ||
                              Env("QT_QPA_PLATFORM").startsWith(QStringLiteral("xcb"));
        std::fprintf(
            stderr, "%s\n",
            MessageLine("tarvand", displays
                                       ? Format(_("cannot open a display: %s (%s)"), reason.c_str(),
                                                DisplaysTried().toStdString().c_str())
                                       : Format(_("cannot open a display: %s"), reason.c_str()))
                .c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, QByteArray(context.category ? context.category : ""), message});
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
