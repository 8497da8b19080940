#pragma once

#include <string>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "framework/ui/declaration.h"
#include "framework/ui/menu.h"

namespace fw {

// A window: a top-level window on the screen, or (as ContainerControl) a set
// of controls embedded in another window. It holds its controls by name, in
// creation order. Its Width and Height are those of its content; a menu bar
// stands above the content.
class Window : public RectControl, public std::enable_shared_from_this<Window> {
public:
    // One event binding, in the order the bindings were made.
    struct Binding {
        std::string control;
        std::string event;
        std::string method;
    };

    Window();
    ~Window() override;

    // Construction hooks, run in this order by RunDefaultWindowConstructor.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window&) {}

    // The window's own events.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_Resized() {}
    // One notch of the wheel is a delta of 1; DeltaY is positive when the
    // user scrolls down. Returns whether the event was handled.
    virtual bool Event_MouseWheel(int x, int y, int deltaX, int deltaY);

    String Title() const { return m_title; }
    void SetTitle(const String& title);
    void SetMinWidth(int v);
    void SetMinHeight(int v);
    void SetMaxWidth(int v);
    void SetMaxHeight(int v);
    void SetVisible(bool v) override;

    // A top-level window shows the bar as a Qt menu bar above its content.
    void SetMenuBar(Ref<fw::MenuBar> bar);
    Ref<fw::MenuBar> MenuBar() const { return m_menuBar; }
    // The Qt widget that realises the menu bar; it stands above the content.
    void SetMenuWidget(QWidget* menu);

    // Closes a top-level window: its Close event, then that of each embedded
    // container; then it disappears and the framework lets go of it.
    void Close();
    bool IsOpen() const { return m_open; }

    // Adds a control under its name; the window holds it from then on.
    // A second control of the same name raises DeclarationException.
    void _AddControl(const String& name, Ref<Control> control);
    const std::vector<Ref<Control>>& Controls() const { return m_controls; }
    // The control of that name, or nil.
    Ref<Control> ControlNamed(const String& name) const;
    const std::vector<Binding>& Bindings() const { return m_bindings; }

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    QWidget* ContentWidget(int tabPanelIndex) const override;

protected:
    // For ContainerControl: a window whose widget sits inside another.
    struct Embedded {};
    explicit Window(Embedded);
    void PlaceWidget() override;
    void SizeChanged(int deltaWidth, int deltaHeight) override;
    void Detach() override;

private:
    friend class RectControl;
    friend void RunDefaultWindowConstructor(const Ref<Window>& window);
    friend void _InstallInstanceEventHandler(Control& control, const std::string& event, Delegate handler);
    friend class WindowFrame;

    // The control a declaration names as its parent; nullptr for "".
    RectControl* ParentNamed(const String& name) const;
    void OpenControls();
    void CloseContainers();
    void UpdateTabOrder();
    void FrameResized(int width, int height);
    void FrameMoved(int left, int top);
    // A top-level window's title bar offers only the buttons declared.
    void ApplyTitleBarButtons();

    bool m_embedded = false;
    bool m_opened = false; // its Open event has come
    bool m_open = false;   // on the framework's list of open windows
    String m_title;
    int m_minHeight = 0, m_maxHeight = 32000;
    bool m_closeButton = true, m_minimizeButton = true, m_maximizeButton = true;
    Ref<fw::MenuBar> m_menuBar;
    std::vector<Ref<Control>> m_controls;
    std::vector<Binding> m_bindings;
    QWidget* m_frame = nullptr;   // top-level only
    QWidget* m_content = nullptr; // holds the controls' widgets
    QWidget* m_menuWidget = nullptr;
};

// A window embedded in a page of a tab panel or in another window. Its
// Open event goes to the handler its owner binds.
class ContainerControl : public Window {
public:
    ContainerControl();

    // Moves the container onto a page (from 0) of a tab panel of its owner.
    // left and top shift it from its declared place; a width or height of
    // -1 keeps the declared one.
    void EmbedWithinPanel(RectControl& panel, int page, int left, int top, int width, int height);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

// The framework's default window constructor: runs Layout, CreateControls
// and AddMenuHandlers. For a top-level window it then opens every control
// (the controls of an embedded container first, then the container's Open),
// raises the window's own Open last and shows the window, which the
// framework then keeps until it is closed.
void RunDefaultWindowConstructor(const Ref<Window>& window);

// Applies a declaration's properties in their order; a property the class
// does not have raises DeclarationException.
void _SetProperties(Control& control, const Declaration& declaration);

// Binds one event of a control, by name, to a delegate, and records the
// binding with the control's owner.
void _InstallInstanceEventHandler(Control& control, const std::string& event, Delegate handler);

// The owner's control of that name, cast to T; nil when there is none, and
// IllegalCastException when it is of another class.
template <class T = Control>
Ref<T> RuntimeWindowControlByName(const Window& owner, const String& name)
{
    return Cast<T>(owner.ControlNamed(name));
}

// The open top-level windows, oldest first.
std::vector<Ref<Window>> OpenWindows();
// The first open window of class T, or nil.
template <class T>
Ref<T> _GetImplicitWindow()
{
    for (const auto& w : OpenWindows())
        if (auto p = std::dynamic_pointer_cast<T>(w.Shared()))
            return Ref<T>(std::move(p));
    return nullptr;
}
// Keeps a window, and the top-level window it sits in, alive while one of
// its handlers runs: the handler may close it, or a timer may while the
// handler's message box is open, and it still finds its window when that
// returns. A closed window whose last hold ends is not destroyed there
// (that may be inside an event of one of its own widgets) but once control
// is back in the event loop at the level where the hold ended.
class WindowHold {
public:
    explicit WindowHold(Window* window);
    ~WindowHold();
    WindowHold(const WindowHold&) = delete;
    WindowHold& operator=(const WindowHold&) = delete;

private:
    std::shared_ptr<Window> m_window, m_topLevel;
};

// Destroys the closed windows still waiting for the event loop. The
// framework destroys each closed window on its own once control is back in
// the event loop where it closed, or where the last handler holding it
// returned.
void ReleaseClosedWindows();
// Closes nothing: lets go of every window, open or closed (at shutdown).
void ReleaseAllWindows();

} // namespace fw
