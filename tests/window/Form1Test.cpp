#include <gtest/gtest.h>

#include <unistd.h>
#include <QAccessible>
#include <QApplication>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>

#include "Form1.h"
#include "ResultBoxColours.h"
#include "calendar/LocalClock.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {
namespace {

using namespace std::chrono;

const local_seconds March2Of2011 = local_days{2011y / March / 2} + 13h + 5min + 7s;

// A window on a clock the test sets.
class Form1Test : public ::testing::Test {
protected:
    void Create(local_seconds moment = March2Of2011) {
        now = moment;
        form = std::make_unique<Form1>([this] { return now; });
    }
    void Show(local_seconds moment = March2Of2011) {
        Create(moment);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Runs the opening by hand, tick by tick, until the window is open.
    void Open() {
        form->Timer1_Timer();
        while (form->Timer2->isActive()) form->Timer2_Timer();
    }
    // Runs the event loop until the program ends; returns its status, or -1 after 10 s.
    static int RunToTheEnd() {
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(10000);
        return QApplication::exec();
    }
    template <class Widget>
    static std::string Text(const Widget* widget) {
        return widget->text().toStdString();
    }
    // Takes a widget; returns its place and size in twips, as "left top width height".
    static std::string Twips(const QWidget* widget) {
        const QRect r = widget->geometry();
        return std::to_string(r.x() * 15) + " " + std::to_string(r.y() * 15) + " " +
               std::to_string(r.width() * 15) + " " + std::to_string(r.height() * 15);
    }

    local_seconds now{};
    std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, CreatesTheControlsAsDesigned) {
    Create();
    EXPECT_EQ(QSize(4680 / 15, 660 / 15), form->size());
    const std::pair<const QWidget*, std::string> fixed[] = {
        {form->Label1, "750 225 3240 315"}, {form->Label4, "2250 3075 45 195"},
        {form->Text1, "240 1140 4215 375"}, {form->Text2, "240 1620 4215 375"},
        {form->Text3, "240 2100 4215 375"}, {form->Text4, "240 2580 4215 375"},
        {form->Text5, "300 3375 540 285"}};
    for (const auto& [widget, twips] : fixed) EXPECT_EQ(twips, Twips(widget));
    // The self-sizing labels keep their corner and fit their text.
    EXPECT_EQ(QRect(QPoint(20, 60), form->Label2->sizeHint()), form->Label2->geometry());
    EXPECT_EQ(QRect(QPoint(285, -5), form->Label3->sizeHint()), form->Label3->geometry());
    EXPECT_EQ("Tarvand", form->windowTitle().toStdString());
    QCoreApplication::processEvents();  // the icon comes once the event loop runs
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ("You'r Computer Date is...", Text(form->Label1));
    EXPECT_EQ("Notic: if you'r Computer date is Correct today is:", Text(form->Label2));
    EXPECT_EQ("\u00D7", Text(form->Label3));
    EXPECT_EQ("", Text(form->Label4));
    EXPECT_EQ("Focus", Text(form->Text5));
    EXPECT_TRUE(form->Label2->isHidden());
    EXPECT_TRUE(form->Label3->isEnabled());
    const std::tuple<const QTimer*, bool, int> timers[] = {{form->Timer1, true, 2000},
                                                           {form->Timer2, false, 5},
                                                           {form->Timer3, false, 1},
                                                           {form->Timer4, true, 5000}};
    for (const auto& [timer, running, interval] : timers) {
        EXPECT_EQ(running, timer->isActive());
        EXPECT_EQ(interval, timer->interval());
    }
    const std::tuple<const QWidget*, qreal, bool> fonts[] = {{form->Label1, 11.25, true},
                                                             {form->Label3, 24, true},
                                                             {form->Label4, 8.25, false},
                                                             {form->Text1, 11.25, false},
                                                             {form->Text4, 11.25, false}};
    for (const auto& [widget, points, bold] : fonts) {
        EXPECT_EQ("Tahoma", widget->font().families().value(0).toStdString());
        EXPECT_EQ(points, widget->font().pointSizeF());
        EXPECT_EQ(bold, widget->font().bold());
    }
    EXPECT_TRUE(form->Text2->isReadOnly() && form->Text2->layoutDirection() == Qt::RightToLeft);
    EXPECT_EQ(QColor(255, 0, 0), form->Label3->palette().color(QPalette::WindowText));
    EXPECT_EQ(Qt::PointingHandCursor, form->Label3->cursor().shape());
}

TEST_F(Form1Test, FillsTheBoxesWithTheFourLayoutsOfTodayFrom1178To3000) {
    for (const auto& [day, format0] : {std::pair{local_days{2011y / March / 2}, "1389/12/11"},
                                       std::pair{local_days{1950y / January / 1}, "1328/10/11"},
                                       std::pair{local_days{1799y / March / 20}, ""}}) {
        Create(day);
        const QLineEdit* boxes[] = {form->Text1, form->Text2, form->Text3, form->Text4};
        EXPECT_EQ(format0, Text(form->Text1));
        for (int format = 0; format < FormatCount; ++format) {
            EXPECT_EQ(ToSolarDate(ToDateValue(year_month_day{day}), format), Text(boxes[format]));
        }
        EXPECT_FALSE(form->grab().isNull());  // it draws, whatever fonts the machine has
    }
}

// On the real clock, whatever the machine says it is: the boxes show the local date that
// TARVAND_TODAY names (YYYY-MM-DD), or else today's.
TEST_F(Form1Test, ReadsTheLocalClock) {
    form = std::make_unique<Form1>();
    int y = 0;
    unsigned m = 0, d = 0;
    const char* given = std::getenv("TARVAND_TODAY");
    year_month_day today{floor<days>(LocalNow())};
    if (given && std::sscanf(given, "%d-%u-%u", &y, &m, &d) == 3) today = year{y} / m / d;
    EXPECT_EQ(ToSolarDate(ToDateValue(today), 0), Text(form->Text1));
    EXPECT_EQ(ToSolarDate(ToDateValue(today), 3), Text(form->Text4));
    form->Timer4_Timer();
    EXPECT_NE("", Text(form->Label4));
}

// The computer's date follows the locale; the result boxes do not.
TEST_F(Form1Test, WritesTheComputersDateInTheLocalesShortForm) {
    Create();
    form->Timer1_Timer();
    const std::map<QString, std::string> shortDates{
        {"C", "2 Mar 2011"},
        {"en_US", "3/2/11"},
        {"de_DE", "02.03.11"},
        {"fa_IR", "\u06F2\u06F0\u06F1\u06F1/\u06F3/\u06F2"}};
    EXPECT_EQ(shortDates.at(QLocale::system().name()), Text(form->Label1));
    EXPECT_EQ("1389/12/11", Text(form->Text1));
}

TEST_F(Form1Test, ShowsScreenReadersTheDateFirstAndLetsThemPressOnlyTheCloseMarkOnceOpen) {
    Create();
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
    };
    const std::pair<QLineEdit*, std::string> boxes[] = {
        {form->Text1, "Solar Hijri date, numeric"},
        {form->Text2, "Solar Hijri date with the month name"},
        {form->Text3, "Solar Hijri date with the weekday name"},
        {form->Text4, "Solar Hijri date in full"}};
    for (const auto& [box, boxName] : boxes) {
        EXPECT_EQ(boxName, name(box));
        // Read, but not written, as the keyboard and the mouse may not.
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(box);
        EXPECT_TRUE(text->state().readOnly);
        EXPECT_FALSE(text->state().editable);
        EXPECT_EQ(nullptr, text->editableTextInterface());
        ASSERT_TRUE(text->textInterface());
        EXPECT_EQ(box->text(),
                  text->textInterface()->text(0, text->textInterface()->characterCount()));
        EXPECT_EQ(box->text().mid(2, 2), text->textInterface()->text(2, 4));  // "89" of 1389/...
        // Every glyph from Tahoma or a stand-in chosen for it, none missing: Persian letters and
        // digits, and the Latin digits and signs the Arabic stand-in lacks.
        QTextLayout layout(box->text() + QStringLiteral(" 0123456789/:\u00D7"), box->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            EXPECT_TRUE(QStringList({"Tahoma", "Noto Sans Arabic UI", "DejaVu Sans"})
                            .contains(run.rawFont().familyName()))
                << run.rawFont().familyName().toStdString();
            EXPECT_FALSE(run.glyphIndexes().contains(0u));
        }
        EXPECT_EQ(box->text(), text->text(QAccessible::Value));
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->Text5)->editableTextInterface());
    EXPECT_EQ(Text(form->Text4) + " \u2013 Tarvand", name(form.get()));
    const QString press = QAccessibleActionInterface::pressAction();
    for (QLabel* label : {form->Label1, form->Label2, form->Label4}) {
        const QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(label)->actionInterface();
        EXPECT_FALSE(actions && actions->actionNames().contains(press));
    }
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(form->Label3);
    ASSERT_TRUE(close->actionInterface());
    EXPECT_EQ(QAccessible::Button, close->role());
    EXPECT_EQ("Close", name(form->Label3));
    EXPECT_EQ(QStringList{press}, close->actionInterface()->actionNames());
    form->Timer1_Timer();  // opening: pressed, it does nothing
    close->actionInterface()->doAction(press);
    EXPECT_FALSE(form->Timer3->isActive());
    Open();
    close->actionInterface()->doAction(press);
    EXPECT_TRUE(form->Timer3->isActive());
}

