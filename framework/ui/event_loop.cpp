#include "framework/ui/event_loop.h"

#include "framework/core/runtime.h"

#include <QApplication>
#include <QEventLoop>

namespace fw {

namespace {

class QtEventLoop : public EventLoop {
public:
    void Run() override
    {
        // The loop may be quit before it starts (a quit request during start-up).
        if (!QuitRequested())
            QApplication::exec();
    }
    void Quit() override { QApplication::exit(0); }
    void Repaint() override { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
};

} // namespace

void InstallQtEventLoop()
{
    static QtEventLoop loop;
    SetEventLoop(&loop);
}

} // namespace fw
