#include "TrayIndicator.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QCursor>
#include <QDateTime>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSystemTrayIcon>
#include <iostream>

#include "Autostart.h"
#include "DayIcon.h"
#include "DayTexts.h"
#include "DayWatch.h"
#include "Form1.h"
#include "LocaleText.h"
#include "Messages.h"
#include "MonthView.h"
#include "OccasionBook.h"
#include "PlaceList.h"
#include "PlaceTimes.h"
#include "StatusNotifierItem.h"
#include "TimeNotifier.h"
#include "TimeOfDayNames.h"
#include "TrayHost.h"
#include "TraySettings.h"
#include "calendar/LocalClock.h"

namespace tarvand {

namespace {

// The user's choice of digits in the icon, kept in $XDG_CONFIG_HOME/tarvand/tray.ini.
const QString DigitsKey = QStringLiteral("icon/persianDigits");

}  // namespace

TrayIndicator::TrayIndicator(const OccasionBook& book, TodaySource today, QObject* parent)
    : QObject(parent),
      book_(book),
      today_(today ? std::move(today) : TodaySource{&LocalToday}),
      persian_(PersianLocale()) {
    persianDigits_ = TraySettings().value(DigitsKey, persian_).toBool();
    if (const PlaceChoice place = UserPlace(UserPlaceFile(), persian_);
        std::holds_alternative<NamedPlace>(place)) {
        place_ = std::get<NamedPlace>(place);
    }
    notifier_ = new TimeNotifier(persian_, {}, this);
    notifier_->SetPlace(place_);
    icon_ = new QSystemTrayIcon(this);
    menu_ = new QMenu;
    BuildMenu();
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) {
                    ToggleMonthView();
                } else if (why == QSystemTrayIcon::MiddleClick) {
                    OpenWindow();
                }
            });
    watch_ = new DayWatch(this);
    connect(watch_, &DayWatch::dayMayHaveChanged, this, &TrayIndicator::Refresh);
    Refresh();
}

TrayIndicator::~TrayIndicator() {
    delete view_;
    delete window_;
    delete menu_;
}

void TrayIndicator::Show() {
    if (StatusNotifierHostPresent()) {
        item_ = new StatusNotifierItem(menu_, persian_, this);
        connect(item_, &StatusNotifierItem::activated, this, &TrayIndicator::ToggleMonthViewAt);
        connect(item_, &StatusNotifierItem::secondaryActivated, this, &TrayIndicator::OpenWindow);
        ShowToday();
        if (item_->Register()) {
            return;
        }
        delete item_;
        item_ = nullptr;
    }
    icon_->setContextMenu(menu_);  // given to Qt's tray only when it is the one shown
    icon_->show();
}

void TrayIndicator::BuildMenu() {
    connect(menu_->addAction(Say("Month", persian_)), &QAction::triggered, this,
            &TrayIndicator::ToggleMonthView);
    connect(menu_->addAction(Say("Open Tarvand", persian_)), &QAction::triggered, this,
            &TrayIndicator::OpenWindow);
    QMenu* copy = menu_->addMenu(Say("Copy Today's Date", persian_));
    for (int format = 0; format < FormatCount; ++format) {
        QAction* action = copy->addAction(QString());
        connect(action, &QAction::triggered, this, [this, format] { CopyLayout(format); });
        copyActions_[static_cast<std::size_t>(format)] = action;
    }
    connect(menu_->addAction(Say("Place\u2026", persian_)), &QAction::triggered, this,
            &TrayIndicator::AskPlace);
    // The times to be told of, none until ticked.
    QMenu* notify = menu_->addMenu(Say("Notify at", persian_));
    for (int time = 0; time < TimesOfDayCount; ++time) {
        QAction* action =
            notify->addAction(Say(TimeOfDayNames[static_cast<std::size_t>(time)], persian_));
        action->setCheckable(true);
        action->setChecked(notifier_->Ticked()[static_cast<std::size_t>(time)]);
        connect(action, &QAction::toggled, this, [this, time](bool on) {
            notifier_->SetTicked(time, on);
            ShowToday();  // to wake at the next one
        });
    }
    menu_->addSeparator();
    // A choice that cannot be kept is said, and its check mark stays true to what was kept.
    const auto choice = [this](const char* name, bool chosen, auto keep, auto kept) {
        QAction* action = menu_->addAction(Say(name, persian_));
        action->setCheckable(true);
        action->setChecked(chosen);
        connect(action, &QAction::toggled, this, [action, keep, kept](bool on) {
            if (const QString problem = keep(on); !problem.isEmpty()) {
                std::cerr << MessageLine("tarvand", problem.toStdString()) << '\n';
                const QSignalBlocker quiet(action);
                action->setChecked(kept());
            }
        });
    };
    choice(
        N_("Persian Digits"), persianDigits_, [this](bool on) { return SetPersianDigits(on); },
        [this] { return persianDigits_; });
    choice(N_("Start at Login"), AutostartEnabled(), &SetAutostart, &AutostartEnabled);
    menu_->addSeparator();
    connect(menu_->addAction(Say("Quit", persian_)), &QAction::triggered, qApp,
            &QCoreApplication::quit);
}

