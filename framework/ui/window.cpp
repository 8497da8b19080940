#include "framework/ui/window.h"

#include "framework/ui/dispatch.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {

// Never destroyed: windows left open at exit must not outlive Qt's teardown
// in a static destructor.
std::vector<Ref<Window>>& OpenList()
{
    static auto* list = new std::vector<Ref<Window>>;
    return *list;
}

// Holds a closed window until control is back in the event loop, at the
// level where it was handed over: Qt delivers a deferred delete only once
// the event and the loop that posted it have returned. A window closed
// inside a nested loop (a dialog's exec) is let go before that loop ends;
// a handler of the window still running outside it has a WindowHold, which
// keeps the window and hands it to a ClosedWindow of its own level when the
// handler returns.
class ClosedWindow : public QObject {
public:
    explicit ClosedWindow(Ref<Window> window);
    ~ClosedWindow() override;

private:
    Ref<Window> m_window;
};

std::vector<ClosedWindow*>& ClosedList()
{
    static auto* list = new std::vector<ClosedWindow*>;
    return *list;
}

ClosedWindow::ClosedWindow(Ref<Window> window) : m_window(std::move(window)) { ClosedList().push_back(this); }

ClosedWindow::~ClosedWindow()
{
    auto& closed = ClosedList();
    closed.erase(std::remove(closed.begin(), closed.end(), this), closed.end());
}

// Hands a closed window to the event loop to destroy it there.
void ReleaseLater(Ref<Window> window) { (new ClosedWindow(std::move(window)))->deleteLater(); }

// Runs one of a window's own events, holding the window meanwhile.
void RunWindowEvent(Window* window, const std::function<void()>& event)
{
    const WindowHold hold(window);
    RunHandler(event);
}

} // namespace

// The top-level widget of a window: an optional menu bar above the content.
class WindowFrame : public QWidget {
public:
    WindowFrame() : content(new QWidget(this)) {}

    Window* window = nullptr;
    QWidget* content;
    QWidget* menu = nullptr;

    int MenuHeight() const { return menu ? menu->sizeHint().height() : 0; }

    void LayOut()
    {
        const int menuHeight = MenuHeight();
        if (menu)
            menu->setGeometry(0, 0, width(), menuHeight);
        content->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    }

protected:
    bool Live() const { return window && !window->Detached(); }

    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        LayOut();
        if (Live())
            window->FrameResized(width(), height() - MenuHeight());
    }

    void moveEvent(QMoveEvent* e) override
    {
        QWidget::moveEvent(e);
        if (Live())
            window->FrameMoved(geometry().x(), geometry().y());
    }

    void closeEvent(QCloseEvent* e) override
    {
        // Closing is the window's business: its Close runs the events and
        // hides the frame.
        e->ignore();
        if (Live())
            window->Close();
    }

    void wheelEvent(QWheelEvent* e) override
    {
        e->ignore();
        if (!Live())
            return;
        // Whole notches only; what is left over waits for the next event.
        m_wheelX += e->angleDelta().x();
        m_wheelY += e->angleDelta().y();
        const int notchesX = m_wheelX / 120, notchesY = m_wheelY / 120;
        m_wheelX -= notchesX * 120;
        m_wheelY -= notchesY * 120;
        if (notchesX == 0 && notchesY == 0)
            return;
        const QPoint at = content->mapFrom(this, e->position().toPoint());
        bool handled = false;
        // Qt counts a notch away from the user as positive; the window
        // counts scrolling down as positive.
        RunWindowEvent(window, [&] { handled = window->Event_MouseWheel(at.x(), at.y(), -notchesX, -notchesY); });
        e->setAccepted(handled);
    }

private:
    int m_wheelX = 0, m_wheelY = 0;
};

// ---- Window

Window::Window() : RectControl(new WindowFrame)
{
    auto* frame = static_cast<WindowFrame*>(Widget());
    frame->window = this;
    m_frame = frame;
    m_content = frame->content;
}

