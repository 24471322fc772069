#include "MonthView.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>
#include <map>

#include "AnyDateReading.h"
#include "DayCell.h"
#include "DayTexts.h"
#include "OccasionBook.h"
#include "PlaceTimes.h"
#include "TimeZone.h"
#include "calendar/SolarYear.h"

namespace tarvand {

namespace {

constexpr int Friday = 6;  // a SolarDate's weekday

// Takes a SolarDate's weekday, 1 (Sunday) to 7 (Saturday); returns its column, Saturday first.
int Column(int weekday) { return weekday % 7; }

// Takes a date value, whether to give the year and whether to speak Persian; returns its Gregorian
// month and year as "March 2026".
QString GregorianMonth(DateValue value, bool withYear, bool persian) {
    const std::chrono::year_month_day civil = ToCivilDate(value);
    const QLocale locale = GregorianLocale(persian);
    QString text = locale.standaloneMonthName(static_cast<int>(unsigned{civil.month()}));
    if (withYear) {
        text += u' ' + locale.toString(int{civil.year()}).remove(locale.groupSeparator());
    }
    return text;
}

// Takes a function that names the month of a month's first day (true) or last day (false), with
// or without its year, and whether those two days share their year and their month; returns the
// span, "March–April 2026", "December 2025–January 2026", or "Rajab 1447".
template <typename Name>
QString Span(const Name& name, bool sameYear, bool sameMonth) {
    if (sameMonth) {
        return name(true, true);
    }
    return name(true, !sameYear) + QStringLiteral("\u2013") + name(false, true);
}

// Takes a label, a text and a width; returns the height the text takes wrapped in that width in
// the label's font, margins included.
int WrappedHeight(const QLabel* label, const QString& text, int width) {
    const QMargins margins = label->contentsMargins();
    return label->fontMetrics()
               .boundingRect(QRect(0, 0, width - margins.left() - margins.right(), 1 << 20),
                             Qt::TextWordWrap, text)
               .height() +
           margins.top() + margins.bottom();
}

// Takes the view; returns a line that says what went wrong, hidden until there is something to say.
QLabel* Note(QWidget* view) {
    auto* note = new QLabel(view);
    note->setWordWrap(true);
    note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    note->setTextFormat(Qt::PlainText);
    note->hide();
    return note;
}

}  // namespace

MonthView::MonthView(const OccasionBook& book, bool persian, DateValue today, QWidget* parent)
    : QWidget(parent, QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
                          ? Qt::Window | Qt::FramelessWindowHint
                          : Qt::Popup),
      book_(book),
      persian_(persian),
      today_(today) {
    BuildControls();
    const std::optional<SolarDate> date = ToSolarFields(today);
    ShowMonth(date ? date->year : FirstSolarYear, date ? date->month : 1);
    Select(today);
}

void MonthView::BuildControls() {
    setWindowTitle(Say("Tarvand month", persian_));
    setAccessibleName(windowTitle());
    setLayoutDirection(persian_ ? Qt::RightToLeft : Qt::LeftToRight);

    auto* outer = new QVBoxLayout(this);
    // The size the contents ask for, and no other: a compositor that fills the screen with every
    // window it can (weston's kiosk shell) centres one of a fixed size instead.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* header = new QHBoxLayout;
    // The arrows point the way their months lie: the previous month's toward the line's start,
    // which is at the right in a right-to-left view.
    previous_ = new QToolButton(this);
    previous_->setArrowType(persian_ ? Qt::RightArrow : Qt::LeftArrow);
    previous_->setAccessibleName(Say("Previous month", persian_));
    previous_->setToolTip(previous_->accessibleName());
    next_ = new QToolButton(this);
    next_->setArrowType(persian_ ? Qt::LeftArrow : Qt::RightArrow);
    next_->setAccessibleName(Say("Next month", persian_));
    next_->setToolTip(next_->accessibleName());
    todayButton_ = new QToolButton(this);
    todayButton_->setText(Say("Today", persian_));
    title_ = new QLabel(this);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setAlignment(Qt::AlignCenter);
    header->addWidget(previous_);
    header->addWidget(title_, 1);
    header->addWidget(next_);
    header->addWidget(todayButton_);
    outer->addLayout(header);

    spans_ = new QLabel(this);
    spans_->setAlignment(Qt::AlignCenter);
    spans_->setWordWrap(true);
    spans_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    outer->addWidget(spans_);

    auto* grid = new QGridLayout;
    // Room between the days, so that each corner number is plainly its own cell's.
    grid->setHorizontalSpacing(5);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 7; ++column) {
        const int weekday = column == 0 ? 7 : column;  // Saturday, then Sunday to Friday
        auto* label = new QLabel(WeekdayName(weekday, persian_, true), this);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(WeekdayName(weekday, persian_));
        if (weekday == Friday) {
            QPalette red = label->palette();
            red.setColor(QPalette::WindowText, DayCell::HolidayColour(palette()));
            label->setPalette(red);
        }
        weekdays_[static_cast<std::size_t>(column)] = label;
        grid->addWidget(label, 0, column);
    }
    for (int index = 0; index < Weeks * 7; ++index) {
        auto* cell = new DayCell(this);
        cells_[static_cast<std::size_t>(index)] = cell;
        grid->addWidget(cell, 1 + index / 7, index % 7);
        connect(cell, &DayCell::moveRequested, this,
                [this, cell](int days) { MoveFocus(cell, days); });
        connect(cell, &DayCell::focused, this, [this, cell] { Select(cell->Shown().value); });
        connect(cell, &DayCell::clicked, this, [this, cell] { FocusDay(cell->Shown().value); });
    }
    outer->addLayout(grid);

