// Today in the desktop's panel: an icon with the Solar day of the month, a tooltip with today in
// full (Solar, Hijri and Gregorian, with its holidays and events), a month view on a click and a
// menu: the date window, today's date to copy in the four layouts, Persian digits, start at login,
// quit.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "UserPlace.h"
#include "calendar/DateValue.h"

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tarvand {

class Form1;
class DayWatch;
class MonthView;
class StatusNotifierItem;
class TimeNotifier;
class OccasionBook;

// Where the indicator reads today's local date; tests set any day they like.
using TodaySource = std::function<DateValue()>;

class TrayIndicator : public QObject {
    Q_OBJECT

public:
    // Takes the occasions (they must outlive the indicator) and the clock; builds the icon, its
    // tooltip and menu for today, hidden until Show().
    explicit TrayIndicator(const OccasionBook& book, TodaySource today = {},
                           QObject* parent = nullptr);
    ~TrayIndicator() override;

    // Shows the icon: as a StatusNotifierItem where a host on the session bus takes one, in the
    // XEmbed tray otherwise.
    void Show();

    // Reads the clock; when today is another day than the one shown, shows the new one, and the
    // next time of the day in the tooltip.
    void Refresh();

    // Takes a place as the user names it (a city's name or its start, or LAT,LON); keeps it for the
    // month view, the tooltip and tarvand-times, or returns why it cannot (and changes nothing).
    QString SetPlace(const QString& written);
    // Asks the user for a place, with the cities' names as they type.
    void AskPlace();

    // What is shown.
    int ShownDayOfMonth() const { return dayOfMonth_; }
    bool PersianDigits() const { return persianDigits_; }
    // The tooltip's lines, each in its own direction (Qt's own tooltip shows them as paragraphs).
    QString ToolTip() const;
    QSystemTrayIcon* Icon() const { return icon_; }
    QMenu* Menu() const { return menu_; }

    // Takes what could not be read of the occasion files; the month view says it.
    void SetFileProblems(const QStringList& problems);

    // Opens the month view beside the icon, or closes it when open.
    void ToggleMonthView();
    // Opens the month view beside the icon, or raises it when open.
    void OpenMonthView();
    // Opens the date window, or raises it when open.
    void OpenWindow();
    // Takes a layout, 0 to 3; puts today's date in it on the clipboard.
    void CopyLayout(int format);

private:
    void BuildMenu();
    // Takes whether to write Persian digits; keeps the choice and draws the icon, or returns why
    // the choice cannot be kept (and changes nothing).
    QString SetPersianDigits(bool persian);
    // Draws the icon, tooltip and menu texts for the day shown.
    void ShowToday();
    // Takes where the pointer is; opens the month view beside the icon, or closes it when open.
    void ToggleMonthViewAt(const QPoint& pointer);

    const OccasionBook& book_;
    TodaySource today_;
    bool persian_ = false;        // Persian texts, right to left
    bool persianDigits_ = false;  // in the icon
    DateValue shown_ = -1;
    int dayOfMonth_ = 0;
    QSystemTrayIcon* icon_ = nullptr;
    StatusNotifierItem* item_ = nullptr;
    QString toolTip_;  // its lines, each in its own direction
    QMenu* menu_ = nullptr;
    std::array<QAction*, 4> copyActions_{};
    MonthView* view_ = nullptr;
    QStringList fileProblems_;
    std::optional<NamedPlace> place_;  // the place the times of the day are for, if set
    DayWatch* watch_ = nullptr;
    TimeNotifier* notifier_ = nullptr;
    QPointer<Form1> window_;
};

}  // namespace tarvand