void TrayIndicator::Refresh() {
    const DateValue today = today_();
    const bool anotherDay = DayDifference(shown_, today) != 0;
    if (!anotherDay && !place_) {
        return;
    }
    shown_ = today;
    ShowToday();  // the next time of the day, too
    if (view_ != nullptr && anotherDay) {
        view_->SetToday(today);
    }
}

QString TrayIndicator::SetPersianDigits(bool persian) {
    QSettings settings = TraySettings();
    settings.setValue(DigitsKey, persian);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        settings.setValue(DigitsKey, persianDigits_);  // Qt keeps what it could not save otherwise
        return QString::fromStdString(Format(_("%s: cannot save the choice of digits"),
                                             settings.fileName().toStdString().c_str()));
    }
    persianDigits_ = persian;
    ShowToday();
    return {};
}

QString TrayIndicator::ToolTip() const { return toolTip_; }

void TrayIndicator::ShowToday() {
    const std::optional<SolarDate> solar = ToSolarFields(shown_);
    dayOfMonth_ = solar ? solar->day : 0;
    icon_->setIcon(DayIcon(dayOfMonth_, persianDigits_));

    // The tooltip: the fourth layout, the Hijri date, the Gregorian date, the occasions.
    QStringList lines{QString::fromStdString(ToSolarDate(shown_, 3))};
    if (const std::optional<HijriDate> hijri = book_.Hijri().ToHijri(shown_)) {
        QString line = HijriText(*hijri, persian_);
        if (hijri->predicted) {
            line += QStringLiteral(" (") + EstimatedText(persian_) + u')';
        }
        lines << line;
    }
    lines << GregorianLocale(persian_).toString(ToQDate(ToCivilDate(shown_)), QLocale::LongFormat);
    for (const Occasion& occasion : book_.Between(shown_, shown_)) {
        lines << OccasionName(occasion, persian_);
    }
    // The next time of the day, redrawn when its minute has passed; and a ticked time told when
    // its minute comes.
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    std::optional<qint64> wake = notifier_->Check(now);
    if (place_) {
        if (const auto next = NextTimeAfter(*place_, now, persian_)) {
            lines << next->text;
            wake = std::min(wake.value_or(next->until), next->until);
        }
    }
    if (wake) {
        watch_->WakeAlsoAt(*wake);
    }
    // Each line in its own direction, and each layout to copy as it reads: Qt would lay out all
    // the lines in the first one's direction, and a Persian layout left to right in an English
    // menu. What is copied is the layout's text alone.
    // Qt's own tooltip (XEmbed trays) gets a paragraph a line, each on its own side: as plain text
    // it would align every line as the first.
    QString paragraphs;
    for (QString& line : lines) {
        paragraphs += QStringLiteral("<p dir=\"%1\" style=\"margin:0\">%2</p>")
                          .arg(line.isRightToLeft() ? QStringLiteral("rtl") : QStringLiteral("ltr"),
                               line.toHtmlEscaped());
        line = InOwnDirection(line);
    }
    toolTip_ = lines.join(u'\n');
    icon_->setToolTip(QStringLiteral("<qt>") + paragraphs + QStringLiteral("</qt>"));
    if (item_ != nullptr) {
        item_->SetIcon(icon_->icon());
        item_->SetToolTip(lines.front(), lines.mid(1).join(u'\n'));
    }
    for (int format = 0; format < FormatCount; ++format) {
        copyActions_[static_cast<std::size_t>(format)]->setText(
            InOwnDirection(QString::fromStdString(ToSolarDate(shown_, format))));
    }
}

