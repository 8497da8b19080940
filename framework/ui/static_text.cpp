#include "framework/ui/static_text.h"

#include "framework/ui/qt_text_style.h"

#include <QLabel>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// A label laid out with a little more room between lines than the Tahoma
// that stands in on Linux gives (its lines are tighter than the layouts
// were drawn for).
class StaticTextWidget : public QLabel {
public:
    StaticTextWidget() { setTextFormat(Qt::PlainText); }
    TextStyle style;

    int heightForWidth(int width) const override
    {
        QTextLayout layout;
        return LayOut(layout, width);
    }
    QSize sizeHint() const override
    {
        QTextLayout layout;
        const int height = LayOut(layout, wordWrap() ? width() : QWIDGETSIZE_MAX);
        qreal widest = 0;
        for (int i = 0; i < layout.lineCount(); ++i)
            widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
        return QSize(static_cast<int>(std::ceil(widest)), height);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        QTextLayout layout;
        LayOut(layout, width());
        layout.draw(&painter, QPointF(0, 0));
    }

private:
    int LineHeight() const
    {
        const QFontMetrics metrics(font());
        return std::max(metrics.lineSpacing(), metrics.height() + 1);
    }

    // Lays the text out in lines of the width; returns the height used.
    int LayOut(QTextLayout& layout, int width) const
    {
        QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setText(text());
        layout.setFont(font());
        layout.setTextOption(option);
        const int lineHeight = LineHeight();
        int y = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += lineHeight;
        }
        layout.endLayout();
        return y;
    }
};

StaticTextWidget* Label(const RectControl& c) { return static_cast<StaticTextWidget*>(&c.LiveWidget()); }

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
    if (!ApplyingDeclaration())
        ApplyStyle();
    return true;
}

void StaticText::DeclarationApplied() { ApplyStyle(); }

} // namespace fw