    selected_ = new QLabel(this);
    selected_->setAlignment(Qt::AlignCenter);
    selected_->setTextFormat(Qt::PlainText);
    // It wraps in the grid's width, as high as the month's longest, so that the view keeps its
    // size whichever day is selected.
    selected_->setWordWrap(true);
    selected_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    selected_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outer->addWidget(selected_);

    // The selected day's times of the day, for the place set, when one is.
    times_ = new QLabel(this);
    times_->setAlignment(Qt::AlignCenter);
    times_->setTextFormat(Qt::PlainText);
    times_->setWordWrap(true);
    times_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    times_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    times_->hide();
    outer->addWidget(times_);

    goTo_ = new QLineEdit(this);
    goTo_->setClearButtonEnabled(true);
    goTo_->setPlaceholderText(Say("Go to: 1405/04/04, 2026-06-25, 10 Muharram 1448", persian_));
    goTo_->setAccessibleName(Say("Go to date", persian_));
    outer->addWidget(goTo_);
    goToProblem_ = Note(this);
    outer->addWidget(goToProblem_);
    connect(goTo_, &QLineEdit::returnPressed, this, [this] { GoTo(goTo_->text()); });
    connect(goTo_, &QLineEdit::textEdited, this, [this] {
        goToProblem_->hide();
        goTo_->setAccessibleDescription({});
    });

    list_ = new QLabel(this);
    list_->setWordWrap(true);
    list_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    list_->setTextFormat(Qt::PlainText);
    list_->setFocusPolicy(Qt::TabFocus);  // the list can be reached and read from the keyboard
    outer->addWidget(list_);

    problems_ = Note(this);
    problems_->setFocusPolicy(Qt::TabFocus);
    outer->addWidget(problems_);

    connect(previous_, &QToolButton::clicked, this, [this] { StepMonths(-1); });
    connect(next_, &QToolButton::clicked, this, [this] { StepMonths(1); });
    connect(todayButton_, &QToolButton::clicked, this, [this] { FocusDay(today_); });
}

void MonthView::SetToday(DateValue today) {
    const std::optional<SolarDate> old = ToSolarFields(today_);
    const bool showedToday = old && old->year == year_ && old->month == month_;
    today_ = today;
    const std::optional<SolarDate> now = ToSolarFields(today);
    if (showedToday && now) {
        ShowMonth(now->year, now->month);
    } else {
        Fill();
    }
}

