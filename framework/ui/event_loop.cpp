#include "framework/ui/event_loop.h"

#include "framework/core/runtime.h"
#include "framework/ui/window.h"

#include <QApplication>

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

QtEventLoop g_loop;

} // namespace

void StartWindowSystem()
{
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "qelm-questionnaires";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    // The runtime decides when the program ends, not the last closed window.
    QApplication::setQuitOnLastWindowClosed(false);
    SetEventLoop(&g_loop);
}

} // namespace fw
