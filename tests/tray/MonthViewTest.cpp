#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <numeric>
#include <set>

#include "AccessibleApplication.h"
#include "DayCell.h"
#include "DayTexts.h"
#include "MonthView.h"
#include "OccasionBook.h"
#include "ResultBoxColours.h"

namespace tarvand {
namespace {

// Occasions from the built-in lists and one event of the user's, on 10 Farvardin every year.
class MonthViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::ofstream(EventsPath()) << "01/10 Sara's birthday\n";
        OccasionFiles files;
        files.userEvents = EventsPath();
        std::vector<std::string> messages;
        book = new OccasionBook(files, messages);
        ASSERT_TRUE(messages.empty());
    }
    static void TearDownTestSuite() {
        delete book;
        std::remove(EventsPath().c_str());
    }
    static std::string EventsPath() { return ::testing::TempDir() + "month_view_events"; }

    // The days shown, as {week, column} of each day 1, 2, ...
    static std::vector<std::pair<int, int>> Places(const MonthView& view) {
        std::vector<std::pair<int, int>> places;
        for (int week = 0; week < MonthView::Weeks; ++week) {
            for (int column = 0; column < 7; ++column) {
                const DayCell* cell = view.Cell(week, column);
                if (!cell->isHidden()) {
                    EXPECT_EQ(static_cast<int>(places.size()) + 1, cell->Shown().solarDay);
                    places.emplace_back(week, column);
                }
            }
        }
        return places;
    }
    static DayCell* Day(const MonthView& view, int day) {
        for (int index = 0; index < MonthView::Weeks * 7; ++index) {
            DayCell* cell = view.Cell(index / 7, index % 7);
            if (!cell->isHidden() && cell->Shown().solarDay == day) return cell;
        }
        return nullptr;
    }

    static inline OccasionBook* book = nullptr;
};

DateValue Gregorian(int year, unsigned month, unsigned day) {
    return ToDateValue(std::chrono::year_month_day{
        std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}});
}

TEST_F(MonthViewTest, DrawsEachMonthAsTheCalendarHasIt) {
    struct Month {
        int year, month;
        int firstColumn;  // Saturday 0 to Friday 6
        int length;
        DateValue first;          // its first day's Gregorian date
        std::set<int> holidays;   // Fridays and holidays
        std::set<int> estimated;  // estimated holidays
        const char* title;
        const char* spans;
    };
    // clang-format off
    const Month months[] = {
        // Nowruz and Eid al-Fitr together; the lunar holidays on record.
        {1405, 1, 0, 31, Gregorian(2026, 3, 21), {1, 2, 3, 4, 7, 12, 13, 14, 21, 25, 28}, {},
         "Farvardin 1405", "March\u2013April 2026 \u00B7 Shawwal\u2013Dhu al-Qa'dah 1447"},
        // A leap Esfand, 30 days, from a Wednesday.
        {1403, 12, 4, 30, Gregorian(2025, 2, 19), {3, 10, 17, 24, 29, 30}, {},
         "Esfand 1403", "February\u2013March 2025 \u00B7 Sha'ban\u2013Ramadan 1446"},
        // Tasua and Ashura of 1448, estimated; Fridays on the 5th.
        {1405, 4, 2, 31, Gregorian(2026, 6, 22), {3, 4, 5, 12, 19, 26}, {3, 4},
         "Tir 1405", "June\u2013July 2026 \u00B7 Muharram\u2013Safar 1448"},
        // Across a Gregorian year, inside one Hijri month: Dey 1404 from 22 December 2025.
        {1404, 10, 2, 30, Gregorian(2025, 12, 22), {5, 12, 13, 19, 26, 27}, {},
         "Dey 1404", "December 2025\u2013January 2026 \u00B7 Rajab 1447"},
    };
    // clang-format on
    for (const Month& m : months) {
        SCOPED_TRACE(m.title);
        MonthView view(*book, false, Gregorian(2026, 12, 7));
        view.ShowMonth(m.year, m.month);
        EXPECT_EQ(m.title, view.Title().toStdString());
        const std::vector<std::pair<int, int>> places = Places(view);
        ASSERT_EQ(m.length, static_cast<int>(places.size()));
        EXPECT_EQ(m.firstColumn, places.front().second);
        EXPECT_EQ(0, places.front().first);
        std::set<int> holidays, estimated;
        for (int day = 1; day <= m.length; ++day) {
            const DayCell::Day& shown = Day(view, day)->Shown();
            EXPECT_EQ(m.first + day - 1, shown.value) << day;
            EXPECT_EQ(static_cast<int>(unsigned{ToCivilDate(m.first + day - 1).day()}),
                      shown.gregorianDay);
            if (shown.holiday) holidays.insert(day);
            if (shown.estimated) estimated.insert(day);
        }
        EXPECT_EQ(m.holidays, holidays);
        EXPECT_EQ(m.estimated, estimated);
        // The spans line sits under the title.
        bool spansShown = false;
        for (const QLabel* label : view.findChildren<QLabel*>()) {
            spansShown = spansShown || label->text().toStdString() == m.spans;
        }
        EXPECT_TRUE(spansShown) << m.spans;
    }
}

