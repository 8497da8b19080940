#pragma once

#include <exception>

namespace fw {

// Makes the Qt application object when there is none yet and installs Qt's
// event loop as the runtime's loop. Call once, before the first window.
void StartWindowSystem();

// Ends a running Qt event loop because of an exception that no handler may
// pass through Qt; the loop's Run raises it once the loop has returned.
// False when no Qt loop is running (the caller raises it itself).
bool AbandonEventLoop(std::exception_ptr error);

} // namespace fw
