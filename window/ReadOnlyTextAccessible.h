// What assistive technology sees of a read-only line edit (the result boxes): text that can be
// read, selected and walked with the caret, but not edited. Qt's own interface for line edits
// offers editing to screen readers even when the box is read-only, and a screen reader's
// insertText, deleteText or setTextContents then changed the date on screen.
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace tarvand {

class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextAccessible(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QLineEdit* edit() const;
};

// Takes a class name and an object; returns a ReadOnlyTextAccessible for a read-only line edit, or
// nothing for anything else. For QAccessible::installFactory.
QAccessibleInterface* ReadOnlyTextAccessibleFactory(const QString& className, QObject* object);

}  // namespace tarvand
