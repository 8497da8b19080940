#include "framework/ui/edit_field.h"

#include "framework/ui/qt_text_style.h"

#include <QFocusEvent>
#include <QPalette>
#include <QPlainTextEdit>

namespace fw {

namespace {

class EditFieldWidget : public QPlainTextEdit {
public:
    explicit EditFieldWidget(EditField* field) : m_field(field) {}
    TextStyle style;

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QPlainTextEdit::focusInEvent(e);
        m_field->RaiseEvent("GotFocus");
    }

private:
    EditField* m_field;
};

EditFieldWidget* Edit(const RectControl& c) { return static_cast<EditFieldWidget*>(&c.LiveWidget()); }

// The line break a text uses, so that text handed back keeps it.
String LineBreakOf(const std::string& text)
{
    if (text.find("\r\n") != std::string::npos)
        return "\r\n";
    if (text.find('\r') != std::string::npos)
        return "\r";
    return "\n";
}

} // namespace

EditField::EditField() : RectControl(new EditFieldWidget(this))
{
    auto* edit = Edit(*this);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] {
        if (!m_settingText)
            RaiseEvent("TextChange");
    });
    ApplyStyle();
}

String EditField::Text() const
{
    // The raw text keeps non-breaking spaces; paragraphs end in U+2029.
    QString text = Edit(*this)->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QString::fromStdString(m_lineBreak.ToUTF8()));
    return String(text.toStdString());
}

void EditField::SetText(const String& text)
{
    const std::string utf8 = text.ToUTF8();
    m_lineBreak = LineBreakOf(utf8);
    m_settingText = true;
    Edit(*this)->setPlainText(QString::fromStdString(utf8));
    m_settingText = false;
}

void EditField::SetAcceptTabs(bool accept)
{
    m_acceptTabs = accept;
    Edit(*this)->setTabChangesFocus(!accept);
}

void EditField::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    Edit(*this)->setReadOnly(readOnly);
}

void EditField::ApplyStyle()
{
    auto* edit = Edit(*this);
    edit->setTabChangesFocus(!m_acceptTabs);
    edit->setFrameShape(m_border ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(m_scrollbarVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(m_scrollbarHorizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(m_scrollbarHorizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, ToQColor(m_textColor));
    palette.setColor(QPalette::Base, ToQColor(m_backColor));
    edit->setPalette(palette);
    edit->setFont(edit->style.Font());
}

bool EditField::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Text")
        SetText(value.Text());
    else if (name == "AcceptTabs")
        SetAcceptTabs(value.Bool());
    else if (name == "ReadOnly")
        SetReadOnly(value.Bool());
    else if (name == "Border")
        m_border = value.Bool();
    else if (name == "ScrollbarVertical")
        m_scrollbarVertical = value.Bool();
    else if (name == "ScrollbarHorizontal")
        m_scrollbarHorizontal = value.Bool();
    else if (name == "TextColor")
        m_textColor = value.ColorValue();
    else if (name == "BackColor")
        m_backColor = value.ColorValue();
    else if (!Edit(*this)->style.Apply(name, value))
        return StoreProperty(name, value,
                             {"Multiline", "Styled", "Password", "UseFocusRing", "Format", "Mask", "LimitText",
                              "Alignment", "DataSource", "DataField"}) ||
               RectControl::ApplyProperty(name, value);
    if (!ApplyingDeclaration())
        ApplyStyle();
    return true;
}

void EditField::DeclarationApplied() { ApplyStyle(); }

bool EditField::HasEvent(std::string_view event) const
{
    return event == "GotFocus" || event == "TextChange" || RectControl::HasEvent(event);
}

} // namespace fw
