#pragma once

namespace fw {

// Makes the Qt application object when there is none yet (without a display
// the program ends there with status 1 and one line on standard error),
// installs Qt's event loop as the runtime's loop and reports unhandled
// exceptions in a stop message box. Call once, before the first window.
void StartWindowSystem();

} // namespace fw
