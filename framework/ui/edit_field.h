#pragma once

#include "framework/ui/control.h"

namespace fw {

// A multi-line plain-text field with a vertical scroll bar. Events:
// GotFocus, and TextChange when the user changes the text (typing, pasting,
// editing commands); setting Text from code raises no TextChange.
class EditField : public RectControl {
public:
    EditField();

    // The text exactly as SetText gave it until the user changes it; then
    // the field's text, with the line breaks it was given ("\n" for typed
    // text).
    String Text() const;
    void SetText(const String& text);
    bool AcceptTabs() const { return m_acceptTabs; }
    // False: Tab and Shift+Tab move the focus instead of typing a tab.
    void SetAcceptTabs(bool accept);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;

protected:
    void DeclarationApplied() override;

public:
    bool HasEvent(std::string_view event) const override;

private:
    void ApplyStyle();
    // A text with a run too long for a line wraps anywhere, which is linear
    // in its length; other text wraps at word boundaries.
    void SetWrapAnywhere(bool anywhere);
    void UpdateWrapAfterEdit(int at, int removed, int added);

    String m_given;
    bool m_edited = false;
    bool m_wrapAnywhere = false;
    String m_lineBreak = "\n";
    bool m_settingText = false;
    bool m_acceptTabs = false;
    bool m_readOnly = false;
    bool m_border = true;
    bool m_scrollbarVertical = true;
    bool m_scrollbarHorizontal = false;
    Color m_textColor{0, 0, 0};
    Color m_backColor{255, 255, 255};
};

} // namespace fw