void MonthView::ShowMonth(int year, int month) {
    year_ = std::clamp(year, FirstSolarYear, LastSolarYear);
    month_ = std::clamp(month, 1, 12);
    Fill();
}

void MonthView::FocusDay(DateValue value) {
    const std::optional<SolarDate> date = ToSolarFields(value);
    if (!date) {
        return;
    }
    if (date->year != year_ || date->month != month_) {
        year_ = date->year;
        month_ = date->month;
        Fill(value);  // the day focused before a cell is emptied, so that the focus goes nowhere
                      // else
    } else if (DayCell* cell = CellOf(value)) {
        cell->setFocus(Qt::OtherFocusReason);
    }
    // Said whether or not the platform tells the cell of its focus (an X11 popup may not).
    Select(value);
}

DayCell* MonthView::CellOf(DateValue value) const {
    for (DayCell* cell : cells_) {
        if (!cell->isHidden() && cell->Shown().value == value) {
            return cell;
        }
    }
    return nullptr;
}

DayCell* MonthView::Cell(int week, int column) const {
    return cells_[static_cast<std::size_t>(week * 7 + column)];
}

QString MonthView::Title() const { return title_->text(); }

void MonthView::SetProblems(const QStringList& problems) {
    QString text;
    if (!problems.isEmpty()) {
        text = problems.front();
        if (problems.size() > 1) {
            text += QStringLiteral(" (") + MoreText(problems.size() - 1, persian_) + u')';
        }
    }
    problems_->setText(text);
    problems_->setFixedHeight(WrappedHeight(problems_, text, WrapWidth()));
    problems_->setAccessibleName(text);
    problems_->setVisible(!text.isEmpty());
    Fill();  // the list as long as there is room for beside it
}

QString MonthView::Problems() const {
    return problems_->isHidden() ? QString() : problems_->text();
}

QString MonthView::List() const { return list_->text(); }

QString MonthView::SelectedDates() const { return selected_->text(); }

void MonthView::Select(DateValue value) {
    selectedValue_ = value;
    selected_->setText(ThreeDatesText(value, book_.Hijri(), persian_));
    selected_->setAccessibleName(selected_->text());
    if (place_) {
        times_->setText(TimesText(value));
        times_->setAccessibleName(times_->text());
    }
}

QString MonthView::TimesText(DateValue day) const {
    return QString::fromStdString(place_->name) + QStringLiteral(": ") +
           TimesOfDayLine(*place_, day, persian_);
}

void MonthView::SetPlace(const std::optional<NamedPlace>& place) {
    place_ = place;
    times_->setVisible(place_.has_value());
    timesFor_ = -1;
    if (place_) {
        Select(selectedValue_);
        Fill(selectedValue_);
    }
}

QString MonthView::TimesOfDay() const { return times_->isHidden() ? QString() : times_->text(); }

QString MonthView::GoTo(const QString& typed) {
    // Read in the zone of TZ or the system's, "now" being noon of the indicator's today.
    auto zone = TimeZone::Choose(false, std::getenv("TZ"));
    if (std::holds_alternative<std::string>(zone)) {
        zone = TimeZone::Choose(true, nullptr);
    }
    const TimeZone& in = std::get<TimeZone>(zone);
    const Instant noon = in.FromWall(ToDays(today_), 12 * 3600, 0).value_or(Instant{});
    const auto read = ReadDayAsMeant(typed.toStdString(), book_.Hijri(), in, noon);
    // What is wrong, or how a date two calendars could mean was read, is said under the field.
    const auto say = [this](const QString& said) {
        goToProblem_->setText(said);
        goToProblem_->setFixedHeight(WrappedHeight(goToProblem_, said, WrapWidth()));
        goToProblem_->setVisible(!said.isEmpty());
        goTo_->setAccessibleDescription(said);  // heard with the field
    };
    if (const auto* problem = std::get_if<std::string>(&read)) {
        const QString said = QString::fromStdString(*problem);
        say(said);
        goTo_->selectAll();
        adjustSize();
        return said;
    }
    const DayRead& day = std::get<DayRead>(read);
    say(QString::fromStdString(day.note));
    goTo_->clear();
    FocusDay(day.day);  // a screen reader hears the day the focus lands on
    return {};
}

