// One indicator a user session: the first to start listens on a local socket in the session's
// runtime folder; one started after it (by hand, and by autostart) finds it there, asks it to
// open its month view and ends, so that two icons never drift apart.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace tarvand {

class FirstIndicator : public QObject {
    Q_OBJECT

public:
    explicit FirstIndicator(QObject* parent = nullptr);
    ~FirstIndicator() override;
    FirstIndicator(const FirstIndicator&) = delete;
    FirstIndicator& operator=(const FirstIndicator&) = delete;

    // Returns true when no indicator runs in this session yet, and from then on listens for later
    // ones; false when one runs, after asking it to open its month view.
    bool Claim();

    // The socket's path: tarvand-tray in $XDG_RUNTIME_DIR (Qt's runtime folder without one).
    static QString SocketPath();

signals:
    // A later indicator asked for the month view.
    void monthViewAsked();

private:
    // Takes the connections waiting; reads what each asks.
    void Answer();

    int listening_ = -1;  // the socket this one listens on, once it is the first
    QByteArray path_;     // its path, removed when this one ends
};

}  // namespace tarvand
