#include "framework/ui/control.h"

#include "framework/ui/dispatch.h"
#include "framework/ui/window.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace fw {

// ---- Control

bool Control::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Name")
        m_name = value.Text();
    else if (name == "Index")
        m_index = value.Int();
    else
        return false;
    return true;
}

std::optional<PropertyValue> Control::StoredProperty(const std::string& name) const
{
    auto it = m_stored.find(name);
    if (it == m_stored.end())
        return std::nullopt;
    return it->second;
}

bool Control::StoreProperty(const std::string& name, const PropertyValue& value,
                            std::initializer_list<std::string_view> accepted)
{
    if (std::find(accepted.begin(), accepted.end(), name) == accepted.end())
        return false;
    m_stored.insert_or_assign(name, value);
    return true;
}

bool Control::HasEvent(std::string_view) const { return false; }

void Control::Bind(const std::string& event, Delegate handler)
{
    if (!HasEvent(event))
        throw DeclarationException("The control " + m_name.ToUTF8() + " has no event " + event + ".");
    m_handlers.insert_or_assign(event, std::move(handler));
}

void Control::RaiseEvent(std::string_view event)
{
    if (!HasEvent(event))
        throw DeclarationException("The control " + m_name.ToUTF8() + " has no event " + std::string(event) + ".");
    if (m_detached)
        return;
    auto it = m_handlers.find(event);
    if (it == m_handlers.end())
        return;
    // The handler may rebind the event; it runs from its own copy.
    const auto call = it->second.call;
    // It may also close the window, which stays until the handler returns.
    const WindowHold hold(m_owner);
    RunHandler([&] { call(*this); });
}

// ---- RectControl

struct RectControl::WidgetRef {
    QPointer<QWidget> widget;
};

RectControl::RectControl(QWidget* widget) : m_widget(std::make_unique<WidgetRef>())
{
    m_widget->widget = widget;
    // A control has no size until it is declared or given one.
    widget->setGeometry(0, 0, 0, 0);
}

RectControl::~RectControl()
{
    Detach();
    delete m_widget->widget.data();
}

void RectControl::Detach()
{
    Control::Detach();
    // Lambdas connected to the widget's signals, or to the signals of an
    // object inside it (a field's document, a panel's tab bar) with the
    // widget as their context, refer to this control: they are all cut.
    // Qt's own connections inside the widget go too; the widget is
    // destroyed right after.
    if (QWidget* w = Widget()) {
        QObject::disconnect(w, nullptr, nullptr, nullptr);
        for (QObject* inner : w->findChildren<QObject*>())
            QObject::disconnect(inner, nullptr, w, nullptr);
    }
}

QWidget* RectControl::Widget() const { return m_widget->widget.data(); }

QWidget& RectControl::LiveWidget() const
{
    QWidget* w = Widget();
    if (Detached() || !w)
        throw NilObjectException("The control " + Name().ToUTF8() + " was used after its window was released.");
    return *w;
}

QWidget* RectControl::ContentWidget(int) const { return Widget(); }

bool RectControl::IsShown() const
{
    QWidget* w = Widget();
    return w && w->isVisible();
}

void RectControl::SetBounds(int left, int top, int width, int height)
{
    LiveWidget();
    const int dx = left - m_left, dy = top - m_top;
    const int dw = width - m_width, dh = height - m_height;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    // Controls placed inside this one are counted in the same owner's
    // content, so they move along (their widgets stay put inside this one's).
    // A window's own controls are counted in the window and stay.
    if (dx != 0 || dy != 0)
        for (RectControl* c : Children())
            if (c->Owner() != this)
                c->SetBounds(c->m_left + dx, c->m_top + dy, c->m_width, c->m_height);
    PlaceWidget();
    if (dw != 0 || dh != 0)
        SizeChanged(dw, dh);
}

void RectControl::SizeChanged(int dw, int dh)
{
    for (RectControl* c : Children()) {
        int left = c->m_left, top = c->m_top, width = c->m_width, height = c->m_height;
        if (c->m_lockLeft && c->m_lockRight)
            width += dw;
        else if (c->m_lockRight)
            left += dw;
        if (c->m_lockTop && c->m_lockBottom)
            height += dh;
        else if (c->m_lockBottom)
            top += dh;
        c->SetBounds(left, top, width, height);
    }
}

void RectControl::SetVisible(bool v)
{
    m_visible = v;
    QWidget* w = Widget();
    // A widget without a parent would show as a window of its own.
    if (w && w->parentWidget())
        w->setVisible(v);
}

void RectControl::SetEnabled(bool v)
{
    m_enabled = v;
    if (QWidget* w = Widget())
        w->setEnabled(v);
}

void RectControl::SetParent(RectControl* parent, int tabPanelIndex)
{
    m_parent = parent;
    m_tabPanelIndex = tabPanelIndex;
    PlaceWidget();
}

std::vector<RectControl*> RectControl::Children() const
{
    std::vector<RectControl*> out;
    auto collect = [&](const Window& owner, const RectControl* parent) {
        for (const auto& c : owner.Controls())
            if (auto* r = dynamic_cast<RectControl*>(c.Raw()); r && r->m_parent == parent)
                out.push_back(r);
    };
    if (const auto* self = dynamic_cast<const Window*>(this))
        collect(*self, nullptr);
    if (Owner())
        collect(*Owner(), this);
    return out;
}

void RectControl::PlaceWidget()
{
    QWidget* w = Widget();
    if (!w)
        return;
    QWidget* host = nullptr;
    int originX = 0, originY = 0;
    if (m_parent) {
        host = m_parent->ContentWidget(m_tabPanelIndex);
        originX = m_parent->m_left;
        originY = m_parent->m_top;
    } else if (Owner()) {
        host = Owner()->ContentWidget(0);
    }
    if (host && w->parentWidget() != host) {
        w->setParent(host);
        w->setVisible(m_visible);
    }
    w->setGeometry(m_left - originX, m_top - originY, std::max(0, m_width), std::max(0, m_height));
}

void RectControl::Refresh()
{
    if (QWidget* w = Widget())
        w->update();
}

bool RectControl::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Left")
        SetLeft(value.Int());
    else if (name == "Top")
        SetTop(value.Int());
    else if (name == "Width")
        SetWidth(value.Int());
    else if (name == "Height")
        SetHeight(value.Int());
    else if (name == "LockLeft")
        m_lockLeft = value.Bool();
    else if (name == "LockTop")
        m_lockTop = value.Bool();
    else if (name == "LockRight")
        m_lockRight = value.Bool();
    else if (name == "LockBottom")
        m_lockBottom = value.Bool();
    else if (name == "TabIndex")
        m_tabIndex = value.Int();
    else if (name == "TabPanelIndex")
        SetParent(m_parent, value.Int());
    else if (name == "Visible")
        SetVisible(value.Bool());
    else if (name == "Enabled")
        SetEnabled(value.Bool());
    else if (name == "InitialParent")
        SetParent(Owner() ? Owner()->ParentNamed(value.Text()) : nullptr, m_tabPanelIndex);
    else
        return StoreProperty(name, value, {"AutoDeactivate", "HelpTag"}) || Control::ApplyProperty(name, value);
    return true;
}

bool RectControl::HasEvent(std::string_view event) const { return event == "Open"; }

} // namespace fw
