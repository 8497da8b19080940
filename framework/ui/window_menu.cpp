#include "framework/ui/menu_qt.h"
#include "framework/ui/window.h"

#include <QMenuBar>

namespace fw {

void Window::SetMenuBar(Ref<fw::MenuBar> bar)
{
    m_menuBar = std::move(bar);
    if (m_embedded || !m_frame)
        return;
    QWidget* old = m_menuWidget;
    m_menuWidget = m_menuBar ? BuildQtMenuBar(m_menuBar.Get(), nullptr) : nullptr;
    SetMenuWidget(m_menuWidget);
    delete old;
}

} // namespace fw
