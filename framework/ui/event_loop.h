#pragma once

namespace fw {

// Installs Qt's event loop as the runtime's (once a QApplication exists).
void InstallQtEventLoop();

} // namespace fw