QString MonthView::GoToProblem() const {
    return goToProblem_->isHidden() ? QString() : goToProblem_->text();
}

void MonthView::StepMonths(int months) {
    // The selected day moves with the month: the same day of the month, or its last.
    const std::optional<SolarDate> selected = ToSolarFields(selectedValue_);
    const int day = selected ? selected->day : 1;
    const int index =
        std::clamp(year_ * 12 + month_ - 1 + months, FirstSolarYear * 12, LastSolarYear * 12 + 11);
    const int year = index / 12, month = index % 12 + 1;
    FocusDay(*FromSolarDate(year, month, std::min(day, SolarMonthLength(year, month))));
}

void MonthView::MoveFocus(const DayCell* from, int days) { FocusDay(from->Shown().value + days); }

void MonthView::Fill(std::optional<DateValue> focus) {
    const DateValue first = *FromSolarDate(year_, month_, 1);
    const int length = SolarMonthLength(year_, month_);
    const DateValue last = first + length - 1;
    const int firstColumn = Column(ToSolarFields(first)->weekday);

    const int wrap = WrapWidth();  // the lines that wrap take the grid's width
    title_->setText(SolarMonthName(month_, persian_) + u' ' + Digits(year_, persian_));
    setAccessibleDescription(title_->text());

    // The Gregorian and Hijri months it spans.
    const std::chrono::year_month_day gFirst = ToCivilDate(first), gLast = ToCivilDate(last);
    const QString gregorian = Span(
        [&](bool firstDay, bool withYear) {
            return GregorianMonth(firstDay ? first : last, withYear, persian_);
        },
        gFirst.year() == gLast.year(), gFirst.month() == gLast.month());
    QString spans = gregorian;
    const std::optional<HijriDate> hFirst = book_.Hijri().ToHijri(first);
    const std::optional<HijriDate> hLast = book_.Hijri().ToHijri(last);
    if (hFirst && hLast) {
        const auto hijriName = [&](bool firstDay, bool withYear) {
            const HijriDate& date = firstDay ? *hFirst : *hLast;
            const QString name = HijriMonthName(date.month, persian_);
            return withYear ? name + u' ' + Digits(date.year, persian_) : name;
        };
        spans += DatesSeparator(persian_) +
                 Span(hijriName, hFirst->year == hLast->year, hFirst->month == hLast->month);
    }
    spans_->setText(spans);
    spans_->setFixedHeight(WrappedHeight(spans_, spans, wrap));

    // The occasions, by day.
    const std::vector<Occasion> occasions = book_.Between(first, last);
    std::map<long long, std::vector<Occasion>> byDay;
    for (const Occasion& occasion : occasions) {
        byDay[DayDifference(first, occasion.day)].push_back(occasion);
    }

    // The month's days first, the focus on the day asked for, then the empty cells hidden: hiding
    // a focused cell would hand the focus to another day for a moment, and a screen reader would
    // say it.
    for (int index = 0; index < Weeks * 7; ++index) {
        DayCell* cell = cells_[static_cast<std::size_t>(index)];
        const int day = index - firstColumn + 1;
        if (day < 1 || day > length) {
            continue;
        }
        const DateValue value = first + day - 1;
        const std::vector<Occasion>& own = byDay[day - 1];
        DayCell::Day shown;
        shown.value = value;
        shown.solarDay = day;
        shown.gregorianDay = static_cast<int>(unsigned{ToCivilDate(value).day()});
        if (const std::optional<HijriDate> lunar = book_.Hijri().ToHijri(value)) {
            shown.hijriDay = lunar->day;
            shown.hijriPredicted = lunar->predicted;
        }
        shown.today = DayDifference(today_, value) == 0;
        shown.persian = persian_;
        shown.holiday = index % 7 == 6;  // Friday
        for (const Occasion& occasion : own) {
            if (IsHoliday(occasion)) {
                shown.holiday = true;
                shown.estimated = shown.estimated || occasion.estimated;
            }
        }
        QString spoken = FullDayText(value, own, book_.Hijri(), persian_);
        if (shown.today) {
            spoken = Say("Today, ", persian_) + spoken;
        }
        cell->Show(shown, spoken);
        cell->show();
        if (focus && DayDifference(*focus, value) == 0) {
            cell->setFocus(Qt::OtherFocusReason);
        }
    }
    for (int index = 0; index < Weeks * 7; ++index) {
        const int day = index - firstColumn + 1;
        if (day < 1 || day > length) {
            cells_[static_cast<std::size_t>(index)]->hide();
        }
    }

    // The line under the grid as high as the month's longest three dates need (worked out once
    // for a month and a width).
    if (const std::pair<int, int> measured{year_ * 12 + month_, wrap}; measured != selectedFor_) {
        int tallest = 0;
        for (DateValue day = first; day <= last; day += 1) {
            tallest = std::max(
                tallest,
                WrappedHeight(selected_, ThreeDatesText(day, book_.Hijri(), persian_), wrap));
        }
        selected_->setFixedHeight(tallest);
        selectedFor_ = measured;
    }
    // The times' line as high as the month's first day needs: its length changes with no day.
    if (place_ && timesFor_ != wrap) {
        times_->setFixedHeight(WrappedHeight(times_, TimesText(first), wrap));
        timesFor_ = wrap;
    }

    // The list: one line an occasion, "1 Farvardin  Nowruz", and what a star means.
    QStringList lines;
    bool anyEstimated = false;
    for (const Occasion& occasion : occasions) {
        const int day = static_cast<int>(DayDifference(first, occasion.day)) + 1;
        lines << Digits(day, persian_) + u' ' + SolarMonthName(month_, persian_) +
                     QStringLiteral("  ") + OccasionName(occasion, persian_);
        anyEstimated = anyEstimated || occasion.estimated;
    }
    QStringList after;
    if (anyEstimated) {
        after << QStringLiteral("* ") + EstimatedText(persian_);
    }
    // As many as the screen leaves room for under the grid; the rest are counted.
    if (const qsizetype fit = LinesThatFit(lines, after, wrap); fit < lines.size()) {
        const QString more = MoreText(lines.size() - fit, persian_);
        lines.resize(fit);
        lines << more;
    }
    lines << after;
    list_->setText(lines.join(u'\n'));
    list_->setFixedHeight(WrappedHeight(list_, list_->text(), wrap));
    list_->setAccessibleName(lines.isEmpty() ? Say("No holidays", persian_)
                                             : lines.join(QStringLiteral("; ")));
    list_->setVisible(!lines.isEmpty());

    previous_->setEnabled(year_ * 12 + month_ > FirstSolarYear * 12 + 1);
    next_->setEnabled(year_ * 12 + month_ < LastSolarYear * 12 + 12);
    adjustSize();
}