TEST_F(MonthViewTest, ListsTheMonthsOccasionsAndSaysWhatAStarMeans) {
    MonthView view(*book, false, Gregorian(2026, 12, 7));
    view.ShowMonth(1405, 1);
    const std::string list = view.List().toStdString();
    EXPECT_NE(std::string::npos, list.find("1 Farvardin  Nowruz\n")) << list;
    EXPECT_NE(std::string::npos, list.find("10 Farvardin  Sara's birthday\n")) << list;
    EXPECT_EQ(std::string::npos, list.find("estimated")) << list;
    EXPECT_FALSE(Day(view, 10)->Shown().holiday);  // an event is no holiday

    view.ShowMonth(1405, 4);
    EXPECT_EQ("3 Tir  Tasua *\n4 Tir  Ashura *\n* estimated", view.List().toStdString());
}

TEST_F(MonthViewTest, ScreenReadersHearEachDayInFull) {
    MonthView view(*book, false, Gregorian(2026, 3, 21));
    view.ShowMonth(1405, 1);
    EXPECT_EQ(
        "Today, Saturday 1 Farvardin 1405, 21 March 2026, 1 Shawwal 1447: Nowruz, holiday; "
        "Eid al-Fitr, holiday",
        Day(view, 1)->accessibleName().toStdString());
    view.ShowMonth(1405, 4);
    EXPECT_EQ(
        "Thursday 4 Tir 1405, 25 June 2026, 10 Muharram 1448 (estimated): Ashura, holiday, "
        "estimated",
        Day(view, 4)->accessibleName().toStdString());
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Day(view, 4));
    ASSERT_NE(nullptr, spoken);
    EXPECT_EQ(Day(view, 4)->accessibleName(), spoken->text(QAccessible::Name));
    EXPECT_EQ(QAccessible::Button, spoken->role());

    // Open, the view is one of the application's children, where a screen reader walking the
    // tree finds it; closed, it is not.
    AccessibleApplication::Install();
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&view);
    const auto at = [&] {
        for (int index = 0; index < application->childCount(); ++index) {
            if (application->child(index)->object() == &view) return index;
        }
        return -1;
    };
    EXPECT_EQ(-1, at());
    QWidget ordinary;  // a window of the program's own, open before the view, comes first
    ordinary.setWindowTitle(QStringLiteral("Tarvand"));
    ordinary.show();
    view.show();
    ASSERT_NE(-1, at());
    EXPECT_GT(at(), 0);
    EXPECT_EQ(at(), application->indexOfChild(shown));
    EXPECT_EQ(application, shown->parent());
    view.close();
    EXPECT_EQ(-1, at());
    EXPECT_EQ(-1, application->indexOfChild(shown));
}

