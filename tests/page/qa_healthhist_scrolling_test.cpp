#include "page/qa_healthhist.h"

#include "tests/page/page_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The declared tops of the controls on BackFrame.
const std::vector<std::pair<const char*, int>> kDeclaredTops = {
    {"StaticText1", 7},  {"EditField1", 132},  {"EditField3", 301},  {"StaticText9", 647},
    {"EditField10", 983}, {"Print", 1049},
};

class ScrollingTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        StopTimer();
    }

    // BackFrame's controls stand exactly LastScroll above their declared
    // places, and LastScroll is the bar's value.
    void ExpectScrolledTo(int value) const
    {
        EXPECT_EQ(Bar()->Value(), value);
        EXPECT_EQ(page->LastScroll, value);
        for (const auto& [name, top] : kDeclaredTops)
            EXPECT_EQ(Get(name)->Top(), top - value) << name;
        EXPECT_EQ(Frame()->Top(), 1);
        EXPECT_EQ(Bar()->Top(), 2);
    }

    // Whether the field lies wholly inside the visible part of BackFrame,
    // by the controls' rectangles and by the widgets'.
    bool WhollyVisible(const fw::RectControl& field) const
    {
        const bool byControls = field.Top() >= Frame()->Top() &&
                                field.Top() + field.Height() <= Frame()->Top() + Frame()->Height();
        const QRect visible(QPoint(0, 0), Frame()->Widget()->size());
        return byControls && visible.contains(field.Widget()->geometry());
    }
};

TEST_F(ScrollingTest, TheWorkedExampleScrollsToFiftyFour)
{
    SetPageHeight(434);
    ASSERT_EQ(Frame()->Height(), 432);
    ASSERT_EQ(Bar()->Maximum(), 643);
    page->UpdateFocus(*Field(3));
    EXPECT_EQ(page->FocusTop, 301);
    EXPECT_EQ(page->FocusBottom, 362);
    EXPECT_TRUE(page->FocusChanged);
    EXPECT_EQ(Bar()->Value(), 0) << "nothing scrolls before the tick";

    Tick();
    ExpectScrolledTo(54);
    EXPECT_FALSE(page->FocusChanged);
    EXPECT_TRUE(WhollyVisible(*Field(3)));

    // A tick with nothing waiting changes nothing.
    Bar()->SetValue(10);
    Tick();
    ExpectScrolledTo(10);
}

TEST_F(ScrollingTest, TheTargetMoves192DownOnceTheTopmostFieldIsAbove100)
{
    SetPageHeight(434);
    Bar()->SetValue(32);
    ASSERT_EQ(Field(1)->Top(), 100);
    page->UpdateFocus(*Field(3));
    EXPECT_EQ(page->FocusTop, 301);

    Bar()->SetValue(33);
    ASSERT_EQ(Field(1)->Top(), 99);
    page->UpdateFocus(*Field(3));
    EXPECT_EQ(page->FocusTop, 493);
    EXPECT_EQ(page->FocusBottom - page->FocusTop, 61);
    Tick();
    ExpectScrolledTo(246);
}

TEST_F(ScrollingTest, ValuesBeyondEitherEndAreClampedToTheRange)
{
    SetPageHeight(434);
    page->UpdateFocus(*Field(1)); // e is negative
    Tick();
    ExpectScrolledTo(0);
    page->UpdateFocus(*Field(10)); // e lies beyond Maximum
    Tick();
    ExpectScrolledTo(643);
    Bar()->SetValue(Bar()->Value() + 10 * 5);
    ExpectScrolledTo(643);
    Bar()->SetValue(-30);
    ExpectScrolledTo(0);
}

TEST_F(ScrollingTest, WithMaximumBelowMinimumTheValueEndsAtMinimum)
{
    Bar()->SetMaximum(-5);
    Bar()->SetValue(30);
    ExpectScrolledTo(0);
}

TEST_F(ScrollingTest, GrowingThePageWhileScrolledToTheEndMovesTheContentDown)
{
    SetPageHeight(434);
    Bar()->SetValue(643);
    ExpectScrolledTo(643);
    SetPageHeight(634);
    EXPECT_EQ(Bar()->Maximum(), 443);
    ExpectScrolledTo(443);
}

TEST_F(ScrollingTest, APageTallerThanItsContentScrollsToTheTop)
{
    SetPageHeight(434);
    Bar()->SetValue(100);
    SetPageHeight(1100);
    EXPECT_EQ(Bar()->Maximum(), -23);
    ExpectScrolledTo(0);
}

TEST_F(ScrollingTest, OnlyTheLastOfSeveralReportsBetweenTicksIsScrolledTo)
{
    SetPageHeight(434);
    page->UpdateFocus(*Field(10));
    page->UpdateFocus(*Field(3));
    Tick();
    ExpectScrolledTo(54);
    Bar()->SetValue(0);
    Tick();
    ExpectScrolledTo(0);
}

TEST_F(ScrollingTest, ARequestForTheTopScrollsBackToZero)
{
    SetPageHeight(434);
    Bar()->SetValue(300);
    page->FocusTop = 0;
    page->FocusBottom = 0;
    page->FocusChanged = true;
    Tick();
    ExpectScrolledTo(0);
    EXPECT_FALSE(page->FocusChanged);
}

TEST_F(ScrollingTest, TheScrollBarsArrowsAndTrackMoveTheContent)
{
    SetPageHeight(434);
    auto* qbar = static_cast<QScrollBar*>(Bar()->Widget());
    qbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectScrolledTo(50);
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ExpectScrolledTo(300);
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    qbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ExpectScrolledTo(643);
}

TEST_F(ScrollingTest, TypingIntoAFieldRecordsIt)
{
    SetPageHeight(434);
    page->FocusChanged = false;
    QTest::keyClicks(Field(4)->Widget(), "x");
    EXPECT_TRUE(page->FocusChanged);
    EXPECT_EQ(page->FocusTop, 386);
    EXPECT_EQ(page->FocusBottom, 447);
}

TEST_F(ScrollingTest, TabbingThroughTheFieldsKeepsTheFocusedOneInView)
{
    SetPageHeight(434);
    QApplication::setActiveWindow(window->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    StopTimer();
    page->FocusChanged = false;

    // EditField10 is out of sight until the page is scrolled to its end.
    Bar()->SetValue(Bar()->Maximum());
    auto* tenth = static_cast<QPlainTextEdit*>(Field(10)->Widget());
    QTest::mouseClick(tenth->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    ASSERT_EQ(QApplication::focusWidget(), tenth);
    Tick();
    EXPECT_TRUE(WhollyVisible(*Field(10)));

    auto focusedField = [&]() -> int {
        for (int i = 1; i <= 10; ++i)
            if (QApplication::focusWidget() == Field(i)->Widget())
                return i;
        return 0;
    };
    for (int expected = 9; expected >= 1; --expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(focusedField(), expected);
        Tick();
        EXPECT_TRUE(WhollyVisible(*Field(expected))) << "EditField" << expected << " at " << Field(expected)->Top();
    }
    for (int expected = 2; expected <= 10; ++expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusedField(), expected);
        Tick();
        EXPECT_TRUE(WhollyVisible(*Field(expected))) << "EditField" << expected << " at " << Field(expected)->Top();
    }
}

} // namespace