int MonthView::WrapWidth() const {
    const QMargins margins = layout()->contentsMargins();
    layout()->invalidate();  // the lines that wrap take no width of their own
    return layout()->sizeHint().width() - margins.left() - margins.right();
}

int MonthView::Room() const {
    const QScreen* shown = screen_ != nullptr ? screen_ : screen();
    if (shown == nullptr) {
        return 1 << 20;
    }
    const QRect area = shown->availableGeometry();
    if (!placed_) {
        return area.height();
    }
    // Beside the icon (or the place clicked): below it in the screen's upper half, else above.
    const int edge =
        anchor_.isValid() ? (Below() ? anchor_.bottom() : anchor_.top()) : pointer_.y();
    const int frame = frameGeometry().height() - geometry().height();
    return (Below() ? area.bottom() - edge : edge - area.top()) - frame;
}

bool MonthView::Below() const {
    const QScreen* shown = screen_ != nullptr ? screen_ : screen();
    const int at = anchor_.isValid() ? anchor_.center().y() : pointer_.y();
    return shown == nullptr || at < shown->availableGeometry().center().y();
}

qsizetype MonthView::LinesThatFit(const QStringList& lines, const QStringList& after, int width) {
    if (lines.isEmpty()) {
        return lines.size();
    }
    // The view's height without the list, and the width the list wraps in.
    list_->hide();
    layout()->invalidate();
    const QSize others = layout()->sizeHint();
    const QFontMetrics metrics = list_->fontMetrics();
    const auto height = [&](const QString& line) {
        return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, line).height();
    };
    int room = Room() - others.height() - layout()->spacing();
    for (const QString& line : after) {
        room -= height(line);
    }
    int used = 0;
    qsizetype fit = 0;
    while (fit < lines.size() && used + height(lines[fit]) <= room) {
        used += height(lines[fit++]);
    }
    if (fit == lines.size()) {
        return fit;
    }
    while (fit > 0 && used + metrics.lineSpacing() > room) {  // room for the line of the rest
        used -= height(lines[--fit]);
    }
    return fit;
}

