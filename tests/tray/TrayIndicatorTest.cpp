#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimeZone>

#include <algorithm>
#include <map>
#include <set>

#include "Autostart.h"
#include "DBusMenu.h"
#include "DayIcon.h"
#include "DayTexts.h"
#include "FirstIndicator.h"
#include "Form1.h"
#include "OccasionBook.h"
#include "ResultBoxColours.h"
#include "TimeNotifier.h"
#include "TrayIndicator.h"

namespace tarvand {
namespace {

DateValue Gregorian(int year, unsigned month, unsigned day) {
    return ToDateValue(std::chrono::year_month_day{
        std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}});
}

// Takes a menu and an action's text; returns the action, searching submenus too.
QAction* Find(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
        if (action->menu() != nullptr) {
            if (QAction* inner = Find(action->menu(), text)) return inner;
        }
    }
    return nullptr;
}

// Takes text; returns it without the direction embeddings around its lines.
std::string Plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\u202A-\u202E]")));
    return text.toStdString();
}

class TrayIndicatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A settings folder of its own, as the tests run side by side.
        config = QString::fromStdString(::testing::TempDir() + "tray_config_") +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        QDir(config).removeRecursively();
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
    }
    QString config;
    OccasionBook book{OccasionFiles{}, messages};
    std::vector<std::string> messages;
};

TEST_F(TrayIndicatorTest, TurnsToTheNewDayAtMidnight) {
    DateValue today = Gregorian(2026, 3, 20);  // 29 Esfand 1404, the year's last day
    TrayIndicator indicator(book, [&] { return today; });
    EXPECT_EQ(29, indicator.ShownDayOfMonth());
    EXPECT_EQ(
        "\u062C\u0645\u0639\u0647  29  \u0627\u0633\u0641\u0646\u062F  1404\n30 Ramadan 1447\n"
        "Friday, 20 March 2026\nIranian Oil Industry Nationalization Day",
        Plain(indicator.ToolTip()));
    const QImage before = indicator.Icon()->icon().pixmap(32).toImage();

    indicator.Refresh();  // the same day: nothing changes
    EXPECT_EQ(29, indicator.ShownDayOfMonth());

    today += 1;  // midnight: Nowruz 1405
    indicator.Refresh();
    EXPECT_EQ(1, indicator.ShownDayOfMonth());
    EXPECT_EQ(
        "\u0634\u0646\u0628\u0647  1  \u0641\u0631\u0648\u0631\u062F\u064A\u0646  1405\n"
        "1 Shawwal 1447\nSaturday, 21 March 2026\nNowruz\nEid al-Fitr",
        Plain(indicator.ToolTip()));
    EXPECT_NE(before, indicator.Icon()->icon().pixmap(32).toImage());
    EXPECT_EQ(DayPixmap(1, false, 32).toImage(), indicator.Icon()->icon().pixmap(32).toImage());
}

TEST_F(TrayIndicatorTest, EstimatedHijriDaysSaySo) {
    TrayIndicator indicator(book, [] { return Gregorian(2026, 6, 25); });
    EXPECT_NE(std::string::npos,
              Plain(indicator.ToolTip()).find("\n10 Muharram 1448 (estimated)\n"))
        << Plain(indicator.ToolTip());
    EXPECT_NE(std::string::npos, Plain(indicator.ToolTip()).find("\nAshura *"));
}

