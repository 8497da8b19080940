#pragma once

#include "framework/ui/control.h"

namespace fw {

// A label: one line, or several with word wrap when Multiline.
class StaticText : public RectControl {
public:
    StaticText();

    String Text() const { return m_text; }
    void SetText(const String& text);
    bool Multiline() const { return m_multiline; }
    void SetMultiline(bool multiline);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;

protected:
    void DeclarationApplied() override;

public:

private:
    void ApplyStyle();

    String m_text;
    bool m_multiline = false;
    int m_textAlign = 0; // 0 left, 1 centre, 2 right
    Color m_textColor{0, 0, 0};
};

} // namespace fw
