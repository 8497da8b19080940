#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/text.h"
#include "framework/ui/declaration.h"

class QWidget;

namespace fw {

class Control;
class Window;

// A handler bound to one event of one control: a method of the control's
// owner, called with the control that raised the event.
struct Delegate {
    std::string method;
    std::function<void(Control& sender)> call;
};

// The checked cast of a sender to the class its handler expects.
template <class T>
T& SenderAs(Control& sender)
{
    if (auto* p = dynamic_cast<T*>(&sender))
        return *p;
    throw IllegalCastException();
}

// A handler method of an owner class, whatever class of sender it takes, so
// that binding tables can list them side by side.
template <class Owner>
class Method {
public:
    template <class Sender>
    Method(void (Owner::*method)(Sender&))
        : m_call([method](Owner& owner, Control& sender) { (owner.*method)(SenderAs<Sender>(sender)); })
    {
    }
    void operator()(Owner& owner, Control& sender) const { m_call(owner, sender); }

private:
    std::function<void(Owner&, Control&)> m_call;
};

// A delegate for one method of an owner, bound to that owner.
template <class Owner>
Delegate RuntimeCreateDelegate(Owner& owner, Method<Owner> method, std::string name)
{
    Owner* target = &owner;
    return {std::move(name), [target, method](Control& sender) { method(*target, sender); }};
}

template <class Owner, class Sender>
Delegate RuntimeCreateDelegate(Owner& owner, void (Owner::*method)(Sender&), std::string name)
{
    return RuntimeCreateDelegate(owner, Method<Owner>(method), std::move(name));
}

// Anything a window holds by name: every control, with or without a place
// on the screen.
class Control : public Object {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    String Name() const { return m_name; }
    void SetName(const String& name) { m_name = name; }
    std::int32_t Index() const { return m_index; }
    // The window or container that holds the control; nullptr before it is added.
    Window* Owner() const { return m_owner; }

    // Applies one declared property; false when the class has no property
    // of that name.
    virtual bool ApplyProperty(const std::string& name, const PropertyValue& value);
    // A declared property that is kept without effect here, if declared.
    std::optional<PropertyValue> StoredProperty(const std::string& name) const;

    virtual bool HasEvent(std::string_view event) const;
    // Binds the event to a handler; raises DeclarationException for an
    // event the class does not have.
    void Bind(const std::string& event, Delegate handler);
    // Runs the event's handler, if one is bound, through RunHandler; raises
    // DeclarationException for an event the class does not have, so a
    // misspelt name cannot pass unnoticed.
    void RaiseEvent(std::string_view event);

    // True once the control is being torn down: its widget raises nothing.
    bool Detached() const { return m_detached; }

protected:
    // While a declaration is being applied, styles wait for its end:
    // re-styling after each of its properties would repeat the same work.
    bool ApplyingDeclaration() const { return m_applyingDeclaration; }
    virtual void DeclarationApplied() {}

    // Keeps the value when the name is one of the accepted ones.
    bool StoreProperty(const std::string& name, const PropertyValue& value,
                       std::initializer_list<std::string_view> accepted);
    virtual void Detach() { m_detached = true; }

private:
    friend class Window;
    String m_name;
    std::int32_t m_index = NotInControlArray;
    Window* m_owner = nullptr;
    std::map<std::string, Delegate, std::less<>> m_handlers;
    std::map<std::string, PropertyValue, std::less<>> m_stored;
    bool m_detached = false;
    bool m_applyingDeclaration = false;
    friend void _SetProperties(Control& control, const Declaration& declaration);
};

// A control with a rectangle: a Qt widget behind it, a place in its owner
// and edge locks. Left and Top are measured in the owner's content, also for
// a control that sits inside another control (a canvas, a tab panel).
class RectControl : public Control {
public:
    ~RectControl() override;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, m_top, m_width, m_height); }
    void SetTop(int v) { SetBounds(m_left, v, m_width, m_height); }
    void SetWidth(int v) { SetBounds(m_left, m_top, v, m_height); }
    void SetHeight(int v) { SetBounds(m_left, m_top, m_width, v); }
    // Moves and sizes the control. A change of size lets the controls
    // inside follow their edge locks. Raises NilObjectException once the
    // control's window has been released.
    void SetBounds(int left, int top, int width, int height);

    bool LockLeft() const { return m_lockLeft; }
    bool LockTop() const { return m_lockTop; }
    bool LockRight() const { return m_lockRight; }
    bool LockBottom() const { return m_lockBottom; }

    int TabIndex() const { return m_tabIndex; }
    // The page of a parent tab panel, counted from 1; 0: not on a panel page.
    int TabPanelIndex() const { return m_tabPanelIndex; }
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool v);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v);

    // The control it sits in; nullptr when it sits directly on its owner.
    RectControl* Parent() const { return m_parent; }
    // Puts the control into another of its owner's controls (nullptr: the
    // owner itself), on a page of it when that is a tab panel.
    void SetParent(RectControl* parent, int tabPanelIndex);
    // The controls sitting directly in this one, in creation order.
    std::vector<RectControl*> Children() const;

    // Asks for a redraw.
    void Refresh();

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    bool HasEvent(std::string_view event) const override;

    // The Qt widget that stands for the control in its parent; nullptr once
    // its window has been released.
    QWidget* Widget() const;
    // The widget of a control that is still in use; raises NilObjectException
    // once its window has been released, as for any object that is gone.
    QWidget& LiveWidget() const;
    // The widget that holds the widgets of controls placed inside this one.
    virtual QWidget* ContentWidget(int tabPanelIndex) const;
    // Whether the widget is on screen now (itself and every parent shown).
    bool IsShown() const;

protected:
    // Takes ownership of the widget.
    explicit RectControl(QWidget* widget);
    // Puts the widget where the control's rectangle says, in the widget of
    // its parent or owner.
    virtual void PlaceWidget();
    // After the control's own size changed: the controls inside follow
    // their locks.
    virtual void SizeChanged(int deltaWidth, int deltaHeight);
    void Detach() override;

private:
    friend class Window;
    struct WidgetRef;
    std::unique_ptr<WidgetRef> m_widget;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_lockLeft = false, m_lockTop = false, m_lockRight = false, m_lockBottom = false;
    int m_tabIndex = 0;
    int m_tabPanelIndex = 0;
    bool m_visible = true;
    bool m_enabled = true;
    RectControl* m_parent = nullptr;
};

} // namespace fw
