#include "framework/ui/tab_panel.h"

#include "framework/ui/qt_text_style.h"

#include <QFrame>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabBar>
#include <algorithm>

namespace fw {

namespace {

// The tab bar along the top over a framed area. Each page covers the whole
// panel, so that a control's place on it is its place in the panel.
class TabPanelWidget : public QWidget {
public:
    TabPanelWidget() : bar(new QTabBar(this)), frame(new QFrame(this))
    {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setDrawBase(false);
        frame->setFrameShape(QFrame::StyledPanel);
        AddPage();
    }

    QTabBar* bar;
    QFrame* frame;
    std::vector<QWidget*> pages;
    TextStyle style;

    void AddPage()
    {
        auto* page = new QWidget(this);
        page->setGeometry(rect());
        pages.push_back(page);
        bar->raise();
    }

    void LayOut()
    {
        const int barHeight = bar->sizeHint().height();
        bar->setGeometry(4, 0, std::min(bar->sizeHint().width(), std::max(0, width() - 8)), barHeight);
        frame->setGeometry(0, barHeight - 1, width(), std::max(0, height() - barHeight + 1));
        for (QWidget* page : pages)
            page->setGeometry(rect());
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        LayOut();
    }
};

TabPanelWidget* Panel(const RectControl& c) { return static_cast<TabPanelWidget*>(&c.LiveWidget()); }

} // namespace

TabPanel::TabPanel() : RectControl(new TabPanelWidget)
{
    auto* panel = Panel(*this);
    panel->bar->setFont(panel->style.Font());
    QObject::connect(panel->bar, &QTabBar::currentChanged, panel, [this](int index) {
        if (index >= 0 && index != m_value) {
            m_value = index;
            ShowPage();
        }
    });
    ShowPage();
}

void TabPanel::SetValue(int page)
{
    m_value = page;
    auto* panel = Panel(*this);
    const QSignalBlocker block(panel->bar);
    panel->bar->setCurrentIndex(page);
    ShowPage();
}

void TabPanel::SetTabDefinition(const String& definition)
{
    auto* panel = Panel(*this);
    const QStringList captions =
        QString::fromStdString(definition.ToUTF8()).split(QRegularExpression("\r\n|\r|\n"));
    {
        const QSignalBlocker block(panel->bar);
        while (panel->bar->count() > 0)
            panel->bar->removeTab(0);
        for (const QString& caption : captions)
            panel->bar->addTab(caption);
        panel->bar->setCurrentIndex(m_value);
    }
    // Pages are never taken away: controls may stand on them.
    while (static_cast<int>(panel->pages.size()) < captions.size())
        panel->AddPage();
    panel->LayOut();
    ShowPage();
}

int TabPanel::PanelCount() const { return Panel(*this)->bar->count(); }

void TabPanel::ShowPage()
{
    const auto& pages = Panel(*this)->pages;
    for (std::size_t i = 0; i < pages.size(); ++i)
        pages[i]->setVisible(static_cast<int>(i) == m_value);
}

QWidget* TabPanel::ContentWidget(int tabPanelIndex) const
{
    const auto& pages = Panel(*this)->pages;
    const int page = std::clamp(tabPanelIndex - 1, 0, static_cast<int>(pages.size()) - 1);
    return pages[static_cast<std::size_t>(page)];
}

bool TabPanel::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    auto* panel = Panel(*this);
    if (name == "Value")
        SetValue(value.Int());
    else if (name == "TabDefinition")
        SetTabDefinition(value.Text());
    else if (panel->style.Apply(name, value)) {
        if (!ApplyingDeclaration())
            DeclarationApplied();
    } else
        return StoreProperty(name, value, {"Facing", "SmallTabs"}) || RectControl::ApplyProperty(name, value);
    return true;
}

void TabPanel::DeclarationApplied()
{
    auto* panel = Panel(*this);
    panel->bar->setFont(panel->style.Font());
    panel->LayOut();
}

} // namespace fw
