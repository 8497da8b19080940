#include "answers/file_types.h"
#include "answers/qna_files.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "framework/core/filetype.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"

#include <QProcess>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Runs the whole process life with tracing on. The test quits the
// application as soon as the event loop is about to run.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::trace::Enable(true);
        fw::SetUnhandledExceptionReporter([this](const std::string& kind, const std::string& message) {
            reports.push_back(kind + ": " + message);
        });
    }
    void TearDown() override
    {
        fw::trace::Enable(false);
        fw::SetUnhandledExceptionReporter(nullptr);
    }

    int Run(std::function<void(const std::string&)> listener)
    {
        fw::trace::SetListener(std::move(listener));
        const int status = Startup::MainRoutine();
        steps = fw::trace::Take();
        return status;
    }

    static void QuitBeforeLoop(const std::string& step)
    {
        if (step == "_RuntimeRun")
            fw::Quit(0);
    }

    // The steps that start with one of the prefixes, in order.
    std::vector<std::string> Only(std::initializer_list<const char*> prefixes) const
    {
        std::vector<std::string> out;
        for (const auto& s : steps)
            for (const char* p : prefixes)
                if (s.rfind(p, 0) == 0) {
                    out.push_back(s);
                    break;
                }
        return out;
    }

    std::vector<std::string> steps;
    std::vector<std::string> reports;
};