Window::Window(Embedded) : RectControl(new QWidget), m_embedded(true) { m_content = Widget(); }

Window::~Window()
{
    Detach();
    delete m_frame;
}

void Window::Detach()
{
    RectControl::Detach();
    // A control kept beyond its window must not reach the window, or a
    // parent that goes with it, any more.
    for (const auto& c : m_controls) {
        c->Detach();
        c->m_owner = nullptr;
        if (auto* r = dynamic_cast<RectControl*>(c.Raw()))
            r->m_parent = nullptr;
    }
}

bool Window::Event_MouseWheel(int, int, int, int) { return false; }

void Window::SetTitle(const String& title)
{
    m_title = title;
    if (m_frame)
        m_frame->setWindowTitle(QString::fromStdString(title.ToUTF8()));
}

void Window::SetMinWidth(int v)
{
    if (m_frame) {
        m_frame->setMinimumWidth(std::max(0, v));
        PlaceWidget();
    }
}

void Window::SetMinHeight(int v)
{
    m_minHeight = v;
    if (m_frame) {
        m_frame->setMinimumHeight(std::max(0, v) + static_cast<WindowFrame*>(m_frame)->MenuHeight());
        PlaceWidget();
    }
}

void Window::SetMaxWidth(int v)
{
    if (m_frame) {
        m_frame->setMaximumWidth(std::clamp(v, 0, QWIDGETSIZE_MAX));
        PlaceWidget();
    }
}

void Window::SetMaxHeight(int v)
{
    m_maxHeight = v;
    if (m_frame) {
        const int menu = static_cast<WindowFrame*>(m_frame)->MenuHeight();
        m_frame->setMaximumHeight(std::clamp(v, 0, QWIDGETSIZE_MAX - menu) + menu);
        PlaceWidget();
    }
}

void Window::SetVisible(bool v)
{
    if (m_embedded) {
        RectControl::SetVisible(v);
        return;
    }
    RectControl::SetVisible(v);
    // A top-level window shows once it has opened.
    if (m_opened && m_open)
        m_frame->setVisible(v);
}

void Window::SetMenuWidget(QWidget* menu)
{
    if (!m_frame)
        return;
    auto* frame = static_cast<WindowFrame*>(m_frame);
    frame->menu = menu;
    if (menu) {
        menu->setParent(frame);
        menu->show();
    }
    // The content keeps its size; the frame grows by the menu bar.
    SetMinHeight(m_minHeight);
    SetMaxHeight(m_maxHeight);
}

void Window::PlaceWidget()
{
    if (m_embedded) {
        RectControl::PlaceWidget();
        return;
    }
    auto* frame = static_cast<WindowFrame*>(m_frame);
    const int menuHeight = frame->MenuHeight();
    // Left and Top place the window's inside, not its title bar, as sizes do.
    frame->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()) + menuHeight);
    frame->LayOut();
    // Qt holds the frame within its limits; the window then has that size.
    const int width = frame->width(), height = frame->height() - menuHeight;
    if (width != Width() || height != Height())
        SetBounds(Left(), Top(), width, height);
}

void Window::SizeChanged(int dw, int dh)
{
    RectControl::SizeChanged(dw, dh);
    if (m_opened)
        RunWindowEvent(this, [this] { Event_Resized(); });
}

void Window::FrameResized(int width, int height)
{
    if (width != Width() || height != Height())
        SetBounds(Left(), Top(), width, height);
}

void Window::FrameMoved(int left, int top)
{
    // Only the window moves: its controls are counted in its content.
    m_left = left;
    m_top = top;
}

QWidget* Window::ContentWidget(int) const { return m_content; }

