#include "framework/ui/push_button.h"

#include "framework/ui/qt_text_style.h"

#include <QPushButton>

namespace fw {

namespace {

class PushButtonWidget : public QPushButton {
public:
    TextStyle style;
};

PushButtonWidget* Button(const RectControl& c) { return static_cast<PushButtonWidget*>(&c.LiveWidget()); }

} // namespace

PushButton::PushButton() : RectControl(new PushButtonWidget)
{
    auto* button = Button(*this);
    button->setFont(button->style.Font());
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseEvent("Action"); });
}

void PushButton::SetCaption(const String& caption)
{
    m_caption = caption;
    Button(*this)->setText(QString::fromStdString(caption.ToUTF8()));
}

bool PushButton::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    auto* button = Button(*this);
    if (name == "Caption")
        SetCaption(value.Text());
    else if (name == "Default")
        button->setDefault(value.Bool());
    else if (button->style.Apply(name, value))
        button->setFont(button->style.Font());
    else
        return StoreProperty(name, value, {"Cancel"}) || RectControl::ApplyProperty(name, value);
    return true;
}

bool PushButton::HasEvent(std::string_view event) const { return event == "Action" || RectControl::HasEvent(event); }

} // namespace fw