void TrayIndicator::SetFileProblems(const QStringList& problems) {
    fileProblems_ = problems;
    if (view_ != nullptr) {
        view_->SetProblems(problems);
    }
}

void TrayIndicator::ToggleMonthView() { ToggleMonthViewAt(QCursor::pos()); }

void TrayIndicator::ToggleMonthViewAt(const QPoint& pointer) {
    if (view_ == nullptr) {
        view_ = new MonthView(book_, persian_, shown_);
        view_->SetProblems(fileProblems_);
        view_->SetPlace(place_);
    }
    if (view_->isVisible()) {
        view_->close();
        return;
    }
    const std::optional<SolarDate> solar = ToSolarFields(shown_);
    if (solar) {
        view_->ShowMonth(solar->year, solar->month);
    }
    view_->PlaceBeside(item_ != nullptr ? QRect() : icon_->geometry(), pointer);
    view_->show();
    view_->activateWindow();
    view_->FocusDay(shown_);
}

QString TrayIndicator::SetPlace(const QString& written) {
    const std::string text = written.trimmed().toStdString();
    const PlaceChoice choice = PlaceWritten(text, persian_);
    if (const auto* why = std::get_if<std::string>(&choice)) {
        return QString::fromStdString(*why);
    }
    if (!std::holds_alternative<NamedPlace>(choice)) {
        return Say("Write a city's name or LAT,LON, as 35.69,51.42", persian_);
    }
    if (!SaveUserPlace(UserPlaceFile(), text)) {
        return Say("The place cannot be saved", persian_) + QStringLiteral(": ") +
               QString::fromStdString(UserPlaceFile());
    }
    place_ = std::get<NamedPlace>(choice);
    notifier_->SetPlace(place_);
    if (view_ != nullptr) {
        view_->SetPlace(place_);
    }
    ShowToday();
    return {};
}

void TrayIndicator::AskPlace() {
    QInputDialog dialog;
    dialog.setWindowTitle(Say("Tarvand: Place", persian_));
    dialog.setLayoutDirection(persian_ ? Qt::RightToLeft : Qt::LeftToRight);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(place_ ? QString::fromStdString(place_->name) : QString());
    // The cities' names, Latin and Persian, offered as they are typed.
    QStringList names;
    for (const KnownPlace& known : KnownPlaces()) {
        names << QString::fromUtf8(known.name.data(), static_cast<qsizetype>(known.name.size()))
              << QString::fromUtf8(known.persian.data(),
                                   static_cast<qsizetype>(known.persian.size()));
    }
    auto* completer = new QCompleter(names, &dialog);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setCompleter(completer);
    }
    const QString ask = Say("A city of Iran or Afghanistan, or LAT,LON for any place:", persian_);
    dialog.setLabelText(ask);
    while (dialog.exec() == QDialog::Accepted) {
        const QString problem = SetPlace(dialog.textValue());
        if (problem.isEmpty()) {
            return;
        }
        dialog.setLabelText(problem + u'\n' + ask);
    }
}

void TrayIndicator::OpenMonthView() {
    if (view_ != nullptr && view_->isVisible()) {
        view_->raise();
        view_->activateWindow();
        return;
    }
    ToggleMonthView();
}

void TrayIndicator::OpenWindow() {
    if (window_ != nullptr) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    window_ = new Form1;
    Form1* window = window_;
    window->setAttribute(Qt::WA_DeleteOnClose);  // closed by the desktop's close button too
    // Its close mark ends the window, not the indicator.
    window->SetEndAction([window] { window->deleteLater(); });
    window->show();
}

void TrayIndicator::CopyLayout(int format) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ToSolarDate(shown_, format)));
}

}  // namespace tarvand