TEST_F(Form1Test, KeepsTheFocusOffTheClickedBoxesButNotOffTabbedOnes) {
    Show();
    EXPECT_EQ(form->Text5, QApplication::focusWidget());
    for (QLineEdit* box : {form->Text1, form->Text2, form->Text3, form->Text4}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(box, QApplication::focusWidget());
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(form->Text5, QApplication::focusWidget());
        box->setFocus();
    }
}

// The opening grows 15 twips a tick, the closing shrinks 150, each from the height the window
// has; where the platform gives back less or more than a step asks (rounding at a fractional
// scale, a least height), the next goes on from the height asked, so that both still end.
TEST_F(Form1Test, OpensAndClosesAtTheirPaceWhateverThePlatformGivesBack) {
    const std::function<int(int asked, int before)> platforms[] = {
        [](int asked, int) { return asked; },                           // as asked
        [](int asked, int) { return asked - 1; },                       // a pixel short
        [](int asked, int before) { return std::min(asked, before); },  // never higher
        [](int asked, int before) { return std::max(asked, before); },  // never lower
        [](int asked, int) { return std::max(asked, 30); }};            // a least height
    for (const auto& platform : platforms) {
        Show();
        EXPECT_EQ(660 + DesignedFrame, form->Height());  // the designed frame, not the platform's
        form->Timer1_Timer();
        EXPECT_EQ("2 Mar 2011", Text(form->Label1));
        QTest::mouseClick(form->Label3, Qt::LeftButton);  // off while it opens
        int ticks = 0;
        for (int before = form->height(); form->Timer2->isActive() && ticks < 400; ++ticks) {
            EXPECT_TRUE(!form->Label3->isEnabled() && form->Label2->isHidden());
            form->Timer2_Timer();
            form->setFixedHeight(before = platform(form->height(), before));
        }
        const bool asked = &platform == &platforms[0];
        EXPECT_EQ(3810, form->GrowHeight);
        EXPECT_GE(ticks, 178);  // 178 steps of 15 from 1140 to 3810 twips
        EXPECT_LE(ticks, asked ? 178 : 2 * 178);
        EXPECT_TRUE(form->Label2->isVisible() && form->Label3->isEnabled());
        EXPECT_FALSE(form->Timer1->isActive() || form->Timer3->isActive());
        QTest::mouseClick(form->Label3, Qt::LeftButton);
        ticks = 0;
        for (int before = form->height(); form->Timer3->isActive() && ticks < 100; ++ticks) {
            form->Timer3_Timer();
            form->setFixedHeight(before = platform(form->height(), before));
        }
        EXPECT_LE(ticks, asked ? 23 : 2 * 23);  // 23 steps of 150 from 3810 to below 470
        EXPECT_LT(form->ShrinkHeight, 470);
        EXPECT_FALSE(form->Timer4->isActive());
    }
    // Open, the window shows the whole clock (to 3270 twips) but not the focus box (from 3375).
    Show();
    Open();
    EXPECT_TRUE(form->height() >= 3270 / 15 && form->height() < 3375 / 15);
}

