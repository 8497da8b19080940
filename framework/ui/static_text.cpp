#include "framework/ui/static_text.h"

#include "framework/ui/qt_text_style.h"

#include <QLabel>
#include <QPalette>

namespace fw {

namespace {

class StaticTextWidget : public QLabel {
public:
    StaticTextWidget() { setTextFormat(Qt::PlainText); }
    TextStyle style;
};

StaticTextWidget* Label(const RectControl& c) { return static_cast<StaticTextWidget*>(c.Widget()); }

} // namespace

StaticText::StaticText() : RectControl(new StaticTextWidget) { ApplyStyle(); }

void StaticText::SetText(const String& text)
{
    m_text = text;
    Label(*this)->setText(QString::fromStdString(text.ToUTF8()));
}

void StaticText::SetMultiline(bool multiline)
{
    m_multiline = multiline;
    ApplyStyle();
}

void StaticText::ApplyStyle()
{
    auto* label = Label(*this);
    label->setWordWrap(m_multiline);
    const Qt::Alignment horizontal = m_textAlign == 1 ? Qt::AlignHCenter : m_textAlign == 2 ? Qt::AlignRight
                                                                                            : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(m_textColor));
    label->setPalette(palette);
    label->setFont(label->style.Font());
}

bool StaticText::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Text")
        SetText(value.Text());
    else if (name == "Multiline")
        m_multiline = value.Bool();
    else if (name == "TextAlign")
        m_textAlign = value.Int();
    else if (name == "TextColor")
        m_textColor = value.ColorValue();
    else if (!Label(*this)->style.Apply(name, value))
        return StoreProperty(name, value, {"DataSource", "DataField"}) || RectControl::ApplyProperty(name, value);
    ApplyStyle();
    return true;
}

} // namespace fw