TEST_F(MonthViewTest, TheKeyboardAloneWalksDaysMonthsAndBackToToday) {
    MonthView view(*book, false, Gregorian(2026, 4, 20));  // 31 Farvardin 1405
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.FocusDay(Gregorian(2026, 4, 20));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);  // to 1 Ordibehesht
    EXPECT_EQ(2, view.Month());
    EXPECT_EQ(Gregorian(2026, 4, 21),
              qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // a week back, into Farvardin
    EXPECT_EQ(1, view.Month());
    EXPECT_EQ(Gregorian(2026, 4, 14),
              qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);  // 25 Esfand 1404
    EXPECT_EQ(1404, view.Year());
    EXPECT_EQ(12, view.Month());
    EXPECT_EQ(Gregorian(2026, 3, 16),
              qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(1405, view.Year());
    EXPECT_EQ(12, view.Month());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(1, view.Month());
    EXPECT_TRUE(qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().today);
    // A month or a year on, a day the month lacks becomes its last.
    struct Step {
        DateValue from;
        Qt::KeyboardModifiers modifiers;
        DateValue to;
    };
    for (const auto& [from, modifiers, to] :
         {Step{Gregorian(2025, 9, 22), Qt::NoModifier, Gregorian(2025, 10, 22)},  // 31 Shahrivar
          Step{Gregorian(2025, 3, 20), Qt::ShiftModifier, Gregorian(2026, 3, 20)}}) {  // 30 Esfand
        view.FocusDay(from);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, modifiers);
        EXPECT_EQ(to, qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().value);
    }
    // The arrows go no further than the calendar.
    const auto arrow = [&view](Qt::ArrowType type) {
        for (const QToolButton* button : view.findChildren<QToolButton*>()) {
            if (button->arrowType() == type) return button->isEnabled();
        }
        return true;
    };
    view.ShowMonth(1178, 1);
    EXPECT_FALSE(arrow(Qt::LeftArrow));
    EXPECT_TRUE(arrow(Qt::RightArrow));
    view.ShowMonth(3000, 12);
    EXPECT_TRUE(arrow(Qt::LeftArrow));
    EXPECT_FALSE(arrow(Qt::RightArrow));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

// Each cell shows the day in all three calendars; the selected day's dates are written out under
// the grid and copied with Ctrl+C.
TEST_F(MonthViewTest, ShowsTheThreeDatesOfEachDay) {
    MonthView view(*book, false, Gregorian(2026, 3, 20));  // 29 Esfand 1404, 30 Ramadan 1447
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    struct Row {
        int year, month, day, gregorianDay, hijriDay;
        bool predicted;
    };
    for (const auto& [year, month, day, gregorianDay, hijriDay, predicted] :
         {Row{1404, 12, 29, 20, 30, false}, Row{1404, 12, 1, 20, 2, false},
          Row{1405, 4, 4, 25, 10, true}, Row{1178, 1, 1, 21, 14, true}}) {
        view.ShowMonth(year, month);
        const DayCell* cell = Day(view, day);
        EXPECT_EQ(gregorianDay, cell->Shown().gregorianDay) << year << '/' << month << '/' << day;
        EXPECT_EQ(hijriDay, cell->Shown().hijriDay) << year << '/' << month << '/' << day;
        EXPECT_EQ(predicted, cell->Shown().hijriPredicted) << year << '/' << month << '/' << day;
    }
    EXPECT_EQ("Friday 29 Esfand 1404 \u00B7 30 Ramadan 1447 \u00B7 20 March 2026",
              view.SelectedDates().toStdString());
    view.FocusDay(Gregorian(2026, 6, 25));
    const QString ashura =
        "Thursday 4 Tir 1405 \u00B7 10 Muharram 1448 (estimated) \u00B7 25 June 2026";
    EXPECT_EQ(ashura, view.SelectedDates());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ashura, QGuiApplication::clipboard()->text());
}

// With a place set, the selected day's six times under its three dates, in the place's zone
// (Iran's summer time of 1401 included), "--:--" for a dawn that does not come; the view keeps its
// size from day to day. With none, no line.
TEST_F(MonthViewTest, ShowsTheSelectedDaysTimesForThePlaceSet) {
    MonthView view(*book, false, Gregorian(2022, 8, 30));  // 8 Shahrivar 1401
    EXPECT_EQ("", view.TimesOfDay().toStdString());
    view.SetPlace(NamedPlace{{35.6944, 51.4215}, "Tehran", "Asia/Tehran"});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(
        "Tehran: Fajr 05:07, Sunrise 06:35, Dhuhr 13:05, Sunset 19:35, Maghrib 19:53, "
        "Midnight 00:21",
        view.TimesOfDay().toStdString());
    const QSize size = view.size();
    view.FocusDay(Gregorian(2022, 9, 20));  // 29 Shahrivar, the last day of summer time
    EXPECT_EQ(size, view.size());
    view.FocusDay(Gregorian(2022, 12, 21));  // after the clocks went back: noon an hour earlier
    EXPECT_NE(std::string::npos, view.TimesOfDay().toStdString().find("Dhuhr 12:02"))
        << view.TimesOfDay().toStdString();
    view.SetPlace(NamedPlace{{59.91, 10.75}, "Oslo", "Europe/Oslo"});
    view.FocusDay(Gregorian(2026, 6, 21));
    EXPECT_EQ(0u, view.TimesOfDay().toStdString().find("Oslo: Fajr --:--, Sunrise 03:5"))
        << view.TimesOfDay().toStdString();

    MonthView persian(*book, true, Gregorian(2022, 8, 30));
    persian.SetPlace(NamedPlace{{35.6944, 51.4215}, "تهران", "Asia/Tehran"});
    EXPECT_TRUE(persian.TimesOfDay().contains(QStringLiteral("اذان ظهر ۱۳:۰۵")))
        << persian.TimesOfDay().toStdString();
}

