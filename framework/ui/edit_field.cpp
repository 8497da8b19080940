#include "framework/ui/edit_field.h"

#include "framework/ui/qt_text_style.h"

#include <QFocusEvent>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

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
    // Every paste and drop comes here. Qt 6.4 reads the first of the data's
    // formats unchecked, and an empty clipboard or a holder that does not
    // answer gives data with none.
    void insertFromMimeData(const QMimeData* source) override
    {
        if (source && !source->formats().isEmpty())
            QPlainTextEdit::insertFromMimeData(source);
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

// Qt's word-boundary wrap looks for a break across the whole of a run
// without one for every line it makes: quadratic in the run's length. No
// line of a field holds this many characters, and below it the cost is nil.
constexpr int kLongRun = 1000;
// Up to this length a text is scanned again when an edit may have removed
// its last long run; beyond it the field keeps wrapping anywhere until the
// next SetText, so that no keystroke scans a long text.
constexpr int kRescanLimit = 64 * 1024;

// Spaces that allow no line break do not end a run.
bool EndsRun(QChar c)
{
    return c.isSpace() && c != QChar::Nbsp && c != QChar(0x2007) && c != QChar(0x202F);
}

bool HasLongRun(const QString& text)
{
    int run = 0;
    for (const QChar c : text) {
        run = EndsRun(c) ? 0 : run + 1;
        if (run > kLongRun)
            return true;
    }
    return false;
}

// The document's text from one position to another, clamped to its length.
QString TextBetween(QTextDocument& document, int from, int to)
{
    const int end = document.characterCount() - 1;
    QTextCursor cursor(&document);
    cursor.setPosition(std::clamp(from, 0, end));
    cursor.setPosition(std::clamp(to, 0, end), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

EditField::EditField() : RectControl(new EditFieldWidget(this))
{
    auto* edit = Edit(*this);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] {
        if (m_settingText)
            return;
        m_edited = true;
        RaiseEvent("TextChange");
    });
    // Before the document lays the change out, so that it does so in the
    // wrap mode the new text needs.
    QObject::connect(edit->document(), &QTextDocument::contentsChange, edit, [this](int at, int removed, int added) {
        if (!m_settingText)
            UpdateWrapAfterEdit(at, removed, added);
    });
    ApplyStyle();
}

String EditField::Text() const
{
    auto* edit = Edit(*this);
    // Until the user edits it, the field gives back exactly what it was
    // given: the document keeps neither mixed line breaks nor a leading BOM.
    if (!m_edited)
        return m_given;
    // The raw text keeps non-breaking spaces; paragraphs end in U+2029, and
    // Shift+Return breaks a line with U+2028.
    QString text = edit->document()->toRawText();
    const QString lineBreak = QString::fromStdString(m_lineBreak.ToUTF8());
    text.replace(QChar::ParagraphSeparator, lineBreak);
    text.replace(QChar::LineSeparator, lineBreak);
    return String(text.toStdString());
}

void EditField::SetText(const String& text)
{
    const std::string utf8 = text.ToUTF8();
    const QString shown = QString::fromStdString(utf8);
    m_lineBreak = LineBreakOf(utf8);
    m_given = text;
    m_edited = false;
    const QScopedValueRollback<bool> setting(m_settingText, true);
    auto* edit = Edit(*this);
    const bool anywhere = HasLongRun(shown);
    // Changing the wrap mode lays the field's text out again, and a long run
    // laid out at word boundaries costs the square of its length. So the old
    // text goes first, the mode changes on the empty field, and the new text
    // is laid out once, in the mode it needs.
    if (anywhere != m_wrapAnywhere) {
        edit->clear();
        SetWrapAnywhere(anywhere);
    }
    edit->setPlainText(shown);
}

void EditField::SetWrapAnywhere(bool anywhere)
{
    if (anywhere == m_wrapAnywhere)
        return;
    m_wrapAnywhere = anywhere;
    Edit(*this)->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void EditField::UpdateWrapAfterEdit(int at, int removed, int added)
{
    QTextDocument& document = *Edit(*this)->document();
    if (!m_wrapAnywhere) {
        // Only the run through the changed part can have grown.
        SetWrapAnywhere(HasLongRun(TextBetween(document, at - kLongRun - 1, at + added + kLongRun + 1)));
    } else if (removed > 0 && document.characterCount() <= kRescanLimit) {
        SetWrapAnywhere(HasLongRun(document.toRawText()));
    }
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