// Each line of the tooltip reads in its own direction where Qt lays it out as one text, in the
// first line's direction: the Hijri day stays before its month in an English tooltip whose first
// line is Persian.
TEST_F(TrayIndicatorTest, EachTooltipLineReadsInItsOwnDirection) {
    TrayIndicator indicator(book, [] { return Gregorian(2026, 12, 28); });  // 7 Dey 1405
    QString text = indicator.ToolTip();
    text.replace(u'\n', QChar::LineSeparator);  // as a label lays it out
    QTextLayout layout(text, QApplication::font());
    QTextOption option;
    option.setTextDirection(Qt::LayoutDirectionAuto);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(100000);
    }
    layout.endLayout();
    const QString hijri = text.split(QChar::LineSeparator)[1];  // "7 Jumada al-thani 1448 ..."
    const auto day =
        static_cast<int>(text.indexOf(hijri) + hijri.indexOf(QRegularExpression("\\d")));
    const auto month =
        static_cast<int>(day + hijri.mid(day - text.indexOf(hijri)).indexOf(u' ') + 1);
    // Where the day's first digit and the month's first letter are drawn.
    const auto x = [&](int at) { return layout.glyphRuns(at, 1).at(0).positions().at(0).x(); };
    EXPECT_LT(x(day), x(month)) << Plain(hijri);
    // Qt's own tooltip (XEmbed trays) sets each line on its own side: a paragraph each, the
    // Persian first line right to left, the English ones left to right.
    QTextDocument shown;
    shown.setHtml(indicator.Icon()->toolTip());
    ASSERT_EQ(3, shown.blockCount()) << indicator.Icon()->toolTip().toStdString();
    for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block == shown.begin() ? Qt::RightToLeft : Qt::LeftToRight,
                  block.blockFormat().layoutDirection())
            << block.text().toStdString();
    }
}

TEST_F(TrayIndicatorTest, MenuCopiesEachLayoutAndSetsAutostart) {
    TrayIndicator indicator(book, [] { return Gregorian(2011, 3, 2); });
    for (const char* layout : {"1389/12/11", "11 \u0627\u0633\u0641\u0646\u062F 1389"}) {
        QAction* copy = Find(indicator.Menu(), InOwnDirection(QString::fromUtf8(layout)));
        ASSERT_NE(nullptr, copy) << layout;
        copy->trigger();
        EXPECT_EQ(layout, QGuiApplication::clipboard()->text().toStdString());
    }

    QAction* login = Find(indicator.Menu(), QStringLiteral("Start at Login"));
    ASSERT_NE(nullptr, login);
    EXPECT_FALSE(login->isChecked());
    login->trigger();
    QFile entry(AutostartPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    EXPECT_TRUE(text.contains("\nExec=tarvand --tray\n")) << text.toStdString();
    EXPECT_TRUE(AutostartEnabled());
    entry.close();
    login->trigger();
    EXPECT_FALSE(QFile::exists(AutostartPath()));
    // An entry the desktop's own settings turned off is off.
    for (const char* hidden : {"Hidden=true", "Hidden = true"}) {
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(text + hidden + "\n");
        entry.close();
        TrayIndicator again(book, [] { return Gregorian(2011, 3, 2); });
        EXPECT_FALSE(Find(again.Menu(), QStringLiteral("Start at Login"))->isChecked()) << hidden;
    }
}

// The window opens once however often it is asked for, and its close mark ends the window alone.
TEST_F(TrayIndicatorTest, OpensOneWindowThatEndsAloneByItsCloseMark) {
    TrayIndicator indicator(book, [] { return Gregorian(2011, 3, 2); });
    const auto windows = [] { return QApplication::topLevelWidgets().count(); };
    const qsizetype before = windows();
    indicator.OpenWindow();
    indicator.OpenWindow();
    EXPECT_EQ(before + 1, windows());
    Form1* form = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Form1*>(widget)) form = found;
    }
    ASSERT_NE(nullptr, form);
    const QPointer<Form1> watched(form);
    form->Label3_Click();
    for (int tick = 0; tick < 100 && watched != nullptr; ++tick) {
        form->Timer3_Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(nullptr, watched);
    EXPECT_EQ(before, windows());
    indicator.OpenWindow();  // and opens anew
    EXPECT_EQ(before + 1, windows());
}

