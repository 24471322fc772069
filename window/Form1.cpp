#include "Form1.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Accessibility.h"
#include "ClickWatcher.h"
#include "Fonts.h"
#include "LocaleText.h"
#include "ResultBoxColours.h"
#include "Twips.h"
#include "calendar/LocalClock.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

using namespace std::chrono;

namespace {

// The client area at creation, in twips: only Label1 and the close mark are in view.
constexpr int ClientWidth = 4680;
constexpr int StartClientHeight = 660;

// The clock label grows from its centre, 2272.5 twips from the left.
constexpr double Label4Centre = 2250 + 45 / 2.0;

// The result boxes: 240 twips in, 4215 wide, 375 high, stacked 480 apart from 1140 down.
constexpr int ResultBoxLeft = 240;
constexpr int ResultBoxTop = 1140;
constexpr int ResultBoxPitch = 480;
constexpr int ResultBoxWidth = 4215;
constexpr int ResultBoxHeight = 375;

// Takes a height; returns it as a 16-bit integer: the nearest whole number, of two equally near
// the even one, held within the 16-bit range.
std::int16_t ToInt16(float value) {
    const float whole = std::nearbyint(value);
    return static_cast<std::int16_t>(std::clamp(whole,
                                                float{std::numeric_limits<std::int16_t>::min()},
                                                float{std::numeric_limits<std::int16_t>::max()}));
}

// Takes a timer; starts it unless it runs already, so that its next tick keeps its time.
void Enable(QTimer* timer) {
    if (!timer->isActive()) {
        timer->start();
    }
}

// Takes a parent, a text and a place in twips; returns an opaque label in the window's font.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAutoFillBackground(true);
    return label;
}

// What a screen reader calls each result box, by index.
constexpr std::array<const char*, 4> ResultBoxNames{
    "Solar Hijri date, numeric", "Solar Hijri date with the month name",
    "Solar Hijri date with the weekday name", "Solar Hijri date in full"};

