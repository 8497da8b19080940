#include "app/startup.h"
#include "framework/ui/event_loop.h"

int main() { return fw::RunWithWindowSystem(Startup::MainRoutine); }