TEST_F(Form1Test, ShrinksFromItsRealHeightAndEndsWhenClosedWhileWaiting) {
    Show();
    QTest::mousePress(form->Label3, Qt::LeftButton);
    QTest::mouseRelease(form->Label3, Qt::LeftButton, {}, QPoint(-2, 10));  // released outside
    EXPECT_FALSE(form->Timer3->isActive());
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    form->setFixedHeight(100);  // as if the platform had adjusted the height
    form->Timer3_Timer();
    EXPECT_EQ(100 * 15 + DesignedFrame - 150, form->ShrinkHeight);
    EXPECT_EQ(form->ShrinkHeight, form->Height());
    QTest::mouseClick(form->Label3, Qt::LeftButton);  // a second click changes nothing
    EXPECT_EQ(form->ShrinkHeight, form->Height());
    EXPECT_EQ(0, RunToTheEnd());
    EXPECT_LT(form->ShrinkHeight, 470);
    for (const QTimer* timer : {form->Timer1, form->Timer2, form->Timer3, form->Timer4}) {
        EXPECT_FALSE(timer->isActive());
    }
}

TEST_F(Form1Test, GoesWithoutAFrameOnlyOnWayland) {
    for (const char* platform : {"xcb", "offscreen", "wayland", "wayland-egl"}) {
        const Qt::WindowFlags flags = Form1::FrameFlags(QString::fromLatin1(platform));
        const bool wayland = std::string_view(platform).starts_with("wayland");
        EXPECT_EQ(wayland ? Qt::Window | Qt::FramelessWindowHint
                          : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint,
                  flags)
            << platform;
    }
}

