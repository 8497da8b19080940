// The application's real start-up, quitting as soon as its window has been
// painted and the event loop is idle.
#include "app/startup.h"
#include "bench/startup/quit_when_painted.h"
#include "framework/core/runtime.h"
#include "framework/ui/event_loop.h"

int main()
{
    fw::StartWindowSystem();
    QuitWhenPainted quit([] { fw::Quit(0); });
    return Startup::MainRoutine();
}
