// One day in the month view: the Solar day large, the Gregorian and the Hijri day small in the two
// lower corners (the Hijri one in italics where its month is predicted); today framed, Fridays
// and holidays in the holiday colour, an estimated holiday marked with a star.
#pragma once

#include <QAbstractButton>

#include "calendar/DateValue.h"

namespace tarvand {

class DayCell : public QAbstractButton {
    Q_OBJECT

public:
    explicit DayCell(QWidget* parent = nullptr);

    // What the cell shows.
    struct Day {
        DateValue value = 0;
        int solarDay = 0;             // 1 to 31
        int gregorianDay = 0;         // 1 to 31
        int hijriDay = 0;             // 1 to 30; 0 outside the Hijri months held
        bool hijriPredicted = false;  // its month is predicted
        bool today = false;
        bool holiday = false;    // a Friday or an official holiday
        bool estimated = false;  // an estimated holiday, not yet announced
        bool persian = false;    // Persian digits
    };

    // Takes a day and what a screen reader says of it; shows it.
    void Show(const Day& day, const QString& spoken);
    const Day& Shown() const { return day_; }

    // Takes a palette; returns the holiday colour that reads on its window colour, where the days
    // are drawn: red, lighter in dark schemes.
    static QColor HolidayColour(const QPalette& palette);

    QSize sizeHint() const override;

signals:
    // The cell took the focus.
    void focused();
    // The arrow keys: a move of this many days from the cell, forward in reading order.
    void moveRequested(int days);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    Day day_;
    mutable QSize hint_;  // the size hint, for the font it was worked out for
    mutable QFont hintFont_;
};

}  // namespace tarvand
