// What the window does after creation: fill, open, tick, redirect the focus, close.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

#include "FormFixture.h"
#include "calendar/SolarNames.h"

namespace tarvand {
namespace {

using namespace std::chrono;

const local_seconds March2Of2011 = local_days{2011y / March / 2} + 13h + 5min + 7s;
const std::string Esfand{MonthNames[11]};
const std::string Farvardin{MonthNames[0]};
const std::string Wednesday{DayNames[3]};
const std::string Thursday{DayNames[4]};

// Takes a box; returns its text as UTF-8.
std::string TextOf(const QLineEdit* box) { return box->text().toStdString(); }

TEST_F(FormTest, FillsTheFourBoxesWithTodayInTheFourLayouts) {
    Create(March2Of2011);
    EXPECT_EQ("1389/12/11", TextOf(form->Text1));
    EXPECT_EQ("11 " + Esfand + " 1389", TextOf(form->Text2));
    EXPECT_EQ(Wednesday + " 1389/12/11", TextOf(form->Text3));
    EXPECT_EQ(Wednesday + "  11  " + Esfand + "  1389", TextOf(form->Text4));
}

TEST_F(FormTest, LeavesTheBoxesEmptyBefore1953) {
    Create(local_days{1950y / January / 1} + 9h);
    for (const QLineEdit* box : {form->Text1, form->Text2, form->Text3, form->Text4}) {
        EXPECT_EQ("", TextOf(box));
    }
    form->Timer1_Timer();
    form->Timer4_Timer();
    EXPECT_EQ("1 Jan 1950", form->Label1->text().toStdString());
    EXPECT_EQ("", TextOf(form->Text1));
}

TEST_F(FormTest, StartsOpeningWithTheDateInTheFirstLabelAndTheCloseMarkOff) {
    Create(March2Of2011);
    form->Timer1_Timer();
    EXPECT_EQ("2 Mar 2011", form->Label1->text().toStdString());
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_FALSE(form->Label3->isEnabled());
    EXPECT_TRUE(form->Timer1->isActive());  // until the window is open
}

TEST_F(FormTest, GrowsFifteenTwipsATickUntilOpen) {
    Show(March2Of2011);
    form->Timer1_Timer();
    float height = form->Height();
    EXPECT_EQ(660.0F + FrameTwips(), height);
    while (form->Timer2->isActive()) {
        form->Timer2_Timer();
        EXPECT_EQ(height + 15, form->Height());
        EXPECT_EQ(form->Height(), static_cast<float>(form->GrowHeight));
        height = form->Height();
        EXPECT_EQ(height < 3800, form->Label2->isHidden());
    }
    EXPECT_GE(form->GrowHeight, 3800);
    EXPECT_LT(form->GrowHeight, 3800 + 15);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->Label2->isVisible());
    EXPECT_TRUE(form->Label3->isEnabled());
}

TEST_F(FormTest, OpensByItselfOnItsTimers) {
    Show(March2Of2011);
    EXPECT_TRUE(WaitUntil([&] { return form->Label2->isVisible(); }, 10000));
    EXPECT_EQ(static_cast<float>(form->GrowHeight), form->Height());
    EXPECT_GE(form->Height(), 3800.0F);
    EXPECT_TRUE(form->Label3->isEnabled());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(form->Timer2->isActive());
}

TEST_F(FormTest, IgnoresTheCloseMarkWhileOpening) {
    Show(March2Of2011);
    form->Timer1_Timer();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    EXPECT_FALSE(form->Timer3->isActive());
    OpenByHand();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    EXPECT_TRUE(form->Timer3->isActive());
}

TEST_F(FormTest, ShrinksFromTheHeightTheWindowReallyHas) {
    Show(March2Of2011);
    form->Label3_Click();
    form->setFixedHeight(100);  // as if the platform had its own idea of the height
    form->Timer3_Timer();
    EXPECT_EQ(1500.0F + FrameTwips() - 150, form->ShrinkHeight);
    EXPECT_EQ(form->ShrinkHeight, form->Height());
}

TEST_F(FormTest, ASecondClickOnTheCloseMarkChangesNothing) {
    Show(March2Of2011);
    OpenByHand();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    form->Timer3_Timer();
    const float afterOneStep = form->Height();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    EXPECT_TRUE(form->Timer3->isActive());
    EXPECT_EQ(afterOneStep, form->Height());
    form->Timer3_Timer();
    EXPECT_EQ(afterOneStep - 150, form->Height());
}

// Takes a height; returns the first closing request below 470 twips when shrinking from it.
float FirstBelowTheEnd(float height) {
    while (height >= 470) {
        height -= 150;
    }
    return height;
}

// Takes a window whose closing has begun; runs the event loop and returns its exit status, or -1
// when the program did not end within five seconds.
int RunUntilTheEnd(Form1& form, int& endings) {
    QObject::connect(&form, &Form1::ended, [&endings] { ++endings; });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

TEST_F(FormTest, ClosingFromWaitingEndsTheProgram) {
    Show(March2Of2011);
    const float start = form->Height();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    int endings = 0;
    EXPECT_EQ(0, RunUntilTheEnd(*form, endings));
    EXPECT_EQ(1, endings);
    EXPECT_EQ(FirstBelowTheEnd(start), form->ShrinkHeight);
    for (const QTimer* timer : {form->Timer1, form->Timer2, form->Timer3, form->Timer4}) {
        EXPECT_FALSE(timer->isActive());
    }
}

TEST_F(FormTest, ClosingFromOpenEndsTheProgram) {
    Show(March2Of2011);
    OpenByHand();
    const float open = form->Height();
    QTest::mouseClick(form->Label3, Qt::LeftButton);
    int endings = 0;
    EXPECT_EQ(0, RunUntilTheEnd(*form, endings));
    EXPECT_EQ(1, endings);
    EXPECT_EQ(FirstBelowTheEnd(open), form->ShrinkHeight);
}

TEST_F(FormTest, SendsTheFocusToText5FromAClickedResultBox) {
    Show(March2Of2011);
    for (QLineEdit* box : {form->Text1, form->Text2, form->Text3, form->Text4}) {
        box->setFocus();
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(form->Text5, QApplication::focusWidget());
    }
    QTest::keyClick(form->Text5, Qt::Key_Tab);
    EXPECT_EQ(form->Text1, QApplication::focusWidget());  // Tab is not redirected
}

TEST_F(FormTest, LeavesTheClockEmptyUntilItsFirstTick) {
    Create(March2Of2011);
    EXPECT_EQ("", form->Label4->text().toStdString());
    form->Timer4_Timer();
    EXPECT_EQ("2 Mar 2011 13:05:07 UTC", form->Label4->text().toStdString());
    now += 5s;
    form->Timer4_Timer();
    EXPECT_EQ("2 Mar 2011 13:05:12 UTC", form->Label4->text().toStdString());
}

TEST_F(FormTest, GrowsTheClockLabelAroundItsCentre) {
    Create(March2Of2011);
    form->Timer4_Timer();
    const QRect clock = form->Label4->geometry();
    EXPECT_EQ(form->Label4->sizeHint(), clock.size());
    EXPECT_NEAR(151.5, clock.x() + clock.width() / 2.0, 0.5);  // 2272.5 twips
    EXPECT_EQ(205, clock.y());                                 // 3075 twips
}

TEST_F(FormTest, ShowsTheTimeAtMidnightToo) {
    Create(local_days{2011y / March / 2});
    form->Timer4_Timer();
    EXPECT_EQ("2 Mar 2011 00:00:00 UTC", form->Label4->text().toStdString());
}

TEST_F(FormTest, FollowsTheNewDayAfterMidnight) {
    Create(local_days{2013y / March / 20} + 23h + 59min + 58s);
    form->Timer1_Timer();
    OpenByHand();
    form->Timer4_Timer();
    EXPECT_EQ("1391/12/30", TextOf(form->Text1));
    now += 5s;
    form->Timer4_Timer();
    EXPECT_EQ("1392/01/01", TextOf(form->Text1));
    EXPECT_EQ("1 " + Farvardin + " 1392", TextOf(form->Text2));
    EXPECT_EQ(Thursday + " 1392/1/1", TextOf(form->Text3));
    EXPECT_EQ(Thursday + "  1  " + Farvardin + "  1392", TextOf(form->Text4));
    EXPECT_EQ("21 Mar 2013", form->Label1->text().toStdString());
    EXPECT_EQ("21 Mar 2013 00:00:03 UTC", form->Label4->text().toStdString());
}

TEST_F(FormTest, KeepsTheFirstCaptionIfMidnightComesBeforeTheOpening) {
    Create(local_days{2013y / March / 20} + 23h + 59min + 59s);
    now += 2s;
    form->Timer4_Timer();
    EXPECT_EQ("1392/01/01", TextOf(form->Text1));
    EXPECT_EQ("You'r Computer Date is...", form->Label1->text().toStdString());
}

}  // namespace
}  // namespace tarvand
