#pragma once

namespace fw {

// Makes the Qt application object when there is none yet and installs Qt's
// event loop as the runtime's loop. Call once, before the first window.
void StartWindowSystem();

} // namespace fw