TEST_F(TrayIndicatorTest, PersianDigitsAreKeptAsTheUsersChoice) {
    {
        TrayIndicator indicator(book, [] { return Gregorian(2026, 3, 30); });  // 10 Farvardin
        EXPECT_FALSE(indicator.PersianDigits());
        Find(indicator.Menu(), QStringLiteral("Persian Digits"))->trigger();
        EXPECT_EQ(DayPixmap(10, true, 24).toImage(), indicator.Icon()->icon().pixmap(24).toImage());
    }
    TrayIndicator again(book, [] { return Gregorian(2026, 3, 30); });
    EXPECT_TRUE(again.PersianDigits());
    Find(again.Menu(), QStringLiteral("Persian Digits"))->trigger();  // back as it was
    // A choice that cannot be saved (the settings file is a folder) is not taken: the check mark
    // stays true to what was saved.
    const QString file =
        QSettings(QSettings::IniFormat, QSettings::UserScope, "tarvand", "tray").fileName();
    ASSERT_TRUE(QFile::remove(file) && QDir().mkpath(file));
    TrayIndicator stuck(book, [] { return Gregorian(2026, 3, 30); });
    QAction* digits = Find(stuck.Menu(), QStringLiteral("Persian Digits"));
    digits->trigger();
    EXPECT_FALSE(digits->isChecked());
    EXPECT_FALSE(stuck.PersianDigits());
    QDir(file).removeRecursively();
}

// Every day of the month is drawn apart from every other at every size, its digits inside the
// page and readable on it.
// A socket left behind by an indicator that died (bound, never unlinked) neither keeps the next
// one from becoming the first nor hides it from those started after it.
TEST(FirstIndicatorTest, ASocketLeftBehindStopsNobody) {
    const QString runtime = QString::fromStdString(::testing::TempDir()) + "tray_runtime";
    QDir(runtime).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    const QByteArray path = FirstIndicator::SocketPath().toUtf8();
    ASSERT_TRUE(path.startsWith(runtime.toUtf8()));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int dead = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(0, ::bind(dead, reinterpret_cast<sockaddr*>(&address), sizeof address));
    ::close(dead);
    ASSERT_TRUE(QFile::exists(QString::fromUtf8(path)));

    FirstIndicator first;
    EXPECT_TRUE(first.Claim());
    QSignalSpy asked(&first, &FirstIndicator::monthViewAsked);
    FirstIndicator later;
    EXPECT_FALSE(later.Claim());
    EXPECT_TRUE(asked.count() == 1 || asked.wait(2000));
    qunsetenv("XDG_RUNTIME_DIR");
}

TEST(DayIconTest, EveryDayIsDrawnDistinctAndReadableAtEverySize) {
    for (const bool persian : {false, true}) {
        for (const int size : DayIconSizes) {
            std::set<QByteArray> drawn;
            for (int day = 1; day <= 31; ++day) {
                const QImage image =
                    DayPixmap(day, persian, size).toImage().convertToFormat(QImage::Format_ARGB32);
                drawn.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                        image.sizeInBytes()));
                // The page: the commonest colour; the digits: white on it, none on the rim.
                std::map<QRgb, int> colours;
                int ink = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        const QColor colour = image.pixelColor(x, y);
                        if (colour.alpha() == 255) ++colours[colour.rgb()];
                        if (colour.lightness() > 200) {
                            ++ink;
                            EXPECT_TRUE(x > 0 && y > 0 && x < size - 1 && y < size - 1)
                                << size << " px, day " << day;
                        }
                    }
                }
                EXPECT_GT(ink, size / 2) << size << " px, day " << day;
                const auto page = std::max_element(
                    colours.begin(), colours.end(),
                    [](const auto& a, const auto& b) { return a.second < b.second; });
                ASSERT_NE(colours.end(), page);
                EXPECT_GE(ContrastRatio(Qt::white, QColor(page->first)), ReadableContrast)
                    << size << " px, day " << day;
            }
            EXPECT_EQ(31u, drawn.size()) << size << " px";
        }
    }
}

