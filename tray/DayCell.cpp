#include "DayCell.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>

#include "DayTexts.h"

namespace tarvand {

DayCell::DayCell(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::StrongFocus); }

void DayCell::Show(const Day& day, const QString& spoken) {
    day_ = day;
    setText(Digits(day.solarDay, day.persian));
    setAccessibleName(spoken);
    update();
}

QColor DayCell::HolidayColour(const QPalette& palette) {
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    return dark ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

namespace {

// Takes the cell's font; returns the font of the small days in its corners: at least the
// desktop's smallest readable size where the desktop says one smaller than its text's, and never
// under 7 points (Persian digits are small for their size).
QFont SmallFont(const QFont& font) {
    static const qreal smallest =  // asked once: each asking sets up the desktop's fonts anew
        QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF();
    const qreal own = font.pointSizeF() * 0.7;
    QFont small = font;
    small.setPointSizeF(std::max({7.0, own, smallest < font.pointSizeF() ? smallest : own}));
    return small;
}

}  // namespace

QSize DayCell::sizeHint() const {
    // The large day in the middle, and room beside it for a small day in each corner; worked out
    // once for a font, as the view asks every cell each time it is laid out.
    if (hintFont_ != font() || !hint_.isValid()) {
        const QFontMetrics metrics(font());
        const QFontMetrics small(SmallFont(font()));
        const int side = metrics.horizontalAdvance(QStringLiteral("00")) +
                         2 * small.horizontalAdvance(QStringLiteral("00")) + 6;
        hint_ = QSize(side, metrics.height() * 2 + 2);
        hintFont_ = font();
    }
    return hint_;
}

void DayCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (day_.today) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.color(QPalette::Highlight));
        painter.drawRoundedRect(area, 4, 4);
    } else if (underMouse()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.color(QPalette::AlternateBase));
        painter.drawRoundedRect(area, 4, 4);
    }
    QColor ink =
        day_.today ? colours.color(QPalette::HighlightedText) : colours.color(QPalette::Text);
    if (day_.holiday && !day_.today) {
        ink = HolidayColour(colours);
    }

    // The Solar day, large, centred; bold today.
    QFont large = font();
    large.setBold(day_.today || day_.holiday);
    painter.setFont(large);
    painter.setPen(ink);
    QString solar = text();
    if (day_.estimated) {
        solar += u'*';
    }
    painter.drawText(area, Qt::AlignCenter, solar);

    // The Gregorian day, small, in the corner that the reading direction ends in; the Hijri day in
    // the one it starts in, in italics where its month is predicted.
    QFont small = SmallFont(font());
    painter.setFont(small);
    QColor faint = ink;
    faint.setAlphaF(0.75);
    painter.setPen(faint);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QRectF corners = area.adjusted(2, 0, -2, 0);
    painter.drawText(corners, Qt::AlignBottom | (rightToLeft ? Qt::AlignLeft : Qt::AlignRight),
                     Digits(day_.gregorianDay, day_.persian));
    if (day_.hijriDay > 0) {
        small.setItalic(day_.hijriPredicted);
        painter.setFont(small);
        painter.drawText(corners, Qt::AlignBottom | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft),
                         Digits(day_.hijriDay, day_.persian));
    }

    // The focused day is ringed however the focus came to it: the style's own frame shows only
    // once a key such as Tab has moved the focus, not when a click opened the view and the arrow
    // keys moved it. In the highlight colour, or on today's highlight in its text colour.
    if (hasFocus()) {
        painter.setPen(
            QPen(colours.color(day_.today ? QPalette::HighlightedText : QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 3, 3);
    }
}

void DayCell::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    emit focused();
}

void DayCell::keyPressEvent(QKeyEvent* event) {
    // Right-to-left, the next day lies to the left.
    const int forward = layoutDirection() == Qt::RightToLeft ? -1 : 1;
    switch (event->key()) {
        case Qt::Key_Left:
            emit moveRequested(-forward);
            return;
        case Qt::Key_Right:
            emit moveRequested(forward);
            return;
        case Qt::Key_Up:
            emit moveRequested(-7);
            return;
        case Qt::Key_Down:
            emit moveRequested(7);
            return;
        default:
            QAbstractButton::keyPressEvent(event);
    }
}

}  // namespace tarvand
