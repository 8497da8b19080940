#include "framework/ui/scroll_bar.h"

#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

namespace fw {

namespace {

class ScrollBarWidget : public QScrollBar {
public:
    ScrollBarWidget() : QScrollBar(Qt::Vertical) { setFocusPolicy(Qt::NoFocus); }

protected:
    // The wheel belongs to the window, which decides how far it scrolls.
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }
};

QScrollBar* Bar(const RectControl& c) { return static_cast<QScrollBar*>(&c.LiveWidget()); }

} // namespace

ScrollBar::ScrollBar() : RectControl(new ScrollBarWidget)
{
    auto* bar = Bar(*this);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this](int action) { UserAction(action); });
    SyncWidget();
}

void ScrollBar::SetMinimum(int v)
{
    m_minimum = v;
    SyncWidget();
}

void ScrollBar::SetMaximum(int v)
{
    m_maximum = v;
    SyncWidget();
}

void ScrollBar::SetValue(int v)
{
    if (v == m_value)
        return;
    m_value = v;
    SyncWidget();
    if (m_raising)
        return;
    const QScopedValueRollback raising(m_raising, true);
    // Again while the handler left the value other than it found it.
    int seen;
    do {
        seen = m_value;
        RaiseEvent("ValueChanged");
    } while (m_value != seen && !Detached());
}

void ScrollBar::SetLineStep(int v)
{
    m_lineStep = v;
    SyncWidget();
}

void ScrollBar::SetPageStep(int v)
{
    m_pageStep = v;
    SyncWidget();
}

void ScrollBar::SetLiveScroll(bool live) { Bar(*this)->setTracking(live); }

void ScrollBar::SyncWidget()
{
    auto* bar = Bar(*this);
    const QSignalBlocker block(bar);
    bar->setRange(m_minimum, std::max(m_minimum, m_maximum));
    bar->setSingleStep(std::max(1, m_lineStep));
    bar->setPageStep(std::max(1, m_pageStep));
    bar->setValue(std::clamp(m_value, bar->minimum(), bar->maximum()));
}

void ScrollBar::UserAction(int action)
{
    // The step is taken from our own value, not from Qt's clamped one.
    int v = m_value;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: v += m_lineStep; break;
    case QAbstractSlider::SliderSingleStepSub: v -= m_lineStep; break;
    case QAbstractSlider::SliderPageStepAdd: v += m_pageStep; break;
    case QAbstractSlider::SliderPageStepSub: v -= m_pageStep; break;
    case QAbstractSlider::SliderToMinimum: v = m_minimum; break;
    case QAbstractSlider::SliderToMaximum: v = m_maximum; break;
    case QAbstractSlider::SliderMove: v = Bar(*this)->sliderPosition(); break;
    default: return;
    }
    SetValue(v);
    if (Detached())
        return;
    // Qt applies the slider position after this signal: make it ours.
    auto* bar = Bar(*this);
    bar->setSliderPosition(std::clamp(m_value, bar->minimum(), bar->maximum()));
}

void ScrollBar::SizeChanged(int dw, int dh)
{
    RectControl::SizeChanged(dw, dh);
    Bar(*this)->setOrientation(Height() >= Width() ? Qt::Vertical : Qt::Horizontal);
}

bool ScrollBar::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Minimum")
        SetMinimum(value.Int());
    else if (name == "Maximum")
        SetMaximum(value.Int());
    else if (name == "Value")
        SetValue(value.Int());
    else if (name == "LineStep")
        SetLineStep(value.Int());
    else if (name == "PageStep")
        SetPageStep(value.Int());
    else if (name == "LiveScroll")
        SetLiveScroll(value.Bool());
    else
        return StoreProperty(name, value, {"AcceptFocus"}) || RectControl::ApplyProperty(name, value);
    return true;
}

bool ScrollBar::HasEvent(std::string_view event) const
{
    return event == "ValueChanged" || RectControl::HasEvent(event);
}

} // namespace fw
