#pragma once

#include <memory>

#include "framework/ui/control.h"

class QTimer;

namespace fw {

// Raises Action on the event loop: Mode 0 off, 1 once, 2 every Period
// milliseconds.
class Timer : public Control {
public:
    Timer();
    ~Timer() override;

    int Mode() const { return m_mode; }
    void SetMode(int mode);
    int Period() const { return m_period; }
    void SetPeriod(int period);
    // One tick now: what the event loop does when the period is up.
    void Fire();

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    bool HasEvent(std::string_view event) const override;

private:
    void Restart();

    std::unique_ptr<QTimer> m_timer;
    int m_mode = 0;
    int m_period = 1000;
};

} // namespace fw
