#pragma once

// The life of the process, from the runtime's start to the exit status.
namespace Startup {
// The main routine: runtime start, initialisation, _Main, finalisation,
// runtime end; returns the exit status.
int MainRoutine();

void InitializationStep();
// The start-up steps and the event loop under one catch-all.
void _Main();
void FinalizationStep();
} // namespace Startup
