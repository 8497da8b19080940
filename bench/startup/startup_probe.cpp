// The application's real start-up, quitting as soon as its window is shown
// and the event loop is idle.
#include "app/startup.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"
#include "framework/ui/event_loop.h"

#include <QCoreApplication>
#include <QTimer>

int main()
{
    fw::StartWindowSystem();
    fw::trace::Enable(true);
    fw::trace::SetListener([](const std::string& step) {
        if (step == "RuntimeRun")
            QTimer::singleShot(0, [] { fw::Quit(0); });
    });
    return Startup::MainRoutine();
}
