#pragma once

#include <vector>

#include "framework/core/object.h"
#include "framework/core/text.h"

namespace fw {

// A node of a menu tree: a menu bar, a menu or an item. A Text of "-" is a
// separator line.
class MenuItem : public Object {
public:
    MenuItem() = default;

    String Name() const { return m_name; }
    void SetName(const String& v) { m_name = v; }
    String Text() const { return m_text; }
    void SetText(const String& v) { m_text = v; }
    String KeyboardShortcut() const { return m_shortcut; }
    void SetKeyboardShortcut(const String& v) { m_shortcut = v; }
    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool v) { m_autoEnable = v; }
    bool IsSeparator() const;

    void Append(Ref<MenuItem> item);
    int Count() const { return static_cast<int>(m_children.size()); }
    // Raises OutOfBoundsException outside 0 .. Count - 1.
    Ref<MenuItem> Item(int index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(const String& name) const;
    // The first item of that name anywhere below this one, depth first, or nil.
    Ref<MenuItem> Lookup(const String& name) const;

private:
    String m_name, m_text, m_shortcut;
    bool m_autoEnable = false;
    std::vector<Ref<MenuItem>> m_children;
};

// Choosing it quits the application.
class QuitMenuItem : public MenuItem {};

class MenuBar : public MenuItem {};

} // namespace fw
