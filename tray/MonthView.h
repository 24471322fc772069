// A Solar month at a glance: a Saturday-first grid with today marked, Fridays and holidays in the
// holiday colour, each day's Gregorian and Hijri day beside it, the selected day's three dates in
// full under the grid, a field that goes to a date of any of the three calendars, and the month's
// holidays and events below. It opens beside the indicator; Escape or a click elsewhere closes
// it. The arrow keys move by day and week, Page Up and Page Down by month, Home goes back to
// today, Ctrl+C copies the selected day's dates, Ctrl+G or / goes to the field.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>

#include "UserPlace.h"
#include "calendar/DateValue.h"

class QLabel;
class QLineEdit;
class QScreen;
class QToolButton;

namespace tarvand {

class DayCell;
class OccasionBook;

class MonthView : public QWidget {
    Q_OBJECT

public:
    // The grid: six weeks of seven days.
    static constexpr int Weeks = 6;

    // Takes the occasions (they must outlive the view), whether to speak Persian, right to left,
    // and today's date value; shows today's month.
    MonthView(const OccasionBook& book, bool persian, DateValue today, QWidget* parent = nullptr);

    // Takes today's date value; marks it, and shows its month if the view showed the old today's.
    void SetToday(DateValue today);

    // Takes a Solar year and month within 1178 to 3000; shows that month.
    void ShowMonth(int year, int month);
    // Takes a date value; shows its month and gives its cell the focus.
    void FocusDay(DateValue value);

    int Year() const { return year_; }
    int Month() const { return month_; }
    // Takes a row, 0 to Weeks - 1, and a column, 0 (Saturday) to 6 (Friday); returns its cell,
    // hidden when no day of the month falls there.
    DayCell* Cell(int week, int column) const;
    // The month's title and the list under the grid.
    QString Title() const;
    QString List() const;
    // The selected day's three dates, as the line under the grid says them.
    QString SelectedDates() const;
    // Takes the place the times of the day are for, or none; says the selected day's six times
    // under its three dates, or nothing.
    void SetPlace(const std::optional<NamedPlace>& place);
    // The line of the times of the day, as shown, or nothing.
    QString TimesOfDay() const;

    // Takes a date as typed in the field (see ReadDayAsMeant); goes to it and returns nothing,
    // saying under the field how it was read where two calendars could mean it; or returns what
    // is wrong with it, said under the field, and stays.
    QString GoTo(const QString& typed);
    // What the field says under it: what is wrong, how a date was read, or nothing.
    QString GoToProblem() const;

    // Takes what could not be read of the occasion files, one message each; says the first under
    // the list, and how many more there are, since a program in the panel has no terminal.
    void SetProblems(const QStringList& problems);
    QString Problems() const;

    // Takes a rectangle, in screen coordinates, that the view should open beside (the icon's;
    // empty when unknown) and the pointer's place; moves the view there, inside the screen.
    void PlaceBeside(const QRect& anchor, const QPoint& pointer);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    // Takes a number of months; shows the month that many away (a month, or a year with Shift).
    void StepMonths(int months);
    // Takes a date value; shows its three dates under the grid, and its times of the day.
    void Select(DateValue value);
    // Takes a date value; returns the line of its times of the day at the place set: "Tehran:
    // Fajr 05:07, ...".
    QString TimesText(DateValue day) const;
    // Takes the focused cell's move in days; focuses the day there, in another month if it lies
    // there.
    void MoveFocus(const DayCell* from, int days);
    // Takes the day to focus, if any; draws the month anew: cells, titles and list.
    void Fill(std::optional<DateValue> focus = std::nullopt);
    // Takes a date value; returns its cell in the month shown, or none.
    DayCell* CellOf(DateValue value) const;
    // Takes the list's lines for occasions, the lines after them and the width they wrap in;
    // returns how many of the first fit under the grid beside the icon, with the others and a
    // line that counts the rest: all of them when all fit.
    qsizetype LinesThatFit(const QStringList& lines, const QStringList& after, int width);
    // The width the lines that wrap are given: the grid's, or the widest of the rest.
    int WrapWidth() const;
    // The height there is room for beside the icon, below or above it (the screen's free height
    // before the view is placed), and whether it opens below.
    int Room() const;
    bool Below() const;
    // Moves the view beside the icon, within the screen's free area.
    void Place();

    const OccasionBook& book_;
    bool persian_ = false;
    DateValue today_ = 0;
    DateValue selectedValue_ = 0;  // the day the line under the grid names
    int year_ = 0;
    int month_ = 0;
    QLabel* title_ = nullptr;
    QLabel* spans_ = nullptr;     // the Gregorian and Hijri months the Solar month spans
    QLabel* selected_ = nullptr;  // the selected day's three dates
    QLabel* times_ = nullptr;     // its times of the day, for the place set
    std::optional<NamedPlace> place_;
    int timesFor_ = -1;  // the width the times' height is for
    QLineEdit* goTo_ = nullptr;
    QLabel* goToProblem_ = nullptr;
    QLabel* list_ = nullptr;
    QLabel* problems_ = nullptr;  // what could not be read of the files
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* todayButton_ = nullptr;
    const QScreen* screen_ = nullptr;  // the screen it was placed on, once placed
    QRect anchor_;                     // the icon it opens beside, when known
    QPoint pointer_;                   // else the place clicked
    bool placed_ = false;
    std::pair<int, int> selectedFor_{-1, -1};  // the month and width the three dates' height is for
    std::array<QLabel*, 7> weekdays_{};
    std::array<DayCell*, Weeks * 7> cells_{};
};

}  // namespace tarvand
