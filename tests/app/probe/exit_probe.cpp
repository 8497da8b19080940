// The program's own road from start to exit, quitting as soon as its event
// loop runs. Prints each traced step, and a line when the application object
// is destroyed, so a test can see what happens at the very end. With the
// argument "exit" it ends with std::exit(3) from inside the loop instead, as
// Qt does when the display is lost.
#include "app/startup.h"
#include "framework/core/runtime.h"
#include "framework/core/trace.h"
#include "framework/ui/event_loop.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    const bool exitInLoop = argc > 1 && std::strcmp(argv[1], "exit") == 0;
    fw::trace::Enable(true);
    fw::trace::SetListener([exitInLoop](const std::string& step) {
        std::cout << step << std::endl;
        if (step == "RuntimeRun")
            QTimer::singleShot(0, [exitInLoop] {
                if (exitInLoop)
                    std::exit(3);
                fw::Quit(0);
            });
    });
    return fw::RunWithWindowSystem([] {
        QObject::connect(qApp, &QObject::destroyed, [] { std::cout << "application object destroyed" << std::endl; });
        return Startup::MainRoutine();
    });
}