// The field takes a date of any of the three calendars and goes there; what it cannot take it
// says, and the view stays where it was.
TEST_F(MonthViewTest, GoesToADateOfAnyCalendar) {
    MonthView view(*book, false, Gregorian(2026, 12, 7));
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.FocusDay(Gregorian(2026, 12, 7));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Slash);
    EXPECT_EQ("QLineEdit", std::string(QApplication::focusWidget()->metaObject()->className()));
    // Every way of writing a day that tarvand-date -d reads, and those of the field's own; a date
    // two calendars could mean is read as Solar, and the field says so.
    const DateValue ashura = Gregorian(2026, 6, 25), today = Gregorian(2026, 12, 7);
    struct Read {
        const char* typed;
        DateValue day;
        const char* note;
    };
    const std::string solarNote =
        "read as the Solar date 1405/04/04, since Gregorian dates begin "
        "in 1799; Solar dates are written 1405/04/04";
    for (const auto& [typed, day, note] : {
             Read{"1405/04/04", ashura, ""},
             Read{"2026-06-25", ashura, ""},
             Read{"1448/01/10 AH", ashura, ""},
             Read{"1448/1/10 ah", ashura, ""},
             Read{"10 Muharram 1448", ashura, ""},
             Read{"10 Muharram 1448 AH", ashura, ""},
             Read{"\u06F1\u06F0 \u0645\u062D\u0631\u0645 \u06F1\u06F4\u06F4\u06F8", ashura, ""},
             Read{"10 muh 1448", ashura, ""},
             Read{"4 tir 1405", ashura, ""},
             Read{"\u06F4 \u062A\u06CC\u0631 \u06F1\u06F4\u06F0\u06F5", ashura, ""},
             Read{" 4 Saratan 1405 ", ashura, ""},
             Read{"1405-04-04", ashura, solarNote.c_str()},
             Read{"2026/06/25", *FromSolarDate(2026, 6, 25),
                  "read as the Solar date 2026/06/25; for the Gregorian date, write 2026-06-25"},
             Read{"today", today, ""},
             Read{"\u0627\u0645\u0631\u0648\u0632", today, ""},
             Read{"tomorrow", today + 1, ""},
             Read{"next week", today + 7, ""},
             Read{"10 Muharram 1448 +1 day", ashura + 1, ""},
         }) {
        view.ShowMonth(1404, 1);
        EXPECT_EQ("", view.GoTo(QString::fromUtf8(typed)).toStdString()) << typed;
        const auto* cell = qobject_cast<DayCell*>(QApplication::focusWidget());
        ASSERT_NE(nullptr, cell) << typed;
        EXPECT_EQ(day, cell->Shown().value) << typed;
        EXPECT_EQ(note, view.GoToProblem().toStdString()) << typed;
        EXPECT_EQ(view.SelectedDates(), ThreeDatesText(day, book->Hijri(), false)) << typed;
    }
    struct Refused {
        const char* typed;
        const char* said;
    };
    for (const auto& [typed, said] : {
             Refused{"1405/13/01", "invalid date '1405/13/01': there is no month 13"},
             Refused{"1404/12/30",
                     "invalid date '1404/12/30': 1404 is a common year, Esfand has 29 days"},
             Refused{"3001/01/01",
                     "date '3001/01/01' is outside 1178 to 3000, the years that can be converted"},
             Refused{"1799-03-20",
                     "date '1799-03-20' is outside 1799-03-21 to 3622-03-20, the days that can be "
                     "converted"},
             Refused{"3092/10/01 AH",
                     "date '3092/10/01 AH' is outside 1213/10/14 to 3092/09/24 AH, the Hijri days "
                     "that can be converted"},
             Refused{"1 rabi 1448", "ambiguous month 'rabi': Rabi' al-awwal or Rabi' al-thani"},
             Refused{"30 Ramadan 1446", "invalid date '30 Ramadan 1446': Ramadan 1446 has 29 days"},
             Refused{"someday",
                     "cannot read 'someday' (expected 1405/04/04, 2026-06-25, 1448/01/10 AH, 10 "
                     "Muharram 1448 or 4 Tir 1405)"},
         }) {
        view.ShowMonth(1405, 9);
        EXPECT_EQ(said, view.GoTo(QString::fromUtf8(typed)).toStdString()) << typed;
        EXPECT_EQ(said, view.GoToProblem().toStdString());
        EXPECT_EQ(1405, view.Year());
        EXPECT_EQ(9, view.Month()) << typed;
    }
}

