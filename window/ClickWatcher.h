// Turns a left-button click on any widget into a signal: a press and a release over the widget
// while it is enabled, as a push button would count it.
#pragma once

#include <QObject>

class QWidget;

namespace tarvand {

class ClickWatcher : public QObject {
    Q_OBJECT

public:
    // Takes the widget to watch; the watcher becomes its child and lives as long as it does.
    explicit ClickWatcher(QWidget* widget);

    // Clicks the widget as the mouse would: signals clicked() unless the widget is disabled.
    void Click();

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    bool pressed_ = false;
};

}  // namespace tarvand
