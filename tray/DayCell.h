// One day in the month view: the Solar day large, the Gregorian day small in its corner; today
// framed, Fridays and holidays in the holiday colour, an estimated holiday marked with a star.
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
        int solarDay = 0;      // 1 to 31
        int gregorianDay = 0;  // 1 to 31
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
    // The arrow keys: a move of this many days from the cell, forward in reading order.
    void moveRequested(int days);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Day day_;
};

}  // namespace tarvand
