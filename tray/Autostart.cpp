#include "Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "DataFiles.h"
#include "Messages.h"

namespace tarvand {

namespace {

// The indicator's desktop entry, built in from the one installed in applications/.
const QString EntryResource = QStringLiteral(":/tray/org.tarvand.tarvand-tray.desktop");

}  // namespace

QString AutostartPath() {
    return QString::fromStdString(ConfigHome()) +
           QStringLiteral("/autostart/org.tarvand.tarvand-tray.desktop");
}

bool AutostartEnabled() {
    const QString path = AutostartPath();
    if (!QFileInfo::exists(path)) {
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    while (!file.atEnd()) {
        // Blanks around the = are allowed in a desktop entry.
        const QByteArray line = file.readLine();
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == "Hidden" &&
            line.mid(equals + 1).trimmed() == "true") {
            return false;
        }
    }
    return true;
}

QString SetAutostart(bool enabled) {
    const QString path = AutostartPath();
    if (!enabled) {
        QFile file(path);
        return !file.exists() || file.remove() ? QString()
                                               : path + QStringLiteral(": ") + file.errorString();
    }
    QFile entry(EntryResource);
    if (!entry.open(QIODevice::ReadOnly)) {
        return EntryResource + QStringLiteral(": ") + entry.errorString();
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return QString::fromStdString(Format(_("%s: cannot make the folder"),
                                             QFileInfo(path).absolutePath().toStdString().c_str()));
    }
    QSaveFile file(path);  // whole or not at all
    if (!file.open(QIODevice::WriteOnly) || file.write(entry.readAll()) < 0 || !file.commit()) {
        return path + QStringLiteral(": ") + file.errorString();
    }
    return {};
}

}  // namespace tarvand
