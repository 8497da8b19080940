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
        m_running = true;
        QApplication::exec();
        m_running = false;
        ReleaseClosedWindows();
        if (m_error) {
            auto error = m_error;
            m_error = nullptr;
            std::rethrow_exception(error);
        }
    }
    void Quit() override { QApplication::exit(0); }
    void Repaint() override { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

    bool Abandon(std::exception_ptr error)
    {
        if (!m_running)
            return false;
        if (!m_error)
            m_error = std::move(error);
        QApplication::exit(1);
        return true;
    }

private:
    bool m_running = false;
    std::exception_ptr m_error;
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

bool AbandonEventLoop(std::exception_ptr error) { return g_loop.Abandon(std::move(error)); }

} // namespace fw
