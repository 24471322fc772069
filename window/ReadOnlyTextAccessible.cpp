#include "ReadOnlyTextAccessible.h"

#include <QLineEdit>

namespace tarvand {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* ReadOnlyTextAccessible::edit() const { return static_cast<QLineEdit*>(widget()); }

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextAccessible::text(QAccessible::Text type) const {
    return type == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(type);
}

void ReadOnlyTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const bool selected = selectionIndex == 0 && edit()->hasSelectedText();
    *startOffset = selected ? edit()->selectionStart() : 0;
    *endOffset = selected ? edit()->selectionEnd() : 0;
}

int ReadOnlyTextAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void ReadOnlyTextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyTextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        edit()->deselect();
    }
}

void ReadOnlyTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int ReadOnlyTextAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void ReadOnlyTextAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const {
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const {
    return static_cast<int>(edit()->text().size());
}

// Qt gives no public way to the place of one character in a line edit: none is reported.
QRect ReadOnlyTextAccessible::characterRect(int) const { return {}; }

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint&) const { return -1; }

// The whole text always fits in the box: there is nothing to scroll.
void ReadOnlyTextAccessible::scrollToSubstring(int, int) {}

QString ReadOnlyTextAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QAccessibleInterface* ReadOnlyTextAccessibleFactory(const QString&, QObject* object) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    return edit && edit->isReadOnly() ? new ReadOnlyTextAccessible(edit) : nullptr;
}

}  // namespace tarvand