void MonthView::PlaceBeside(const QRect& anchor, const QPoint& pointer) {
    const QPoint near = anchor.isValid() ? anchor.center() : pointer;
    const QScreen* screen = QGuiApplication::screenAt(near);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    screen_ = screen;
    anchor_ = anchor;
    pointer_ = pointer;
    placed_ = true;
    Fill();  // the list as long as there is room for beside the icon
    Place();
}

void MonthView::Place() {
    if (!placed_ || screen_ == nullptr) {
        return;
    }
    adjustSize();
    const QRect area = screen_->availableGeometry();
    const QSize size = frameSize();
    QPoint place;
    if (anchor_.isValid()) {
        // Below the icon in the screen's upper half, above it in the lower, its middle over the
        // icon's, never over the icon.
        place = QPoint(anchor_.center().x() - size.width() / 2,
                       Below() ? anchor_.bottom() + 1 : anchor_.top() - size.height());
    } else {
        place = QPoint(pointer_.x() - size.width() / 2,
                       Below() ? pointer_.y() : pointer_.y() - size.height());
    }
    place.setX(
        std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    place.setY(
        std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    move(place);
}

void MonthView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) {
        Place();  // grown or shrunk, it stays beside the icon and within the screen
    }
}

void MonthView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
        case Qt::Key_Escape:
            close();
            return;
        case Qt::Key_PageUp:
            StepMonths(shift ? -12 : -1);
            return;
        case Qt::Key_PageDown:
            StepMonths(shift ? 12 : 1);
            return;
        case Qt::Key_Home:
            FocusDay(today_);
            return;
        case Qt::Key_Slash:
            goTo_->setFocus(Qt::ShortcutFocusReason);
            return;
        default:
            if (event->matches(QKeySequence::Copy)) {
                QGuiApplication::clipboard()->setText(selected_->text());
            } else if (event->key() == Qt::Key_G && event->modifiers() == Qt::ControlModifier) {
                goTo_->setFocus(Qt::ShortcutFocusReason);
            } else {
                QWidget::keyPressEvent(event);
            }
    }
}

void MonthView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && weekdays_[6] != nullptr) {
        QPalette red = weekdays_[6]->palette();
        red.setColor(QPalette::WindowText, DayCell::HolidayColour(palette()));
        weekdays_[6]->setPalette(red);
    } else if (event->type() == QEvent::ActivationChange && !isActiveWindow() &&
               windowType() != Qt::Popup && isVisible()) {
        close();  // a window standing in for a popup closes when another is chosen
    }
}

}  // namespace tarvand