void Window::_AddControl(const String& name, Ref<Control> control)
{
    Control& c = control.Get();
    if (ControlNamed(name))
        throw DeclarationException("The window already has a control named " + name.ToUTF8() + ".");
    c.m_name = name;
    c.m_owner = this;
    m_controls.push_back(std::move(control));
    if (auto* r = dynamic_cast<RectControl*>(&c))
        r->PlaceWidget();
}

Ref<Control> Window::ControlNamed(const String& name) const
{
    for (const auto& c : m_controls)
        if (c->m_name.Bytes() == name.Bytes())
            return c;
    return nullptr;
}

RectControl* Window::ParentNamed(const String& name) const
{
    if (name.IsEmpty())
        return nullptr;
    auto* parent = dynamic_cast<RectControl*>(ControlNamed(name).Raw());
    if (!parent)
        throw DeclarationException("There is no control named " + name.ToUTF8() + " to hold another.");
    return parent;
}

bool Window::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Title")
        SetTitle(value.Text());
    else if (name == "MinWidth")
        SetMinWidth(value.Int());
    else if (name == "MinHeight")
        SetMinHeight(value.Int());
    else if (name == "MaxWidth")
        SetMaxWidth(value.Int());
    else if (name == "MaxHeight")
        SetMaxHeight(value.Int());
    else if (name == "CloseButton" || name == "MinimizeButton" || name == "MaximizeButton") {
        (name == "CloseButton" ? m_closeButton : name == "MinimizeButton" ? m_minimizeButton : m_maximizeButton) =
            value.Bool();
        ApplyTitleBarButtons();
    }
    else
        return StoreProperty(name, value,
                             {"Placement", "Frame", "Composite", "HasBackColor", "BackColor", "FullScreen",
                              "MenuBarVisible", "Resizeable", "LiveResize", "BalloonHelp", "MacProcID"}) ||
               RectControl::ApplyProperty(name, value);
    return true;
}

void Window::ApplyTitleBarButtons()
{
    if (!m_frame)
        return;
    // Only the buttons asked for; the title and system menu stay.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowCloseButtonHint, m_closeButton);
    flags.setFlag(Qt::WindowMinimizeButtonHint, m_minimizeButton);
    flags.setFlag(Qt::WindowMaximizeButtonHint, m_maximizeButton);
    const bool visible = m_frame->isVisible();
    m_frame->setWindowFlags(flags);
    // Changing the flags hides a shown window.
    if (visible)
        m_frame->show();
}

void Window::OpenControls()
{
    // By index: an Open handler may add controls.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        Ref<Control> c = m_controls[i];
        if (auto* container = dynamic_cast<ContainerControl*>(c.Raw())) {
            container->OpenControls();
            container->m_opened = true;
            RunWindowEvent(container, [container] { container->Event_Open(); });
        }
        if (c->HasEvent("Open"))
            c->RaiseEvent("Open");
    }
}

void Window::CloseContainers()
{
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (auto* container = dynamic_cast<ContainerControl*>(m_controls[i].Raw())) {
            RunWindowEvent(container, [container] { container->Event_Close(); });
            container->CloseContainers();
        }
}

