// The program's own road from start to exit, quitting as soon as its event
// loop runs. Prints each traced step, and a line when the application object
// is destroyed, so a test can see what happens at the very end.
#include "app/startup.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"
#include "framework/ui/event_loop.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

int main()
{
    fw::trace::Enable(true);
    fw::trace::SetListener([](const std::string& step) {
        std::cout << step << std::endl;
        if (step == "RuntimeRun")
            QTimer::singleShot(0, [] { fw::Quit(0); });
    });
    return fw::RunWithWindowSystem([] {
        QObject::connect(qApp, &QObject::destroyed, [] { std::cout << "application object destroyed" << std::endl; });
        return Startup::MainRoutine();
    });
}