TEST_F(MonthViewTest, PersianRunsRightToLeftWithPersianNamesAndDigits) {
    MonthView view(*book, true, Gregorian(2026, 12, 7));
    view.ShowMonth(1405, 1);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ("\u0641\u0631\u0648\u0631\u062F\u06CC\u0646 \u06F1\u06F4\u06F0\u06F5",
              view.Title().toStdString());
    // Its own words from the Persian catalogue built into the program.
    EXPECT_EQ("\u062A\u0631\u0648\u0646\u062F \u2014 \u0646\u0645\u0627\u06CC \u0645\u0627\u0647",
              view.windowTitle().toStdString());
    EXPECT_EQ("\u0648 \u06F3 \u0645\u0648\u0631\u062F \u062F\u06CC\u06AF\u0631",
              MoreText(3, true).toStdString());
    EXPECT_EQ("and 3 more", MoreText(3, false).toStdString());
    // Persian as Persians write it, with its own yeh and kaf (the Arabic ones belong to the four
    // layouts' design), in every text of every month of a year.
    for (int month = 1; month <= 12; ++month) {
        view.ShowMonth(1405, month);
        QStringList texts{view.Title(), view.List()};
        for (const QLabel* label : view.findChildren<QLabel*>()) {
            texts << label->text() << label->toolTip();
        }
        for (int index = 0; index < MonthView::Weeks * 7; ++index) {
            texts << view.Cell(index / 7, index % 7)->accessibleName();
        }
        texts << view.SelectedDates();
        // ... and no middle dot, which reads as the Persian zero.
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(QChar(0x064A)) || text.contains(QChar(0x0643)) ||
                         text.contains(QChar(0x00B7)))
                << month << ": " << text.toStdString();
        }
    }
    view.ShowMonth(1405, 1);
    EXPECT_EQ(Qt::RightToLeft, view.layoutDirection());
    // Saturday, the week's first day, is at the right.
    EXPECT_GT(view.Cell(0, 0)->mapTo(&view, QPoint()).x(),
              view.Cell(0, 6)->mapTo(&view, QPoint()).x());
    EXPECT_EQ("\u06F1\u06F3", Day(view, 13)->text().toStdString());
    // In a right-to-left grid the next day is to the left.
    Day(view, 13)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(14, qobject_cast<DayCell*>(QApplication::focusWidget())->Shown().solarDay);
}

// The focused day is ringed as soon as the view moves the focus to it, as the arrow keys do after
// a click on the icon, in light, dark and high-contrast schemes.
TEST_F(MonthViewTest, TheFocusedDayIsSeenFromTheFirstKey) {
    struct Scheme {
        QColor window, text, highlight;
    };
    for (const auto& [window, text, highlight] :
         {Scheme{Qt::white, Qt::black, QColor(0x30, 0x8C, 0xC6)},
          Scheme{QColor(0x23, 0x26, 0x29), QColor(0xEF, 0xF0, 0xF1), QColor(0x3D, 0xAE, 0xE9)},
          Scheme{Qt::black, Qt::white, Qt::yellow}}) {
        QPalette palette;
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(role, window);
        }
        for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::HighlightedText}) {
            palette.setColor(role, role == QPalette::HighlightedText ? window : text);
        }
        palette.setColor(QPalette::Highlight, highlight);
        MonthView view(*book, false, Gregorian(2026, 4, 20));  // 31 Farvardin 1405
        view.setPalette(palette);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        DayCell* cell = Day(view, 10);
        const QImage plain = cell->grab().toImage();
        view.FocusDay(cell->Shown().value);
        ASSERT_TRUE(cell->hasFocus());
        const QImage focused = cell->grab().toImage();
        int ring = 0;  // pixels that turned the highlight colour
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                ring +=
                    focused.pixelColor(x, y) == highlight && plain.pixelColor(x, y) != highlight;
            }
        }
        EXPECT_GE(ring, focused.width() + focused.height()) << highlight.name().toStdString();
    }
}

