#include "framework/core/runtime.h"
#include "framework/core/trace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

// Runs a script of its own in place of user events.
class FakeLoop : public fw::EventLoop {
public:
    void Run() override
    {
        ++runs;
        if (body)
            body();
    }
    void Quit() override { ++quits; }
    void Repaint() override { ++repaints; }

    std::function<void()> body;
    int runs = 0, quits = 0, repaints = 0;
};

class ClosingApp : public fw::Application {
public:
    void Event_Close() override
    {
        ++closes;
        fw::Quit(0);
    }
    int closes = 0;
};

class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::RuntimeInit();
        fw::SetEventLoop(&loop);
        fw::SetUnhandledExceptionReporter(
            [this](const std::string& kind, const std::string& message) { reports.push_back(kind + ": " + message); });
    }
    void TearDown() override
    {
        fw::RuntimeExit();
        fw::SetEventLoop(nullptr);
        fw::SetUnhandledExceptionReporter(nullptr);
        fw::SetBackgroundClockForTesting(nullptr);
        fw::trace::Enable(false);
    }

    FakeLoop loop;
    std::vector<std::string> reports;
};

TEST_F(RuntimeTest, TheFirstQuitCodeBecomesTheExitStatus)
{
    loop.body = [] {
        fw::Quit(3);
        fw::Quit(0);
    };
    fw::RuntimeRun();
    EXPECT_EQ(loop.quits, 1);
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 3);
}

TEST_F(RuntimeTest, WithoutAQuitTheStatusIsZeroOrOneAfterAnUnhandledException)
{
    EXPECT_EQ(fw::RuntimeExit(), 0);
    fw::RuntimeInit();
    fw::UnhandledException(fw::NilObjectException("no window"));
    EXPECT_THAT(reports, ElementsAre("NilObjectException: no window"));
    EXPECT_EQ(fw::RuntimeExit(), 1);
    fw::RuntimeInit();
    fw::UnhandledException(std::runtime_error("plain"));
    fw::Quit(0);
    EXPECT_EQ(fw::RuntimeExit(), 0);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "std::runtime_error: plain");
}

TEST_F(RuntimeTest, TheLoopRunsOnceThenTheApplicationCloses)
{
    auto app = fw::New<ClosingApp>();
    fw::RuntimeRegisterAppObject(app);
    loop.body = [] { EXPECT_TRUE(fw::EventLoopRunning()); };
    fw::RuntimeRun();
    EXPECT_EQ(loop.runs, 1);
    EXPECT_FALSE(fw::EventLoopRunning());
    EXPECT_EQ(app->closes, 1);
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_TRUE(fw::App().IsNil());
    EXPECT_EQ(app.UseCount(), 1);
}

TEST_F(RuntimeTest, AQuitBeforeTheLoopKeepsTheLoopFromRunning)
{
    fw::Quit(0);
    fw::RuntimeRun();
    EXPECT_EQ(loop.runs, 0);
}

TEST_F(RuntimeTest, AnExceptionLeavesTheLoopAndStopsItRunning)
{
    loop.body = [] { throw fw::OutOfBoundsException(); };
    EXPECT_THROW(fw::RuntimeRun(), fw::OutOfBoundsException);
    EXPECT_FALSE(fw::EventLoopRunning());
}

TEST_F(RuntimeTest, ClassesRegisterOnceEachAfterTheirBase)
{
    fw::trace::Enable(true);
    fw::RuntimeRegisterClass("Window");
    fw::RuntimeRegisterClass("frmQnA", "Window");
    fw::RuntimeRegisterClass("QA_HealthHist1", "QA_HealthHist");
    fw::RuntimeRegisterClass("QA_HealthHist", "ContainerControl");
    EXPECT_THAT(fw::trace::Take(), ElementsAre("register class Window", "register class frmQnA",
                                               "register class QA_HealthHist", "register class QA_HealthHist1"));
    EXPECT_TRUE(fw::RuntimeIsClassRegistered("QA_HealthHist"));
    EXPECT_EQ(fw::RuntimeAllocatePluginEntrypointsTable(0)->Count(), 0);
}

TEST_F(RuntimeTest, BackgroundTaskRepaintsAtMostEvery50MsAndOnlyInsideTheLoop)
{
    for (int i = 0; i < 10000; ++i)
        fw::RuntimeBackgroundTask();
    EXPECT_EQ(loop.repaints, 0);

    using Clock = std::chrono::steady_clock;
    Clock::time_point now{};
    std::vector<Clock::time_point> repaintedAt;
    fw::SetBackgroundClockForTesting([&] { return now; });
    const long long callsBefore = fw::BackgroundTaskCalls();
    loop.body = [&] {
        for (int i = 0; i < 100000; ++i)
            fw::RuntimeBackgroundTask();
        EXPECT_EQ(loop.repaints, 1) << "the clock stood still";
        // One millisecond every 100 calls: a second in all.
        for (int i = 0; i < 100000; ++i) {
            if (i % 100 == 0)
                now += std::chrono::milliseconds(1);
            const int before = loop.repaints;
            fw::RuntimeBackgroundTask();
            if (loop.repaints != before)
                repaintedAt.push_back(now);
        }
    };
    fw::RuntimeRun();
    EXPECT_EQ(fw::BackgroundTaskCalls() - callsBefore, 200000);
    EXPECT_GE(repaintedAt.size(), 10u);
    for (std::size_t i = 1; i < repaintedAt.size(); ++i)
        EXPECT_GE(repaintedAt[i] - repaintedAt[i - 1], std::chrono::milliseconds(50));
    EXPECT_LT(repaintedAt.back(), now);
}

} // namespace