namespace {

// The focus chain: the controls in one parent by TabIndex, each followed by
// the controls inside it.
void CollectFocusChain(const RectControl& node, std::vector<QWidget*>& chain)
{
    auto children = node.Children();
    std::stable_sort(children.begin(), children.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (RectControl* c : children) {
        QWidget* w = c->Widget();
        if (w && (w->focusPolicy() & Qt::TabFocus))
            chain.push_back(w);
        CollectFocusChain(*c, chain);
    }
}

} // namespace

void Window::UpdateTabOrder()
{
    std::vector<QWidget*> chain;
    CollectFocusChain(*this, chain);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Window::Close()
{
    if (m_embedded || !m_open)
        return;
    m_open = false;
    RunWindowEvent(this, [this] { Event_Close(); });
    CloseContainers();
    m_frame->hide();
    auto& open = OpenList();
    auto it = std::find_if(open.begin(), open.end(), [this](const Ref<Window>& w) { return w.Raw() == this; });
    if (it == open.end())
        return;
    // The window may be closing from inside one of its own events: it is
    // destroyed once control is back in the event loop, and not before the
    // handlers holding it have returned.
    Ref<Window> window = std::move(*it);
    open.erase(it);
    ReleaseLater(std::move(window));
}

// ---- WindowHold

WindowHold::WindowHold(Window* window)
{
    if (!window)
        return;
    Window* top = window;
    while (top->Owner())
        top = top->Owner();
    // Empty for a window the framework does not share (or one being destroyed).
    m_window = window->weak_from_this().lock();
    if (top != window)
        m_topLevel = top->weak_from_this().lock();
}

WindowHold::~WindowHold()
{
    // The container first: its top-level window holds it as a control.
    for (auto* held : {&m_window, &m_topLevel}) {
        // The last owner: the window was closed while the handler ran.
        if (held->use_count() == 1)
            ReleaseLater(Ref<Window>(std::move(*held)));
        held->reset();
    }
}

// ---- ContainerControl

ContainerControl::ContainerControl() : Window(Embedded{}) {}

void ContainerControl::EmbedWithinPanel(RectControl& panel, int page, int left, int top, int width, int height)
{
    const int w = width == -1 ? Width() : width;
    const int h = height == -1 ? Height() : height;
    SetParent(&panel, page + 1);
    SetBounds(Left() + left, Top() + top, w, h);
}

bool ContainerControl::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    return StoreProperty(name, value, {"UseFocusRing", "AcceptFocus", "AcceptTabs", "EraseBackground"}) ||
           Window::ApplyProperty(name, value);
}

// ---- Construction and the framework's windows

void RunDefaultWindowConstructor(const Ref<Window>& window)
{
    Window& w = window.Get();
    if (w.m_embedded) {
        w.Layout();
        w.CreateControls();
        w.AddMenuHandlers(w);
        return;
    }
    // Listed from the start, so that the window can be found while it builds.
    OpenList().push_back(window);
    w.m_open = true;
    try {
        w.Layout();
        w.CreateControls();
        w.AddMenuHandlers(w);
        w.OpenControls();
        w.m_opened = true;
        RunWindowEvent(&w, [&w] { w.Event_Open(); });
        w.UpdateTabOrder();
        if (w.m_open && w.Visible())
            w.m_frame->show();
    } catch (...) {
        auto& open = OpenList();
        open.erase(std::remove(open.begin(), open.end(), window), open.end());
        w.m_open = false;
        throw;
    }
}

void _SetProperties(Control& control, const Declaration& declaration)
{
    // Down again before DeclarationApplied, which styles the control.
    {
        const QScopedValueRollback batch(control.m_applyingDeclaration, true);
        for (const auto& p : declaration) {
            bool known = false;
            try {
                known = control.ApplyProperty(p.name, p.value);
            } catch (const DeclarationException& e) {
                throw DeclarationException(p.name + " of " + control.Name().ToUTF8() + ": " + e.Message());
            }
            if (!known)
                throw DeclarationException("The control " + control.Name().ToUTF8() + " has no property " +
                                           p.name + ".");
        }
    }
    control.DeclarationApplied();
}

void _InstallInstanceEventHandler(Control& control, const std::string& event, Delegate handler)
{
    std::string method = handler.method;
    control.Bind(event, std::move(handler));
    if (Window* owner = control.Owner())
        owner->m_bindings.push_back({control.Name().ToUTF8(), event, std::move(method)});
}

std::vector<Ref<Window>> OpenWindows() { return OpenList(); }

void ReleaseClosedWindows()
{
    while (!ClosedList().empty())
        delete ClosedList().back();
}

void ReleaseAllWindows()
{
    ReleaseClosedWindows();
    auto open = std::move(OpenList());
    OpenList().clear();
}

} // namespace fw
