#include "FirstIndicator.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <iostream>

#include "Messages.h"

namespace tarvand {

namespace {

// What a later indicator asks of the first, and how long it waits to be heard.
constexpr char AskMonthView[] = "month\n";
constexpr int WaitMilliseconds = 2000;

}  // namespace

FirstIndicator::FirstIndicator(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {}

QString FirstIndicator::SocketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tarvand-tray");
}

bool FirstIndicator::Claim() {
    const QString path = SocketPath();
    QLocalSocket first;
    first.connectToServer(path);
    if (first.waitForConnected(WaitMilliseconds)) {
        first.write(AskMonthView);
        first.waitForBytesWritten(WaitMilliseconds);
        first.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left behind by an indicator that did not end goes.
    QLocalServer::removeServer(path);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        std::cerr << "tarvand: "
                  << Format(_("%s: %s; a second indicator started later would not find this one"),
                            path.toStdString().c_str(),
                            server_->errorString().toStdString().c_str())
                  << '\n';
        return true;
    }
    connect(server_, &QLocalServer::newConnection, this, &FirstIndicator::Answer);
    return true;
}

void FirstIndicator::Answer() {
    while (QLocalSocket* later = server_->nextPendingConnection()) {
        connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
        connect(later, &QLocalSocket::readyRead, this, [this, later] {
            if (later->readAll().startsWith(AskMonthView)) {
                emit monthViewAsked();
            }
            later->disconnectFromServer();
        });
    }
}

}  // namespace tarvand