TEST_F(StartupTest, StartUpRunsItsStepsInOrderAndQuitGivesExitStatusZero)
{
    EXPECT_EQ(Run(QuitBeforeLoop), 0);
    EXPECT_THAT(Only({"RuntimeInit", "_", "RuntimeRun", "event loop", "RuntimeExit", "release window"}),
                ElementsAre("RuntimeInit", "_RuntimeInitExternalClasses", "_InitPluginEntrypoints",
                            "_InitFileTypes", "_NewAppInstance", "_ApplicationAddMenuHandlers",
                            "_MakeDefaultView", "_RuntimeRun", "RuntimeRun", "event loop ended",
                            "release window lists", "RuntimeExit 0"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(StartupTest, ProgramClassesRegisterInOrderEachAfterItsBase)
{
    Run(QuitBeforeLoop);
    const auto registered = Only({"register class", "IE_Print"});
    auto pos = [&](const std::string& s) {
        return std::find(registered.begin(), registered.end(), s) - registered.begin();
    };
    const std::vector<std::string> order = {
        "register class VelmoQnA",       "register class frmQnA",      "register class QA_HealthHist",
        "register class frmQnA.QA_HealthHist1", "register class QnA_Data", "register class QnA_FakeSub",
        "IE_Print.BackedUp = false",     "register class QA_HealthHist.Timer1", "register class MenuBar1"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_LT(pos(order[i]), pos(order[i + 1])) << order[i] << " before " << order[i + 1];
    EXPECT_LT(pos("register class Window"), pos("register class frmQnA"));
}

TEST_F(StartupTest, FileTypesRegisterOnceEachInDeclarationOrderBeforeTheApplicationObject)
{
    Run(QuitBeforeLoop);
    EXPECT_THAT(Only({"register file type", "register application"}),
                ElementsAre("register file type QELM Data (v1) QELD/QELD",
                            "register file type QELM QnA (v1) QELQ/QELQ",
                            "register file type HTML Document HTML/sfri",
                            "register file type QELM Data (UTF8) QELM/QELM",
                            "register file type QELM Data QELB/QELB",
                            "register file type QELM QnA (UTF8) QLQA/QLQA",
                            "register file type QELM QnA QLQB/QLQB", "register application object"));
}

TEST_F(StartupTest, ShutdownReleasesModuleValuesInTheirFixedOrder)
{
    Run(QuitBeforeLoop);
    EXPECT_THAT(Only({"release"}),
                ElementsAre("release window lists", "release QnA_Files.QnARead", "release QnA_Files.QnAWrite",
                            "release QnA_Files.QnAFile", "release QA_Module.tmpSubject",
                            "release FileTypes.pVelmoData", "release FileTypes.pVelmoQnA",
                            "release FileTypes.pHTMLDocument", "release FileTypes.pVelmoDataUTF8",
                            "release FileTypes.pVelmoDataBoth", "release FileTypes.pVelmoQnAUTF8",
                            "release FileTypes.pVelmoQnABoth", "release MenuBar1._implicitInstance"));
    // Releasing a file type withdraws its registration.
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_TRUE(MenuBar1::_implicitInstance.IsNil());
    EXPECT_TRUE(QnA_Files::QnAFile.IsEmpty());
}

struct Finished {
    QProcess::ExitStatus status;
    int code;
    std::string out, err;
};

// Runs a program to its end with some variables of the environment set.
Finished RunProcess(const char* path, const QStringList& arguments, const std::map<QString, QString>& variables)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : variables)
        environment.insert(name, value);
    program.setProcessEnvironment(environment);
    program.start(path, arguments);
    EXPECT_TRUE(program.waitForFinished(120000));
    return {program.exitStatus(), program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

// Copied text reaches the desktop's clipboard only when the application
// object is destroyed; the real program does that last, after its shutdown.
// The platform that cannot be loaded first makes Qt warn during a start-up
// that succeeds; that warning still reaches standard error.
TEST(ProgramExit, TheApplicationObjectIsDestroyedAfterTheShutdownAndBeforeTheProcessEnds)
{
    const Finished probe = RunProcess(QELM_EXIT_PROBE, {}, {{"QT_QPA_PLATFORM", "no-such-platform;offscreen"}});
    EXPECT_EQ(probe.status, QProcess::NormalExit);
    EXPECT_EQ(probe.code, 0) << probe.err;
    EXPECT_THAT(probe.err, HasSubstr("qt.qpa.plugin: Could not find the Qt platform plugin \"no-such-platform\""));

    const QStringList lines = QString::fromStdString(probe.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_THAT((std::vector<std::string>{lines[lines.size() - 3].toStdString(), lines[lines.size() - 2].toStdString(),
                                          lines.back().toStdString()}),
                ElementsAre("release MenuBar1._implicitInstance", "RuntimeExit 0", "application object destroyed"));
}

// Qt calls exit() from inside the loop when the display is lost; the statics
// destroyed then must not reach one destroyed before them.
TEST(ProgramExit, AnExitFromInsideTheEventLoopEndsWithItsStatus)
{
    const Finished probe = RunProcess(QELM_EXIT_PROBE, {"exit"}, {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(probe.status, QProcess::NormalExit);
    EXPECT_EQ(probe.code, 3) << probe.err;
}

// Only a display that cannot be reached is reported as a missing one; any
// other start-up failure in Qt's own words, which name the plug-in.
TEST(ProgramStart, FailureToStartSaysWhyAndEndsWithStatusOne)
{
    const Finished plugin = RunProcess(QELM_PROGRAM, {}, {{"QT_QPA_PLATFORM", "no-such-platform"}});
    EXPECT_EQ(plugin.status, QProcess::NormalExit);
    EXPECT_EQ(plugin.code, 1);
    EXPECT_THAT(plugin.err, HasSubstr("qt.qpa.plugin: Could not find the Qt platform plugin \"no-such-platform\""));
    EXPECT_THAT(plugin.err, HasSubstr("no Qt platform plugin could be initialized"));
    EXPECT_THAT(plugin.err, Not(HasSubstr("no display")));

    const Finished display = RunProcess(QELM_PROGRAM, {}, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":4095"}});
    EXPECT_EQ(display.status, QProcess::NormalExit);
    EXPECT_EQ(display.code, 1);
    EXPECT_EQ(display.err, "qelm-questionnaires: no display to show the window on. Run it from a desktop session, "
                           "or take a picture of it with: bash scripts/screenshot.sh shot.png\n");
}

TEST_F(StartupTest, FailureWhileRegisteringFileTypesIsReportedThenTheSameShutdownRuns)
{
    const int status = Run([](const std::string& step) {
        if (step.rfind("register file type HTML Document", 0) == 0)
            throw fw::RuntimeException("cannot register");
    });
    EXPECT_NE(status, 0);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "RuntimeException: cannot register");
    // No application object, no window, no event loop.
    EXPECT_TRUE(Only({"_NewAppInstance", "_MakeDefaultView", "RuntimeRun"}).empty());
    EXPECT_THAT(Only({"release"}),
                ElementsAre("release window lists", "release QnA_Files.QnARead", "release QnA_Files.QnAWrite",
                            "release QnA_Files.QnAFile", "release QA_Module.tmpSubject (nil)",
                            "release FileTypes.pVelmoData", "release FileTypes.pVelmoQnA",
                            "release FileTypes.pHTMLDocument", "release FileTypes.pVelmoDataUTF8 (nil)",
                            "release FileTypes.pVelmoDataBoth (nil)", "release FileTypes.pVelmoQnAUTF8 (nil)",
                            "release FileTypes.pVelmoQnABoth (nil)", "release MenuBar1._implicitInstance (nil)"));
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

} // namespace
