#include "framework/ui/timer.h"

#include <QTimer>
#include <algorithm>

namespace fw {

Timer::Timer() : m_timer(std::make_unique<QTimer>())
{
    QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { Fire(); });
}

Timer::~Timer()
{
    Detach();
    m_timer->stop();
}

void Timer::SetMode(int mode)
{
    m_mode = mode;
    Restart();
}

void Timer::SetPeriod(int period)
{
    m_period = period;
    Restart();
}

void Timer::Restart()
{
    m_timer->stop();
    if (m_mode == 0)
        return;
    m_timer->setSingleShot(m_mode == 1);
    m_timer->start(std::max(0, m_period));
}

void Timer::Fire()
{
    if (m_mode == 1)
        SetMode(0);
    RaiseEvent("Action");
}

bool Timer::ApplyProperty(const std::string& name, const PropertyValue& value)
{
    if (name == "Mode")
        SetMode(value.Int());
    else if (name == "Period")
        SetPeriod(value.Int());
    else
        return Control::ApplyProperty(name, value);
    return true;
}

bool Timer::HasEvent(std::string_view event) const { return event == "Action"; }

} // namespace fw