// However many occasions a month has, the view keeps within the screen's available area with its
// grid whole; the list shows what fits and says how many more there are.
TEST_F(MonthViewTest, StaysWithinTheScreenWhateverTheList) {
    const std::string path = ::testing::TempDir() + "month_view_many_events";
    {
        std::ofstream events(path);
        for (int i = 0; i < 60; ++i) {
            events << "01/05 A long name for one of many events, number " << i << "\n";
        }
    }
    OccasionFiles files;
    files.userEvents = path;
    std::vector<std::string> messages;
    const OccasionBook many(files, messages);
    std::remove(path.c_str());
    MonthView view(many, false, Gregorian(2026, 3, 21));  // 1 Farvardin 1405
    view.PlaceBeside(QRect(), QPoint(10, 10));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_TRUE(view.screen()->availableGeometry().contains(view.frameGeometry()));
    EXPECT_EQ(31u, Places(view).size());
    const QStringList lines = view.List().split(u'\n');  // Farvardin has no estimated holiday
    const auto occasions = many.Between(Gregorian(2026, 3, 21), Gregorian(2026, 4, 20)).size();
    ASSERT_TRUE(lines.back().startsWith(QStringLiteral("and "))) << lines.back().toStdString();
    EXPECT_EQ(occasions - static_cast<std::size_t>(lines.size() - 1),
              lines.back().split(u' ')[1].toUInt());
    EXPECT_GT(lines.filter(QStringLiteral("many events")).size(), 0);
}

// What could not be read of the files is said under the list, where the user looks: the first
// message and how many more.
TEST_F(MonthViewTest, SaysWhatCouldNotBeReadUnderTheList) {
    MonthView view(*book, false, Gregorian(2026, 3, 21));
    EXPECT_EQ("", view.Problems().toStdString());
    const QString big =
        QStringLiteral("cannot read '/home/u/.config/tarvand/events': larger than 1 MiB");
    const QString noName = QStringLiteral("/etc/tarvand/holidays.d/x:3: no name");
    view.SetProblems({big});
    EXPECT_EQ(big, view.Problems());
    view.SetProblems({big, noName});
    EXPECT_EQ(big + " (and 1 more)", view.Problems());
    view.SetProblems({big, noName, noName});
    EXPECT_EQ(big + " (and 2 more)", view.Problems());
    view.SetProblems({});
    EXPECT_EQ("", view.Problems().toStdString());
}

// The Hijri day leans where its month is predicted and stands upright where it is on record: the
// ink of its corner, drawn large, lies further right at the top than at the bottom.
TEST_F(MonthViewTest, TheHijriDayIsItalicExactlyWhereItsMonthIsPredicted) {
    // Takes whether the month is predicted; returns how far right the Hijri corner's ink lies at
    // its top against its bottom, in pixels.
    const auto lean = [](bool predicted) {
        DayCell cell;
        cell.setFont(QFont(cell.font().family(), 60));
        cell.resize(cell.sizeHint());
        const auto drawn = [&](int hijriDay) {
            DayCell::Day day{.solarDay = 4,
                             .gregorianDay = 25,
                             .hijriDay = hijriDay,
                             .hijriPredicted = predicted};
            cell.Show(day, QString());
            return cell.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage with = drawn(11), without = drawn(0);
        std::vector<double> rows;  // the mean x of the corner's ink in each row that has some
        for (int y = 0; y < with.height(); ++y) {
            double sum = 0, ink = 0;
            for (int x = 0; x < with.width() / 3; ++x) {
                const int d = std::abs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y)));
                sum += d * x;
                ink += d;
            }
            if (ink > 0) rows.push_back(sum / ink);
        }
        EXPECT_GT(rows.size(), 10u);
        const auto third = rows.size() / 3;
        const auto mean = [](auto from, auto to) {
            return std::accumulate(from, to, 0.0) / static_cast<double>(to - from);
        };
        return mean(rows.begin(), rows.begin() + third) - mean(rows.end() - third, rows.end());
    };
    const double onRecord = lean(false), predicted = lean(true);
    EXPECT_GT(predicted, onRecord + 3) << predicted << " against " << onRecord;
}

TEST_F(MonthViewTest, HolidayColourReadsOnLightAndDarkSchemes) {
    for (const QColor& base : {QColor(Qt::white), QColor(0xEF, 0xF0, 0xF1),
                               QColor(0x23, 0x26, 0x29), QColor(Qt::black)}) {
        QPalette palette;
        palette.setColor(QPalette::Window, base);
        EXPECT_GE(ContrastRatio(DayCell::HolidayColour(palette), base), ReadableContrast)
            << base.name().toStdString();
    }
}

}  // namespace
}  // namespace tarvand
