#pragma once

#include "framework/ui/control.h"

namespace fw {

// A push button; Action when it is clicked.
class PushButton : public RectControl {
public:
    PushButton();

    String Caption() const { return m_caption; }
    void SetCaption(const String& caption);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    bool HasEvent(std::string_view event) const override;

private:
    String m_caption;
};

} // namespace fw