// Takes a dbusmenu layout; returns its entries under the root as "label [state]", indented two
// blanks a level, "-" for a separator.
void Entries(const DBusMenuLayout& layout, int depth, std::vector<std::string>& out) {
    for (const QDBusVariant& child : layout.children) {
        const auto entry = qvariant_cast<DBusMenuLayout>(child.variant());
        std::string text(static_cast<std::size_t>(depth) * 2, ' ');
        if (entry.properties.value("type") == "separator") {
            text += '-';
        } else {
            text += Plain(entry.properties.value("label").toString());
        }
        if (entry.properties.contains("toggle-state")) {
            text += entry.properties.value("toggle-state").toInt() == 1 ? " [x]" : " [ ]";
        }
        out.push_back(text);
        Entries(entry, depth + 1, out);
    }
}

// The place the times of the day are for, as the user names it: kept in the place file that
// tarvand-times reads, and its next time last in the tooltip; a name that names no place, or
// several, is said and changes nothing.
TEST_F(TrayIndicatorTest, KeepsThePlaceTheUserNames) {
    TrayIndicator indicator(book, [] { return Gregorian(2026, 3, 21); });
    const QString tooltip = indicator.ToolTip();
    EXPECT_EQ("", indicator.SetPlace(QStringLiteral("  mashh ")).toStdString());
    QFile file(config + QStringLiteral("/tarvand/place"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ("mashh\n", file.readAll().toStdString());
    file.close();
    const QStringList lines = indicator.ToolTip().split(u'\n');
    EXPECT_EQ(tooltip, lines.mid(0, lines.size() - 1).join(u'\n'));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(Fajr|Sunrise|Dhuhr|Sunset|Maghrib|Midnight) "
                                                  "[0-2][0-9]:[0-5][0-9]$"))
                    .match(Plain(lines.last()).c_str())
                    .hasMatch())
        << Plain(lines.last());
    for (const char* bad : {"atlantis", "sar", "91,0"}) {
        EXPECT_FALSE(indicator.SetPlace(QString::fromUtf8(bad)).isEmpty()) << bad;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ("mashh\n", file.readAll().toStdString());
}

// A ticked time is told at its printed minute, never before it, never twice (not even by the next
// run), and not when the minute is long past; nothing is told until a time is ticked, nor without
// a place.
TEST_F(TrayIndicatorTest, TellsTheTickedTimesAtTheirMinute) {
    const NamedPlace tehran{{35.6944, 51.4215}, "Tehran", "Asia/Tehran"};
    // 1401/06/08 (2022-08-30) in Tehran: Fajr 05:07, Maghrib 19:53, in summer time (UTC+4:30).
    const qint64 fajr =
        QDateTime(QDate(2022, 8, 30), QTime(5, 7), QTimeZone("Asia/Tehran")).toSecsSinceEpoch();
    const qint64 maghrib =
        QDateTime(QDate(2022, 8, 30), QTime(19, 53), QTimeZone("Asia/Tehran")).toSecsSinceEpoch();
    std::vector<std::string> told;
    const auto send = [&told](const QString& summary, const QString& body) {
        told.push_back(summary.toStdString() + " | " + body.toStdString());
    };
    {
        TimeNotifier notifier(false, send);
        EXPECT_EQ(std::nullopt, notifier.Check(fajr));  // none ticked
        notifier.SetTicked(0, true);
        EXPECT_EQ(std::nullopt, notifier.Check(fajr));  // no place
        notifier.SetPlace(tehran);
        EXPECT_EQ(std::optional<qint64>(fajr), notifier.Check(fajr - 1));
        EXPECT_TRUE(told.empty());
        const std::optional<qint64> next = notifier.Check(fajr);  // then tomorrow's
        ASSERT_TRUE(next.has_value());
        EXPECT_NEAR(static_cast<double>(fajr + 86400), static_cast<double>(*next), 120);
        EXPECT_EQ((std::vector<std::string>{"Fajr 05:07 | Tehran"}), told);
        notifier.Check(fajr + 30);
        notifier.SetTicked(4, true);
        EXPECT_EQ(std::optional<qint64>(maghrib), notifier.Check(fajr + 60));
    }
    // The next run has the choice and what was told; a minute slept through is not told.
    TimeNotifier again(false, send);
    again.SetPlace(tehran);
    EXPECT_TRUE(again.Ticked()[0] && again.Ticked()[4] && !again.Ticked()[1]);
    again.Check(fajr + 120);
    again.Check(maghrib + 3600);
    EXPECT_EQ(1u, told.size());
    again.Check(maghrib + 5);
    EXPECT_EQ((std::vector<std::string>{"Fajr 05:07 | Tehran", "Maghrib 19:53 | Tehran"}), told);
    // Qt keeps one settings file a process, whatever XDG_CONFIG_HOME says later: untick again.
    again.SetTicked(0, false);
    again.SetTicked(4, false);
}

