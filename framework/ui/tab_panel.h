#pragma once

#include <vector>

#include "framework/ui/control.h"

namespace fw {

// Tabs over a set of pages; Value is the page shown, counted from 0. The
// controls on a page are placed in the panel's coordinates.
class TabPanel : public RectControl {
public:
    TabPanel();

    int Value() const { return m_value; }
    void SetValue(int page);
    // The tab captions, one a line.
    void SetTabDefinition(const String& definition);
    int PanelCount() const;

    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;

protected:
    void DeclarationApplied() override;

public:
    // The page widget for a TabPanelIndex counted from 1.
    QWidget* ContentWidget(int tabPanelIndex) const override;

private:
    void ShowPage();

    int m_value = 0;
};

} // namespace fw
