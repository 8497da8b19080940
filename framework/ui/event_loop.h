#pragma once

#include <functional>

namespace fw {

// Catches the file-size signal, makes the Qt application object when there
// is none yet, installs Qt's event loop as the runtime's loop and reports
// unhandled exceptions in a stop message box. Call once, before the first
// window. When Qt cannot start, the program ends there with status 1: one
// line on standard error when there is no display, else Qt's own messages.
void StartWindowSystem();

// The program's life inside the window system: StartWindowSystem, the
// program, then the end of the window system once the program's windows are
// gone: the application object StartWindowSystem made is destroyed, which is
// when Qt hands copied text over to the desktop's clipboard. The program's
// result is returned.
int RunWithWindowSystem(const std::function<int()>& program);

} // namespace fw