// Takes a parent and a box's index 0 to 3; returns a locked, centred, right-to-left result box.
QLineEdit* MakeResultBox(QWidget* parent, int index) {
    auto* box = new QLineEdit(parent);
    box->setAccessibleName(QString::fromLatin1(ResultBoxNames[static_cast<std::size_t>(index)]));
    box->setGeometry(TwipsRect(ResultBoxLeft, ResultBoxTop + index * ResultBoxPitch, ResultBoxWidth,
                               ResultBoxHeight));
    box->setFont(TahomaFont(11.25, QFont::Normal));
    box->setReadOnly(true);
    RenewAccessible(box);  // read-only from now on for assistive technology too
    box->setAlignment(Qt::AlignCenter);
    box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

// Takes a parent and an interval; returns a timer, stopped.
QTimer* MakeTimer(QObject* parent, int milliseconds, Qt::TimerType type = Qt::CoarseTimer) {
    auto* timer = new QTimer(parent);
    timer->setInterval(milliseconds);
    timer->setTimerType(type);
    return timer;
}

// Returns the program's icon in its four sizes.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/tarvand-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace

Form1::Form1(ClockSource clock, QWidget* parent)
    : QWidget(parent, FrameFlags(QGuiApplication::platformName())),
      clock_(clock ? std::move(clock) : ClockSource{&LocalNow}),
      end_([] { QCoreApplication::exit(0); }) {
    InstallAccessibleFactories();
    BuildControls();
    Form_Load();
    // The icon once the window is up: reading its files makes Qt load every image format plugin
    // to ask each whether it reads them, which would keep the window from the screen.
    QTimer::singleShot(0, this, [this] { setWindowIcon(ProgramIcon()); });
}

void Form1::BuildControls() {
    setWindowTitle(QStringLiteral("Tarvand"));
    setFont(WindowFont());
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // A compositor places a window where the size it is first given fits, and the program
        // cannot move it there: growing downward from 44 px, it would leave the screen. So the
        // window is mapped at its open size, see-through, and the opening plays inside it, in a
        // panel that holds the controls and takes the clicks; what lies below it is not there.
        setAttribute(Qt::WA_TranslucentBackground);
        setFixedSize(ToPixels(ClientWidth), ToPixels(OpenHeight - DesignedFrame));
        body_ = new QWidget(this);
        body_->setAutoFillBackground(true);
        body_->setGeometry(0, 0, width(), ToPixels(StartClientHeight));
        setMask(body_->geometry());
    } else {
        body_ = this;
        setFixedSize(ToPixels(ClientWidth), ToPixels(StartClientHeight));
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - width() / 2, area.center().y() - ToPixels(OpenHeight) / 2);
    }

    Label1 = MakeLabel(body_, QStringLiteral("You'r Computer Date is..."), {750, 225, 3240, 315});
    Label1->setFont(TahomaFont(11.25, QFont::Bold));
    Label1->setAlignment(Qt::AlignCenter);

    Label2 = MakeLabel(body_, QStringLiteral("Notic: if you'r Computer date is Correct today is:"),
                       {300, 900, 3330, 195});
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitNotice();
    Label2->hide();

    Label3 = MakeLabel(body_, QStringLiteral("\u00D7"), {4275, -75, 390, 510});
    Label3->setFont(TahomaFont(24, QFont::Bold));
    QPalette red = Label3->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label3->setPalette(red);
    Label3->adjustSize();
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setAccessibleName(QStringLiteral("Close"));

    Label4 = MakeLabel(body_, QString(), {2250, 3075, 45, 195});
    Label4->setFont(TahomaFont(8.25, QFont::Normal));
    Label4->setAlignment(Qt::AlignCenter);

    Text1 = MakeResultBox(body_, 0);
    Text2 = MakeResultBox(body_, 1);
    Text3 = MakeResultBox(body_, 2);
    Text4 = MakeResultBox(body_, 3);
    ColourResultBoxes();
    Text5 = new QLineEdit(QStringLiteral("Focus"), body_);
    Text5->setGeometry(TwipsRect(300, 3375, 540, 285));

    // Tab order: Text5 first, then the result boxes top to bottom; labels take no focus.
    setTabOrder(Text5, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    Text5->setFocus();

    Timer1 = MakeTimer(this, 2000);
    Timer2 = MakeTimer(this, 5, Qt::PreciseTimer);
    Timer3 = MakeTimer(this, 1, Qt::PreciseTimer);
    Timer4 = MakeTimer(this, 5000);

    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(Timer4, &QTimer::timeout, this, &Form1::Timer4_Timer);
    connect(new ClickWatcher(Label3), &ClickWatcher::clicked, this, &Form1::Label3_Click);
    connect(new ClickWatcher(Text1), &ClickWatcher::clicked, this, &Form1::Text1_Click);
    connect(new ClickWatcher(Text2), &ClickWatcher::clicked, this, &Form1::Text2_Click);
    connect(new ClickWatcher(Text3), &ClickWatcher::clicked, this, &Form1::Text3_Click);
    connect(new ClickWatcher(Text4), &ClickWatcher::clicked, this, &Form1::Text4_Click);

    Timer1->start();
    Timer4->start();
}

float Form1::Height() const { return static_cast<float>(ToTwips(body_->height()) + DesignedFrame); }

void Form1::SetHeight(float twips) {
    const int pixels = std::max(0, ToPixels(twips - DesignedFrame));
    if (body_ == this) {
        setFixedHeight(pixels);
        return;
    }
    body_->resize(width(), std::min(pixels, height()));
    setMask(QRect(0, 0, width(), std::max(1, body_->height())));  // an empty mask would be none
}

