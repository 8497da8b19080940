#include "framework/ui/timer.h"

#include "tests/support/test_window.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window->_AddControl("Tick", fw::New<fw::Timer>());
        timer = fw::RuntimeWindowControlByName<fw::Timer>(*window, "Tick");
        fw::_InstallInstanceEventHandler(*timer, "Action",
                                         fw::RuntimeCreateDelegate(*window, &TestWindow::Logged, "Tick_Action"));
    }

    fw::Ref<TestWindow> window = fw::New<TestWindow>();
    fw::Ref<fw::Timer> timer;
};

TEST_F(TimerTest, ARepeatingTimerActsEveryPeriodOnTheEventLoop)
{
    fw::_SetProperties(*timer, {{"Mode", 2}, {"Period", 5}});
    EXPECT_TRUE(window->log.empty()) << "nothing before the loop runs";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->log.size() >= 3; }, 5000));
    timer->SetMode(0);
    const auto count = window->log.size();
    QTest::qWait(30);
    EXPECT_EQ(window->log.size(), count);
}

TEST_F(TimerTest, ASingleTimerActsOnceAndTurnsItselfOff)
{
    fw::_SetProperties(*timer, {{"Mode", 1}, {"Period", 1}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->log.empty(); }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(window->log.size(), 1u);
    EXPECT_EQ(timer->Mode(), 0);
}

TEST_F(TimerTest, FireActsAtOnceWhateverTheMode)
{
    timer->Fire();
    timer->Fire();
    EXPECT_EQ(window->log, (std::vector<std::string>{"Tick event", "Tick event"}));
}

} // namespace
