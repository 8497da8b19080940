#include "framework/ui/scroll_bar.h"

#include "tests/support/test_window.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window with one vertical scroll bar whose ValueChanged logs the value it
// sees, and may run a test's extra step.
class BarWindow : public TestWindow {
public:
    std::vector<int> seen;
    std::function<void(fw::ScrollBar&)> onChange;

    void Changed(fw::ScrollBar& me)
    {
        seen.push_back(me.Value());
        if (onChange)
            onChange(me);
    }
};

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = fw::New<BarWindow>();
        window->layout = [](TestWindow& w) { fw::_SetProperties(w, {{"Width", 100}, {"Height", 400}}); };
        window->createControls = [this](TestWindow&) {
            window->_AddControl("Bar", fw::New<fw::ScrollBar>());
            fw::_SetProperties(*fw::RuntimeWindowControlByName(*window, "Bar"),
                               {{"Left", 10}, {"Top", 0}, {"Width", 16}, {"Height", 400}, {"Minimum", 0},
                                {"Value", 0}, {"Maximum", 1000}, {"LineStep", 50}, {"PageStep", 250},
                                {"LiveScroll", true}});
            fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*window, "Bar"), "ValueChanged",
                                             fw::RuntimeCreateDelegate(*window, &BarWindow::Changed, "Changed"));
        };
        fw::RunDefaultWindowConstructor(window);
        bar = fw::RuntimeWindowControlByName<fw::ScrollBar>(*window, "Bar");
        qbar = static_cast<QScrollBar*>(bar->Widget());
    }

    WindowCleanup cleanup;
    fw::Ref<BarWindow> window;
    fw::Ref<fw::ScrollBar> bar;
    QScrollBar* qbar = nullptr;
};

TEST_F(ScrollBarTest, ValuesAreKeptAsSetInAnyOrderWithoutClamping)
{
    bar->SetValue(1500);
    EXPECT_EQ(bar->Value(), 1500);
    bar->SetMaximum(-20);
    bar->SetMinimum(10);
    EXPECT_EQ(bar->Maximum(), -20);
    EXPECT_EQ(bar->Minimum(), 10);
    bar->SetValue(-7);
    EXPECT_EQ(bar->Value(), -7);
    // Qt's bar meanwhile shows a range it can hold.
    EXPECT_EQ(qbar->minimum(), 10);
    EXPECT_EQ(qbar->maximum(), 10);
    EXPECT_EQ(qbar->value(), 10);
    EXPECT_EQ(qbar->orientation(), Qt::Vertical);
}

TEST_F(ScrollBarTest, EveryChangeOfValueRaisesValueChangedInsideTheSet)
{
    bool inside = false;
    window->onChange = [&](fw::ScrollBar&) { inside = true; };
    bar->SetValue(30);
    EXPECT_TRUE(inside);
    bar->SetValue(30); // no change, no event
    bar->SetValue(-5);
    EXPECT_EQ(window->seen, (std::vector<int>{30, -5}));
}

TEST_F(ScrollBarTest, AHandlerSettingTheValueAgainSeesTheNewValueOnceItReturns)
{
    window->onChange = [](fw::ScrollBar& me) {
        if (me.Value() > me.Maximum())
            me.SetValue(me.Maximum());
    };
    bar->SetValue(5000);
    EXPECT_EQ(bar->Value(), 1000);
    EXPECT_EQ(window->seen, (std::vector<int>{5000, 1000}));
    EXPECT_EQ(qbar->value(), 1000);
}

TEST_F(ScrollBarTest, ArrowsStepByLineStepAndTheTrackByPageStepFromTheOwnValue)
{
    bar->SetValue(1100); // beyond Maximum: the steps count from here
    window->seen.clear();
    qbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->Value(), 1050);
    qbar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->Value(), 800);
    qbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->Value(), 850);
    EXPECT_EQ(qbar->value(), 850);
    EXPECT_EQ(window->seen, (std::vector<int>{1050, 800, 850}));
}

TEST_F(ScrollBarTest, ClicksOnTheArrowsAndTheTrackChangeTheValue)
{
    QTest::mouseClick(qbar, Qt::LeftButton, Qt::NoModifier, QPoint(8, qbar->height() - 4));
    EXPECT_EQ(bar->Value(), 50);
    QTest::mouseClick(qbar, Qt::LeftButton, Qt::NoModifier, QPoint(8, qbar->height() - 60));
    EXPECT_EQ(bar->Value(), 300);
    EXPECT_EQ(window->seen, (std::vector<int>{50, 300}));
}

TEST_F(ScrollBarTest, TheThumbChangesTheValueLiveWhileDragged)
{
    qbar->setSliderDown(true);
    qbar->setSliderPosition(200);
    EXPECT_EQ(bar->Value(), 200);
    qbar->setSliderPosition(420);
    EXPECT_EQ(bar->Value(), 420);
    qbar->setSliderDown(false);
    EXPECT_EQ(window->seen, (std::vector<int>{200, 420}));

    // Without LiveScroll the value follows only when the thumb is let go.
    fw::_SetProperties(*bar, {{"LiveScroll", false}});
    qbar->setSliderDown(true);
    qbar->setSliderPosition(600);
    EXPECT_EQ(bar->Value(), 420);
    qbar->setSliderDown(false);
    EXPECT_EQ(bar->Value(), 600);
}

TEST_F(ScrollBarTest, AWideBarLiesHorizontal)
{
    bar->SetBounds(0, 0, 200, 16);
    EXPECT_EQ(qbar->orientation(), Qt::Horizontal);
}

} // namespace
