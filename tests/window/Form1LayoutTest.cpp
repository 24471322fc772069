// The window as it is at creation.
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "FormFixture.h"

namespace tarvand {
namespace {

using namespace std::chrono;

const local_seconds March2Of2011 = local_days{2011y / March / 2} + 13h + 5min + 7s;

// Takes a widget; returns its place and size in twips, as "left top width height".
std::string TwipsOf(const QWidget* widget) {
    const QRect r = widget->geometry();
    return std::to_string(r.x() * 15) + " " + std::to_string(r.y() * 15) + " " +
           std::to_string(r.width() * 15) + " " + std::to_string(r.height() * 15);
}

TEST_F(FormTest, PlacesTheFixedSizeControlsAsDesigned) {
    Create(March2Of2011);
    EXPECT_EQ("750 225 3240 315", TwipsOf(form->Label1));
    EXPECT_EQ("2250 3075 45 195", TwipsOf(form->Label4));
    EXPECT_EQ("240 1140 4215 375", TwipsOf(form->Text1));
    EXPECT_EQ("240 1620 4215 375", TwipsOf(form->Text2));
    EXPECT_EQ("240 2100 4215 375", TwipsOf(form->Text3));
    EXPECT_EQ("240 2580 4215 375", TwipsOf(form->Text4));
    EXPECT_EQ("300 3375 540 285", TwipsOf(form->Text5));
    EXPECT_EQ(QSize(312, 44), form->size());  // 4680 by 660 twips
}

TEST_F(FormTest, SizesTheSelfSizingLabelsToTheirTextFromTheirCorner) {
    Create(March2Of2011);
    EXPECT_EQ(QPoint(20, 60), form->Label2->pos());  // 300, 900 twips
    EXPECT_EQ(form->Label2->sizeHint(), form->Label2->size());
    EXPECT_EQ(QPoint(285, -5), form->Label3->pos());  // 4275, -75 twips: clipped at the top
    EXPECT_EQ(form->Label3->sizeHint(), form->Label3->size());
}

TEST_F(FormTest, StartsWithItsCaptionsAndTexts) {
    Create(March2Of2011);
    EXPECT_EQ("Tarvand", form->windowTitle());
    EXPECT_EQ("You'r Computer Date is...", form->Label1->text());
    EXPECT_EQ("Notic: if you'r Computer date is Correct today is:", form->Label2->text());
    EXPECT_EQ(QString(QChar(0x00D7)), form->Label3->text());
    EXPECT_EQ("", form->Label4->text());
    EXPECT_EQ("Focus", form->Text5->text());
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(FormTest, UsesTahomaInTheListedSizes) {
    Create(March2Of2011);
    struct Expected {
        const QWidget* widget;
        qreal points;
        bool bold;
    };
    for (const auto& [widget, points, bold] :
         {Expected{form->Label1, 11.25, true}, Expected{form->Label3, 24, true},
          Expected{form->Label4, 8.25, false}, Expected{form->Text1, 11.25, false},
          Expected{form->Text4, 11.25, false}}) {
        EXPECT_EQ("Tahoma", widget->font().families().value(0))
            << widget->objectName().toStdString();
        EXPECT_EQ(points, widget->font().pointSizeF());
        EXPECT_EQ(bold, widget->font().bold());
    }
    EXPECT_EQ(form->font(), form->Label2->font());
    EXPECT_EQ(form->font(), form->Text5->font());
}

TEST_F(FormTest, StylesTheResultBoxesAsLockedCentredRightToLeftAndDark) {
    Create(March2Of2011);
    for (const QLineEdit* box : {form->Text1, form->Text2, form->Text3, form->Text4}) {
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(Qt::AlignCenter, box->alignment());
        EXPECT_EQ(Qt::RightToLeft, box->layoutDirection());
        EXPECT_EQ(box->palette().color(QPalette::Base),
                  form->palette().color(QPalette::ButtonText));
        EXPECT_EQ(box->palette().color(QPalette::Text),
                  form->palette().color(QPalette::HighlightedText));
        EXPECT_EQ(Qt::StrongFocus, box->focusPolicy());
    }
    EXPECT_FALSE(form->Text5->isReadOnly());
    EXPECT_EQ(QColor(255, 0, 0), form->Label3->palette().color(QPalette::WindowText));
    EXPECT_EQ(Qt::PointingHandCursor, form->Label3->cursor().shape());
    EXPECT_EQ(Qt::ArrowCursor, form->Label1->cursor().shape());
}

TEST_F(FormTest, ShowsOnlyTheFirstLabelAndTheCloseMarkAtFirst) {
    Show(March2Of2011);
    EXPECT_TRUE(form->Label2->isHidden());
    EXPECT_TRUE(form->Label3->isEnabled());
    const QRect view = form->rect();
    EXPECT_TRUE(view.intersects(form->Label1->geometry()));
    EXPECT_TRUE(view.intersects(form->Label3->geometry()));
    for (const QWidget* below : std::initializer_list<const QWidget*>{
             form->Label4, form->Text1, form->Text2, form->Text3, form->Text4, form->Text5}) {
        EXPECT_FALSE(view.intersects(below->geometry()));
    }
}

TEST_F(FormTest, GivesTheFocusToText5AndTabsThroughTheBoxes) {
    Show(March2Of2011);
    EXPECT_EQ(form->Text5, QApplication::focusWidget());
    QWidget* expected[] = {form->Text1, form->Text2, form->Text3, form->Text4, form->Text5};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(next, QApplication::focusWidget());
    }
}

TEST_F(FormTest, StartsWithTheStartAndClockTimersRunning) {
    Create(March2Of2011);
    struct Expected {
        const QTimer* timer;
        bool running;
        int interval;
    };
    for (const auto& [timer, running, interval] :
         {Expected{form->Timer1, true, 2000}, Expected{form->Timer2, false, 5},
          Expected{form->Timer3, false, 1}, Expected{form->Timer4, true, 5000}}) {
        EXPECT_EQ(running, timer->isActive()) << interval;
        EXPECT_EQ(interval, timer->interval());
        EXPECT_FALSE(timer->isSingleShot());
    }
    EXPECT_EQ(Qt::PreciseTimer, form->Timer2->timerType());
    EXPECT_EQ(Qt::PreciseTimer, form->Timer3->timerType());
}

}  // namespace
}  // namespace tarvand