Qt::WindowFlags Form1::FrameFlags(const QString& platform) {
    // Where a compositor draws no frame (GNOME's, weston), Qt's own would offer maximise and
    // minimise as well, and maximising a fixed-size window there is a protocol error that ends the
    // program: on Wayland the window goes without a frame, and the close mark closes it.
    if (platform.startsWith(QLatin1String("wayland"))) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

float Form1::StepStart(bool growing, float last, float requested, float now) {
    if (last < 0) {
        return now;
    }
    const bool moved = growing ? now > last : now < last;
    return moved ? now : requested;
}

void Form1::Form_Load() { FillResultBoxes(floor<days>(clock_())); }

void Form1::Timer1_Timer() {
    Label1->setText(ShortDateText(floor<days>(clock_())));
    label1ShowsDate_ = true;
    Enable(Timer2);
    Label3->setEnabled(false);
}

void Form1::Timer2_Timer() {
    const float h = StepStart(true, openingFrom_, GrowHeight, Height());
    openingFrom_ = h;
    GrowHeight = ToInt16(h + OpeningStep);
    SetHeight(GrowHeight);
    if (GrowHeight >= OpenHeight) {
        Timer1->stop();
        Timer2->stop();
        Label2->setVisible(true);
        Label3->setEnabled(true);
    }
}

void Form1::SetEndAction(std::function<void()> end) { end_ = std::move(end); }

void Form1::Label3_Click() { Enable(Timer3); }

void Form1::Timer3_Timer() {
    const float h = StepStart(false, closingFrom_, ShrinkHeight, Height());
    closingFrom_ = h;
    ShrinkHeight = h - ClosingStep;
    SetHeight(ShrinkHeight);
    if (ShrinkHeight < EndHeight) {
        // The end: nothing more may run, not even a tick already due.
        for (QTimer* timer : {Timer1, Timer2, Timer3, Timer4}) {
            timer->stop();
        }
        end_();
    }
}

void Form1::Timer4_Timer() {
    const local_seconds now = clock_();
    SetClockCaption(DateTimeText(now));
    // After midnight the boxes, and the date label once it shows the date, follow the new day.
    const local_days today = floor<days>(now);
    if (today != shownDate_) {
        FillResultBoxes(today);
        if (label1ShowsDate_) {
            Label1->setText(ShortDateText(today));
        }
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && Text1 != nullptr) {
        ColourResultBoxes();  // the user changed colour schemes
    } else if (event->type() == QEvent::ApplicationFontChange && Label2 != nullptr) {
        setFont(WindowFont());  // the desktop's family, still at the window's size
        FitNotice();
    }
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // Without a frame (on Wayland) a drag on the window's body moves it, as a title bar would.
    // Presses on the result boxes and the focus box stay theirs; the close mark's are its own.
    const QWidget* pressed = childAt(event->position().toPoint());
    if ((windowFlags() & Qt::FramelessWindowHint) && event->button() == Qt::LeftButton &&
        pressed != Label3 && windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
    }
    QWidget::mousePressEvent(event);
}

void Form1::Text1_Click() { Text5->setFocus(); }
void Form1::Text2_Click() { Text5->setFocus(); }
void Form1::Text3_Click() { Text5->setFocus(); }
void Form1::Text4_Click() { Text5->setFocus(); }

void Form1::FillResultBoxes(local_days today) {
    shownDate_ = today;
    const DateValue value = ToDateValue(year_month_day{today});
    const std::array boxes{Text1, Text2, Text3, Text4};
    for (int format = 0; format < FormatCount; ++format) {
        boxes[static_cast<std::size_t>(format)]->setText(
            QString::fromStdString(ToSolarDate(value, format)));
    }
    // Today's date in full is the first thing a screen reader says of the window.
    setAccessibleName(Text4->text().isEmpty()
                          ? windowTitle()
                          : Text4->text() + QStringLiteral(" \u2013 ") + windowTitle());
}

void Form1::FitNotice() {
    // The notice may reach the close mark's right edge; a wide family is made a little smaller.
    constexpr int Room = ToPixels(4665 - 300);
    QFont font = WindowFont();
    Label2->setFont(font);
    Label2->adjustSize();
    while (Label2->width() > Room && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        Label2->setFont(font);
        Label2->adjustSize();
    }
}

void Form1::ColourResultBoxes() {
    const QPalette boxes = ResultBoxPalette(palette());
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        box->setPalette(boxes);
    }
}

void Form1::SetClockCaption(const QString& text) {
    Label4->setText(text);
    Label4->adjustSize();
    Label4->move(ToPixels(Label4Centre - ToTwips(Label4->width()) / 2), Label4->y());
}

}  // namespace tarvand
