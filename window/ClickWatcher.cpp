#include "ClickWatcher.h"

#include <QMouseEvent>
#include <QWidget>

#include "Accessibility.h"

namespace tarvand {

ClickWatcher::ClickWatcher(QWidget* widget) : QObject(widget), widget_(widget) {
    widget_->installEventFilter(this);
    // Assistive technology is to meet the widget as clickable from now on.
    RenewAccessible(widget_);
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != widget_) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                           widget_->rect().contains(mouse->position().toPoint());
        pressed_ = false;
        if (click) {
            Click();
        }
    }
    return false;
}

void ClickWatcher::Click() {
    if (widget_->isEnabled()) {
        emit clicked();
    }
}

}  // namespace tarvand