// The menu as a StatusNotifierItem host reads it and clicks in it.
TEST_F(TrayIndicatorTest, OffersTheMenuOverDBusMenu) {
    TrayIndicator indicator(book, [] { return Gregorian(2026, 3, 21); });  // 1 Farvardin 1405
    DBusMenu exported(indicator.Menu(), false);
    DBusMenuLayout root;
    const uint first = exported.GetLayout(0, -1, {}, root);
    std::vector<std::string> entries;
    Entries(root, 0, entries);
    ASSERT_EQ(20u, entries.size());
    EXPECT_EQ((std::vector<std::string>{"Month", "Open Tarvand", "Copy Today's Date"}),
              std::vector<std::string>(entries.begin(), entries.begin() + 3));
    EXPECT_EQ("  " + ToSolarDate(Gregorian(2026, 3, 21), 0), entries[3]);
    EXPECT_EQ(
        (std::vector<std::string>{"Place\u2026", "Notify at", "  Fajr [ ]", "  Sunrise [ ]",
                                  "  Dhuhr [ ]", "  Sunset [ ]", "  Maghrib [ ]", "  Midnight [ ]",
                                  "-", "Persian Digits [ ]", "Start at Login [ ]", "-", "Quit"}),
        std::vector<std::string>(entries.begin() + 7, entries.end()));

    // A click on Persian Digits, as a host sends it: the choice is made, and a new layout
    // announced with the entry checked.
    const auto digits = qvariant_cast<DBusMenuLayout>(root.children[6].variant());
    exported.Event(digits.id, "clicked", QDBusVariant(QString()), 0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(indicator.PersianDigits());
    QCoreApplication::processEvents();
    DBusMenuLayout after;
    EXPECT_LT(first, exported.GetLayout(digits.id, 0, {"toggle-state"}, after));
    EXPECT_EQ(digits.id, after.id);
    EXPECT_EQ((QVariantMap{{"toggle-state", 1}}), after.properties);
    EXPECT_EQ((QList<int>{99}),
              exported.EventGroup({{digits.id, "clicked", {}, 0}, {99, "clicked", {}, 0}}));
}

// Qt's mnemonics in dbusmenu's spelling.
TEST(DBusMenuTest, WritesMnemonicsWithUnderscores) {
    QMenu menu;
    menu.addAction("&Open");
    menu.addAction("snake_case");
    menu.addAction("Salt && Pepper");
    DBusMenu exported(&menu, false);
    DBusMenuLayout root;
    exported.GetLayout(0, 1, {"label"}, root);
    std::vector<std::string> entries;
    Entries(root, 0, entries);
    EXPECT_EQ((std::vector<std::string>{"_Open", "snake__case", "Salt & Pepper"}), entries);
}

}  // namespace
}  // namespace tarvand