// The boxes keep the scheme's colours where they can be read, and are white on black where not,
// also after a change of scheme.
TEST_F(Form1Test, ColoursItsBoxesReadablyInEveryScheme) {
    const auto scheme = [](QColor buttonText, QColor highlightedText) {
        QPalette palette;
        palette.setColor(QPalette::ButtonText, buttonText);
        palette.setColor(QPalette::HighlightedText, highlightedText);
        return palette;
    };
    const QColor black = Qt::black, white = Qt::white, light(239, 240, 241), grey(119, 119, 119),
                 green(0, 140, 0), darkRed(139, 0, 0);
    EXPECT_NEAR(4.42, ContrastRatio(green, white), 0.01);
    const std::tuple<QPalette, QColor, QColor> schemes[] = {
        {scheme(black, white), black, white},       // light
        {scheme(white, black), white, black},       // high contrast
        {scheme(light, light), black, white},       // dark: Breeze Dark's pair
        {scheme(grey, white), black, white},        // 4.48:1, just below
        {scheme(white, green), black, white},       // a green text at 4.42:1, below
        {scheme(white, darkRed), white, darkRed}};  // a dark red text, well above
    const QPalette before = QApplication::palette();
    Show();
    for (const auto& [palette, base, text] : schemes) {
        EXPECT_EQ(base, ResultBoxPalette(palette).color(QPalette::Base));
        QApplication::setPalette(palette);
        QApplication::processEvents();  // the open window hears of it from the event queue
        EXPECT_EQ(base, form->Text4->palette().color(QPalette::Base));
        EXPECT_EQ(text, form->Text4->palette().color(QPalette::Text));
    }
    QApplication::setPalette(before);
}

// The notice keeps the window's small size, whatever the desktop's font, and fits.
TEST_F(Form1Test, FitsTheNoticeUnderEveryDesktopFont) {
    const QFont before = QApplication::font();
    for (const auto& [family, points] :
         {std::pair{"DejaVu Sans", 11}, std::pair{"DejaVu Serif", 20}}) {
        QApplication::setFont(QFont(QString::fromLatin1(family), points));
        Create();
        const QRect notice = form->Label2->geometry();
        EXPECT_LE(form->Label2->font().pointSizeF(), 8.25);
        EXPECT_LE(notice.right(), 4665 / 15);
        EXPECT_LE(notice.bottom(), form->Text1->y());
        EXPECT_EQ(8.25, form->Text5->font().pointSizeF());                      // the focus box too
        QApplication::setFont(QFont(QString::fromLatin1(family), 2 * points));  // and later
        EXPECT_LE(form->Label2->geometry().right(), 4665 / 15);
    }
    QApplication::setFont(before);
}

TEST_F(Form1Test, ShowsTheClockFromItsFirstTickAroundItsCentre) {
    Create(local_days{2011y / March / 2});
    form->Timer4_Timer();
    EXPECT_EQ("2 Mar 2011 00:00:00 UTC", Text(form->Label4));  // midnight too
    now += 13h + 5min + 7s;
    form->Timer4_Timer();
    EXPECT_EQ("2 Mar 2011 13:05:07 UTC", Text(form->Label4));
    const QRect clock = form->Label4->geometry();
    EXPECT_EQ(form->Label4->sizeHint(), clock.size());
    EXPECT_NEAR(151.5, clock.x() + clock.width() / 2.0, 0.5);  // 2272.5 twips
    EXPECT_EQ(205, clock.y());                                 // 3075 twips
}

TEST_F(Form1Test, FollowsTheNewDayAfterMidnight) {
    Create(local_days{2013y / March / 20} + 23h + 59min + 58s);
    now += 5s;
    form->Timer4_Timer();
    EXPECT_EQ("1392/01/01", Text(form->Text1));
    EXPECT_EQ(ToSolarDate(41354, 3), Text(form->Text4));
    EXPECT_EQ("You'r Computer Date is...", Text(form->Label1));  // not yet showing the date
    Open();
    now += 24h;
    form->Timer4_Timer();
    EXPECT_EQ("1392/01/02", Text(form->Text1));
    EXPECT_EQ("22 Mar 2013", Text(form->Label1));
}

TEST_F(Form1Test, KeepsItsMemoryFlatOverDaysOfClockTicks) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer holds freed memory back; LeakSanitizer checks this build";
#endif
    Create();
    long pages = 0, before = 0, after = 0;
    for (int tick = 0; tick < 3 * 17280; ++tick) {  // three days, 5 s apart
        now += 5s;
        form->Timer4_Timer();
        if (tick == 2000) std::ifstream("/proc/self/statm") >> pages >> before;  // caches warm
    }
    std::ifstream("/proc/self/statm") >> pages >> after;
    EXPECT_LT((after - before) * sysconf(_SC_PAGESIZE), 256 * 1024);
    EXPECT_EQ(ToSolarDate(ToDateValue(year_month_day{floor<days>(now)}), 0), Text(form->Text1));
}

}  // namespace
}  // namespace tarvand
