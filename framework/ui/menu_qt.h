#pragma once

#include "framework/ui/menu.h"

class QMenuBar;
class QWidget;

namespace fw {

// A Qt menu bar for a menu tree. Items named Edit... act on the focused text
// field, or the one a menu opened from the keyboard took the focus from,
// through Qt's own editing and are enabled when they apply; a QuitMenuItem
// quits the application. "Cmd+" shortcuts map to Ctrl.
QMenuBar* BuildQtMenuBar(const MenuBar& bar, QWidget* parent);

} // namespace fw
