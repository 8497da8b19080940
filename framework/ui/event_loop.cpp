#include "framework/ui/event_loop.h"

#include "framework/core/runtime.h"
#include "framework/ui/desktop.h"
#include "framework/ui/qt_text_style.h"
#include "framework/ui/window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace fw {

namespace {

class QtEventLoop : public EventLoop {
public:
    void Run() override
    {
        QApplication::exec();
        ReleaseClosedWindows();
    }
    void Quit() override { QApplication::exit(0); }
    void Repaint() override { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
};

// Never destroyed: the runtime keeps pointing at it until the process ends,
// also when Qt ends it with exit() from inside the loop.
QtEventLoop& Loop()
{
    static auto* loop = new QtEventLoop;
    return *loop;
}
// The application object made here, if any; a test program brings its own.
QApplication* g_application = nullptr;

// Qt's messages while the application object is made, as its own handler
// would print them, and whether one said there is no display to connect to.
struct StartMessages {
    QByteArray text;
    bool noDisplay = false;
};
StartMessages* g_start = nullptr;

// Without a display Qt warns about each platform it tries and then aborts;
// the user gets one line that says what is wrong and what to do instead.
// Any other failure is told in Qt's own words, which name the plug-in.
void StartMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    g_start->noDisplay |= message.startsWith("could not connect to display") ||
                          message.startsWith("Failed to create wl_display");
    g_start->text += qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    if (type != QtFatalMsg)
        return;
    if (g_start->noDisplay)
        std::fputs("qelm-questionnaires: no display to show the window on. Run it from a desktop session, "
                   "or take a picture of it with: bash scripts/screenshot.sh shot.png\n",
                   stderr);
    else
        std::fputs(g_start->text.constData(), stderr);
    std::_Exit(1);
}

void ReportUnhandled(const std::string& kind, const std::string& message)
{
    MsgBox(String(kind + ": " + message + " The program will now end."), 16, "Error!");
}

} // namespace

void StartWindowSystem()
{
    // First, before Qt or the program may write a file.
    CatchFileSizeSignal();
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "qelm-questionnaires";
        static char* argv[] = {name, nullptr};
        StartMessages start;
        g_start = &start;
        const QtMessageHandler previous = qInstallMessageHandler(StartMessageHandler);
        g_application = new QApplication(argc, argv);
        qInstallMessageHandler(previous);
        g_start = nullptr;
        std::fputs(start.text.constData(), stderr);
    }
    // The runtime decides when the program ends, not the last closed window.
    QApplication::setQuitOnLastWindowClosed(false);
    SetEventLoop(&Loop());
    SetUnhandledExceptionReporter(ReportUnhandled);
}

int RunWithWindowSystem(const std::function<int()>& program)
{
    StartWindowSystem();
    const int status = program();
    SetUnhandledExceptionReporter(nullptr);
    SetEventLoop(nullptr);
    // Fonts hold on to the application's font data.
    ForgetFonts();
    delete g_application;
    g_application = nullptr;
    return status;
}

} // namespace fw
