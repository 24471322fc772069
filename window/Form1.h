// The main window: today's Solar Hijri date in four layouts, a notice, a clock and a close mark.
//
// Its life: Created (boxes filled), Waiting (2 s), Opening (grows 15 twips every 5 ms up to 3800),
// Open (notice shown, close mark working) and, after a click on the close mark, Closing (shrinks
// 150 twips every 1 ms) until the program ends below 470 twips. The clock ticks every 5 s.
#pragma once

#include <QWidget>
#include <chrono>
#include <cstdint>
#include <functional>

class QLabel;
class QLineEdit;
class QTimer;

namespace tarvand {

// Where the window reads the local date and time; tests set any moment they like.
using ClockSource = std::function<std::chrono::local_seconds()>;

// The heights, in twips, that the animations work with; outer heights, frame included.
inline constexpr int OpeningStep = 15;
inline constexpr int OpenHeight = 3800;
inline constexpr int ClosingStep = 150;
inline constexpr int EndHeight = 470;

// The frame the layout is drawn for: title bar and borders, 480 twips (32 px) high in all. Every
// outer height counts this frame, not the one the desktop draws (none on Wayland or without a
// window manager, thin or tall under X11's), so that the open window, 3320 twips inside, always
// shows the whole clock (down to 3270) and hides the focus box (from 3375).
inline constexpr int DesignedFrame = 480;

class Form1 : public QWidget {
    Q_OBJECT

public:
    // Takes the clock to read; builds the window and its controls and fills the result boxes.
    explicit Form1(ClockSource clock = {}, QWidget* parent = nullptr);

    // The window's outer height in twips: the client area's height (on Wayland, the shown
    // panel's) and the designed frame.
    float Height() const;
    // Takes an outer height in twips; resizes the client area to that height less the designed
    // frame, as near as whole pixels allow and no lower than an empty client area.
    void SetHeight(float twips);

    // Takes the name of Qt's platform; returns the window's flags there: a title bar with a close
    // button only, or on Wayland no frame at all.
    static Qt::WindowFlags FrameFlags(const QString& platform);

    // Takes what to do when the window has shrunk away after a click on the close mark: by
    // default the program ends.
    void SetEndAction(std::function<void()> end);

    // The handlers, one per event.
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Label3_Click();
    void Timer3_Timer();
    void Timer4_Timer();
    void Text1_Click();
    void Text2_Click();
    void Text3_Click();
    void Text4_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    QTimer* Timer4 = nullptr;

    // The height requested by the last opening step, and by the last closing step.
    std::int16_t GrowHeight = 0;
    float ShrinkHeight = 0;

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildControls();
    // Takes today's date; writes its four layouts into the result boxes.
    void FillResultBoxes(std::chrono::local_days today);
    // Takes the clock's text; shows it in Label4, sized to fit around the label's fixed centre.
    void SetClockCaption(const QString& text);

    // Takes whether the animation grows the window, the height its last step started from (-1
    // before the first), the one it requested and the one the window has now; returns the height
    // the next step starts from: the window's, unless the platform held the window where it was
    // (rounding at a fractional scale, a least or greatest height), then the one requested, so that
    // every step moves on.
    static float StepStart(bool growing, float last, float requested, float now);
    // Sizes the notice to its text in the window's font, a little smaller where that is too wide.
    void FitNotice();
    // Colours the result boxes after the window's palette.
    void ColourResultBoxes();

    // The controls' parent: the window itself, or on Wayland a panel inside a window mapped at
    // its open size, whose height the animations change instead of the window's.
    QWidget* body_ = nullptr;
    ClockSource clock_;
    std::function<void()> end_;
    float openingFrom_ = -1;  // the height the last opening step started from, -1 before the first
    float closingFrom_ = -1;  // and the last closing step
    std::chrono::local_days shownDate_{};  // the date the result boxes show
    bool label1ShowsDate_ = false;
};

}  // namespace tarvand
