#include "app/startup.h"
#include "framework/ui/event_loop.h"

int main()
{
    fw::StartWindowSystem();
    return Startup::MainRoutine();
}
